#include "mivo/frame/splash.h"

#include "mivo/frame/layout.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

namespace mivo {

namespace {

struct Texts {
    QString banner = QStringLiteral("Mivo查手 V119版");
    QString credit = QStringLiteral("仓库\n出品");
    QString enter = QStringLiteral("进入查手");
    QString settingsTitle = QStringLiteral("请设置相关内容");
    QString systemPage = QStringLiteral("系统设置");
    QString lookPage = QStringLiteral("外观设置");
    QString startGroup = QStringLiteral("启动方式");
    QString withSystem = QStringLiteral("随开机启动");
    QString notWithSystem = QStringLiteral("不随开机启动");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

QLabel *transparentLabel(QWidget *parent, const char16_t *name, const QRect &r, const QString &text, int points)
{
    auto *label = place<QLabel>(parent, name, r, text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QFont f = label->font();
    f.setPointSize(points);
    f.setBold(true);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const Texts &t = texts();
    setFixedSize(347, 160);
    setModal(true);

    auto *picture = place<QLabel>(this, u"图片框1", QRect(0, 0, 352, 136));
    picture->setPixmap(QPixmap(QStringLiteral(":/mivo/banner.png")));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    transparentLabel(picture, u"透明标签1", QRect(0, 4, 256, 32), t.banner, 14);
    transparentLabel(picture, u"透明标签2", QRect(284, 72, 36, 32), t.credit, 8);
    auto *enter = place<QPushButton>(this, u"按钮进入查手", QRect(261, 104, 80, 24), t.enter);
    enter->setDefault(true);
    connect(enter, &QPushButton::clicked, this, &QDialog::accept);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

SettingsWindow::SettingsWindow(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const Texts &t = texts();
    setWindowTitle(t.settingsTitle);
    setFixedSize(189, 224);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *tabs = place<QTabWidget>(this, u"选择夹1", QRect(0, 0, 184, 200));
    auto *systemPage = new QWidget;
    tabs->addTab(systemPage, t.systemPage);
    tabs->addTab(new QWidget, t.lookPage);
    auto *group = place<QGroupBox>(systemPage, u"分组开机框", onPage(12, 31, 160, 65), t.startGroup);
    place<QRadioButton>(group, u"单选开机启动框", QRect(12, 18, 130, 18), t.withSystem);
    place<QRadioButton>(group, u"单开机不启动选框", QRect(12, 40, 130, 18), t.notWithSystem);
    place<QPushButton>(systemPage, u"按钮1", onPage(96, 152, 72, 24));

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void SettingsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace mivo
