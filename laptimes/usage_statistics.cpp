#include "laptimes/usage_statistics.h"

#include "storage/catalogue_names.h"
#include "storage/engine.h"

namespace {

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
    return {params.text(catalogue::Execution), params.text(catalogue::FirstUse),
            params.text(catalogue::LastUse), params.number(catalogue::TimeRunningGp2)};
}

qint64 countLaunch(Recordset& params) {
    const qint64 count = params.number(catalogue::Execution) + 1;
    editRow(params, [&] { params.setValue(catalogue::Execution, count); });
    return count;
}

void uncountLaunch(Recordset& params) {
    const qint64 count = params.number(catalogue::Execution);
    if (count > 0)
        editRow(params, [&] { params.setValue(catalogue::Execution, count - 1); });
}

void addPlayingTime(Recordset& params, qint64 seconds, const QString& now) {
    const qint64 total = params.number(catalogue::TimeRunningGp2) + seconds;
    const bool first = params.text(catalogue::FirstUse).isEmpty();
    editRow(params, [&] {
        params.setValue(catalogue::TimeRunningGp2, total);
        if (first)
            params.setValue(catalogue::FirstUse, now);
        params.setValue(catalogue::LastUse, now);
    });
}
