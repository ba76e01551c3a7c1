#pragma once
// Import of the lap timer's log into the open lap time database.
#include <QObject>

class QPushButton;
class QWidget;

namespace pistaro {

class WindowServices;
class RecordingWindow;
class RecordingView;
class TrackInfoPanel;
class CircuitLists;

class LogImport final : public QObject {
    Q_OBJECT
public:
    LogImport(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
              QWidget* parent);
    QPushButton* GetGp2Lap; // "&Get Time from GP2LAP.LOG"
    // The button: Import, then, when the Record Status window has nothing to show, says why.
    void GetGp2Lap_Click();

    // What one reading of gp2lap.log found.
    struct Result {
        bool logRead = false;  // the log was there and could be opened
        int times = 0;         // lap times filed or refused
        bool recorded = false; // some beat a stored time: the Record Status window shows them
        bool refused = false;  // the database refused some, which Import has said
    };
    // Reads gp2lap.log into the lap time database (after a game, without asking anything
    // unless times were refused).
    Result Import();

    // The record window "Record Status" of the import (modeless, made on first use).
    RecordingView& recordingWindow();

private:
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    RecordingWindow* recording_ = nullptr;
};

} // namespace pistaro
