#include "laptimes/ui/lap_history_view.h"

#include "trackfile/lap_time.h"
#include "ui/item_text.h"
#include "ui/named.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace pistaro {

namespace {

const char* const kColumns[] = {QT_TRANSLATE_NOOP("LapHistoryView", "Date"),
                                QT_TRANSLATE_NOOP("LapHistoryView", "Session"),
                                QT_TRANSLATE_NOOP("LapHistoryView", "Time"),
                                QT_TRANSLATE_NOOP("LapHistoryView", "Previous Best"),
                                QT_TRANSLATE_NOOP("LapHistoryView", "Improvement")};

// Texts as wide as the widest a column holds, so the list keeps its width from track to track.
const QStringList kWidest{QStringLiteral("0000-00-00 00:00"), QStringLiteral("Qualifying"),
                          QStringLiteral("0:00.000"), QStringLiteral("0:00.000"),
                          QStringLiteral("-00.000")};

// At most this many steps between the labels of an axis: each label keeps room to be read.
constexpr qint64 kMostTimeSteps = 4;
constexpr qint64 kMostLapSteps = 5;

constexpr qint64 kMinute = 60 * 1000, kHour = 60 * kMinute, kDay = 24 * kHour;

// An axis from `first` to `last` in round steps: the value below `first` and the one above
// `last` that are multiples of `step` (counted from `origin`), with a step of room beside a
// value that is one itself. Of `steps` (ascending), the first that needs at most `most`.
struct AxisPlan {
    qint64 start = 0, step = 1, count = 1; // count: the steps from start to the end
    qint64 end() const { return start + count * step; }
};
AxisPlan planAxis(qint64 first, qint64 last, qint64 origin, std::initializer_list<qint64> steps,
                  qint64 most) {
    AxisPlan plan;
    for (const qint64 step : steps) {
        const auto below = [&](qint64 v) {
            const qint64 d = v - origin;
            return origin + (d >= 0 ? d / step : -((-d + step - 1) / step)) * step;
        };
        qint64 start = below(first);
        if (start == first)
            start -= step;
        qint64 end = below(last) + step;
        plan = {start, step, (end - start) / step};
        if (plan.count <= most)
            break;
    }
    return plan;
}

// Dates of games: minutes to years apart, in at most `most` steps. Steps of days are counted
// from local noon, so a change of summer time never moves a label onto the day before.
AxisPlan planDates(qint64 first, qint64 last, qint64 most) {
    const qint64 localMidnight =
        -qint64(QDateTime::fromMSecsSinceEpoch(first).offsetFromUtc()) * 1000;
    const AxisPlan minutes =
        planAxis(first, last, localMidnight,
                 {kMinute, 2 * kMinute, 5 * kMinute, 10 * kMinute, 15 * kMinute, 30 * kMinute,
                  kHour, 2 * kHour, 3 * kHour, 6 * kHour, 12 * kHour},
                 most);
    if (minutes.count <= most)
        return minutes;
    return planAxis(first, last, localMidnight + kDay / 2,
                    {kDay, 2 * kDay, 7 * kDay, 14 * kDay, 28 * kDay, 56 * kDay, 91 * kDay,
                     182 * kDay, 364 * kDay, 728 * kDay, 1820 * kDay, 3640 * kDay},
                    most);
}

// A lap time of the axis as the program writes lap times: m:ss.mmm.
QString lapTimeLabel(qint64 ms) {
    return QStringLiteral("%1:%2.%3")
        .arg(ms / kMinute)
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

// Gives the time axis a label at each step, as days where the steps are days, else as times of
// day (the day as the axis title where all of them fall on one); as many steps as labels fit
// side by side in `width` pixels, at most kMostTimeSteps.
void planDateAxis(QDateTimeAxis& axis, qint64 first, qint64 last, qreal width) {
    const QFontMetrics metrics(axis.labelsFont());
    for (qint64 most = kMostTimeSteps;; --most) {
        const AxisPlan plan = planDates(first, last, most);
        const QDateTime start = QDateTime::fromMSecsSinceEpoch(plan.start);
        const QDateTime end = QDateTime::fromMSecsSinceEpoch(plan.end());
        QString format = QStringLiteral("yyyy-MM-dd"), title;
        if (plan.step < kDay && start.date() == end.date()) {
            format = QStringLiteral("hh:mm");
            title = start.toString(QStringLiteral("yyyy-MM-dd"));
        } else if (plan.step < kDay) {
            format = QStringLiteral("MM-dd hh:mm");
        }
        // Room between two labels: the width of a blank on either side.
        const int label = metrics.horizontalAdvance(start.toString(format) + QStringLiteral("  "));
        if (most > 1 && width / qreal(plan.count) < label)
            continue;
        if (axis.min() != start || axis.max() != end || axis.tickCount() != plan.count + 1 ||
            axis.format() != format) {
            axis.setFormat(format);
            axis.setTitleText(title);
            axis.setRange(start, end);
            axis.setTickCount(int(plan.count + 1));
        }
        return;
    }
}

// The lap time axis, in seconds, labelled m:ss.mmm at round steps of a tenth of a second or more.
QCategoryAxis* lapTimeAxis(qint64 fastest, qint64 slowest) {
    const AxisPlan plan = planAxis(fastest, slowest, 0,
                                   {100, 200, 500, 1000, 2000, 5000, 10000, 20000, 30000, kMinute,
                                    2 * kMinute, 5 * kMinute, 10 * kMinute},
                                   kMostLapSteps);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(plan.start / 1000.0);
    for (qint64 i = 0; i <= plan.count; ++i) {
        const qint64 at = plan.start + i * plan.step;
        axis->append(lapTimeLabel(at), at / 1000.0);
    }
    axis->setRange(plan.start / 1000.0, plan.end() / 1000.0);
    return axis;
}

// One line per session kind, a point per game: each is the best of its kind from its date on.
// The time of the first and the last game; nothing when no game has a date and a lap time.
std::optional<std::pair<qint64, qint64>> fillChart(QChart& chart,
                                                   const QList<HistoryRecord>& games) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    qint64 first = 0, last = 0, fastest = 0, slowest = 0;
    bool any = false;
    QList<QLineSeries*> lines;
    for (TimeField session : kSessionKinds) {
        auto* series = new QLineSeries;
        series->setName(shownSessionName(session));
        series->setPointsVisible(true);
        for (const HistoryRecord& r : games) {
            const auto ms = lapTimeMilliseconds(r.time);
            if (r.session != session || !ms || !r.date.isValid())
                continue;
            const qint64 at = r.date.toMSecsSinceEpoch();
            first = any ? std::min(first, at) : at;
            last = any ? std::max(last, at) : at;
            fastest = any ? std::min(fastest, qint64(*ms)) : *ms;
            slowest = any ? std::max(slowest, qint64(*ms)) : *ms;
            any = true;
            series->append(double(at), *ms / 1000.0);
        }
        if (series->count() == 0)
            delete series;
        else
            lines << series;
    }
    if (!any)
        return std::nullopt;
    auto* dates = new QDateTimeAxis;
    QCategoryAxis* times = lapTimeAxis(fastest, slowest);
    chart.addAxis(dates, Qt::AlignBottom);
    chart.addAxis(times, Qt::AlignLeft);
    for (QLineSeries* series : lines) {
        chart.addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(times);
    }
    return std::make_pair(first, last);
}

} // namespace

LapHistoryView::LapHistoryView(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("History"));
    HistoryList = named(new QTableWidget(0, int(std::size(kColumns)), this), "HistoryList");
    QStringList columns;
    for (const char* column : kColumns)
        columns << QCoreApplication::translate("LapHistoryView", column);
    HistoryList->setHorizontalHeaderLabels(columns);
    HistoryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryList->setWordWrap(false);
    HistoryList->verticalHeader()->hide();

    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    LapHistoryChart = named(new QChartView(chart, this), "LapHistoryChart");
    LapHistoryChart->setRenderHint(QPainter::Antialiasing);
    LapHistoryChart->setMinimumHeight(200);
    // The labels the time axis has room for follow the chart's width.
    connect(chart, &QChart::plotAreaChanged, this, &LapHistoryView::fitDateAxis,
            Qt::QueuedConnection);
    NoHistory = named(new QLabel(this), "NoHistory");
    NoHistory->setAlignment(Qt::AlignCenter);
    NoHistory->setWordWrap(true);
    plot_ = new QStackedWidget(this);
    plot_->addWidget(LapHistoryChart);
    plot_->addWidget(NoHistory);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HistoryList, 1);
    layout->addWidget(plot_, 1);
    showTrack(QString(), {});
}

void LapHistoryView::showTrack(const QString& track, const QList<HistoryRecord>& games) {
    setTitle(track.isEmpty() ? tr("History: select a track") : tr("History of %1").arg(track));
    HistoryList->setRowCount(0);
    // The newest game first.
    for (auto r = games.crbegin(); r != games.crend(); ++r) {
        const int row = HistoryList->rowCount();
        HistoryList->insertRow(row);
        const QStringList cells{r->date.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                                shownSessionName(r->session), r->time, r->previousBest,
                                improvementText(r->time, r->previousBest)};
        for (int c = 0; c < cells.size(); ++c)
            HistoryList->setItem(row, c, new QTableWidgetItem(cells.at(c)));
    }
    HistoryList->resizeColumnsToContents();
    const QFontMetrics metrics(HistoryList->font());
    // The padding an item view gives a text on either side, and the grid line.
    const int padding = itemTextPadding(*HistoryList) + 1;
    for (int c = 0; c < kWidest.size(); ++c)
        HistoryList->setColumnWidth(c,
                                    std::max(HistoryList->columnWidth(c),
                                             metrics.horizontalAdvance(kWidest.at(c)) + padding));
    dates_ = fillChart(*LapHistoryChart->chart(), games);
    if (dates_) {
        fitDateAxis();
        plot_->setCurrentWidget(LapHistoryChart);
    } else {
        NoHistory->setText(track.isEmpty() ? tr("Select a track to see its history.")
                                           : tr("No records of this track yet."));
        plot_->setCurrentWidget(NoHistory);
    }
}

void LapHistoryView::fitDateAxis() {
    QChart* chart = LapHistoryChart->chart();
    const QList<QAbstractAxis*> axes = chart->axes(Qt::Horizontal);
    auto* dates = axes.isEmpty() ? nullptr : qobject_cast<QDateTimeAxis*>(axes.first());
    if (dates && dates_)
        planDateAxis(*dates, dates_->first, dates_->second, chart->plotArea().width());
}

int LapHistoryView::fittingWidth() const {
    const int list = 2 * HistoryList->frameWidth() + HistoryList->horizontalHeader()->length() +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, HistoryList);
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    return list + margins.left() + margins.right();
}

} // namespace pistaro
