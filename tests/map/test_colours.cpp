// The colour pass, the colour lookup and the overview statistics.

#include "binview/map/colours.h"
#include "binview/map/overview.h"
#include "binview/map/orderstore.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

#include "support/testenv.h"

#include <QTemporaryDir>
#include <QTest>

using namespace binview;

namespace {

const double kDay = platform::dateFromDateTime(QDateTime(QDate(2008, 6, 26), QTime(0, 0)));

struct Store {
    Store()
    {
        path = dir.filePath(QStringLiteral("库位数据.edb"));
        OrderStore::createEmpty(path);
        store.open(path);
        view.setProviderPath(path);
    }
    void add(const QString &bin, double ship, const QString &orderNo = QStringLiteral("SO"))
    {
        testenv::addOrder(store, orderNo, bin, QStringLiteral("M"), 1, kDay, ship);
    }
    QString table() const { return dir.filePath(QStringLiteral("clor.ini")); }
    QTemporaryDir dir;
    QString path;
    OrderStore store;
    QueryView view{&store};
};

} // namespace

class TestColours : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void word_data()
    {
        QTest::addColumn<double>("now");
        QTest::addColumn<int>("shipOffset"); // days after the reference day; 9999 = pending
        QTest::addColumn<QString>("word");
        const double ten = kDay + 10.0 / 24;
        QTest::newRow("10:00, due today") << ten << 0 << kBlack;
        QTest::newRow("10:00, yesterday") << ten << -1 << kBlack;
        QTest::newRow("10:00, D+1") << ten << 1 << kRed;
        QTest::newRow("10:00, D+2") << ten << 2 << kRed;
        QTest::newRow("10:00, D+3") << ten << 3 << kRed;
        QTest::newRow("10:00, D+4") << ten << 4 << kBlue;
        QTest::newRow("10:00, pending") << ten << 9999 << kBlue;
        QTest::newRow("midnight, due today") << kDay << 0 << kBlue;
        QTest::newRow("midnight, D+1") << kDay << 1 << kRed;
        QTest::newRow("midnight, D+3") << kDay << 3 << kBlue;
        QTest::newRow("midnight, D-1") << kDay << -1 << kBlack;
    }
    void word()
    {
        QFETCH(double, now);
        QFETCH(int, shipOffset);
        QFETCH(QString, word);
        Store s;
        s.add(QStringLiteral("B8"), shipOffset == 9999 ? platform::kEmptyDate : kDay + shipOffset);
        colourPass(s.view, now, s.table());
        QCOMPARE(platform::readProfileString(s.table(), QStringLiteral("B8"), kColourKey), word);
    }

    void passMatchesRowByRowWrites()
    {
        Store s;
        QVERIFY(platform::writeFileAtomic(s.table(), platform::toCodePage(QStringLiteral("[C1]\r\n颜色=绿色\r\n[b8]\r\nx=1\r\n"))));
        s.add(QStringLiteral("B8"), kDay + 10);     // blue, then overwritten by the later row
        s.add(QStringLiteral("A1"), kDay + 1);      // red
        s.add(QStringLiteral("B8"), kDay - 5);      // black: the last row of B8 wins
        s.add(QStringLiteral("E12"), platform::kEmptyDate);
        const double now = kDay + 0.5;

        // The same rows written one by one, as the words fall.
        platform::IniDocument expected;
        expected.load(s.table());
        for (int i = 1; i <= s.view.rowCount(); ++i)
            expected.setValue(s.view.cellText(i, BinCode), kColourKey,
                              colourWord(s.view.cellDate(i, ShipDate), s.view.cellText(i, ShipDate).isEmpty(), now));

        const ColourPassResult r = colourPass(s.view, now, s.table());
        QVERIFY(r.fileWritten);
        QByteArray bytes;
        platform::readFile(s.table(), &bytes);
        QCOMPARE(platform::fromCodePage(bytes), expected.text());
        QCOMPARE(platform::readProfileString(s.table(), QStringLiteral("B8"), kColourKey), kBlack);
        QCOMPARE(platform::readProfileString(s.table(), QStringLiteral("C1"), kColourKey), kGreen); // no row: kept

        // Nothing changed: the table is not replaced.
        const ColourPassResult again = colourPass(s.view, now, s.table());
        QVERIFY(!again.fileWritten);
        QCOMPARE(again.binsWritten, 0);
    }

    void emptyStoreWritesNothing()
    {
        Store s;
        const ColourPassResult r = colourPass(s.view, kDay, s.table());
        QVERIFY(!r.fileWritten);
        QVERIFY(!QFileInfo::exists(s.table()));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<uint>("colour");
        const uint previous = packColour(1, 2, 3);
        QTest::newRow("red") << kRed << uint(packColour(255, 0, 0));
        QTest::newRow("green") << kGreen << uint(packColour(0, 255, 0));
        QTest::newRow("blue") << kBlue << uint(packColour(0, 0, 255));
        QTest::newRow("black") << kBlack << uint(0);
        QTest::newRow("unknown word keeps the colour") << QStringLiteral("紫色") << previous;
        QTest::newRow("missing keeps the colour") << QString() << previous;
        QTest::newRow("case and spaces matter") << QStringLiteral("红色 x") << previous;
    }
    void lookup()
    {
        QFETCH(QString, word);
        QFETCH(uint, colour);
        platform::IniDocument table;
        if (!word.isEmpty())
            table.setValue(QStringLiteral("A1"), kColourKey, word);
        PackedColour paint = packColour(1, 2, 3);
        lookupColour(table, QStringLiteral("A1"), paint);
        QCOMPARE(uint(paint), colour);
        QCOMPARE(packColour(255, 0, 0), 255u);
        QCOMPARE(packColour(0, 0, 255), 255u * 65536u);
    }

    void statistics()
    {
        Store s;
        OverviewStats empty = overviewStats(s.view, QStringLiteral("2008年6月26日"));
        QCOMPARE(empty.used, 0);
        QCOMPARE(empty.label, QStringLiteral("今日日期：2008年6月26日\r\n总库位：87库位\r\n已经用库位：0库位\r\n使用率：0%"));
        for (const char *bin : {"A1", "d2", "A3", "B1", "B2", "C1", "C2", "E1", "E2", "X9"})
            s.add(QLatin1String(bin), kDay);
        const OverviewStats st = overviewStats(s.view, QStringLiteral("2008年6月26日"));
        QCOMPARE(st.doubleRowCount, 3);
        QCOMPARE(st.used, 13);
        QCOMPARE(st.rate, 14);
        QCOMPARE(st.label, QStringLiteral("今日日期：2008年6月26日\r\n总库位：87库位\r\n已经用库位：13库位\r\n使用率：14%"));

        // A code naming both A and D counts twice; over 87 units the rate passes 100.
        for (int i = 0; i < 80; ++i)
            s.add(QStringLiteral("AD"), kDay);
        const OverviewStats full = overviewStats(s.view, QString());
        QCOMPARE(full.used, 90 + 3 + 160);
        QCOMPARE(full.rate, 290);
    }

    void zoneTexts()
    {
        Store s;
        s.add(QStringLiteral("C1"), kDay, QStringLiteral("SO-1"));
        s.add(QStringLiteral("a2"), kDay, QStringLiteral("SO-2"));
        s.add(QStringLiteral("X9"), kDay, QStringLiteral("SO-3"));
        s.add(QStringLiteral("C2"), kDay, QStringLiteral("SO-4"));
        s.add(QStringLiteral("BE"), kDay, QStringLiteral("SO-5")); // first matching letter decides
        const auto texts = zoneOrderTexts(s.view);
        QCOMPARE(texts[0], QStringLiteral("   a2：  SO-2"));
        QCOMPARE(texts[1], QStringLiteral("   BE：  SO-5"));
        QCOMPARE(texts[2], QStringLiteral("   C1：  SO-1   C2：  SO-4"));
        QCOMPARE(texts[3], QString());
        QCOMPARE(texts[4], QString());
    }

    void shortTermLabel()
    {
        QCOMPARE(shortTermText(QStringLiteral("2008年6月26日"), 12, 2),
                 QStringLiteral("今日日期：2008年6月26日\r\n总库位：87库位\r\n已经用库位：14库位\r\n使用率：13.79310344828%"));
    }
};

QTEST_GUILESS_MAIN(TestColours)
#include "test_colours.moc"
