#include "mivo/capture/capturewindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace mivo {

// The canvas "画板1": paints the snapshot, the selection with its handles and, while the button
// is held, the info box; hands every mouse event to the window.
class CaptureCanvas : public QWidget {
public:
    explicit CaptureCanvas(CaptureWindow *window) : QWidget(window), window_(window)
    {
        setObjectName(QStringLiteral("画板1"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, window_->snapshot_);
        const CaptureSelection &s = window_->selection_;
        if (s.buttonDown() && underMouse())
            paintInfoBox(p, s);
        if (!s.hasSelection() && !s.buttonDown())
            return;
        const Span r = s.rect();
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.drawLine(r.left, r.top, r.left, r.bottom);
        p.drawLine(r.left, r.top, r.right, r.top);
        p.drawLine(r.right, r.top, r.right, r.bottom);
        p.drawLine(r.left, r.bottom, r.right, r.bottom);
        for (int h = 0; h < 8; ++h) {
            const Span box = s.handle(h);
            p.drawRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
        }
    }

    void paintInfoBox(QPainter &p, const CaptureSelection &s)
    {
        const QPoint at = window_->lastPointer_;
        const int h = fontMetrics().height();
        const QPoint place = s.infoBoxPlace(at.x(), at.y(), h);
        const int px = place.x();
        const int py = place.y();
        p.setPen(QColor(0, 0, 255));
        const QStringList lines = s.infoLines(at.x(), at.y());
        for (int k = 0; k < lines.size(); ++k)
            p.drawText(px, py + k * h + fontMetrics().ascent(), lines[k]);
        p.drawLine(px - 3, py - 3, px + 54, py - 3);
        p.drawLine(px - 3, py - 3, px - 3, py + 6 * h + 3);
        p.drawLine(px - 3, py + 6 * h + 3, px + 54, py + 6 * h + 3);
        p.drawLine(px + 54, py - 3, px + 54, py + 6 * h + 3);
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            window_->pressed(e->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent *e) override { window_->moved(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            window_->released(e->position().toPoint());
        else if (e->button() == Qt::RightButton)
            window_->rightReleased();
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            window_->doubleClicked(e->position().toPoint());
    }

private:
    CaptureWindow *window_;
};

namespace {

QCursor cursorFor(PointerShape shape)
{
    switch (shape) {
    case PointerShape::SizeNwSe:
        return Qt::SizeFDiagCursor;
    case PointerShape::SizeNs:
        return Qt::SizeVerCursor;
    case PointerShape::SizeNeSw:
        return Qt::SizeBDiagCursor;
    case PointerShape::SizeWe:
        return Qt::SizeHorCursor;
    case PointerShape::Move:
        return Qt::SizeAllCursor;
    case PointerShape::Capture:
        break;
    }
    return QCursor(CaptureWindow::arrowPixmap(), 0, 0);
}

QPixmap labelBackground()
{
    QPixmap pm(172, 146);
    pm.fill(QColor(255, 255, 225));
    QPainter p(&pm);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 171, 145);
    return pm;
}

} // namespace

QPixmap CaptureWindow::arrowPixmap()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF arrow[] = {{0, 0}, {0, 21}, {5, 16}, {9, 25}, {12, 24}, {8, 15}, {15, 15}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow, 7);
    // A small cross marks this as the capture pointer.
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawLine(22, 20, 22, 30);
    p.drawLine(17, 25, 27, 25);
    return pm;
}

CaptureWindow::CaptureWindow(const platform::Seams &seams, std::optional<QPoint> pointer, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), seams_(seams)
{
    QImage grabbed = seams_.screen ? seams_.screen->grab() : QImage();
    if (grabbed.isNull()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        grabbed = QImage(screen ? screen->size() : QSize(1024, 768), QImage::Format_RGB32);
        grabbed.fill(Qt::black);
    }
    snapshot_ = grabbed.convertToFormat(QImage::Format_RGB32);
    if (pointer) {
        QPainter p(&snapshot_);
        p.drawPixmap(*pointer, arrowPixmap());
    }
    selection_ = CaptureSelection(snapshot_.size());
    selection_.reset();

    setGeometry(0, 0, snapshot_.width(), snapshot_.height());
    canvas_ = new CaptureCanvas(this);
    canvas_->setGeometry(0, 0, snapshot_.width(), snapshot_.height());
    canvas_->setCursor(cursorFor(PointerShape::Capture));

    label_ = new QLabel(canvas_);
    label_->setObjectName(QStringLiteral("标签1"));
    label_->setGeometry(16, 16, 172, 146);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setMargin(6);
    label_->setWordWrap(true);
    label_->setAutoFillBackground(true);
    QPalette pal = label_->palette();
    pal.setBrush(QPalette::Window, QBrush(labelBackground()));
    pal.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(pal);
    label_->setText(CaptureSelection::initialColourText());
    label_->setMouseTracking(true);
    label_->installEventFilter(this);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("时钟1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &CaptureWindow::tick);
    timer_->start();
}

CaptureWindow::~CaptureWindow() = default;

QWidget *CaptureWindow::canvas() const
{
    return canvas_;
}

void CaptureWindow::syncPointer()
{
    if (selection_.pointer() == shownPointer_)
        return;
    shownPointer_ = selection_.pointer();
    canvas_->setCursor(cursorFor(shownPointer_));
}

void CaptureWindow::pressed(QPoint p)
{
    lastPointer_ = p;
    selection_.press(p.x(), p.y());
    canvas_->update();
    updateReadOut(p);
}

void CaptureWindow::moved(QPoint p)
{
    lastPointer_ = p;
    selection_.move(p.x(), p.y());
    syncPointer();
    canvas_->update();
    updateReadOut(p);
    if (label_->geometry().contains(p))
        avoidLabel(p);
}

void CaptureWindow::released(QPoint p)
{
    lastPointer_ = p;
    selection_.release(p.x(), p.y());
    syncPointer();
    canvas_->update();
}

void CaptureWindow::rightReleased()
{
    const bool close = selection_.rightRelease();
    syncPointer();
    canvas_->update();
    if (close)
        reject();
}

void CaptureWindow::doubleClicked(QPoint p)
{
    const std::optional<Span> region = selection_.doubleClick(p.x(), p.y());
    if (!region)
        return;
    captured_ = true;
    const QImage copy =
        snapshot_.copy(region->left, region->top, region->right - region->left + 1, region->bottom - region->top + 1);
    if (seams_.screen)
        seams_.screen->setClipboardImage(copy);
    syncPointer();
    accept();
}

void CaptureWindow::tick()
{
    // Once the button is up this also wipes the info box.
    if (!(selection_.buttonDown() && canvas_->underMouse()))
        canvas_->update();
}

void CaptureWindow::updateReadOut(QPoint p)
{
    if (!snapshot_.valid(p))
        return;
    label_->setText(CaptureSelection::colourText(snapshot_.pixelColor(p)));
}

void CaptureWindow::avoidLabel(QPoint p)
{
    label_->move(selection_.labelLeftAvoiding(p.x(), label_->width()), label_->y());
}

void CaptureWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject(); // at once, nothing copied
        return;
    }
    QDialog::keyPressEvent(event);
}

void CaptureWindow::closeEvent(QCloseEvent *event)
{
    if (selection_.closeRequested()) {
        QDialog::closeEvent(event);
        return;
    }
    syncPointer();
    canvas_->update();
    event->ignore();
}

bool CaptureWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == label_ && event->type() == QEvent::MouseMove) {
        const auto *e = static_cast<QMouseEvent *>(event);
        avoidLabel(label_->mapTo(canvas_, e->position().toPoint()));
        // Taken here: passed on to the canvas it would arrive mapped through the label's new place.
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace mivo
