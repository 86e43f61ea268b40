#pragma once
// Everything that blocks or leaves the process goes through one of these interfaces, so that
// every behaviour also runs headless with recording stand-ins (platform/testing).

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace platform {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// The platform's title for a message box that has none of its own.
inline const QString kDefaultMessageTitle = QStringLiteral("信息：");

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box. An empty title shows the default title "信息：".
    virtual Answer message(QWidget *parent, const QString &text, const QString &title = {},
                           Icon icon = Icon::None, Buttons buttons = Buttons::Ok) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                         const QString &initial = {}) = 0;
    // File dialogs; an empty text when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual bool printDialog(QPrinter *printer, QWidget *parent) = 0;
    // Every modal window is run through here, so that a test can drive it while it is open.
    virtual int exec(QDialog *dialog) = 0;

    // Convenience: OK-only information and warning boxes.
    void inform(QWidget *parent, const QString &text, const QString &title = {})
    {
        message(parent, text, title, Icon::Information, Buttons::Ok);
    }
    void warn(QWidget *parent, const QString &text, const QString &title = {})
    {
        message(parent, text, title, Icon::Warning, Buttons::Ok);
    }
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or web address with its default handler.
    virtual bool open(const QUrl &address) = 0;
    // Starts a program without waiting for it.
    virtual bool start(const QString &program, const QStringList &arguments = {}) = 0;
};

class Power {
public:
    virtual ~Power() = default;
    enum Action { ShutDown = 1, Restart = 2, LogOff = 3, Hibernate = 4 };
    virtual bool act(int action) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual QImage grab() = 0;
    virtual void setClipboardImage(const QImage &image) = 0;
    virtual QImage clipboardImage() const = 0;
};

class Quitter {
public:
    virtual ~Quitter() = default;
    virtual void quit(int code = 0) = 0;
};

// The seams one program receives; none is owned here.
struct Seams {
    Dialogs *dialogs = nullptr;
    Shell *shell = nullptr;
    Power *power = nullptr;
    Clock *clock = nullptr;
    Screen *screen = nullptr;
    Quitter *quitter = nullptr;
};

} // namespace platform
