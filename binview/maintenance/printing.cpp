#include "binview/maintenance/printing.h"

#include "binview/maintenance/maintenance.h"
#include "binview/maintenance/maintenancepanel.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"

#include <QEventLoop>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace binview {

namespace {
const QString kPrintText = QStringLiteral("打印库位图");
const QString kMapPicture = QStringLiteral("pic/pic.jpeg");
const QString kLegendPicture = QStringLiteral("pic/exl.jpg");

QRectF scaled(const QRect &box, double scale)
{
    return QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
}
} // namespace

void drawMapSheet(QPainter &painter, int dotsPerInch, const QImage &map, const QImage &legend)
{
    const double scale = dotsPerInch / 100.0;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF title(MapSheet::titlePos.x() * scale, MapSheet::titlePos.y() * scale);
    painter.drawText(QRectF(title, QSizeF(400 * scale, 100 * scale)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     MapSheet::title);
    if (!map.isNull())
        painter.drawImage(scaled(MapSheet::mapBox, scale), map);
    if (!legend.isNull())
        painter.drawImage(scaled(MapSheet::legendBox, scale), legend);
    painter.restore();
}

QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

void printMap(Application &app, int settleMilliseconds)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    window->showPage(0);
    // Let the page paint completely before its picture is taken.
    if (settleMilliseconds > 0) {
        QEventLoop wait;
        QTimer::singleShot(settleMilliseconds, &wait, &QEventLoop::quit);
        wait.exec();
    }
    const QString mapPath = app.path(kMapPicture);
    saveMapPicture(app, mapPath);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!app.seams().dialogs->printDialog(&printer, window))
        return;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    drawMapSheet(painter, printer.resolution(), loadPicture(mapPath), loadPicture(app.path(kLegendPicture)));
    painter.end();
}

void printMapCommand(Application &app)
{
    printMap(app, 1000);
}

void buildPrintButton(Application &app, MainWindow &window, MaintenancePanel &panel)
{
    QWidget *page = window.tabs()->widget(0);
    // The printer component has no window of its own.
    auto *printer = new QObject(page);
    printer->setObjectName(QStringLiteral("打印机"));
    panel.printButton = new QPushButton(kPrintText, page);
    panel.printButton->setObjectName(QStringLiteral("按钮打印库位图"));
    panel.printButton->setGeometry(662, 80, 100, 32);
    QObject::connect(panel.printButton, &QPushButton::clicked, &panel, [&app] { printMapCommand(app); });
}

} // namespace binview
