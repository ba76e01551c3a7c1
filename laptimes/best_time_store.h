#pragma once
// Files lap times from the log into the catalogue: the track's row is made when missing, and
// a time goes into the field of its session when it beats what is stored there, with a row of
// the History in the same transaction.
#include "laptimes/log_parser.h"

#include <QDateTime>
#include <QHash>

#include <memory>

class Database;
class Recordset;

// What filing one lap time did: the field it went into (None: no record) and the best it beat.
struct FiledTime {
    TimeField field = TimeField::None;
    QString previousBest;
};

// One per import. It remembers the times it has read or written, since during an import
// nothing else writes them, so a lap that is no record costs no database access.
class BestTimeStore final {
public:
    // `tracks` is a recordset of `db`'s Tracks; `date` is the import's, given to its History rows.
    BestTimeStore(Database& db, Recordset& tracks, QDateTime date);
    ~BestTimeStore();

    // `state` holds the catalogue name of the track, its country, the session text and the
    // time. A missing row is added with the country and four empty times. A record is written
    // into its field and into History together or not at all. Returns the field written, None
    // when the time was no record (or the row could not be made). Database failures are
    // thrown, with no edit left pending.
    FiledTime file(const ParseState& state);

private:
    // The stored times of `track`, the row made when missing; false when it cannot be found.
    bool lookUp(const ParseState& state, StoredTimes& times);

    Database& db_;
    Recordset& tracks_;
    std::unique_ptr<Recordset> history_; // opened at the first record
    QDateTime date_;
    // By name as the catalogue's index compares it (ASCII letters without regard to case).
    QHash<QString, StoredTimes> known_;
};
