#pragma once
// Small helpers for the fixed window layouts of the tool bar's windows.

#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace mivo {

// Controls placed "relative to the tab control" sit on a page that starts below the tab row.
inline QRect onPage(int x, int y, int w, int h)
{
    constexpr int kPageLeft = 2;
    constexpr int kPageTop = 24;
    return {qMax(0, x - kPageLeft), qMax(0, y - kPageTop), w, h};
}

// Creates a control with its object name and fixed geometry.
template <typename T, typename... Args>
T *place(QWidget *parent, const char16_t *name, const QRect &geometry, Args &&...args)
{
    auto *w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromUtf16(name));
    w->setGeometry(geometry);
    return w;
}

// A flat push button, as the tool bar's windows use them.
inline QPushButton *flatButton(QWidget *parent, const char16_t *name, const QRect &geometry, const QString &text)
{
    auto *b = place<QPushButton>(parent, name, geometry, text);
    b->setFlat(true);
    return b;
}

} // namespace mivo
