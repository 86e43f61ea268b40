#include "binview/maintenance/settings.h"

#include "binview/maintenance/maintenance.h"
#include "binview/maintenance/maintenancepanel.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/files.h"
#include "platform/ini.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace binview {

namespace {

const QString kOn = QStringLiteral("真");
const QString kOff = QStringLiteral("假");
const QString kStored = QStringLiteral("设置成功");
const QString kReminderTitle = QStringLiteral("Halvex提醒");
const QString kAutostartFailed = QStringLiteral("无法设置开机自动启动：%1");
const QString kGeneralGroup = QStringLiteral("常规选项");
const QString kAutostartText = QStringLiteral("随开机自动启动");
const QString kReminderGroup = QStringLiteral("启动提醒");
const QString kReminderBoxText = QStringLiteral("启用提示");
const QString kSetText = QStringLiteral("设置");
const QString kEntryName = QStringLiteral("binview.desktop");

QString &autostartFolderOverride()
{
    static QString folder;
    return folder;
}

QString autostartFolder()
{
    if (!autostartFolderOverride().isEmpty())
        return autostartFolderOverride();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

// Desktop entry values escape backslashes; Exec quotes the path so spaces survive.
QString desktopEntry(const QString &program)
{
    QString quoted = program;
    quoted.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'`', QStringLiteral("\\`"))
        .replace(u'$', QStringLiteral("\\$"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=仓库库位管理系统\n"
                          "Exec=\"%1\"\n"
                          "Path=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(quoted, QFileInfo(program).absolutePath());
}

// The edit box holds at most 100 characters, typed or pasted.
void limitLength(QPlainTextEdit *edit)
{
    const QString text = edit->toPlainText();
    if (text.size() <= kReminderMaxLength)
        return;
    QTextCursor cursor = edit->textCursor();
    const int position = std::min<int>(cursor.position(), kReminderMaxLength);
    const QSignalBlocker block(edit);
    edit->setPlainText(text.left(kReminderMaxLength));
    cursor = edit->textCursor();
    cursor.setPosition(position);
    edit->setTextCursor(cursor);
}

} // namespace

void setAutostartFolder(const QString &folder)
{
    autostartFolderOverride() = folder;
}

QString autostartEntryPath()
{
    return autostartFolder() + u'/' + kEntryName;
}

bool autostartRegistered()
{
    return QFileInfo(autostartEntryPath()).isFile();
}

bool setAutostart(bool on, const QString &program, QString *error)
{
    const QString entry = autostartEntryPath();
    if (!on) {
        if (!QFileInfo::exists(entry) || QFile::remove(entry))
            return true;
        if (error)
            *error = QDir::toNativeSeparators(entry);
        return false;
    }
    if (!platform::makeFolder(autostartFolder())) {
        if (error)
            *error = QDir::toNativeSeparators(autostartFolder());
        return false;
    }
    QString why;
    if (platform::writeFileAtomic(entry, desktopEntry(program).toUtf8(), &why))
        return true;
    if (error)
        *error = QDir::toNativeSeparators(entry) + (why.isEmpty() ? QString() : QStringLiteral("（%1）").arg(why));
    return false;
}

void storeSettings(Application &app)
{
    MainWindow *window = app.mainWindow();
    MaintenancePanel *panel = MaintenancePanel::of(window);
    if (!panel)
        return;
    const QString file = app.path(kSettingsFile);
    platform::writeProfileString(file, kReminderSection, kReminderOnKey, panel->reminderBox->isChecked() ? kOn : kOff);
    // Line breaks are stored escaped on the value's one line; the quotes keep blanks and quotes
    // at its ends, which a profile read would strip. Either way the reminder comes back whole.
    const bool stored = platform::writeProfileString(file, kReminderSection, kReminderTextKey,
                                                     u'"' + panel->reminderText->toPlainText() + u'"');
    const bool wantAutostart = panel->autostartBox->isChecked();
    if (wantAutostart != autostartRegistered()) {
        QString why;
        if (!setAutostart(wantAutostart, QCoreApplication::applicationFilePath(), &why))
            app.seams().dialogs->warn(window, kAutostartFailed.arg(why));
    }
    if (stored)
        app.seams().dialogs->message(window, kStored, {}, platform::Icon::None, platform::Buttons::Ok);
}

void showStartupReminder(Application &app)
{
    const QString file = app.path(kSettingsFile);
    if (platform::readProfileString(file, kReminderSection, kReminderOnKey) != kOn)
        return;
    const QString text = platform::readProfileString(file, kReminderSection, kReminderTextKey);
    app.seams().dialogs->message(app.mainWindow(), text, kReminderTitle, platform::Icon::None, platform::Buttons::Ok);
}

void buildSettingsPage(Application &app, MainWindow &window, MaintenancePanel &panel)
{
    QWidget *page = window.tabs()->widget(9);
    auto *pageBox = new QGroupBox(page);
    pageBox->setObjectName(QStringLiteral("分组框系统设置"));
    pageBox->setGeometry(0, 0, 768, 513);

    auto *general = new QGroupBox(kGeneralGroup, pageBox);
    general->setObjectName(QStringLiteral("分组框常规选项"));
    general->setGeometry(9, 22, 750, 63);
    panel.autostartBox = new QCheckBox(kAutostartText, general);
    panel.autostartBox->setObjectName(QStringLiteral("选择框1"));
    panel.autostartBox->setGeometry(48, 23, 167, 16);
    // The box shows whether the entry is there, so pressing "设置" never drops it unasked.
    panel.autostartBox->setChecked(autostartRegistered());

    auto *reminder = new QGroupBox(kReminderGroup, pageBox);
    reminder->setObjectName(QStringLiteral("分组框启动提醒"));
    reminder->setGeometry(8, 104, 750, 189);
    panel.reminderBox = new QCheckBox(kReminderBoxText, reminder);
    panel.reminderBox->setObjectName(QStringLiteral("选择框提醒"));
    panel.reminderBox->setGeometry(48, 16, 167, 16);
    panel.reminderBox->setChecked(true);
    panel.reminderText = new QPlainTextEdit(kReminderInitialText, reminder);
    panel.reminderText->setObjectName(QStringLiteral("编辑框提醒"));
    panel.reminderText->setGeometry(24, 35, 704, 130);
    QPlainTextEdit *edit = panel.reminderText;
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] { limitLength(edit); });

    panel.settingsButton = new QPushButton(kSetText, pageBox);
    panel.settingsButton->setObjectName(QStringLiteral("按钮2"));
    panel.settingsButton->setGeometry(648, 453, 104, 40);
    QObject::connect(panel.settingsButton, &QPushButton::clicked, &panel, [&app] { storeSettings(app); });
}

} // namespace binview
