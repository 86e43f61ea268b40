#pragma once
// The application object: owns the run state, the order store and the main window, receives
// the seams, and runs the start, refresh and exit sequences.

#include "binview/map/orderstore.h"
#include "binview/shell/runstate.h"
#include "platform/seams.h"

#include <QObject>
#include <QPointer>

namespace binview {

class MainWindow;

class Application : public QObject {
    Q_OBJECT
public:
    Application(const platform::Seams &seams, const QString &runDir, QObject *parent = nullptr);
    ~Application() override;

    // Lays out missing live files and opens the first window (the login).
    void startProgram();
    // Creates the live store and colour table from the templates when they are absent.
    void layOutLiveFiles();
    // The date part of the today date box as date text; needs the main window.
    QString todayDateText() const;
    void openMainWindow();
    void mapRefresh();
    void fullRefresh();
    void confirmAndExit();

    // The steps the refresh sequences and the navigation commands are made of.
    void colourPass();
    void paintZone(QChar zone);
    void overviewStatistics();
    void zoneOrderTexts();
    void shortTermFill();
    int orderListFill();
    void showStoreProblem();

    RunState &state() { return state_; }
    const platform::Seams &seams() const { return seams_; }
    OrderStore &store() { return store_; }
    QueryView &queryView() { return queryView_; }
    MainWindow *mainWindow() const;

    QString runDir() const { return runDir_; }
    // run directory + "/" + relative path
    QString path(const QString &relative) const;
    QString storePath() const;
    QString colourTablePath() const;

private:

    platform::Seams seams_;
    QString runDir_;
    RunState state_;
    OrderStore store_;
    QueryView queryView_;
    QPointer<MainWindow> mainWindow_;
};

} // namespace binview
