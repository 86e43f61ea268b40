#include "binview/map/colours.h"

#include "binview/map/orderstore.h"
#include "platform/ini.h"

#include <QHash>

namespace binview {

QString colourWord(double ship, bool shipTextEmpty, double now)
{
    constexpr double eps = 1e-7;
    const double d = ship - now;
    if (d - 3 > eps)
        return kBlue;
    if (d - 3 < -eps && d > eps)
        return kRed;
    if (d < -eps && !shipTextEmpty)
        return kBlack;
    return kBlue;
}

ColourPassResult colourPass(const QueryView &view, double now, const QString &tablePath)
{
    ColourPassResult result;
    result.rows = view.rowCount();

    // The last row of a bin decides its word; sections are created in order of first appearance,
    // exactly as writing row by row would.
    QStringList order;
    QHash<QString, QString> word; // by section name as the table matches it
    for (int i = 1; i <= result.rows; ++i) {
        const QString bin = view.cellText(i, BinCode);
        const double ship = view.cellDate(i, ShipDate);
        const bool empty = view.cellText(i, ShipDate).isEmpty();
        const QString key = bin.trimmed().toLower();
        if (!word.contains(key))
            order.append(bin);
        word.insert(key, colourWord(ship, empty, now));
    }
    if (order.isEmpty())
        return result;

    platform::IniDocument table;
    table.load(tablePath);
    for (const QString &bin : order) {
        if (table.setValue(bin, kColourKey, word.value(bin.trimmed().toLower())))
            ++result.binsWritten;
    }
    if (table.isModified()) {
        result.ok = table.save(tablePath);
        result.fileWritten = result.ok;
    }
    return result;
}

void lookupColour(const platform::IniDocument &table, const QString &bin, PackedColour &paintColour)
{
    const QString w = table.value(bin, kColourKey);
    if (w == kRed)
        paintColour = packColour(255, 0, 0);
    else if (w == kGreen)
        paintColour = packColour(0, 255, 0);
    else if (w == kBlue)
        paintColour = packColour(0, 0, 255);
    else if (w == kBlack)
        paintColour = packColour(0, 0, 0);
}

} // namespace binview
