#include "binview/map/colours.h"

#include "binview/map/orderstore.h"
#include "platform/dates.h"
#include "platform/ini.h"

#include <QHash>

#include <algorithm>

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
    // exactly as writing row by row would. Rows are grouped by their exact bin text first (cheap),
    // then by the section name as the table matches it (trimmed, any letter case).
    struct Seen {
        int first = 0;
        int last = 0;
        QString word;
    };
    QHash<QString, Seen> byText;
    QStringList texts;
    for (int i = 1; i <= result.rows; ++i) {
        const QString bin = view.cellText(i, BinCode);
        const double ship = view.cellDate(i, ShipDate);
        // An empty ship-date cell reads back as the minimum date, and only an empty one does.
        const QString w = colourWord(ship, ship == platform::kMinDate, now);
        auto it = byText.find(bin);
        if (it == byText.end()) {
            byText.insert(bin, Seen{i, i, w});
            texts.append(bin);
        } else {
            it->last = i;
            it->word = w;
        }
    }
    QHash<QString, Seen> bySection;
    QList<QPair<int, QString>> order; // first row, section key
    for (const QString &bin : texts) {
        const Seen &seen = byText[bin];
        const QString key = bin.trimmed().toLower();
        auto it = bySection.find(key);
        if (it == bySection.end()) {
            bySection.insert(key, seen);
            order.append({seen.first, bin});
        } else if (seen.last > it->last) {
            it->last = seen.last;
            it->word = seen.word;
        }
    }
    if (order.isEmpty())
        return result;
    std::sort(order.begin(), order.end());

    platform::IniDocument table;
    table.load(tablePath);
    for (const auto &[first, bin] : order) {
        if (table.setValue(bin, kColourKey, bySection.value(bin.trimmed().toLower()).word))
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
