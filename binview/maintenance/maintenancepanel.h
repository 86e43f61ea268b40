#pragma once
// The controls the maintenance commands work on, found again through the main window.

#include <QObject>
#include <QPointer>

#include <array>

class QCheckBox;
class QChartView;
class QLineSeries;
class QPlainTextEdit;
class QPushButton;
class QValueAxis;

namespace binview {

class IntegerBox;
class MainWindow;

class MaintenancePanel : public QObject {
    Q_OBJECT
public:
    explicit MaintenancePanel(MainWindow &window);
    // The panel of this window, or nullptr before installMaintenance.
    static MaintenancePanel *of(const MainWindow *window);

    // Forecast page
    std::array<IntegerBox *, 3> inBoxes{};
    std::array<IntegerBox *, 3> outBoxes{};
    QChartView *chartView = nullptr;
    QLineSeries *curve = nullptr;
    QValueAxis *axisY = nullptr;
    QPushButton *enterButton = nullptr;
    QPushButton *clearButton = nullptr;

    // Settings page
    QCheckBox *autostartBox = nullptr;
    QCheckBox *reminderBox = nullptr;
    QPlainTextEdit *reminderText = nullptr;
    QPushButton *settingsButton = nullptr;

    // Overview page
    QPushButton *printButton = nullptr;
};

class Application;

// The builders installMaintenance runs, one per page.
void buildForecastPage(Application &app, MainWindow &window, MaintenancePanel &panel);
void buildSettingsPage(Application &app, MainWindow &window, MaintenancePanel &panel);
void buildPrintButton(Application &app, MainWindow &window, MaintenancePanel &panel);

} // namespace binview
