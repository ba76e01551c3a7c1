#pragma once
// Reading the lap timer's log: the lines that name the slot being driven, the country, the
// session and the lap times, and the rule that decides whether a lap time is a new best. The
// circuit lookup and the database work are the caller's, passed in as callbacks.
#include <QString>
#include <QStringList>

#include <functional>

// Kept from line to line for one import; all "" at its start.
struct ParseState {
    QString track;
    QString country;
    QString mode;
    QString time;
};

class LogParser final {
public:
    // trackOfSlot: the track name of the game's slot file of that number (1..99), as the info
    // panel shows it. recordTime: files the current time of the current track; it may change
    // the state (the track name is trimmed and renamed there).
    LogParser(std::function<QString(int slot)> trackOfSlot,
              std::function<void(ParseState&)> recordTime);

    // One line of the log, as read: it is trimmed and then tested.
    void feedLine(const QString& rawLine);
    // Text read up to a line feed. A carriage return in it ends a line as well, so a log
    // written with carriage returns alone is read line by line too.
    void feedRead(const QString& read);

    const ParseState& state() const { return state_; }

private:
    std::function<QString(int)> trackOfSlot_;
    std::function<void(ParseState&)> recordTime_;
    ParseState state_;
};

// A lap time as the log writes it: one digit, ':', two digits, '.', three digits. Only such a
// text is filed; "-:--.---" (a lap without a time) and a time cut short by the end of the line
// are not.
bool isLapTimeText(const QString& text);

enum class TimeField { None, Race, Practice, WarmUp, Qualifying };

// The catalogue field of a kind: "Race Time", "Practice Time", "Warm Up Time",
// "Qualifying Time"; "" for None.
QString timeFieldName(TimeField field);

struct StoredTimes {
    QString warmUp;
    QString qualifying;
    QString race;
    QString practice;
};

// The stored time of a kind (None gives the qualifying time).
QString& fieldOf(StoredTimes& times, TimeField field);

struct RecordDecision {
    TimeField field = TimeField::None; // the field to write the new time into; None: no record
};

// Which field a lap time of the given session goes into, if it is a new best there. Race and
// practice need the exact session texts; a warm up that does not beat the stored warm up time
// is tried against the qualifying time when the session text also says "qualifying".
RecordDecision decideRecord(const QString& mode, const QString& time, const StoredTimes& stored);

// Times compare as text in character order (1:02.345 beats 1:10.000). An empty stored time
// always loses; an empty new time never wins.
bool isBetter(const QString& newTime, const QString& stored);

// The track name the catalogue uses for a name from the log: trimmed, and "Monaco" becomes
// "Monte-Carlo".
QString logTrackName(const QString& track);

// The two lines the record window shows for a new best; with the best it beat, the second
// says by how much ("     1:23.999, 0.501 faster than 1:24.500, <session>").
QStringList recordResultLines(const ParseState& state, const QString& previousBest = {});
