// The five list-menu queries, "清空该库位" and shipped-goods clearing.

#include "binview/orders/ordercommands.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace binview;

namespace {

double day(int y, int m, int d)
{
    return platform::dateFromDateTime(QDateTime(QDate(y, m, d), QTime(0, 0)));
}

QStringList column(Application &app, int c)
{
    QStringList out;
    OrderListModel *list = app.mainWindow()->orderList();
    for (int r = 0; r < list->rowCount(); ++r)
        out << list->cell(r, c);
    return out;
}

void addOther(OrderStore &s, const QString &bin, const QString &details, double ship = 0)
{
    s.addBlank();
    s.write(1, kOtherGoodsOrderNo);
    s.write(2, bin);
    s.write(3, kOtherGoodsModel);
    s.write(5, day(2008, 6, 1));
    if (ship != 0)
        s.write(6, ship);
    s.write(7, details);
}

// Six records that tell the match rules apart; column 1 names each.
void addQueryStore(Application &app)
{
    OrderStore &s = app.store();
    testenv::addOrder(s, QStringLiteral("2008-100"), QStringLiteral("A1"), QStringLiteral("VC-7"), 5, day(2008, 6, 1),
                      0);
    testenv::addOrder(s, QStringLiteral("12008"), QStringLiteral("A10"), QStringLiteral("VC-8"), 12, day(2008, 6, 1),
                      day(2008, 7, 1));
    testenv::addOrder(s, QStringLiteral("2008-200"), QStringLiteral("A16"), QStringLiteral("XC-7"), 0, day(2008, 6, 1),
                      0);
    addOther(s, QStringLiteral("B3"), QStringLiteral("合库 2008-100 纸箱"));
    testenv::addOrder(s, QStringLiteral("2008-300"), QStringLiteral("B1"), QStringLiteral("vc-7"), 5, day(2008, 6, 1),
                      0, QStringLiteral("见 2008-100"));
    testenv::addOrder(s, QStringLiteral("3000"), QStringLiteral("D2"), QStringLiteral("VC"), 7, day(2008, 6, 1), 0);
}

const char *kActions[] = {"按订单查询(&D)", "按区域查询(&Q)", "按型号查询(&X)", "按数量查询(&S)", "查询合库信息(&H)"};

void runMenuQuery(Application &app, int kind)
{
    MainWindow::findAction(app.mainWindow()->listMenu(), QString::fromUtf8(kActions[kind]))->trigger();
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchRules_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("bins");
        QTest::newRow("order number is a prefix") << 0 << QStringLiteral("2008") << QStringList{"A1", "A16", "B1"};
        QTest::newRow("whole order number") << 0 << QStringLiteral("12008") << QStringList{"A10"};
        QTest::newRow("zone letter") << 1 << QStringLiteral("A") << QStringList{"A1", "A10", "A16"};
        QTest::newRow("A1 takes A10 to A16") << 1 << QStringLiteral("A1") << QStringList{"A1", "A10", "A16"};
        QTest::newRow("lower case zone") << 1 << QStringLiteral("a") << QStringList{};
        QTest::newRow("model prefix, case-sensitive") << 2 << QStringLiteral("VC") << QStringList{"A1", "A10", "D2"};
        QTest::newRow("model longer than field") << 2 << QStringLiteral("VC-77") << QStringList{};
        QTest::newRow("full-width 05") << 3 << QStringLiteral("０５") << QStringList{"A1", "B1"};
        QTest::newRow("blank and sign") << 3 << QStringLiteral(" +12箱") << QStringList{"A10"};
        QTest::newRow("letters give 0: other goods too") << 3 << QStringLiteral("abc") << QStringList{"A16", "B3"};
        QTest::newRow("shared bin: other goods only") << 4 << QStringLiteral("2008-100") << QStringList{"B3"};
        QTest::newRow("shared bin: anywhere in details") << 4 << QStringLiteral("纸箱") << QStringList{"B3"};
    }
    void matchRules()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QStringList, bins);
        testenv::BinviewFixture f;
        Application &app = f.start();
        addQueryStore(app);
        refreshOrderList(app);
        f.fakes.dialogs.inputs = {text};
        runMenuQuery(app, kind);
        QCOMPARE(column(app, 1), bins);
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        // Fewer matches than records: no row is selected.
        QCOMPARE(app.mainWindow()->selectedRow(), -1);
    }

    void promptsCancelAndEmptyEntries()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addQueryStore(app);
        refreshOrderList(app);
        const QStringList all = column(app, 0);
        const QStringList prompts = {QStringLiteral("请输入要查询的订单号"), QStringLiteral("请输入要查询的区域"),
                                     QStringLiteral("请输入要查询的型号"), QStringLiteral("请输入要查询的订单数量"),
                                     QStringLiteral("请输入要查询的合库位订单号")};
        const QStringList empties = {QStringLiteral("请正确输入查询订单号！"), QStringLiteral("请正确输入查询区域！"),
                                     QStringLiteral("请正确输入查询型号！"), QStringLiteral("请正确输入查询订单数量！"),
                                     QStringLiteral("请正确输入要查询的合库位订单号！")};
        for (int kind = 0; kind < 5; ++kind) {
            f.fakes.dialogs.inputs = {std::nullopt, QString()};
            runMenuQuery(app, kind); // cancelled
            QCOMPARE(f.fakes.dialogs.messages.size(), kind);
            runMenuQuery(app, kind); // empty
            QCOMPARE(f.fakes.dialogs.inputPrompts.mid(2 * kind), (QStringList{prompts[kind], prompts[kind]}));
            QCOMPARE(f.fakes.dialogs.messages.size(), kind + 1);
            QCOMPARE(f.fakes.dialogs.messages.last().text, empties[kind]);
            QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("信息："));
            QCOMPARE(column(app, 0), all); // the list keeps its rows
        }
    }

    void queryStateAndSelectedRowRule()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        OrderStore &s = app.store();
        testenv::addOrder(s, QStringLiteral("X1"), QStringLiteral("B1"), QStringLiteral("M"), 1, day(2008, 6, 1), 0);
        testenv::addOrder(s, QStringLiteral("X2"), QStringLiteral("B2"), QStringLiteral("M"), 2, day(2008, 6, 1), 0);
        f.fakes.dialogs.inputs = {QStringLiteral("B")};
        runMenuQuery(app, 1);
        QCOMPARE(app.state().queryText, QStringLiteral("B"));
        QCOMPARE(app.state().queryField, QStringLiteral("区域"));
        QCOMPARE(app.state().queryInputs[0], QStringLiteral("B"));
        // Every record matched: the last row is selected and "订单明细" opens on it without a click.
        QCOMPARE(app.mainWindow()->selectedRow(), 1);
        QString shown;
        f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
            shown = d->findChild<QWidget *>(QStringLiteral("编辑框区域"))->property("text").toString();
        });
        MainWindow::findAction(app.mainWindow()->listMenu(), QStringLiteral("订单明细"))->trigger();
        QCOMPARE(shown, QStringLiteral("B2"));

        // The shared-bin query keeps its text to itself.
        f.fakes.dialogs.inputs = {QStringLiteral("X")};
        runMenuQuery(app, 4);
        QCOMPARE(app.state().queryText, QStringLiteral("B"));
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 0); // no match: empty list
        // "显示全部" brings every record back.
        MainWindow::findAction(app.mainWindow()->listMenu(), QStringLiteral("显示全部"))->trigger();
        QCOMPARE(column(app, 0), (QStringList{QStringLiteral("X1"), QStringLiteral("X2")}));
    }

    void shippedGoodsClearing()
    {
        testenv::BinviewFixture f;
        Application &app = f.start(); // today is 2008-06-26
        OrderStore &s = app.store();
        testenv::addOrder(s, QStringLiteral("yesterday"), QStringLiteral("A1"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          day(2008, 6, 25));
        testenv::addOrder(s, QStringLiteral("today"), QStringLiteral("A2"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          day(2008, 6, 26));
        testenv::addOrder(s, QStringLiteral("pending"), QStringLiteral("A3"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          0);
        testenv::addOrder(s, QStringLiteral("before"), QStringLiteral("A4"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          day(2008, 6, 24));
        testenv::addOrder(s, QStringLiteral("lastmonth"), QStringLiteral("A5"), QStringLiteral("M"), 1, day(2008, 5, 1),
                          day(2008, 5, 26));
        // A shared bin: a shipped order and an undecided other-goods record.
        testenv::addOrder(s, QStringLiteral("shared"), QStringLiteral("C4"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          day(2008, 6, 20));
        addOther(s, QStringLiteral("C4"), QStringLiteral("杂物"));
        app.fullRefresh();
        QCOMPARE(testenv::colourOf(app, QStringLiteral("A1")), QStringLiteral("黑色"));

        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        binview::clearShippedGoods(app);
        QCOMPARE(s.count(), 7);
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("是否决定清除已经走货货物?"));
        QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("警告!"));
        QCOMPARE(f.fakes.dialogs.messages.last().buttons, platform::Buttons::OkCancel);

        binview::clearShippedGoods(app);
        QCOMPARE(column(app, 0), (QStringList{QStringLiteral("today"), QStringLiteral("pending"), kOtherGoodsOrderNo}));
        QCOMPARE(s.count(), 3);
        for (const char *bin : {"A1", "A4", "A5"})
            QCOMPARE(testenv::colourOf(app, QString::fromUtf8(bin)), QStringLiteral("绿色"));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("A2")), QStringLiteral("黑色"));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("C4")), QStringLiteral("蓝色")); // from the record that stays

        // A second run removes nothing but still rebuilds the list.
        app.mainWindow()->orderList()->clear();
        binview::clearShippedGoods(app);
        QCOMPARE(s.count(), 3);
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 3);
    }

    void clearTheSelectedRowOfASharedBin()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        OrderStore &s = app.store();
        testenv::addOrder(s, QStringLiteral("first"), QStringLiteral("B2"), QStringLiteral("M"), 1, day(2008, 6, 1),
                          day(2008, 6, 27));
        addOther(s, QStringLiteral("B2"), QStringLiteral("合库 first"));
        testenv::addOrder(s, QStringLiteral("alone"), QStringLiteral("C1"), QStringLiteral("M"), 1, day(2008, 6, 1), 0);
        app.fullRefresh();

        clearSelectedBin(app); // nothing selected
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("请选择要相关项目"));
        QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("提示"));

        // The second row of B2 goes, not the bin's first record.
        app.mainWindow()->orderView()->selectRow(1);
        f.fakes.dialogs.answers = {platform::Answer::Cancel};
        MainWindow::findAction(app.mainWindow()->listMenu(), QStringLiteral("清空该库位"))->trigger();
        QCOMPARE(s.count(), 3);
        app.mainWindow()->orderView()->selectRow(1);
        clearSelectedBin(app);
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("是否决定删除B2中的订单？"));
        QCOMPARE(f.fakes.dialogs.messages.last().title, QStringLiteral("警告!"));
        QCOMPARE(app.state().selectedBin, QStringLiteral("B2"));
        QCOMPARE(column(app, 0), (QStringList{QStringLiteral("first"), QStringLiteral("alone")}));
        QCOMPARE(testenv::colourOf(app, QStringLiteral("B2")), QStringLiteral("红色")); // recoloured from "first"

        app.mainWindow()->orderView()->selectRow(1);
        clearSelectedBin(app);
        QCOMPARE(column(app, 0), QStringList{QStringLiteral("first")});
        QCOMPARE(testenv::colourOf(app, QStringLiteral("C1")), QStringLiteral("绿色"));

        // An out-of-date list: the row's record is gone, nothing happens and nothing is asked.
        const qsizetype asked = f.fakes.dialogs.messages.size();
        s.first();
        s.remove();
        s.purge();
        app.mainWindow()->orderView()->selectRow(0);
        clearSelectedBin(app);
        QCOMPARE(f.fakes.dialogs.messages.size(), asked);
        QCOMPARE(app.mainWindow()->orderList()->rowCount(), 1);
    }
};

QTEST_MAIN(TestQueries)
#include "test_queries.moc"
