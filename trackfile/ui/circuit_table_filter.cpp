#include "trackfile/ui/circuit_table_filter.h"

#include "trackfile/ui/circuit_table_model.h"

#include <algorithm>

namespace pistaro {

namespace {

using circuitquery::Field;
static_assert(int(Field::File) == CircuitTableModel::File &&
                  int(Field::Time) == CircuitTableModel::RaceTime &&
                  int(Field::Status) == CircuitTableModel::Status &&
                  int(Field::Tag) == CircuitTableModel::Tags &&
                  int(Field::Pack) == CircuitTableModel::Packs &&
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
    QStringList tags() const override { return at(0, CircuitTableModel::TagsRole).toStringList(); }
    QStringList packs() const override {
        return at(0, CircuitTableModel::PacksRole).toStringList();
    }

private:
    QVariant at(int column, int role) const { return model_.index(row_, column).data(role); }
    const QAbstractItemModel& model_;
    int row_;
};

} // namespace

QString naturalKey(const QString& text) {
    // Digit runs become: a digit (ASCII digits sort alike against every other character), the
    // count of significant digits, the digits; other characters case-folded. Texts alike but
    // for case or leading zeros are then told apart by the text itself, as naturalCompare does.
    QString key;
    key.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size();) {
        if (!text.at(i).isDigit()) {
            key += text.at(i).toCaseFolded();
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        qsizetype start = i;
        while (start + 1 < end && text.at(start) == u'0')
            ++start;
        key += QLatin1Char('0');
        key += QChar(char16_t(std::min<qsizetype>(end - start, 0xFFFF)));
        key += QStringView(text).sliced(start, end - start);
        i = end;
    }
    key += QChar(u'\0');
    key += text;
    return key;
}

CircuitTableOrder::CircuitTableOrder(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(CircuitTableModel::SortRole);
}

void CircuitTableOrder::setSourceModel(QAbstractItemModel* model) {
    // Connected before the proxy's own handlers: the rows it places again after a change are
    // compared with their new keys.
    if (model) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to) {
                    forgetKeys(from.row(), to.row());
                });
        const auto forget = [this] { forgetKeys(); };
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, forget);
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, forget);
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, forget);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget);
    }
    forgetKeys();
    QSortFilterProxyModel::setSourceModel(model);
}

void CircuitTableOrder::forgetKeys(int first, int last) const {
    if (first < 0) {
        keys_.clear();
        return;
    }
    for (int r = first; r <= last && r < int(keys_.size()); ++r)
        keys_[size_t(r)].made = false;
}

const CircuitTableOrder::Key& CircuitTableOrder::keyOf(int sourceRow) const {
    if (keyColumn_ != sortColumn()) {
        keys_.clear();
        keyColumn_ = sortColumn();
    }
    const int rows = sourceModel()->rowCount();
    if (int(keys_.size()) != rows)
        keys_.assign(size_t(rows), Key{});
    Key& k = keys_[size_t(sourceRow)];
    if (!k.made) {
        const QAbstractItemModel& m = *sourceModel();
        k.column =
            naturalKey(m.index(sourceRow, std::max(keyColumn_, 0)).data(sortRole()).toString());
        k.file = naturalKey(m.index(sourceRow, CircuitTableModel::File).data().toString());
        k.made = true;
    }
    return k;
}

bool CircuitTableOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    keyOf(left.row()); // both made before either is read: making one may renew the list
    const Key& b = keyOf(right.row());
    const Key& a = keys_[size_t(left.row())];
    // Rows alike in the column keep the order of their file names.
    const int c = a.column.compare(b.column);
    return c != 0 ? c < 0 : a.file < b.file;
}

CircuitTableFilter::CircuitTableFilter(QObject* parent)
    : QSortFilterProxyModel(parent), order_(new CircuitTableOrder(this)) {}

void CircuitTableFilter::setSourceModel(QAbstractItemModel* model) {
    order_->setSourceModel(model);
    QSortFilterProxyModel::setSourceModel(order_);
}

void CircuitTableFilter::sort(int column, Qt::SortOrder order) {
    order_->sort(column, order);
}

void CircuitTableFilter::setQuery(const circuitquery::Query& query) {
    if (query.terms == query_.terms) {
        query_ = query; // what it says of malformed terms may differ
        return;
    }
    query_ = query;
    // Filtered anew as a whole: rows removed or brought back one stretch at a time cost the
    // proxy and the view a signal each, tens of thousands for one keystroke.
    invalidate();
}

bool CircuitTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (query_.isEmpty() || sourceParent.isValid())
        return true;
    // The terms read the model's row itself, not through the order once per part.
    const QModelIndex row = order_->mapToSource(order_->index(sourceRow, 0));
    if (const auto* model = qobject_cast<const CircuitTableModel*>(order_->sourceModel()))
        return model->matches(query_, row.row());
    return circuitquery::matches(query_, SourceRow(*order_->sourceModel(), row.row()));
}

} // namespace pistaro
