#pragma once
// The history of a lap time database: one row per record the log import filed (track, session
// kind, time, the best it beat, when), kept so progress over a season can be seen; and the
// texts that tell by how much a record beat the best before it.
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
TimeField sessionOfName(const QString& name);

// Adds the row of `record` to the History recordset; database failures are thrown with no
// addition left pending.
void appendHistory(Recordset& history, const HistoryRecord& record);

// Every row of the History recordset, in the order filed.
QList<HistoryRecord> readHistory(const Recordset& history);
// The records of `track` among `records` (ASCII letters without regard to case, as the
// catalogue's names compare), in their order.
QList<HistoryRecord> historyOf(const QList<HistoryRecord>& records, const QString& track);
