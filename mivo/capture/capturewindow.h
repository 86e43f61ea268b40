#pragma once
// The capture window: the frozen screen full-screen, on which the clerk draws, adjusts and
// double-clicks a selection; the region goes to the clipboard.

#include "mivo/capture/selection.h"
#include "platform/seams.h"

#include <QDialog>
#include <QImage>

#include <optional>

class QLabel;
class QTimer;

namespace mivo {

class CaptureCanvas;

class CaptureWindow : public QDialog {
    Q_OBJECT
public:
    // The screen is copied once, here; the pointer, when given, is drawn into the copy.
    CaptureWindow(const platform::Seams &seams, std::optional<QPoint> pointer, QWidget *parent = nullptr);
    ~CaptureWindow() override;

    bool captured() const { return captured_; }
    const QImage &snapshot() const { return snapshot_; }
    const CaptureSelection &selection() const { return selection_; }
    QWidget *canvas() const;
    QLabel *readOut() const { return label_; }

    // The capture pointer: an arrow with its hot spot at the tip.
    static QPixmap arrowPixmap();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class CaptureCanvas;
    void pressed(QPoint p);
    void moved(QPoint p);
    void released(QPoint p);
    void rightReleased();
    void doubleClicked(QPoint p);
    void tick();
    void updateReadOut(QPoint p);
    void avoidLabel(QPoint p);
    void syncPointer();

    platform::Seams seams_;
    QImage snapshot_;
    CaptureSelection selection_;
    CaptureCanvas *canvas_ = nullptr;
    QLabel *label_ = nullptr;
    QTimer *timer_ = nullptr;
    PointerShape shownPointer_ = PointerShape::Capture;
    QPoint lastPointer_;
    bool captured_ = false;
};

} // namespace mivo
