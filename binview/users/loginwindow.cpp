#include "binview/users/loginwindow.h"

#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "binview/users/accounts.h"
#include "binview/users/defaultbutton.h"
#include "binview/users/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace binview {

const QString kDefaultPasswordReminder =
    QStringLiteral("你正在使用默认口令登录。为了安全，请尽快通过菜单“系统登陆”中的“修改口令”更改你的口令！");
const QString kDefaultPasswordReminderTitle = QStringLiteral("提示");

namespace {
namespace text {
const QString title = QStringLiteral("仓库库位管理系统   Brenmark出品 ");
const QString banner = QStringLiteral("仓库库位管理系统  用户登录");
const QString userLabel = QStringLiteral("用户姓名");
const QString passwordLabel = QStringLiteral("用户口令");
const QString rememberLabel = QStringLiteral("记住密码");
const QString loginButton = QStringLiteral("登录(&I)");
const QString cancelButton = QStringLiteral("取消(&X)");
const QString placeholder = QStringLiteral("************");
const QString errorTitle = QStringLiteral("错误");
const QString wrongPassword = QStringLiteral("用户口令不正确，请重新输入！");
const QString lastWrongPassword = QStringLiteral("用户口令不正确，请勿非法登录！");
const QString damagedFile = QStringLiteral("用户文件“%1”无法打开：它已损坏，或不是本程序的用户文件。\r\n"
                                           "为保护其中的用户，程序不会改写它，现在无法登录。"
                                           "请用备份恢复该文件后重新运行本程序。");
} // namespace text
} // namespace

LoginWindow::LoginWindow(Application &app, QWidget *parent) : QDialog(parent), app_(app)
{
    setWindowTitle(text::title);
    setFixedSize(324, 238);
    addBanner(this, text::banner);

    addLabel(this, text::userLabel, QRect(62, 80, 60, 18));
    users_ = new QComboBox(this);
    users_->setObjectName(QStringLiteral("用户组合框"));
    users_->setGeometry(126, 78, 168, 20);

    addLabel(this, text::passwordLabel, QRect(62, 110, 60, 18));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("口令编辑框"));
    password_->setGeometry(126, 108, 168, 20);
    password_->setEchoMode(QLineEdit::Password);

    remember_ = new QCheckBox(this);
    remember_->setObjectName(QStringLiteral("选择框1"));
    remember_->setGeometry(126, 135, 14, 14);
    addLabel(this, text::rememberLabel, QRect(144, 134, 60, 16));

    loginButton_ = new QPushButton(text::loginButton, this);
    loginButton_->setObjectName(QStringLiteral("登录按钮"));
    loginButton_->setGeometry(59, 164, 89, 26);
    cancelButton_ = new QPushButton(text::cancelButton, this);
    cancelButton_->setObjectName(QStringLiteral("取消按钮"));
    cancelButton_->setGeometry(176, 164, 89, 26);

    auto *rule = new DefaultButtonRule(this);
    rule->add(users_, loginButton_);
    rule->add(password_, loginButton_);
    rule->add(loginButton_, loginButton_);
    rule->add(cancelButton_, cancelButton_);
    loginButton_->setDefault(true);

    connect(users_, &QComboBox::activated, this, &LoginWindow::userPicked);
    connect(loginButton_, &QPushButton::clicked, this, &LoginWindow::login);
    connect(cancelButton_, &QPushButton::clicked, this, &LoginWindow::reject);
}

bool LoginWindow::prepare()
{
    RunState &state = app_.state();
    const accounts::StartUp startUp = accounts::profileStartUp(app_, parentWidget());
    if (startUp == accounts::StartUp::Ended)
        return false;
    damaged_ = startUp == accounts::StartUp::Damaged;

    users_->clear();
    users_->addItems(state.userNames);
    users_->setCurrentIndex(state.userNames.isEmpty() ? -1 : 0);
    password_->setFocus();
    state.failedLogins = 0;
    rememberRefresh();

    if (damaged_) {
        // Only cancelling is left; the file stays exactly as it is.
        users_->setEnabled(false);
        password_->setEnabled(false);
        remember_->setEnabled(false);
        loginButton_->setEnabled(false);
        cancelButton_->setDefault(true);
        cancelButton_->setFocus();
        app_.seams().dialogs->message(parentWidget(),
                                      text::damagedFile.arg(QDir::toNativeSeparators(state.profilePath)),
                                      text::errorTitle, platform::Icon::Critical, platform::Buttons::Ok);
    }
    return true;
}

void LoginWindow::rememberRefresh()
{
    RunState &state = app_.state();
    const QString user = users_->currentText();
    const ProfileStore store = accounts::profileStore(app_);
    const bool remembered =
        !user.isEmpty() && store.readValue(user, accounts::kRememberKey, accounts::kFalse) == accounts::kTrue;
    remember_->setChecked(remembered);
    if (remembered) {
        state.savedDigest = store.readValue(user, accounts::kPasswordKey, {});
        password_->setText(text::placeholder);
    } else {
        password_->clear(); // savedDigest keeps what it held
    }
}

void LoginWindow::userPicked()
{
    password_->clear();
    rememberRefresh();
}

void LoginWindow::login()
{
    if (damaged_ || users_->currentIndex() < 0)
        return;
    RunState &state = app_.state();
    const QString user = users_->currentText();
    const ProfileStore store = accounts::profileStore(app_);
    const QString stored = store.readValue(user, accounts::kPasswordKey, {});
    const QString typed = password_->text();
    const QString candidate = typed == text::placeholder && !state.savedDigest.isEmpty()
                                  ? state.savedDigest
                                  : accounts::passwordDigest(typed);
    platform::Dialogs &dialogs = *app_.seams().dialogs;
    if (candidate != stored) {
        if (state.failedLogins < 255)
            ++state.failedLogins;
        if (state.failedLogins >= 3) {
            dialogs.message(this, text::lastWrongPassword, text::errorTitle, platform::Icon::Warning,
                            platform::Buttons::Ok);
            reject(); // ends the program when no main window exists
        } else {
            dialogs.message(this, text::wrongPassword, text::errorTitle, platform::Icon::Information,
                            platform::Buttons::Ok);
        }
        return;
    }

    state.loggedInUser = user;
    store.writeValue(user, accounts::kRememberKey, remember_->isChecked() ? accounts::kTrue : accounts::kFalse);
    loggedIn_ = true;
    Application &app = app_;
    if (!app.mainWindow())
        app.openMainWindow();
    done(Accepted);
    if (stored == accounts::defaultDigest())
        app.seams().dialogs->message(app.mainWindow(), kDefaultPasswordReminder, kDefaultPasswordReminderTitle,
                                     platform::Icon::Information, platform::Buttons::Ok);
}

void LoginWindow::done(int result)
{
    // Every way out but a login ends the program while there is no main window to go back to.
    const bool endProgram = !loggedIn_ && !app_.mainWindow();
    platform::Quitter *quitter = app_.seams().quitter;
    QDialog::done(result);
    if (endProgram)
        quitter->quit(0);
}

} // namespace binview
