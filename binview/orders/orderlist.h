#pragma once
// The order list: one row per order record, seven columns, in store order.

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <vector>

namespace binview {

class OrderStore;

class OrderListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, 7>;

    explicit OrderListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void clear();
    void appendRows(std::vector<Row> rows);
    void setRow(int index, Row row);
    const Row &row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    QString cell(int row, int column) const; // column from 0

    static const QStringList &headers();
    static const std::array<int, 7> &columnWidths();

private:
    std::vector<Row> rows_;
};

// The list's seven cells for the current record of the store.
OrderListModel::Row currentRecordRow(const OrderStore &store);

// Appends one row per record of the store (it does not empty the list first); returns the
// number of records.
int orderListFill(OrderStore &store, OrderListModel &model);

} // namespace binview
