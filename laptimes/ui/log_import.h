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
    void Import();

    // The record window "Record Status" of the import (modeless, made on first use).
    RecordingView& recordingWindow();

private:
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    RecordingWindow* recording_ = nullptr;
};

} // namespace pistaro
