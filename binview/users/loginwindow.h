#pragma once
// The login window: the program's first window, and the modal "重登录" dialog over the main
// window. A successful login sets loggedInUser and opens the main window when there is none;
// three wrong passwords, "取消(&X)" or the close box end the program while no main window exists.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace binview {

class Application;

// Shown once after a login with the default administrator's password.
extern const QString kDefaultPasswordReminder;
extern const QString kDefaultPasswordReminderTitle;

class LoginWindow : public QDialog {
    Q_OBJECT
public:
    LoginWindow(Application &app, QWidget *parent = nullptr);

    // The opening steps (profile start-up, user list, focus, remembered password). False when
    // the folder of the user file cannot be made: the window must not be shown and the caller
    // ends the program.
    bool prepare();
    bool isUsable() const { return !damaged_; }

    void done(int result) override;

private:
    void login();
    void userPicked();
    void rememberRefresh();

    Application &app_;
    QComboBox *users_;
    QLineEdit *password_;
    QCheckBox *remember_;
    QPushButton *loginButton_;
    QPushButton *cancelButton_;
    bool damaged_ = false;
    bool loggedIn_ = false;
};

} // namespace binview
