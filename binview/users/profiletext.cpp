#include "binview/users/profiletext.h"

#include "platform/text.h"

namespace binview {

namespace {
const QByteArray kLineBreak = QByteArrayLiteral("\r\n");

QString headerOf(const QString &section)
{
    return (u'[' + section + u']').toUpper();
}
} // namespace

bool ProfileText::isHeader(const QString &line)
{
    const QString t = platform::trimBlanks(line);
    return t.startsWith(u'[') && t.endsWith(u']');
}

QString ProfileText::sectionName(const QString &line)
{
    QString name = line;
    name.remove(u'[').remove(u']');
    return platform::trimBlanks(name);
}

std::vector<ProfileText::Line> ProfileText::lines() const
{
    // LF ends a line; a CR before it belongs to the line break. GB18030 never uses either byte
    // inside a multi-byte character, so splitting the bytes is safe.
    std::vector<Line> out;
    qsizetype pos = 0;
    while (pos < bytes_.size()) {
        const qsizetype lf = bytes_.indexOf('\n', pos);
        Line line;
        line.start = pos;
        qsizetype contentEnd = 0;
        if (lf < 0) {
            contentEnd = bytes_.size();
            line.end = bytes_.size();
        } else {
            contentEnd = lf > pos && bytes_[lf - 1] == '\r' ? lf - 1 : lf;
            line.end = lf + 1;
        }
        line.text = platform::fromCodePage(bytes_.mid(pos, contentEnd - pos));
        out.push_back(std::move(line));
        pos = out.back().end;
    }
    return out;
}

qsizetype ProfileText::findHeader(const std::vector<Line> &lines, const QString &section)
{
    const QString wanted = headerOf(section);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text.toUpper() == wanted)
            return static_cast<qsizetype>(i);
    }
    return -1;
}

bool ProfileText::matchesKey(const QString &line, const QString &key, QString *firstPart)
{
    if (!line.contains(u'='))
        return false;
    const QStringList parts = line.split(u'=', Qt::SkipEmptyParts);
    if (parts.size() < 2 || platform::trimBlanks(parts.first()) != key)
        return false;
    if (firstPart)
        *firstPart = parts.first();
    return true;
}

void ProfileText::insertLine(qsizetype position, const QString &line)
{
    QByteArray bytes = platform::toCodePage(line) + kLineBreak;
    // A text prepared elsewhere may lack the final line break; never glue a line onto it.
    if (position == bytes_.size() && !bytes_.isEmpty() && !bytes_.endsWith('\n'))
        bytes.prepend(kLineBreak);
    bytes_.insert(position, bytes);
}

QString ProfileText::value(const QString &section, const QString &key, const QString &fallback) const
{
    // A blank key would match lines such as " =x"; no stored key is blank.
    if (platform::trimBlanks(key).isEmpty())
        return fallback;
    const std::vector<Line> all = lines();
    const qsizetype header = findHeader(all, section);
    if (header < 0)
        return fallback;
    for (size_t i = static_cast<size_t>(header) + 1; i < all.size(); ++i) {
        const QString &text = all[i].text;
        if (isHeader(text))
            return fallback;
        if (!matchesKey(text, key))
            continue;
        const QString value = text.mid(text.indexOf(u'=') + 1);
        return platform::trimBlanks(value).isEmpty() ? fallback : value;
    }
    return fallback;
}

bool ProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    if (platform::trimBlanks(section).isEmpty() || platform::trimBlanks(key).isEmpty() ||
        platform::trimBlanks(value).isEmpty())
        return false;
    const std::vector<Line> all = lines();
    const qsizetype header = findHeader(all, section);
    if (header < 0) {
        insertLine(bytes_.size(), u'[' + section + u']');
        insertLine(bytes_.size(), key + u'=' + value);
        return true;
    }
    // P follows the scan: the start of the line last read, so a section that runs to the end
    // of the text gets its new key in front of its last line.
    qsizetype position = all[static_cast<size_t>(header)].end;
    for (size_t i = static_cast<size_t>(header) + 1; i < all.size(); ++i) {
        const Line &line = all[i];
        position = line.start;
        if (isHeader(line.text))
            break;
        QString firstPart;
        if (matchesKey(line.text, key, &firstPart)) {
            bytes_.remove(line.start, line.end - line.start);
            insertLine(line.start, firstPart + u'=' + value);
            return true;
        }
    }
    insertLine(position, key + u'=' + value);
    return true;
}

bool ProfileText::removeSection(const QString &section)
{
    const std::vector<Line> all = lines();
    const qsizetype header = findHeader(all, section);
    if (header < 0)
        return false;
    qsizetype end = bytes_.size();
    for (size_t i = static_cast<size_t>(header) + 1; i < all.size(); ++i) {
        if (isHeader(all[i].text)) {
            end = all[i].start;
            break;
        }
    }
    const qsizetype start = all[static_cast<size_t>(header)].start;
    bytes_.remove(start, end - start);
    return true;
}

QStringList ProfileText::sections() const
{
    QStringList names;
    for (const Line &line : lines()) {
        if (isHeader(line.text))
            names.append(sectionName(line.text));
    }
    return names;
}

QStringList ProfileText::keys(const QString &section) const
{
    QStringList names;
    const std::vector<Line> all = lines();
    const qsizetype header = findHeader(all, section);
    if (header < 0)
        return names;
    for (size_t i = static_cast<size_t>(header) + 1; i < all.size(); ++i) {
        const QString &text = all[i].text;
        if (isHeader(text))
            break;
        const qsizetype eq = text.indexOf(u'=');
        if (eq >= 0)
            names.append(platform::trimBlanks(text.left(eq)));
    }
    return names;
}

} // namespace binview
