#pragma once
// The order store: one table of order records in store order, with a single current record
// (the record operations) and a read-only rows-and-columns view of the same rows (QueryView).
//
// The rows are held in memory and read from the file once per change: writes through this
// object update the copy in place, and a change by another process (SQLite's data_version) makes
// the next walk reload it.

#include "platform/recordfile.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

namespace binview {

enum Field { OrderNo = 1, BinCode, Model, Quantity, DateIn, ShipDate, Remarks };
inline constexpr int kFieldCount = 7;

inline const QString kTableName = QStringLiteral("库位数据");
inline const QString kOtherGoodsOrderNo = QStringLiteral("其他货物");
inline const QString kOtherGoodsModel = QStringLiteral("多种");
inline const QString kPendingText = QStringLiteral("待定");
inline const QString kEmptyDateText = QStringLiteral("1899年12月30日");

// The field names in store order; position 1 is index 0.
const QStringList &fieldNames();
// 1-based position of a field name, or 0.
int fieldPosition(const QString &name);

struct OrderRecord {
    qint64 id = 0;
    QString orderNo;
    QString bin;
    QString model;
    int quantity = 0;
    double dateIn = 0;
    double shipDate = 0;
    QString remarks;
    bool removed = false;

    QVariant value(int position) const;
    // The text form of a field: texts unchanged, the quantity in decimal, dates as date text.
    QString text(int position) const;
    // The text shown in lists and windows: as text(), with "待定" for a pending ship date.
    QString displayText(int position) const;
};

class OrderStore {
public:
    // Marks our files; a database with another id is refused, never altered.
    static constexpr qint32 kApplicationId = 0x42564431; // "BVD1"
    using Status = platform::RecordFile::Status;

    OrderStore();

    // Creates an empty store (the template) at path; fails if the path exists.
    static bool createEmpty(const QString &path, QString *error = nullptr);

    // Opens the store at path. Opening the store that is already open is harmless.
    Status open(const QString &path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    Status status() const { return file_.status(); }
    QString path() const { return file_.path(); }
    // Why the last open or write failed, for the clerk's message.
    QString errorText() const { return error_; }

    // Record operations.
    bool select(const QString &table); // only the store's own table exists
    void first();
    int count();
    int recordNumber() const; // 1-based; 0 when there is no current record
    // Moves the current record by step, stopping at the first and the last record; false when
    // it could not move (the walk has reached an end).
    bool skip(int step = 1);
    QVariant read(const QString &field) const;
    QString readText(const QString &field) const;
    QString readDisplay(const QString &field) const;
    const OrderRecord *current() const;
    bool write(const QString &field, const QVariant &value);
    bool write(int position, const QVariant &value);
    bool addBlank();
    bool remove();  // marks the current record
    bool purge();   // drops the marked records; record 1 becomes current
    // Tests records from the current one on; the first match becomes current.
    bool find(const std::function<bool(const OrderRecord &)> &condition);

    // Several writes as one: a crash never leaves half of them.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();

    // The query view's rows (1-based), always current.
    int rowCount();
    QString cellText(int row, int column) const;
    // The cell read back as a date: kMinDate for an empty date cell.
    double cellDate(int row, int column) const;
    const std::vector<OrderRecord> &rows();

private:
    bool ensureLoaded();
    bool reload();
    bool fail(const QString &what);
    bool writeValue(int position, const QVariant &value);

    platform::RecordFile file_;
    std::vector<OrderRecord> rows_;
    qint64 loadedVersion_ = -1;
    bool loaded_ = false;
    bool inTransaction_ = false;
    qsizetype current_ = -1;
    QString error_;
};

// The query view: the rows and columns of the store that a provider path points at.
class QueryView {
public:
    explicit QueryView(OrderStore *store) : store_(store) {}
    void setProviderPath(const QString &path) { providerPath_ = path; }
    QString providerPath() const { return providerPath_; }
    int rowCount() const;
    QString cellText(int row, int column) const;
    double cellDate(int row, int column) const;

private:
    bool active() const;
    OrderStore *store_;
    QString providerPath_;
};

} // namespace binview
