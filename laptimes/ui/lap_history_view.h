#pragma once
// The history of one track in the Lap Time Table: the records as a list (date, session, time,
// previous best, improvement) and the chart "LapHistoryChart" of the best time of each
// session kind over time.
#include "laptimes/lap_history.h"

#include <QGroupBox>

class QChartView;
class QTableWidget;

namespace pistaro {

class LapHistoryView final : public QGroupBox {
    Q_OBJECT
public:
    explicit LapHistoryView(QWidget* parent);

    QTableWidget* HistoryList;
    QChartView* LapHistoryChart;

    // Shows the records of `track` (in the order filed); an empty name shows none and asks
    // for a track.
    void showTrack(const QString& track, const QList<HistoryRecord>& records);
    // The width that shows the list's columns whole.
    int fittingWidth() const;
};

} // namespace pistaro
