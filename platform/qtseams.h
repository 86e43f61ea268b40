#pragma once
// The real seams: Qt's dialogs, the desktop's handlers, systemd/logind, the system clock.

#include "platform/seams.h"

namespace platform {

class QtDialogs : public Dialogs {
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                   Buttons buttons) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &initial) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    bool printDialog(QPrinter *printer, QWidget *parent) override;
    int exec(QDialog *dialog) override;
};

class DesktopShell : public Shell {
public:
    bool open(const QUrl &address) override;
    bool start(const QString &program, const QStringList &arguments) override;
};

// Only main() creates this one: tests never reach the machine's power control.
class SystemPower : public Power {
public:
    bool act(int action) override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

class DesktopScreen : public Screen {
public:
    QImage grab() override;
    void setClipboardImage(const QImage &image) override;
    QImage clipboardImage() const override;
};

class AppQuitter : public Quitter {
public:
    void quit(int code) override;
};

} // namespace platform
