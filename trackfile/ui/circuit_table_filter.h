#pragma once
// The circuit browser's order and filter: a header click sorts a column in natural order
// (numbers by value), and the query typed (trackfile/circuit_query.h) narrows the rows.
#include "trackfile/circuit_query.h"

#include <QSortFilterProxyModel>

namespace pistaro {

class CircuitTableFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CircuitTableFilter(QObject* parent = nullptr);

    // The filter, read once per change; an empty query shows every row.
    void setQuery(const circuitquery::Query& query);
    const circuitquery::Query& query() const { return query_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    circuitquery::Query query_;
};

} // namespace pistaro
