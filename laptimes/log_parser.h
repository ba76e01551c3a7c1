#pragma once
// Reading the lap timer's log: the lines that name the slot being driven, the country, the
// session and the lap times. The circuit lookup and what becomes of a lap time are the
// caller's, passed in as callbacks; the parser's running state is its own.
#include "laptimes/lap_records.h"

#include <QString>
#include <QStringList>

#include <functional>

// One lap time read from the log: the track it was driven on (its catalogue name, see
// logTrackName), the country and session lines that came before it, and the time.
struct LoggedLap {
    QString track;
    QString country;
    QString mode;
    QString time;
};

class LogParser final {
public:
    // trackOfSlot: the track name of the game's slot file of that number (1..99), as the info
    // panel shows it. lapRead: a lap time of a known track. timeRefused: a line whose time is
    // no lap time (out of range, not m:ss.mmm); a lap without a time ("-:--.---") is neither.
    LogParser(std::function<QString(int slot)> trackOfSlot,
              std::function<void(const LoggedLap&)> lapRead,
              std::function<void(const QString& line)> timeRefused = {});

    // One line of the log, as read: it is trimmed and then tested.
    void feedLine(const QString& rawLine);
    // Text read up to a line feed. A carriage return in it ends a line as well, so a log
    // written with carriage returns alone is read line by line too.
    void feedRead(const QString& read);
    // The log's bytes (Windows-1252) from `from` up to `to`, line by line.
    void feedBytes(const QByteArray& bytes, qsizetype from, qsizetype to);

private:
    std::function<QString(int)> trackOfSlot_;
    std::function<void(const LoggedLap&)> lapRead_;
    std::function<void(const QString&)> timeRefused_;
    // Kept from line to line; all "" at the start. A slot line does not reset the others.
    QString track_;
    QString country_;
    QString mode_;
};

// The track name the catalogue uses for a name from the log: trimmed, and "Monaco" becomes
// "Monte-Carlo".
QString logTrackName(const QString& track);

// The two lines the record window shows for a new best; with the best it beat, the second
// says by how much ("     1:23.999, 0.501 faster than 1:24.500, <session>").
QStringList recordResultLines(const QString& track, const QString& time, const QString& mode,
                              const QString& previousBest = {});
