#pragma once
// One bin's drawing tile: a flat background colour and the bin code as its tag.

#include "binview/map/colours.h"

#include <QWidget>

class QLabel;

namespace binview {

class BinTile : public QWidget {
    Q_OBJECT
public:
    // An interactive tile reports right-clicks; a mini-map tile reacts to no input.
    BinTile(const QString &code, bool interactive, QWidget *parent);

    QString tag() const { return tag_; }
    void setColour(PackedColour colour);
    PackedColour colour() const { return colour_; }
    void setCaption(QLabel *caption) { caption_ = caption; }

Q_SIGNALS:
    void rightClicked(const QString &tag);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString tag_;
    bool interactive_;
    PackedColour colour_ = 0;
    QLabel *caption_ = nullptr;
};

} // namespace binview
