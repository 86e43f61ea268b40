#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

bool writeFileAtomic(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(data) != data.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) { // flushes, syncs and renames over the target
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool readFile(const QString &path, QByteArray *data, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool copyFileAtomic(const QString &src, const QString &dst, QString *error)
{
    QByteArray data;
    if (!readFile(src, &data, error))
        return false;
    return writeFileAtomic(dst, data, error);
}

bool copyIfAbsent(const QString &src, const QString &dst, QString *error)
{
    if (QFileInfo::exists(dst))
        return true;
    return copyFileAtomic(src, dst, error);
}

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool folderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace platform
