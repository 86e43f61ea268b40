#include "platform/desktools.h"

#include <QStandardPaths>
#include <QStringList>

namespace platform {

QString deskToolProgram(DeskTool tool)
{
    QString windowsName;
    QStringList candidates;
    switch (tool) {
    case DeskTool::Calculator:
        windowsName = QStringLiteral("calc.exe");
        candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                      QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
        break;
    case DeskTool::Notepad:
        windowsName = QStringLiteral("notepad.exe");
        candidates = {QStringLiteral("gedit"), QStringLiteral("gnome-text-editor"), QStringLiteral("kate"),
                      QStringLiteral("mousepad"), QStringLiteral("pluma"), QStringLiteral("xed"),
                      QStringLiteral("leafpad")};
        break;
    case DeskTool::Paint:
        windowsName = QStringLiteral("mspaint.exe");
        candidates = {QStringLiteral("kolourpaint"), QStringLiteral("pinta"), QStringLiteral("mtpaint"),
                      QStringLiteral("gimp")};
        break;
    }
#ifdef Q_OS_WIN
    return windowsName;
#else
    for (const QString &name : candidates) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return windowsName;
#endif
}

} // namespace platform
