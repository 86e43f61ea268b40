#include "mivo/frame/mainbar.h"

#include "mivo/frame/dragmove.h"
#include "mivo/frame/layout.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>

namespace mivo {

namespace {

struct Texts {
    QString title = QStringLiteral("Mivo");
    QString collapse = QStringLiteral("-");
    QString expand = QStringLiteral("+");
    QString exit = QStringLiteral("X");
    QString handbook = QStringLiteral("查 手");
    QString tools = QStringLiteral("工 具");
    QString settings = QStringLiteral("设 置");
    QString help = QStringLiteral("帮 助");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

} // namespace

MainBar::MainBar() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    const Texts &t = texts();
    setWindowTitle(t.title);
    setWindowIcon(QIcon(QStringLiteral(":/mivo/mivo.png")));
    setGeometry(QRect(kHome, QSize(kWidth, kExpanded)));
    setFixedSize(kWidth, kExpanded);

    toggleBox_ = place<QPushButton>(this, u"位置选择框", QRect(2, 2, 16, 16), t.collapse);
    toggleBox_->setCheckable(true);
    auto *exitBox = place<QPushButton>(this, u"销毁框", QRect(42, 2, 16, 16), t.exit);
    exitBox->setCheckable(true);
    auto *handbook = place<QPushButton>(this, u"查手按钮", QRect(0, 20, 60, 30), t.handbook);
    auto *tools = place<QPushButton>(this, u"工具按钮", QRect(0, 49, 60, 30), t.tools);
    auto *settings = place<QPushButton>(this, u"设置按钮", QRect(0, 78, 60, 30), t.settings);
    settings->setEnabled(false); // nothing enables it: the settings window is never opened
    place<QPushButton>(this, u"帮助按钮", QRect(0, 107, 60, 30), t.help); // offers no help

    connect(toggleBox_, &QPushButton::clicked, this, &MainBar::toggle);
    connect(exitBox, &QPushButton::clicked, this, [this, exitBox] {
        exitBox->setChecked(false);
        emit exitClicked();
    });
    connect(handbook, &QPushButton::clicked, this, &MainBar::handbookClicked);
    connect(tools, &QPushButton::clicked, this, &MainBar::toolsClicked);
    connect(settings, &QPushButton::clicked, this, &MainBar::settingsClicked);

    DragMove::install(this);
}

void MainBar::toggle()
{
    const Texts &t = texts();
    if (height() != kCollapsed) {
        setFixedSize(kWidth, kCollapsed);
        toggleBox_->setText(t.expand);
    } else {
        setFixedSize(kWidth, kExpanded);
        toggleBox_->setText(t.collapse);
    }
}

void MainBar::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

} // namespace mivo
