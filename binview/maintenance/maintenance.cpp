#include "binview/maintenance/maintenance.h"

namespace binview {

void installMaintenance(Application &, MainWindow &) {}
void showStartupReminder(Application &) {}
void backupCommand(Application &) {}
void backupHistoryCommand(Application &) {}
void initialiseCommand(Application &) {}
void printMapCommand(Application &) {}
void clearForecastChart(Application &) {}
bool saveMapPicture(Application &, const QString &)
{
    return false;
}

} // namespace binview
