#pragma once
// Import of the lap timer's log into the open lap time database.
#include <QObject>
#include <QString>

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
        bool logRead = false;    // the log was there and could be read
        bool nothingNew = false; // an earlier import read all of it
        int times = 0;           // lap times of known tracks and sessions read
        int records = 0;         // records filed (a track and session kind each)
        bool recorded = false;   // the Record Status window shows them
        int skipped = 0;         // lines whose time is no lap time
        QString firstSkipped;
        QString failure; // why the database kept nothing of the reading, which Import has said
        QString skippedNote() const; // what Record Status says of the lines skipped
        QString skippedText() const; // what a message says of them
    };
    // Reads the part of gp2lap.log no import read before into the lap time database, in one
    // transaction; then deletes or renames the log as Setup says. After a game, it asks
    // nothing unless the database refused the reading.
    Result Import();

    // The record window "Record Status" of the import (modeless, made on first use).
    RecordingView& recordingWindow();

private:
    void importBytes(const QByteArray& bytes, RecordingView& view, Result& result);
    void doneWithLog(const QString& path);
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    RecordingWindow* recording_ = nullptr;
};

} // namespace pistaro
