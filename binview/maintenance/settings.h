#pragma once
// The settings page, "set.ini" and the start-up reminder; the "随开机自动启动" box registers an
// XDG autostart entry for the program.

#include <QString>

namespace binview {

class Application;

inline const QString kSettingsFile = QStringLiteral("set.ini");
inline const QString kReminderSection = QStringLiteral("提醒");
inline const QString kReminderOnKey = QStringLiteral("提醒开启");
inline const QString kReminderTextKey = QStringLiteral("提醒内容");
inline const QString kReminderInitialText = QStringLiteral("欢迎使用Halvex 仓库管理软件 !!");
inline constexpr int kReminderMaxLength = 100;

// "设置" on the settings page.
void storeSettings(Application &app);

// The autostart entry: <folder>/binview.desktop, the folder being $XDG_CONFIG_HOME/autostart
// (~/.config/autostart) unless another one was set, as the tests do.
void setAutostartFolder(const QString &folder);
QString autostartEntryPath();
bool autostartRegistered();
// Writes or removes the entry that starts program at log-in.
bool setAutostart(bool on, const QString &program, QString *error = nullptr);

} // namespace binview
