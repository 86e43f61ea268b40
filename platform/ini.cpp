#include "platform/ini.h"

#include "platform/files.h"
#include "platform/text.h"

namespace platform {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimmed(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b).toString();
}

// True for a header line, with its section name.
bool headerName(const QString &line, QString *name = nullptr)
{
    const QString t = trimmed(line);
    if (!t.startsWith(u'['))
        return false;
    if (name) {
        const qsizetype close = t.indexOf(u']');
        *name = trimmed(QStringView(t).mid(1, close < 0 ? -1 : close - 1));
    }
    return true;
}

bool splitKey(const QString &line, QString *key, QString *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = trimmed(QStringView(line).left(eq));
    if (value) {
        QString v = trimmed(QStringView(line).mid(eq + 1));
        if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString escapeIniValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'\\')
            out += u"\\\\";
        else if (c == u'\r')
            out += u"\\r";
        else if (c == u'\n')
            out += u"\\n";
        else
            out += c;
    }
    return out;
}

QString unescapeIniValue(const QString &stored)
{
    if (!stored.contains(u'\\'))
        return stored;
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c == u'\\' && i + 1 < stored.size()) {
            const QChar n = stored[i + 1];
            if (n == u'\\' || n == u'r' || n == u'n') {
                out += n == u'\\' ? QChar(u'\\') : n == u'r' ? QChar(u'\r') : QChar(u'\n');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

IniDocument IniDocument::fromText(const QString &text)
{
    IniDocument doc;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            doc.lines_.append(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        doc.lines_.append(current);
    return doc;
}

bool IniDocument::load(const QString &path)
{
    QByteArray bytes;
    const bool ok = readFile(path, &bytes);
    *this = fromText(ok ? fromCodePage(bytes) : QString());
    return ok;
}

qsizetype IniDocument::findSection(const QString &section) const
{
    const QString want = trimmed(section);
    QString name;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (headerName(lines_[i], &name) && sameName(name, want))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < lines_.size() && !headerName(lines_[i]))
        ++i;
    return i;
}

qsizetype IniDocument::findKey(qsizetype header, const QString &key) const
{
    const QString want = trimmed(key);
    const qsizetype end = sectionEnd(header);
    QString k;
    for (qsizetype i = header + 1; i < end; ++i) {
        if (splitKey(lines_[i], &k, nullptr) && sameName(k, want))
            return i;
    }
    return -1;
}

QString IniDocument::value(const QString &section, const QString &key, const QString &fallback) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return fallback;
    const qsizetype line = findKey(header, key);
    if (line < 0)
        return fallback;
    QString k;
    QString v;
    splitKey(lines_[line], &k, &v);
    return unescapeIniValue(v);
}

bool IniDocument::hasKey(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

QStringList IniDocument::sections() const
{
    QStringList out;
    QString name;
    for (const QString &line : lines_) {
        if (headerName(line, &name))
            out.append(name);
    }
    return out;
}

bool IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString newLine = trimmed(key) + u'=' + escapeIniValue(value);
    qsizetype header = findSection(section);
    if (header < 0) {
        lines_.append(u'[' + trimmed(section) + u']');
        lines_.append(newLine);
        modified_ = true;
        return true;
    }
    const qsizetype line = findKey(header, key);
    if (line >= 0) {
        QString k;
        QString old;
        splitKey(lines_[line], &k, &old);
        if (unescapeIniValue(old) == value)
            return false; // writing the same value again leaves the file untouched
        lines_[line] = newLine;
        modified_ = true;
        return true;
    }
    // New key: after the last non-blank line of the section.
    qsizetype at = sectionEnd(header);
    while (at > header + 1 && trimmed(lines_[at - 1]).isEmpty())
        --at;
    lines_.insert(at, newLine);
    modified_ = true;
    return true;
}

bool IniDocument::removeKey(const QString &section, const QString &key)
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    const qsizetype line = findKey(header, key);
    if (line < 0)
        return false;
    lines_.removeAt(line);
    modified_ = true;
    return true;
}

bool IniDocument::removeSection(const QString &section)
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    lines_.remove(header, sectionEnd(header) - header);
    modified_ = true;
    return true;
}

QString IniDocument::text() const
{
    QString out;
    for (const QString &line : lines_) {
        out += line;
        out += u"\r\n";
    }
    return out;
}

bool IniDocument::save(const QString &path, QString *error)
{
    if (!modified_)
        return true;
    if (!writeFileAtomic(path, toCodePage(text()), error))
        return false;
    modified_ = false;
    return true;
}

QString readProfileString(const QString &path, const QString &section, const QString &key,
                          const QString &fallback)
{
    IniDocument doc;
    doc.load(path);
    return doc.value(section, key, fallback);
}

bool writeProfileString(const QString &path, const QString &section, const QString &key,
                        const QString &value)
{
    IniDocument doc;
    doc.load(path);
    if (!doc.setValue(section, key, value))
        return true;
    return doc.save(path);
}

} // namespace platform
