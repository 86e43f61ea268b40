#pragma once
// The program's first window: the login.

namespace binview {

class Application;

// Opens the login window as the program's first window; a successful login opens the main
// window once.
void showLoginWindow(Application &app);

} // namespace binview
