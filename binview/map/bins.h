#pragma once
// The fixed bin catalogue: 63 bins in five zones, their tiles and where the tiles sit.

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

namespace binview {

// Location units of the warehouse: the A and D bins are double bins (16*2 + 17 + 10 + 8*2 + 12).
inline constexpr int kCapacity = 87;

struct Bin {
    QString code;  // "A1"
    QChar zone;    // 'A'
    QSize size;    // tile size in pixels
    int units = 1; // location units
};

// A row (or, for E9-E12, a column) of tiles inside one picture box.
struct TileGroup {
    QStringList bins;     // left to right, or top to bottom for a column
    bool column = false;
    int zonePage = 0;     // index of the zone's tab page
    QPoint zonePos;       // picture box position on the zone page
    QSize zoneBox;
    QPoint overviewPos;   // picture box position on the overview page
    QSize overviewBox;
    int overviewOffsetY = 0; // where the tiles start inside the overview box
};

// All 63 bins in painting order: A1..A16, B1..B17, C1..C10, D1..D8, E1..E12.
const QList<Bin> &bins();
const QList<TileGroup> &tileGroups();
const Bin *findBin(const QString &code);

QString zoneTileName(const QString &code); // "画板A1"
QString miniTileName(const QString &code); // "画板A1z", "画板B8Z"

inline const QString kZoneLetters = QStringLiteral("ABCDE");
// Tab page of a zone letter (A=1 ... E=5), or -1.
int zonePage(QChar zone);

} // namespace binview
