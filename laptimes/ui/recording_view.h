#pragma once
// The record window as the log import sees it; the window itself (recording_window.h) is
// made by the import on first use.
#include "laptimes/log_parser.h"

#include <QString>

namespace pistaro {

class RecordingView {
public:
    virtual ~RecordingView() = default;
    // Starts a reading: empty list, Ok disabled, "Please wait...", shown and painted.
    virtual void begin() = 0;
    // The lap time being examined.
    virtual void setTime(const QString& time) = 0;
    // Two result lines for one record of the session kind `kind` that beat `previousBest`; the
    // last line is selected so it scrolls into view. A record of a track (by its
    // catalogue::nameKey) and kind listed already replaces that one's lines: only the records that
    // stand are listed, each against the best before the reading.
    virtual void addRecord(const QString& track, const QString& time, const QString& mode,
                           TimeField kind, const QString& previousBest) = 0;
    // Ends the reading. With nothing recorded the window closes and false is returned;
    // otherwise it says the log was read, with the number of lap times read when `timesRead`
    // is given (not negative), and the records; Ok is enabled and focused and true is returned
    // (Ok closes it and brings the main window back). `note` follows the counts.
    virtual bool finish(int timesRead = -1, const QString& note = {}) = 0;
};

} // namespace pistaro
