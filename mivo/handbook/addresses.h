#pragma once
// Where the handbook's documents live: the intranet document server, its three folders, and the
// file names of the common parts.

#include <QString>
#include <QUrl>

#include <array>

namespace mivo {

// The intranet document server (scheme and host); every document address starts here.
inline const QString kDocumentServer = QStringLiteral("http://192.168.1.100");

struct DocumentBases {
    QString item;      // product files, common parts, the personal list
    QString exploded;  // exploded-view sheets
    QString structure; // structure sheets
};

// The three base addresses as set at start-up.
DocumentBases documentBases();

// base + code + extension. The code goes in as typed; only what a web address cannot carry is
// percent-encoded, non-ASCII characters from their GB18030 bytes (what the server expects).
QUrl documentAddress(const QString &base, const QString &code, const QString &extension);

struct CommonPart {
    QString listText;
    QString fileName;
};
inline constexpr int kCommonPartCount = 36;
const std::array<CommonPart, kCommonPartCount> &commonParts();

} // namespace mivo
