#pragma once
// The main window: the tab control with the map pages, the order list and the other pages.

#include "binview/map/colours.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>

#include <array>

class QDateEdit;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTableView;

class QPieSeries;

namespace binview {

class Application;
class BinTile;
class Navigation;
class OrderListModel;
struct OverviewStats;
class ZoneTextBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Application &app, QWidget *parent = nullptr);
    ~MainWindow() override;

    QTabWidget *tabs() const { return tabs_; }
    void showPage(int index);

    BinTile *zoneTile(const QString &code) const { return zoneTiles_.value(code); }
    BinTile *miniTile(const QString &code) const { return miniTiles_.value(code); }
    void setBinColour(const QString &code, PackedColour colour);

    QDateTime todayValue() const;
    QDateEdit *todayBox() const { return todayBox_; }

    void showUsage(const OverviewStats &stats);
    void setTodayInfo(const QString &text);
    void setZoneTexts(const std::array<QString, 5> &texts);
    QPieSeries *pieSeries() const { return pie_; }
    // Zone order text of zone 0 (A) to 4 (E), as its box shows it once on screen.
    QString zoneText(int zone) const;

    OrderListModel *orderList() const { return orderList_; }
    QTableView *orderView() const { return orderView_; }
    // The order list's selected row, from 0; -1 when none is selected.
    int selectedRow() const;

    // The first action with this text anywhere in the menu or its submenus.
    static QAction *findAction(QMenu *menu, const QString &text);

    Navigation *navigation() const { return navigation_; }
    QMenu *binMenu() const { return binMenu_; }
    QMenu *listMenu() const { return listMenu_; }

private:
    void buildOverviewPage(QWidget *page);
    void buildZonePages();
    void buildQueryPage(QWidget *page);
    void buildOrderListPage(QWidget *page);
    void buildForecastPage(QWidget *page);
    void buildWelcomePage(QWidget *page);
    void buildMenus();
    void onTileRightClicked(const QString &tag);
    void showListMenu(const QPoint &pos);
    void showAll();

    Application &app_;
    QTabWidget *tabs_ = nullptr;
    QList<QWidget *> pages_;
    QHash<QString, BinTile *> zoneTiles_;
    QHash<QString, BinTile *> miniTiles_;
    QDateEdit *todayBox_ = nullptr;
    QTime todayTime_; // the box shows a date; the reference moment keeps the time of opening
    QLabel *usageLabel_ = nullptr;
    QLabel *todayInfo_ = nullptr;
    QPieSeries *pie_ = nullptr;
    std::array<ZoneTextBox *, 5> zoneTexts_{};
    OrderListModel *orderList_ = nullptr;
    QTableView *orderView_ = nullptr;
    QMenu *binMenu_ = nullptr;
    QMenu *listMenu_ = nullptr;
    Navigation *navigation_ = nullptr;
};

} // namespace binview
