#pragma once
// The order operations without windows: writing a new order, walking and searching the store,
// the query matches and shipped-goods clearing. The windows and menu commands wire controls to
// these.

#include "binview/orders/orderlist.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace binview {

class OrderStore;
class QueryView;
struct OrderRecord;
struct RunState;

// A new record as the entry paths write it; unset fields are not written and keep the values
// of a blank record (quantity 0, the empty date).
struct NewOrder {
    QString orderNo;
    QString bin;
    QString model;
    std::optional<int> quantity;
    double dateIn = 0;
    std::optional<double> shipDate;
    QString remarks;
};

// Appends the order as one transaction, fields in store order: either the whole record is
// stored or none of it. On false the store's errorText() says why.
bool appendOrder(OrderStore &store, const NewOrder &order);

// The batch order of the run state as a new record for bin.
NewOrder batchOrder(const RunState &state, const QString &bin);

// "当前库位…" text shown by the batch questions.
QString batchSummary(const RunState &state);

// A bin is occupied when some row of the view has exactly its code in column 2.
bool binOccupied(const QueryView &view, const QString &bin);

// The balloon text of "查看详情": the last row of the bin wins; empty for a free bin.
QString binBalloonText(const QueryView &view, const QString &bin);

using RecordCondition = std::function<bool(const OrderRecord &)>;

// Every record that satisfies the condition, once each, in store order, as list rows. Starts
// from the first record.
std::vector<OrderListModel::Row> searchRows(OrderStore &store, const RecordCondition &condition);

enum class QueryKind { OrderNo, Zone, Model, Quantity, SharedBin };

// The match rule of each query kind for the entered text.
RecordCondition queryCondition(QueryKind kind, const QString &text);

// Makes current the first record whose list row equals row (all seven cells, list formats);
// false when none does.
bool findRecordOfRow(OrderStore &store, const OrderListModel::Row &row);

// Marks and purges the current record in one transaction.
bool removeCurrentRecord(OrderStore &store);

// Removes every record whose ship date is set and lies before today (calendar days), in one
// transaction. bins receives the bin of each removed record, in store order.
bool clearShipped(OrderStore &store, double today, QStringList *bins);

} // namespace binview
