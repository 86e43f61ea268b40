#pragma once
// A record file: an SQLite database reached through Qt Sql, marked with an application id so
// that a foreign file is refused rather than altered. Rollback journal, synchronous=FULL.

#include <QSqlDatabase>
#include <QString>

namespace platform {

class RecordFile {
public:
    enum class Status { Closed, Open, Missing, NotOurs, Damaged, Unreadable };

    explicit RecordFile(qint32 applicationId);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens an existing file (never creates one). On failure the file is left as it was.
    Status open(const QString &path);
    // Creates a new file with the given schema statements; fails if the path exists.
    bool create(const QString &path, const QStringList &schema, QString *error = nullptr);
    void close();

    bool isOpen() const { return status_ == Status::Open; }
    Status status() const { return status_; }
    QString path() const { return path_; }
    QString errorText() const { return error_; }
    QSqlDatabase database() const;
    // Changes whenever another connection commits a change to the file.
    qint64 dataVersion() const;

private:
    bool connect(const QString &path, bool readOnly);
    bool configure();

    qint32 applicationId_;
    QString connection_;
    QString path_;
    QString error_;
    Status status_ = Status::Closed;
};

} // namespace platform
