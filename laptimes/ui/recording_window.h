#pragma once
// Record Status: shown while the lap timer's log is read, listing every time that beat the
// stored one and still stands at the end of the reading, with the best it beat. It is as wide
// as its longest line, within its screen.
#include "laptimes/ui/recording_view.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace pistaro {

class RecordingWindow final : public QWidget, public RecordingView {
    Q_OBJECT
public:
    explicit RecordingWindow(QWidget* parent = nullptr);

    // Starts a reading: empty list, Ok disabled, "Please wait...", shown and painted.
    void begin() override;
    // The lap time being examined; shown and painted at most every few hundredths of a second.
    void setTime(const QString& time) override;
    // Two result lines for one record (a record of the same track and kind replaces the lines
    // of the one it beat); the lines are selected so they scroll into view, and painted at
    // the same pace as the time.
    void addRecord(const QString& track, const QString& time, const QString& mode, TimeField kind,
                   const QString& previousBest) override;
    // Ends the reading. With nothing recorded the window closes and false is returned;
    // otherwise it says the log was read (with `timesRead`, when given, and the records), Ok
    // is enabled and focused and true is returned (the user closes it).
    bool finish(int timesRead = -1, const QString& note = {}) override;

    QStringList lines() const;

signals:
    // Ok was clicked (or the finished window closed) and the window closed.
    void closedByOk();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool repaintDue() const;
    // The window width that shows lines of widest_ pixels whole.
    int widthForLines() const;
    // Sets a line of the list, widening the window for a line longer than any before.
    void showLine(int row, const QString& text);
    // Widens the window to widthForLines, within its screen.
    void fitWidth();
    void pumpEvents(); // lets pending window events run, so the window paints
    QPushButton* ok_;
    QListWidget* list1_;
    QLabel* labelTime_;
    QLabel* label_;
    QLabel* label2_; // what the window is doing: reading the log, or done
    int widest_ = 0; // the width of the longest line the window was made for or given
    static constexpr qint64 kRepaintMs = 40;
    QElapsedTimer sinceRepaint_; // since the time label was last painted; invalid: never
    // The records listed, in list order (record i has the lines 2i and 2i + 1).
    struct Listed {
        QString key; // the track's catalogue::nameKey
        TimeField kind;
        QString previousBest; // the best before the reading
    };
    QList<Listed> listed_;
};

} // namespace pistaro
