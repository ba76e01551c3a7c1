#pragma once
// The circuit browser's order and filter: a header click sorts a column in natural order
// (numbers by value), and the typed words narrow the rows to those that show every word.
#include <QSortFilterProxyModel>
#include <QStringList>

namespace pistaro {

class CircuitTableFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CircuitTableFilter(QObject* parent = nullptr);

    // The filter as typed; blank shows every row.
    void setWords(const QString& typed);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QStringList words_;
};

} // namespace pistaro
