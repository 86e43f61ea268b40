#include "binview/users/defaultbutton.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace binview {

void DefaultButtonRule::add(QWidget *control, QPushButton *button)
{
    // Qt's own rule (an auto-default button becomes default when focused) would fight ours.
    button->setAutoDefault(false);
    entries_.push_back({control, button});
    control->installEventFilter(this);
}

bool DefaultButtonRule::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    for (const Entry &entry : entries_) {
        if (entry.control != watched)
            continue;
        for (const Entry &other : entries_)
            other.button->setDefault(other.button == entry.button);
        if (auto *edit = qobject_cast<QLineEdit *>(entry.control))
            edit->selectAll();
        break;
    }
    return false;
}

} // namespace binview
