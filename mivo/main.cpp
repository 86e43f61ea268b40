#include "mivo/frame/application.h"
#include "platform/qtseams.h"
#include "platform/translations.h"

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    platform::installChineseQtTranslation(qapp);
    QApplication::setApplicationName(QStringLiteral("mivo"));
    // The personal list window has no owner; closing it must not end the program. Only the
    // exit confirmation does.
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows are laid out in fixed pixels for the desktop's 12-pixel dialog font.
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);

    platform::QtDialogs dialogs;
    platform::DesktopShell shell;
    platform::SystemPower power; // the only place the machine's power control is reachable
    platform::SystemClock clock;
    platform::DesktopScreen screen;
    platform::AppQuitter quitter;
    const platform::Seams seams{&dialogs, &shell, &power, &clock, &screen, &quitter};

    mivo::Application app(seams, mivo::defaultPersonalListPath());
    app.start();
    return QApplication::exec();
}
