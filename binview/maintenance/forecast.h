#pragma once
// The short-term forecast: pieces expected in and out on the next three days, turned into bins
// and into the four running-total usage points of the chart.

#include <QLineEdit>
#include <QList>
#include <QPointF>

#include <array>

namespace binview {

class Application;

inline constexpr int kPiecesPerBin = 555;

// Whole bins for a number of pieces, rounded towards minus infinity (-1 piece is -1 bin).
int piecesToBins(int pieces);

// Usage in percent of the 87 units today and on days +1 to +3: each point is the running total
// of what came in minus what went out up to that day. used = records + double-bin extras.
std::array<double, 4> forecastPoints(int used, const std::array<int, 3> &in, const std::array<int, 3> &out);

// An edit box in integer input mode: only "-" and digits can be typed; on losing the focus the
// text becomes its whole-number value, and 0 leaves the box empty.
class IntegerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit IntegerBox(QWidget *parent = nullptr);
    static QString normalised(const QString &text);
    void normalise();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// "输入预警信息": reads the six boxes into the forecast and draws the curve.
void enterForecast(Application &app);
// Draws the curve from the forecast and the store's current row count.
void drawForecastCurve(Application &app);
// The points the chart shows now (empty before the first drawing).
QList<QPointF> forecastCurve(Application &app);

} // namespace binview
