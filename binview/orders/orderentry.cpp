#include "binview/orders/orderentry.h"

#include "binview/map/orderstore.h"
#include "binview/orders/orderops.h"
#include "binview/orders/ordertexts.h"
#include "binview/shell/application.h"
#include "platform/dates.h"
#include "platform/text.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace binview {

namespace {

// The window's own texts.
const QString kDefinitionTitle = QStringLiteral("请输入订单信息");
const QString kTitlePrefix = QStringLiteral("请输入新入订单情况! 当前加入区域为:");
const QString kWarningPrefix = QStringLiteral("加入区域");
const QStringList kPageTitles = {QStringLiteral("单一库位"), QStringLiteral("批量库位"),
                                 QStringLiteral("其他(杂物或合库情况)")};
const QString kOrderCaptions =
    QStringLiteral("订 单 号：\r\n\r\n\r\n型    号：\r\n\r\n\r\n数    量：\r\n\r\n\r\n入库日期："
                   "\r\n\r\n\r\n出货日期：\r\n\r\n\r\n\r\n\r\n备    注：");
const QString kOtherCaptions = QStringLiteral("入库日期：\r\n\r\n\r\n出货日期：\r\n\r\n\r\n\r\n\r\n备    注：");
const QString kPendingRadio = QStringLiteral("出货日期待定");
const QString kFixedRadio = QStringLiteral("出货日期已定");
const QString kConfirm = QStringLiteral("确认");
const QString kCancel = QStringLiteral("取消");
const QString kDateFormat = QStringLiteral("yyyy年M月d日");

constexpr int kFieldX = 140;
constexpr int kFieldWidth = 190;

// Lets only "-" and the digits through as typed; control keys and pasting are not filtered.
class QuantityKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                return false;
            for (QChar c : key->text()) {
                if (c.isPrint() && c != u'-' && !(c >= u'0' && c <= u'9'))
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QLineEdit *lineEdit(const QString &name, int y, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(kFieldX, y, kFieldWidth, 24);
    return edit;
}

QDateEdit *dateBox(const QString &name, int y, const QDate &date, QWidget *parent)
{
    auto *box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat(kDateFormat);
    box->setCalendarPopup(true);
    box->setGeometry(kFieldX, y, kFieldWidth, 24);
    return box;
}

QRadioButton *radio(const QString &name, const QString &text, int x, int y, QWidget *parent)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, 104, 24);
    return button;
}

QPushButton *button(const QString &name, const QString &text, int x, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, 315, 80, 28);
    return b;
}

QLabel *captionLabel(const QString &name, const QString &text, int y, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A small font keeps each caption line level with its field.
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    label->setGeometry(40, y, 96, 260);
    return label;
}

QLabel *warningLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(kFieldX, 8, kFieldWidth, 24);
    label->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    return label;
}

} // namespace

double dateBoxValue(const QDateEdit *box)
{
    return platform::datePart(platform::dateFromDateTime(QDateTime(box->date(), QTime(0, 0))));
}

OrderEntryWindow::OrderEntryWindow(Application &app, QWidget *parent) : QWidget(parent, Qt::Window), app_(app)
{
    setObjectName(QStringLiteral("订单加入窗口"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kDefinitionTitle);
    setFixedSize(374, 438);

    provider_ = new QObject(this);
    provider_->setObjectName(QStringLiteral("数据库提供者加入"));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("选择夹加入"));
    tabs_->setGeometry(0, 0, 374, 438);
    QList<QWidget *> pages;
    for (const QString &title : kPageTitles) {
        auto *page = new QWidget;
        tabs_->addTab(page, title);
        pages.append(page);
    }
    single_ = buildOrderPage(pages[SinglePage], QStringLiteral("1"), true);
    batch_ = buildOrderPage(pages[BatchPage], QString(), false);
    buildOtherPage(pages[OtherPage]);

    connect(single_.confirm, &QPushButton::clicked, this, &OrderEntryWindow::confirmSingle);
    connect(batch_.confirm, &QPushButton::clicked, this, &OrderEntryWindow::confirmBatch);
    for (QPushButton *cancel :
         {single_.cancel, batch_.cancel, findChild<QPushButton *>(QStringLiteral("按钮取消输入新其他"))})
        connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

OrderEntryWindow::OrderPage OrderEntryWindow::buildOrderPage(QWidget *page, const QString &suffix, bool withWarning)
{
    const QDate today = app_.seams().clock->now().date();
    OrderPage p;
    captionLabel(QStringLiteral("透明标签加入") + suffix, kOrderCaptions, 45, page);
    p.orderNo = lineEdit(QStringLiteral("编辑框输入订单号") + suffix, 41, page);
    p.model = lineEdit(QStringLiteral("编辑框输入型号") + suffix, 77, page);
    p.quantity = lineEdit(QStringLiteral("编辑框输入数量") + suffix, 121, page);
    p.quantity->installEventFilter(new QuantityKeyFilter(p.quantity));
    // No input method either: its composed text would pass the key filter.
    p.quantity->setAttribute(Qt::WA_InputMethodEnabled, false);
    p.dateIn = dateBox(QStringLiteral("日期框入库时间") + suffix, 165, today, page);
    p.pending = radio(QStringLiteral("单选框待定") + suffix, kPendingRadio, kFieldX, 201, page);
    p.fixed = radio(QStringLiteral("单选框已定") + suffix, kFixedRadio, kFieldX + 104, 201, page);
    p.pending->setChecked(true);
    p.shipDate = dateBox(QStringLiteral("日期框出货时间") + suffix, 231, today, page);
    p.remarks = new QPlainTextEdit(page);
    p.remarks->setObjectName(QStringLiteral("编辑框输入备注") + suffix);
    p.remarks->setGeometry(kFieldX, 257, kFieldWidth, 48);
    p.remarks->setTabChangesFocus(true);
    p.confirm = button(QStringLiteral("按钮确认输入新") + suffix, kConfirm, kFieldX, page);
    p.cancel = button(QStringLiteral("按钮取消输入新") + suffix, kCancel, kFieldX + 110, page);
    if (withWarning)
        p.warning = warningLabel(QStringLiteral("标签加入警告") + suffix, page);
    return p;
}

void OrderEntryWindow::buildOtherPage(QWidget *page)
{
    const QDate today = app_.seams().clock->now().date();
    captionLabel(QStringLiteral("透明标签加入其他"), kOtherCaptions, 45, page);
    otherDateIn_ = dateBox(QStringLiteral("日期框入库时间其他"), 41, today, page);
    otherPending_ = radio(QStringLiteral("单选框待定其他"), kPendingRadio, kFieldX, 77, page);
    otherFixed_ = radio(QStringLiteral("单选框已定其他"), kFixedRadio, kFieldX + 104, 77, page);
    otherPending_->setChecked(true);
    otherShipDate_ = dateBox(QStringLiteral("日期框出货时间其他"), 105, today, page);
    otherDetails_ = new QPlainTextEdit(page);
    otherDetails_->setObjectName(QStringLiteral("编辑框输入详情"));
    otherDetails_->setGeometry(kFieldX, 141, kFieldWidth, 111);
    otherDetails_->setTabChangesFocus(true);
    auto *confirm = button(QStringLiteral("按钮确认输入新其他"), kConfirm, kFieldX, page);
    button(QStringLiteral("按钮取消输入新其他"), kCancel, kFieldX + 110, page);
    otherWarning_ = warningLabel(QStringLiteral("标签加入警告"), page);
    connect(confirm, &QPushButton::clicked, this, &OrderEntryWindow::confirmOther);
}

void OrderEntryWindow::open(Page page)
{
    const QString bin = app_.state().currentBin;
    setWindowTitle(kTitlePrefix + bin);
    single_.warning->setText(kWarningPrefix + bin);
    otherWarning_->setText(kWarningPrefix + bin);
    tabs_->setCurrentIndex(page);
    show();
    raise();
    activateWindow();
    // The clerk types straight away into the page's first box.
    QWidget *first = page == SinglePage ? static_cast<QWidget *>(single_.orderNo)
                     : page == BatchPage ? static_cast<QWidget *>(batch_.orderNo)
                                         : static_cast<QWidget *>(otherDetails_);
    first->setFocus();
}

void OrderEntryWindow::closeEvent(QCloseEvent *event)
{
    closing_ = true;
    QWidget::closeEvent(event);
}

bool OrderEntryWindow::complete(const OrderPage &page)
{
    // Empty means no characters at all: blanks count as content.
    if (page.orderNo->text().isEmpty() || page.model->text().isEmpty() || page.quantity->text().isEmpty()) {
        app_.seams().dialogs->message(this, ordertext::kIncomplete, ordertext::kWarning, platform::Icon::Warning,
                                      platform::Buttons::Ok);
        return false;
    }
    return true;
}

void OrderEntryWindow::openStore()
{
    provider_->setProperty("path", app_.storePath());
    app_.store().open(app_.storePath());
}

double OrderEntryWindow::shipDateOf(const QRadioButton *fixed, const QDateEdit *box) const
{
    return fixed->isChecked() ? dateBoxValue(box) : platform::kEmptyDate;
}

void OrderEntryWindow::confirmSingle()
{
    if (!complete(single_))
        return;
    openStore();
    NewOrder order;
    order.orderNo = single_.orderNo->text();
    order.bin = app_.state().currentBin;
    order.model = single_.model->text();
    order.quantity = platform::textToInt(single_.quantity->text());
    order.dateIn = dateBoxValue(single_.dateIn);
    order.shipDate = shipDateOf(single_.fixed, single_.shipDate);
    order.remarks = single_.remarks->toPlainText();
    if (!appendOrder(app_.store(), order)) {
        // Nothing was stored: the batch, the bin and the window stay as they were.
        app_.seams().dialogs->message(this, ordertext::kAddFailed.arg(app_.store().errorText()), ordertext::kWarning,
                                      platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    RunState &state = app_.state();
    state.batchOrderNo = order.orderNo;
    state.batchModel = order.model;
    state.batchQuantity = *order.quantity;
    state.batchDateIn = order.dateIn;
    state.batchShipDate = *order.shipDate;
    state.batchRemarks = order.remarks;
    // A single entry ends any batch in progress.
    state.batchOrderNo.clear();
    state.batchModel.clear();
    state.batchRemarks.clear();
    state.currentBin.clear();
    app_.mapRefresh();
    app_.seams().dialogs->message(this, ordertext::kAddedContinue, ordertext::kNotice, platform::Icon::Information,
                                  platform::Buttons::Ok);
    close();
}

void OrderEntryWindow::confirmBatch()
{
    if (!complete(batch_))
        return;
    openStore();
    RunState &state = app_.state();
    state.batchOrderNo = batch_.orderNo->text();
    state.batchModel = batch_.model->text();
    state.batchQuantity = platform::textToInt(batch_.quantity->text());
    state.batchDateIn = dateBoxValue(batch_.dateIn);
    state.batchShipDate = shipDateOf(batch_.fixed, batch_.shipDate);
    state.batchRemarks = batch_.remarks->toPlainText();
    close();
    app_.seams().dialogs->message(parentWidget(), ordertext::kPickFreeBins, ordertext::kNotice,
                                  platform::Icon::Information, platform::Buttons::Ok);
}

void OrderEntryWindow::confirmOther()
{
    const QString details = otherDetails_->toPlainText();
    if (details.isEmpty()) {
        app_.seams().dialogs->message(this, ordertext::kIncomplete, ordertext::kWarning, platform::Icon::Warning,
                                      platform::Buttons::Ok);
        return;
    }
    openStore();
    const double dateIn = dateBoxValue(otherDateIn_);
    const QString question = ordertext::kAskAddPrefix + QStringLiteral("备注:") + details +
                             QStringLiteral("\r\n入库日期:") + platform::dateToText(dateIn);
    const platform::Answer answer = app_.seams().dialogs->message(
        this, question, ordertext::kAskAdd, platform::Icon::Question, platform::Buttons::OkCancel);
    if (answer == platform::Answer::Ok) {
        NewOrder order;
        order.orderNo = kOtherGoodsOrderNo;
        order.bin = app_.state().currentBin;
        order.model = kOtherGoodsModel;
        order.dateIn = dateIn;
        if (otherFixed_->isChecked())
            order.shipDate = dateBoxValue(otherShipDate_);
        order.remarks = details;
        if (!appendOrder(app_.store(), order)) {
            app_.seams().dialogs->message(this, ordertext::kAddFailed.arg(app_.store().errorText()),
                                          ordertext::kWarning, platform::Icon::Critical, platform::Buttons::Ok);
            return;
        }
        app_.seams().dialogs->message(this, ordertext::kAdded, ordertext::kNotice, platform::Icon::Information,
                                      platform::Buttons::Ok);
        close();
    }
    app_.mapRefresh();
}

} // namespace binview
