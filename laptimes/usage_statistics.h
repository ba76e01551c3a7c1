#pragma once
// The usage statistics in the settings row: launches, total seconds in the game, first and
// last use. The settings row must be the current row of `params`; database failures are
// thrown, with no edit left pending.
#include <QString>

class Recordset;

struct UsageStatistics {
    QString execution; // the launch count as stored ("" before the first launch)
    QString firstUse;
    QString lastUse;
    qint64 secondsRunning = 0;
};

UsageStatistics readUsage(const Recordset& params);

// "Execution" + 1; returns the new count.
qint64 countLaunch(Recordset& params);
// "Execution" - 1: a launch whose game did not end normally is no game played.
void uncountLaunch(Recordset& params);

// Adds `seconds` to "Time Running Gp2" and stamps `now` as "Last Use", and as "First Use" while
// that is empty.
void addPlayingTime(Recordset& params, qint64 seconds, const QString& now);
