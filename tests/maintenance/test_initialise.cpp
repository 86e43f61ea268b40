// Initialisation: both templates over the live files, the messages, the end of the program, and
// nothing of the old store coming back.

#include "binview/maintenance/maintenance.h"
#include "binview/map/bins.h"
#include "binview/map/colours.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/bintile.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/ini.h"

#include "support/testenv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

using namespace binview;

namespace {

QByteArray bytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

int storedRows(const QString &path)
{
    OrderStore store;
    if (store.open(path) != OrderStore::Status::Open)
        return -1;
    return store.rowCount();
}

// Two orders, the colour table coloured from them, and the files initialisation must not touch.
void prepare(testenv::BinviewFixture &f, Application &app)
{
    const double today = platform::dateFromDateTime(QDateTime(QDate(2008, 6, 26), QTime(0, 0)));
    testenv::addOrder(app.store(), QStringLiteral("SO-1"), QStringLiteral("B8"), QStringLiteral("X"), 1, today,
                      today + 1);
    testenv::addOrder(app.store(), QStringLiteral("SO-2"), QStringLiteral("C2"), QStringLiteral("X"), 1, today, 0);
    app.mapRefresh();
    QCOMPARE(platform::readProfileString(app.colourTablePath(), QStringLiteral("B8"), kColourKey), kRed);
    platform::writeProfileString(f.run.path(QStringLiteral("set.ini")), QStringLiteral("提醒"),
                                 QStringLiteral("提醒开启"), QStringLiteral("假"));
    platform::makeFolder(f.run.path(QStringLiteral("备份/2008年6月25日")));
    platform::writeFileAtomic(f.run.path(QStringLiteral("ups.dat")), "users");
}

} // namespace

class TestInitialise : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cancelLeavesBothFiles()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        prepare(f, app);
        const QByteArray colours = bytes(app.colourTablePath());
        f.fakes.dialogs.answers.push_back(platform::Answer::Cancel);
        initialiseCommand(app);

        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto &ask = f.fakes.dialogs.messages.first();
        QCOMPARE(ask.text, QStringLiteral("是否决定初始化系统?"));
        QCOMPARE(ask.title, QStringLiteral("警告"));
        QCOMPARE(ask.icon, platform::Icon::None);
        QCOMPARE(ask.buttons, platform::Buttons::OkCancel);
        QCOMPARE(bytes(app.colourTablePath()), colours);
        QVERIFY(app.store().isOpen());
        QCOMPARE(app.store().rowCount(), 2);
        QCOMPARE(f.fakes.quitter.quits, 0);
    }

    void successResetsAndEnds()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        prepare(f, app);
        const QByteArray settings = bytes(f.run.path(QStringLiteral("set.ini")));
        initialiseCommand(app);

        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        const auto &done = f.fakes.dialogs.messages.last();
        QCOMPARE(done.text, QStringLiteral("初始化完毕！请重新进入！"));
        QCOMPARE(done.title, platform::kDefaultMessageTitle);
        QCOMPARE(done.icon, platform::Icon::None);
        QCOMPARE(done.buttons, platform::Buttons::Ok);
        QCOMPARE(f.fakes.quitter.quits, 1);
        QCOMPARE(f.fakes.quitter.quitCode, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.mainWindow());

        QCOMPARE(bytes(app.colourTablePath()), bytes(f.run.path(QStringLiteral("dat/clor.ini"))));
        QCOMPARE(bytes(app.storePath()), bytes(f.run.path(QStringLiteral("dat/库位数据.edb"))));
        QVERIFY(!QFileInfo::exists(app.storePath() + QStringLiteral("-journal")));

        // Whatever still runs before the process ends writes nothing of the old store back.
        app.colourPass();
        app.mapRefresh();
        f.app.reset();
        QCOMPARE(storedRows(f.run.path(QStringLiteral("库位数据.edb"))), 0);
        QCOMPARE(bytes(f.run.path(QStringLiteral("clor.ini"))), bytes(f.run.path(QStringLiteral("dat/clor.ini"))));

        // Users, settings and backups are as they were.
        QCOMPARE(bytes(f.run.path(QStringLiteral("ups.dat"))), QByteArray("users"));
        QCOMPARE(bytes(f.run.path(QStringLiteral("set.ini"))), settings);
        QVERIFY(QFileInfo(f.run.path(QStringLiteral("备份/2008年6月25日"))).isDir());

        // The next start shows an empty warehouse.
        f.fakes.dialogs.messages.clear();
        Application &again = f.start();
        QCOMPARE(again.mainWindow()->orderList()->rowCount(), 0);
        for (const Bin &bin : bins())
            QCOMPARE(again.mainWindow()->zoneTile(bin.code)->colour(), packColour(0, 255, 0));
    }

    void failurePoints_data()
    {
        QTest::addColumn<QString>("missingTemplate");
        QTest::addColumn<bool>("coloursReset");
        QTest::newRow("colour table template missing") << "dat/clor.ini" << false;
        QTest::newRow("store template missing") << "dat/库位数据.edb" << true;
    }
    void failurePoints()
    {
        QFETCH(QString, missingTemplate);
        QFETCH(bool, coloursReset);
        testenv::BinviewFixture f;
        Application &app = f.start();
        prepare(f, app);
        const QByteArray colours = bytes(app.colourTablePath());
        const QByteArray templateColours = bytes(f.run.path(QStringLiteral("dat/clor.ini")));
        QVERIFY(QFile::remove(f.run.path(missingTemplate)));
        initialiseCommand(app);

        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        const auto &failed = f.fakes.dialogs.messages.last();
        QCOMPARE(failed.text, QStringLiteral("初始化失败！"));
        QCOMPARE(failed.title, platform::kDefaultMessageTitle);
        QCOMPARE(failed.icon, platform::Icon::None);
        QCOMPARE(f.fakes.quitter.quits, 0);
        QVERIFY(app.mainWindow());
        QCOMPARE(bytes(app.colourTablePath()), coloursReset ? templateColours : colours);
        // The program goes on with its orders: the store is open and holds them.
        QVERIFY(app.store().isOpen());
        QCOMPARE(app.store().rowCount(), 2);
        app.mapRefresh();
        QCOMPARE(platform::readProfileString(app.colourTablePath(), QStringLiteral("B8"), kColourKey), kRed);
    }
};

QTEST_MAIN(TestInitialise)
#include "test_initialise.moc"
