#include "storage/row_cursor.h"

#include "storage/engine_sqlite.h"

namespace engine_detail {

void RowCursor::positionAt(int p) {
    pos_ = p;
    bof_ = order_.rows.isEmpty();
    eof_ = p >= order_.rows.size();
    current_ = eof_ ? std::nullopt : std::optional<qint64>(order_.rows.at(p));
    deleted_ = false;
}

void RowCursor::moveFirst(RowOrder order) {
    order_ = std::move(order);
    positionAt(0);
}

void RowCursor::moveNext(RowOrder now) {
    if (!current_)
        fail(dberr::NoCurrentRecord, QStringLiteral("No current record."));
    const QList<qint64> before = order_.rows;
    const bool hinted = pos_ >= 0 && pos_ < before.size() && before.at(pos_) == *current_;
    const int was = hinted ? pos_ : int(before.indexOf(*current_));
    order_ = std::move(now);
    const QList<qint64>& rows = order_.rows;
    const int at = deleted_ ? -1 : int(rows.indexOf(*current_));
    if (at >= 0) {
        positionAt(at + 1);
        return;
    }
    for (int i = was + 1; i > 0 && i < before.size(); ++i) {
        const int next = int(rows.indexOf(before.at(i)));
        if (next >= 0) {
            positionAt(next);
            return;
        }
    }
    positionAt(int(rows.size()));
}

void RowCursor::seekFound(std::optional<qint64> row) {
    noMatch_ = !row;
    current_ = row;
    deleted_ = false;
    eof_ = !row;
    bof_ = !row;
}

qint64 RowCursor::currentRow() const {
    if (!current_ || deleted_)
        fail(dberr::NoCurrentRecord, QStringLiteral("No current record."));
    return *current_;
}

} // namespace engine_detail
