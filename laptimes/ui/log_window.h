#pragma once
// The Log window: how often and how long the game was played, from the settings row.
#include <QDialog>

class QLabel;

namespace pistaro {

class LogWindow final : public QDialog {
    Q_OBJECT
public:
    explicit LogWindow(QWidget* parent = nullptr);

    // Fills the value labels from the settings' texts and the total seconds in the game.
    void showStatistics(const QString& execution, const QString& firstUse, const QString& lastUse,
                        qint64 secondsRunning);

private:
    QLabel* times_;
    QLabel* firstUse_;
    QLabel* lastUse_;
    QLabel* totalUse_;
};

} // namespace pistaro
