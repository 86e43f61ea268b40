#include "platform/recordfile.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace platform {

namespace {
QAtomicInt connectionCounter;
}

RecordFile::RecordFile(qint32 applicationId)
    : applicationId_(applicationId),
      connection_(QStringLiteral("recordfile-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

RecordFile::~RecordFile()
{
    close();
}

QSqlDatabase RecordFile::database() const
{
    return QSqlDatabase::database(connection_, false);
}

bool RecordFile::connect(const QString &path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        error_ = db.lastError().text();
        return false;
    }
    return true;
}

bool RecordFile::configure()
{
    QSqlQuery q(database());
    return q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) && q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

RecordFile::Status RecordFile::open(const QString &path)
{
    close();
    path_ = path;
    error_.clear();
    const QFileInfo info(path);
    if (!info.exists()) {
        status_ = Status::Missing;
        return status_;
    }
    if (!info.isFile() || !info.isReadable()) {
        status_ = Status::Unreadable;
        return status_;
    }
    // The SQLite driver would create a missing file; the check above keeps that from happening.
    if (!connect(path, false)) {
        status_ = Status::Unreadable;
        close();
        status_ = Status::Unreadable;
        return status_;
    }
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        error_ = q.lastError().text();
        const bool locked = error_.contains(QStringLiteral("locked"), Qt::CaseInsensitive);
        close();
        status_ = locked ? Status::Unreadable : Status::Damaged;
        return status_;
    }
    if (q.value(0).toInt() != applicationId_) {
        close();
        status_ = Status::NotOurs;
        return status_;
    }
    q.finish();
    if (!configure()) {
        // A read-only file still opens; writes then fail and say so.
        error_ = q.lastError().text();
    }
    status_ = Status::Open;
    return status_;
}

bool RecordFile::create(const QString &path, const QStringList &schema, QString *error)
{
    close();
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("file exists");
        return false;
    }
    if (!connect(path, false)) {
        if (error)
            *error = error_;
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = database();
        QSqlQuery q(db);
        ok = configure() && db.transaction();
        ok = ok && q.exec(QStringLiteral("PRAGMA application_id=%1").arg(applicationId_));
        for (const QString &statement : schema) {
            if (!ok)
                break;
            ok = q.exec(statement);
        }
        if (ok)
            ok = db.commit();
        if (!ok && error)
            *error = q.lastError().text().isEmpty() ? db.lastError().text() : q.lastError().text();
    }
    close();
    if (!ok)
        QFile::remove(path);
    return ok;
}

void RecordFile::close()
{
    if (QSqlDatabase::contains(connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
    }
    status_ = Status::Closed;
}

qint64 RecordFile::dataVersion() const
{
    if (status_ != Status::Open)
        return -1;
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

} // namespace platform
