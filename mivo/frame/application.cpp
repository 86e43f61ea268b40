#include "mivo/frame/application.h"

#include "mivo/frame/mainbar.h"
#include "mivo/frame/splash.h"
#include "mivo/handbook/handbookwindow.h"
#include "mivo/handbook/personallist.h"
#include "mivo/tools/toolswindow.h"

#include <QDir>
#include <QSystemTrayIcon>

// Resources of a static library are registered by hand.
static void initMivoResources()
{
    Q_INIT_RESOURCE(mivo);
}

namespace mivo {

namespace {

struct Texts {
    QString exitQuestion = QStringLiteral("是否决定退出 Mivo？");
    QString exitTitle = QStringLiteral("提示");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

} // namespace

QString defaultPersonalListPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:/档案项目.ini");
#else
    return QDir::homePath() + QStringLiteral("/档案项目.ini");
#endif
}

Application::Application(const platform::Seams &seams, QString personalListPath, QObject *parent)
    : QObject(parent), seams_(seams), personalListPath_(std::move(personalListPath))
{
    initMivoResources();
}

Application::~Application()
{
    delete personalList_; // has no owner; the others go with the bar
    delete tray_;
}

HandbookWindow *Application::handbook() const
{
    return handbook_;
}

ToolsWindow *Application::tools() const
{
    return tools_;
}

PersonalListWindow *Application::personalList() const
{
    return personalList_;
}

SettingsWindow *Application::settings() const
{
    return settings_;
}

void Application::start()
{
    bar_ = std::make_unique<MainBar>();
    connect(bar_.get(), &MainBar::exitClicked, this, &Application::confirmExit);
    connect(bar_.get(), &MainBar::handbookClicked, this, &Application::openHandbook);
    connect(bar_.get(), &MainBar::toolsClicked, this, &Application::openTools);
    connect(bar_.get(), &MainBar::settingsClicked, this, &Application::openSettings);
    bar_->show();

    tray_ = new QSystemTrayIcon(bar_->windowIcon());
    tray_->show();
    bar_->toggle(); // starts collapsed: height 20, "+"

    SplashWindow splash(bar_.get());
    seams_.dialogs->exec(&splash);

    bases_ = documentBases();
}

void Application::openBeside(QWidget *window, bool toggleFirst)
{
    if (toggleFirst)
        bar_->toggle();
    const int left = bar_->x();
    if (left != kBesideThreshold) {
        const int newLeft = left < kBesideThreshold ? left + bar_->width() : left - window->width();
        window->move(newLeft, bar_->y() + 20);
    }
    window->show();
    window->showNormal();
    window->raise();
}

void Application::openHandbook()
{
    if (!handbook_) {
        handbook_ = new HandbookWindow(seams_, bases_, bar_.get());
        connect(handbook_, &HandbookWindow::personalListRequested, this, &Application::openPersonalList);
    }
    openBeside(handbook_, true);
}

void Application::openTools()
{
    if (!tools_)
        tools_ = new ToolsWindow(seams_, bar_.get());
    openBeside(tools_, true);
}

void Application::openSettings()
{
    if (!settings_)
        settings_ = new SettingsWindow(bar_.get());
    openBeside(settings_, false);
}

void Application::openPersonalList()
{
    if (!personalList_) {
        personalList_ = new PersonalListWindow(seams_, bases_, personalListPath_);
        connect(personalList_, &PersonalListWindow::cleared, this, [this] {
            // Close the window and bring it up afresh, empty and centred.
            PersonalListWindow *old = personalList_;
            personalList_ = nullptr;
            old->close();
            openPersonalList();
        });
    }
    personalList_->show();
    personalList_->showNormal();
    personalList_->raise();
}

void Application::confirmExit()
{
    const Texts &t = texts();
    if (seams_.dialogs->message(bar_.get(), t.exitQuestion, t.exitTitle, platform::Icon::Question,
                                platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    if (tray_)
        tray_->hide();
    delete personalList_;
    bar_.reset(); // takes the windows it owns with it
    seams_.quitter->quit(0);
}

} // namespace mivo
