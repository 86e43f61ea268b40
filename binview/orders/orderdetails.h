#pragma once
// The details window "订单明细—更新订单": shows one record at a time, steps through the whole
// store, edits, moves and deletes the record shown. Modal; opened on selectedBin.

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace binview {

class Application;
struct OrderRecord;

class OrderDetailsDialog : public QDialog {
    Q_OBJECT
public:
    OrderDetailsDialog(Application &app, QWidget *parent);

    // The bin of the record shown (selectedBin until a step).
    QString windowBin() const { return windowBin_; }
    bool hasRecord() const { return shownId_ != 0; }
    bool editing() const { return editing_; }

    void stepForward();
    void stepBack();
    void modifyOrSave();
    void deleteShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void showRecord(const OrderRecord *record);
    // Makes the record shown the store's current record again; null when it is gone.
    const OrderRecord *locateShown();
    void step(int direction);
    void enterEditMode();
    void save();
    void checkBin();

    Application &app_;
    QString windowBin_;
    qint64 shownId_ = 0;
    bool editing_ = false;

    QObject *provider_ = nullptr;
    QLineEdit *orderNo_ = nullptr;
    QLineEdit *model_ = nullptr;
    QLineEdit *quantity_ = nullptr;
    QCheckBox *changeBin_ = nullptr;
    QLineEdit *bin_ = nullptr;
    QGroupBox *dateInGroup_ = nullptr;
    QCheckBox *changeDateIn_ = nullptr;
    QDateEdit *dateIn_ = nullptr;
    QGroupBox *shipGroup_ = nullptr;
    QRadioButton *changeShip_ = nullptr;
    QDateEdit *shipDate_ = nullptr;
    QRadioButton *shipPending_ = nullptr;
    QPlainTextEdit *remarks_ = nullptr;
    QPushButton *previous_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *delete_ = nullptr;
    QPushButton *modify_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

} // namespace binview
