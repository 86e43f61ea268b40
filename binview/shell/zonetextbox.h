#pragma once
// A zone's order text box. Laying out a long run-on text is costly, so a box that is not on
// screen takes its new text when it is next shown.

#include <QPlainTextEdit>

namespace binview {

class ZoneTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ZoneTextBox(QWidget *parent = nullptr);
    void setZoneText(const QString &text);
    QString zoneText() const { return text_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString text_;
    bool pending_ = false;
};

} // namespace binview
