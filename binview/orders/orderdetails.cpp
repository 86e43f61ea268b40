#include "binview/orders/orderdetails.h"

#include "binview/map/colours.h"
#include "binview/map/orderstore.h"
#include "binview/orders/ordercommands.h"
#include "binview/orders/orderentry.h"
#include "binview/orders/orderlist.h"
#include "binview/orders/orderops.h"
#include "binview/orders/ordertexts.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace binview {

namespace {

// The window's own texts.
const QString kTitle = QStringLiteral("订单明细—更新订单");
const QString kModify = QStringLiteral("修改");
const QString kSave = QStringLiteral("确定");
const QString kDateInTitle = QStringLiteral("入库日期");
const QString kShipTitle = QStringLiteral("出货日期");
const QString kShipPendingTitle = QStringLiteral("出货日期待定");
const QString kDateFormat = QStringLiteral("yyyy年M月d日");

QLineEdit *captionedEdit(const QString &name, const QString &caption, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry.x() - 70, geometry.y(), 66, geometry.height());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QDateEdit *dateBox(const QString &name, const QDate &date, const QRect &geometry, QWidget *parent)
{
    auto *box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat(kDateFormat);
    box->setCalendarPopup(true);
    box->setGeometry(geometry);
    return box;
}

QPushButton *button(const QString &name, const QString &text, int x, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, 370, 90, 32);
    b->setAutoDefault(false);
    return b;
}

} // namespace

OrderDetailsDialog::OrderDetailsDialog(Application &app, QWidget *parent) : QDialog(parent), app_(app)
{
    setObjectName(QStringLiteral("订单明细窗口"));
    setWindowTitle(kTitle);
    setFixedSize(615, 445);
    build();

    // Open on the first record of the selected bin.
    windowBin_ = app_.state().selectedBin;
    provider_->setProperty("path", app_.storePath());
    OrderStore &store = app_.store();
    store.open(app_.storePath());
    store.select(kTableName);
    store.first();
    const QString bin = windowBin_;
    if (store.count() > 0 && store.find([&bin](const OrderRecord &r) { return r.bin == bin; }))
        showRecord(store.current());
    else
        showRecord(nullptr);
}

void OrderDetailsDialog::build()
{
    provider_ = new QObject(this);
    provider_->setObjectName(QStringLiteral("数据库提供者明细"));

    orderNo_ = captionedEdit(QStringLiteral("编辑框订单号"), QStringLiteral("订单号"), QRect(95, 24, 200, 26), this);
    model_ = captionedEdit(QStringLiteral("编辑框型号"), QStringLiteral("型号"), QRect(385, 24, 200, 26), this);
    quantity_ =
        captionedEdit(QStringLiteral("编辑框订单数量"), QStringLiteral("订单数量"), QRect(95, 66, 200, 26), this);
    bin_ = captionedEdit(QStringLiteral("编辑框区域"), QStringLiteral("区域"), QRect(385, 66, 100, 26), this);
    bin_->installEventFilter(this);
    changeBin_ = new QCheckBox(QStringLiteral("更改区域"), this);
    changeBin_->setObjectName(QStringLiteral("选择框区域"));
    changeBin_->setGeometry(495, 66, 100, 26);

    const QDate today = app_.seams().clock->now().date();
    dateInGroup_ = new QGroupBox(this);
    dateInGroup_->setObjectName(QStringLiteral("分组框入库日期"));
    dateInGroup_->setGeometry(25, 110, 270, 110);
    changeDateIn_ = new QCheckBox(QStringLiteral("更改入库日期"), dateInGroup_);
    changeDateIn_->setObjectName(QStringLiteral("选择框入库日期"));
    changeDateIn_->setGeometry(14, 28, 200, 24);
    dateIn_ = dateBox(QStringLiteral("日期框1"), today, QRect(14, 64, 180, 26), dateInGroup_);

    shipGroup_ = new QGroupBox(this);
    shipGroup_->setObjectName(QStringLiteral("分组框出货日期"));
    shipGroup_->setGeometry(315, 110, 270, 110);
    changeShip_ = new QRadioButton(QStringLiteral("更改出货日期"), shipGroup_);
    changeShip_->setObjectName(QStringLiteral("选择框出货日期"));
    changeShip_->setGeometry(14, 28, 120, 24);
    shipPending_ = new QRadioButton(QStringLiteral("待定"), shipGroup_);
    shipPending_->setObjectName(QStringLiteral("单选框出货日期待定"));
    shipPending_->setGeometry(150, 28, 100, 24);
    shipPending_->setChecked(true);
    shipDate_ = dateBox(QStringLiteral("日期框2"), today, QRect(14, 64, 180, 26), shipGroup_);

    auto *remarksCaption = new QLabel(QStringLiteral("备注"), this);
    remarksCaption->setGeometry(25, 240, 66, 24);
    remarksCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    remarks_ = new QPlainTextEdit(this);
    remarks_->setObjectName(QStringLiteral("编辑框备注"));
    remarks_->setGeometry(95, 240, 465, 56);
    remarks_->setTabChangesFocus(true);

    previous_ = button(QStringLiteral("按钮上一条"), QStringLiteral("<<="), 25, this);
    next_ = button(QStringLiteral("按钮下一条"), QStringLiteral("=>>"), 140, this);
    delete_ = button(QStringLiteral("按钮删除"), QStringLiteral("删除"), 255, this);
    modify_ = button(QStringLiteral("按钮修改"), kModify, 370, this);
    cancel_ = button(QStringLiteral("按钮取消"), QStringLiteral("取消"), 485, this);

    for (QWidget *w :
         {static_cast<QWidget *>(orderNo_), static_cast<QWidget *>(model_), static_cast<QWidget *>(quantity_),
          static_cast<QWidget *>(changeBin_), static_cast<QWidget *>(bin_), static_cast<QWidget *>(dateInGroup_),
          static_cast<QWidget *>(shipGroup_), static_cast<QWidget *>(remarks_)})
        w->setEnabled(false);

    connect(previous_, &QPushButton::clicked, this, &OrderDetailsDialog::stepBack);
    connect(next_, &QPushButton::clicked, this, &OrderDetailsDialog::stepForward);
    connect(delete_, &QPushButton::clicked, this, &OrderDetailsDialog::deleteShown);
    connect(modify_, &QPushButton::clicked, this, &OrderDetailsDialog::modifyOrSave);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void OrderDetailsDialog::showRecord(const OrderRecord *record)
{
    if (!record) {
        // No record of the bin (an out-of-date list): nothing to edit or delete.
        shownId_ = 0;
        for (QLineEdit *e : {orderNo_, model_, quantity_, bin_})
            e->clear();
        remarks_->clear();
        dateInGroup_->setTitle(QString());
        shipGroup_->setTitle(QString());
        modify_->setEnabled(false);
        delete_->setEnabled(false);
        return;
    }
    shownId_ = record->id;
    windowBin_ = record->bin;
    orderNo_->setText(record->orderNo);
    bin_->setText(record->bin);
    model_->setText(record->model);
    remarks_->setPlainText(record->remarks);
    quantity_->setText(QString::number(record->quantity));
    dateInGroup_->setTitle(kDateInTitle + record->text(DateIn));
    const bool pending = record->text(ShipDate) == kEmptyDateText;
    shipGroup_->setTitle(pending ? kShipPendingTitle : kShipTitle + record->text(ShipDate));
    // The date group shows the stored dates, so that a save that leaves it alone keeps them.
    dateIn_->setDate(platform::dateTimeFromDate(record->dateIn).date());
    if (pending) {
        shipPending_->setChecked(true);
    } else {
        shipDate_->setDate(platform::dateTimeFromDate(record->shipDate).date());
        changeShip_->setChecked(true);
    }
    modify_->setEnabled(true);
    delete_->setEnabled(true);
}

const OrderRecord *OrderDetailsDialog::locateShown()
{
    if (shownId_ == 0)
        return nullptr;
    OrderStore &store = app_.store();
    const OrderRecord *r = store.current();
    if (r && r->id == shownId_)
        return r;
    // Something moved the cursor (a refresh reloaded the rows): find the record again.
    store.select(kTableName);
    store.first();
    const qint64 id = shownId_;
    if (store.count() > 0 && store.find([id](const OrderRecord &rec) { return rec.id == id; }))
        return store.current();
    return nullptr;
}

void OrderDetailsDialog::stepForward()
{
    step(1);
}

void OrderDetailsDialog::stepBack()
{
    step(-1);
}

void OrderDetailsDialog::step(int direction)
{
    OrderStore &store = app_.store();
    if (!locateShown()) {
        // Nothing shown yet: the first step forward starts at the first record.
        store.select(kTableName);
        store.first();
        if (direction > 0 && store.current()) {
            showRecord(store.current());
            return;
        }
    } else if (store.skip(direction)) {
        showRecord(store.current());
        return;
    }
    app_.seams().dialogs->message(this, direction > 0 ? ordertext::kNoNext : ordertext::kNoPrevious, QString(),
                                  platform::Icon::Information, platform::Buttons::Ok);
}

void OrderDetailsDialog::modifyOrSave()
{
    if (editing_)
        save();
    else
        enterEditMode();
}

void OrderDetailsDialog::enterEditMode()
{
    if (!hasRecord())
        return;
    editing_ = true;
    // An other-goods record keeps its order number, model and quantity.
    const bool otherGoods = orderNo_->text() == kOtherGoodsOrderNo;
    bin_->setEnabled(true);
    orderNo_->setEnabled(!otherGoods);
    quantity_->setEnabled(!otherGoods);
    model_->setEnabled(!otherGoods);
    for (QWidget *w :
         {static_cast<QWidget *>(shipGroup_), static_cast<QWidget *>(dateInGroup_), static_cast<QWidget *>(changeBin_),
          static_cast<QWidget *>(changeShip_), static_cast<QWidget *>(changeDateIn_), static_cast<QWidget *>(remarks_)})
        w->setEnabled(true);
    delete_->setEnabled(false);
    previous_->setEnabled(false);
    next_->setEnabled(false);
    modify_->setText(kSave);
}

void OrderDetailsDialog::save()
{
    OrderStore &store = app_.store();
    auto failed = [this, &store] {
        app_.seams().dialogs->message(this, ordertext::kUpdateFailed.arg(store.errorText()), ordertext::kWarning,
                                      platform::Icon::Critical, platform::Buttons::Ok);
    };
    if (!locateShown()) {
        failed();
        return;
    }
    // All fields change together or not at all.
    if (!store.beginTransaction() || !locateShown()) {
        failed();
        return;
    }
    const QStringList &f = fieldNames();
    bool ok = store.write(f[OrderNo - 1], orderNo_->text());
    ok = ok && store.write(f[Model - 1], model_->text());
    ok = ok && store.write(f[Quantity - 1], platform::textToInt(quantity_->text()));
    ok = ok && store.write(f[Remarks - 1], remarks_->toPlainText());
    if (changeBin_->isChecked())
        ok = ok && store.write(f[BinCode - 1], bin_->text());
    if (changeDateIn_->isChecked())
        ok = ok && store.write(f[DateIn - 1], dateBoxValue(dateIn_));
    ok = ok && store.write(f[ShipDate - 1], changeShip_->isChecked() ? dateBoxValue(shipDate_) : platform::kEmptyDate);
    if (!ok) {
        const QString why = store.errorText();
        store.rollbackTransaction();
        app_.seams().dialogs->message(this, ordertext::kUpdateFailed.arg(why), ordertext::kWarning,
                                      platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    if (!store.commitTransaction()) {
        failed();
        return;
    }
    // The bin the record leaves is green until the refresh recolours it from its other records.
    if (changeBin_->isChecked())
        platform::writeProfileString(app_.colourTablePath(), windowBin_, kColourKey, kGreen);
    const OrderRecord *r = locateShown();
    if (MainWindow *window = app_.mainWindow(); window && r)
        rewriteSelectedRow(*window, currentRecordRow(store));
    app_.mapRefresh();
    app_.seams().dialogs->message(this, ordertext::kUpdated, ordertext::kNotice, platform::Icon::Information,
                                  platform::Buttons::Ok);
    accept();
}

void OrderDetailsDialog::deleteShown()
{
    if (!locateShown())
        return;
    const platform::Answer answer =
        app_.seams().dialogs->message(this, ordertext::kAskDelete.arg(windowBin_), ordertext::kWarningBang,
                                      platform::Icon::Warning, platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok)
        return;
    if (!locateShown() || !removeCurrentRecord(app_.store())) {
        app_.seams().dialogs->message(this, ordertext::kDeleteFailed.arg(app_.store().errorText()), ordertext::kWarning,
                                      platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    shownId_ = 0;
    platform::writeProfileString(app_.colourTablePath(), windowBin_, kColourKey, kGreen);
    accept();
    app_.fullRefresh();
}

bool OrderDetailsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == bin_ && event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a popup is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            checkBin();
    }
    return QDialog::eventFilter(watched, event);
}

void OrderDetailsDialog::checkBin()
{
    const QString text = bin_->text();
    bool taken = false;
    // Looks at the rows without moving the record shown.
    for (const OrderRecord &r : app_.store().rows()) {
        if (!r.removed && r.bin == text) {
            taken = true;
            break;
        }
    }
    if (!taken)
        return;
    app_.seams().dialogs->message(this, ordertext::kBinTaken, ordertext::kWarning, platform::Icon::Warning,
                                  platform::Buttons::Ok);
    bin_->setText(windowBin_);
}

} // namespace binview
