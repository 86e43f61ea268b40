// The bin menu's entry commands: single bin, batch and other goods, through the real order entry
// window.

#include "binview/orders/ordercommands.h"
#include "binview/orders/orderentry.h"
#include "binview/shell/bintile.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QClipboard>
#include <QDateEdit>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

using namespace binview;
using platform::testing::MessageRecord;

namespace {

const QDate kToday(2008, 6, 26); // the fake clock's day

double day(const QDate &d)
{
    return platform::dateFromDateTime(QDateTime(d, QTime(0, 0)));
}

void trigger(Application &app, const QString &bin, const char *item)
{
    app.state().currentBin = bin;
    QAction *a = MainWindow::findAction(app.mainWindow()->binMenu(), QString::fromUtf8(item));
    QVERIFY2(a, item);
    a->trigger();
}

void fillOrderPage(OrderEntryWindow *w, const QString &suffix, const QString &no, const QString &model,
                   const QString &qty)
{
    w->findChild<QLineEdit *>(QStringLiteral("编辑框输入订单号") + suffix)->setText(no);
    w->findChild<QLineEdit *>(QStringLiteral("编辑框输入型号") + suffix)->setText(model);
    w->findChild<QLineEdit *>(QStringLiteral("编辑框输入数量") + suffix)->setText(qty);
}

bool sameMessage(const MessageRecord &m, const QString &text, const QString &title)
{
    if (m.text == text && m.title == title)
        return true;
    qWarning("message %s / %s", qPrintable(m.text), qPrintable(m.title));
    return false;
}

// Types each character as a key press carrying it, as a keyboard or input method would.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        const int key = c.unicode() < 128 ? int(QChar(c).toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QCoreApplication::sendEvent(w, &release);
    }
}

struct Rec {
    QString no, bin, model;
    int qty;
    double in, ship;
    QString remarks;
};

// Makes every write of the remarks "boom" fail inside the store file itself.
bool failRemarksWrites(const QString &storePath)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inject"));
        db.setDatabaseName(storePath);
        ok = db.open() && QSqlQuery(db).exec(
                              QStringLiteral("CREATE TRIGGER fail_remarks BEFORE UPDATE OF \"备注\" ON \"库位数据\" "
                                             "WHEN NEW.\"备注\" = 'boom' BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inject"));
    return ok;
}

QList<Rec> records(Application &app)
{
    QList<Rec> out;
    for (const OrderRecord &r : app.store().rows())
        out.append({r.orderNo, r.bin, r.model, r.quantity, r.dateIn, r.shipDate, r.remarks});
    return out;
}

} // namespace

class TestEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowLayoutAndTitle()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        // The real way in: right-click on the tile, then the menu item.
        QTest::mouseClick(app.mainWindow()->zoneTile(QStringLiteral("B8")), Qt::RightButton);
        QCOMPARE(app.state().currentBin, QStringLiteral("B8"));
        app.mainWindow()->binMenu()->hide();
        MainWindow::findAction(app.mainWindow()->binMenu(), QStringLiteral("单一库位"))->trigger();

        OrderEntryWindow *w = orderEntryWindow(app);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QCOMPARE(w->size(), QSize(374, 438));
        QCOMPARE(w->windowTitle(), QStringLiteral("请输入新入订单情况! 当前加入区域为:B8"));
        QCOMPARE(w->pages()->currentIndex(), 0);
        QStringList tabs;
        for (int i = 0; i < w->pages()->count(); ++i)
            tabs << w->pages()->tabText(i);
        QCOMPARE(tabs, (QStringList{QStringLiteral("单一库位"), QStringLiteral("批量库位"),
                                    QStringLiteral("其他(杂物或合库情况)")}));
        QCOMPARE(testenv::child<QLabel>(w, "标签加入警告1")->text(), QStringLiteral("加入区域B8"));
        QCOMPARE(testenv::child<QLabel>(w, "标签加入警告")->text(), QStringLiteral("加入区域B8"));
        for (const char *suffix : {"1", ""}) {
            const QString s = QString::fromUtf8(suffix);
            QWidget *page = w->pages()->widget(s.isEmpty() ? 1 : 0);
            for (const QString &name :
                 {QStringLiteral("编辑框输入订单号"), QStringLiteral("编辑框输入型号"),
                  QStringLiteral("编辑框输入数量"), QStringLiteral("编辑框输入备注"), QStringLiteral("日期框入库时间"),
                  QStringLiteral("日期框出货时间"), QStringLiteral("按钮确认输入新"), QStringLiteral("按钮取消输入新")})
                QVERIFY2(page->findChild<QWidget *>(name + s), qPrintable(name + s));
            QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("编辑框输入订单号") + s)->pos(), QPoint(140, 41));
            QCOMPARE(page->findChild<QPushButton *>(QStringLiteral("按钮确认输入新") + s)->y(), 315);
            QCOMPARE(page->findChild<QPlainTextEdit *>(QStringLiteral("编辑框输入备注") + s)->height(), 48);
            auto *pending = page->findChild<QRadioButton *>(QStringLiteral("单选框待定") + s);
            QCOMPARE(pending->text(), QStringLiteral("出货日期待定"));
            QVERIFY(pending->isChecked());
            QCOMPARE(page->findChild<QRadioButton *>(QStringLiteral("单选框已定") + s)->text(),
                     QStringLiteral("出货日期已定"));
        }
        QCOMPARE(testenv::child<QPlainTextEdit>(w, "编辑框输入详情")->height(), 111);
        QVERIFY(testenv::child<QRadioButton>(w, "单选框待定其他")->isChecked());

        // "取消" closes without storing or changing state.
        QTest::mouseClick(testenv::child<QPushButton>(w, "按钮取消输入新1"), Qt::LeftButton);
        QVERIFY(!orderEntryWindow(app));
        QCOMPARE(app.state().currentBin, QStringLiteral("B8"));
        QCOMPARE(app.store().count(), 0);
    }

    void singleEntryMissingFieldThenComplete()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        app.state().batchOrderNo = QStringLiteral("OLD"); // a batch in progress ends with a single entry
        app.state().batchModel = QStringLiteral("M");
        trigger(app, QStringLiteral("B8"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        fillOrderPage(w, QStringLiteral("1"), QStringLiteral("2008001"), QStringLiteral("VC-7"), QString());
        testenv::child<QDateEdit>(w, "日期框入库时间1")->setDate(QDate(2008, 6, 20));
        testenv::child<QDateEdit>(w, "日期框出货时间1")->setDate(QDate(2008, 6, 28));
        testenv::child<QRadioButton>(w, "单选框已定1")->setChecked(true);
        testenv::child<QPlainTextEdit>(w, "编辑框输入备注1")->setPlainText(QStringLiteral("加急"));

        QTest::mouseClick(testenv::child<QPushButton>(w, "按钮确认输入新1"), Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(
            sameMessage(f.fakes.dialogs.messages[0], QStringLiteral("请将各项信息输入完整！"), QStringLiteral("警告")));
        QCOMPARE(app.store().count(), 0);
        QCOMPARE(orderEntryWindow(app), w); // still open with its contents
        QCOMPARE(testenv::child<QLineEdit>(w, "编辑框输入订单号1")->text(), QStringLiteral("2008001"));

        testenv::child<QLineEdit>(w, "编辑框输入数量1")->setText(QStringLiteral("30"));
        // While the success box is up the map already shows the order.
        QString colourDuringMessage;
        f.fakes.dialogs.onMessage = [&](const MessageRecord &) {
            colourDuringMessage = testenv::colourOf(app, QStringLiteral("B8"));
        };
        QTest::mouseClick(testenv::child<QPushButton>(w, "按钮确认输入新1"), Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QVERIFY(
            sameMessage(f.fakes.dialogs.messages[1], QStringLiteral("加入成功！请继续加入！"), QStringLiteral("提示")));
        QCOMPARE(colourDuringMessage, QStringLiteral("红色"));
        QVERIFY(!orderEntryWindow(app));

        const QList<Rec> rs = records(app);
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs[0].no, QStringLiteral("2008001"));
        QCOMPARE(rs[0].bin, QStringLiteral("B8"));
        QCOMPARE(rs[0].model, QStringLiteral("VC-7"));
        QCOMPARE(rs[0].qty, 30);
        QCOMPARE(rs[0].in, day(QDate(2008, 6, 20)));
        QCOMPARE(rs[0].ship, day(QDate(2008, 6, 28)));
        QCOMPARE(rs[0].remarks, QStringLiteral("加急"));
        QCOMPARE(app.mainWindow()->zoneTile(QStringLiteral("B8"))->colour(), packColour(255, 0, 0));
        QVERIFY(app.state().currentBin.isEmpty());
        QVERIFY(app.state().batchOrderNo.isEmpty());
        QVERIFY(app.state().batchModel.isEmpty());
        QCOMPARE(app.state().batchQuantity, 30);
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 0); // the list is not rebuilt
    }

    void pendingShipDateIgnoresTheBox()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        trigger(app, QStringLiteral("C3"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        fillOrderPage(w, QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("M"), QStringLiteral("1"));
        testenv::child<QDateEdit>(w, "日期框出货时间1")->setDate(QDate(2008, 6, 27));
        w->confirmSingle();
        QCOMPARE(records(app).value(0).ship, platform::kEmptyDate);
        QCOMPARE(testenv::colourOf(app, QStringLiteral("C3")), QStringLiteral("蓝色"));
        refreshOrderList(app);
        QCOMPARE(app.mainWindow()->orderList()->cell(0, 5), QStringLiteral("待定"));
    }

    void quantityInput_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("digits and minus typed") << QStringLiteral("-12") << QString() << QStringLiteral("-12") << -12;
        QTest::newRow("letters and 箱 typed") << QStringLiteral("1a2箱Ｘ３") << QString() << QStringLiteral("12") << 12;
        QTest::newRow("pasted 12箱") << QString() << QStringLiteral("12箱") << QStringLiteral("12箱") << 12;
        QTest::newRow("pasted 箱") << QString() << QStringLiteral("箱") << QStringLiteral("箱") << 0;
    }
    void quantityInput()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        testenv::BinviewFixture f;
        Application &app = f.start();
        trigger(app, QStringLiteral("A2"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        fillOrderPage(w, QStringLiteral("1"), QStringLiteral("N"), QStringLiteral("M"), QString());
        for (const char *name : {"编辑框输入数量1", "编辑框输入数量"}) {
            QLineEdit *box = testenv::child<QLineEdit>(w, name);
            box->clear();
            if (!typed.isEmpty())
                typeText(box, typed);
            if (!pasted.isEmpty()) {
                QGuiApplication::clipboard()->setText(pasted);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            QCOMPARE(box->text(), shown);
        }
        QTest::keyClick(testenv::child<QLineEdit>(w, "编辑框输入数量1"), Qt::Key_Backspace);
        QCOMPARE(testenv::child<QLineEdit>(w, "编辑框输入数量1")->text(), shown.chopped(1));
        testenv::child<QLineEdit>(w, "编辑框输入数量1")->setText(shown);
        w->confirmSingle();
        QCOMPARE(records(app).value(0).qty, stored);
    }

    void batchOverThreeFreeBins()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        trigger(app, QStringLiteral("C1"), "订单设置");
        OrderEntryWindow *w = orderEntryWindow(app);
        QVERIFY(w);
        QCOMPARE(w->pages()->currentIndex(), 1);
        fillOrderPage(w, QString(), QStringLiteral("B-77"), QStringLiteral("VX"), QString());
        w->confirmBatch();
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("请将各项信息输入完整！"),
                            QStringLiteral("警告")));
        QVERIFY(app.state().batchOrderNo.isEmpty());
        testenv::child<QLineEdit>(w, "编辑框输入数量")->setText(QStringLiteral("500"));
        testenv::child<QDateEdit>(w, "日期框入库时间")->setDate(QDate(2008, 6, 25));
        testenv::child<QPlainTextEdit>(w, "编辑框输入备注")->setPlainText(QStringLiteral("分三库"));
        QTest::mouseClick(testenv::child<QPushButton>(w, "按钮确认输入新"), Qt::LeftButton);
        QVERIFY(!orderEntryWindow(app));
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("请右键点击相关空白库位进行加入！"),
                            QStringLiteral("提示")));
        QCOMPARE(app.store().count(), 0); // setting up writes nothing
        QCOMPARE(app.state().batchOrderNo, QStringLiteral("B-77"));
        QCOMPARE(app.state().batchShipDate, platform::kEmptyDate);

        f.fakes.dialogs.messages.clear();
        for (const QString &bin : {QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("E5")})
            trigger(app, bin, "批量加入(&J)");
        QCOMPARE(f.fakes.dialogs.messages.size(), 6);
        QVERIFY(sameMessage(
            f.fakes.dialogs.messages[0],
            QStringLiteral(
                "是否加入？\r\n当前库位C1\r\n订单号:B-77\r\n型号:VX\r\n数量:500\r\n\r\n入库日期:2008年6月25日"),
            QStringLiteral("是否加入以下单？")));
        QCOMPARE(f.fakes.dialogs.messages[0].buttons, platform::Buttons::OkCancel);
        QVERIFY(
            sameMessage(f.fakes.dialogs.messages[1], QStringLiteral("加入成功！请继续加入！"), QStringLiteral("提示")));
        const QList<Rec> rs = records(app);
        QCOMPARE(rs.size(), 3);
        QStringList bins;
        for (const Rec &r : rs) {
            bins << r.bin;
            QCOMPARE(r.no, QStringLiteral("B-77"));
            QCOMPARE(r.model, QStringLiteral("VX"));
            QCOMPARE(r.qty, 500); // the full quantity in every bin
            QCOMPARE(r.in, day(QDate(2008, 6, 25)));
            QCOMPARE(r.ship, platform::kEmptyDate);
            QCOMPARE(r.remarks, QStringLiteral("分三库"));
        }
        QCOMPARE(bins, (QStringList{QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("E5")}));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("E5")), QStringLiteral("蓝色"));

        // Twice on the same bin: occupied now. "订单设置" is refused while the batch runs.
        f.fakes.dialogs.messages.clear();
        trigger(app, QStringLiteral("C2"), "批量加入(&J)");
        trigger(app, QStringLiteral("D1"), "订单设置");
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QVERIFY(
            sameMessage(f.fakes.dialogs.messages[0], QStringLiteral("已有成品,不能放置!"), QStringLiteral("信息：")));
        QVERIFY(sameMessage(f.fakes.dialogs.messages[1], QStringLiteral("目前未结束加入库位操作！"),
                            QStringLiteral("警告")));
        QVERIFY(!orderEntryWindow(app));
        QCOMPARE(app.store().count(), 3);

        // Ending: cancel first, then OK.
        f.fakes.dialogs.messages.clear();
        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        trigger(app, QStringLiteral("D1"), "结束批量加");
        QCOMPARE(app.state().batchOrderNo, QStringLiteral("B-77"));
        trigger(app, QStringLiteral("D1"), "结束批量加");
        QVERIFY(app.state().batchOrderNo.isEmpty());
        QCOMPARE(f.fakes.dialogs.messages.size(), 3);
        QVERIFY(sameMessage(
            f.fakes.dialogs.messages[1],
            QStringLiteral(
                "是否结束加入以下？\r\n当前库位D1\r\n订单号:B-77\r\n型号:VX\r\n数量:500\r\n\r\n入库日期:2008年6月25日"),
            QStringLiteral("提示")));
        QVERIFY(sameMessage(f.fakes.dialogs.messages[2], QStringLiteral("已经结束加入库位"), QStringLiteral("信息：")));

        // Without a batch, and "订单设置" accepted again after the end.
        trigger(app, QStringLiteral("D1"), "批量加入(&J)");
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("无数据！请先进入加入订单选项！"),
                            QStringLiteral("提示")));
        trigger(app, QStringLiteral("D1"), "订单设置");
        QVERIFY(orderEntryWindow(app));
        QCOMPARE(app.store().count(), 3);
    }

    void batchRefusals()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        testenv::addOrder(app.store(), QStringLiteral("X"), QStringLiteral("A1"), QStringLiteral("M"), 1, day(kToday),
                          0);
        trigger(app, QStringLiteral("A1"), "订单设置"); // occupied
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("已有成品,不能放置!"),
                            QStringLiteral("信息：")));
        QVERIFY(!orderEntryWindow(app));

        // Cancel on the batch question writes nothing.
        app.state().batchOrderNo = QStringLiteral("Q");
        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        trigger(app, QStringLiteral("A2"), "批量加入(&J)");
        QCOMPARE(app.store().count(), 1);

        // The batch page reached by hand replaces a running batch without the two tests.
        trigger(app, QStringLiteral("A1"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        w->pages()->setCurrentIndex(1);
        fillOrderPage(w, QString(), QStringLiteral("NEW"), QStringLiteral("M2"), QStringLiteral("7"));
        testenv::child<QRadioButton>(w, "单选框已定")->setChecked(true);
        testenv::child<QDateEdit>(w, "日期框出货时间")->setDate(QDate(2008, 7, 1));
        w->confirmBatch();
        QCOMPARE(app.state().batchOrderNo, QStringLiteral("NEW"));
        QCOMPARE(app.state().batchQuantity, 7);
        QCOMPARE(app.state().batchShipDate, day(QDate(2008, 7, 1)));
    }

    void otherGoodsIntoOccupiedBinAndCancel()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        testenv::addOrder(app.store(), QStringLiteral("2008-5"), QStringLiteral("E2"), QStringLiteral("M"), 3,
                          day(kToday), day(QDate(2008, 6, 27)));
        app.mapRefresh();
        trigger(app, QStringLiteral("E2"), "其他库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        QCOMPARE(w->pages()->currentIndex(), 2);

        w->confirmOther();
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("请将各项信息输入完整！"),
                            QStringLiteral("警告")));

        testenv::child<QPlainTextEdit>(w, "编辑框输入详情")->setPlainText(QStringLiteral("合库 2008-1234 纸箱"));
        testenv::child<QDateEdit>(w, "日期框入库时间其他")->setDate(QDate(2008, 6, 24));
        testenv::child<QDateEdit>(w, "日期框出货时间其他")->setDate(QDate(2008, 7, 9)); // ignored while pending
        // Cancel: nothing stored, the map is refreshed all the same, the window stays.
        platform::writeProfileString(app.colourTablePath(), QStringLiteral("E2"), QStringLiteral("颜色"),
                                     QStringLiteral("绿色"));
        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        w->confirmOther();
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(),
                            QStringLiteral("是否加入？\r\n备注:合库 2008-1234 纸箱\r\n入库日期:2008年6月24日"),
                            QStringLiteral("是否加入以下单？")));
        QCOMPARE(app.store().count(), 1);
        QCOMPARE(testenv::colourOf(app, QStringLiteral("E2")), QStringLiteral("红色"));
        QCOMPARE(orderEntryWindow(app), w);
        QCOMPARE(testenv::child<QPlainTextEdit>(w, "编辑框输入详情")->toPlainText(), QStringLiteral("合库 2008-1234 纸箱"));

        QTest::mouseClick(testenv::child<QPushButton>(w, "按钮确认输入新其他"), Qt::LeftButton);
        QVERIFY(sameMessage(f.fakes.dialogs.messages.last(), QStringLiteral("加入成功！"), QStringLiteral("提示")));
        QVERIFY(!orderEntryWindow(app));
        const QList<Rec> rs = records(app);
        QCOMPARE(rs.size(), 2);
        QCOMPARE(rs[1].no, QStringLiteral("其他货物"));
        QCOMPARE(rs[1].bin, QStringLiteral("E2"));
        QCOMPARE(rs[1].model, QStringLiteral("多种"));
        QCOMPARE(rs[1].qty, 0);
        QCOMPARE(rs[1].in, day(QDate(2008, 6, 24)));
        QCOMPARE(rs[1].ship, platform::kEmptyDate);
        QCOMPARE(rs[1].remarks, QStringLiteral("合库 2008-1234 纸箱"));
        refreshOrderList(app);
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 2);
        QCOMPARE(app.mainWindow()->tabs()->currentIndex(), 7);

        // With "出货日期已定" the box's date is stored.
        trigger(app, QStringLiteral("E3"), "其他库位");
        w = orderEntryWindow(app);
        testenv::child<QPlainTextEdit>(w, "编辑框输入详情")->setPlainText(QStringLiteral("杂物"));
        testenv::child<QRadioButton>(w, "单选框已定其他")->setChecked(true);
        testenv::child<QDateEdit>(w, "日期框出货时间其他")->setDate(QDate(2008, 7, 9));
        w->confirmOther();
        QCOMPARE(records(app).value(2).ship, day(QDate(2008, 7, 9)));
    }

    void rightClickAnotherBinRetargetsTheOpenWindow()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        trigger(app, QStringLiteral("B1"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        QTest::mouseClick(app.mainWindow()->zoneTile(QStringLiteral("B2")), Qt::RightButton);
        app.mainWindow()->binMenu()->hide();
        fillOrderPage(w, QStringLiteral("1"), QStringLiteral("N"), QStringLiteral("M"), QStringLiteral("1"));
        w->confirmSingle();
        QCOMPARE(records(app).value(0).bin, QStringLiteral("B2"));
    }

    // A store that refuses the write never yields a success message, and nothing else changes.
    void failedWriteIsReported_data()
    {
        QTest::addColumn<int>("path"); // 0 single, 1 batch add, 2 other goods
        QTest::newRow("single") << 0;
        QTest::newRow("batch add") << 1;
        QTest::newRow("other goods") << 2;
    }
    void failedWriteIsReported()
    {
        QFETCH(int, path);
        testenv::BinviewFixture f;
        Application &app = f.start();
        // The store file vanishes while the program runs.
        app.store().close();
        QVERIFY(QFile::remove(app.storePath()));
        app.state().batchOrderNo = QStringLiteral("B");
        app.state().batchModel = QStringLiteral("M");
        OrderEntryWindow *w = nullptr;
        if (path == 0) {
            trigger(app, QStringLiteral("B8"), "单一库位");
            w = orderEntryWindow(app);
            fillOrderPage(w, QStringLiteral("1"), QStringLiteral("N"), QStringLiteral("M"), QStringLiteral("1"));
            w->confirmSingle();
        } else if (path == 1) {
            trigger(app, QStringLiteral("B8"), "批量加入(&J)");
        } else {
            trigger(app, QStringLiteral("B8"), "其他库位");
            w = orderEntryWindow(app);
            testenv::child<QPlainTextEdit>(w, "编辑框输入详情")->setPlainText(QStringLiteral("杂物"));
            w->confirmOther();
        }
        const MessageRecord last = f.fakes.dialogs.messages.last();
        QVERIFY2(last.text.startsWith(QStringLiteral("加入失败！")), qPrintable(last.text));
        QCOMPARE(last.title, QStringLiteral("警告"));
        for (const MessageRecord &m : f.fakes.dialogs.messages)
            QVERIFY(!m.text.startsWith(QStringLiteral("加入成功")));
        QCOMPARE(app.state().currentBin, QStringLiteral("B8"));
        QCOMPARE(app.state().batchOrderNo, QStringLiteral("B"));
        if (w)
            QCOMPARE(orderEntryWindow(app), w); // kept open for another try
        QCOMPARE(testenv::colourOf(app, QStringLiteral("B8")), QStringLiteral("绿色"));
        QVERIFY(!QFile::exists(app.storePath())); // nothing created behind the clerk's back
    }

    // One transaction per new order: a write that fails half-way leaves no half-written record.
    void aFailedNewOrderLeavesNoPartialRecord()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        // The last field's write fails, as a full disk would make it.
        QVERIFY(failRemarksWrites(app.storePath()));
        trigger(app, QStringLiteral("B8"), "单一库位");
        OrderEntryWindow *w = orderEntryWindow(app);
        fillOrderPage(w, QStringLiteral("1"), QStringLiteral("N"), QStringLiteral("M"), QStringLiteral("5"));
        testenv::child<QPlainTextEdit>(w, "编辑框输入备注1")->setPlainText(QStringLiteral("boom"));
        w->confirmSingle();
        QVERIFY(f.fakes.dialogs.messages.last().text.startsWith(QStringLiteral("加入失败！")));
        QVERIFY(f.fakes.dialogs.messages.last().text.contains(QStringLiteral("disk full")));
        QCOMPARE(app.store().count(), 0);
        OrderStore other; // and so does the file
        QCOMPARE(other.open(app.storePath()), OrderStore::Status::Open);
        QCOMPARE(other.count(), 0);
        // The clerk fixes the text and stores the order.
        testenv::child<QPlainTextEdit>(w, "编辑框输入备注1")->setPlainText(QStringLiteral("ok"));
        w->confirmSingle();
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("加入成功！请继续加入！"));
        QCOMPARE(other.count(), 1);
    }
};

QTEST_MAIN(TestEntry)
#include "test_entry.moc"
