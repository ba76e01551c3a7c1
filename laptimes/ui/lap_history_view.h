#pragma once
// The history of one track in the Lap Time Table: its games as a list (date, session, time,
// previous best, improvement) and the chart "LapHistoryChart" of the best time of each
// session kind over time, one point per game; a track without any says so in words instead.
#include "laptimes/lap_history.h"

#include <QGroupBox>

#include <optional>
#include <utility>

class QChartView;
class QLabel;
class QStackedWidget;
class QTableWidget;

namespace pistaro {

class LapHistoryView final : public QGroupBox {
    Q_OBJECT
public:
    explicit LapHistoryView(QWidget* parent);

    QTableWidget* HistoryList;
    QChartView* LapHistoryChart;
    QLabel* NoHistory; // shown instead of the chart where there is nothing to draw

    // Shows the games of `track` (gamesOf, in the order filed); an empty name shows none and
    // asks for a track.
    void showTrack(const QString& track, const QList<HistoryRecord>& games);
    // The width that shows the list's columns whole.
    int fittingWidth() const;

private:
    // Plans the time axis for the width the chart now has.
    void fitDateAxis();
    QStackedWidget* plot_;                           // the chart or the words that stand for it
    std::optional<std::pair<qint64, qint64>> dates_; // of the first and last game charted
};

} // namespace pistaro
