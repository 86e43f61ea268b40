#pragma once
// The order entry window "请输入订单信息": single bin, batch set-up and other goods, one tab
// each. Non-modal; each page's "确认" does that page's work whichever command opened it.

#include <QWidget>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace binview {

class Application;

class OrderEntryWindow : public QWidget {
    Q_OBJECT
public:
    enum Page { SinglePage = 0, BatchPage = 1, OtherPage = 2 };

    OrderEntryWindow(Application &app, QWidget *parent);

    // Brings a page to the front and names currentBin in the title and warning labels.
    void open(Page page);
    QTabWidget *pages() const { return tabs_; }
    bool isClosing() const { return closing_; }

    void confirmSingle();
    void confirmBatch();
    void confirmOther();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls of the single and the batch page, which differ only by the name suffix.
    struct OrderPage {
        QLineEdit *orderNo = nullptr;
        QLineEdit *model = nullptr;
        QLineEdit *quantity = nullptr;
        QDateEdit *dateIn = nullptr;
        QRadioButton *pending = nullptr;
        QRadioButton *fixed = nullptr;
        QDateEdit *shipDate = nullptr;
        QPlainTextEdit *remarks = nullptr;
        QPushButton *confirm = nullptr;
        QPushButton *cancel = nullptr;
        QLabel *warning = nullptr;
    };
    OrderPage buildOrderPage(QWidget *page, const QString &suffix, bool withWarning);
    void buildOtherPage(QWidget *page);
    bool complete(const OrderPage &page);
    void openStore();
    double shipDateOf(const QRadioButton *fixed, const QDateEdit *box) const;

    Application &app_;
    QTabWidget *tabs_ = nullptr;
    QObject *provider_ = nullptr;
    OrderPage single_;
    OrderPage batch_;
    QDateEdit *otherDateIn_ = nullptr;
    QRadioButton *otherPending_ = nullptr;
    QRadioButton *otherFixed_ = nullptr;
    QDateEdit *otherShipDate_ = nullptr;
    QPlainTextEdit *otherDetails_ = nullptr;
    QLabel *otherWarning_ = nullptr;
    bool closing_ = false;
};

// The date part of a date box's value, in days.
double dateBoxValue(const QDateEdit *box);

} // namespace binview
