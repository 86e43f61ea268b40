#include "binview/users/userwindows.h"

#include "binview/shell/application.h"
#include "binview/users/accounts.h"
#include "binview/users/defaultbutton.h"
#include "binview/users/windowparts.h"
#include "platform/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace binview {

namespace {

constexpr int kFieldLength = 10;

namespace text {
const QString errorTitle = QStringLiteral("错误");

const QString addTitle = QStringLiteral("添加新用户");
const QString addBanner = QStringLiteral("添加新用户");
const QString userLabel = QStringLiteral("用户名");
const QString passwordLabel = QStringLiteral("输入口令");
const QString recheckLabel = QStringLiteral("复核口令");
const QString classLabel = QStringLiteral("级别");
const QString ok = QStringLiteral("确定");
const QString cancel = QStringLiteral("取消");
const QString emptyName = QStringLiteral("用户名不能为空，请输入用户名！");
const QString existingName = QStringLiteral("用户名“%1”已经存在，请勿重复添加！");
const QString caseTwin = QStringLiteral("用户名“%1”与已有用户“%2”只有字母大小写不同，请勿重复添加！");
const QString badCharacters =
    QStringLiteral("用户名“%1”含有“[”、“]”、“=”或控制字符，用户文件无法保存这样的用户名，请重新输入用户名！");
const QString reservedName = QStringLiteral("用户名不能是“分类信息”，请重新输入用户名！");
const QString passwordMismatch = QStringLiteral("密码复核错误，请重新设置密码！");
const QString emptyPassword = QStringLiteral("用户口令不能为空，请重新输入用户口令！");

const QString deleteTitle = QStringLiteral("删除用户");
const QString deleteBanner = QStringLiteral("删除用户");
const QString deletePrompt = QStringLiteral("请选择要删除的用户");
const QString deleteButton = QStringLiteral("删除(&D)");
const QString deleteCancel = QStringLiteral("取消(&X)");
const QString nobodyToDelete = QStringLiteral("没有可以删除的用户！");
const QString deleteQuestion = QStringLiteral("真的要删除用户%1吗？");
const QString loggedInDeleted =
    QStringLiteral("当前登录用户被删除，程序将被关闭。请重新运行本程序并以其他用户身份登录。");

const QString changeTitle = QStringLiteral("修改用户口令");
const QString changeBanner = QStringLiteral("修改用户口令");
const QString oldLabel = QStringLiteral("原口令");
const QString newLabel = QStringLiteral("新口令");
const QString warningTitle = QStringLiteral("警告");
const QString wrongOldPassword = QStringLiteral("原始口令错误，请重新输入。如果你不知道原始口令，你将无权修改。");
const QString newMismatch = QStringLiteral("新密码复核错误，请重新设置密码！");
const QString emptyNewPassword = QStringLiteral("用户口令不能为空，请重新输入用户新口令！");
} // namespace text

QLineEdit *addEdit(QWidget *window, const QString &name, const QRect &geometry, bool password)
{
    auto *edit = new QLineEdit(window);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setMaxLength(kFieldLength);
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QPushButton *addButton(QWidget *window, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void focusAndSelect(QLineEdit *edit)
{
    edit->setFocus();
    edit->selectAll();
}

} // namespace

// ---- add-user window ----

AddUserWindow::AddUserWindow(Application &app, QWidget *parent) : QDialog(parent), app_(app)
{
    setWindowTitle(text::addTitle);
    setFixedSize(324, 240);
    addBanner(this, text::addBanner);

    addLabel(this, text::userLabel, QRect(22, 84, 56, 18));
    user_ = addEdit(this, QStringLiteral("用户编辑框"), QRect(82, 82, 112, 20), false);
    addLabel(this, text::passwordLabel, QRect(22, 114, 56, 18));
    password_ = addEdit(this, QStringLiteral("口令编辑框"), QRect(82, 112, 112, 20), true);
    addLabel(this, text::recheckLabel, QRect(22, 144, 56, 18));
    recheck_ = addEdit(this, QStringLiteral("复核口令编辑框"), QRect(82, 142, 112, 20), true);
    addLabel(this, text::classLabel, QRect(22, 174, 56, 18));
    classes_ = new QComboBox(this);
    classes_->setObjectName(QStringLiteral("分类组合框"));
    classes_->setGeometry(82, 172, 115, 20);
    classes_->addItems(app.state().classNames);
    classes_->setCurrentIndex(-1);

    okButton_ = addButton(this, QStringLiteral("确定按钮"), text::ok, QRect(210, 84, 89, 26));
    cancelButton_ = addButton(this, QStringLiteral("取消按钮"), text::cancel, QRect(210, 126, 89, 26));

    auto *rule = new DefaultButtonRule(this);
    rule->add(user_, okButton_);
    rule->add(password_, okButton_);
    rule->add(recheck_, okButton_);
    rule->add(okButton_, okButton_);
    rule->add(cancelButton_, cancelButton_);
    okButton_->setDefault(true);
    user_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &AddUserWindow::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &AddUserWindow::reject);
}

void AddUserWindow::refuse(const QString &message, QLineEdit *focus, bool selectAll)
{
    app_.seams().dialogs->message(this, message, text::errorTitle, platform::Icon::Information, platform::Buttons::Ok);
    if (focus) {
        focus->setFocus();
        if (selectAll)
            focus->selectAll();
    }
}

QString AddUserWindow::caseTwinOf(const QString &name) const
{
    // Sections are found without regard to letter case: a case twin would share the existing
    // user's section.
    for (const QString &existing : app_.state().userNames) {
        if (existing.toUpper() == name.toUpper())
            return existing;
    }
    return {};
}

QString AddUserWindow::nameProblem(const QString &name) const
{
    // Brackets and "=" would break the line format of the user file.
    for (const QChar c : name) {
        if (c == u'[' || c == u']' || c == u'=' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return text::badCharacters.arg(user_->text());
    }
    if (name == accounts::kClassSection)
        return text::reservedName;
    return {};
}

void AddUserWindow::confirm()
{
    RunState &state = app_.state();
    const QString name = platform::trimBlanks(user_->text());
    if (name.isEmpty()) {
        refuse(text::emptyName, user_, true);
        return;
    }
    if (state.userNames.contains(name)) {
        refuse(text::existingName.arg(user_->text()), nullptr, false);
        return;
    }
    if (const QString twin = caseTwinOf(name); !twin.isEmpty()) {
        refuse(text::caseTwin.arg(user_->text(), twin), nullptr, false);
        return;
    }
    if (const QString problem = nameProblem(name); !problem.isEmpty()) {
        refuse(problem, user_, true);
        return;
    }
    if (password_->text() != recheck_->text()) {
        app_.seams().dialogs->message(this, text::passwordMismatch, {}, platform::Icon::Critical,
                                      platform::Buttons::Ok);
        password_->setFocus();
        return;
    }
    if (password_->text().isEmpty()) {
        refuse(text::emptyPassword, password_, true);
        return;
    }

    state.userNames.append(name);
    const ProfileStore store = accounts::profileStore(app_);
    store.writeValue(name, accounts::kPasswordKey, accounts::passwordDigest(password_->text()));
    // With no class chosen the text is empty and nothing is written: no administration right.
    store.writeValue(name, accounts::kClassKey, classes_->currentIndex() >= 0 ? classes_->currentText() : QString());

    user_->clear();
    password_->clear();
    recheck_->clear();
    user_->setFocus();
}

// ---- delete-user window ----

DeleteUserWindow::DeleteUserWindow(Application &app, QWidget *parent) : QDialog(parent), app_(app)
{
    setWindowTitle(text::deleteTitle);
    setFixedSize(324, 210);
    addBanner(this, text::deleteBanner);

    addLabel(this, text::deletePrompt, QRect(22, 92, 118, 18));
    users_ = new QComboBox(this);
    users_->setObjectName(QStringLiteral("用户组合框"));
    users_->setGeometry(142, 90, 153, 20);
    deleteButton_ = addButton(this, QStringLiteral("删除按钮"), text::deleteButton, QRect(59, 132, 89, 26));
    cancelButton_ = addButton(this, QStringLiteral("取消按钮"), text::deleteCancel, QRect(176, 132, 89, 26));

    // While the list has the focus, Enter cancels.
    auto *rule = new DefaultButtonRule(this);
    rule->add(deleteButton_, deleteButton_);
    rule->add(cancelButton_, cancelButton_);
    rule->add(users_, cancelButton_);
    cancelButton_->setDefault(true);

    connect(deleteButton_, &QPushButton::clicked, this, &DeleteUserWindow::deleteSelected);
    connect(cancelButton_, &QPushButton::clicked, this, &DeleteUserWindow::reject);
}

bool DeleteUserWindow::prepare()
{
    const QStringList &names = app_.state().userNames;
    if (names.size() < 2) {
        app_.seams().dialogs->message(parentWidget(), text::nobodyToDelete, text::errorTitle,
                                      platform::Icon::Information, platform::Buttons::Ok);
        return false;
    }
    // The first user of the file is never offered.
    users_->addItems(names.mid(1));
    users_->setCurrentIndex(0);
    users_->setFocus();
    return true;
}

void DeleteUserWindow::deleteSelected()
{
    const int index = users_->currentIndex();
    if (index < 0)
        return;
    RunState &state = app_.state();
    const QString name = users_->currentText();
    const platform::Answer answer = app_.seams().dialogs->message(
        this, text::deleteQuestion.arg(name), text::deleteTitle, platform::Icon::Question, platform::Buttons::OkCancel);
    if (answer == platform::Answer::Ok) {
        state.userNames.removeAt(index + 1);
        accounts::profileStore(app_).deleteSection(name);
        users_->removeItem(index);
        users_->setCurrentIndex(users_->count() > 0 ? 0 : -1);
        if (name == state.loggedInUser) {
            app_.seams().dialogs->message(this, text::loggedInDeleted, {}, platform::Icon::Information,
                                          platform::Buttons::Ok);
            app_.seams().quitter->quit(0);
            reject();
            return;
        }
    }
    if (users_->count() == 0)
        reject();
}

// ---- change-password window ----

ChangePasswordWindow::ChangePasswordWindow(Application &app, QWidget *parent) : QDialog(parent), app_(app)
{
    setWindowTitle(text::changeTitle);
    setFixedSize(324, 240);
    addBanner(this, text::changeBanner);

    addLabel(this, text::userLabel, QRect(18, 84, 54, 18));
    user_ = addEdit(this, QStringLiteral("用户编辑框"), QRect(74, 82, 112, 20), false);
    user_->setReadOnly(true);
    addLabel(this, text::oldLabel, QRect(18, 114, 54, 18));
    oldPassword_ = addEdit(this, QStringLiteral("原口令编辑框"), QRect(74, 112, 112, 20), true);
    addLabel(this, text::newLabel, QRect(18, 144, 54, 18));
    newPassword_ = addEdit(this, QStringLiteral("新口令编辑框"), QRect(74, 142, 112, 20), true);
    addLabel(this, text::recheckLabel, QRect(18, 174, 54, 18));
    recheck_ = addEdit(this, QStringLiteral("复核口令编辑框"), QRect(74, 172, 112, 20), true);
    okButton_ = addButton(this, QStringLiteral("确定按钮"), text::ok, QRect(209, 84, 89, 26));
    cancelButton_ = addButton(this, QStringLiteral("取消按钮"), text::cancel, QRect(209, 126, 89, 26));

    auto *rule = new DefaultButtonRule(this);
    rule->add(oldPassword_, okButton_);
    rule->add(newPassword_, okButton_);
    rule->add(recheck_, okButton_);
    rule->add(okButton_, okButton_);
    rule->add(cancelButton_, cancelButton_);
    okButton_->setDefault(true);

    RunState &state = app.state();
    user_->setText(state.loggedInUser);
    newPassword_->setEnabled(false);
    recheck_->setEnabled(false);
    state.loggedInDigest = accounts::profileStore(app).readValue(state.loggedInUser, accounts::kPasswordKey, {});
    oldPassword_->setFocus();

    connect(oldPassword_, &QLineEdit::textChanged, this, &ChangePasswordWindow::oldPasswordChanged);
    connect(okButton_, &QPushButton::clicked, this, &ChangePasswordWindow::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &ChangePasswordWindow::reject);
}

void ChangePasswordWindow::oldPasswordChanged()
{
    const bool right = accounts::passwordDigest(oldPassword_->text()) == app_.state().loggedInDigest;
    newPassword_->setEnabled(right); // disabled boxes keep their text
    recheck_->setEnabled(right);
}

void ChangePasswordWindow::confirm()
{
    platform::Dialogs &dialogs = *app_.seams().dialogs;
    if (accounts::passwordDigest(oldPassword_->text()) != app_.state().loggedInDigest) {
        dialogs.message(this, text::wrongOldPassword, text::warningTitle, platform::Icon::Information,
                        platform::Buttons::Ok);
        focusAndSelect(oldPassword_);
        return;
    }
    if (newPassword_->text() != recheck_->text()) {
        dialogs.message(this, text::newMismatch, {}, platform::Icon::Critical, platform::Buttons::Ok);
        recheck_->setFocus();
        return;
    }
    if (newPassword_->text().isEmpty()) {
        dialogs.message(this, text::emptyNewPassword, text::errorTitle, platform::Icon::Information,
                        platform::Buttons::Ok);
        focusAndSelect(newPassword_);
        return;
    }
    accounts::profileStore(app_).writeValue(app_.state().loggedInUser, accounts::kPasswordKey,
                                            accounts::passwordDigest(newPassword_->text()));
    accept();
}

} // namespace binview
