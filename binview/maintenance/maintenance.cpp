#include "binview/maintenance/maintenance.h"

#include "binview/maintenance/maintenancepanel.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/files.h"

#include <QBuffer>
#include <QPainter>
#include <QTabWidget>

namespace binview {

namespace {
const QString kPanelName = QStringLiteral("维护部件");
const QSize kPictureSize(767, 509);
const QPoint kPictureOffset(2, 8);
} // namespace

MaintenancePanel::MaintenancePanel(MainWindow &window) : QObject(&window)
{
    setObjectName(kPanelName);
}

MaintenancePanel *MaintenancePanel::of(const MainWindow *window)
{
    return window ? window->findChild<MaintenancePanel *>(kPanelName, Qt::FindDirectChildrenOnly) : nullptr;
}

void installMaintenance(Application &app, MainWindow &window)
{
    if (MaintenancePanel::of(&window))
        return;
    auto *panel = new MaintenancePanel(window);
    buildPrintButton(app, window, *panel);
    buildForecastPage(app, window, *panel);
    buildSettingsPage(app, window, *panel);
}

QString backupFolderName(const QDate &day)
{
    return platform::dateToText(platform::dateFromDateTime(QDateTime(day, QTime(0, 0))));
}

QImage mapPagePicture(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return {};
    QWidget *page = window->tabs()->currentWidget();
    QImage picture(kPictureSize, QImage::Format_RGB32);
    picture.fill(page->palette().color(QPalette::Window));
    // A rendering of the page rather than a copy of the screen: it does not depend on what
    // other windows cover, and works without a display.
    const QPixmap shot = page->grab(QRect(kPictureOffset, kPictureSize));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, shot);
    return picture;
}

QByteArray bitmapFileData(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        return {};
    return data;
}

bool saveMapPicture(Application &app, const QString &path)
{
    const QImage picture = mapPagePicture(app);
    if (picture.isNull())
        return false;
    const QByteArray data = bitmapFileData(picture);
    return !data.isEmpty() && platform::writeFileAtomic(path, data);
}

} // namespace binview
