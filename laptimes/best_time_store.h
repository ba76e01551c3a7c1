#pragma once
// Files the lap times of one import into the catalogue: a track's row is made when missing,
// each session's best of the import goes into its field when it beats what was stored, with
// one History row per track and session kind, and the part of the log read is noted: all in
// one transaction, so an import stands whole or not at all.
#include "laptimes/lap_records.h"
#include "laptimes/log_parser.h"
#include "storage/engine.h"

#include <QDateTime>
#include <QHash>
#include <QList>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

// What filing one lap time did: the field it went into (None: no record) and the best it beat
// before the import.
struct FiledTime {
    TimeField field = TimeField::None;
    QString previousBest;
};

// How much of the lap timer's log an import read: its first `length` bytes, identified by
// `hash` (see logMarkHash).
struct LogMark {
    qint64 length = 0;
    QString hash;
};

// The identity of the first bytes of a log that only grows: their count and a SHA-256 of
// their first and last 64 KiB, so a longer log that starts with them is known without reading
// all of it twice.
QString logMarkHash(const QByteArray& readPart);

// The mark of the last import filed in `db`; length 0 when there is none (or no table).
LogMark lastLogMark(Database& db);

class BestTimeStore final {
public:
    // `tracks` is a recordset of `db`'s Tracks; `date` is the import's, given to its History
    // rows. The import's transaction begins here.
    BestTimeStore(Database& db, Recordset& tracks, QDateTime date);
    ~BestTimeStore(); // rolls back what was not committed

    // Makes the row of a track from the facts of its circuit when it has none (as showing the
    // circuit does); `makeRow` is called only when the row is missing.
    void ensureRow(const QString& track, const std::function<void()>& makeRow);

    // A lap time of the log. A missing row is added with the country and four empty times.
    // Returns the field it is a record in (the best of its session in this import so far,
    // better than the best before it) and that best before; None when it is no record.
    // Database failures are thrown.
    FiledTime file(const LoggedLap& lap);

    // Writes the records of the import into Tracks and History and `mark` into Log Imports,
    // and commits. Failures are thrown; then nothing of the import is kept.
    void commit(const LogMark& mark, int lapTimes);

    int records() const { return int(order_.size()); }

private:
    struct Known {
        QString name;       // the row's own spelling, as History keeps it
        StoredTimes before; // the best times before the import
        StoredTimes now;    // with the records of the import
    };
    Known* lookUp(const LoggedLap& lap, const QString& key);

    Database& db_;
    Recordset& tracks_;
    QDateTime date_;
    std::optional<Database::Transaction> transaction_;
    // By catalogue::nameKey; nodes stay where they are, so the last one looked up is kept.
    std::unordered_map<QString, Known> known_;
    QString lastTrack_; // the spelling last filed, and its entry: laps come track by track
    Known* lastKnown_ = nullptr;
    // The records of the import in the order first made: (key, field).
    QList<std::pair<QString, TimeField>> order_;
};
