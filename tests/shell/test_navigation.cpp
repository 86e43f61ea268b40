// The menu bar, toolbar, window buttons and notification-area menu of the main window.

#include "binview/map/bins.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/bintile.h"
#include "binview/shell/mainwindow.h"
#include "binview/shell/navigation.h"
#include "platform/dates.h"
#include "platform/desktools.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace binview;

namespace {

QStringList texts(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QAction *menuBarAction(MainWindow *w, const QString &top, const QString &item)
{
    for (QAction *a : w->menuBar()->actions()) {
        if (a->text() == top)
            return MainWindow::findAction(a->menu(), item);
    }
    return nullptr;
}

QAction *toolAction(MainWindow *w, const QString &text)
{
    for (QAction *a : w->navigation()->toolBar()->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

const double kToday = platform::dateFromDateTime(QDateTime(QDate(2008, 6, 26), QTime(0, 0)));

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void structure()
    {
        testenv::BinviewFixture f;
        MainWindow *w = f.start().mainWindow();
        QStringList tops = texts(w->menuBar()->actions());
        QCOMPARE(tops, (QStringList{"系统登陆", "库位查看", "订单操作", "系统设置", "工具箱", "说明文件"}));
        const QList<QAction *> menus = w->menuBar()->actions();
        QCOMPARE(texts(menus[0]->menu()->actions()),
                 (QStringList{"重登录", "-", "添加用户", "删除用户", "-", "修改口令", "-", "关闭系统"}));
        QCOMPARE(texts(menus[1]->menu()->actions()),
                 (QStringList{"库位总览", "-", "A区 库位", "B区 库位", "C区 库位", "D区 库位", "E区 库位", "-", "短期预警"}));
        QCOMPARE(texts(menus[2]->menu()->actions()), (QStringList{"录入新单", "查询更新", "-", "清除走货"}));
        QCOMPARE(texts(menus[2]->menu()->actions().first()->menu()->actions()),
                 (QStringList{"A 区", "B 区", "C 区", "D 区", "E 区"}));
        QCOMPARE(texts(menus[3]->menu()->actions()), (QStringList{"设置", "-", "数据备份", "备份查看", "-", "程序初始"}));
        QCOMPARE(texts(menus[4]->menu()->actions()), (QStringList{"计算器", "画图板", "记事本", "查手"}));
        QCOMPARE(texts(menus[5]->menu()->actions()), (QStringList{"视频教程", "帮助文件", "-", "关于"}));

        QCOMPARE(texts(w->navigation()->toolBar()->actions()),
                 (QStringList{"订单汇总", "-", "库位总览", "短期预警", "-", "系统设置", "-", "使用说明", "-", "退出系统", "-"}));
        for (QAction *a : w->navigation()->toolBar()->actions())
            QVERIFY(a->isSeparator() || !a->icon().isNull());
        QCOMPARE(texts(w->navigation()->trayMenu()->actions()),
                 (QStringList{"显示窗口", "隐藏窗口", "-", "库位总图", "订单数据", "短期查看", "-", "退出系统", "-", "关于Mivo"}));
        QCOMPARE(w->navigation()->trayMenu()->objectName(), QStringLiteral("托盘事件"));

        auto *minimise = w->findChild<QPushButton *>(QStringLiteral("按钮最小化"));
        auto *hide = w->findChild<QPushButton *>(QStringLiteral("按钮托盘"));
        QCOMPARE(minimise->text(), QStringLiteral("最小化"));
        QCOMPARE(minimise->geometry(), QRect(666, 8, 48, 35));
        QCOMPARE(hide->text(), QStringLiteral("隐藏"));
        QCOMPARE(hide->geometry(), QRect(717, 8, 48, 35));
        QCOMPARE(w->tabs()->geometry().top(), 43);
        QCOMPARE(w->tabs()->geometry().bottom() + 1, w->centralWidget()->height());
    }

    // Which refresh each command runs: a ship date due since the start shows only after a
    // colour pass; a colour word written by hand shows only after painting.
    void refreshes_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("colourPass");
        QTest::addColumn<bool>("paintsC");
        QTest::newRow("库位总览") << "库位查看" << "库位总览" << 0 << true << false;
        QTest::newRow("C区 库位") << "库位查看" << "C区 库位" << 3 << false << true;
        QTest::newRow("A区 库位 paints A only") << "库位查看" << "A区 库位" << 1 << false << false;
        QTest::newRow("录入新单 C 区") << "订单操作" << "C 区" << 3 << false << true;
        QTest::newRow("短期预警") << "库位查看" << "短期预警" << 8 << false << false;
        QTest::newRow("toolbar 库位总览") << "" << "库位总览" << 0 << true << true;
        QTest::newRow("toolbar 短期预警") << "" << "短期预警" << 8 << false << false;
        QTest::newRow("toolbar 系统设置") << "" << "系统设置" << 9 << false << false;
        QTest::newRow("设置") << "系统设置" << "设置" << 9 << false << false;
        QTest::newRow("关于") << "说明文件" << "关于" << 10 << false << false;
    }
    void refreshes()
    {
        QFETCH(QString, top);
        QFETCH(QString, item);
        QFETCH(int, page);
        QFETCH(bool, colourPass);
        QFETCH(bool, paintsC);
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        testenv::addOrder(app.store(), QStringLiteral("SO"), QStringLiteral("B3"), {}, 1, kToday, kToday + 1);
        platform::writeProfileString(app.colourTablePath(), QStringLiteral("C2"), QStringLiteral("颜色"), QStringLiteral("黑色"));

        QAction *action = top.isEmpty() ? toolAction(w, item) : menuBarAction(w, top, item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(w->tabs()->currentIndex(), page);
        QCOMPARE(testenv::colourOf(app, QStringLiteral("B3")) == QStringLiteral("红色"), colourPass);
        QCOMPARE(w->zoneTile(QStringLiteral("C2"))->colour() == packColour(0, 0, 0), paintsC);
        QCOMPARE(w->miniTile(QStringLiteral("C2"))->colour() == packColour(0, 0, 0), paintsC);
    }

    void listCommandsListEachRecordOnce()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        testenv::addOrder(app.store(), QStringLiteral("SO-1"), QStringLiteral("B3"), {}, 1, kToday, 0);
        testenv::addOrder(app.store(), QStringLiteral("SO-2"), QStringLiteral("C3"), {}, 1, kToday, 0);
        QCOMPARE(w->orderList()->rowCount(), 0); // adding does not rebuild the list

        const QList<QAction *> commands = {toolAction(w, QStringLiteral("订单汇总")),
                                           menuBarAction(w, QStringLiteral("订单操作"), QStringLiteral("查询更新")),
                                           MainWindow::findAction(w->navigation()->trayMenu(), QStringLiteral("订单数据")),
                                           toolAction(w, QStringLiteral("库位总览"))};
        for (QAction *command : commands) {
            command->trigger();
            command->trigger();
            QCOMPARE(w->orderList()->rowCount(), 2);
        }
        QCOMPARE(w->tabs()->currentIndex(), 0);
    }

    void tray()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        Navigation *nav = w->navigation();
        w->show();

        // With no notification area the window is minimised, never lost.
        nav->setTrayAvailable(false);
        w->findChild<QPushButton *>(QStringLiteral("按钮托盘"))->click();
        QVERIFY(!nav->trayIcon());
        QVERIFY(w->isVisible());
        QVERIFY(w->isMinimized());
        w->showNormal();

        nav->setTrayAvailable(true);
        w->findChild<QPushButton *>(QStringLiteral("按钮托盘"))->click();
        QSystemTrayIcon *icon = nav->trayIcon();
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("仓库可视化管理!"));
        QVERIFY(!w->isVisible());

        nav->trayActivated(QSystemTrayIcon::Trigger);
        QVERIFY(!w->isVisible());
        QVERIFY(!nav->trayMenu()->isVisible());
        nav->trayActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isVisible());
        nav->trayActivated(QSystemTrayIcon::Context);
        QVERIFY(nav->trayMenu()->isVisible());
        nav->trayMenu()->hide();

        MainWindow::findAction(nav->trayMenu(), QStringLiteral("隐藏窗口"))->trigger();
        QVERIFY(!w->isVisible());
        w->findChild<QPushButton *>(QStringLiteral("按钮托盘"))->click();
        QCOMPARE(nav->trayIcon(), icon); // still one icon
        MainWindow::findAction(nav->trayMenu(), QStringLiteral("显示窗口"))->trigger();
        QVERIFY(w->isVisible());

        // "短期查看": the page with the label it fills.
        testenv::addOrder(app.store(), QStringLiteral("SO"), QStringLiteral("D1"), {}, 1, kToday, 0);
        w->hide();
        MainWindow::findAction(nav->trayMenu(), QStringLiteral("短期查看"))->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(w->tabs()->currentIndex(), 8);
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("透明标签今日信息"))->text().contains(QStringLiteral("使用率：1.149425287356%")));

        MainWindow::findAction(nav->trayMenu(), QStringLiteral("库位总图"))->trigger();
        QCOMPARE(w->tabs()->currentIndex(), 0);
        QCOMPARE(testenv::colourOf(app, QStringLiteral("D1")), QStringLiteral("蓝色"));

        MainWindow::findAction(nav->trayMenu(), QStringLiteral("关于Mivo"))->trigger();
        QCOMPARE(f.fakes.dialogs.modalTitles, QStringList{QStringLiteral("关于Mivo")});
        QCOMPARE(w->tabs()->currentIndex(), 0);
    }

    void launchers()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        const QString run = f.run.dir.path();
        menuBarAction(w, QStringLiteral("工具箱"), QStringLiteral("查手"))->trigger();
        menuBarAction(w, QStringLiteral("工具箱"), QStringLiteral("计算器"))->trigger();
        menuBarAction(w, QStringLiteral("工具箱"), QStringLiteral("画图板"))->trigger();
        menuBarAction(w, QStringLiteral("工具箱"), QStringLiteral("记事本"))->trigger();
        QCOMPARE(f.fakes.shell.started.size(), 4);
        QCOMPARE(f.fakes.shell.started[0], QStringList{run + QStringLiteral("/dat/mivo")});
        QCOMPARE(f.fakes.shell.started[1], QStringList{platform::deskToolProgram(platform::DeskTool::Calculator)});
        QCOMPARE(f.fakes.shell.started[2], QStringList{platform::deskToolProgram(platform::DeskTool::Paint)});
        QCOMPARE(f.fakes.shell.started[3], QStringList{platform::deskToolProgram(platform::DeskTool::Notepad)});

        menuBarAction(w, QStringLiteral("说明文件"), QStringLiteral("帮助文件"))->trigger();
        toolAction(w, QStringLiteral("使用说明"))->trigger();
        menuBarAction(w, QStringLiteral("说明文件"), QStringLiteral("视频教程"))->trigger();
        w->findChild<QPushButton *>(QStringLiteral("超级按钮1"))->click();
        const QUrl help = QUrl::fromLocalFile(run + QStringLiteral("/帮助文件.pdf"));
        QCOMPARE(f.fakes.shell.opened, (QList<QUrl>{help, help, QUrl::fromLocalFile(run + QStringLiteral("/视频教程")),
                                                    QUrl(messageBoardAddress())}));
        QVERIFY(messageBoardAddress().contains(QStringLiteral("/web/gbook/index.asp?user=")));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void exitCommands()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        f.fakes.dialogs.answers = {platform::Answer::Cancel, platform::Answer::Cancel, platform::Answer::Cancel};
        menuBarAction(w, QStringLiteral("系统登陆"), QStringLiteral("关闭系统"))->trigger();
        toolAction(w, QStringLiteral("退出系统"))->trigger();
        MainWindow::findAction(w->navigation()->trayMenu(), QStringLiteral("退出系统"))->trigger();
        QCOMPARE(f.fakes.dialogs.messages.size(), 3);
        for (const auto &box : f.fakes.dialogs.messages)
            QCOMPARE(box.text, QStringLiteral("是否决定退出系统?"));
        QCOMPARE(f.fakes.quitter.quits, 0);
        QVERIFY(app.mainWindow());
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
