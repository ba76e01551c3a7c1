#include "trackfile/ui/circuit_table_filter.h"

#include "trackfile/natural_order.h"
#include "trackfile/ui/circuit_table_model.h"

namespace pistaro {

namespace {

using circuitquery::Field;
static_assert(int(Field::File) == CircuitTableModel::File &&
                  int(Field::Time) == CircuitTableModel::RaceTime &&
                  int(Field::Status) == CircuitTableModel::Status &&
                  int(Field::Count) == CircuitTableModel::ColumnCount,
              "the query's fields are the browser's columns");

// One source row as the query reads it, each part fetched only when a term asks.
class SourceRow final : public circuitquery::RowView {
public:
    SourceRow(const QAbstractItemModel& model, int row) : model_(model), row_(row) {}
    QString search() const override { return at(0, CircuitTableModel::SearchRole).toString(); }
    QString text(Field field) const override { return at(int(field), Qt::DisplayRole).toString(); }
    QString problems() const override { return at(0, CircuitTableModel::ProblemsRole).toString(); }
    bool duplicate() const override { return at(0, CircuitTableModel::DuplicateRole).toBool(); }

private:
    QVariant at(int column, int role) const { return model_.index(row_, column).data(role); }
    const QAbstractItemModel& model_;
    int row_;
};

} // namespace

CircuitTableFilter::CircuitTableFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

void CircuitTableFilter::setQuery(const circuitquery::Query& query) {
    if (query.terms == query_.terms) {
        query_ = query; // what it says of malformed terms may differ
        return;
    }
    query_ = query;
    invalidateRowsFilter();
}

bool CircuitTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (query_.isEmpty() || sourceParent.isValid())
        return true;
    return circuitquery::matches(query_, SourceRow(*sourceModel(), sourceRow));
}

bool CircuitTableFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int c =
        naturalCompare(left.data(sortRole()).toString(), right.data(sortRole()).toString());
    if (c != 0)
        return c < 0;
    // Rows alike in the column keep the order of their file names.
    return naturalCompare(left.siblingAtColumn(CircuitTableModel::File).data().toString(),
                          right.siblingAtColumn(CircuitTableModel::File).data().toString()) < 0;
}

} // namespace pistaro
