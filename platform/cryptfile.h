#pragma once
// A text file kept encrypted on disk. The plain text lives only in memory: open() decrypts the
// whole file, the caller edits text(), save() re-encrypts it under a fresh nonce and replaces
// the file atomically.
//
// Layout: magic "BVCF", format version (1 byte), salt (16 bytes), nonce (24 bytes), then the
// XChaCha20-Poly1305 ciphertext with its tag; the header is authenticated as associated data.
// The key is derived from the file password with Argon2id (libsodium's interactive limits) and
// the file's salt. A file that does not decrypt (wrong password, truncated, tampered, foreign)
// counts as a file that cannot be opened, in either mode, and is never replaced.

#include <QByteArray>
#include <QString>

namespace platform {

class CryptFile {
public:
    enum class Mode { Read, ReadWrite };
    enum class Status {
        Closed,     // not opened yet
        Open,       // text() holds the plain text
        Missing,    // opened for reading, no such file
        Unreadable, // the file exists but cannot be read (permissions, a folder, I/O error)
        Damaged,    // the file exists but does not decrypt with this password
        WriteFailed // the file could not be written (ReadWrite on a missing file, or save())
    };

    CryptFile(const QString &path, const QByteArray &password);
    ~CryptFile();
    CryptFile(const CryptFile &) = delete;
    CryptFile &operator=(const CryptFile &) = delete;

    // Read fails on a missing file; ReadWrite creates an empty encrypted file when it is missing.
    bool open(Mode mode);
    bool isOpen() const { return status_ == Status::Open; }
    Status status() const { return status_; }

    const QByteArray &text() const { return text_; }
    void setText(const QByteArray &text) { text_ = text; }

    // Encrypts text() under a fresh nonce and replaces the file atomically. Only after a
    // successful open(ReadWrite).
    bool save();

    // True when a file exists at path but cannot be opened with this password.
    static bool existsButUnopenable(const QString &path, const QByteArray &password);

private:
    bool writeEncrypted();

    QString path_;
    QByteArray password_;
    QByteArray salt_;
    QByteArray text_;
    Mode mode_ = Mode::Read;
    Status status_ = Status::Closed;
};

} // namespace platform
