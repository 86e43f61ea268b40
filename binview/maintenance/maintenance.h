#pragma once
// Backup and history, initialisation, printing, settings with the start-up reminder, and the
// short-term forecast chart.

#include <QDate>
#include <QImage>
#include <QString>

namespace binview {

class Application;
class MainWindow;

// Builds the settings page, the forecast chart on the short-term page and the print button on
// the overview page, and connects them.
void installMaintenance(Application &app, MainWindow &window);
// The reminder shown at the end of the main window's opening when it is switched on.
void showStartupReminder(Application &app);

void backupCommand(Application &app);        // "数据备份"
void backupHistoryCommand(Application &app); // "备份查看"
void initialiseCommand(Application &app);    // "程序初始"
void printMapCommand(Application &app);      // "打印库位图"
void clearForecastChart(Application &app);   // part of "短期预警"
// Saves the picture of the welcome page's canvas area (what the tab control shows there).
bool saveMapPicture(Application &app, const QString &path);

// The map page picture: the 767 x 509 area at (2, 8) of the tab page area, as the page in
// front shows it.
QImage mapPagePicture(Application &app);
// The picture as Windows bitmap file data ("BM" header), the form every picture file is saved in.
QByteArray bitmapFileData(const QImage &image);
// The backup folder's name for a day: "2009年3月1日".
QString backupFolderName(const QDate &day);

} // namespace binview
