// The order store: record operations, the query view, and files that must never be altered.

#include "binview/map/orderstore.h"
#include "platform/dates.h"
#include "platform/files.h"

#include "support/testenv.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace binview;

namespace {

double day(int y, int m, int d)
{
    return platform::dateFromDateTime(QDateTime(QDate(y, m, d), QTime(0, 0)));
}

QString storeIn(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("库位数据.edb"));
    OrderStore::createEmpty(path);
    return path;
}

QStringList column(OrderStore &store, int col)
{
    QStringList out;
    for (int i = 1; i <= store.rowCount(); ++i)
        out.append(store.cellText(i, col));
    return out;
}

} // namespace

class TestOrderStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blankRecordAndWrites()
    {
        QTemporaryDir dir;
        OrderStore store;
        QCOMPARE(store.open(storeIn(dir)), OrderStore::Status::Open);
        QVERIFY(store.select(kTableName));
        QCOMPARE(store.count(), 0);
        QCOMPARE(store.recordNumber(), 0);

        QVERIFY(store.addBlank());
        QCOMPARE(store.recordNumber(), 1);
        QCOMPARE(store.read(QStringLiteral("订单号")).toString(), QString());
        QCOMPARE(store.read(QStringLiteral("订单数量")).toInt(), 0);
        QCOMPARE(store.readDisplay(QStringLiteral("出货日期")), QStringLiteral("待定"));
        QCOMPARE(store.readText(QStringLiteral("出货日期")), QStringLiteral("1899年12月30日"));
        // The query view gives empty text for both dates of a blank record.
        QCOMPARE(store.cellText(1, DateIn), QString());
        QCOMPARE(store.cellText(1, ShipDate), QString());

        QVERIFY(store.write(1, QStringLiteral("SO-1")));
        QVERIFY(store.write(QStringLiteral("区域"), QStringLiteral("B8")));
        QVERIFY(store.write(4, QStringLiteral("１２")));
        QVERIFY(store.write(6, day(2008, 6, 26)));
        QCOMPARE(store.cellText(1, OrderNo), QStringLiteral("SO-1"));
        QCOMPARE(store.cellText(1, BinCode), QStringLiteral("B8"));
        QCOMPARE(store.cellText(1, Quantity), QStringLiteral("12"));
        QCOMPARE(store.cellText(1, ShipDate), QStringLiteral("2008年6月26日"));
        QVERIFY(!store.write(8, 1));
        QVERIFY(!store.write(QStringLiteral("没有"), 1));

        // Everything is durable at once: a second store on the same file sees it.
        OrderStore other;
        QCOMPARE(other.open(store.path()), OrderStore::Status::Open);
        QCOMPARE(other.rowCount(), 1);
        QCOMPARE(other.cellText(1, ShipDate), QStringLiteral("2008年6月26日"));
    }

    void deletePurgeAndFind()
    {
        QTemporaryDir dir;
        OrderStore store;
        store.open(storeIn(dir));
        for (const char *bin : {"A1", "B2", "C3", "B2"})
            testenv::addOrder(store, QStringLiteral("O") + QLatin1String(bin), QLatin1String(bin), {}, 1, 0, 0);

        store.first();
        auto inB2 = [](const OrderRecord &r) { return r.bin == QStringLiteral("B2"); };
        QVERIFY(store.find(inB2));
        QCOMPARE(store.recordNumber(), 2);
        QVERIFY(store.find(inB2)); // the current record is tested first
        QCOMPARE(store.recordNumber(), 2);
        store.skip();
        QVERIFY(store.find(inB2));
        QCOMPARE(store.recordNumber(), 4);
        store.skip(-1);
        QCOMPARE(store.recordNumber(), 3);
        QVERIFY(!store.find([](const OrderRecord &r) { return r.bin == QStringLiteral("E1"); }));
        QCOMPARE(store.recordNumber(), 3);

        QVERIFY(store.remove());
        QCOMPARE(store.count(), 4); // marked, not yet gone
        QVERIFY(store.purge());
        QCOMPARE(store.recordNumber(), 1);
        QCOMPARE(column(store, BinCode), (QStringList{"A1", "B2", "B2"}));

        OrderStore reopened;
        reopened.open(store.path());
        QCOMPARE(column(reopened, BinCode), (QStringList{"A1", "B2", "B2"}));
    }

    void seesOtherProcessWrites()
    {
        QTemporaryDir dir;
        OrderStore store;
        store.open(storeIn(dir));
        QCOMPARE(store.rowCount(), 0);
        {
            OrderStore writer; // another connection stands for another process
            writer.open(store.path());
            testenv::addOrder(writer, QStringLiteral("X"), QStringLiteral("D1"), {}, 1, 0, 0);
        }
        QCOMPARE(store.rowCount(), 1);
        QCOMPARE(store.cellText(1, BinCode), QStringLiteral("D1"));
    }

    void transactionRollsBack()
    {
        QTemporaryDir dir;
        OrderStore store;
        store.open(storeIn(dir));
        QVERIFY(store.beginTransaction());
        testenv::addOrder(store, QStringLiteral("X"), QStringLiteral("D1"), {}, 1, 0, 0);
        QCOMPARE(store.rowCount(), 1);
        store.rollbackTransaction();
        QCOMPARE(store.rowCount(), 0);
        OrderStore other;
        other.open(store.path());
        QCOMPARE(other.rowCount(), 0);
    }

    void refusedFilesAreLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::newRow("garbage") << QByteArray(4096, 'x') << int(OrderStore::Status::Damaged);
        QTest::newRow("truncated header") << QByteArray("SQLite format 3\0", 16) << int(OrderStore::Status::Damaged);
    }
    void refusedFilesAreLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("库位数据.edb"));
        QVERIFY(platform::writeFileAtomic(path, content));
        OrderStore store;
        QCOMPARE(int(store.open(path)), status);
        QVERIFY(!store.isOpen());
        QCOMPARE(store.rowCount(), 0);
        QVERIFY(!store.addBlank());
        QVERIFY(!store.errorText().isEmpty());
        QByteArray after;
        platform::readFile(path, &after);
        QCOMPARE(after, content);
    }

    void foreignDatabaseIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("other.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE t (x)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        QByteArray before;
        platform::readFile(path, &before);
        OrderStore store;
        QCOMPARE(store.open(path), OrderStore::Status::NotOurs);
        QByteArray after;
        platform::readFile(path, &after);
        QCOMPARE(after, before);
    }

    void missingFileIsNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.edb"));
        OrderStore store;
        QCOMPARE(store.open(path), OrderStore::Status::Missing);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(store.count(), 0);
        store.first();
        QVERIFY(!store.find([](const OrderRecord &) { return true; }));
    }

    void queryViewFollowsProvider()
    {
        QTemporaryDir dir;
        OrderStore store;
        store.open(storeIn(dir));
        testenv::addOrder(store, QStringLiteral("X"), QStringLiteral("D1"), {}, 1, day(2008, 6, 1), 0);
        QueryView view(&store);
        QCOMPARE(view.rowCount(), 0); // no provider path yet
        view.setProviderPath(store.path());
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(view.cellText(1, DateIn), QStringLiteral("2008年6月1日"));
        QCOMPARE(view.cellText(1, ShipDate), QString());
        QCOMPARE(view.cellDate(1, ShipDate), platform::kMinDate);
    }
};

QTEST_GUILESS_MAIN(TestOrderStore)
#include "test_orderstore.moc"
