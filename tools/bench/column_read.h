#pragma once
// What the browser benchmarks time: the circuit table model reading every row's columns.
#include "trackfile/ui/circuit_table_model.h"

#include <QElapsedTimer>
#include <QEventLoop>

namespace bench {

// Seconds from starting the read of `names` in `folder` to every row read.
inline double columnReadSeconds(pistaro::CircuitTableModel& model, const QString& folder,
                                const QStringList& names) {
    model.setFiles(folder, names);
    QEventLoop loop;
    QObject::connect(&model, &pistaro::CircuitTableModel::allColumnsRead, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    model.readColumns({});
    if (!model.columnsRead())
        loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace bench
