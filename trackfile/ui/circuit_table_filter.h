#pragma once
// The circuit browser's order and filter: a header click sorts a column in natural order
// (numbers by value), and the query typed (trackfile/circuit_query.h) narrows the rows.
// The order is kept by a proxy of its own under the filter, so a keystroke never sorts: the
// rows a filter change brings back take their place in the order already made. Each row's
// sort key is made once, and again only when the row changes.
#include "trackfile/circuit_query.h"

#include <QSortFilterProxyModel>

#include <vector>

namespace pistaro {

// The rows of the model in the order of the sort column (CircuitTableModel::SortRole).
class CircuitTableOrder final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CircuitTableOrder(QObject* parent = nullptr);
    void setSourceModel(QAbstractItemModel* model) override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    struct Key {
        QString column, file; // natural keys: compared as plain texts
        bool made = false;
    };
    const Key& keyOf(int sourceRow) const;
    void forgetKeys(int first = -1, int last = -1) const;
    mutable std::vector<Key> keys_;
    mutable int keyColumn_ = -1;
};

class CircuitTableFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CircuitTableFilter(QObject* parent = nullptr);

    // The filter, read once per change; an empty query shows every row.
    void setQuery(const circuitquery::Query& query);
    const circuitquery::Query& query() const { return query_; }

    // The model goes under the order, the order under the filter.
    void setSourceModel(QAbstractItemModel* model) override;
    // Sorting is the order's: the filter keeps the order it is given.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    circuitquery::Query query_;
    CircuitTableOrder* order_;
};

// A text whose plain comparison orders as naturalCompare does (trackfile/natural_order.h).
QString naturalKey(const QString& text);

} // namespace pistaro
