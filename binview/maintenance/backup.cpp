#include "binview/maintenance/backup.h"

#include "binview/maintenance/maintenance.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/files.h"

#include <QAtomicInt>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace binview {

namespace {

const QString kBackupRoot = QStringLiteral("备份");
const QString kPictureName = QStringLiteral("库位图.jpg");
const QString kAsk = QStringLiteral("确定备份实时仓库情况?");
const QString kAskTitle = QStringLiteral("提示");
const QString kIncomplete = QStringLiteral("备份未完成！");
const QString kFolderFailed = QStringLiteral("无法创建备份文件夹“%1”。");
const QString kPictureFailed = QStringLiteral("无法写入库位图“%1”。");
const QString kCopyFailed = QStringLiteral("无法复制订单数据到“%1”：%2");
const QString kHistoryTitle = QStringLiteral("请选择已经备份的日期");
const QString kHistoryOk = QStringLiteral("确定");

QAtomicInt snapshotCounter;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool copyStoreSnapshot(const QString &src, const QString &dst, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QFileInfo(src).isFile())
        return fail(QStringLiteral("文件“%1”不存在").arg(shown(src)));
    // VACUUM INTO writes a fresh, complete database from one read transaction; it is written
    // beside the target and then moved over it, so a failed backup never leaves half a copy.
    const QString part = dst + QStringLiteral(".part");
    QFile::remove(part);
    const QString connection = QStringLiteral("backup-snapshot-%1").arg(snapshotCounter.fetchAndAddRelaxed(1));
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(src);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            why = db.lastError().text();
        } else {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("VACUUM INTO ?"));
            q.addBindValue(part);
            if (!q.exec())
                why = q.lastError().text();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (why.isEmpty() && !platform::copyFileAtomic(part, dst, &why) && why.isEmpty())
        why = QStringLiteral("写入失败");
    QFile::remove(part);
    return why.isEmpty() ? true : fail(why);
}

void backupCommand(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    platform::Dialogs &dialogs = *app.seams().dialogs;
    window->showPage(0);
    if (dialogs.message(window, kAsk, kAskTitle, platform::Icon::None, platform::Buttons::YesNo) !=
        platform::Answer::Yes)
        return;

    const QString day = backupFolderName(window->todayValue().date());
    const QString folder = app.path(kBackupRoot + u'/' + day);
    QStringList failures;
    // A missing backup root is created along with the day's folder.
    if (!platform::makeFolder(folder)) {
        failures.append(kFolderFailed.arg(shown(folder)));
    } else {
        const QString picture = folder + u'/' + kPictureName;
        if (!saveMapPicture(app, picture))
            failures.append(kPictureFailed.arg(shown(picture)));
        const QString copy = folder + u'/' + day + QStringLiteral(".edb");
        QString why;
        if (!copyStoreSnapshot(app.storePath(), copy, &why))
            failures.append(kCopyFailed.arg(shown(copy), why));
    }
    // Success stays silent; a step that failed is named so the day is not taken as saved.
    if (!failures.isEmpty())
        dialogs.message(window, kIncomplete + u'\n' + failures.join(u'\n'), kAskTitle, platform::Icon::Warning,
                        platform::Buttons::Ok);
}

void backupHistoryCommand(Application &app)
{
    MainWindow *window = app.mainWindow();
    QDialog dialog(window);
    dialog.setObjectName(QStringLiteral("备份查看窗口"));
    dialog.setWindowTitle(kHistoryTitle);
    dialog.setFixedSize(273, 77);
    auto *date = new QDateEdit(app.seams().clock->now().date(), &dialog);
    date->setObjectName(QStringLiteral("日期框备份"));
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date->setCalendarPopup(true);
    date->setGeometry(41, 12, 144, 24);
    auto *ok = new QPushButton(kHistoryOk, &dialog);
    ok->setObjectName(QStringLiteral("按钮查询备份"));
    ok->setGeometry(200, 12, 48, 24);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&app, &dialog, date] {
        const QString folder = app.path(kBackupRoot + u'/' + backupFolderName(date->date()));
        app.seams().shell->open(QUrl::fromLocalFile(folder));
        dialog.accept();
    });
    app.seams().dialogs->exec(&dialog);
}

} // namespace binview
