#include "binview/users/login.h"

#include "binview/shell/application.h"
#include "binview/users/loginwindow.h"

#include <QTimer>

namespace binview {

void showLoginWindow(Application &app)
{
    auto *window = new LoginWindow(app);
    if (!window->prepare()) {
        delete window;
        // Before the message loop runs, a quit would be lost: queue it.
        QTimer::singleShot(0, &app, [&app] { app.seams().quitter->quit(0); });
        return;
    }
    // Non-modal and owned by nobody: it goes when it closes, or with the application.
    QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);
    QObject::connect(&app, &QObject::destroyed, window, [window] { delete window; });
    window->show();
}

} // namespace binview
