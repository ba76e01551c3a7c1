// Times the circuit browser's column read (CircuitTableModel, worker thread and all) on a
// folder of N circuits: a clean read for reference, then a read of the same names after half
// of the files were removed, as when another program deletes circuits under the browser. Prints
// the second time against the first, both measured in this run (goal: at most 2).
// Usage: bench_browser [circuits]
#include "platform/folder_listing.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "trackfile/ui/circuit_table_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace pistaro;

namespace {

// A few distinct circuits, each written under many names.
bool writeCircuits(const QString& folder, int n) {
    QList<QByteArray> bodies;
    for (int i = 0; i < 8; ++i)
        bodies << samplegame::circuit(30000 + i,
                                      samplegame::addonFields(QStringLiteral("Track %1").arg(i),
                                                              QStringLiteral("Country"), 10 + i),
                                      {}, i);
    for (int i = 0; i < n; ++i) {
        QFile f(QDir(folder).filePath(QStringLiteral("c%1.dat").arg(i, 6, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(bodies.at(i % 8)) != bodies.at(i % 8).size())
            return false;
    }
    return true;
}

// Seconds from starting the read of `names` to every row read.
double readSeconds(CircuitTableModel& model, const QString& folder, const QStringList& names) {
    model.setFiles(folder, names);
    QEventLoop loop;
    QObject::connect(&model, &CircuitTableModel::allColumnsRead, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    model.readColumns({});
    if (!model.columnsRead())
        loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 6000;
    QTemporaryDir dir;
    if (n < 2 || !dir.isValid() || !writeCircuits(dir.path(), n))
        return 1;
    const QStringList names = folderlisting::matchingFiles(dir.path(), QStringLiteral("*.dat"));
    CircuitTableModel model;
    readSeconds(model, dir.path(), names); // the files into the page cache
    const double clean = readSeconds(model, dir.path(), names);
    for (int i = 0; i < names.size(); i += 2)
        if (!QFile::remove(QDir(dir.path()).filePath(names.at(i))))
            return 1;
    const double gone = readSeconds(model, dir.path(), names);
    std::printf("%d circuits: clean read %.3f s; half of them gone %.3f s\n", n, clean, gone);
    std::printf("half gone against clean: %.2f (goal: at most 2)\n", gone / clean);
    return 0;
}
