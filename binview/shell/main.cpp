#include "binview/shell/application.h"
#include "platform/qtseams.h"
#include "platform/translations.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    platform::installChineseQtTranslation(qapp);
    QApplication::setApplicationName(QStringLiteral("binview"));

    platform::QtDialogs dialogs;
    platform::DesktopShell shell;
    platform::SystemPower power; // the only place the machine's power control is reachable
    platform::SystemClock clock;
    platform::DesktopScreen screen;
    platform::AppQuitter quitter;
    const platform::Seams seams{&dialogs, &shell, &power, &clock, &screen, &quitter};

    binview::Application app(seams, QCoreApplication::applicationDirPath());
    app.startProgram();
    return QApplication::exec();
}
