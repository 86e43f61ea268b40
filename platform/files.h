#pragma once
// File-system operations. Every write replaces its target atomically: the data goes to a
// temporary file beside it, is flushed to disk and then renamed over the target, so a crash or a
// full disk leaves either the old or the new content, never a mixture.

#include <QByteArray>
#include <QString>

namespace platform {

bool writeFileAtomic(const QString &path, const QByteArray &data, QString *error = nullptr);
// Reads the whole file; false when it is missing or unreadable.
bool readFile(const QString &path, QByteArray *data, QString *error = nullptr);
// Copies src over dst atomically (dst is replaced only once the copy is complete).
bool copyFileAtomic(const QString &src, const QString &dst, QString *error = nullptr);
// Copies src to dst only when dst does not exist yet; true when dst exists afterwards.
bool copyIfAbsent(const QString &src, const QString &dst, QString *error = nullptr);
// Creates the folder and its missing parents; true when it exists afterwards.
bool makeFolder(const QString &path);
bool folderExists(const QString &path);
bool fileExists(const QString &path);

} // namespace platform
