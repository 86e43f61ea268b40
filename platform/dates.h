#pragma once
// Dates are floating-point days since 1899-12-30 00:00, the fraction being the time of day.
// 0 is the empty date (a pending ship date); an empty or unparsable text converts to kMinDate.

#include <QDateTime>
#include <QString>

namespace platform {

inline constexpr double kEmptyDate = 0.0;
inline constexpr double kMinDate = -657434.0; // 100-01-01

double dateFromDateTime(const QDateTime &dateTime);
QDateTime dateTimeFromDate(double date);
// The date part only: trunc for positive values, as the whole-day part for negative ones.
double datePart(double date);

// "2008年6月26日", followed by "%d时%d分%d秒", "%d时%d分" or "%d时" when the time is not midnight.
QString dateToText(double date);
// The inverse of dateToText; also reads "2008-6-26" and "2008/6/26" with an optional
// "h:m[:s]" time. Empty or unparsable text gives kMinDate.
double textToDate(const QString &text);
// textToDate(dateToText(date)) without the detour through text.
double dateRoundTrip(double date);

} // namespace platform
