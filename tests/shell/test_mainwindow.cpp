// The main window, its tiles and the start, refresh and exit sequences of the application.

#include "binview/map/bins.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/bintile.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace binview;

namespace {

double day(const QDate &d)
{
    return platform::dateFromDateTime(QDateTime(d, QTime(0, 0)));
}

const QDate kToday(2008, 6, 26);

QStringList menuTexts(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void structure()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        QVERIFY(w);
        QCOMPARE(w->size(), QSize(772, 609));
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(w->windowTitle().startsWith(QStringLiteral("仓库库位管理系统   Brenmark出品 官方网站")));
        QTabWidget *tabs = w->findChild<QTabWidget *>(QStringLiteral("选择夹"));
        QVERIFY(tabs);
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles.append(tabs->tabText(i));
        QCOMPARE(titles, (QStringList{"仓库总图", "A", "B", "C", "D", "E", "订单查询", "订单汇总", "短期预警", "系统设置", ""}));
        QCOMPARE(tabs->currentIndex(), 10); // the welcome page first

        for (const char *name : {"编辑框AQ", "编辑框BQ", "编辑框CQ", "编辑框DQ", "编辑框EQ"}) {
            auto *box = w->findChild<QPlainTextEdit *>(QString::fromUtf8(name));
            QVERIFY2(box, name);
            QCOMPARE(box->size(), QSize(736, 117));
        }
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("饼形图")));
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("透明标签库位总览信息")));
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("透明标签今日信息")));
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("按钮刷新"))->text(), QStringLiteral("刷新显示"));
        QCOMPARE(w->todayBox()->objectName(), QStringLiteral("日期框今日"));
        QCOMPARE(w->todayBox()->date(), f.fakes.clock.time.date());
        QCOMPARE(w->todayValue(), f.fakes.clock.time); // keeps the time of day of the opening

        QCOMPARE(menuTexts(w->binMenu()), (QStringList{"查看详情", "-", "加入订单", "-", "批量加入(&J)", "结束批量加"}));
        QCOMPARE(menuTexts(w->listMenu()), (QStringList{"订单明细", "-", "查询", "-", "清空该库位", "-", "显示全部"}));
        QVERIFY(MainWindow::findAction(w->binMenu(), QStringLiteral("订单设置")));
        QVERIFY(MainWindow::findAction(w->listMenu(), QStringLiteral("查询合库信息(&H)")));
    }

    void tiles()
    {
        testenv::BinviewFixture f;
        MainWindow *w = f.start().mainWindow();
        QCOMPARE(bins().size(), 63);
        int units = 0;
        for (const Bin &bin : bins()) {
            units += bin.units;
            auto *tile = w->findChild<BinTile *>(QStringLiteral("画板") + bin.code);
            QVERIFY2(tile, qPrintable(bin.code));
            QCOMPARE(tile->property("tag").toString(), bin.code);
            QCOMPARE(tile->size(), bin.size);
            QCOMPARE(tabsPageOf(w, tile), zonePage(bin.zone));
            BinTile *mini = w->miniTile(bin.code);
            QCOMPARE(mini->objectName(), miniTileName(bin.code));
            QCOMPARE(tabsPageOf(w, mini), 0);
        }
        QCOMPARE(units, kCapacity);
        QVERIFY(w->findChild<BinTile *>(QStringLiteral("画板B7z")));
        QVERIFY(w->findChild<BinTile *>(QStringLiteral("画板B8Z")));
        QVERIFY(w->findChild<BinTile *>(QStringLiteral("画板E12Z")));

        // Group boxes sit where the floor plan puts them; E9 is the lowest of its column.
        QCOMPARE(w->zoneTile(QStringLiteral("A1"))->parentWidget()->geometry(), QRect(63, 25, 640, 120));
        QCOMPARE(w->zoneTile(QStringLiteral("B8"))->parentWidget()->geometry(), QRect(244, 120, 400, 60));
        QCOMPARE(w->zoneTile(QStringLiteral("E12"))->geometry(), QRect(0, 0, 60, 40));
        QCOMPARE(w->zoneTile(QStringLiteral("E9"))->geometry(), QRect(0, 120, 60, 40));
        QCOMPARE(w->zoneTile(QStringLiteral("A16"))->geometry(), QRect(600, 0, 40, 120));
        QCOMPARE(w->miniTile(QStringLiteral("E1"))->geometry(), QRect(0, 120, 40, 60));
        QCOMPARE(w->miniTile(QStringLiteral("D1"))->parentWidget()->geometry(), QRect(335, 304, 321, 180));
        QCOMPARE(w->miniTile(QStringLiteral("E9"))->geometry(), QRect(0, 120, 60, 40));
    }

    void rightClickSelectsBin()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        w->showPage(5);
        QTest::mouseClick(w->zoneTile(QStringLiteral("E9")), Qt::RightButton);
        QCOMPARE(app.state().currentBin, QStringLiteral("E9"));
        QVERIFY(w->binMenu()->isVisible());
        w->binMenu()->hide(); // dismissed: the bin stays selected
        QCOMPARE(app.state().currentBin, QStringLiteral("E9"));

        QTest::mouseClick(w->zoneTile(QStringLiteral("E10")), Qt::LeftButton);
        w->showPage(0);
        QTest::mouseClick(w->miniTile(QStringLiteral("B8")), Qt::RightButton);
        QCOMPARE(app.state().currentBin, QStringLiteral("E9"));
        QVERIFY(!w->binMenu()->isVisible());
    }

    void startFillsListAndPaints()
    {
        testenv::BinviewFixture f;
        {
            // Live files from an earlier run: they must be used, not replaced.
            OrderStore store;
            OrderStore::createEmpty(f.run.path(QStringLiteral("库位数据.edb")));
            store.open(f.run.path(QStringLiteral("库位数据.edb")));
            testenv::addOrder(store, QStringLiteral("SO-1"), QStringLiteral("A1"), QStringLiteral("M1"), 5, day(kToday.addDays(-3)), day(kToday.addDays(2)));
            testenv::addOrder(store, QStringLiteral("其他货物"), QStringLiteral("C5"), QStringLiteral("多种"), 0, day(kToday), platform::kEmptyDate, QStringLiteral("杂物"));
            testenv::addOrder(store, QStringLiteral("SO-3"), QStringLiteral("D2"), QStringLiteral("M3"), 7, day(kToday), day(kToday));
        }
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        OrderListModel *list = w->orderList();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->row(0), (OrderListModel::Row{"SO-1", "A1", "M1", "5", "2008年6月23日", "2008年6月28日", ""}));
        QCOMPARE(list->row(1), (OrderListModel::Row{"其他货物", "C5", "多种", "0", "2008年6月26日", "待定", "杂物"}));
        QCOMPARE(OrderListModel::headers(), (QStringList{"订单号", "区域", "型号", "数量", "入库日期", "出库日期", "备注"}));

        // The clock says 10:00 on the 26th: red, blue, black; the rest keep the template's green.
        const QString table = app.colourTablePath();
        QCOMPARE(platform::readProfileString(table, QStringLiteral("A1"), QStringLiteral("颜色")), QStringLiteral("红色"));
        QCOMPARE(platform::readProfileString(table, QStringLiteral("C5"), QStringLiteral("颜色")), QStringLiteral("蓝色"));
        QCOMPARE(platform::readProfileString(table, QStringLiteral("D2"), QStringLiteral("颜色")), QStringLiteral("黑色"));
        for (const Bin &bin : bins())
            QCOMPARE(w->miniTile(bin.code)->colour(), w->zoneTile(bin.code)->colour());
        QCOMPARE(w->zoneTile(QStringLiteral("A1"))->colour(), packColour(255, 0, 0));
        QCOMPARE(w->zoneTile(QStringLiteral("C5"))->colour(), packColour(0, 0, 255));
        QCOMPARE(w->zoneTile(QStringLiteral("D2"))->colour(), packColour(0, 0, 0));
        QCOMPARE(w->zoneTile(QStringLiteral("B1"))->colour(), packColour(0, 255, 0));

        // Statistics: three records, two in double bins.
        QCOMPARE(app.state().doubleRowCount, 2);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("透明标签库位总览信息"))->text(),
                 QStringLiteral("今日日期：2008年6月26日\r\n总库位：87库位\r\n已经用库位：5库位\r\n使用率：5%"));
        QCOMPARE(w->pieSeries()->slices().at(0)->value(), 5.0);
        QCOMPARE(w->pieSeries()->slices().at(1)->value(), 82.0);
        QCOMPARE(w->zoneText(0), QStringLiteral("   A1：  SO-1"));
        QCOMPARE(w->zoneText(2), QStringLiteral("   C5：  其他货物"));
        // The box takes its text once its page is on screen.
        w->show();
        w->showPage(3);
        QCOMPARE(w->findChild<QPlainTextEdit *>(QStringLiteral("编辑框CQ"))->toPlainText(), QStringLiteral("   C5：  其他货物"));

        // "显示全部" twice lists each record once.
        QAction *all = MainWindow::findAction(w->listMenu(), QStringLiteral("显示全部"));
        all->trigger();
        all->trigger();
        QCOMPARE(list->rowCount(), 3);
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void paintColourCarriesOver()
    {
        testenv::BinviewFixture f;
        // The colour table lacks A1 and C5, and holds a word the lookup does not know for C1.
        platform::IniDocument table;
        for (const Bin &bin : bins()) {
            if (bin.code != QStringLiteral("A1") && bin.code != QStringLiteral("C5"))
                table.setValue(bin.code, QStringLiteral("颜色"), QStringLiteral("绿色"));
        }
        table.setValue(QStringLiteral("C4"), QStringLiteral("颜色"), QStringLiteral("红色"));
        table.setValue(QStringLiteral("B17"), QStringLiteral("颜色"), QStringLiteral("蓝色"));
        table.setValue(QStringLiteral("C1"), QStringLiteral("颜色"), QStringLiteral("粉色"));
        QVERIFY(table.save(f.run.path(QStringLiteral("clor.ini"))));
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        QCOMPARE(w->zoneTile(QStringLiteral("A1"))->colour(), packColour(0, 0, 0)); // nothing before it: black
        QCOMPARE(w->zoneTile(QStringLiteral("C5"))->colour(), packColour(255, 0, 0)); // C4's colour
        QCOMPARE(w->zoneTile(QStringLiteral("C1"))->colour(), packColour(0, 0, 255)); // the last of zone B

        // The running colour is not reset between refreshes: A1 now takes E12's green.
        QCOMPARE(app.state().paintColour, packColour(0, 255, 0));
        app.mapRefresh();
        QCOMPARE(w->zoneTile(QStringLiteral("A1"))->colour(), packColour(0, 255, 0));

        // Painting one zone touches no other zone.
        platform::writeProfileString(app.colourTablePath(), QStringLiteral("C2"), QStringLiteral("颜色"), QStringLiteral("黑色"));
        platform::writeProfileString(app.colourTablePath(), QStringLiteral("B2"), QStringLiteral("颜色"), QStringLiteral("黑色"));
        app.paintZone(u'C');
        QCOMPARE(w->zoneTile(QStringLiteral("C2"))->colour(), packColour(0, 0, 0));
        QCOMPARE(w->miniTile(QStringLiteral("C2"))->colour(), packColour(0, 0, 0));
        QCOMPARE(w->zoneTile(QStringLiteral("B2"))->colour(), packColour(0, 255, 0));
    }

    void todayBoxMovesTheColours()
    {
        testenv::BinviewFixture f;
        {
            OrderStore::createEmpty(f.run.path(QStringLiteral("库位数据.edb")));
            OrderStore store;
            store.open(f.run.path(QStringLiteral("库位数据.edb")));
            testenv::addOrder(store, QStringLiteral("SO"), QStringLiteral("B3"), {}, 1, day(kToday), day(kToday.addDays(2)));
        }
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        QCOMPARE(w->zoneTile(QStringLiteral("B3"))->colour(), packColour(255, 0, 0));
        w->todayBox()->setDate(kToday.addDays(3));
        w->findChild<QPushButton *>(QStringLiteral("按钮刷新"))->click();
        QCOMPARE(w->zoneTile(QStringLiteral("B3"))->colour(), packColour(0, 0, 0));
        QCOMPARE(app.state().nowStamp, platform::dateFromDateTime(QDateTime(kToday.addDays(3), QTime(10, 0))));
    }

    void shortTermFill()
    {
        testenv::BinviewFixture f;
        {
            OrderStore::createEmpty(f.run.path(QStringLiteral("库位数据.edb")));
            OrderStore store;
            store.open(f.run.path(QStringLiteral("库位数据.edb")));
            for (int i = 0; i < 12; ++i)
                testenv::addOrder(store, QStringLiteral("SO"), i < 2 ? QStringLiteral("D%1").arg(i + 1) : QStringLiteral("B%1").arg(i), {}, 1, 0, 0);
        }
        Application &app = f.start();
        auto *overview = app.mainWindow()->findChild<QLabel *>(QStringLiteral("透明标签库位总览信息"));
        const QString before = overview->text();
        app.shortTermFill();
        QCOMPARE(app.mainWindow()->findChild<QLabel *>(QStringLiteral("透明标签今日信息"))->text(),
                 QStringLiteral("今日日期：2008年6月26日\r\n总库位：87库位\r\n已经用库位：14库位\r\n使用率：13.79310344828%"));
        QCOMPARE(overview->text(), before);
    }

    void exitConfirmation()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        w->showPage(3);
        app.state().currentBin = QStringLiteral("C3");
        // Something for the colour pass to write, added after the start.
        testenv::addOrder(app.store(), QStringLiteral("SO"), QStringLiteral("C3"), {}, 1, day(kToday), day(kToday.addDays(1)));

        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        app.confirmAndExit();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const platform::testing::MessageRecord &box = f.fakes.dialogs.messages.first();
        QCOMPARE(box.text, QStringLiteral("是否决定退出系统?"));
        QCOMPARE(box.title, QStringLiteral("欢迎使用仓库管理软件!"));
        QCOMPARE(box.buttons, platform::Buttons::OkCancel);
        QVERIFY(app.mainWindow());
        QCOMPARE(w->tabs()->currentIndex(), 3);
        QCOMPARE(app.state().currentBin, QStringLiteral("C3"));
        QCOMPARE(f.fakes.quitter.quits, 0);
        QCOMPARE(platform::readProfileString(app.colourTablePath(), QStringLiteral("C3"), QStringLiteral("颜色")), QStringLiteral("绿色"));

        app.confirmAndExit(); // OK
        QCOMPARE(platform::readProfileString(app.colourTablePath(), QStringLiteral("C3"), QStringLiteral("颜色")), QStringLiteral("红色"));
        QVERIFY(!app.mainWindow());
        QCOMPARE(f.fakes.quitter.quits, 1);
    }

    void liveFilesComeFromTemplatesOnlyWhenAbsent()
    {
        testenv::BinviewFixture f;
        QVERIFY(platform::writeFileAtomic(f.run.path(QStringLiteral("clor.ini")), "[A1]\r\nk=v\r\n"));
        Application &app = f.start();
        QVERIFY(QFileInfo::exists(app.storePath()));
        QCOMPARE(app.store().status(), OrderStore::Status::Open);
        QByteArray colours;
        platform::readFile(app.colourTablePath(), &colours);
        QCOMPARE(colours, QByteArray("[A1]\r\nk=v\r\n"));
    }

    void damagedStoreIsNeverOverwritten()
    {
        testenv::BinviewFixture f;
        const QByteArray junk(2048, '\x5a');
        QVERIFY(platform::writeFileAtomic(f.run.path(QStringLiteral("库位数据.edb")), junk));
        Application &app = f.start();
        QVERIFY(app.mainWindow());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.fakes.dialogs.messages.first().text.contains(QStringLiteral("库位数据.edb")));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, platform::Icon::Warning);
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 0);
        QVERIFY(app.mainWindow()->findChild<QLabel *>(QStringLiteral("透明标签库位总览信息"))->text().contains(QStringLiteral("使用率：0%")));
        QVERIFY(!app.store().addBlank());
        app.fullRefresh();
        QByteArray after;
        platform::readFile(app.storePath(), &after);
        QCOMPARE(after, junk);
    }

private:
    static int tabsPageOf(MainWindow *w, QWidget *widget)
    {
        for (int i = 0; i < w->tabs()->count(); ++i) {
            if (w->tabs()->widget(i)->isAncestorOf(widget))
                return i;
        }
        return -1;
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
