#include "binview/map/bins.h"

namespace binview {

namespace {

QStringList codes(QChar zone, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out.append(QString(zone) + QString::number(i));
    return out;
}

QList<Bin> makeBins()
{
    QList<Bin> out;
    auto add = [&](QChar zone, int count, QSize size, int units) {
        for (const QString &code : codes(zone, 1, count))
            out.append({code, zone, size, units});
    };
    add(u'A', 16, {40, 120}, 2);
    add(u'B', 17, {40, 60}, 1);
    add(u'C', 10, {40, 60}, 1);
    add(u'D', 8, {40, 120}, 2);
    add(u'E', 8, {40, 60}, 1);
    for (int i = 9; i <= 12; ++i)
        out.append({QStringLiteral("E%1").arg(i), u'E', {60, 40}, 1});
    return out;
}

QList<TileGroup> makeGroups()
{
    QStringList e9to12 = codes(u'E', 9, 12);
    std::reverse(e9to12.begin(), e9to12.end()); // E12 at the top of its column
    return {
        {codes(u'A', 1, 16), false, 1, {63, 25}, {640, 120}, {16, 17}, {640, 120}, 0},
        {codes(u'B', 1, 7), false, 2, {244, 33}, {280, 60}, {16, 153}, {280, 60}, 0},
        {codes(u'B', 8, 17), false, 2, {244, 120}, {400, 60}, {335, 153}, {400, 60}, 0},
        {codes(u'C', 1, 10), false, 3, {184, 25}, {400, 60}, {335, 224}, {400, 60}, 0},
        {codes(u'D', 1, 8), false, 4, {223, 40}, {321, 120}, {335, 304}, {321, 180}, 0},
        {codes(u'E', 1, 8), false, 5, {209, 172}, {319, 60}, {335, 304}, {321, 180}, 120},
        {e9to12, true, 5, {565, 16}, {60, 160}, {693, 304}, {60, 160}, 0},
    };
}

} // namespace

const QList<Bin> &bins()
{
    static const QList<Bin> all = makeBins();
    return all;
}

const QList<TileGroup> &tileGroups()
{
    static const QList<TileGroup> all = makeGroups();
    return all;
}

const Bin *findBin(const QString &code)
{
    for (const Bin &bin : bins()) {
        if (bin.code == code)
            return &bin;
    }
    return nullptr;
}

QString zoneTileName(const QString &code)
{
    return QStringLiteral("画板") + code;
}

QString miniTileName(const QString &code)
{
    // Lower-case "z" for A1-A16 and B1-B7, capital "Z" for every other bin.
    const bool lower = code.startsWith(u'A') || (code.startsWith(u'B') && code.mid(1).toInt() <= 7);
    return zoneTileName(code) + (lower ? u'z' : u'Z');
}

int zonePage(QChar zone)
{
    const qsizetype i = kZoneLetters.indexOf(zone.toUpper());
    return i < 0 ? -1 : static_cast<int>(i) + 1;
}

} // namespace binview
