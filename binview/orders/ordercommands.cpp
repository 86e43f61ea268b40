#include "binview/orders/ordercommands.h"

#include "binview/map/colours.h"
#include "binview/map/orderstore.h"
#include "binview/orders/orderdetails.h"
#include "binview/orders/orderentry.h"
#include "binview/orders/ordertexts.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/ini.h"

#include <QAction>
#include <QCursor>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <array>

namespace binview {

namespace {

const QString kBalloonName = QStringLiteral("气球提示框A");
constexpr int kBalloonMilliseconds = 8000;

struct QuerySpec {
    QueryKind kind;
    QString action;
    QString prompt;
    QString emptyMessage;
    QString field;  // empty for the shared-bin query, which keeps its text to itself
    int inputIndex; // into queryInputs; -1 for the shared-bin query
};

const std::array<QuerySpec, 5> &querySpecs()
{
    static const std::array<QuerySpec, 5> specs = {{
        {QueryKind::OrderNo, QStringLiteral("按订单查询(&D)"), QStringLiteral("请输入要查询的订单号"),
         QStringLiteral("请正确输入查询订单号！"), QStringLiteral("订单号"), 2},
        {QueryKind::Zone, QStringLiteral("按区域查询(&Q)"), QStringLiteral("请输入要查询的区域"),
         QStringLiteral("请正确输入查询区域！"), QStringLiteral("区域"), 0},
        {QueryKind::Model, QStringLiteral("按型号查询(&X)"), QStringLiteral("请输入要查询的型号"),
         QStringLiteral("请正确输入查询型号！"), QStringLiteral("型号"), 3},
        {QueryKind::Quantity, QStringLiteral("按数量查询(&S)"), QStringLiteral("请输入要查询的订单数量"),
         QStringLiteral("请正确输入查询订单数量！"), QStringLiteral("订单数量"), 1},
        {QueryKind::SharedBin, QStringLiteral("查询合库信息(&H)"), QStringLiteral("请输入要查询的合库位订单号"),
         QStringLiteral("请正确输入要查询的合库位订单号！"), QString(), -1},
    }};
    return specs;
}

// The balloon tip: a small pop-up that shows beside the pointer and goes by itself.
class BalloonTip : public QLabel {
public:
    explicit BalloonTip(QWidget *page) : QLabel(page, Qt::ToolTip | Qt::FramelessWindowHint)
    {
        setObjectName(kBalloonName);
        setTextFormat(Qt::PlainText);
        setMargin(8);
        setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #767676; "
                                     "border-radius: 6px; }"));
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
        hide();
    }

    void showAt(const QPoint &globalPos, const QString &text)
    {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        setText(text);
        if (text.isEmpty()) {
            hide(); // a free bin has nothing to show
            return;
        }
        QLabel label(shown); // sizes the pop-up by the text as it reads
        label.setMargin(margin());
        label.setFont(font());
        resize(label.sizeHint() + QSize(2, 2));
        move(globalPos + QPoint(12, 12));
        show();
        raise();
        timer_.start(kBalloonMilliseconds);
    }

protected:
    void mousePressEvent(QMouseEvent *) override { hide(); }

private:
    QTimer timer_;
};

QWidget *messageParent(Application &app)
{
    return app.mainWindow();
}

void greenBin(Application &app, const QString &bin)
{
    platform::writeProfileString(app.colourTablePath(), bin, kColourKey, kGreen);
}

void openLiveStoreForQueries(Application &app)
{
    app.queryView().setProviderPath(app.storePath());
    app.store().open(app.storePath());
}

void connectAction(QMenu *menu, const QString &text, QObject *context, std::function<void()> command)
{
    if (QAction *action = MainWindow::findAction(menu, text))
        QObject::connect(action, &QAction::triggered, context, std::move(command));
}

} // namespace

void installOrderCommands(Application &app, MainWindow &window)
{
    auto *balloon = new BalloonTip(window.tabs()->widget(1));
    Q_UNUSED(balloon);

    Application *a = &app;
    QMenu *bin = window.binMenu();
    connectAction(bin, QStringLiteral("查看详情"), &window, [a] { showBinDetails(*a); });
    connectAction(bin, QStringLiteral("单一库位"), &window, [a] { openOrderEntry(*a, OrderEntryWindow::SinglePage); });
    connectAction(bin, QStringLiteral("订单设置"), &window, [a] { setUpBatch(*a); });
    connectAction(bin, QStringLiteral("其他库位"), &window, [a] { openOrderEntry(*a, OrderEntryWindow::OtherPage); });
    connectAction(bin, QStringLiteral("批量加入(&J)"), &window, [a] { addBatchToBin(*a); });
    connectAction(bin, QStringLiteral("结束批量加"), &window, [a] { endBatch(*a); });

    QMenu *list = window.listMenu();
    connectAction(list, QStringLiteral("订单明细"), &window, [a] { openOrderDetails(*a); });
    for (const QuerySpec &spec : querySpecs()) {
        const QueryKind kind = spec.kind;
        connectAction(list, spec.action, &window, [a, kind] { runQuery(*a, kind); });
    }
    connectAction(list, QStringLiteral("清空该库位"), &window, [a] { clearSelectedBin(*a); });
}

QLabel *binBalloon(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return nullptr;
    return window->tabs()->widget(1)->findChild<QLabel *>(kBalloonName, Qt::FindDirectChildrenOnly);
}

void showBinDetails(Application &app)
{
    RunState &state = app.state();
    state.balloonText = binBalloonText(app.queryView(), state.currentBin);
    if (auto *balloon = static_cast<BalloonTip *>(binBalloon(app)))
        balloon->showAt(QCursor::pos(), state.balloonText);
    state.balloonText.clear();
}

OrderEntryWindow *orderEntryWindow(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return nullptr;
    for (OrderEntryWindow *w : window->findChildren<OrderEntryWindow *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isClosing())
            return w;
    }
    return nullptr;
}

OrderEntryWindow *openOrderEntry(Application &app, int page)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return nullptr;
    // The window exists at most once; opening it again brings it forward with its contents.
    OrderEntryWindow *entry = orderEntryWindow(app);
    if (!entry)
        entry = new OrderEntryWindow(app, window);
    entry->open(static_cast<OrderEntryWindow::Page>(page));
    return entry;
}

void setUpBatch(Application &app)
{
    RunState &state = app.state();
    if (!state.batchOrderNo.isEmpty()) {
        app.seams().dialogs->message(messageParent(app), ordertext::kBatchRunning, ordertext::kWarning,
                                     platform::Icon::Warning, platform::Buttons::Ok);
        return;
    }
    if (binOccupied(app.queryView(), state.currentBin)) {
        app.seams().dialogs->message(messageParent(app), ordertext::kOccupied, QString(), platform::Icon::Warning,
                                     platform::Buttons::Ok);
        return;
    }
    openOrderEntry(app, OrderEntryWindow::BatchPage);
}

void addBatchToBin(Application &app)
{
    RunState &state = app.state();
    platform::Dialogs &dialogs = *app.seams().dialogs;
    if (state.batchOrderNo.isEmpty()) {
        dialogs.message(messageParent(app), ordertext::kNoBatch, ordertext::kNotice, platform::Icon::Information,
                        platform::Buttons::Ok);
        return;
    }
    if (binOccupied(app.queryView(), state.currentBin)) {
        dialogs.message(messageParent(app), ordertext::kOccupied, QString(), platform::Icon::Warning,
                        platform::Buttons::Ok);
        return;
    }
    if (dialogs.message(messageParent(app), ordertext::kAskAddPrefix + batchSummary(state), ordertext::kAskAdd,
                        platform::Icon::Question, platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    if (!appendOrder(app.store(), batchOrder(state, state.currentBin))) {
        dialogs.message(messageParent(app), ordertext::kAddFailed.arg(app.store().errorText()), ordertext::kWarning,
                        platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    dialogs.message(messageParent(app), ordertext::kAddedContinue, ordertext::kNotice, platform::Icon::Information,
                    platform::Buttons::Ok);
    app.mapRefresh();
}

void endBatch(Application &app)
{
    RunState &state = app.state();
    platform::Dialogs &dialogs = *app.seams().dialogs;
    if (dialogs.message(messageParent(app), ordertext::kAskEndBatch + batchSummary(state), ordertext::kNotice,
                        platform::Icon::Question, platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    state.batchOrderNo.clear();
    dialogs.message(messageParent(app), ordertext::kBatchEnded, QString(), platform::Icon::Information,
                    platform::Buttons::Ok);
}

void openOrderDetails(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    const int row = window->selectedRow();
    if (row < 0) {
        app.seams().dialogs->message(window, ordertext::kSelectRow, ordertext::kNotice, platform::Icon::Information,
                                     platform::Buttons::Ok);
        return;
    }
    app.state().selectedBin = window->orderList()->cell(row, BinCode - 1);
    OrderDetailsDialog dialog(app, window);
    app.seams().dialogs->exec(&dialog);
}

void runQuery(Application &app, QueryKind kind)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    const QuerySpec *spec = nullptr;
    for (const QuerySpec &s : querySpecs()) {
        if (s.kind == kind)
            spec = &s;
    }
    if (!spec)
        return;
    platform::Dialogs &dialogs = *app.seams().dialogs;
    const std::optional<QString> entered = dialogs.input(window, spec->prompt, ordertext::kQueryTitle, QString());
    if (!entered)
        return;
    RunState &state = app.state();
    if (spec->inputIndex >= 0)
        state.queryInputs[static_cast<size_t>(spec->inputIndex)] = *entered;
    if (entered->isEmpty()) {
        dialogs.message(window, spec->emptyMessage, QString(), platform::Icon::Information, platform::Buttons::Ok);
        return;
    }
    if (!spec->field.isEmpty()) {
        state.queryText = *entered;
        state.queryField = spec->field;
    }

    openLiveStoreForQueries(app);
    OrderStore &store = app.store();
    std::vector<OrderListModel::Row> rows = searchRows(store, queryCondition(kind, *entered));
    const int records = store.count();
    OrderListModel *list = window->orderList();
    list->clear();
    list->appendRows(std::move(rows));
    // The row at the store's last index is selected: with every record matching, the last row.
    const int pick = records - 1;
    if (pick >= 0 && pick < list->rowCount())
        window->orderView()->selectRow(pick);
    else
        window->orderView()->clearSelection();
}

void clearSelectedBin(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    platform::Dialogs &dialogs = *app.seams().dialogs;
    const int row = window->selectedRow();
    if (row < 0) {
        dialogs.message(window, ordertext::kSelectRow, ordertext::kNotice, platform::Icon::Information,
                        platform::Buttons::Ok);
        return;
    }
    const OrderListModel::Row cells = window->orderList()->row(row);
    app.state().selectedBin = cells[BinCode - 1];
    // The record the selected row shows, not merely the bin's first record: a shared bin has
    // several rows.
    OrderStore &store = app.store();
    if (!findRecordOfRow(store, cells))
        return; // the list is out of date
    const QString bin = app.state().selectedBin;
    if (dialogs.message(window, ordertext::kAskDelete.arg(bin), ordertext::kWarningBang, platform::Icon::Warning,
                        platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    // Find it again: the question may have let a refresh move the current record.
    if (!findRecordOfRow(store, cells) || !removeCurrentRecord(store)) {
        dialogs.message(window, ordertext::kDeleteFailed.arg(store.errorText()), ordertext::kWarning,
                        platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    greenBin(app, bin);
    app.fullRefresh();
}

void clearShippedGoods(Application &app)
{
    MainWindow *window = app.mainWindow();
    platform::Dialogs &dialogs = *app.seams().dialogs;
    if (dialogs.message(window, ordertext::kAskClearShipped, ordertext::kWarningBang, platform::Icon::Warning,
                        platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    openLiveStoreForQueries(app);
    const double today = window ? platform::dateFromDateTime(window->todayValue())
                                : platform::dateFromDateTime(app.seams().clock->now());
    QStringList bins;
    if (clearShipped(app.store(), today, &bins)) {
        for (const QString &bin : bins)
            greenBin(app, bin);
    } else {
        dialogs.message(window, ordertext::kDeleteFailed.arg(app.store().errorText()), ordertext::kWarning,
                        platform::Icon::Critical, platform::Buttons::Ok);
    }
    app.fullRefresh();
}

void refreshOrderList(Application &app)
{
    MainWindow *window = app.mainWindow();
    if (!window)
        return;
    window->showPage(7);
    window->orderList()->clear();
    app.orderListFill();
}

void rewriteSelectedRow(MainWindow &window, const OrderListModel::Row &row)
{
    const int selected = window.selectedRow();
    OrderListModel *list = window.orderList();
    if (selected < 0 || selected >= list->rowCount())
        return;
    list->setRow(selected, row);
}

} // namespace binview
