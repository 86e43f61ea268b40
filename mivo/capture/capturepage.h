#pragma once
// The page "]屏幕抓手[" of the tools window: how to handle a capture, and "开始抓图", which
// minimises the bar and the tools window, runs the capture window and acts on the choice.

#include "platform/seams.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QRadioButton;

namespace mivo {

class CapturePage : public QWidget {
    Q_OBJECT
public:
    // bar: the main bar, minimised with the tools window during a capture.
    CapturePage(const platform::Seams &seams, QWidget *bar, QWidget *parent = nullptr);

    void startCapture();

    // BMP data of the last captured picture (empty until a region was captured).
    const QByteArray &picture() const { return picture_; }
    // Where the pointer is when a capture starts (it is drawn into the frozen screen); none
    // leaves the pointer out.
    std::function<std::optional<QPoint>()> pointerPosition;

private:
    void afterCapture();

    platform::Seams seams_;
    QPointer<QWidget> bar_;
    QRadioButton *edit_ = nullptr;
    QRadioButton *save_ = nullptr;
    QRadioButton *keep_ = nullptr;
    QLabel *pictureBox_ = nullptr;
    QByteArray picture_;
};

} // namespace mivo
