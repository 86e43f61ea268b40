// User administration: the add-user, delete-user and change-password windows and their
// commands with the administration check.

#include "binview/shell/application.h"
#include "binview/users/accounts.h"
#include "binview/users/usercommands.h"
#include "binview/users/userwindows.h"
#include "platform/cryptfile.h"
#include "platform/text.h"
#include "support/testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace binview;
using platform::Answer;
using platform::Icon;

namespace {

const QString kAdminDigest = QStringLiteral("e10adc3949ba59abbe56e057f20f883e"); // "123456"
const QString kAbcDigest = QStringLiteral("900150983cd24fb0d6963f7d28e17f72");   // "abc"

// Velqa and li administer, zhang does not.
const QString kUsers = QStringLiteral("[分类信息]\r\n其他人员=假\r\n仓库管理员=真\r\n"
                                      "[Velqa]\r\n所属分类=仓库管理员\r\n口令=e10adc3949ba59abbe56e057f20f883e\r\n"
                                      "[li]\r\n所属分类=仓库管理员\r\n口令=900150983cd24fb0d6963f7d28e17f72\r\n"
                                      "[zhang]\r\n所属分类=其他人员\r\n口令=900150983cd24fb0d6963f7d28e17f72\r\n");

QString plainText(const QString &path)
{
    platform::CryptFile file(path, accounts::kFilePassword);
    return file.open(platform::CryptFile::Mode::Read) ? platform::fromCodePage(file.text())
                                                      : QStringLiteral("<unopenable>");
}

// A main window and a logged-in user, with the lists loaded as the login window loads them.
struct Session {
    explicit Session(const QString &user, const QString &users = kUsers)
    {
        if (!users.isEmpty()) {
            platform::CryptFile file(userFile(), accounts::kFilePassword);
            file.open(platform::CryptFile::Mode::ReadWrite);
            file.setText(platform::toCodePage(users));
            file.save();
        }
        Application &app = f.start();
        accounts::profileStartUp(app, nullptr);
        app.state().loggedInUser = user;
    }
    Application &app() { return *f.app; }
    RunState &state() { return f.app->state(); }
    QString userFile() const { return f.run.path(QStringLiteral("ups.dat")); }
    QString file() const { return plainText(userFile()); }
    platform::testing::FakeDialogs &dialogs() { return f.fakes.dialogs; }
    testenv::BinviewFixture f;
};

template <typename T> T *part(QWidget *window, const QString &name)
{
    T *w = window->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}
QLineEdit *edit(QWidget *w, const char *name)
{
    return part<QLineEdit>(w, QString::fromUtf8(name));
}
QPushButton *button(QWidget *w, const char *name)
{
    return part<QPushButton>(w, QString::fromUtf8(name));
}

void fillAddUser(QWidget *w, const QString &name, const QString &password, const QString &recheck, int classIndex)
{
    edit(w, "用户编辑框")->setText(name);
    edit(w, "口令编辑框")->setText(password);
    edit(w, "复核口令编辑框")->setText(recheck);
    part<QComboBox>(w, QStringLiteral("分类组合框"))->setCurrentIndex(classIndex);
}

void focusIn(QWidget *w)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w, &in);
}

} // namespace

class TestUserAdmin : public QObject {
    Q_OBJECT
private slots:
    void commandsCheckTheRight_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("opens");
        QTest::newRow("administrator") << "li" << true;
        QTest::newRow("other class") << "zhang" << false;
    }
    void commandsCheckTheRight()
    {
        QFETCH(QString, user);
        QFETCH(bool, opens);
        Session s(user);
        addUserCommand(s.app());
        deleteUserCommand(s.app());
        changePasswordCommand(s.app()); // open to everybody
        const QStringList expected = opens ? QStringList{QStringLiteral("添加新用户"), QStringLiteral("删除用户"),
                                                         QStringLiteral("修改用户口令")}
                                           : QStringList{QStringLiteral("修改用户口令")};
        QCOMPARE(s.dialogs().modalTitles, expected);
        QCOMPARE(s.dialogs().messages.size(), opens ? 0 : 2);
        if (!opens)
            QVERIFY(s.dialogs().messages.first().text.contains(QStringLiteral("是“其他人员”，无执行此操作的权限")));
    }

    void addUserWindowOpening()
    {
        Session s(QStringLiteral("Velqa"));
        AddUserWindow w(s.app());
        QCOMPARE(w.windowTitle(), QStringLiteral("添加新用户"));
        QCOMPARE(w.size(), QSize(324, 240));
        auto *classes = part<QComboBox>(&w, QStringLiteral("分类组合框"));
        QCOMPARE(classes->count(), 2);
        QCOMPARE(classes->itemText(0), QStringLiteral("其他人员"));
        QCOMPARE(classes->currentIndex(), -1);
        for (const char *name : {"用户编辑框", "口令编辑框", "复核口令编辑框"})
            QCOMPARE(edit(&w, name)->maxLength(), 10);
        QCOMPARE(edit(&w, "口令编辑框")->echoMode(), QLineEdit::Password);
        QCOMPARE(edit(&w, "复核口令编辑框")->echoMode(), QLineEdit::Password);
        QCOMPARE(edit(&w, "用户编辑框")->echoMode(), QLineEdit::Normal);
    }

    void addUserRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("recheck");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
        const QString error = QStringLiteral("错误");
        const int info = int(Icon::Information);
        const QString badChars =
            QStringLiteral("”含有“[”、“]”、“=”或控制字符，用户文件无法保存这样的用户名，请重新输入用户名！");
        QTest::newRow("blank name") << " \u3000"
                                    << "1"
                                    << "1"
                                    << "用户名不能为空，请输入用户名！" << error << info << "用户编辑框";
        QTest::newRow("existing name") << "Velqa"
                                       << "1"
                                       << "1"
                                       << "用户名“Velqa”已经存在，请勿重复添加！" << error << info << "";
        QTest::newRow("existing name with blanks")
            << " Velqa\u3000"
            << "1"
            << "1"
            << "用户名“ Velqa\u3000”已经存在，请勿重复添加！" << error << info << "";
        QTest::newRow("existing name in other case")
            << "VELQA"
            << "1"
            << "1"
            << "用户名“VELQA”与已有用户“Velqa”只有字母大小写不同，请勿重复添加！" << error << info << "";
        QTest::newRow("opening bracket") << "a[b"
                                         << "1"
                                         << "1"
                                         << "用户名“a[b" + badChars << error << info << "用户编辑框";
        QTest::newRow("closing bracket") << "ab]"
                                         << "1"
                                         << "1"
                                         << "用户名“ab]" + badChars << error << info << "用户编辑框";
        QTest::newRow("equals sign") << "a=b"
                                     << "1"
                                     << "1"
                                     << "用户名“a=b" + badChars << error << info << "用户编辑框";
        QTest::newRow("class section name")
            << "分类信息"
            << "1"
            << "1"
            << "用户名不能是“分类信息”，请重新输入用户名！" << error << info << "用户编辑框";
        QTest::newRow("passwords differ") << "wang"
                                          << "1"
                                          << "2"
                                          << "密码复核错误，请重新设置密码！" << platform::kDefaultMessageTitle
                                          << int(Icon::Critical) << "口令编辑框";
        QTest::newRow("empty password") << "wang"
                                        << ""
                                        << ""
                                        << "用户口令不能为空，请重新输入用户口令！" << error << info << "口令编辑框";
    }
    void addUserRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, recheck);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        Session s(QStringLiteral("Velqa"));
        const QString before = s.file();
        const QStringList users = s.state().userNames;
        AddUserWindow w(s.app());
        w.show();
        fillAddUser(&w, name, password, recheck, 0);
        button(&w, "取消按钮")->setFocus();
        button(&w, "确定按钮")->click();
        QCOMPARE(s.dialogs().messages.size(), 1);
        const auto &m = s.dialogs().messages.first();
        QCOMPARE(m.text, message);
        QCOMPARE(m.title, title);
        QCOMPARE(int(m.icon), icon);
        QCOMPARE(m.buttons, platform::Buttons::Ok);
        QCOMPARE(w.focusWidget(),
                 focus.isEmpty() ? static_cast<QWidget *>(button(&w, "取消按钮")) : w.findChild<QWidget *>(focus));
        if (focus == u"用户编辑框" && !name.isEmpty())
            QCOMPARE(edit(&w, "用户编辑框")->selectedText(), name);
        QVERIFY(w.isVisible());
        QCOMPARE(edit(&w, "用户编辑框")->text(), name);
        QCOMPARE(s.state().userNames, users);
        QCOMPARE(s.file(), before);
    }

    void addUsersOneAfterAnother()
    {
        Session s(QStringLiteral("Velqa"), QString()); // a first start: only the default content
        const QString before = s.file();
        AddUserWindow w(s.app());
        w.show();
        fillAddUser(&w, QStringLiteral(" 王五 "), QStringLiteral("abc"), QStringLiteral("abc"), 1);
        button(&w, "确定按钮")->click();
        QVERIFY(s.dialogs().messages.isEmpty());
        QVERIFY(w.isVisible());
        for (const char *name : {"用户编辑框", "口令编辑框", "复核口令编辑框"})
            QVERIFY(edit(&w, name)->text().isEmpty());
        QCOMPARE(w.focusWidget(), edit(&w, "用户编辑框"));

        fillAddUser(&w, QStringLiteral("noclass"), QStringLiteral("口令"), QStringLiteral("口令"), -1);
        button(&w, "确定按钮")->click();
        QVERIFY(s.dialogs().messages.isEmpty());
        QCOMPARE(s.state().userNames,
                 (QStringList{QStringLiteral("Velqa"), QStringLiteral("王五"), QStringLiteral("noclass")}));
        QCOMPARE(s.file(), before + QStringLiteral("[王五]\r\n所属分类=其他人员\r\n口令=") + kAbcDigest +
                               QStringLiteral("\r\n[noclass]\r\n口令=93c598094747aade63ff53c2544216a9\r\n"));

        // Without a class line there is no administration right.
        s.state().loggedInUser = QStringLiteral("noclass");
        QVERIFY(!accounts::administrationCheck(s.app(), nullptr));
        QVERIFY(s.dialogs().messages.last().text.startsWith(QStringLiteral("    你所属的分类(级别)是“”，")));
    }

    void deleteUserWithNobodyToDelete()
    {
        Session s(QStringLiteral("Velqa"), QString());
        deleteUserCommand(s.app());
        QVERIFY(s.dialogs().modalTitles.isEmpty());
        QCOMPARE(s.dialogs().messages.size(), 1);
        QCOMPARE(s.dialogs().messages.first().text, QStringLiteral("没有可以删除的用户！"));
        QCOMPARE(s.dialogs().messages.first().title, QStringLiteral("错误"));
        QCOMPARE(s.dialogs().messages.first().icon, Icon::Information);
    }

    void deleteUsersDownToTheFirst()
    {
        Session s(QStringLiteral("Velqa"));
        DeleteUserWindow w(s.app());
        QVERIFY(w.prepare());
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("删除用户"));
        QCOMPARE(w.size(), QSize(324, 210));
        auto *users = part<QComboBox>(&w, QStringLiteral("用户组合框"));
        QCOMPARE(users->count(), 2); // the first user of the file is never offered
        QCOMPARE(users->currentText(), QStringLiteral("li"));
        QCOMPARE(w.focusWidget(), users);

        button(&w, "删除按钮")->click(); // answered OK
        QCOMPARE(s.dialogs().messages.size(), 1);
        const auto &q = s.dialogs().messages.first();
        QCOMPARE(q.text, QStringLiteral("真的要删除用户li吗？"));
        QCOMPARE(q.title, QStringLiteral("删除用户"));
        QCOMPARE(q.icon, Icon::Question);
        QCOMPARE(q.buttons, platform::Buttons::OkCancel);
        QCOMPARE(s.state().userNames, (QStringList{QStringLiteral("Velqa"), QStringLiteral("zhang")}));
        QVERIFY(!s.file().contains(QStringLiteral("[li]")));
        QVERIFY(s.file().contains(QStringLiteral("[zhang]\r\n所属分类=其他人员")));
        QCOMPARE(users->count(), 1);
        QCOMPARE(users->currentText(), QStringLiteral("zhang"));
        QVERIFY(w.isVisible());

        s.dialogs().answers.push_back(Answer::Cancel);
        const QString before = s.file();
        button(&w, "删除按钮")->click();
        QCOMPARE(s.file(), before);
        QCOMPARE(users->count(), 1);
        QVERIFY(w.isVisible());

        button(&w, "删除按钮")->click();
        QVERIFY(!w.isVisible()); // the last offered user is gone: the window closes
        QCOMPARE(s.state().userNames, QStringList{QStringLiteral("Velqa")});
        QCOMPARE(s.dialogs().messages.size(), 3);
        QCOMPARE(s.f.fakes.quitter.quits, 0);
    }

    void deletingTheLoggedInUser_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void deletingTheLoggedInUser()
    {
        QFETCH(bool, confirm);
        Session s(QStringLiteral("li"));
        const QString before = s.file();
        s.dialogs().answers.push_back(confirm ? Answer::Ok : Answer::Cancel);
        s.dialogs().modalDrivers.push_back([](QDialog *d) { button(d, "删除按钮")->click(); });
        deleteUserCommand(s.app());
        QCOMPARE(s.f.fakes.quitter.quits, confirm ? 1 : 0);
        if (confirm) {
            QCOMPARE(s.dialogs().messages.size(), 2);
            const auto &m = s.dialogs().messages.last();
            QCOMPARE(m.text,
                     QStringLiteral("当前登录用户被删除，程序将被关闭。请重新运行本程序并以其他用户身份登录。"));
            QCOMPARE(m.title, platform::kDefaultMessageTitle);
            QCOMPARE(m.icon, Icon::Information);
            QVERIFY(!s.file().contains(QStringLiteral("[li]")));
        } else {
            QCOMPARE(s.dialogs().messages.size(), 1);
            QCOMPARE(s.file(), before);
        }
    }

    void changePasswordOpening()
    {
        Session s(QStringLiteral("zhang"));
        ChangePasswordWindow w(s.app());
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("修改用户口令"));
        QCOMPARE(w.size(), QSize(324, 240));
        QCOMPARE(edit(&w, "用户编辑框")->text(), QStringLiteral("zhang"));
        QVERIFY(edit(&w, "用户编辑框")->isReadOnly());
        QCOMPARE(s.state().loggedInDigest, kAbcDigest);
        auto *old = edit(&w, "原口令编辑框");
        auto *fresh = edit(&w, "新口令编辑框");
        auto *recheck = edit(&w, "复核口令编辑框");
        QVERIFY(!fresh->isEnabled() && !recheck->isEnabled());
        old->setText(QStringLiteral("ab"));
        QVERIFY(!fresh->isEnabled());
        old->setText(QStringLiteral("abc"));
        QVERIFY(fresh->isEnabled() && recheck->isEnabled());
        fresh->setText(QStringLiteral("new"));
        old->setText(QStringLiteral("abcd"));
        QVERIFY(!fresh->isEnabled() && !recheck->isEnabled());
        QCOMPARE(fresh->text(), QStringLiteral("new")); // disabled boxes keep their text
    }

    void changePasswordRefusals_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("recheck");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");
        QTest::newRow("wrong old password") << "abd"
                                            << "x"
                                            << "x"
                                            << "原始口令错误，请重新输入。如果你不知道原始口令，你将无权修改。"
                                            << "警告" << int(Icon::Information) << "原口令编辑框";
        QTest::newRow("new passwords differ") << "abc"
                                              << "x"
                                              << "y"
                                              << "新密码复核错误，请重新设置密码！" << platform::kDefaultMessageTitle
                                              << int(Icon::Critical) << "复核口令编辑框";
        QTest::newRow("empty new password") << "abc"
                                            << ""
                                            << ""
                                            << "用户口令不能为空，请重新输入用户新口令！"
                                            << "错误" << int(Icon::Information) << "新口令编辑框";
    }
    void changePasswordRefusals()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, recheck);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        Session s(QStringLiteral("zhang"));
        const QString before = s.file();
        ChangePasswordWindow w(s.app());
        w.show();
        edit(&w, "原口令编辑框")->setText(QStringLiteral("abc"));
        edit(&w, "新口令编辑框")->setText(fresh);
        edit(&w, "复核口令编辑框")->setText(recheck);
        edit(&w, "原口令编辑框")->setText(old);
        button(&w, "确定按钮")->click();
        QCOMPARE(s.dialogs().messages.size(), 1);
        const auto &m = s.dialogs().messages.first();
        QCOMPARE(m.text, message);
        QCOMPARE(m.title, title);
        QCOMPARE(int(m.icon), icon);
        QCOMPARE(w.focusWidget(), w.findChild<QWidget *>(focus));
        QVERIFY(w.isVisible());
        QCOMPARE(s.file(), before);
    }

    void changePasswordWritesTheDigest()
    {
        Session s(QStringLiteral("zhang"));
        s.dialogs().modalDrivers.push_back([](QDialog *d) {
            edit(d, "原口令编辑框")->setText(QStringLiteral("abc"));
            edit(d, "新口令编辑框")->setText(QStringLiteral("123456"));
            edit(d, "复核口令编辑框")->setText(QStringLiteral("123456"));
            button(d, "确定按钮")->click();
            QVERIFY(!d->isVisible());
        });
        changePasswordCommand(s.app());
        QVERIFY(s.dialogs().messages.isEmpty());
        QVERIFY(s.file().contains(QStringLiteral("[zhang]\r\n所属分类=其他人员\r\n口令=") + kAdminDigest));
        QVERIFY(s.file().contains(QStringLiteral("[li]\r\n所属分类=仓库管理员\r\n口令=") + kAbcDigest));
    }

    void defaultButtonFollowsFocus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("add: user") << "add"
                                   << "用户编辑框"
                                   << "确定按钮";
        QTest::newRow("add: password") << "add"
                                       << "口令编辑框"
                                       << "确定按钮";
        QTest::newRow("add: recheck") << "add"
                                      << "复核口令编辑框"
                                      << "确定按钮";
        QTest::newRow("add: ok") << "add"
                                 << "确定按钮"
                                 << "确定按钮";
        QTest::newRow("add: cancel") << "add"
                                     << "取消按钮"
                                     << "取消按钮";
        QTest::newRow("change: old") << "change"
                                     << "原口令编辑框"
                                     << "确定按钮";
        QTest::newRow("change: new") << "change"
                                     << "新口令编辑框"
                                     << "确定按钮";
        QTest::newRow("change: recheck") << "change"
                                         << "复核口令编辑框"
                                         << "确定按钮";
        QTest::newRow("change: cancel") << "change"
                                        << "取消按钮"
                                        << "取消按钮";
        QTest::newRow("delete: delete") << "delete"
                                        << "删除按钮"
                                        << "删除按钮";
        QTest::newRow("delete: cancel") << "delete"
                                        << "取消按钮"
                                        << "取消按钮";
        QTest::newRow("delete: list") << "delete"
                                      << "用户组合框"
                                      << "取消按钮";
    }
    void defaultButtonFollowsFocus()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, defaultButton);
        Session s(QStringLiteral("Velqa"));
        std::unique_ptr<QDialog> w;
        if (window == u"add")
            w = std::make_unique<AddUserWindow>(s.app());
        else if (window == u"change")
            w = std::make_unique<ChangePasswordWindow>(s.app());
        else
            w = std::make_unique<DeleteUserWindow>(s.app());
        const QList<QPushButton *> buttons = w->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 2);
        for (QPushButton *b : buttons) {
            if (b->objectName() != defaultButton)
                focusIn(b); // start from the other state
        }
        auto *target = w->findChild<QWidget *>(control);
        if (auto *e = qobject_cast<QLineEdit *>(target)) {
            e->setEnabled(true);
            e->setText(QStringLiteral("abc"));
            e->deselect();
        }
        focusIn(target);
        for (QPushButton *b : buttons)
            QCOMPARE(b->isDefault(), b->objectName() == defaultButton);
        if (auto *e = qobject_cast<QLineEdit *>(target))
            QCOMPARE(e->selectedText(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(TestUserAdmin)
#include "test_useradmin.moc"
