#pragma once
// The three user administration windows, opened modally from the menu "系统登陆".

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace binview {

class Application;

// "添加新用户": adds users one after another; the window stays open until cancelled.
class AddUserWindow : public QDialog {
    Q_OBJECT
public:
    AddUserWindow(Application &app, QWidget *parent = nullptr);

private:
    void confirm();
    // The existing user that differs from name only in letter case, or empty.
    QString caseTwinOf(const QString &name) const;
    // The refusal for a name the user file cannot hold, or empty when the name is fine.
    QString nameProblem(const QString &name) const;
    void refuse(const QString &message, QLineEdit *focus, bool selectAll);

    Application &app_;
    QLineEdit *user_;
    QLineEdit *password_;
    QLineEdit *recheck_;
    QComboBox *classes_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
};

// "删除用户": offers every user but the first of the file.
class DeleteUserWindow : public QDialog {
    Q_OBJECT
public:
    DeleteUserWindow(Application &app, QWidget *parent = nullptr);
    // Fills the list; false (after its message) when there is no user to delete.
    bool prepare();

private:
    void deleteSelected();

    Application &app_;
    QComboBox *users_;
    QPushButton *deleteButton_;
    QPushButton *cancelButton_;
};

// "修改用户口令": the logged-in user's own password, only with the old one.
class ChangePasswordWindow : public QDialog {
    Q_OBJECT
public:
    ChangePasswordWindow(Application &app, QWidget *parent = nullptr);

private:
    void oldPasswordChanged();
    void confirm();

    Application &app_;
    QLineEdit *user_;
    QLineEdit *oldPassword_;
    QLineEdit *newPassword_;
    QLineEdit *recheck_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
};

} // namespace binview
