#pragma once
// How the main window reaches every page and command: the menu bar, the toolbar, the two
// window buttons and the notification-area icon with its menu.

#include <QObject>
#include <QSystemTrayIcon>

class QMenu;
class QToolBar;

namespace binview {

class Application;
class MainWindow;

// The intranet server (the same one the companion bar's handbook reads its documents from).
inline const QString kIntranetHost = QStringLiteral("192.168.1.100");
// The maker's message board on the intranet server.
QString messageBoardAddress();

class Navigation : public QObject {
    Q_OBJECT
public:
    Navigation(Application &app, MainWindow &window);

    QToolBar *toolBar() const { return toolBar_; }
    QMenu *trayMenu() const { return trayMenu_; }
    QSystemTrayIcon *trayIcon() const { return trayIcon_; }
    // Without a notification area a hidden window could not be shown again; "隐藏" then
    // minimises it instead.
    void setTrayAvailable(bool available) { trayAvailable_ = available; }

    // Commands that are only navigation.
    void overview();          // page 0, colour pass, statistics (no painting)
    void zone(int page);      // page 1..5, paint that zone, zone order texts
    void shortTerm();         // page 8, clear the forecast chart, statistics
    void listAll();           // page 7, empty the list, fill it
    void hideToTray();        // "隐藏"
    void showFromTray();      // "显示窗口"
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    void trayOverview();      // "库位总图"
    void trayOrders();        // "订单数据"
    void trayShortTerm();     // "短期查看"
    void about();             // "关于Mivo"

    // Launchers.
    void startTool(const QString &program);
    void startCompanion();    // "查手"
    void openHelp();          // "帮助文件", "使用说明"
    void openTutorials();     // "视频教程"
    void openMessageBoard();  // the credits button

private:
    void buildMenuBar();
    void buildToolBar();
    void buildWindowButtons();
    void buildTrayMenu();

    Application &app_;
    MainWindow &window_;
    QToolBar *toolBar_ = nullptr;
    QMenu *trayMenu_ = nullptr;
    QSystemTrayIcon *trayIcon_ = nullptr;
    bool trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
};

} // namespace binview
