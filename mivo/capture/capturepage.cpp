#include "mivo/capture/capturepage.h"

#include "mivo/capture/capturewindow.h"
#include "mivo/frame/layout.h"
#include "platform/desktools.h"
#include "platform/files.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace mivo {

namespace {

// A radio button whose caption wraps onto a second line when the button is tall enough.
class WrappingRadio : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        p.drawControl(QStyle::CE_RadioButton, option);
        const QRect textRect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWrapAnywhere, caption);
    }
};

struct Texts {
    QString group = QStringLiteral("选择处理方式");
    QStringList modes = {QStringLiteral("全屏幕抓图"), QStringLiteral("自定区域抓图"), QStringLiteral("特定窗口抓图")};
    QString edit = QStringLiteral("抓 图 后 编 辑");
    QString save = QStringLiteral("抓 图 后 保 存");
    QString keep = QStringLiteral("不操作、留在剪贴板[仅能一张]");
    QString start = QStringLiteral("开始抓图");
    QString saveTitle = QStringLiteral("请选择要保存的位置并输入文件名");
    QString saveFilter = QStringLiteral("*.BMP");
    QString bmp = QStringLiteral(".bmp");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

QByteArray bmpData(const QImage &image)
{
    if (image.isNull())
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return data;
}

} // namespace

CapturePage::CapturePage(const platform::Seams &seams, QWidget *bar, QWidget *parent)
    : QWidget(parent), seams_(seams), bar_(bar)
{
    const Texts &t = texts();
    pointerPosition = [] { return std::optional<QPoint>(QCursor::pos()); };

    place<QGroupBox>(this, u"分组抓图框", onPage(8, 31, 128, 107), t.group);
    auto *modes = place<QComboBox>(this, u"抓图方式框", onPage(24, 38, 104, 20));
    modes->addItems(t.modes);
    modes->setEnabled(false); // only region selection exists; the list is never read
    modes->lower();
    edit_ = place<QRadioButton>(this, u"是否编辑框", onPage(18, 52, 112, 16), t.edit);
    save_ = place<QRadioButton>(this, u"是否保存框", onPage(18, 81, 112, 16), t.save);
    keep_ = place<WrappingRadio>(this, u"是否留在剪贴板框", onPage(18, 101, 112, 34), t.keep);
    keep_->setChecked(true);
    auto *group = new QButtonGroup(this);
    for (QRadioButton *b : {edit_, save_, keep_})
        group->addButton(b);
    pictureBox_ = place<QLabel>(this, u"图片框", onPage(8, 138, 40, 32));
    pictureBox_->hide();
    auto *start = place<QPushButton>(this, u"抓图确定按钮", onPage(75, 144, 60, 25), t.start);
    start->setFlat(true);
    connect(start, &QPushButton::clicked, this, &CapturePage::startCapture);
}

void CapturePage::startCapture()
{
    QWidget *tools = window();
    tools->showMinimized();
    if (bar_)
        bar_->showMinimized();
    // Let the windows go before the screen is copied.
    QCoreApplication::processEvents();

    bool captured = false;
    {
        CaptureWindow capture(seams_, pointerPosition ? pointerPosition() : std::nullopt);
        seams_.dialogs->exec(&capture);
        captured = capture.captured();
    }
    if (captured) {
        const QImage image = seams_.screen->clipboardImage();
        picture_ = bmpData(image);
        pictureBox_->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    }
    afterCapture();

    if (bar_)
        bar_->showNormal();
    tools->showNormal();
}

void CapturePage::afterCapture()
{
    const Texts &t = texts();
    if (save_->isChecked()) {
        // Without any picture there is nothing to save: no dialog, no empty file.
        if (picture_.isEmpty())
            return;
        const QString name = seams_.dialogs->saveFileName(this, t.saveTitle, {}, t.saveFilter);
        if (!name.isEmpty())
            platform::writeFileAtomic(name + t.bmp, picture_);
    } else if (edit_->isChecked()) {
        seams_.shell->start(platform::deskToolProgram(platform::DeskTool::Paint), {});
    }
}

} // namespace mivo
