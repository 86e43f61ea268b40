#pragma once
// Overview statistics: used location units, usage rate, and the zone order texts.

#include <QString>
#include <array>

namespace binview {

class QueryView;

struct OverviewStats {
    int rows = 0;
    int doubleRowCount = 0; // rows whose bin lies in zone A or D
    int used = 0;
    int rate = 0;           // floor(used / 87 * 100)
    QString label;          // the five-line usage text
};

// dateText is the today date in date text form ("2008年6月26日").
OverviewStats overviewStats(const QueryView &view, const QString &dateText);
QString usageText(const QString &dateText, const QString &used, const QString &rate);
// The short-term label: used and rate as "%.13g", the rate without the double bins.
QString shortTermText(const QString &dateText, int rows, int doubleRowCount);

// The run-on order texts of zones A to E, in that order.
std::array<QString, 5> zoneOrderTexts(const QueryView &view);

} // namespace binview
