#include "binview/maintenance/maintenance.h"

#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/files.h"

#include <QFile>

namespace binview {

namespace {
const QString kAsk = QStringLiteral("是否决定初始化系统?");
const QString kAskTitle = QStringLiteral("警告");
const QString kFailed = QStringLiteral("初始化失败！");
const QString kDone = QStringLiteral("初始化完毕！请重新进入！");
const QString kColourTemplate = QStringLiteral("dat/clor.ini");
const QString kStoreTemplate = QStringLiteral("dat/库位数据.edb");
} // namespace

void initialiseCommand(Application &app)
{
    MainWindow *window = app.mainWindow();
    platform::Dialogs &dialogs = *app.seams().dialogs;
    auto say = [&](const QString &text) {
        dialogs.message(window, text, {}, platform::Icon::None, platform::Buttons::Ok);
    };
    if (dialogs.message(window, kAsk, kAskTitle, platform::Icon::None, platform::Buttons::OkCancel) !=
        platform::Answer::Ok)
        return;

    if (!platform::copyFileAtomic(app.path(kColourTemplate), app.colourTablePath())) {
        say(kFailed);
        return;
    }

    // The store is closed first so that no connection of ours holds the old file, and nothing
    // can write its records back after the template has taken its place.
    const QString store = app.storePath();
    app.store().close();
    if (!platform::copyFileAtomic(app.path(kStoreTemplate), store)) {
        app.store().open(store);
        say(kFailed);
        return;
    }
    // A journal left beside the old file would be rolled into the new one on the next open.
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(store + QString::fromLatin1(suffix));

    say(kDone);
    if (window) {
        window->hide();
        window->deleteLater();
    }
    app.seams().quitter->quit(0);
}

} // namespace binview
