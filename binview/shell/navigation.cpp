#include "binview/shell/navigation.h"

#include "binview/maintenance/maintenance.h"
#include "binview/map/bins.h"
#include "binview/orders/ordercommands.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "binview/users/usercommands.h"
#include "platform/desktools.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace binview {

namespace {

QString executable(const QString &name)
{
#ifdef Q_OS_WIN
    return name + QStringLiteral(".exe");
#else
    return name;
#endif
}

} // namespace

QString messageBoardAddress()
{
    return QStringLiteral("http://") + kIntranetHost + QStringLiteral("/web/gbook/index.asp?user=binview");
}

Navigation::Navigation(Application &app, MainWindow &window) : QObject(&window), app_(app), window_(window)
{
    buildMenuBar();
    buildToolBar();
    buildWindowButtons();
    buildTrayMenu();
    if (auto *credits = window_.findChild<QPushButton *>(QStringLiteral("超级按钮1")))
        connect(credits, &QPushButton::clicked, this, &Navigation::openMessageBoard);
}

void Navigation::buildMenuBar()
{
    QMenuBar *bar = window_.menuBar();
    auto add = [this](QMenu *menu, const QString &text, auto slot) {
        QAction *a = menu->addAction(text);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu *login = bar->addMenu(QStringLiteral("系统登陆"));
    add(login, QStringLiteral("重登录"), [this] { reLogin(app_); });
    login->addSeparator();
    add(login, QStringLiteral("添加用户"), [this] { addUserCommand(app_); });
    add(login, QStringLiteral("删除用户"), [this] { deleteUserCommand(app_); });
    login->addSeparator();
    add(login, QStringLiteral("修改口令"), [this] { changePasswordCommand(app_); });
    login->addSeparator();
    add(login, QStringLiteral("关闭系统"), [this] { app_.confirmAndExit(); });

    QMenu *view = bar->addMenu(QStringLiteral("库位查看"));
    add(view, QStringLiteral("库位总览"), [this] { overview(); });
    view->addSeparator();
    for (int z = 0; z < 5; ++z)
        add(view, kZoneLetters[z] + QStringLiteral("区 库位"), [this, z] { zone(z + 1); });
    view->addSeparator();
    add(view, QStringLiteral("短期预警"), [this] { shortTerm(); });

    QMenu *orders = bar->addMenu(QStringLiteral("订单操作"));
    QMenu *entry = orders->addMenu(QStringLiteral("录入新单"));
    for (int z = 0; z < 5; ++z)
        add(entry, kZoneLetters[z] + QStringLiteral(" 区"), [this, z] { zone(z + 1); });
    add(orders, QStringLiteral("查询更新"), [this] { listAll(); });
    orders->addSeparator();
    add(orders, QStringLiteral("清除走货"), [this] { clearShippedGoods(app_); });

    QMenu *settings = bar->addMenu(QStringLiteral("系统设置"));
    add(settings, QStringLiteral("设置"), [this] { window_.showPage(9); });
    settings->addSeparator();
    add(settings, QStringLiteral("数据备份"), [this] { backupCommand(app_); });
    add(settings, QStringLiteral("备份查看"), [this] { backupHistoryCommand(app_); });
    settings->addSeparator();
    add(settings, QStringLiteral("程序初始"), [this] { initialiseCommand(app_); });

    QMenu *tools = bar->addMenu(QStringLiteral("工具箱"));
    add(tools, QStringLiteral("计算器"), [this] { startTool(platform::deskToolProgram(platform::DeskTool::Calculator)); });
    add(tools, QStringLiteral("画图板"), [this] { startTool(platform::deskToolProgram(platform::DeskTool::Paint)); });
    add(tools, QStringLiteral("记事本"), [this] { startTool(platform::deskToolProgram(platform::DeskTool::Notepad)); });
    add(tools, QStringLiteral("查手"), [this] { startCompanion(); });

    QMenu *help = bar->addMenu(QStringLiteral("说明文件"));
    add(help, QStringLiteral("视频教程"), [this] { openTutorials(); });
    add(help, QStringLiteral("帮助文件"), [this] { openHelp(); });
    help->addSeparator();
    add(help, QStringLiteral("关于"), [this] { window_.showPage(10); });
}

void Navigation::buildToolBar()
{
    QWidget *strip = window_.findChild<QWidget *>(QStringLiteral("工具条区"));
    toolBar_ = new QToolBar(strip);
    toolBar_->setObjectName(QStringLiteral("工具条"));
    toolBar_->setGeometry(0, 0, 660, 43);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->setIconSize(QSize(20, 20));
    QStyle *style = window_.style();
    auto add = [this, style](QStyle::StandardPixmap icon, const QString &text, auto slot) {
        QAction *a = toolBar_->addAction(style->standardIcon(icon), text);
        connect(a, &QAction::triggered, this, slot);
    };
    add(QStyle::SP_FileDialogDetailedView, QStringLiteral("订单汇总"), [this] { listAll(); });
    toolBar_->addSeparator();
    add(QStyle::SP_DesktopIcon, QStringLiteral("库位总览"), [this] {
        window_.showPage(0);
        app_.fullRefresh();
    });
    add(QStyle::SP_MessageBoxWarning, QStringLiteral("短期预警"), [this] {
        window_.showPage(8);
        app_.overviewStatistics();
    });
    toolBar_->addSeparator();
    add(QStyle::SP_FileDialogInfoView, QStringLiteral("系统设置"), [this] { window_.showPage(9); });
    toolBar_->addSeparator();
    add(QStyle::SP_DialogHelpButton, QStringLiteral("使用说明"), [this] { openHelp(); });
    toolBar_->addSeparator();
    add(QStyle::SP_DialogCloseButton, QStringLiteral("退出系统"), [this] { app_.confirmAndExit(); });
    toolBar_->addSeparator();
}

void Navigation::buildWindowButtons()
{
    QWidget *strip = window_.findChild<QWidget *>(QStringLiteral("工具条区"));
    auto *minimise = new QPushButton(QStringLiteral("最小化"), strip);
    minimise->setObjectName(QStringLiteral("按钮最小化"));
    minimise->setGeometry(666, 8, 48, 35);
    connect(minimise, &QPushButton::clicked, &window_, &QWidget::showMinimized);
    auto *hide = new QPushButton(QStringLiteral("隐藏"), strip);
    hide->setObjectName(QStringLiteral("按钮托盘"));
    hide->setGeometry(717, 8, 48, 35);
    connect(hide, &QPushButton::clicked, this, &Navigation::hideToTray);
}

void Navigation::buildTrayMenu()
{
    trayMenu_ = new QMenu(QStringLiteral("托盘事件"), &window_);
    trayMenu_->setObjectName(QStringLiteral("托盘事件"));
    auto add = [this](const QString &text, auto slot) {
        connect(trayMenu_->addAction(text), &QAction::triggered, this, slot);
    };
    add(QStringLiteral("显示窗口"), [this] { showFromTray(); });
    add(QStringLiteral("隐藏窗口"), [this] { window_.hide(); });
    trayMenu_->addSeparator();
    add(QStringLiteral("库位总图"), [this] { trayOverview(); });
    add(QStringLiteral("订单数据"), [this] { trayOrders(); });
    add(QStringLiteral("短期查看"), [this] { trayShortTerm(); });
    trayMenu_->addSeparator();
    add(QStringLiteral("退出系统"), [this] { app_.confirmAndExit(); });
    trayMenu_->addSeparator();
    add(QStringLiteral("关于Mivo"), [this] { about(); });
}

void Navigation::overview()
{
    window_.showPage(0);
    app_.colourPass();
    app_.overviewStatistics();
}

void Navigation::zone(int page)
{
    window_.showPage(page);
    app_.paintZone(kZoneLetters[page - 1]);
    app_.zoneOrderTexts();
}

void Navigation::shortTerm()
{
    window_.showPage(8);
    clearForecastChart(app_);
    app_.overviewStatistics();
}

void Navigation::listAll()
{
    refreshOrderList(app_);
}

void Navigation::hideToTray()
{
    if (!trayAvailable_) {
        window_.showMinimized();
        return;
    }
    // One icon for the whole run: a later "隐藏" reuses it.
    if (!trayIcon_) {
        trayIcon_ = new QSystemTrayIcon(window_.windowIcon(), this);
        trayIcon_->setContextMenu(nullptr);
        connect(trayIcon_, &QSystemTrayIcon::activated, this, &Navigation::trayActivated);
    }
    trayIcon_->setIcon(window_.windowIcon());
    trayIcon_->setToolTip(QStringLiteral("仓库可视化管理!"));
    trayIcon_->show();
    window_.hide();
}

void Navigation::showFromTray()
{
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
}

void Navigation::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: showFromTray(); break;
    case QSystemTrayIcon::Context: trayMenu_->popup(QCursor::pos()); break;
    default: break; // a single left click does nothing
    }
}

void Navigation::trayOverview()
{
    showFromTray();
    window_.showPage(0);
    app_.colourPass();
    app_.overviewStatistics();
    saveMapPicture(app_, app_.path(QStringLiteral("pic/pic.jpeg")));
}

void Navigation::trayOrders()
{
    showFromTray();
    listAll();
}

void Navigation::trayShortTerm()
{
    showFromTray();
    window_.showPage(8);
    app_.shortTermFill();
}

void Navigation::about()
{
    QDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("关于窗口"));
    dialog.setWindowTitle(QStringLiteral("关于Mivo"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *picture = new QLabel(&dialog);
    picture->setPixmap(window_.style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto *text = new QLabel(QStringLiteral("成品仓库库位管理系统 (binview) 与工具条 Mivo\n\n"
                                           "Brenmark 成品仓库项目组 出品\n"
                                           "问题与建议请在内网留言板留言"),
                            &dialog);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    app_.seams().dialogs->exec(&dialog);
}

void Navigation::startTool(const QString &program)
{
    app_.seams().shell->start(program);
}

void Navigation::startCompanion()
{
    app_.seams().shell->start(app_.path(executable(QStringLiteral("dat/mivo"))));
}

void Navigation::openHelp()
{
    app_.seams().shell->open(QUrl::fromLocalFile(app_.path(QStringLiteral("帮助文件.pdf"))));
}

void Navigation::openTutorials()
{
    app_.seams().shell->open(QUrl::fromLocalFile(app_.path(QStringLiteral("视频教程"))));
}

void Navigation::openMessageBoard()
{
    app_.seams().shell->open(QUrl(messageBoardAddress()));
}

} // namespace binview
