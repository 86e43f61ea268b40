#include "binview/users/login.h"

#include "binview/shell/application.h"

namespace binview {

void showLoginWindow(Application &app)
{
    app.openMainWindow();
}

} // namespace binview
