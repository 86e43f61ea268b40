#include "binview/orders/orderops.h"

#include "binview/map/orderstore.h"
#include "binview/shell/runstate.h"
#include "platform/dates.h"
#include "platform/text.h"

#include <cmath>

namespace binview {

bool appendOrder(OrderStore &store, const NewOrder &order)
{
    if (!store.beginTransaction())
        return false;
    bool ok = store.addBlank();
    ok = ok && store.write(OrderNo, order.orderNo);
    ok = ok && store.write(BinCode, order.bin);
    ok = ok && store.write(Model, order.model);
    if (order.quantity)
        ok = ok && store.write(Quantity, *order.quantity);
    ok = ok && store.write(DateIn, order.dateIn);
    if (order.shipDate)
        ok = ok && store.write(ShipDate, *order.shipDate);
    ok = ok && store.write(Remarks, order.remarks);
    if (!ok) {
        store.rollbackTransaction();
        return false;
    }
    return store.commitTransaction();
}

NewOrder batchOrder(const RunState &state, const QString &bin)
{
    NewOrder order;
    order.orderNo = state.batchOrderNo;
    order.bin = bin;
    order.model = state.batchModel;
    order.quantity = state.batchQuantity;
    order.dateIn = state.batchDateIn;
    order.shipDate = state.batchShipDate;
    order.remarks = state.batchRemarks;
    return order;
}

QString batchSummary(const RunState &state)
{
    return QStringLiteral("当前库位") + state.currentBin + QStringLiteral("\r\n订单号:") + state.batchOrderNo +
           QStringLiteral("\r\n型号:") + state.batchModel + QStringLiteral("\r\n数量:") +
           QString::number(state.batchQuantity) + QStringLiteral("\r\n\r\n入库日期:") +
           platform::dateToText(state.batchDateIn);
}

bool binOccupied(const QueryView &view, const QString &bin)
{
    const int rows = view.rowCount();
    for (int row = 1; row <= rows; ++row) {
        if (view.cellText(row, BinCode) == bin)
            return true;
    }
    return false;
}

QString binBalloonText(const QueryView &view, const QString &bin)
{
    QString text;
    const int rows = view.rowCount();
    for (int row = 1; row <= rows; ++row) {
        if (view.cellText(row, BinCode) != bin)
            continue;
        text = QStringLiteral("订单号：") + view.cellText(row, OrderNo) + QStringLiteral("\r\n区域号：") +
               view.cellText(row, BinCode) + QStringLiteral("\r\n型号：") + view.cellText(row, Model) +
               QStringLiteral("\r\n数量：") + view.cellText(row, Quantity) + QStringLiteral("\r\n入库日期：") +
               view.cellText(row, DateIn) + QStringLiteral("\r\n出货日期：") + view.cellText(row, ShipDate) +
               QStringLiteral("\r\n");
    }
    return text;
}

std::vector<OrderListModel::Row> searchRows(OrderStore &store, const RecordCondition &condition)
{
    std::vector<OrderListModel::Row> rows;
    store.select(kTableName);
    store.first();
    const int n = store.count();
    for (int i = 0; i < n; ++i) {
        if (!store.find(condition))
            break; // nothing further matches
        rows.push_back(currentRecordRow(store));
        if (!store.skip(1))
            break; // the match was the last record
    }
    return rows;
}

RecordCondition queryCondition(QueryKind kind, const QString &text)
{
    switch (kind) {
    case QueryKind::OrderNo:
        return [text](const OrderRecord &r) { return r.orderNo.startsWith(text); };
    case QueryKind::Zone:
        return [text](const OrderRecord &r) { return r.bin.startsWith(text); };
    case QueryKind::Model:
        return [text](const OrderRecord &r) { return r.model.startsWith(text); };
    case QueryKind::Quantity: {
        const double q = platform::textToInt(text);
        return [q](const OrderRecord &r) { return std::abs(static_cast<double>(r.quantity) - q) <= 0.0000001; };
    }
    case QueryKind::SharedBin:
        return [text](const OrderRecord &r) { return r.orderNo == kOtherGoodsOrderNo && r.remarks.contains(text); };
    }
    return [](const OrderRecord &) { return false; };
}

bool findRecordOfRow(OrderStore &store, const OrderListModel::Row &row)
{
    store.select(kTableName);
    store.first();
    if (store.count() == 0)
        return false;
    return store.find([&row](const OrderRecord &r) {
        for (int c = 0; c < kFieldCount; ++c) {
            if (r.displayText(c + 1) != row[static_cast<size_t>(c)])
                return false;
        }
        return true;
    });
}

bool removeCurrentRecord(OrderStore &store)
{
    if (!store.current())
        return false;
    const qint64 id = store.current()->id;
    if (!store.beginTransaction())
        return false;
    // The transaction start may reload the rows; the record is the one it was.
    store.first();
    if (!store.find([id](const OrderRecord &r) { return r.id == id; }) || !store.remove() || !store.purge()) {
        store.rollbackTransaction();
        return false;
    }
    return store.commitTransaction();
}

bool clearShipped(OrderStore &store, double today, QStringList *bins)
{
    store.select(kTableName);
    store.first();
    const int n = store.count();
    if (n == 0)
        return true;
    if (!store.beginTransaction())
        return false;
    store.first();
    const double day = platform::datePart(today);
    QStringList removed;
    for (int i = 0; i < n; ++i) {
        const OrderRecord *r = store.current();
        if (r && r->shipDate != platform::kEmptyDate && platform::datePart(r->shipDate) < day) {
            removed.append(r->bin);
            if (!store.remove()) {
                store.rollbackTransaction();
                return false;
            }
        }
        if (!store.skip(1))
            break;
    }
    if (!removed.isEmpty() && !store.purge()) {
        store.rollbackTransaction();
        return false;
    }
    if (!store.commitTransaction())
        return false;
    if (bins)
        *bins = removed;
    return true;
}

} // namespace binview
