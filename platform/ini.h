#pragma once
// INI profile files with the semantics of the Windows profile functions: lines end at CR or LF;
// section names and keys are trimmed and matched without regard to letter case; the first
// matching section is the one used; a value is trimmed and loses one outer pair of matching
// quotes; a line without "=" is no key. Files are GB18030 with CR LF line ends.
//
// A value never spans lines: line breaks and the escape character are stored escaped
// ("\\", "\r", "\n") and come back whole when read.

#include <QString>
#include <QStringList>

namespace platform {

class IniDocument {
public:
    IniDocument() = default;

    // Loads the file; a missing or unreadable file gives an empty document (false returned).
    bool load(const QString &path);
    static IniDocument fromText(const QString &text);

    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    bool hasKey(const QString &section, const QString &key) const;
    QStringList sections() const;

    // Replaces an existing key's value in place, appends a new key at the end of its section and
    // a new section at the end of the file. Returns true when the text changed.
    bool setValue(const QString &section, const QString &key, const QString &value);
    bool removeKey(const QString &section, const QString &key);
    bool removeSection(const QString &section);

    bool isModified() const { return modified_; }
    QString text() const; // lines joined with CR LF
    // Writes the file atomically when something changed since load (or always, when forced).
    bool save(const QString &path, QString *error = nullptr);

private:
    qsizetype findSection(const QString &section) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, const QString &key) const;

    QStringList lines_;
    bool modified_ = false;
};

// One value read from the file as it is now.
QString readProfileString(const QString &path, const QString &section, const QString &key,
                          const QString &fallback = {});
// One value written; the file is replaced atomically, and left untouched when nothing changes.
// A missing file is created (missing folders are not).
bool writeProfileString(const QString &path, const QString &section, const QString &key,
                        const QString &value);

QString escapeIniValue(const QString &value);
QString unescapeIniValue(const QString &stored);

} // namespace platform
