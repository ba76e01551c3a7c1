#pragma once
// Where a table recordset stands: the rows in the current order, the current row among them,
// and what moving past a row that was deleted or reordered since leads to. The rows come from
// the recordset; the cursor holds no connection.
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace engine_detail {

// Tells whether a database changed: SQLite's count of this connection's changes and the data
// version, which moves on with another connection's commit.
struct DataStamp {
    qint64 changes = -1;
    qint64 version = -1;
    bool operator==(const DataStamp&) const = default;
};

// The row keys of a table in one order, as read at `stamp`.
struct RowOrder {
    DataStamp stamp;
    QList<qint64> rows;
};

// The row order of each index used so far, by its ORDER BY clause, kept while the database is
// unchanged: switching between two indexes (as looking up a circuit by size and then by name
// does) must not read the whole table each time.
using OrderCache = QHash<QString, RowOrder>;

class RowCursor final {
public:
    // Stands on the first row of `order` (at the end when it has none).
    void moveFirst(RowOrder order);
    // Moves past the current row in `now`, the order as it stands now. A current row that is
    // gone (deleted, by this recordset or another connection) is followed by the next row of
    // the old order that is still there. NoCurrentRecord when there is no current row.
    void moveNext(RowOrder now);
    // Stands on `row` as a seek found it, or on nothing (noMatch) when it found none.
    void seekFound(std::optional<qint64> row);
    // The current row was deleted: it stays the place to move on from, but cannot be read.
    void currentDeleted() { deleted_ = true; }

    const DataStamp& stamp() const { return order_.stamp; }
    const RowOrder& order() const { return order_; }
    // The current row's key; NoCurrentRecord when there is none or it was deleted.
    qint64 currentRow() const;
    bool hasCurrent() const { return current_.has_value(); }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool noMatch() const { return noMatch_; }

private:
    void positionAt(int p);

    RowOrder order_;
    int pos_ = -1; // where the current row stood in `order_`; only a hint after a seek
    std::optional<qint64> current_;
    bool deleted_ = false;
    bool eof_ = true;
    bool bof_ = true;
    bool noMatch_ = false;
};

} // namespace engine_detail
