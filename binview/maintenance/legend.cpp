#include "binview/maintenance/legend.h"

#include "binview/map/colours.h"

#include <QFont>
#include <QPainter>

#include <array>

namespace binview {

namespace {

struct LegendRow {
    QString word;
    PackedColour colour;
    QString meaning;
};

// The drawing colours are those the map paints the tiles with.
const std::array<LegendRow, 4> &rows()
{
    static const std::array<LegendRow, 4> list = {{
        {kRed, packColour(255, 0, 0), QStringLiteral("三天之内出货：请提前备货、安排装车")},
        {kBlue, packColour(0, 0, 255), QStringLiteral("三天以后出货，或出货日期待定")},
        {kBlack, packColour(0, 0, 0), QStringLiteral("出货日期已到或已过：请尽快出货")},
        {kGreen, packColour(0, 255, 0), QStringLiteral("空库位：已清空，可以入库")},
    }};
    return list;
}

QColor drawing(PackedColour c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

QImage colourLegend(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width();
    const double h = size.height();
    const double margin = w * 0.04;

    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(h * 0.075));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    const QRectF titleBox(margin, margin * 0.6, w - 2 * margin, h * 0.13);
    p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("库位颜色说明"));

    const double top = titleBox.bottom() + h * 0.03;
    const double rowHeight = (h - top - margin * 1.6) / 4;
    const double swatch = rowHeight * 0.72;
    QFont wordFont = font;
    wordFont.setPixelSize(static_cast<int>(rowHeight * 0.34));
    QFont textFont = font;
    textFont.setBold(false);
    textFont.setPixelSize(static_cast<int>(rowHeight * 0.24));
    for (size_t i = 0; i < rows().size(); ++i) {
        const LegendRow &row = rows()[i];
        const double y = top + rowHeight * static_cast<double>(i);
        const QRectF box(margin, y + (rowHeight - swatch) / 2, swatch * 1.5, swatch);
        p.setPen(QPen(Qt::gray, 2));
        p.setBrush(drawing(row.colour));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.setFont(wordFont);
        const QRectF wordBox(box.right() + margin * 0.6, y, w * 0.16, rowHeight);
        p.drawText(wordBox, Qt::AlignLeft | Qt::AlignVCenter, row.word);
        p.setFont(textFont);
        const QRectF textBox(wordBox.right(), y, w - margin - wordBox.right(), rowHeight);
        p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, row.meaning);
    }
    QFont note = textFont;
    note.setPixelSize(static_cast<int>(h * 0.03));
    p.setFont(note);
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(margin, h - margin * 1.4, w - 2 * margin, margin), Qt::AlignCenter,
               QStringLiteral("颜色按“今日日期”与订单的出货日期自动计算。"));
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    return image;
}

} // namespace binview
