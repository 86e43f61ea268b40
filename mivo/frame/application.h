#pragma once
// The tool bar's application object: receives the seams, creates the bar, runs its start-up
// (tray icon, collapsed bar, splash, document addresses), opens the windows beside the bar and
// ends the program after the exit confirmation.

#include "mivo/handbook/addresses.h"
#include "platform/seams.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QSystemTrayIcon;

namespace mivo {

class HandbookWindow;
class MainBar;
class PersonalListWindow;
class SettingsWindow;
class ToolsWindow;

class Application : public QObject {
    Q_OBJECT
public:
    // personalListPath: the personal list file (the home folder's "档案项目.ini" in main()).
    Application(const platform::Seams &seams, QString personalListPath, QObject *parent = nullptr);
    ~Application() override;

    // Creates and shows the bar and runs its creation handler.
    void start();

    // The fixed threshold: half of a 1024-pixel screen, whatever the real screen is.
    static constexpr int kBesideThreshold = 512;
    void openBeside(QWidget *window, bool toggleFirst);
    void openHandbook();
    void openTools();
    void openSettings();
    void openPersonalList();
    void confirmExit();

    MainBar *bar() const { return bar_.get(); }
    HandbookWindow *handbook() const;
    ToolsWindow *tools() const;
    PersonalListWindow *personalList() const;
    SettingsWindow *settings() const;
    QSystemTrayIcon *tray() const { return tray_; }
    const DocumentBases &bases() const { return bases_; }
    const QString &personalListPath() const { return personalListPath_; }

private:
    platform::Seams seams_;
    QString personalListPath_;
    DocumentBases bases_;
    std::unique_ptr<MainBar> bar_;
    QSystemTrayIcon *tray_ = nullptr;
    QPointer<HandbookWindow> handbook_;
    QPointer<ToolsWindow> tools_;
    QPointer<SettingsWindow> settings_;
    QPointer<PersonalListWindow> personalList_;
};

// The personal list file's place: the home folder (drive C on Windows).
QString defaultPersonalListPath();

} // namespace mivo
