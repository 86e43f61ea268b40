#pragma once
// Occupancy colouring: the colour pass turns each occupied bin's ship date into a colour word in
// the colour table; the lookup turns a bin's word back into a drawing colour.

#include <QString>

namespace platform {
class IniDocument;
}

namespace binview {

class QueryView;

inline const QString kColourKey = QStringLiteral("颜色");
inline const QString kRed = QStringLiteral("红色");
inline const QString kBlue = QStringLiteral("蓝色");
inline const QString kBlack = QStringLiteral("黑色");
inline const QString kGreen = QStringLiteral("绿色");

// Packed drawing colour: red + green * 256 + blue * 65536.
using PackedColour = quint32;
constexpr PackedColour packColour(int r, int g, int b)
{
    return static_cast<PackedColour>(r) + static_cast<PackedColour>(g) * 256u + static_cast<PackedColour>(b) * 65536u;
}
constexpr int redOf(PackedColour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(PackedColour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(PackedColour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The word for one row: ship is the ship-date cell read back as a date (kMinDate when the cell
// is empty), now the reference moment, both in days.
QString colourWord(double ship, bool shipTextEmpty, double now);

struct ColourPassResult {
    int rows = 0;
    int binsWritten = 0; // sections whose word changed
    bool fileWritten = false;
    bool ok = true;      // false when the table could not be replaced
};

// Writes the word of every bin that has a row; bins without rows keep their word. The table is
// replaced at most once, and not at all when no word changed; the result is the same as writing
// row after row (the last row of a bin wins).
ColourPassResult colourPass(const QueryView &view, double now, const QString &tablePath);

// Sets paintColour from the bin's word, or leaves it unchanged when the word is missing or
// not one of the four.
void lookupColour(const platform::IniDocument &table, const QString &bin, PackedColour &paintColour);

} // namespace binview
