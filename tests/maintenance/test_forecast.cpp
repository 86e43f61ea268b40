// The short-term forecast: pieces to bins, the running-total points, the integer boxes and the
// page's buttons.

#include "binview/maintenance/forecast.h"
#include "binview/maintenance/maintenance.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"

#include "support/testenv.h"

#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace binview;

namespace {

IntegerBox *box(MainWindow *w, const char *name)
{
    return w->findChild<IntegerBox *>(QString::fromUtf8(name));
}

const std::array<const char *, 6> kBoxes = {"编辑框加一", "编辑框加二", "编辑框加三",
                                            "编辑框减一", "编辑框减二", "编辑框减三"};

void fill(MainWindow *w, const std::array<QString, 6> &texts)
{
    for (size_t i = 0; i < 6; ++i)
        box(w, kBoxes[i])->setText(texts[i]);
}

void addRecords(Application &app, int plain, int doubleBins)
{
    const double today = platform::dateFromDateTime(QDateTime(QDate(2008, 6, 26), QTime(0, 0)));
    for (int i = 0; i < plain; ++i)
        testenv::addOrder(app.store(), QStringLiteral("P%1").arg(i), QStringLiteral("B%1").arg(i + 1),
                          QStringLiteral("M"), 10, today, 0);
    for (int i = 0; i < doubleBins; ++i)
        testenv::addOrder(app.store(), QStringLiteral("D%1").arg(i), QStringLiteral("A%1").arg(i + 1),
                          QStringLiteral("M"), 10, today, 0);
}

double percent(int units)
{
    return units / 87.0 * 100;
}

} // namespace

class TestForecast : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void piecesToBins_data()
    {
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("bins");
        QTest::newRow("below one bin") << 554 << 0;
        QTest::newRow("one bin") << 555 << 1;
        QTest::newRow("two bins") << 1110 << 2;
        QTest::newRow("just below three") << 1664 << 2;
        QTest::newRow("one piece out") << -1 << -1;
        QTest::newRow("exactly minus one bin") << -555 << -1;
        QTest::newRow("just beyond minus one bin") << -556 << -2;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("largest") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() / 555;
        QTest::newRow("smallest") << std::numeric_limits<int>::min() << std::numeric_limits<int>::min() / 555 - 1;
    }
    void piecesToBins()
    {
        QFETCH(int, pieces);
        QFETCH(int, bins);
        QCOMPARE(binview::piecesToBins(pieces), bins);
    }

    void runningTotals()
    {
        const auto p = forecastPoints(13, {2, 0, 0}, {0, 1, 0});
        QCOMPARE(p[0], percent(13));
        QCOMPARE(p[1], percent(15));
        QCOMPARE(p[2], percent(14));
        QCOMPARE(p[3], percent(14));
        // Sums beyond the 32-bit range do not wrap.
        const int big = std::numeric_limits<int>::max();
        const auto q = forecastPoints(big, {big, big, 0}, {0, 0, 0});
        QVERIFY(q[2] > q[1] && q[1] > q[0]);
    }

    void integerBoxText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("afterFocusLoss");
        QTest::newRow("plain") << "554"
                               << "554"
                               << "554";
        QTest::newRow("leading zeros") << "007"
                                       << "007"
                                       << "7";
        QTest::newRow("zero empties") << "0"
                                      << "0"
                                      << "";
        QTest::newRow("minus zero empties") << "-0"
                                            << "-0"
                                            << "";
        QTest::newRow("letters are refused") << "1a2b"
                                             << "12"
                                             << "12";
        QTest::newRow("negative") << "-1"
                                  << "-1"
                                  << "-1";
        QTest::newRow("minus inside stops the digits") << "12-3"
                                                       << "12-3"
                                                       << "12";
        QTest::newRow("only a sign") << "-"
                                     << "-"
                                     << "";
        QTest::newRow("beyond 32 bits") << "99999999999"
                                        << "99999999999"
                                        << "2147483647";
    }
    void integerBoxText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, afterFocusLoss);
        QWidget window;
        auto *a = new IntegerBox(&window);
        auto *b = new QLineEdit(&window);
        b->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        a->setFocus();
        QTest::keyClicks(a, typed);
        QCOMPARE(a->text(), kept);
        b->setFocus();
        QTRY_VERIFY(b->hasFocus());
        QCOMPARE(a->text(), afterFocusLoss);
        QCOMPARE(a->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    void pageLayout()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        QWidget *page = w->tabs()->widget(8);
        auto *chart = page->findChild<QChartView *>(QStringLiteral("曲线图"));
        QVERIFY(chart);
        QCOMPARE(chart->geometry(), QRect(10, 155, 512, 344));
        // The today label stays the window's own object, inside its group on this page.
        auto *label = w->findChild<QLabel *>(QStringLiteral("透明标签今日信息"));
        QVERIFY(label && page->isAncestorOf(label));
        QCOMPARE(label->parentWidget()->geometry(), QRect(8, 22, 750, 103));
        const QList<QPoint> places = {{132, 28}, {132, 60}, {132, 92}, {132, 136}, {132, 168}, {132, 200}};
        for (size_t i = 0; i < 6; ++i) {
            IntegerBox *b = box(w, kBoxes[i]);
            QVERIFY2(b && page->isAncestorOf(b), kBoxes[i]);
            QCOMPARE(b->geometry(), QRect(places[static_cast<int>(i)], QSize(64, 24)));
        }
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("按钮确定曲线"))->text(), QStringLiteral("输入预警信息"));
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("按钮清空"))->text(), QStringLiteral("清空图表"));
        QVERIFY(forecastCurve(app).isEmpty()); // nothing drawn before the first entry
    }

    void enterDrawsRunningTotals_data()
    {
        QTest::addColumn<QStringList>("texts"); // in 1-3, out 1-3
        QTest::addColumn<QList<int>>("units");  // units above today's U at T+1..T+3
        QTest::newRow("554 everywhere is flat")
            << QStringList{"554", "554", "554", "554", "554", "554"} << QList<int>{0, 0, 0};
        QTest::newRow("1110 in, 555 out on day 2")
            << QStringList{"1110", "1", "1", "1", "555", "1"} << QList<int>{2, 1, 1};
        QTest::newRow("one piece out rounds down") << QStringList{"1", "1", "1", "-1", "1", "1"} << QList<int>{1, 1, 1};
        QTest::newRow("blanks count as content") << QStringList{" ", "555", "1", "1", "1", "1"} << QList<int>{0, 1, 1};
    }
    void enterDrawsRunningTotals()
    {
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, units);
        testenv::BinviewFixture f;
        Application &app = f.start();
        addRecords(app, 7, 3); // 10 records, 3 in double bins
        app.mapRefresh();
        QCOMPARE(app.state().doubleRowCount, 3);
        MainWindow *w = app.mainWindow();
        fill(w, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("按钮确定曲线")), Qt::LeftButton);

        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        const QList<QPointF> curve = forecastCurve(app);
        QCOMPARE(curve.size(), 4);
        QCOMPARE(curve[0], QPointF(0, percent(13)));
        QVERIFY(qAbs(curve[0].y() - 14.94) < 0.01);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(curve[i], QPointF(i, percent(13 + units[i - 1])));
        for (const char *name : kBoxes)
            QVERIFY2(box(w, name)->text().isEmpty(), name);
    }

    void incompleteInputChangesNothing()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        clearForecastChart(app);
        app.state().forecastIn = {4, 5, 6};
        // A typed 0 empties its box on focus loss, which then counts as missing.
        fill(w, {"555", "555", "555", "555", "555", "0"});
        box(w, "编辑框减三")->normalise();
        QCOMPARE(box(w, "编辑框减三")->text(), QString());
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("按钮确定曲线")), Qt::LeftButton);

        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto &m = f.fakes.dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("请将信息输入完整!"));
        QCOMPARE(m.title, QStringLiteral("警告!"));
        QCOMPARE(m.icon, platform::Icon::None);
        QCOMPARE(m.buttons, platform::Buttons::Ok);
        QCOMPARE(app.state().forecastIn, (std::array<int, 3>{4, 5, 6}));
        QCOMPARE(box(w, "编辑框加一")->text(), QStringLiteral("555")); // the boxes keep their texts
        QCOMPARE(forecastCurve(app), (QList<QPointF>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    }

    void clearKeepsTheForecast()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addRecords(app, 5, 0);
        MainWindow *w = app.mainWindow();
        fill(w, {"1110", "1", "1", "1", "1", "1"});
        enterForecast(app);
        QCOMPARE(app.state().forecastIn, (std::array<int, 3>{2, 0, 0}));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("按钮清空")), Qt::LeftButton);
        QCOMPARE(forecastCurve(app), (QList<QPointF>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
        QCOMPARE(app.state().forecastIn, (std::array<int, 3>{2, 0, 0}));
    }
};

QTEST_MAIN(TestForecast)
#include "test_forecast.moc"
