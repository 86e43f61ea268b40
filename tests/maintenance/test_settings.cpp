// The settings page, "set.ini", the start-up reminder and the autostart entry.

#include "binview/maintenance/maintenance.h"
#include "binview/maintenance/settings.h"
#include "binview/shell/mainwindow.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

#include "support/testenv.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace binview;

namespace {

QCheckBox *reminderBox(MainWindow *w)
{
    return w->findChild<QCheckBox *>(QStringLiteral("选择框提醒"));
}
QPlainTextEdit *reminderText(MainWindow *w)
{
    return w->findChild<QPlainTextEdit *>(QStringLiteral("编辑框提醒"));
}
void pressSet(MainWindow *w)
{
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("按钮2")), Qt::LeftButton);
}

QByteArray bytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private:
    QTemporaryDir autostart_;

private Q_SLOTS:
    void initTestCase()
    {
        // Never the real home folder.
        setAutostartFolder(autostart_.filePath(QStringLiteral("autostart")));
    }

    void pageLayout()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        MainWindow *w = app.mainWindow();
        QWidget *page = w->tabs()->widget(9);
        auto *autostart = w->findChild<QCheckBox *>(QStringLiteral("选择框1"));
        QVERIFY(autostart && page->isAncestorOf(autostart));
        QCOMPARE(autostart->text(), QStringLiteral("随开机自动启动"));
        QVERIFY(!autostart->isChecked());
        QCOMPARE(autostart->geometry(), QRect(48, 23, 167, 16));
        QCOMPARE(autostart->parentWidget()->geometry(), QRect(9, 22, 750, 63));
        QCOMPARE(reminderBox(w)->text(), QStringLiteral("启用提示"));
        QVERIFY(reminderBox(w)->isChecked());
        QCOMPARE(reminderBox(w)->parentWidget()->geometry(), QRect(8, 104, 750, 189));
        QCOMPARE(reminderText(w)->toPlainText(), QStringLiteral("欢迎使用Halvex 仓库管理软件 !!"));
        QCOMPARE(reminderText(w)->geometry(), QRect(24, 35, 704, 130));
        auto *set = w->findChild<QPushButton *>(QStringLiteral("按钮2"));
        QCOMPARE(set->text(), QStringLiteral("设置"));
        QCOMPARE(set->geometry(), QRect(648, 453, 104, 40));
        QVERIFY(page->isAncestorOf(set));
    }

    void firstRunThenReminder()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        QVERIFY(f.fakes.dialogs.messages.isEmpty()); // no set.ini: no reminder
        QVERIFY(!QFileInfo::exists(f.run.path(QStringLiteral("set.ini"))));
        pressSet(app.mainWindow());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto &stored = f.fakes.dialogs.messages.first();
        QCOMPARE(stored.text, QStringLiteral("设置成功"));
        QCOMPARE(stored.title, platform::kDefaultMessageTitle);
        QCOMPARE(stored.icon, platform::Icon::None);
        QCOMPARE(stored.buttons, platform::Buttons::Ok);
        const QString file = f.run.path(QStringLiteral("set.ini"));
        QCOMPARE(platform::readProfileString(file, kReminderSection, kReminderOnKey), QStringLiteral("真"));

        f.fakes.dialogs.messages.clear();
        f.app.reset();
        f.start();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto &reminder = f.fakes.dialogs.messages.first();
        QCOMPARE(reminder.text, QStringLiteral("欢迎使用Halvex 仓库管理软件 !!"));
        QCOMPARE(reminder.title, QStringLiteral("Halvex提醒"));
        QCOMPARE(reminder.icon, platform::Icon::None);
        QCOMPARE(reminder.buttons, platform::Buttons::Ok);
    }

    void switchedOffKeepsTheText()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        reminderText(app.mainWindow())->setPlainText(QStringLiteral("盘点日"));
        reminderBox(app.mainWindow())->setChecked(false);
        pressSet(app.mainWindow());
        const QString file = f.run.path(QStringLiteral("set.ini"));
        QCOMPARE(platform::readProfileString(file, kReminderSection, kReminderOnKey), QStringLiteral("假"));
        QCOMPARE(platform::readProfileString(file, kReminderSection, kReminderTextKey), QStringLiteral("盘点日"));
        QVERIFY(bytes(file).contains(platform::toCodePage(QStringLiteral("提醒内容=\"盘点日\"\r\n"))));
        f.fakes.dialogs.messages.clear();
        f.app.reset();
        f.start();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void reminderComesBackWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two lines") << "第一行\n第二行";
        QTest::newRow("a line that looks like a key") << "注意\n提醒开启=假";
        QTest::newRow("a line that looks like a section") << "注意\n[提醒]\n提醒开启=假\n[其他]";
        QTest::newRow("backslashes and escapes") << "C:\\\\新\\n建\\r\n第二行\\";
        QTest::newRow("blank lines and spaces") << "\n  前后空格  \n\n";
        QTest::newRow("quoted") << "\"引号\"";
        QTest::newRow("surrounding blanks") << "  前后空格　";
        QTest::newRow("one quote") << "\"";
        QTest::newRow("empty") << "";
    }
    void reminderComesBackWhole()
    {
        QFETCH(QString, typed);
        testenv::BinviewFixture f;
        Application &app = f.start();
        reminderText(app.mainWindow())->setPlainText(typed);
        pressSet(app.mainWindow());
        const QString file = f.run.path(QStringLiteral("set.ini"));
        platform::IniDocument doc;
        QVERIFY(doc.load(file));
        // One section with its two keys: nothing typed became part of the file's structure.
        QCOMPARE(doc.sections(), QStringList{QStringLiteral("提醒")});
        QCOMPARE(bytes(file).count("\r\n"), 3);
        QCOMPARE(doc.value(kReminderSection, kReminderOnKey), QStringLiteral("真"));

        f.fakes.dialogs.messages.clear();
        f.app.reset();
        f.start();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().text, typed);
        QCOMPARE(f.fakes.dialogs.messages.first().title, QStringLiteral("Halvex提醒"));
    }

    void reminderOnlyForExactlyTrue_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("shown");
        QTest::newRow("真") << "真" << true;
        QTest::newRow("假") << "假" << false;
        QTest::newRow("other") << "是" << false;
        QTest::newRow("empty") << "" << false;
    }
    void reminderOnlyForExactlyTrue()
    {
        QFETCH(QString, flag);
        QFETCH(bool, shown);
        testenv::BinviewFixture f;
        const QString file = f.run.path(QStringLiteral("set.ini"));
        platform::writeProfileString(file, kReminderSection, kReminderOnKey, flag);
        platform::writeProfileString(file, kReminderSection, kReminderTextKey, QStringLiteral("提醒"));
        f.start();
        QCOMPARE(f.fakes.dialogs.messages.size(), shown ? 1 : 0);
    }

    void textIsLimitedToOneHundredCharacters()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        QPlainTextEdit *edit = reminderText(app.mainWindow());
        edit->setPlainText(QString(98, u'字'));
        edit->moveCursor(QTextCursor::End);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("abcd"));
        QCOMPARE(edit->toPlainText(), QString(98, u'字') + QStringLiteral("ab"));
        // Pasted text is cut as well.
        edit->moveCursor(QTextCursor::Start);
        edit->insertPlainText(QStringLiteral("粘贴"));
        QCOMPARE(edit->toPlainText().size(), 100);
        QVERIFY(edit->toPlainText().startsWith(QStringLiteral("粘贴字")));
    }

    void failedWriteShowsNothing()
    {
        testenv::BinviewFixture f;
        Application &app = f.start();
        QVERIFY(platform::makeFolder(f.run.path(QStringLiteral("set.ini/x")))); // a folder in its place
        pressSet(app.mainWindow());
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void autostartEntry()
    {
        const QString entry = autostartEntryPath();
        QVERIFY(entry.startsWith(autostart_.path()));
        QVERIFY(!QFileInfo::exists(entry));
        {
            testenv::BinviewFixture f;
            Application &app = f.start();
            auto *box = app.mainWindow()->findChild<QCheckBox *>(QStringLiteral("选择框1"));
            box->setChecked(true);
            pressSet(app.mainWindow());
            QVERIFY(autostartRegistered());
            const QString text = QString::fromUtf8(bytes(entry));
            QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
            QVERIFY(text.contains(QStringLiteral("Type=Application\n")));
            QVERIFY(text.contains(QStringLiteral("Exec=\"%1\"\n").arg(QCoreApplication::applicationFilePath())));
            QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("设置成功"));
        }
        {
            // The box shows the entry, so "设置" with the page as opened keeps it.
            testenv::BinviewFixture f;
            Application &app = f.start();
            auto *box = app.mainWindow()->findChild<QCheckBox *>(QStringLiteral("选择框1"));
            QVERIFY(box->isChecked());
            pressSet(app.mainWindow());
            QVERIFY(autostartRegistered());
            box->setChecked(false);
            pressSet(app.mainWindow());
            QVERIFY(!QFileInfo::exists(entry));
        }
    }

    void autostartFailureIsReported()
    {
        const QString folder = autostart_.filePath(QStringLiteral("blocked"));
        QVERIFY(platform::writeFileAtomic(folder, "a file where the folder should be"));
        setAutostartFolder(folder);
        testenv::BinviewFixture f;
        Application &app = f.start();
        app.mainWindow()->findChild<QCheckBox *>(QStringLiteral("选择框1"))->setChecked(true);
        pressSet(app.mainWindow());
        setAutostartFolder(autostart_.filePath(QStringLiteral("autostart")));
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QVERIFY(f.fakes.dialogs.messages.first().text.startsWith(QStringLiteral("无法设置开机自动启动")));
        QCOMPARE(f.fakes.dialogs.messages.last().text, QStringLiteral("设置成功"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
