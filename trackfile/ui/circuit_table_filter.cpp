#include "trackfile/ui/circuit_table_filter.h"

#include "trackfile/natural_order.h"
#include "trackfile/search_text.h"
#include "trackfile/ui/circuit_table_model.h"

namespace pistaro {

CircuitTableFilter::CircuitTableFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

void CircuitTableFilter::setWords(const QString& typed) {
    QStringList words = searchtext::words(typed);
    if (words == words_)
        return;
    words_ = std::move(words);
    invalidateRowsFilter();
}

bool CircuitTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (words_.isEmpty())
        return true;
    const QModelIndex i = sourceModel()->index(sourceRow, 0, sourceParent);
    return searchtext::containsAll(i.data(CircuitTableModel::SearchRole).toString(), words_);
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
