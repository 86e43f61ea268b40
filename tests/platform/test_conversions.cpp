// Text-to-number, number formats and date text, both ways.

#include "platform/dates.h"
#include "platform/text.h"

#include <QTest>

class TestConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "120" << 120;
        QTest::newRow("leading blanks and sign") << "  -45abc" << -45;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("full-width digits") << QStringLiteral("１２３") << 123;
        QTest::newRow("full-width minus and space") << QStringLiteral("　－８") << -8;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("digits then text") << "12箱" << 12;
        QTest::newRow("saturates") << "99999999999999" << INT_MAX;
        QTest::newRow("saturates negative") << "-99999999999999" << INT_MIN;
    }
    void textToInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(platform::textToInt(text), value);
    }

    void numberFormats()
    {
        QCOMPARE(platform::realToText(12.0 / 87 * 100), QStringLiteral("13.79310344828"));
        QCOMPARE(platform::realToText(14), QStringLiteral("14"));
        QCOMPARE(platform::truncPixel(12.9), 12);
        QCOMPARE(platform::truncPixel(-12.9), -12);
        QCOMPARE(platform::trimBlanks(QStringLiteral("　 a b 　")), QStringLiteral("a b"));
        QCOMPARE(platform::trimBlanks(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    }

    void codePageRoundTrip()
    {
        const QString text = QStringLiteral("[A1]\r\n颜色=绿色 𠀀");
        const QByteArray bytes = platform::toCodePage(text);
        QCOMPARE(bytes.left(4), QByteArray("[A1]"));
        QCOMPARE(bytes.mid(6, 4), QByteArray("\xD1\xD5\xC9\xAB")); // 颜色 in GBK
        QCOMPARE(platform::fromCodePage(bytes), text);
    }

    void dateText_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << QDateTime(QDate(2008, 6, 26), QTime(0, 0)) << QStringLiteral("2008年6月26日");
        QTest::newRow("whole hour") << QDateTime(QDate(2008, 6, 26), QTime(9, 0)) << QStringLiteral("2008年6月26日9时");
        QTest::newRow("minutes") << QDateTime(QDate(2008, 6, 26), QTime(9, 5)) << QStringLiteral("2008年6月26日9时5分");
        QTest::newRow("seconds") << QDateTime(QDate(2008, 12, 1), QTime(0, 0, 7)) << QStringLiteral("2008年12月1日0时0分7秒");
        QTest::newRow("empty date") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << QStringLiteral("1899年12月30日");
        QTest::newRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << QStringLiteral("1899年12月29日6时");
    }
    void dateText()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, text);
        const double value = platform::dateFromDateTime(moment);
        QCOMPARE(platform::dateToText(value), text);
        QCOMPARE(platform::textToDate(text), value);
        QCOMPARE(platform::dateTimeFromDate(value), moment);
        QCOMPARE(platform::dateRoundTrip(value), platform::textToDate(platform::dateToText(value)));
    }

    void dateValues()
    {
        QCOMPARE(platform::dateFromDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
        QCOMPARE(platform::dateFromDateTime(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
        QCOMPARE(platform::dateFromDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0))), platform::kMinDate);
        QCOMPARE(platform::dateFromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    }

    void unparsableDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "待定";
        QTest::newRow("no such day") << QStringLiteral("2008年2月30日");
        QTest::newRow("bad hour") << QStringLiteral("2008年2月3日25时");
        QTest::newRow("full-width digits") << QStringLiteral("２００８年2月3日");
    }
    void unparsableDates()
    {
        QFETCH(QString, text);
        QCOMPARE(platform::textToDate(text), platform::kMinDate);
    }

    void otherDateForms()
    {
        QCOMPARE(platform::textToDate(QStringLiteral("2008-6-26")), platform::textToDate(QStringLiteral("2008年6月26日")));
        QCOMPARE(platform::textToDate(QStringLiteral(" 2008/06/26 9:05 ")),
                 platform::textToDate(QStringLiteral("2008年6月26日9时5分")));
    }

    void roundTripMatchesText()
    {
        // The fast read-back used by the query view must equal the detour through text.
        for (double v : {0.0, 1e-9, 0.4999999, 39625.0, 39625.99999999, -1.5, -657434.0, -700000.0, 3000000.0, 2958465.5})
            QCOMPARE(platform::dateRoundTrip(v), platform::textToDate(platform::dateToText(v)));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "test_conversions.moc"
