#pragma once
// Text conventions shared by both programs: the code page of every text file, the
// text-to-number rules and the number formats the clerks see.

#include <QByteArray>
#include <QString>

namespace platform {

// Every text file the programs read or write is GB18030: byte-identical to GBK for every GBK
// character, lossless for the rest.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// Folds full-width ASCII variants (U+FF01..U+FF5E) and the ideographic space to their narrow forms.
QString foldFullWidth(const QString &text);

// Leading blanks and a sign are accepted, then the leading digits are read; full-width
// characters count as their narrow forms. A text without leading digits gives 0. Values beyond
// the 32-bit range saturate.
int textToInt(const QString &text);

// A real number as "%.13g".
QString realToText(double value);

// Floating-point pixel values become whole pixels by truncation towards zero.
int truncPixel(double value);

// Trims ASCII spaces and full-width spaces (U+3000) at both ends; nothing else.
QString trimBlanks(const QString &text);

} // namespace platform
