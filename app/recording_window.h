#pragma once
// Record Status: shown while the lap timer's log is read, listing every time that beat the
// stored one.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

class Recording final : public QWidget {
    Q_OBJECT
public:
    explicit Recording(QWidget* parent = nullptr);

    // Starts a reading: empty list, Ok disabled, "Please wait...", shown and painted.
    void begin();
    // The lap time being examined.
    void setTime(const QString& time);
    // Two result lines for one record; the last line is selected so it scrolls into view.
    void addRecord(const QString& track, const QString& time, const QString& mode);
    // Ends the reading. With nothing recorded the window closes and false is returned;
    // otherwise Ok is enabled and focused and true is returned (the user closes it).
    bool finish();

    QStringList lines() const;

signals:
    // Ok was clicked and the window closed.
    void closedByOk();

private:
    QPushButton* ok_;
    QListWidget* list1_;
    QLabel* labelTime_;
    QLabel* label_;
};
