#include "binview/map/overview.h"

#include "binview/map/bins.h"
#include "binview/map/orderstore.h"
#include "platform/text.h"

#include <cmath>

namespace binview {

QString usageText(const QString &dateText, const QString &used, const QString &rate)
{
    return QStringLiteral("今日日期：") + dateText + QStringLiteral("\r\n总库位：87库位\r\n已经用库位：") + used +
           QStringLiteral("库位\r\n使用率：") + rate + u'%';
}

OverviewStats overviewStats(const QueryView &view, const QString &dateText)
{
    OverviewStats s;
    s.rows = view.rowCount();
    for (int i = 1; i <= s.rows; ++i) {
        const QString bin = view.cellText(i, BinCode);
        // A code that names both letters counts twice, as the two separate tests do.
        if (bin.contains(u'A', Qt::CaseInsensitive))
            ++s.doubleRowCount;
        if (bin.contains(u'D', Qt::CaseInsensitive))
            ++s.doubleRowCount;
    }
    s.used = s.rows + s.doubleRowCount;
    s.rate = static_cast<int>(std::floor(static_cast<double>(s.used) / kCapacity * 100));
    s.label = usageText(dateText, QString::number(s.used), QString::number(s.rate));
    return s;
}

QString shortTermText(const QString &dateText, int rows, int doubleRowCount)
{
    const double used = static_cast<double>(rows) + doubleRowCount;
    const double rate = static_cast<double>(rows) / kCapacity * 100;
    return usageText(dateText, platform::realToText(used), platform::realToText(rate));
}

std::array<QString, 5> zoneOrderTexts(const QueryView &view)
{
    std::array<QString, 5> texts;
    const int n = view.rowCount();
    for (int i = 1; i <= n; ++i) {
        const QString bin = view.cellText(i, BinCode);
        for (qsizetype z = 0; z < kZoneLetters.size(); ++z) {
            if (bin.contains(kZoneLetters[z], Qt::CaseInsensitive)) {
                texts[static_cast<size_t>(z)] += QStringLiteral("   ") + bin + QStringLiteral("：  ") + view.cellText(i, OrderNo);
                break;
            }
        }
    }
    return texts;
}

} // namespace binview
