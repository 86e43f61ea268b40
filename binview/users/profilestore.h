#pragma once
// The operations on the user file: each opens the encrypted file, applies one line rule of
// ProfileText to the decrypted text and closes it again; nothing is held open between calls.
// A file that cannot be opened reads as missing and is never written.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace binview {

class ProfileStore {
public:
    ProfileStore(const QString &path, const QByteArray &password) : path_(path), password_(password) {}

    QString readValue(const QString &section, const QString &key, const QString &fallback = {}) const;
    // False, without touching the file, when section, key or value is blank.
    bool writeValue(const QString &section, const QString &key, const QString &value) const;
    // True when the section was found and removed.
    bool deleteSection(const QString &section) const;
    // False, leaving the list as it was, when the file cannot be opened.
    bool listSections(QStringList &list) const;
    bool listKeys(const QString &section, QStringList &list) const;
    // A file is there but does not open with the password (damaged, foreign, unreadable).
    bool isUnopenable() const;

    static bool makeFolderPath(const QString &folder);

    const QString &path() const { return path_; }

private:
    QString path_;
    QByteArray password_;
};

} // namespace binview
