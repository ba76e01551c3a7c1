#include "laptimes/ui/lap_history_view.h"

#include "trackfile/lap_time.h"
#include "ui/named.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLineSeries>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace pistaro {

namespace {

const QStringList kColumns{QStringLiteral("Date"), QStringLiteral("Session"),
                           QStringLiteral("Time"), QStringLiteral("Previous Best"),
                           QStringLiteral("Improvement")};

// Texts as wide as the widest a column holds, so the list keeps its width from track to track.
const QStringList kWidest{QStringLiteral("0000-00-00 00:00"), QStringLiteral("Qualifying"),
                          QStringLiteral("0:00.000"), QStringLiteral("0:00.000"),
                          QStringLiteral("-00.000")};

constexpr TimeField kSessions[] = {TimeField::WarmUp, TimeField::Practice, TimeField::Qualifying,
                                   TimeField::Race};

// One line per session kind: each record is the best of its kind from its date on.
void fillChart(QChart& chart, const QList<HistoryRecord>& records) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes())
        chart.removeAxis(axis);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setTickCount(3);
    auto* seconds = new QValueAxis;
    seconds->setLabelFormat(QStringLiteral("%.3f"));
    seconds->setTitleText(QStringLiteral("Seconds"));
    chart.addAxis(dates, Qt::AlignBottom);
    chart.addAxis(seconds, Qt::AlignLeft);
    qint64 first = 0, last = 0;
    double fastest = 0, slowest = 0;
    bool any = false;
    for (TimeField session : kSessions) {
        auto* series = new QLineSeries;
        series->setName(sessionName(session));
        series->setPointsVisible(true);
        for (const HistoryRecord& r : records) {
            const auto ms = lapTimeMilliseconds(r.time);
            if (r.session != session || !ms || !r.date.isValid())
                continue;
            const qint64 at = r.date.toMSecsSinceEpoch();
            const double s = *ms / 1000.0;
            first = any ? std::min(first, at) : at;
            last = any ? std::max(last, at) : at;
            fastest = any ? std::min(fastest, s) : s;
            slowest = any ? std::max(slowest, s) : s;
            any = true;
            series->append(double(at), s);
        }
        if (series->count() == 0) {
            delete series;
            continue;
        }
        chart.addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(seconds);
    }
    // A single date or time still gets a range to draw in: a day, a second.
    dates->setRange(QDateTime::fromMSecsSinceEpoch(first - 43200000),
                    QDateTime::fromMSecsSinceEpoch(last + 43200000));
    seconds->setRange(fastest - 0.5, slowest + 0.5);
    if (!any) {
        dates->setRange(QDateTime::currentDateTime().addDays(-1), QDateTime::currentDateTime());
        seconds->setRange(0, 1);
    }
    seconds->applyNiceNumbers();
}

} // namespace

LapHistoryView::LapHistoryView(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("History"));
    HistoryList = named(new QTableWidget(0, int(kColumns.size()), this), "HistoryList");
    HistoryList->setHorizontalHeaderLabels(kColumns);
    HistoryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryList->setWordWrap(false);
    HistoryList->verticalHeader()->hide();

    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    LapHistoryChart = named(new QChartView(chart, this), "LapHistoryChart");
    LapHistoryChart->setRenderHint(QPainter::Antialiasing);
    LapHistoryChart->setMinimumHeight(200);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HistoryList, 1);
    layout->addWidget(LapHistoryChart, 1);
    showTrack(QString(), {});
}

void LapHistoryView::showTrack(const QString& track, const QList<HistoryRecord>& records) {
    setTitle(track.isEmpty() ? QStringLiteral("History: select a track")
                             : QStringLiteral("History of ") + track);
    HistoryList->setRowCount(0);
    // The newest record first.
    for (auto r = records.crbegin(); r != records.crend(); ++r) {
        const int row = HistoryList->rowCount();
        HistoryList->insertRow(row);
        const QStringList cells{r->date.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                                sessionName(r->session), r->time, r->previousBest,
                                improvementText(r->time, r->previousBest)};
        for (int c = 0; c < cells.size(); ++c)
            HistoryList->setItem(row, c, new QTableWidgetItem(cells.at(c)));
    }
    HistoryList->resizeColumnsToContents();
    const QFontMetrics metrics(HistoryList->font());
    // The padding an item view gives a text on either side, and the grid line.
    const int padding =
        2 * (HistoryList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, HistoryList) +
             1) +
        1;
    for (int c = 0; c < kWidest.size(); ++c)
        HistoryList->setColumnWidth(c,
                                    std::max(HistoryList->columnWidth(c),
                                             metrics.horizontalAdvance(kWidest.at(c)) + padding));
    fillChart(*LapHistoryChart->chart(), records);
}

int LapHistoryView::fittingWidth() const {
    const int list = 2 * HistoryList->frameWidth() + HistoryList->horizontalHeader()->length() +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, HistoryList);
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    return list + margins.left() + margins.right();
}

} // namespace pistaro
