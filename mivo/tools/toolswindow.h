#pragma once
// The tools window " 工具集合": desk tools and shut-down, screen capture, and the file-transfer
// page that has no function yet.

#include "platform/seams.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QTabWidget;

namespace mivo {

class CapturePage;

class ToolsWindow : public QWidget {
    Q_OBJECT
public:
    // owner: the main bar, which also goes out of the way during a capture.
    ToolsWindow(const platform::Seams &seams, QWidget *owner);

    CapturePage *capturePage() const { return capturePage_; }

    void startDeskTool(int tool);
    void powerAction();
    void browse();

private:
    platform::Seams seams_;
    QTabWidget *tabs_ = nullptr;
    QComboBox *powerList_ = nullptr;
    QPushButton *powerButton_ = nullptr;
    CapturePage *capturePage_ = nullptr;
};

} // namespace mivo
