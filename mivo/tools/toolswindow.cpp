#include "mivo/tools/toolswindow.h"

#include "mivo/capture/capturepage.h"
#include "mivo/frame/dragmove.h"
#include "mivo/frame/layout.h"
#include "platform/desktools.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace mivo {

namespace {

struct Texts {
    QString title = QStringLiteral(" 工具集合");
    QString systemPage = QStringLiteral("]系统工具[");
    QString capturePage = QStringLiteral("]屏幕抓手[");
    QString transferPage = QStringLiteral("]文件传输[");
    QString toolsGroup = QStringLiteral("系统自带工具");
    QString calculator = QStringLiteral("计算器");
    QString notepad = QStringLiteral("记事本");
    QString paint = QStringLiteral("画图板");
    QString powerGroup = QStringLiteral("关机方式");
    QStringList powerItems = {QStringLiteral("系统关闭"), QStringLiteral("系统重启"), QStringLiteral("系统注销"),
                              QStringLiteral("系统休眠")};
    QString confirm = QStringLiteral("√");
    QString targetGroup = QStringLiteral("传输对象");
    QString lock = QStringLiteral("锁");
    QString fileGroup = QStringLiteral("文件信息");
    QString browse = QStringLiteral("浏览");
    QString send = QStringLiteral("确定");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

} // namespace

ToolsWindow::ToolsWindow(const platform::Seams &seams, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      seams_(seams)
{
    const Texts &t = texts();
    setWindowTitle(t.title);
    setFixedSize(150, 200);
    setAttribute(Qt::WA_DeleteOnClose);
    if (owner)
        setWindowIcon(owner->windowIcon());

    tabs_ = place<QTabWidget>(this, u"工具选择夹", QRect(-1, -2, 148, 180));
    tabs_->setUsesScrollButtons(true);

    auto *systemPage = new QWidget;
    tabs_->addTab(systemPage, t.systemPage);
    place<QGroupBox>(systemPage, u"分组工具框", onPage(9, 26, 130, 80), t.toolsGroup);
    auto *calc = flatButton(systemPage, u"计算器按钮", onPage(18, 44, 54, 25), t.calculator);
    auto *notepad = flatButton(systemPage, u"记事本按钮", onPage(77, 44, 54, 25), t.notepad);
    auto *paint = flatButton(systemPage, u"画图按钮", onPage(18, 73, 54, 25), t.paint);
    place<QGroupBox>(systemPage, u"分组关机框", onPage(10, 111, 130, 50), t.powerGroup);
    powerList_ = place<QComboBox>(systemPage, u"关机组合框", onPage(18, 130, 79, 20));
    for (int i = 0; i < t.powerItems.size(); ++i)
        powerList_->addItem(t.powerItems[i], i + 1);
    powerList_->setCurrentIndex(-1);
    powerButton_ = flatButton(systemPage, u"确定关机按钮", onPage(111, 130, 20, 20), t.confirm);
    powerButton_->setEnabled(false);
    // Group boxes are drawn first; the controls lie on top of them.
    for (QWidget *w : {static_cast<QWidget *>(calc), static_cast<QWidget *>(notepad), static_cast<QWidget *>(paint),
                       static_cast<QWidget *>(powerList_), static_cast<QWidget *>(powerButton_)})
        w->raise();

    capturePage_ = new CapturePage(seams_, owner);
    tabs_->addTab(capturePage_, t.capturePage);

    auto *transferPage = new QWidget;
    tabs_->addTab(transferPage, t.transferPage);
    auto *target = place<QGroupBox>(transferPage, u"分组框1", onPage(10, 26, 128, 40), t.targetGroup);
    place<QLineEdit>(target, u"编辑传输对象框", QRect(7, 14, 88, 20));
    auto *lock = place<QPushButton>(target, u"选择传对象锁定框", QRect(98, 14, 24, 20), t.lock);
    lock->setCheckable(true);
    auto *info = place<QGroupBox>(transferPage, u"分组框2", onPage(10, 69, 128, 88), t.fileGroup);
    place<QLabel>(info, u"标签1", QRect(15, 16, 104, 16));
    place<QLabel>(info, u"标签2", QRect(15, 40, 104, 16));
    auto *browse = place<QPushButton>(info, u"按钮浏览文件", QRect(56, 64, 32, 20), t.browse);
    place<QPushButton>(info, u"按钮文件确定", QRect(90, 64, 32, 20), t.send)->setEnabled(false);
    auto *progress = place<QProgressBar>(transferPage, u"进度条1", onPage(10, 159, 128, 16));
    progress->setRange(0, 100);
    progress->setValue(50);
    progress->setTextVisible(false);

    connect(calc, &QPushButton::clicked, this, [this] { startDeskTool(int(platform::DeskTool::Calculator)); });
    connect(notepad, &QPushButton::clicked, this, [this] { startDeskTool(int(platform::DeskTool::Notepad)); });
    connect(paint, &QPushButton::clicked, this, [this] { startDeskTool(int(platform::DeskTool::Paint)); });
    connect(powerList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            powerButton_->setEnabled(true);
    });
    connect(powerButton_, &QPushButton::clicked, this, &ToolsWindow::powerAction);
    connect(browse, &QPushButton::clicked, this, &ToolsWindow::browse);

    DragMove::install(this);
}

void ToolsWindow::startDeskTool(int tool)
{
    showMinimized();
    seams_.shell->start(platform::deskToolProgram(platform::DeskTool(tool)), {});
}

void ToolsWindow::powerAction()
{
    const QVariant value = powerList_->currentData();
    if (!value.isValid())
        return;
    // Not forced, and without a question: the clerk chose it on purpose.
    seams_.power->act(value.toInt());
}

void ToolsWindow::browse()
{
    // The transfer itself does not exist yet: the chosen file is not used.
    seams_.dialogs->openFileName(this, {}, {}, {});
}

} // namespace mivo
