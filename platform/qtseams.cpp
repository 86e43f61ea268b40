#include "platform/qtseams.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QScreen>

namespace platform {

Answer QtDialogs::message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                          Buttons buttons)
{
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? kDefaultMessageTitle : title);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    // The programs speak Chinese even where Qt's own translation is missing.
    const std::pair<QMessageBox::StandardButton, const char16_t *> captions[] = {
        {QMessageBox::Ok, u"确定"}, {QMessageBox::Cancel, u"取消"}, {QMessageBox::Yes, u"是"},
        {QMessageBox::No, u"否"}, {QMessageBox::Retry, u"重试"}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *b = box.button(button))
            b->setText(QString::fromUtf16(caption));
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title,
                                        const QString &initial)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() ? kDefaultMessageTitle : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

bool QtDialogs::printDialog(QPrinter *printer, QWidget *parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::exec(QDialog *dialog)
{
    return dialog->exec();
}

bool DesktopShell::open(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

bool DesktopShell::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool SystemPower::act(int action)
{
    switch (action) {
    case ShutDown: return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
    case Restart: return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("reboot")});
    case LogOff: {
        const QString session = qEnvironmentVariable("XDG_SESSION_ID");
        return QProcess::startDetached(QStringLiteral("loginctl"),
                                       {QStringLiteral("terminate-session"), session});
    }
    case Hibernate: return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("hibernate")});
    default: return false;
    }
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QImage DesktopScreen::grab()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

void DesktopScreen::setClipboardImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QImage DesktopScreen::clipboardImage() const
{
    return QGuiApplication::clipboard()->image();
}

void AppQuitter::quit(int code)
{
    QCoreApplication::exit(code);
}

} // namespace platform
