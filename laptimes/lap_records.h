#pragma once
// The rules of the lap time records, beside the store that files them: the session kinds, the
// best times a track keeps, which lap time text is one, and which time beats which.
#include <QString>

enum class TimeField { None, Race, Practice, WarmUp, Qualifying };

// The catalogue field of a kind: "Race Time", "Practice Time", "Warm Up Time",
// "Qualifying Time"; "" for None.
QString timeFieldName(TimeField field);

// The four session kinds in the order the catalogue lists their fields.
inline constexpr TimeField kSessionKinds[] = {TimeField::WarmUp, TimeField::Practice,
                                              TimeField::Qualifying, TimeField::Race};

struct StoredTimes {
    QString warmUp;
    QString qualifying;
    QString race;
    QString practice;
};

// The stored time of a kind (None gives the qualifying time).
QString& fieldOf(StoredTimes& times, TimeField field);
const QString& fieldOf(const StoredTimes& times, TimeField field);

// A lap time as the log writes it and the catalogue keeps it: m:ss.mmm, one digit of minutes,
// seconds 00 to 59. "-:--.---" (a lap without a time), a time cut short and a time out of range
// ("0:99.999") are none.
bool isLapTimeText(const QString& text);

struct RecordDecision {
    TimeField field = TimeField::None; // the field to write the new time into; None: no record
};

// Which field a lap time of the given session goes into, if it is a new best there. Race and
// practice need the exact session texts; a warm up that does not beat the stored warm up time
// is tried against the qualifying time when the session text also says "qualifying".
RecordDecision decideRecord(const QString& mode, const QString& time, const StoredTimes& stored);

// Times of the form m:ss.mmm compare as text in character order (1:02.345 beats 1:10.000). An
// empty stored time always loses; an empty new time never wins.
bool isBetter(const QString& newTime, const QString& stored);
