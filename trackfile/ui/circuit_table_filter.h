#pragma once
// The circuit browser's order and filter: a header click sorts a column in natural order
// (numbers by value), and the query typed (trackfile/circuit_query.h) narrows the rows.
// Each row's sort key is made once (and again only when the row changes), and the rows' order
// is kept as numbers, so a keystroke that brings rows back places them without comparing texts.
#include "trackfile/circuit_query.h"

#include <QSortFilterProxyModel>

#include <vector>

namespace pistaro {

class CircuitTableFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CircuitTableFilter(QObject* parent = nullptr);

    // The filter, read once per change; an empty query shows every row.
    void setQuery(const circuitquery::Query& query);
    const circuitquery::Query& query() const { return query_; }

    void setSourceModel(QAbstractItemModel* model) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    struct Key {
        QString column, file; // natural keys: compared as plain texts
        bool made = false;
    };
    const Key& keyOf(int sourceRow) const;
    void forgetKeys(int first = -1, int last = -1) const;
    // The place of every source row in the order of the sort column, once every key is known.
    void rankRows() const;

    circuitquery::Query query_;
    mutable std::vector<Key> keys_;
    mutable int keyColumn_ = -1;
    mutable std::vector<int> rank_; // by source row; empty while a key changed since
};

// A text whose plain comparison orders as naturalCompare does (trackfile/natural_order.h).
QString naturalKey(const QString& text);

} // namespace pistaro
