#include "mivo/frame/dragmove.h"

#include <QMouseEvent>
#include <QWidget>

namespace mivo {

DragMove::DragMove(QWidget *window) : QObject(window), window_(window) {}

void DragMove::install(QWidget *window)
{
    window->installEventFilter(new DragMove(window));
}

bool DragMove::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        dragging_ = true;
        grabOffset_ = e->globalPosition().toPoint() - window_->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (!dragging_ || !(e->buttons() & Qt::LeftButton))
            return false;
        window_->move(e->globalPosition().toPoint() - grabOffset_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!dragging_)
            return false;
        dragging_ = false;
        return true;
    default:
        return false;
    }
}

} // namespace mivo
