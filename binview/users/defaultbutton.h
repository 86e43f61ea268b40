#pragma once
// In the account windows the button that Enter presses follows the focus: each control names
// the button that becomes the default while it has the focus (the other buttons become
// ordinary), and an edit box selects its whole text when it receives the focus.

#include <QObject>

#include <vector>

class QPushButton;
class QWidget;

namespace binview {

class DefaultButtonRule : public QObject {
    Q_OBJECT
public:
    explicit DefaultButtonRule(QObject *parent) : QObject(parent) {}
    // While control has the focus, button is the default. Buttons are taken from all rules.
    void add(QWidget *control, QPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QWidget *control;
        QPushButton *button;
    };
    std::vector<Entry> entries_;
};

} // namespace binview
