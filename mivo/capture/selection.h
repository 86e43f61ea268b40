#pragma once
// The capture window's selection logic without any window: the rectangle, its eight handles,
// the grab modes, the pointer shape and the info-box and colour read-out texts. The window feeds
// it pointer positions (screen pixels) and paints what it says.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <array>
#include <optional>

namespace mivo {

// Inclusive rectangle in screen pixels; may be reversed (R < L or B < T) while it is drawn.
struct Span {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
    bool operator==(const Span &) const = default;
    // Inclusive containment after ordering the corners.
    bool contains(int x, int y) const;
    Span ordered() const;
};

enum class PointerShape { Capture, SizeNwSe, SizeNs, SizeNeSw, SizeWe, Move };

enum GrabMode {
    GrabNone = 0,
    GrabTopLeft = 1,
    GrabTop = 2,
    GrabTopRight = 3,
    GrabLeft = 4,
    GrabRight = 5,
    GrabBottomLeft = 6,
    GrabBottom = 7,
    GrabBottomRight = 8,
    GrabWhole = 9
};

class CaptureSelection {
public:
    explicit CaptureSelection(QSize screen = {}) : screen_(screen) {}

    // Every flag and the grab mode back to zero.
    void reset();

    // Canvas events; a return of true from rightRelease means the capture window is to close.
    void press(int x, int y);
    void move(int x, int y);
    void release(int x, int y);
    bool rightRelease();
    // The clamped region to copy when (x, y) lies inside the selection; afterwards the selection
    // is cancelled and the window is to close.
    std::optional<Span> doubleClick(int x, int y);
    // A close request is refused while a selection exists (the selection is cancelled instead).
    bool closeRequested();

    // Handle h (0..7) as an inclusive 5x5 square around its centre.
    Span handle(int h) const;
    // The grab mode of what lies under (x, y): handles 7, 0 … 6, then the rectangle; 0 for nothing.
    int hitMode(int x, int y) const;
    static PointerShape shapeFor(int mode);

    const Span &rect() const { return rect_; }
    QSize screen() const { return screen_; }
    bool hasSelection() const { return selection_; }
    bool buttonDown() const { return buttonDown_; }
    bool grabbing() const { return grab_; }
    bool ignoringPress() const { return ignorePress_; }
    bool mouseCaptured() const { return mouseCaptured_; }
    int grabMode() const { return grabMode_; }
    PointerShape pointer() const { return pointer_; }

    // The info box's top-left for the pointer at (x, y), given the text height h.
    QPoint infoBoxPlace(int x, int y, int lineHeight) const;
    // Its six lines, with the closing ")" dropped from a size or position of 1000 and more.
    QStringList infoLines(int x, int y) const;
    // The colour read-out shown in the label.
    static QString colourText(const QColor &colour);
    static QString initialColourText();
    // The label's new left when the pointer at x reaches it.
    int labelLeftAvoiding(int x, int labelWidth) const;

private:
    void hitTest(int x, int y);
    void cancel();

    QSize screen_;
    Span rect_;
    QPoint savedCorner_;
    QPoint savedPress_;
    int grabMode_ = GrabNone;
    PointerShape pointer_ = PointerShape::Capture;
    bool buttonDown_ = false;
    bool selection_ = false;
    bool mouseCaptured_ = false;
    bool grab_ = false;
    bool ignorePress_ = false;
};

} // namespace mivo
