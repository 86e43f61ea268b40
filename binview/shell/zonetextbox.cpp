#include "binview/shell/zonetextbox.h"

namespace binview {

ZoneTextBox::ZoneTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void ZoneTextBox::setZoneText(const QString &text)
{
    if (text == text_ && !pending_)
        return;
    text_ = text;
    pending_ = !isVisible();
    if (!pending_)
        setPlainText(text_);
}

void ZoneTextBox::showEvent(QShowEvent *event)
{
    if (pending_) {
        pending_ = false;
        setPlainText(text_);
    }
    QPlainTextEdit::showEvent(event);
}

} // namespace binview
