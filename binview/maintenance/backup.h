#pragma once
// The consistent copy of a record file that the backup keeps.

#include <QString>

namespace binview {

// Writes a consistent snapshot of the SQLite file src to dst (replacing dst atomically), even
// while another connection holds it open or a journal is pending. src is only read.
bool copyStoreSnapshot(const QString &src, const QString &dst, QString *error = nullptr);

} // namespace binview
