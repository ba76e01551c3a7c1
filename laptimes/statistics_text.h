#pragma once
// Texts of the usage statistics: the total time in the game and the date-time stamps.
#include <QDateTime>
#include <QString>

// h:mm:ss, hours without leading zeros (43509 -> "12:05:09"); a negative total keeps its sign.
QString formatTotalTime(qint64 seconds);

// "mm-dd-yyyy hh:mm:ss", 24-hour, the same whatever the regional settings.
QString dateTimeText(const QDateTime& when);
