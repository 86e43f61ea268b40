#include "binview/orders/orderlist.h"

#include "binview/map/orderstore.h"

namespace binview {

OrderListModel::OrderListModel(QObject *parent) : QAbstractTableModel(parent) {}

const QStringList &OrderListModel::headers()
{
    static const QStringList h = {QStringLiteral("订单号"), QStringLiteral("区域"), QStringLiteral("型号"),
                                  QStringLiteral("数量"), QStringLiteral("入库日期"), QStringLiteral("出库日期"),
                                  QStringLiteral("备注")};
    return h;
}

const std::array<int, 7> &OrderListModel::columnWidths()
{
    static const std::array<int, 7> w = {150, 50, 80, 100, 150, 150, 300};
    return w;
}

int OrderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OrderListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QString OrderListModel::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= 7)
        return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

QVariant OrderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((index.column() == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    return {};
}

QVariant OrderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 7)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headers().at(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((section == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    return {};
}

void OrderListModel::clear()
{
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

void OrderListModel::appendRows(std::vector<Row> rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    if (rows_.empty())
        rows_ = std::move(rows);
    else
        rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void OrderListModel::setRow(int index, Row row)
{
    if (index < 0 || index >= rowCount())
        return;
    rows_[static_cast<size_t>(index)] = std::move(row);
    Q_EMIT dataChanged(this->index(index, 0), this->index(index, 6));
}

OrderListModel::Row currentRecordRow(const OrderStore &store)
{
    OrderListModel::Row row;
    const OrderRecord *r = store.current();
    if (!r)
        return row;
    for (int c = 0; c < 7; ++c)
        row[static_cast<size_t>(c)] = r->displayText(c + 1);
    return row;
}

int orderListFill(OrderStore &store, OrderListModel &model)
{
    store.select(kTableName);
    store.first();
    const int n = store.count();
    std::vector<OrderListModel::Row> rows;
    rows.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        rows.push_back(currentRecordRow(store));
        store.skip(1);
    }
    model.appendRows(std::move(rows));
    return n;
}

} // namespace binview
