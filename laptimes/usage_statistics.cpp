#include "laptimes/usage_statistics.h"

#include "storage/engine.h"

namespace {

const QString kExecution = QStringLiteral("Execution");
const QString kTimeRunning = QStringLiteral("Time Running Gp2");
const QString kFirstUse = QStringLiteral("First Use");
const QString kLastUse = QStringLiteral("Last Use");

template <class F> void editRow(Recordset& params, F&& fill) {
    params.edit();
    try {
        fill();
        params.update();
    } catch (...) {
        params.cancelUpdate();
        throw;
    }
}

} // namespace

UsageStatistics readUsage(const Recordset& params) {
    return {params.text(kExecution), params.text(kFirstUse), params.text(kLastUse),
            params.number(kTimeRunning)};
}

qint64 countLaunch(Recordset& params) {
    const qint64 count = params.number(kExecution) + 1;
    editRow(params, [&] { params.setValue(kExecution, count); });
    return count;
}

void addPlayingTime(Recordset& params, qint64 seconds, const QString& now) {
    const qint64 total = params.number(kTimeRunning) + seconds;
    const bool first = params.text(kFirstUse).isEmpty();
    editRow(params, [&] {
        params.setValue(kTimeRunning, total);
        if (first)
            params.setValue(kFirstUse, now);
        params.setValue(kLastUse, now);
    });
}
