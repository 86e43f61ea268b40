#include "platform/dates.h"

#include <QRegularExpression>

#include <cmath>

namespace platform {

namespace {

// 1899-12-30 as a Julian day: a constant, so that dates work during static initialisation too.
constexpr qint64 kEpochJulianDay = 2415019;
constexpr QDate kEpoch = QDate::fromJulianDay(kEpochJulianDay);
constexpr qint64 kSecondsPerDay = 86400;

struct Split {
    QDate date;
    int seconds = 0; // time of day, rounded to the second
};

Split split(double value)
{
    if (!std::isfinite(value))
        value = 0;
    // Whole days towards zero; the time of day is the absolute fraction (as OLE dates do).
    double whole = std::trunc(value);
    qint64 secs = std::llround(std::fabs(value - whole) * kSecondsPerDay);
    if (secs >= kSecondsPerDay) {
        secs -= kSecondsPerDay;
        whole += value < 0 ? -1 : 1;
    }
    return {kEpoch.addDays(static_cast<qint64>(whole)), static_cast<int>(secs)};
}

double compose(const QDate &date, int seconds)
{
    const double days = static_cast<double>(kEpoch.daysTo(date));
    const double fraction = static_cast<double>(seconds) / kSecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

} // namespace

double dateFromDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return kMinDate;
    return compose(dateTime.date(), dateTime.time().msecsSinceStartOfDay() / 1000);
}

QDateTime dateTimeFromDate(double date)
{
    const Split s = split(date);
    return QDateTime(s.date, QTime(0, 0).addSecs(s.seconds));
}

double datePart(double date)
{
    return std::trunc(date);
}

QString dateToText(double date)
{
    const Split s = split(date);
    QString text = QString::number(s.date.year()) + u'年' + QString::number(s.date.month()) + u'月' +
                   QString::number(s.date.day()) + u'日';
    const int h = s.seconds / 3600;
    const int m = s.seconds / 60 % 60;
    const int sec = s.seconds % 60;
    if (sec != 0)
        text += QString::number(h) + u'时' + QString::number(m) + u'分' + QString::number(sec) + u'秒';
    else if (m != 0)
        text += QString::number(h) + u'时' + QString::number(m) + u'分';
    else if (h != 0)
        text += QString::number(h) + u'时';
    return text;
}

double textToDate(const QString &text)
{
    static const QRegularExpression chinese(QStringLiteral(
        R"(^\s*([0-9]{1,4})年([0-9]{1,2})月([0-9]{1,2})日\s*(?:([0-9]{1,2})时(?:([0-9]{1,2})分(?:([0-9]{1,2})秒)?)?)?\s*$)"));
    static const QRegularExpression numeric(QStringLiteral(
        R"(^\s*([0-9]{1,4})[-/]([0-9]{1,2})[-/]([0-9]{1,2})(?:\s+([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?)?\s*$)"));
    QRegularExpressionMatch match = chinese.match(text);
    if (!match.hasMatch())
        match = numeric.match(text);
    if (!match.hasMatch())
        return kMinDate;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const int h = match.captured(4).toInt();
    const int m = match.captured(5).toInt();
    const int s = match.captured(6).toInt();
    if (!date.isValid() || date.year() < 100 || h > 23 || m > 59 || s > 59)
        return kMinDate;
    return compose(date, h * 3600 + m * 60 + s);
}

double dateRoundTrip(double date)
{
    const Split s = split(date);
    if (!s.date.isValid() || s.date.year() < 100 || s.date.year() > 9999)
        return kMinDate;
    return compose(s.date, s.seconds);
}

} // namespace platform
