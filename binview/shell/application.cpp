#include "binview/shell/application.h"

#include "binview/map/bins.h"
#include "binview/map/colours.h"
#include "binview/maintenance/maintenance.h"
#include "binview/map/overview.h"
#include "binview/orders/ordercommands.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/mainwindow.h"
#include "binview/users/login.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/ini.h"

#include <QDir>
#include <QFileInfo>

namespace binview {

namespace {
const QString kStoreFile = QStringLiteral("库位数据.edb");
const QString kColourFile = QStringLiteral("clor.ini");
} // namespace

Application::Application(const platform::Seams &seams, const QString &runDir, QObject *parent)
    : QObject(parent), seams_(seams), runDir_(QDir::cleanPath(runDir)), queryView_(&store_)
{
}

Application::~Application()
{
    delete mainWindow_.data();
}

MainWindow *Application::mainWindow() const
{
    return mainWindow_.data();
}

QString Application::path(const QString &relative) const
{
    return runDir_ + u'/' + relative;
}

QString Application::storePath() const
{
    return path(kStoreFile);
}

QString Application::colourTablePath() const
{
    return path(kColourFile);
}

void Application::layOutLiveFiles()
{
    // Live data is created from the templates only when it is absent; nothing here ever
    // replaces an existing file.
    if (!QFileInfo::exists(storePath())) {
        const QString storeTemplate = path(QStringLiteral("dat/") + kStoreFile);
        if (platform::fileExists(storeTemplate))
            platform::copyIfAbsent(storeTemplate, storePath());
        else
            OrderStore::createEmpty(storePath());
    }
    const QString colourTemplate = path(QStringLiteral("dat/") + kColourFile);
    if (!QFileInfo::exists(colourTablePath()) && platform::fileExists(colourTemplate))
        platform::copyIfAbsent(colourTemplate, colourTablePath());
}

void Application::startProgram()
{
    // The five profile lists start empty (they are members of the run state).
    layOutLiveFiles();
    showLoginWindow(*this);
}

void Application::openMainWindow()
{
    if (mainWindow_)
        return;
    mainWindow_ = new MainWindow(*this);
    installOrderCommands(*this, *mainWindow_);
    installMaintenance(*this, *mainWindow_);
    queryView_.setProviderPath(storePath());
    store_.open(storePath());
    mainWindow_->showPage(10);
    mainWindow_->show();
    showStoreProblem();
    orderListFill();
    mapRefresh();
    showStartupReminder(*this);
}

void Application::showStoreProblem()
{
    if (store_.isOpen())
        return;
    seams_.dialogs->warn(mainWindow_,
                         QStringLiteral("订单数据文件“%1”无法打开：%2。\n程序将显示空的库位图，新的订单无法保存。")
                             .arg(QDir::toNativeSeparators(storePath()), store_.errorText()));
}

void Application::mapRefresh()
{
    colourPass();
    for (QChar zone : kZoneLetters)
        paintZone(zone);
    overviewStatistics();
}

void Application::fullRefresh()
{
    if (mainWindow_)
        mainWindow_->orderList()->clear();
    orderListFill();
    mapRefresh();
}

int Application::orderListFill()
{
    if (!mainWindow_)
        return 0;
    return binview::orderListFill(store_, *mainWindow_->orderList());
}

void Application::colourPass()
{
    if (mainWindow_)
        state_.nowStamp = platform::dateFromDateTime(mainWindow_->todayValue());
    binview::colourPass(queryView_, state_.nowStamp, colourTablePath());
}

void Application::paintZone(QChar zone)
{
    if (!mainWindow_)
        return;
    // The table is read once per zone: every painting reflects the file as it is now.
    platform::IniDocument table;
    table.load(colourTablePath());
    for (const Bin &bin : bins()) {
        if (bin.zone != zone)
            continue;
        state_.paintBin = bin.code;
        lookupColour(table, state_.paintBin, state_.paintColour);
        mainWindow_->setBinColour(bin.code, state_.paintColour);
    }
}

QString Application::todayDateText() const
{
    return platform::dateToText(platform::datePart(platform::dateFromDateTime(mainWindow_->todayValue())));
}

void Application::overviewStatistics()
{
    if (!mainWindow_)
        return;
    const OverviewStats stats = binview::overviewStats(queryView_, todayDateText());
    state_.doubleRowCount = stats.doubleRowCount;
    mainWindow_->showUsage(stats);
    mainWindow_->setTodayInfo(stats.label);
    zoneOrderTexts();
}

void Application::zoneOrderTexts()
{
    if (mainWindow_)
        mainWindow_->setZoneTexts(binview::zoneOrderTexts(queryView_));
}

void Application::shortTermFill()
{
    if (!mainWindow_)
        return;
    mainWindow_->setTodayInfo(shortTermText(todayDateText(), queryView_.rowCount(), state_.doubleRowCount));
}

void Application::confirmAndExit()
{
    const platform::Answer a = seams_.dialogs->message(mainWindow_, QStringLiteral("是否决定退出系统?"),
                                                       QStringLiteral("欢迎使用仓库管理软件!"),
                                                       platform::Icon::None, platform::Buttons::OkCancel);
    if (a != platform::Answer::Ok)
        return;
    colourPass();
    if (mainWindow_) {
        mainWindow_->hide();
        mainWindow_->deleteLater();
        mainWindow_.clear();
    }
    seams_.quitter->quit(0);
}

} // namespace binview
