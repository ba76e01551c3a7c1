// Times the circuit browser's health check (CircuitTableModel's worker with the check on) on a
// folder of N circuits of 20 to 120 KB, each against a reference measured in this run:
//  - the first scan (empty cache, files in the page cache) against `cat` of the same files to
//    /dev/null (goal: at most 2), and its seconds (goal: under 3);
//  - a scan with the cache warm against the column read without the check: the seconds it adds
//    (goal: at most 0.3).
// Usage: bench_health [circuits]
#include "health/facts_cache.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tools/bench/column_read.h"
#include "trackfile/ui/circuit_table_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace pistaro;

namespace {

// Distinct circuits of realistic sizes, each naming a few textures; one in fifty a copy.
bool writeCircuits(const QString& gameDir, int n) {
    const QString folder = gameDir + QStringLiteral("/Circuits");
    if (!QDir().mkpath(folder) || !QDir().mkpath(gameDir + QStringLiteral("/gamejams")))
        return false;
    for (int j = 0; j < 8; ++j) {
        QFile jam(gameDir + QStringLiteral("/gamejams/t%1.jam").arg(j));
        if (!jam.open(QIODevice::WriteOnly) || jam.write("jam") != 3)
            return false;
    }
    for (int i = 0; i < n; ++i) {
        const int seed = i % 50 == 49 ? i - 1 : i;
        const qint64 length = 20000 + (qint64(seed) * 7919) % 100000;
        const QByteArray body = samplegame::circuit(
            length, samplegame::addonFields(QStringLiteral("Track %1").arg(i), "Country", 10),
            {QStringLiteral("gamejams\\t%1.jam").arg(seed % 8),
             QStringLiteral("gamejams\\t%1.jam").arg((seed + 3) % 8)},
            seed);
        QFile f(QDir(folder).filePath(QStringLiteral("c%1.dat").arg(i, 6, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(body) != body.size())
            return false;
    }
    return true;
}

double catSeconds(const QString& folder) {
    QProcess cat;
    cat.setWorkingDirectory(folder);
    QElapsedTimer clock;
    clock.start();
    cat.start(QStringLiteral("sh"),
              {QStringLiteral("-c"), QStringLiteral("cat -- *.dat >/dev/null")});
    cat.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    QTemporaryDir dir;
    const QString gameDir = dir.filePath(QStringLiteral("game"));
    if (n < 2 || !dir.isValid() || !writeCircuits(gameDir, n))
        return 1;
    const QString folder = gameDir + QStringLiteral("/Circuits");
    const QString cache = health::FactsCache::fileIn(dir.path());
    const QStringList names = folderlisting::matchingFiles(folder, gamepath::circuitFiles());
    CircuitTableModel model;
    catSeconds(folder); // the files into the page cache
    const double cat = catSeconds(folder);
    const double bare = bench::columnReadSeconds(model, folder, names);
    model.setHealthCheck(gameDir, cache);
    const double first = bench::columnReadSeconds(model, folder, names);
    const double warm = bench::columnReadSeconds(model, folder, names);
    std::printf("%d circuits: cat %.3f s; columns without the check %.3f s; first check %.3f s; "
                "with the cache warm %.3f s\n",
                n, cat, bare, first, warm);
    std::printf("first check against cat: %.2f (goal: at most 2); first check %.2f s (goal: "
                "under 3)\n",
                first / cat, first);
    std::printf("warm cache adds %.3f s to the column read (goal: at most 0.3), ratio %.2f\n",
                warm - bare, warm / bare);
    return 0;
}
