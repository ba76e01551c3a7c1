#pragma once
// The history of a lap time database: rows of the records the log import filed (track, session
// kind, time, the best it beat, when), kept so progress over a season can be seen, and the
// games they make.
#include "laptimes/lap_records.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Recordset;

struct HistoryRecord {
    QString track;
    TimeField session = TimeField::None;
    QString time;
    QString previousBest; // "" for the first time of its kind on the track
    QDateTime date;
};

// The session kind as History keeps and the Lap Time Table shows it: "Warm up", "Practice",
// "Qualifying", "Race"; "" for None. sessionOfName reads it back (None for another text).
QString sessionName(TimeField session);
// The session's name as the history shows it, in the program's language.
QString shownSessionName(TimeField session);
TimeField sessionOfName(const QString& name);

// Adds the row of `record` to the History recordset; database failures are thrown with no
// addition left pending.
void appendHistory(Recordset& history, const HistoryRecord& record);

// Every row of the History recordset, in the order filed.
QList<HistoryRecord> readHistory(const Recordset& history);
// The records of `track` among `records` (names compared by catalogue::nameKey), in their order.
QList<HistoryRecord> historyOf(const QList<HistoryRecord>& records, const QString& track);
// One entry per track, session kind and game among `records`, in the order each game's first
// row was filed. The rows of one game share the track's name key, the session and the date (the
// time of the import): an import of older versions filed a row for each faster lap of a game.
// An entry has its game's best time, the best it beat before the game (its first row's previous
// best) and its date, so its improvement is the game's. Rows without a date stand alone.
QList<HistoryRecord> gamesOf(const QList<HistoryRecord>& records);
