#pragma once
// The file facts line of the track info panel: when the circuit file was last changed and
// how long it is.
#include <QString>

// A byte count with thousands grouped by the system's separator and at least one digit
// ("###,##0"): 41250 gives "41,250" in an English locale, 0 gives "0".
QString groupedLength(qint64 bytes);

// "<last-modified date and time> - <length>": the system's short date and its time format
// with seconds.
// "" when the file does not exist.
QString fileFactsText(const QString& path);
