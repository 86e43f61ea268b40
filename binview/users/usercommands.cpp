#include "binview/users/usercommands.h"

#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "binview/users/accounts.h"
#include "binview/users/loginwindow.h"
#include "binview/users/userwindows.h"

namespace binview {

void reLogin(Application &app)
{
    LoginWindow window(app, app.mainWindow());
    if (!window.prepare()) {
        app.seams().quitter->quit(0);
        return;
    }
    app.seams().dialogs->exec(&window);
}

void addUserCommand(Application &app)
{
    if (!accounts::administrationCheck(app, app.mainWindow()))
        return;
    AddUserWindow window(app, app.mainWindow());
    app.seams().dialogs->exec(&window);
}

void deleteUserCommand(Application &app)
{
    if (!accounts::administrationCheck(app, app.mainWindow()))
        return;
    DeleteUserWindow window(app, app.mainWindow());
    if (!window.prepare())
        return;
    app.seams().dialogs->exec(&window);
}

void changePasswordCommand(Application &app)
{
    ChangePasswordWindow window(app, app.mainWindow());
    app.seams().dialogs->exec(&window);
}

} // namespace binview
