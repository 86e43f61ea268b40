#pragma once
// The order commands of the bin menu and the list menu, connected to the main window's actions.

namespace binview {

class Application;
class MainWindow;

// Connects the bin menu ("库位右键") and list menu ("数据右键") items to their commands.
void installOrderCommands(Application &app, MainWindow &window);

} // namespace binview
