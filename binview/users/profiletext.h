#pragma once
// The line rules of the user file, applied to its decrypted text (GB18030 bytes, CR LF lines).
//
// These are deliberately not the rules of platform/ini: a header is found by comparing the
// untrimmed line, upper-cased, with "[SECTION]"; keys match exactly after trimming; a line whose
// value is empty ("key=") has no key; a new key goes in front of the last line of a section that
// runs to the end of the file. Stored files depend on these positions, so they are kept.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace binview {

class ProfileText {
public:
    explicit ProfileText(QByteArray bytes = {}) : bytes_(std::move(bytes)) {}
    const QByteArray &bytes() const { return bytes_; }

    // The value of key in section, untrimmed; the fallback when the section, the key or a
    // non-blank value is missing.
    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    // Replaces the value of the first matching key in place (keeping the key as written) or
    // inserts a new line. False, with nothing changed, when section, key or value is blank.
    bool setValue(const QString &section, const QString &key, const QString &value);
    // Removes the header and every line up to the next header; false when not found.
    bool removeSection(const QString &section);
    // Every header's name, brackets removed and trimmed, in file order.
    QStringList sections() const;
    // The trimmed key of every "=" line of the section (empty when the section is missing).
    QStringList keys(const QString &section) const;

    static bool isHeader(const QString &line);
    static QString sectionName(const QString &line);

private:
    struct Line {
        qsizetype start = 0; // byte offset of the line
        qsizetype end = 0;   // byte offset just after its line break (or the end of the text)
        QString text;        // decoded, without the line break
    };
    std::vector<Line> lines() const;
    // Index of the first line that is the header of section, or -1.
    static qsizetype findHeader(const std::vector<Line> &lines, const QString &section);
    // True when line holds key: split at "=" (empty parts dropped), at least two parts, and
    // the first one trimmed equals key. *firstPart receives that part as written.
    static bool matchesKey(const QString &line, const QString &key, QString *firstPart = nullptr);
    void insertLine(qsizetype position, const QString &line);

    QByteArray bytes_;
};

} // namespace binview
