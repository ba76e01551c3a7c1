#pragma once
// Files lap times from the log into the catalogue: the track's row is made when missing, and
// a time goes into the field of its session when it beats what is stored there.
#include "laptimes/log_parser.h"

#include <QHash>

class Recordset;

// One per import. It remembers the times it has read or written, since during an import
// nothing else writes them, so a lap that is no record costs no database access.
class BestTimeStore final {
public:
    explicit BestTimeStore(Recordset& tracks) : tracks_(tracks) {}

    // `state` holds the catalogue name of the track, its country, the session text and the
    // time. A missing row is added with the country and four empty times. Returns the field
    // written, None when the time was no record (or the row could not be made). Database
    // failures are thrown, with no edit left pending.
    TimeField file(const ParseState& state);

private:
    // The stored times of `track`, the row made when missing; false when it cannot be found.
    bool lookUp(const ParseState& state, StoredTimes& times);

    Recordset& tracks_;
    // By name as the catalogue's index compares it (ASCII letters without regard to case).
    QHash<QString, StoredTimes> known_;
};
