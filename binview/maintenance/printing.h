#pragma once
// The printed map sheet: one A4 portrait page, laid out in hundredths of an inch from the top
// left of the printable area.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace binview {

class Application;

struct MapSheet {
    static inline const QString title = QStringLiteral("仓库库位图");
    static constexpr QPoint titlePos{300, 10};
    static constexpr QRect mapBox{10, 50, 800, 510};
    static constexpr QRect legendBox{10, 550, 800, 600};
};

// Draws the sheet on a device with the given resolution (dots per inch). A null picture is left
// out; the pictures are stretched to their boxes.
void drawMapSheet(QPainter &painter, int dotsPerInch, const QImage &map, const QImage &legend);

// Reads a picture by its content, whatever its name says ("pic.jpeg" holds bitmap data).
QImage loadPicture(const QString &path);

// "打印库位图" with a chosen wait before the picture is taken.
void printMap(Application &app, int settleMilliseconds);

} // namespace binview
