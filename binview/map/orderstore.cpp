#include "binview/map/orderstore.h"

#include "platform/dates.h"
#include "platform/text.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace binview {

namespace {

const QString kRemovedColumn = QStringLiteral("已删除");

QString columnName(int position)
{
    return u'"' + fieldNames().at(position - 1) + u'"';
}

bool isDateField(int position)
{
    return position == DateIn || position == ShipDate;
}

} // namespace

const QStringList &fieldNames()
{
    static const QStringList names = {QStringLiteral("订单号"), QStringLiteral("区域"), QStringLiteral("型号"),
                                      QStringLiteral("订单数量"), QStringLiteral("入库日期"),
                                      QStringLiteral("出货日期"), QStringLiteral("备注")};
    return names;
}

int fieldPosition(const QString &name)
{
    return static_cast<int>(fieldNames().indexOf(name)) + 1;
}

QVariant OrderRecord::value(int position) const
{
    switch (position) {
    case OrderNo: return orderNo;
    case BinCode: return bin;
    case Model: return model;
    case Quantity: return quantity;
    case DateIn: return dateIn;
    case ShipDate: return shipDate;
    case Remarks: return remarks;
    default: return {};
    }
}

QString OrderRecord::text(int position) const
{
    switch (position) {
    case OrderNo: return orderNo;
    case BinCode: return bin;
    case Model: return model;
    case Quantity: return QString::number(quantity);
    case DateIn: return platform::dateToText(dateIn);
    case ShipDate: return platform::dateToText(shipDate);
    case Remarks: return remarks;
    default: return {};
    }
}

QString OrderRecord::displayText(int position) const
{
    QString t = text(position);
    if (position == ShipDate && t == kEmptyDateText)
        return kPendingText;
    return t;
}

OrderStore::OrderStore() : file_(kApplicationId) {}

bool OrderStore::createEmpty(const QString &path, QString *error)
{
    platform::RecordFile file(kApplicationId);
    const QStringList schema = {
        QStringLiteral("CREATE TABLE \"%1\" (id INTEGER PRIMARY KEY, "
                       "\"订单号\" TEXT NOT NULL DEFAULT '', \"区域\" TEXT NOT NULL DEFAULT '', "
                       "\"型号\" TEXT NOT NULL DEFAULT '', \"订单数量\" INTEGER NOT NULL DEFAULT 0, "
                       "\"入库日期\" REAL NOT NULL DEFAULT 0, \"出货日期\" REAL NOT NULL DEFAULT 0, "
                       "\"备注\" TEXT NOT NULL DEFAULT '', \"%2\" INTEGER NOT NULL DEFAULT 0)")
            .arg(kTableName, kRemovedColumn),
        QStringLiteral("PRAGMA user_version=1"),
    };
    return file.create(path, schema, error);
}

OrderStore::Status OrderStore::open(const QString &path)
{
    if (file_.isOpen() && file_.path() == path) {
        ensureLoaded();
        return Status::Open;
    }
    close();
    const Status status = file_.open(path);
    switch (status) {
    case Status::Open: error_.clear(); break;
    case Status::Missing: error_ = QStringLiteral("文件不存在"); break;
    case Status::NotOurs: error_ = QStringLiteral("不是本系统的订单数据文件"); break;
    case Status::Damaged: error_ = QStringLiteral("文件已损坏"); break;
    default: error_ = QStringLiteral("文件无法读取（可能被占用或没有权限）"); break;
    }
    if (status == Status::Open && !reload()) {
        // Opens but the table cannot be read: treat as damaged, never write to it.
        file_.close();
        error_ = QStringLiteral("文件已损坏");
        return Status::Damaged;
    }
    return status;
}

void OrderStore::close()
{
    file_.close();
    rows_.clear();
    loaded_ = false;
    inTransaction_ = false;
    current_ = -1;
}

bool OrderStore::reload()
{
    rows_.clear();
    loaded_ = false;
    if (!file_.isOpen())
        return false;
    QSqlQuery q(file_.database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, \"订单号\", \"区域\", \"型号\", \"订单数量\", \"入库日期\", "
                               "\"出货日期\", \"备注\", \"%1\" FROM \"%2\" ORDER BY id")
                    .arg(kRemovedColumn, kTableName))) {
        error_ = q.lastError().text();
        return false;
    }
    while (q.next()) {
        OrderRecord r;
        r.id = q.value(0).toLongLong();
        r.orderNo = q.value(1).toString();
        r.bin = q.value(2).toString();
        r.model = q.value(3).toString();
        r.quantity = q.value(4).toInt();
        r.dateIn = q.value(5).toDouble();
        r.shipDate = q.value(6).toDouble();
        r.remarks = q.value(7).toString();
        r.removed = q.value(8).toInt() != 0;
        rows_.push_back(std::move(r));
    }
    loadedVersion_ = file_.dataVersion();
    loaded_ = true;
    if (current_ >= static_cast<qsizetype>(rows_.size()))
        current_ = rows_.empty() ? -1 : 0;
    return true;
}

bool OrderStore::ensureLoaded()
{
    if (!file_.isOpen())
        return false;
    if (inTransaction_)
        return loaded_;
    if (loaded_ && file_.dataVersion() == loadedVersion_)
        return true;
    return reload();
}

bool OrderStore::fail(const QString &what)
{
    error_ = what;
    return false;
}

bool OrderStore::select(const QString &table)
{
    return isOpen() && table == kTableName;
}

void OrderStore::first()
{
    ensureLoaded();
    current_ = rows_.empty() ? -1 : 0;
}

int OrderStore::count()
{
    ensureLoaded();
    return static_cast<int>(rows_.size());
}

int OrderStore::recordNumber() const
{
    return current_ < 0 ? 0 : static_cast<int>(current_) + 1;
}

bool OrderStore::skip(int step)
{
    if (rows_.empty() || current_ < 0)
        return false;
    const qsizetype last = static_cast<qsizetype>(rows_.size()) - 1;
    const qsizetype before = current_;
    current_ = std::clamp<qsizetype>(current_ + step, 0, last);
    return current_ != before;
}

const OrderRecord *OrderStore::current() const
{
    if (current_ < 0 || current_ >= static_cast<qsizetype>(rows_.size()))
        return nullptr;
    return &rows_[static_cast<size_t>(current_)];
}

QVariant OrderStore::read(const QString &field) const
{
    const OrderRecord *r = current();
    return r ? r->value(fieldPosition(field)) : QVariant();
}

QString OrderStore::readText(const QString &field) const
{
    const OrderRecord *r = current();
    return r ? r->text(fieldPosition(field)) : QString();
}

QString OrderStore::readDisplay(const QString &field) const
{
    const OrderRecord *r = current();
    return r ? r->displayText(fieldPosition(field)) : QString();
}

bool OrderStore::write(const QString &field, const QVariant &value)
{
    const int position = fieldPosition(field);
    if (position == 0)
        return fail(QStringLiteral("没有字段") + field);
    return writeValue(position, value);
}

bool OrderStore::write(int position, const QVariant &value)
{
    if (position < 1 || position > kFieldCount)
        return fail(QStringLiteral("没有第%1个字段").arg(position));
    return writeValue(position, value);
}

bool OrderStore::writeValue(int position, const QVariant &value)
{
    if (!isOpen())
        return fail(error_.isEmpty() ? QStringLiteral("订单数据文件没有打开") : error_);
    if (current_ < 0 || current_ >= static_cast<qsizetype>(rows_.size()))
        return fail(QStringLiteral("没有当前记录"));
    OrderRecord &r = rows_[static_cast<size_t>(current_)];
    QVariant stored;
    if (position == Quantity) {
        stored = value.typeId() == QMetaType::QString ? platform::textToInt(value.toString()) : value.toInt();
    } else if (isDateField(position)) {
        stored = value.typeId() == QMetaType::QString ? platform::textToDate(value.toString()) : value.toDouble();
    } else {
        stored = value.toString();
    }
    QSqlQuery q(file_.database());
    q.prepare(QStringLiteral("UPDATE \"%1\" SET %2 = ? WHERE id = ?").arg(kTableName, columnName(position)));
    q.addBindValue(stored);
    q.addBindValue(r.id);
    if (!q.exec())
        return fail(q.lastError().text());
    switch (position) {
    case OrderNo: r.orderNo = stored.toString(); break;
    case BinCode: r.bin = stored.toString(); break;
    case Model: r.model = stored.toString(); break;
    case Quantity: r.quantity = stored.toInt(); break;
    case DateIn: r.dateIn = stored.toDouble(); break;
    case ShipDate: r.shipDate = stored.toDouble(); break;
    case Remarks: r.remarks = stored.toString(); break;
    default: break;
    }
    return true;
}

bool OrderStore::addBlank()
{
    if (!isOpen())
        return fail(error_.isEmpty() ? QStringLiteral("订单数据文件没有打开") : error_);
    ensureLoaded();
    QSqlQuery q(file_.database());
    if (!q.exec(QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(kTableName)))
        return fail(q.lastError().text());
    OrderRecord r;
    r.id = q.lastInsertId().toLongLong();
    rows_.push_back(r);
    current_ = static_cast<qsizetype>(rows_.size()) - 1;
    return true;
}

bool OrderStore::remove()
{
    if (!isOpen())
        return fail(error_.isEmpty() ? QStringLiteral("订单数据文件没有打开") : error_);
    OrderRecord *r = current_ < 0 || current_ >= static_cast<qsizetype>(rows_.size())
                         ? nullptr
                         : &rows_[static_cast<size_t>(current_)];
    if (!r)
        return fail(QStringLiteral("没有当前记录"));
    QSqlQuery q(file_.database());
    q.prepare(QStringLiteral("UPDATE \"%1\" SET \"%2\" = 1 WHERE id = ?").arg(kTableName, kRemovedColumn));
    q.addBindValue(r->id);
    if (!q.exec())
        return fail(q.lastError().text());
    r->removed = true;
    return true;
}

bool OrderStore::purge()
{
    if (!isOpen())
        return fail(error_.isEmpty() ? QStringLiteral("订单数据文件没有打开") : error_);
    QSqlQuery q(file_.database());
    if (!q.exec(QStringLiteral("DELETE FROM \"%1\" WHERE \"%2\" <> 0").arg(kTableName, kRemovedColumn)))
        return fail(q.lastError().text());
    std::erase_if(rows_, [](const OrderRecord &r) { return r.removed; });
    current_ = rows_.empty() ? -1 : 0;
    return true;
}

bool OrderStore::find(const std::function<bool(const OrderRecord &)> &condition)
{
    if (current_ < 0)
        return false;
    for (qsizetype i = current_; i < static_cast<qsizetype>(rows_.size()); ++i) {
        if (condition(rows_[static_cast<size_t>(i)])) {
            current_ = i;
            return true;
        }
    }
    return false;
}

bool OrderStore::beginTransaction()
{
    if (!isOpen())
        return fail(error_.isEmpty() ? QStringLiteral("订单数据文件没有打开") : error_);
    ensureLoaded();
    if (!file_.database().transaction())
        return fail(file_.database().lastError().text());
    inTransaction_ = true;
    return true;
}

bool OrderStore::commitTransaction()
{
    if (!inTransaction_)
        return false;
    inTransaction_ = false;
    if (!file_.database().commit()) {
        error_ = file_.database().lastError().text();
        file_.database().rollback();
        reload();
        return false;
    }
    return true;
}

void OrderStore::rollbackTransaction()
{
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    file_.database().rollback();
    reload(); // the copy in memory had the rolled-back changes
}

int OrderStore::rowCount()
{
    ensureLoaded();
    return static_cast<int>(rows_.size());
}

const std::vector<OrderRecord> &OrderStore::rows()
{
    ensureLoaded();
    return rows_;
}

QString OrderStore::cellText(int row, int column) const
{
    if (row < 1 || row > static_cast<int>(rows_.size()))
        return {};
    const OrderRecord &r = rows_[static_cast<size_t>(row - 1)];
    if (isDateField(column)) {
        // The view reads a date cell back and keeps it only when it is neither the empty
        // date nor the minimum date.
        const double v = platform::dateRoundTrip(column == DateIn ? r.dateIn : r.shipDate);
        if (v == platform::kEmptyDate || v == platform::kMinDate)
            return {};
    }
    return r.text(column);
}

double OrderStore::cellDate(int row, int column) const
{
    if (row < 1 || row > static_cast<int>(rows_.size()) || !isDateField(column))
        return platform::kMinDate;
    const OrderRecord &r = rows_[static_cast<size_t>(row - 1)];
    const double v = platform::dateRoundTrip(column == DateIn ? r.dateIn : r.shipDate);
    return v == platform::kEmptyDate ? platform::kMinDate : v;
}

bool QueryView::active() const
{
    return store_ && store_->isOpen() && !providerPath_.isEmpty() && providerPath_ == store_->path();
}

int QueryView::rowCount() const
{
    return active() ? store_->rowCount() : 0;
}

QString QueryView::cellText(int row, int column) const
{
    return active() ? store_->cellText(row, column) : QString();
}

double QueryView::cellDate(int row, int column) const
{
    return active() ? store_->cellDate(row, column) : platform::kMinDate;
}

} // namespace binview
