#include "binview/shell/bintile.h"

#include <QLabel>
#include <QMouseEvent>

namespace binview {

BinTile::BinTile(const QString &code, bool interactive, QWidget *parent)
    : QWidget(parent), tag_(code), interactive_(interactive)
{
    setProperty("tag", code);
    setAutoFillBackground(true);
    if (!interactive)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    setColour(packColour(0xC0, 0xC0, 0xC0)); // neutral grey until the first refresh paints it
}

void BinTile::setColour(PackedColour colour)
{
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    setPalette(p);
    if (caption_) {
        // Keep the bin code readable on every background.
        const int luminance = (redOf(colour) * 299 + greenOf(colour) * 587 + blueOf(colour) * 114) / 1000;
        QPalette cp = caption_->palette();
        cp.setColor(QPalette::WindowText, luminance > 140 ? Qt::black : Qt::white);
        caption_->setPalette(cp);
    }
}

void BinTile::mousePressEvent(QMouseEvent *event)
{
    if (interactive_ && event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT rightClicked(tag_);
        return;
    }
    QWidget::mousePressEvent(event);
}

} // namespace binview
