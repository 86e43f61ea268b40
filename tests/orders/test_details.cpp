// The details window (opened from the order list, driven while it is modal) and the bin
// balloon of "查看详情".

#include "binview/orders/ordercommands.h"
#include "binview/orders/orderdetails.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

using namespace binview;
using platform::testing::MessageRecord;

namespace {

double day(int y, int m, int d)
{
    return platform::dateFromDateTime(QDateTime(QDate(y, m, d), QTime(0, 0)));
}

void click(QWidget *w, const char *name)
{
    QTest::mouseClick(testenv::child<QPushButton>(w, name), Qt::LeftButton);
}

// Four records: A1; B2 with a ship date; C3 pending; B2 again as other goods (a shared bin).
void addFour(Application &app)
{
    OrderStore &s = app.store();
    testenv::addOrder(s, QStringLiteral("2008-01"), QStringLiteral("A1"), QStringLiteral("VC1"), 10, day(2008, 6, 1),
                      day(2008, 7, 20), QStringLiteral("一"));
    testenv::addOrder(s, QStringLiteral("2008-02"), QStringLiteral("B2"), QStringLiteral("VC2"), 20, day(2008, 6, 2),
                      day(2008, 6, 28), QStringLiteral("二"));
    testenv::addOrder(s, QStringLiteral("2008-03"), QStringLiteral("C3"), QStringLiteral("VC3"), 30, day(2008, 6, 3), 0,
                      QStringLiteral("三"));
    s.addBlank();
    s.write(1, kOtherGoodsOrderNo);
    s.write(2, QStringLiteral("B2"));
    s.write(3, kOtherGoodsModel);
    s.write(5, day(2008, 6, 4));
    s.write(7, QStringLiteral("合库 2008-02"));
    app.fullRefresh();
}

// Opens "订单明细" on list row `row` and runs `driver` while the window is open.
int openOnRow(testenv::BinviewFixture &f, Application &app, int row, std::function<void(QDialog *)> driver)
{
    app.mainWindow()->orderView()->selectRow(row);
    int result = -1;
    f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
        driver(d);
        result = d->result();
    });
    MainWindow::findAction(app.mainWindow()->listMenu(), QStringLiteral("订单明细"))->trigger();
    return result;
}

QString shownOrderNo(QDialog *d)
{
    return testenv::child<QLineEdit>(d, "编辑框订单号")->text();
}

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

} // namespace

class TestDetails : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noSelectedRow()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        app.mainWindow()->orderView()->clearSelection();
        openOrderDetails(app);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages[0].text, QStringLiteral("请选择要相关项目"));
        QCOMPARE(f.fakes.dialogs.messages[0].title, QStringLiteral("提示"));
        QVERIFY(f.fakes.dialogs.modalTitles.isEmpty());
    }

    void opensOnTheFirstRecordOfASharedBinWithItsDates()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        openOnRow(f, app, 3, [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("订单明细—更新订单"));
            QCOMPARE(d->size(), QSize(615, 445));
            QVERIFY(d->isModal());
            // Row 3 is the other-goods record of B2; the window shows B2's first record.
            QCOMPARE(shownOrderNo(d), QStringLiteral("2008-02"));
            QCOMPARE(testenv::child<QLineEdit>(d, "编辑框区域")->text(), QStringLiteral("B2"));
            QCOMPARE(testenv::child<QLineEdit>(d, "编辑框型号")->text(), QStringLiteral("VC2"));
            QCOMPARE(testenv::child<QLineEdit>(d, "编辑框订单数量")->text(), QStringLiteral("20"));
            QCOMPARE(testenv::child<QPlainTextEdit>(d, "编辑框备注")->toPlainText(), QStringLiteral("二"));
            QCOMPARE(testenv::child<QGroupBox>(d, "分组框入库日期")->title(), QStringLiteral("入库日期2008年6月2日"));
            QCOMPARE(testenv::child<QGroupBox>(d, "分组框出货日期")->title(), QStringLiteral("出货日期2008年6月28日"));
            // The date group is loaded from the record, not left on "待定".
            QCOMPARE(testenv::child<QDateEdit>(d, "日期框1")->date(), QDate(2008, 6, 2));
            QCOMPARE(testenv::child<QDateEdit>(d, "日期框2")->date(), QDate(2008, 6, 28));
            QVERIFY(testenv::child<QRadioButton>(d, "选择框出货日期")->isChecked());
            for (const char *name : {"编辑框订单号", "编辑框型号", "编辑框订单数量", "选择框区域", "编辑框区域",
                                     "分组框入库日期", "分组框出货日期", "编辑框备注"})
                QVERIFY2(!testenv::child<QWidget>(d, name)->isEnabled(), name);
            for (const char *name : {"按钮上一条", "按钮下一条", "按钮删除", "按钮修改", "按钮取消"})
                QVERIFY2(testenv::child<QWidget>(d, name)->isEnabled(), name);
            QCOMPARE(testenv::child<QPushButton>(d, "按钮上一条")->text(), QStringLiteral("<<="));
            QCOMPARE(testenv::child<QPushButton>(d, "按钮下一条")->text(), QStringLiteral("=>>"));
            QCOMPARE(testenv::child<QPushButton>(d, "按钮修改")->text(), QStringLiteral("修改"));
            // A pending record opens on "待定".
            click(d, "按钮下一条");
            QCOMPARE(shownOrderNo(d), QStringLiteral("2008-03"));
            QCOMPARE(testenv::child<QGroupBox>(d, "分组框出货日期")->title(), QStringLiteral("出货日期待定"));
            QVERIFY(testenv::child<QRadioButton>(d, "单选框出货日期待定")->isChecked());
            click(d, "按钮取消");
        });
        QCOMPARE(app.state().selectedBin, QStringLiteral("B2"));
        QCOMPARE(f.fakes.dialogs.modalTitles, QStringList{QStringLiteral("订单明细—更新订单")});
    }

    // The list is out of date: no record of the bin is left. Nothing can be overwritten or
    // deleted; stepping forward starts at the first record.
    void outOfDateRowOpensEmpty()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        OrderStore &s = app.store();
        s.first();
        s.remove();
        s.purge(); // A1 gone, the list still shows it
        openOnRow(f, app, 0, [&](QDialog *d) {
            QVERIFY(shownOrderNo(d).isEmpty());
            QVERIFY(testenv::child<QLineEdit>(d, "编辑框区域")->text().isEmpty());
            QVERIFY(testenv::child<QGroupBox>(d, "分组框入库日期")->title().isEmpty());
            QVERIFY(testenv::child<QGroupBox>(d, "分组框出货日期")->title().isEmpty());
            QVERIFY(!testenv::child<QWidget>(d, "按钮修改")->isEnabled());
            QVERIFY(!testenv::child<QWidget>(d, "按钮删除")->isEnabled());
            click(d, "按钮下一条");
            QCOMPARE(shownOrderNo(d), QStringLiteral("2008-02"));
            click(d, "按钮取消");
        });
        QCOMPARE(s.count(), 3);
    }

    void steppingPastBothEnds()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        QStringList seen;
        openOnRow(f, app, 1, [&](QDialog *d) {
            click(d, "按钮上一条");
            seen << shownOrderNo(d);
            click(d, "按钮上一条"); // first record: stays
            seen << shownOrderNo(d);
            for (int i = 0; i < 4; ++i) { // three steps to the last record, one past it
                click(d, "按钮下一条");
                seen << shownOrderNo(d);
            }
            QCOMPARE(testenv::child<QLineEdit>(d, "编辑框区域")->text(), QStringLiteral("B2"));
            click(d, "按钮上一条");
            seen << shownOrderNo(d);
        });
        QCOMPARE(seen, (QStringList{QStringLiteral("2008-01"), QStringLiteral("2008-01"), QStringLiteral("2008-02"),
                                    QStringLiteral("2008-03"), kOtherGoodsOrderNo, kOtherGoodsOrderNo,
                                    QStringLiteral("2008-03")}));
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.fakes.dialogs.messages[0].text, QStringLiteral("前面已无记录"));
        QCOMPARE(f.fakes.dialogs.messages[0].title, QStringLiteral("信息："));
        QCOMPARE(f.fakes.dialogs.messages[1].text, QStringLiteral("后面已无记录"));
        QCOMPARE(f.fakes.dialogs.messages[1].title, QStringLiteral("信息："));
    }

    void saveKeepsTheStoredDatesUnlessChanged()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        // Only the quantity and the remarks change.
        const int result = openOnRow(f, app, 1, [&](QDialog *d) {
            click(d, "按钮修改");
            QCOMPARE(testenv::child<QPushButton>(d, "按钮修改")->text(), QStringLiteral("确定"));
            for (const char *name : {"按钮删除", "按钮上一条", "按钮下一条"})
                QVERIFY2(!testenv::child<QWidget>(d, name)->isEnabled(), name);
            for (const char *name : {"编辑框订单号", "编辑框型号", "编辑框订单数量", "编辑框区域", "选择框区域",
                                     "选择框入库日期", "选择框出货日期", "日期框1", "日期框2", "编辑框备注"})
                QVERIFY2(testenv::child<QWidget>(d, name)->isEnabled(), name);
            testenv::child<QLineEdit>(d, "编辑框订单数量")->setText(QStringLiteral("２5箱"));
            testenv::child<QPlainTextEdit>(d, "编辑框备注")->setPlainText(QStringLiteral("改"));
            click(d, "按钮修改");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("更新成功！"));
        QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("提示"));
        const OrderRecord r = app.store().rows().at(1);
        QCOMPARE(r.quantity, 25);
        QCOMPARE(r.remarks, QStringLiteral("改"));
        QCOMPARE(r.shipDate, day(2008, 6, 28));
        QCOMPARE(r.dateIn, day(2008, 6, 2));
        OrderListModel *list = app.mainWindow()->orderList();
        QCOMPARE(list->cell(1, 3), QStringLiteral("25"));
        QCOMPARE(list->cell(1, 5), QStringLiteral("2008年6月28日"));
        QCOMPARE(list->cell(1, 6), QStringLiteral("改"));
        QCOMPARE(app.mainWindow()->selectedRow(), 1);

        // Choosing "待定" makes it pending; a new date in is written when ticked.
        openOnRow(f, app, 1, [&](QDialog *d) {
            click(d, "按钮修改");
            testenv::child<QRadioButton>(d, "单选框出货日期待定")->setChecked(true);
            testenv::child<QCheckBox>(d, "选择框入库日期")->setChecked(true);
            testenv::child<QDateEdit>(d, "日期框1")->setDate(QDate(2008, 6, 10));
            click(d, "按钮修改");
        });
        QCOMPARE(app.store().rows().at(1).shipDate, platform::kEmptyDate);
        QCOMPARE(app.store().rows().at(1).dateIn, day(2008, 6, 10));
        QCOMPARE(list->cell(1, 5), QStringLiteral("待定"));
        QCOMPARE(list->cell(1, 4), QStringLiteral("2008年6月10日"));

        // "取消" in edit mode saves nothing.
        openOnRow(f, app, 1, [&](QDialog *d) {
            click(d, "按钮修改");
            testenv::child<QPlainTextEdit>(d, "编辑框备注")->setPlainText(QStringLiteral("不存"));
            click(d, "按钮取消");
        });
        QCOMPARE(app.store().rows().at(1).remarks, QStringLiteral("改"));
    }

    void otherGoodsMovedToAnotherBin()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        // Make the other-goods record B2's only one, so B2 empties when it moves.
        app.store().first();
        app.store().skip(1);
        app.store().write(2, QStringLiteral("B9"));
        app.fullRefresh();
        QCOMPARE(testenv::colourOf(app, QStringLiteral("B2")), QStringLiteral("蓝色"));
        openOnRow(f, app, 3, [&](QDialog *d) {
            QCOMPARE(shownOrderNo(d), kOtherGoodsOrderNo);
            click(d, "按钮修改");
            for (const char *name : {"编辑框订单号", "编辑框型号", "编辑框订单数量"})
                QVERIFY2(!testenv::child<QWidget>(d, name)->isEnabled(), name);
            QVERIFY(testenv::child<QWidget>(d, "编辑框区域")->isEnabled());
            QVERIFY(testenv::child<QWidget>(d, "编辑框备注")->isEnabled());
            QVERIFY(testenv::child<QWidget>(d, "分组框出货日期")->isEnabled());
            testenv::child<QCheckBox>(d, "选择框区域")->setChecked(true);
            testenv::child<QLineEdit>(d, "编辑框区域")->setText(QStringLiteral("D5"));
            click(d, "按钮修改");
        });
        const OrderRecord r = app.store().rows().at(3);
        QCOMPARE(r.bin, QStringLiteral("D5"));
        QCOMPARE(r.orderNo, kOtherGoodsOrderNo);
        QCOMPARE(r.model, kOtherGoodsModel);
        QCOMPARE(r.quantity, 0);
        QCOMPARE(r.dateIn, day(2008, 6, 4));
        QCOMPARE(r.shipDate, platform::kEmptyDate);
        QCOMPARE(testenv::colourOf(app, QStringLiteral("B2")), QStringLiteral("绿色"));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("D5")), QStringLiteral("蓝色"));
        QCOMPARE(app.mainWindow()->orderList()->cell(3, 1), QStringLiteral("D5"));
    }

    void binCheckOnLeavingTheBinBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("warned");
        QTest::newRow("occupied bin") << QStringLiteral("A1") << true;
        QTest::newRow("its own bin") << QStringLiteral("B2") << true;
        QTest::newRow("free bin") << QStringLiteral("E9") << false;
        QTest::newRow("empty text") << QString() << false;
        QTest::newRow("lower case is another text") << QStringLiteral("a1") << false;
    }
    void binCheckOnLeavingTheBinBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, warned);
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        QString after;
        openOnRow(f, app, 2, [&](QDialog *d) {
            click(d, "按钮上一条"); // the window's bin follows the record shown: B2
            click(d, "按钮修改");
            QLineEdit *box = testenv::child<QLineEdit>(d, "编辑框区域");
            box->setText(typed);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(box, &out);
            after = box->text();
            QCOMPARE(shownOrderNo(d), QStringLiteral("2008-02")); // the search moved nothing
            click(d, "按钮取消");
        });
        if (warned) {
            QCOMPARE(f.fakes.dialogs.messages.size(), 1);
            QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("该区域已有库位请重新填写！"));
            QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("警告"));
            QCOMPARE(after, QStringLiteral("B2"));
        } else {
            QVERIFY(f.fakes.dialogs.messages.isEmpty());
            QCOMPARE(after, typed);
        }
    }

    void deleteTheRecordShownAfterStepping()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        app.state().currentBin.clear();
        QCOMPARE(testenv::colourOf(app, QStringLiteral("C3")), QStringLiteral("蓝色"));
        f.fakes.dialogs.answers = {platform::Answer::Cancel, platform::Answer::Ok};
        const int result = openOnRow(f, app, 0, [&](QDialog *d) {
            click(d, "按钮下一条");
            click(d, "按钮下一条"); // C3
            click(d, "按钮删除");   // cancelled
            QVERIFY(d->isVisible());
            click(d, "按钮删除");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.fakes.dialogs.messages[1].text, QStringLiteral("是否决定删除C3中的订单？"));
        QCOMPARE(f.fakes.dialogs.messages[1].title, QStringLiteral("警告!"));
        QCOMPARE(f.fakes.dialogs.messages[1].buttons, platform::Buttons::OkCancel);
        QStringList orderNos;
        for (const OrderRecord &r : app.store().rows())
            orderNos << r.orderNo;
        QCOMPARE(orderNos, (QStringList{QStringLiteral("2008-01"), QStringLiteral("2008-02"), kOtherGoodsOrderNo}));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("C3")), QStringLiteral("绿色"));
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 3); // rebuilt
    }

    void failedSaveIsNotReportedAsSuccess()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        QVERIFY(failRemarksWrites(app.storePath()));
        bool stillOpen = false;
        openOnRow(f, app, 0, [&](QDialog *d) {
            click(d, "按钮修改");
            testenv::child<QLineEdit>(d, "编辑框订单数量")->setText(QStringLiteral("99"));
            testenv::child<QPlainTextEdit>(d, "编辑框备注")->setPlainText(QStringLiteral("boom"));
            click(d, "按钮修改");
            stillOpen = d->isVisible() && d->result() != QDialog::Accepted;
            click(d, "按钮取消");
        });
        QVERIFY(stillOpen);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.fakes.dialogs.messages[0].text.startsWith(QStringLiteral("更新失败！")));
        QCOMPARE(f.fakes.dialogs.messages[0].title, QStringLiteral("警告"));
        QCOMPARE(app.store().rows().at(0).quantity, 10); // the earlier writes were undone too
        OrderStore other;
        other.open(app.storePath());
        other.first();
        QCOMPARE(other.read(QStringLiteral("订单数量")).toInt(), 10);
    }

    void balloon()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addFour(app);
        QLabel *tip = binBalloon(app);
        QVERIFY(tip);
        QCOMPARE(tip->parentWidget(), app.mainWindow()->tabs()->widget(1));
        app.state().currentBin = QStringLiteral("B2");
        MainWindow::findAction(app.mainWindow()->binMenu(), QStringLiteral("查看详情"))->trigger();
        // The last record of the shared bin, with the query view's empty pending date.
        QCOMPARE(tip->text(), QStringLiteral("订单号：其他货物\r\n区域号：B2\r\n型号：多种\r\n数量：0\r\n"
                                             "入库日期：2008年6月4日\r\n出货日期：\r\n"));
        QVERIFY(tip->isVisible());
        QVERIFY(app.state().balloonText.isEmpty());
        app.state().currentBin = QStringLiteral("A1");
        showBinDetails(app);
        QCOMPARE(tip->text(), QStringLiteral("订单号：2008-01\r\n区域号：A1\r\n型号：VC1\r\n数量：10\r\n"
                                             "入库日期：2008年6月1日\r\n出货日期：2008年7月20日\r\n"));
        app.state().currentBin = QStringLiteral("E12");
        showBinDetails(app);
        QVERIFY(tip->text().isEmpty());
    }
};

QTEST_MAIN(TestDetails)
#include "test_details.moc"
