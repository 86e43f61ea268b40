#pragma once
// The colour legend printed below the map ("pic/exl.jpg"): the four colour words of the map
// and what each means.

#include <QImage>
#include <QSize>

namespace binview {

// Draws the legend at the given size (4:3 fits its box on the printed sheet).
QImage colourLegend(const QSize &size = QSize(1200, 900));

} // namespace binview
