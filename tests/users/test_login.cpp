// The login window: as the program's first window and as the modal "重登录".

#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "binview/users/accounts.h"
#include "binview/users/loginwindow.h"
#include "binview/users/usercommands.h"
#include "platform/cryptfile.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/testenv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace binview;
using platform::Icon;

namespace {

const QString kPlaceholder = QStringLiteral("************");
const QString kWrong = QStringLiteral("用户口令不正确，请重新输入！");
const QString kLastWrong = QStringLiteral("用户口令不正确，请勿非法登录！");

// Velqa with the default password, li with "abc", zhang with no password line.
const QString kThreeUsers = QStringLiteral("[分类信息]\r\n其他人员=假\r\n仓库管理员=真\r\n"
                                           "[Velqa]\r\n所属分类=仓库管理员\r\n口令=e10adc3949ba59abbe56e057f20f883e\r\n"
                                           "[li]\r\n所属分类=其他人员\r\n口令=900150983cd24fb0d6963f7d28e17f72\r\n"
                                           "[zhang]\r\n所属分类=其他人员\r\n");

void writeUsers(const QString &path, const QString &text)
{
    platform::CryptFile file(path, accounts::kFilePassword);
    QVERIFY(file.open(platform::CryptFile::Mode::ReadWrite));
    file.setText(platform::toCodePage(text));
    QVERIFY(file.save());
}

LoginWindow *shownLogin()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *login = qobject_cast<LoginWindow *>(w); login && login->isVisible())
            return login;
    }
    return nullptr;
}

template <typename T> T *part(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void submit(QWidget *login, const QString &password)
{
    part<QLineEdit>(login, "口令编辑框")->setText(password);
    part<QPushButton>(login, "登录按钮")->click();
}

void pickUser(QWidget *login, int index)
{
    auto *users = part<QComboBox>(login, "用户组合框");
    users->setCurrentIndex(index);
    emit users->activated(index);
}

// Starts the program as main() does: the login window first.
Application &startProgram(testenv::BinviewFixture &f)
{
    f.app = std::make_unique<Application>(f.fakes.seams(), f.run.dir.path());
    f.app->startProgram();
    return *f.app;
}

QStringList texts(const platform::testing::FakeDialogs &dialogs)
{
    QStringList out;
    for (const auto &m : dialogs.messages)
        out.append(m.text);
    return out;
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void firstWindowOnAFreshInstall()
    {
        testenv::BinviewFixture f;
        Application &app = startProgram(f);
        QVERIFY(!app.mainWindow());
        LoginWindow *login = shownLogin();
        QVERIFY(login);
        QCOMPARE(login->windowTitle(), QStringLiteral("仓库库位管理系统   Brenmark出品 "));
        QCOMPARE(login->size(), QSize(324, 238));
        auto *users = part<QComboBox>(login, "用户组合框");
        QCOMPARE(users->count(), 1);
        QCOMPARE(users->currentText(), QStringLiteral("Velqa"));
        QVERIFY(part<QLineEdit>(login, "口令编辑框")->text().isEmpty());
        QCOMPARE(part<QLineEdit>(login, "口令编辑框")->echoMode(), QLineEdit::Password);
        QVERIFY(!part<QCheckBox>(login, "选择框1")->isChecked());
        QCOMPARE(part<QPushButton>(login, "登录按钮")->text(), QStringLiteral("登录(&I)"));
        QCOMPARE(part<QPushButton>(login, "取消按钮")->text(), QStringLiteral("取消(&X)"));
        QCOMPARE(login->focusWidget(), part<QLineEdit>(login, "口令编辑框"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void loginAtStart_data()
    {
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QStringList>("messages");
        const QString reminder = kDefaultPasswordReminder;
        QTest::newRow("right") << QStringList{"123456"} << true << QStringList{reminder};
        QTest::newRow("wrong once, then right") << QStringList{"x", "123456"} << true << QStringList{kWrong, reminder};
        QTest::newRow("wrong twice, then right")
            << QStringList{"", "1234567", "123456"} << true << QStringList{kWrong, kWrong, reminder};
        QTest::newRow("wrong three times")
            << QStringList{"a", "b", "c"} << false << QStringList{kWrong, kWrong, kLastWrong};
        QTest::newRow("placeholder typed without a remembered digest")
            << QStringList{kPlaceholder, "123456"} << true << QStringList{kWrong, reminder};
    }
    void loginAtStart()
    {
        QFETCH(QStringList, passwords);
        QFETCH(bool, loggedIn);
        QFETCH(QStringList, messages);
        testenv::BinviewFixture f;
        Application &app = startProgram(f);
        QPointer<LoginWindow> login = shownLogin();
        QVERIFY(login);
        for (const QString &p : passwords) {
            QVERIFY(login && login->isVisible());
            submit(login, p);
        }
        QCOMPARE(texts(f.fakes.dialogs), messages);
        for (const auto &m : f.fakes.dialogs.messages) {
            if (m.text == kDefaultPasswordReminder) {
                QCOMPARE(m.title, QStringLiteral("提示"));
                QCOMPARE(m.icon, Icon::Information);
            } else {
                QCOMPARE(m.title, QStringLiteral("错误"));
                QCOMPARE(m.icon, m.text == kLastWrong ? Icon::Warning : Icon::Information);
            }
        }
        QCOMPARE(bool(app.mainWindow()), loggedIn);
        QCOMPARE(app.state().loggedInUser, loggedIn ? QStringLiteral("Velqa") : QString());
        QCOMPARE(f.fakes.quitter.quits, loggedIn ? 0 : 1);
        QTRY_VERIFY(login.isNull()); // the first login window goes either way
        QVERIFY(!shownLogin());
    }

    void cancelOrCloseAtStartEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("取消(&X)") << false;
        QTest::newRow("close box") << true;
    }
    void cancelOrCloseAtStartEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        testenv::BinviewFixture f;
        Application &app = startProgram(f);
        LoginWindow *login = shownLogin();
        if (closeBox)
            login->close();
        else
            part<QPushButton>(login, "取消按钮")->click();
        QCOMPARE(f.fakes.quitter.quits, 1);
        QCOMPARE(f.fakes.quitter.quitCode, std::optional<int>(0));
        QVERIFY(!app.mainWindow());
        QVERIFY(!shownLogin());
    }

    void unmakeableFolderEndsTheProgram()
    {
        // The run folder lies below a file, so the folder of the user file cannot be made.
        testenv::BinviewFixture f;
        QFile blocker(f.run.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.app = std::make_unique<Application>(f.fakes.seams(), f.run.path(QStringLiteral("blocker/run")));
        f.app->startProgram();
        QVERIFY(!shownLogin());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().text, QStringLiteral("创建配置文件路径失败。"));
        QCOMPARE(f.fakes.dialogs.messages.first().title, platform::kDefaultMessageTitle);
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Icon::Critical);
        QTRY_COMPARE(f.fakes.quitter.quits, 1); // queued: the message loop may not run yet
        QVERIFY(!f.app->mainWindow());
    }

    void otherUsersAndPicking()
    {
        testenv::BinviewFixture f;
        writeUsers(f.run.path(QStringLiteral("ups.dat")), kThreeUsers);
        Application &app = startProgram(f);
        LoginWindow *login = shownLogin();
        auto *users = part<QComboBox>(login, "用户组合框");
        QCOMPARE(users->count(), 3);
        QCOMPARE(users->itemText(2), QStringLiteral("zhang"));

        // Picking a user clears the box, with or without a remembered password.
        part<QLineEdit>(login, "口令编辑框")->setText(QStringLiteral("typed"));
        pickUser(login, 2);
        QVERIFY(part<QLineEdit>(login, "口令编辑框")->text().isEmpty());

        // A user without a password line never gets in, not even with an empty password.
        submit(login, QString());
        QCOMPARE(texts(f.fakes.dialogs), QStringList{kWrong});
        QCOMPARE(app.state().failedLogins, quint8(1));

        pickUser(login, 1);
        submit(login, QStringLiteral("abc"));
        QVERIFY(app.mainWindow());
        QCOMPARE(app.state().loggedInUser, QStringLiteral("li"));
        QCOMPARE(texts(f.fakes.dialogs), QStringList{kWrong}); // no reminder for an own password
        const ProfileStore store = accounts::profileStore(app);
        QCOMPARE(store.readValue(QStringLiteral("li"), accounts::kRememberKey), accounts::kFalse);
    }

    void rememberedPasswordUnderReLogin()
    {
        testenv::BinviewFixture f;
        writeUsers(f.run.path(QStringLiteral("ups.dat")), kThreeUsers);
        Application &app = startProgram(f);
        LoginWindow *login = shownLogin();
        part<QCheckBox>(login, "选择框1")->setChecked(true);
        submit(login, QStringLiteral("123456"));
        MainWindow *main = app.mainWindow();
        QVERIFY(main);
        const ProfileStore store = accounts::profileStore(app);
        QCOMPARE(store.readValue(QStringLiteral("Velqa"), accounts::kRememberKey), accounts::kTrue);
        f.fakes.dialogs.messages.clear();

        // The remembered user is first: ticked, placeholder, and a login without typing.
        f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("仓库库位管理系统   Brenmark出品 "));
            QCOMPARE(part<QComboBox>(d, "用户组合框")->currentText(), QStringLiteral("Velqa"));
            QVERIFY(part<QCheckBox>(d, "选择框1")->isChecked());
            QCOMPARE(part<QLineEdit>(d, "口令编辑框")->text(), kPlaceholder);
            QCOMPARE(app.state().failedLogins, quint8(0));
            part<QPushButton>(d, "登录按钮")->click();
        });
        reLogin(app);
        QCOMPARE(f.fakes.dialogs.modalDrivers.size(), size_t(0));
        QCOMPARE(app.mainWindow(), main); // no second main window
        QCOMPARE(texts(f.fakes.dialogs), QStringList{kDefaultPasswordReminder});
        f.fakes.dialogs.messages.clear();

        // The placeholder plus one character is hashed like any text.
        f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
            submit(d, kPlaceholder + u'*');
            QVERIFY(d->isVisible());
            // Another user without a remembered password: the box is unticked and empty.
            pickUser(d, 1);
            QVERIFY(!part<QCheckBox>(d, "选择框1")->isChecked());
            QVERIFY(part<QLineEdit>(d, "口令编辑框")->text().isEmpty());
            submit(d, QStringLiteral("abc"));
        });
        reLogin(app);
        QCOMPARE(texts(f.fakes.dialogs), QStringList{kWrong});
        QCOMPARE(app.state().loggedInUser, QStringLiteral("li"));
        QCOMPARE(store.readValue(QStringLiteral("li"), accounts::kRememberKey), accounts::kFalse);
        QCOMPARE(app.mainWindow(), main);
        QCOMPARE(f.fakes.quitter.quits, 0);
    }

    void rememberedLoginUsesStoredDigest()
    {
        // The placeholder stands for the stored digest itself, read when the window opens.
        testenv::BinviewFixture f;
        writeUsers(f.run.path(QStringLiteral("ups.dat")),
                   QStringLiteral("[Velqa]\r\n保存口令=真\r\n口令=900150983cd24fb0d6963f7d28e17f72\r\n"));
        Application &app = startProgram(f);
        LoginWindow *login = shownLogin();
        QVERIFY(part<QCheckBox>(login, "选择框1")->isChecked());
        QCOMPARE(app.state().savedDigest, QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
        part<QPushButton>(login, "登录按钮")->click();
        QCOMPARE(app.state().loggedInUser, QStringLiteral("Velqa"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void reLoginFailuresKeepTheSession_data()
    {
        QTest::addColumn<int>("wrongs");
        QTest::newRow("three wrong passwords") << 3;
        QTest::newRow("cancelled") << 0;
    }
    void reLoginFailuresKeepTheSession()
    {
        QFETCH(int, wrongs);
        testenv::BinviewFixture f;
        writeUsers(f.run.path(QStringLiteral("ups.dat")), kThreeUsers);
        Application &app = startProgram(f);
        pickUser(shownLogin(), 1);
        submit(shownLogin(), QStringLiteral("abc"));
        MainWindow *main = app.mainWindow();
        QVERIFY(main);

        bool closed = false;
        f.fakes.dialogs.modalDrivers.push_back([&](QDialog *d) {
            for (int i = 0; i < wrongs; ++i)
                submit(d, QStringLiteral("nope"));
            if (wrongs == 0)
                part<QPushButton>(d, "取消按钮")->click();
            closed = !d->isVisible();
        });
        reLogin(app);
        QVERIFY(closed);
        QCOMPARE(app.state().loggedInUser, QStringLiteral("li"));
        QCOMPARE(app.mainWindow(), main);
        QCOMPARE(f.fakes.quitter.quits, 0);
        if (wrongs == 3)
            QCOMPARE(texts(f.fakes.dialogs), (QStringList{kWrong, kWrong, kLastWrong}));
        else
            QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void defaultButtonFollowsFocus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("loginDefault");
        QTest::newRow("user list") << "用户组合框" << true;
        QTest::newRow("password") << "口令编辑框" << true;
        QTest::newRow("login button") << "登录按钮" << true;
        QTest::newRow("cancel button") << "取消按钮" << false;
    }
    void defaultButtonFollowsFocus()
    {
        QFETCH(QString, control);
        QFETCH(bool, loginDefault);
        testenv::BinviewFixture f;
        startProgram(f);
        LoginWindow *login = shownLogin();
        auto *password = part<QLineEdit>(login, "口令编辑框");
        password->setText(QStringLiteral("abc"));
        password->deselect();
        // Start from the opposite state so that the change is seen.
        QFocusEvent away(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(part<QPushButton>(login, loginDefault ? "取消按钮" : "登录按钮"), &away);
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(login->findChild<QWidget *>(control), &in);
        QCOMPARE(part<QPushButton>(login, "登录按钮")->isDefault(), loginDefault);
        QCOMPARE(part<QPushButton>(login, "取消按钮")->isDefault(), !loginDefault);
        if (control == u"口令编辑框")
            QCOMPARE(password->selectedText(), QStringLiteral("abc"));
    }

    void damagedUserFileOnlyLetsYouCancel()
    {
        testenv::BinviewFixture f;
        const QString file = f.run.path(QStringLiteral("ups.dat"));
        writeUsers(file, kThreeUsers);
        QByteArray bytes;
        QVERIFY(platform::readFile(file, &bytes));
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x10);
        QVERIFY(platform::writeFileAtomic(file, bytes));

        Application &app = startProgram(f);
        LoginWindow *login = shownLogin();
        QVERIFY(login);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto &m = f.fakes.dialogs.messages.first();
        QVERIFY(m.text.contains(QDir::toNativeSeparators(file)));
        QCOMPARE(m.title, QStringLiteral("错误"));
        QCOMPARE(m.icon, Icon::Critical);
        QCOMPARE(part<QComboBox>(login, "用户组合框")->count(), 0);
        QVERIFY(!part<QPushButton>(login, "登录按钮")->isEnabled());
        QVERIFY(part<QPushButton>(login, "取消按钮")->isEnabled());

        submit(login, QStringLiteral("123456")); // the disabled button does nothing
        QVERIFY(!app.mainWindow());
        part<QPushButton>(login, "取消按钮")->click();
        QCOMPARE(f.fakes.quitter.quits, 1);
        QByteArray after;
        QVERIFY(platform::readFile(file, &after));
        QCOMPARE(after, bytes);
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
