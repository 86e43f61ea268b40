#include "platform/text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <climits>
#include <cmath>
#include <cstdio>

namespace platform {

QByteArray toCodePage(const QString &text)
{
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        return text.toUtf8(); // unreachable with Qt's ICU build; keeps data rather than dropping it
    return encoder.encode(text);
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    return decoder.decode(bytes);
}

QString foldFullWidth(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = QChar(u' ');
    }
    return out;
}

int textToInt(const QString &text)
{
    const QString t = foldFullWidth(text);
    qsizetype i = 0;
    while (i < t.size() && (t[i] == u' ' || t[i] == u'\t' || t[i] == u'\r' || t[i] == u'\n'))
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) {
        value = value * 10 + (t[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

QString realToText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return QString::fromLatin1(buffer);
}

int truncPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double t = std::trunc(value);
    if (t > INT_MAX)
        return INT_MAX;
    if (t < INT_MIN)
        return INT_MIN;
    return static_cast<int>(t);
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == u' ' || c == QChar(0x3000); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace platform
