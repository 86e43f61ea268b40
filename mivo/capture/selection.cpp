#include "mivo/capture/selection.h"

#include "platform/text.h"

#include <cstdlib>

namespace mivo {

Span Span::ordered() const
{
    return {qMin(left, right), qMin(top, bottom), qMax(left, right), qMax(top, bottom)};
}

bool Span::contains(int x, int y) const
{
    const Span o = ordered();
    return x >= o.left && x <= o.right && y >= o.top && y <= o.bottom;
}

void CaptureSelection::reset()
{
    grabMode_ = GrabNone;
    pointer_ = PointerShape::Capture;
    buttonDown_ = selection_ = mouseCaptured_ = grab_ = ignorePress_ = false;
}

Span CaptureSelection::handle(int h) const
{
    const int midX = platform::truncPixel((double(rect_.left) + rect_.right) / 2.0);
    const int midY = platform::truncPixel((double(rect_.top) + rect_.bottom) / 2.0);
    static constexpr int kXs[8] = {0, 1, 2, 0, 2, 0, 1, 2}; // 0 = L, 1 = middle, 2 = R
    static constexpr int kYs[8] = {0, 0, 0, 1, 1, 2, 2, 2}; // 0 = T, 1 = middle, 2 = B
    const int cx = kXs[h] == 0 ? rect_.left : kXs[h] == 1 ? midX : rect_.right;
    const int cy = kYs[h] == 0 ? rect_.top : kYs[h] == 1 ? midY : rect_.bottom;
    return {cx - 2, cy - 2, cx + 2, cy + 2};
}

int CaptureSelection::hitMode(int x, int y) const
{
    static constexpr int kOrder[8] = {7, 0, 1, 2, 3, 4, 5, 6};
    for (int h : kOrder) {
        if (handle(h).contains(x, y))
            return h + 1;
    }
    return rect_.contains(x, y) ? GrabWhole : GrabNone;
}

PointerShape CaptureSelection::shapeFor(int mode)
{
    switch (mode) {
    case GrabTopLeft:
    case GrabBottomRight:
        return PointerShape::SizeNwSe;
    case GrabTop:
    case GrabBottom:
        return PointerShape::SizeNs;
    case GrabTopRight:
    case GrabBottomLeft:
        return PointerShape::SizeNeSw;
    case GrabLeft:
    case GrabRight:
        return PointerShape::SizeWe;
    case GrabWhole:
        return PointerShape::Move;
    default:
        return PointerShape::Capture;
    }
}

void CaptureSelection::hitTest(int x, int y)
{
    if (grab_)
        return;
    const int mode = hitMode(x, y);
    if (buttonDown_ && mode != GrabNone) {
        grabMode_ = mode;
        grab_ = true;
    } else if (mode == GrabNone) {
        grabMode_ = GrabNone;
    }
    if (!buttonDown_)
        pointer_ = shapeFor(mode);
}

void CaptureSelection::press(int x, int y)
{
    mouseCaptured_ = true;
    if (!buttonDown_ && !selection_) {
        rect_.left = x;
        rect_.top = y;
    }
    // Outside an existing selection a press does nothing: it has to be cancelled first.
    if (selection_ && pointer_ == PointerShape::Capture)
        ignorePress_ = true;
    buttonDown_ = true;
    savedCorner_ = {rect_.left, rect_.top};
    savedPress_ = {x, y};
    move(x, y);
}

void CaptureSelection::move(int x, int y)
{
    if (selection_) {
        hitTest(x, y);
        if (ignorePress_) {
            ignorePress_ = false;
            buttonDown_ = false;
            return;
        }
        if (!grab_ || !buttonDown_)
            return;
        switch (grabMode_) {
        case GrabTopLeft:
            rect_.left = x;
            rect_.top = y;
            break;
        case GrabTop:
            rect_.top = y;
            break;
        case GrabTopRight:
            rect_.right = x;
            rect_.top = y;
            break;
        case GrabLeft:
            rect_.left = x;
            break;
        case GrabRight:
            rect_.right = x;
            break;
        case GrabBottomLeft:
            rect_.left = x;
            rect_.bottom = y;
            break;
        case GrabBottom:
            rect_.bottom = y;
            break;
        case GrabBottomRight:
            rect_.right = x;
            rect_.bottom = y;
            break;
        case GrabWhole: {
            const int w = rect_.right - rect_.left;
            const int h = rect_.bottom - rect_.top;
            rect_.left = savedCorner_.x() + (x - savedPress_.x());
            rect_.top = savedCorner_.y() + (y - savedPress_.y());
            rect_.right = rect_.left + w;
            rect_.bottom = rect_.top + h;
            break;
        }
        default:
            break;
        }
    } else if (buttonDown_) {
        rect_.right = x;
        rect_.bottom = y;
    }
}

void CaptureSelection::release(int x, int y)
{
    mouseCaptured_ = false;
    // A press and release at one point makes no selection.
    if (x != rect_.left || y != rect_.top)
        selection_ = true;
    buttonDown_ = false;
    grab_ = false;
    hitTest(x, y);
    rect_ = rect_.ordered();
    ignorePress_ = false;
}

void CaptureSelection::cancel()
{
    mouseCaptured_ = buttonDown_ = grab_ = ignorePress_ = false;
    grabMode_ = GrabNone;
    rect_ = {-1, -1, -1, -1};
    pointer_ = PointerShape::Capture;
}

bool CaptureSelection::rightRelease()
{
    cancel();
    const bool close = !selection_;
    selection_ = false;
    return close;
}

std::optional<Span> CaptureSelection::doubleClick(int x, int y)
{
    if (!selection_ || !rect_.contains(x, y))
        return std::nullopt;
    rect_.left = qMax(rect_.left, 0);
    rect_.top = qMax(rect_.top, 0);
    rect_.right = qMin(rect_.right, screen_.width());
    rect_.bottom = qMin(rect_.bottom, screen_.height());
    const Span region = rect_;
    rightRelease();
    return region;
}

bool CaptureSelection::closeRequested()
{
    if (!selection_)
        return true;
    rightRelease();
    return false;
}

QPoint CaptureSelection::infoBoxPlace(int x, int y, int lineHeight) const
{
    const int px = x > screen_.width() - 70 ? x - 64 : x + 8;
    const int py = y >= 84 ? y - 6 * lineHeight - 8 : y + 8;
    return {px, py};
}

QStringList CaptureSelection::infoLines(int x, int y) const
{
    const Span o = rect_.ordered();
    const qint64 w = std::llabs(qint64(rect_.right) - rect_.left);
    const qint64 h = std::llabs(qint64(rect_.bottom) - rect_.top);
    const QString comma(u',');
    return {QStringLiteral("顶点位置"),
            u'(' + QString::number(o.left) + comma + QString::number(o.top) + u')',
            QStringLiteral("矩形大小"),
            u'(' + QString::number(w) + comma + QString::number(h) + (w < 1000 ? QStringLiteral(")") : QString()),
            QStringLiteral("光标坐标"),
            u'(' + QString::number(x) + comma + QString::number(y) + (x < 1000 ? QStringLiteral(")") : QString())};
}

QString CaptureSelection::initialColourText()
{
    return QStringLiteral("\r\n\r\n\r\n·当前像素RGB(255,255,255)");
}

QString CaptureSelection::colourText(const QColor &c)
{
    return QStringLiteral("\r\n\r\n\r\n·当前像素RGB(") + QString::number(c.red()) + u',' + QString::number(c.green()) +
           u',' + QString::number(c.blue()) +
           QStringLiteral(")\r\n\r\n·按下鼠标左键不放选择截取范围\r\n\r\n·按'ESC'键或鼠标右键退出");
}

int CaptureSelection::labelLeftAvoiding(int x, int labelWidth) const
{
    return x < screen_.width() / 2.0 ? screen_.width() - labelWidth - 8 : 8;
}

} // namespace mivo
