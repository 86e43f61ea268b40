#pragma once
// Recording stand-ins for the seams. Tests queue answers and read back every box, call and quit.

#include "platform/seams.h"

#include <QDialog>
#include <QList>

#include <deque>
#include <functional>
#include <optional>

namespace platform::testing {

struct MessageRecord {
    QString text;
    QString title; // as shown: the default title when none was given
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class FakeDialogs : public Dialogs {
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

    // Answers are taken in order; with none queued a box answers OK (or Yes), an input box
    // is cancelled, a file dialog is cancelled, the print dialog is cancelled.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;
    std::deque<bool> printAnswers;
    // Drives a modal window while it is "open"; its result is the window's result. With none
    // queued the window is rejected at once.
    std::deque<std::function<void(QDialog *)>> modalDrivers;

    QList<MessageRecord> messages;
    QStringList inputPrompts;
    QStringList fileCaptions;
    QStringList modalTitles;
    int printDialogs = 0;
    // Runs during every message box, for tests that look at the program while a box is open.
    std::function<void(const MessageRecord &)> onMessage;
};

class FakeShell : public Shell {
public:
    bool open(const QUrl &address) override
    {
        opened.append(address);
        return result;
    }
    bool start(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return result;
    }
    QList<QUrl> opened;
    QList<QStringList> started;
    bool result = true;
};

class FakePower : public Power {
public:
    bool act(int action) override
    {
        actions.append(action);
        return true;
    }
    QList<int> actions;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime t = QDateTime(QDate(2008, 6, 26), QTime(10, 0))) : time(std::move(t)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};

class FakeScreen : public Screen {
public:
    QImage grab() override
    {
        ++grabs;
        return image;
    }
    void setClipboardImage(const QImage &img) override { clipboard = img; }
    QImage clipboardImage() const override { return clipboard; }
    QImage image;
    QImage clipboard;
    int grabs = 0;
};

class FakeQuitter : public Quitter {
public:
    void quit(int code) override
    {
        quitCode = code;
        ++quits;
    }
    std::optional<int> quitCode;
    int quits = 0;
};

// All fakes in one bundle with the Seams that point at them.
struct FakeSeams {
    FakeDialogs dialogs;
    FakeShell shell;
    FakePower power;
    FakeClock clock;
    FakeScreen screen;
    FakeQuitter quitter;
    Seams seams() { return {&dialogs, &shell, &power, &clock, &screen, &quitter}; }
};

} // namespace platform::testing
