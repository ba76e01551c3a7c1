#pragma once
// The record window as the log import sees it; the window itself (recording_window.h) is
// made by the import on first use.
#include <QString>

namespace pistaro {

class RecordingView {
public:
    virtual ~RecordingView() = default;
    // Starts a reading: empty list, Ok disabled, "Please wait...", shown and painted.
    virtual void begin() = 0;
    // The lap time being examined.
    virtual void setTime(const QString& time) = 0;
    // Two result lines for one record; the last line is selected so it scrolls into view.
    virtual void addRecord(const QString& track, const QString& time, const QString& mode) = 0;
    // Ends the reading. With nothing recorded the window closes and false is returned;
    // otherwise Ok is enabled and focused and true is returned (Ok closes it and brings the
    // main window back).
    virtual bool finish() = 0;
};

} // namespace pistaro
