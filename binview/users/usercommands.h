#pragma once
// The commands of the menu "系统登陆": each opens its window modally over the main window.

namespace binview {

class Application;

// "重登录": the login window as a modal dialog; a cancelled one changes nothing.
void reLogin(Application &app);
// "添加用户" and "删除用户": only for users whose class has the administration right.
void addUserCommand(Application &app);
void deleteUserCommand(Application &app);
// "修改口令": the logged-in user's own password.
void changePasswordCommand(Application &app);

} // namespace binview
