// Backup and the history window: folder and file names, the map page picture, the consistent
// store copy and the failures the clerk is told about.

#include "binview/maintenance/backup.h"
#include "binview/maintenance/maintenance.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/files.h"

#include "support/testenv.h"

#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace binview;

namespace {

double day(int y, int m, int d)
{
    return platform::dateFromDateTime(QDateTime(QDate(y, m, d), QTime(0, 0)));
}

void addTwo(OrderStore &store)
{
    testenv::addOrder(store, QStringLiteral("SO-1"), QStringLiteral("B8"), QStringLiteral("X1"), 100, day(2009, 3, 1),
                      0);
    testenv::addOrder(store, QStringLiteral("SO-2"), QStringLiteral("A1"), QStringLiteral("X2"), 200, day(2009, 3, 1),
                      day(2009, 3, 3), QStringLiteral("备注"));
}

QStringList orderNumbers(const QString &path)
{
    OrderStore copy;
    if (copy.open(path) != OrderStore::Status::Open)
        return {QStringLiteral("<not a store>")};
    QStringList out;
    for (const OrderRecord &r : copy.rows())
        out.append(r.orderNo);
    return out;
}

QStringList listing(const QString &folder)
{
    QStringList out;
    QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
        out.append(info.fileName());
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void folderNames_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("single digits") << QDate(2009, 3, 1) << "2009年3月1日";
        QTest::newRow("two digits") << QDate(2008, 12, 26) << "2008年12月26日";
        QTest::newRow("sixth of june") << QDate(2008, 6, 6) << "2008年6月6日";
    }
    void folderNames()
    {
        QFETCH(QDate, date);
        QFETCH(QString, name);
        QCOMPARE(backupFolderName(date), name);
    }

    void backupWritesPictureAndCopy()
    {
        testenv::BinviewFixture f;
        f.fakes.clock.time = QDateTime(QDate(2009, 3, 1), QTime(23, 59));
        Application &app = f.start();
        addTwo(app.store());
        app.mapRefresh();
        // The backup root is created when it is missing.
        QVERIFY(!QFileInfo::exists(f.run.path(QStringLiteral("备份"))));
        backupCommand(app);

        QCOMPARE(f.fakes.dialogs.messages.size(), 1); // the question only: success is silent
        const auto &ask = f.fakes.dialogs.messages.first();
        QCOMPARE(ask.text, QStringLiteral("确定备份实时仓库情况?"));
        QCOMPARE(ask.title, QStringLiteral("提示"));
        QCOMPARE(ask.icon, platform::Icon::None);
        QCOMPARE(ask.buttons, platform::Buttons::YesNo);
        QCOMPARE(app.mainWindow()->tabs()->currentIndex(), 0);

        const QString folder = f.run.path(QStringLiteral("备份/2009年3月1日"));
        QCOMPARE(listing(folder), (QStringList{"2009年3月1日.edb", "库位图.jpg"}));
        const QImage picture(folder + QStringLiteral("/库位图.jpg"), "BMP");
        QCOMPARE(picture.size(), QSize(767, 509));
        QVERIFY(fileBytes(folder + QStringLiteral("/库位图.jpg")).startsWith("BM"));
        QCOMPARE(orderNumbers(folder + QStringLiteral("/2009年3月1日.edb")), (QStringList{"SO-1", "SO-2"}));
        // The live store stays open and usable.
        QVERIFY(app.store().isOpen());
        QCOMPARE(app.store().rowCount(), 2);
    }

    void pictureShowsTheOverviewPage()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        testenv::addOrder(app.store(), QStringLiteral("SO-1"), QStringLiteral("B8"), QStringLiteral("X"), 1,
                          day(2008, 6, 20), day(2008, 6, 27)); // red: leaves tomorrow
        app.mapRefresh();
        app.mainWindow()->showPage(10);
        app.mainWindow()->showPage(0);
        const QImage picture = mapPagePicture(app);
        QCOMPARE(picture.size(), QSize(767, 509));
        // The mini-map tile of B8, relative to the canvas area at (2, 8).
        QWidget *tile = app.mainWindow()->findChild<QWidget *>(QStringLiteral("画板B8Z"));
        QVERIFY(tile);
        const QPoint centre =
            tile->mapTo(app.mainWindow()->tabs()->widget(0), tile->rect().bottomLeft() + QPoint(3, -3)) - QPoint(2, 8);
        QCOMPARE(QColor(picture.pixel(centre)), QColor(255, 0, 0));
    }

    void noLeavesFilesUntouched()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        app.mainWindow()->showPage(7);
        f.fakes.dialogs.answers.push_back(platform::Answer::No);
        backupCommand(app);
        QCOMPARE(app.mainWindow()->tabs()->currentIndex(), 0); // the page was switched before asking
        QVERIFY(!QFileInfo::exists(f.run.path(QStringLiteral("备份"))));
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
    }

    void secondBackupReplacesTheDay()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        backupCommand(app);
        const QString folder = f.run.path(QStringLiteral("备份/2008年6月26日"));
        QCOMPARE(orderNumbers(folder + QStringLiteral("/2008年6月26日.edb")), QStringList{});
        addTwo(app.store());
        backupCommand(app);
        QCOMPARE(listing(folder), (QStringList{"2008年6月26日.edb", "库位图.jpg"}));
        QCOMPARE(orderNumbers(folder + QStringLiteral("/2008年6月26日.edb")), (QStringList{"SO-1", "SO-2"}));
    }

    void dateComesFromTheTodayBox()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        app.mainWindow()->todayBox()->setDate(QDate(2010, 1, 2));
        backupCommand(app);
        QVERIFY(QFileInfo::exists(f.run.path(QStringLiteral("备份/2010年1月2日/2010年1月2日.edb"))));
    }

    void failedStepIsNamed_data()
    {
        QTest::addColumn<QString>("blocker");     // made a folder (or a file, for the root) first
        QTest::addColumn<QString>("named");       // the part of the message naming the failed step
        QTest::addColumn<QStringList>("written"); // what is in the day's folder afterwards
        QTest::newRow("root is a file") << "备份"
                                        << "无法创建备份文件夹" << QStringList{};
        QTest::newRow("picture cannot be written")
            << "备份/2008年6月26日/库位图.jpg/x"
            << "无法写入库位图" << QStringList{"2008年6月26日.edb", "库位图.jpg"};
        QTest::newRow("store cannot be copied") << "备份/2008年6月26日/2008年6月26日.edb/x"
                                                << "无法复制订单数据" << QStringList{"2008年6月26日.edb", "库位图.jpg"};
    }
    void failedStepIsNamed()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, named);
        QFETCH(QStringList, written);
        testenv::BinviewFixture f;
        Application &app = f.start();
        if (blocker == QStringLiteral("备份"))
            QVERIFY(platform::writeFileAtomic(f.run.path(blocker), "not a folder"));
        else
            QVERIFY(platform::makeFolder(f.run.path(blocker)));
        backupCommand(app);

        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        const auto &m = f.fakes.dialogs.messages.last();
        QVERIFY2(m.text.startsWith(QStringLiteral("备份未完成！")), qPrintable(m.text));
        QVERIFY2(m.text.contains(named), qPrintable(m.text));
        QCOMPARE(m.text.count(u'\n'), 1); // only the failed step is named
        QCOMPARE(m.icon, platform::Icon::Warning);
        QCOMPARE(listing(f.run.path(QStringLiteral("备份/2008年6月26日"))), written);
        QVERIFY(listing(f.run.path(QStringLiteral("备份/2008年6月26日"))).filter(QStringLiteral(".part")).isEmpty());
    }

    void missingStoreIsNamed()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        app.store().close();
        QVERIFY(QFile::remove(app.storePath()));
        backupCommand(app);
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QVERIFY(f.fakes.dialogs.messages.last().text.contains(QStringLiteral("无法复制订单数据")));
        QVERIFY(!QFileInfo::exists(app.storePath())); // the copy never creates the store
    }

    void copyIsConsistentWhileAWriteIsPending()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        addTwo(app.store());
        // A transaction in progress: its journal exists and its rows are not committed.
        QVERIFY(app.store().beginTransaction());
        testenv::addOrder(app.store(), QStringLiteral("SO-3"), QStringLiteral("C1"), QStringLiteral("X3"), 1,
                          day(2009, 3, 1), 0);
        QVERIFY(QFileInfo::exists(app.storePath() + QStringLiteral("-journal")));
        const QString copy = f.run.path(QStringLiteral("snapshot.edb"));
        QString why;
        QVERIFY2(copyStoreSnapshot(app.storePath(), copy, &why), qPrintable(why));
        QVERIFY(app.store().commitTransaction());
        QCOMPARE(orderNumbers(copy), (QStringList{"SO-1", "SO-2"}));
        QVERIFY(!QFileInfo::exists(copy + QStringLiteral("-journal")));
    }

    void historyOpensTheChosenDay()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        QRect geometry;
        QString title;
        f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
            title = d->windowTitle();
            geometry = QRect(QPoint(), d->size());
            auto *date = d->findChild<QDateEdit *>(QStringLiteral("日期框备份"));
            QVERIFY(date);
            QCOMPARE(date->date(), QDate(2008, 6, 26)); // starts at today
            QCOMPARE(date->geometry(), QRect(41, 12, 144, 24));
            date->setDate(QDate(2009, 3, 1));
            auto *ok = d->findChild<QPushButton *>(QStringLiteral("按钮查询备份"));
            QCOMPARE(ok->text(), QStringLiteral("确定"));
            QCOMPARE(ok->geometry(), QRect(200, 12, 48, 24));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        backupHistoryCommand(app);
        QCOMPARE(title, QStringLiteral("请选择已经备份的日期"));
        QCOMPARE(geometry.size(), QSize(273, 77));
        // The folder is opened whether or not it exists; the shell reports a missing one.
        QCOMPARE(f.fakes.shell.opened,
                 (QList<QUrl>{QUrl::fromLocalFile(f.run.path(QStringLiteral("备份/2009年3月1日")))}));
    }

    void historyClosedWithoutChoosing()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        backupHistoryCommand(app); // no driver: the window is closed at once
        QCOMPARE(f.fakes.dialogs.modalTitles, QStringList{QStringLiteral("请选择已经备份的日期")});
        QVERIFY(f.fakes.shell.opened.isEmpty());
    }
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
