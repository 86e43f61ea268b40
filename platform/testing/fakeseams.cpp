#include "platform/testing/fakeseams.h"

namespace platform::testing {

Answer FakeDialogs::message(QWidget *, const QString &text, const QString &title, Icon icon,
                            Buttons buttons)
{
    const MessageRecord record{text, title.isEmpty() ? kDefaultMessageTitle : title, icon, buttons};
    messages.append(record);
    if (onMessage)
        onMessage(record);
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

std::optional<QString> FakeDialogs::input(QWidget *, const QString &prompt, const QString &, const QString &)
{
    inputPrompts.append(prompt);
    if (inputs.empty())
        return std::nullopt;
    auto v = inputs.front();
    inputs.pop_front();
    return v;
}

QString FakeDialogs::openFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    fileCaptions.append(caption);
    if (fileNames.empty())
        return {};
    const QString v = fileNames.front();
    fileNames.pop_front();
    return v;
}

QString FakeDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter)
{
    return openFileName(parent, caption, folder, filter);
}

bool FakeDialogs::printDialog(QPrinter *, QWidget *)
{
    ++printDialogs;
    if (printAnswers.empty())
        return false;
    const bool v = printAnswers.front();
    printAnswers.pop_front();
    return v;
}

int FakeDialogs::exec(QDialog *dialog)
{
    modalTitles.append(dialog->windowTitle());
    if (modalDrivers.empty()) {
        dialog->reject();
        return QDialog::Rejected;
    }
    auto driver = std::move(modalDrivers.front());
    modalDrivers.pop_front();
    dialog->setModal(true);
    dialog->show();
    driver(dialog);
    const int result = dialog->result();
    if (dialog->isVisible())
        dialog->hide();
    return result;
}

} // namespace platform::testing
