#pragma once
// Lap times as the catalogue keeps them: the text m:ss.mmm (one digit of minutes), built from
// the six digits of a lap time field.
#include <QString>

#include <optional>

// "" stays "". Otherwise the digits are read as a number with at least six digits (leading
// zeros added: 5 becomes 000005) and shown as d:dd.ddd, without carrying seconds into minutes
// (90000 gives 0:90.000). Surrounding blanks are ignored. A text that holds anything other
// than the digits 0-9, or a number of more than six significant digits, is not a lap time
// and gives "" rather than a text that would sort wrongly among the stored times.
QString FormatLapTime(const QString& digits);

// Leaving a lap time field: a value that is not empty is prefixed with "0" until it has six
// characters (12345 becomes 012345). Longer values are returned unchanged.
QString padLapDigits(const QString& digits);

// The milliseconds of a lap time text d:dd.ddd as FormatLapTime and the lap timer write it
// (seconds above 59 count as they stand: 0:90.000 is 90 seconds); nothing for any other text.
std::optional<int> lapTimeMilliseconds(const QString& text);

// How much faster `time` is than `previousBest`, in seconds with milliseconds: "-0.512" (a
// slower time: "+0.512"); "" when either is no lap time.
QString improvementText(const QString& time, const QString& previousBest);

// "1:23.999, 0.501 faster than 1:24.500"; just the time when there was no best before it.
QString recordWithImprovement(const QString& time, const QString& previousBest);
