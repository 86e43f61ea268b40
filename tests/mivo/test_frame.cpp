// The bar: start-up with the splash, the collapse toggle, placing windows beside the bar and the
// exit confirmation.

#include "mivo/frame/application.h"
#include "mivo/frame/mainbar.h"
#include "mivo/handbook/handbookwindow.h"
#include "mivo/tools/toolswindow.h"
#include "platform/testing/fakeseams.h"

#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>

using namespace mivo;

namespace {

QPushButton *button(QWidget *w, const QString &name)
{
    auto *b = w->findChild<QPushButton *>(name);
    if (!b)
        qFatal("no control %s", qPrintable(name));
    return b;
}

struct Fixture {
    Fixture() : app(fakes.seams(), dir.path() + QStringLiteral("/档案项目.ini")) {}
    QTemporaryDir dir;
    platform::testing::FakeSeams fakes;
    Application app;
};

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void startShowsSplashOverCollapsedBar();
    void toggleSwitchesHeightAndCaption();
    void opensBesideTheBar_data();
    void opensBesideTheBar();
    void atThresholdWindowStaysPut();
    void handbookAndToolsButtonsCollapseFirst();
    void exitAsksAndOnlyOkEnds();
    void helpIsInertAndSettingsDisabled();
    void escClosesTheHandbookButNotTheTools();
};

void FrameTest::startShowsSplashOverCollapsedBar()
{
    Fixture f;
    bool driven = false;
    f.fakes.dialogs.modalDrivers.push_back([&](QDialog *splash) {
        driven = true;
        // While the splash is up the bar is already collapsed and the addresses not yet set.
        MainBar *bar = f.app.bar();
        QCOMPARE(bar->height(), 20);
        QCOMPARE(bar->pos(), QPoint(900, 0));
        QCOMPARE(button(bar, QStringLiteral("位置选择框"))->text(), QStringLiteral("+"));
        QVERIFY(f.app.bases().item.isEmpty());
        QVERIFY(splash->isModal());
        QCOMPARE(splash->size(), QSize(347, 160));
        QCOMPARE(splash->findChild<QWidget *>(QStringLiteral("透明标签1"))->property("text").toString(),
                 QStringLiteral("Mivo查手 V119版"));
        QPushButton *enter = button(splash, QStringLiteral("按钮进入查手"));
        QCOMPARE(enter->text(), QStringLiteral("进入查手"));
        enter->click();
        QVERIFY(!splash->isVisible());
    });
    f.app.start();
    QVERIFY(driven);
    QCOMPARE(f.fakes.dialogs.modalTitles.size(), 1);
    QVERIFY(f.app.bar()->isVisible());
    QVERIFY(f.app.bar()->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(f.app.bar()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.app.bar()->width(), 60);
    QVERIFY(f.app.tray()->isVisible());
    QVERIFY(f.app.tray()->toolTip().isEmpty());
    QVERIFY(f.app.bases().item.endsWith(QStringLiteral("/web/upload/item/")));
}

void FrameTest::toggleSwitchesHeightAndCaption()
{
    Fixture f;
    f.app.start();
    MainBar *bar = f.app.bar();
    QPushButton *toggle = button(bar, QStringLiteral("位置选择框"));
    const QPoint home = bar->pos();
    toggle->click();
    QCOMPARE(bar->height(), 138);
    QCOMPARE(toggle->text(), QStringLiteral("-"));
    toggle->click();
    QCOMPARE(bar->height(), 20);
    QCOMPARE(toggle->text(), QStringLiteral("+"));
    QCOMPARE(bar->pos(), home);
    QCOMPARE(bar->width(), 60);
}

void FrameTest::opensBesideTheBar_data()
{
    QTest::addColumn<int>("barLeft");
    QTest::addColumn<int>("barTop");
    QTest::addColumn<int>("expectedLeft");
    QTest::newRow("home at 900: to the left") << 900 << 0 << 750;
    QTest::newRow("dragged to 100: to the right") << 100 << 0 << 160;
    QTest::newRow("just right of the threshold") << 513 << 40 << 363;
    QTest::newRow("just left of the threshold") << 511 << 40 << 571;
}

void FrameTest::opensBesideTheBar()
{
    QFETCH(int, barLeft);
    QFETCH(int, barTop);
    QFETCH(int, expectedLeft);
    Fixture f;
    f.app.start();
    f.app.bar()->move(barLeft, barTop);
    f.app.openHandbook();
    HandbookWindow *w = f.app.handbook();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->pos(), QPoint(expectedLeft, barTop + 20));
    QCOMPARE(w->size(), QSize(150, 200));
    QCOMPARE(w->windowTitle(), QStringLiteral("查手窗口"));
    QCOMPARE(w->parentWidget(), f.app.bar());
}

void FrameTest::atThresholdWindowStaysPut()
{
    Fixture f;
    f.app.start();
    f.app.bar()->move(100, 0);
    f.app.openTools();
    ToolsWindow *w = f.app.tools();
    QCOMPARE(w->pos(), QPoint(160, 20));
    f.app.bar()->move(512, 300);
    f.app.openTools();
    QCOMPARE(f.app.tools(), w); // reused, not a second one
    QCOMPARE(w->pos(), QPoint(160, 20));
    QCOMPARE(w->windowTitle(), QStringLiteral(" 工具集合"));
}

void FrameTest::handbookAndToolsButtonsCollapseFirst()
{
    Fixture f;
    f.app.start();
    MainBar *bar = f.app.bar();
    QPushButton *toggle = button(bar, QStringLiteral("位置选择框"));
    toggle->click(); // expanded: the buttons can be reached
    button(bar, QStringLiteral("查手按钮"))->click();
    QCOMPARE(bar->height(), 20);
    QCOMPARE(toggle->text(), QStringLiteral("+"));
    QVERIFY(f.app.handbook()->isVisible());
    toggle->click();
    button(bar, QStringLiteral("工具按钮"))->click();
    QCOMPARE(bar->height(), 20);
    QVERIFY(f.app.tools()->isVisible());
    QCOMPARE(f.app.tools()->pos(), QPoint(750, 20));
}

void FrameTest::exitAsksAndOnlyOkEnds()
{
    Fixture f;
    f.app.start();
    QPointer<MainBar> bar = f.app.bar();
    f.fakes.dialogs.answers.push_back(platform::Answer::Cancel);
    button(bar, QStringLiteral("销毁框"))->click();
    QCOMPARE(f.fakes.dialogs.messages.size(), 1);
    const platform::testing::MessageRecord box = f.fakes.dialogs.messages.front();
    QCOMPARE(box.text, QStringLiteral("是否决定退出 Mivo？"));
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.buttons, platform::Buttons::OkCancel);
    QVERIFY(bar);
    QCOMPARE(f.fakes.quitter.quits, 0);
    QVERIFY(f.app.tray()->isVisible());

    f.app.openHandbook();
    QPointer<HandbookWindow> handbook = f.app.handbook();
    button(bar, QStringLiteral("销毁框"))->click(); // no answer queued: OK
    QVERIFY(!bar);
    QVERIFY(!handbook); // owned by the bar
    QCOMPARE(f.fakes.quitter.quits, 1);
    QCOMPARE(f.fakes.quitter.quitCode, 0);
    QVERIFY(!f.app.tray()->isVisible());
}

void FrameTest::helpIsInertAndSettingsDisabled()
{
    Fixture f;
    f.app.start();
    MainBar *bar = f.app.bar();
    button(bar, QStringLiteral("位置选择框"))->click();
    QVERIFY(!button(bar, QStringLiteral("设置按钮"))->isEnabled());
    QCOMPARE(button(bar, QStringLiteral("设置按钮"))->text(), QStringLiteral("设 置"));
    QPushButton *help = button(bar, QStringLiteral("帮助按钮"));
    QVERIFY(help->isEnabled());
    help->click();
    QTest::mouseClick(button(bar, QStringLiteral("设置按钮")), Qt::LeftButton);
    QVERIFY(f.fakes.dialogs.messages.isEmpty());
    QVERIFY(f.fakes.shell.opened.isEmpty());
    QVERIFY(f.fakes.shell.started.isEmpty());
    QCOMPARE(bar->height(), 138);
    QVERIFY(!f.app.settings());
    QVERIFY(!f.app.handbook());
    QVERIFY(!f.app.tools());
}

void FrameTest::escClosesTheHandbookButNotTheTools()
{
    Fixture f;
    f.app.start();
    f.app.openTools();
    QTest::keyClick(f.app.tools(), Qt::Key_Escape);
    QVERIFY(f.app.tools()->isVisible());
    f.app.openHandbook();
    QPointer<HandbookWindow> handbook = f.app.handbook();
    QTest::keyClick(handbook, Qt::Key_Escape);
    QVERIFY(!handbook || !handbook->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.app.openHandbook(); // opens afresh
    QVERIFY(f.app.handbook() && f.app.handbook()->isVisible());
}

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
