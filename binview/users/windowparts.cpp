#include "binview/users/windowparts.h"

#include <QLabel>
#include <QWidget>

namespace binview {

QLabel *addBanner(QWidget *window, const QString &caption)
{
    auto *banner = new QLabel(caption, window);
    banner->setGeometry(0, 0, 324, 64);
    banner->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    banner->setIndent(18);
    banner->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 17px; font-weight: bold;"
                                         " background: qlineargradient(x1:0, y1:0, x2:1, y2:1,"
                                         " stop:0 #1d4f91, stop:1 #4f8fd6); }"));
    return banner;
}

QLabel *addLabel(QWidget *window, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, window);
    label->setGeometry(geometry);
    return label;
}

} // namespace binview
