#pragma once
// Lets the user drag a window by any free spot of its surface: presses that no control takes
// reach the window itself and move it with the pointer.

#include <QObject>
#include <QPoint>

class QWidget;

namespace mivo {

class DragMove : public QObject {
    Q_OBJECT
public:
    // Installs itself on the window and is owned by it.
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DragMove(QWidget *window);
    QWidget *window_;
    QPoint grabOffset_;
    bool dragging_ = false;
};

} // namespace mivo
