// Times the circuit browser's column read (CircuitTableModel, worker thread and all) on a
// folder of N circuits: a clean read for reference, then a read of the same names after half
// of the files were removed, as when another program deletes circuits under the browser. Prints
// the second time against the first, both measured in this run (goal: at most 2).
// Then times the filter, sorted by laps, typed one key at a time over the rows read: query
// terms against plain words, the reference (goal: every keystroke under 50 ms), and 10,000
// terms pasted (goal: the same).
// Usage: bench_browser [circuits]
#include "platform/folder_listing.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tools/bench/column_read.h"
#include "trackfile/circuit_query.h"
#include "trackfile/ui/circuit_table_filter.h"
#include "trackfile/ui/circuit_table_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
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

struct Keystrokes {
    double meanMs = 0;
    double maxMs = 0;
};

// Types `text` into the filter one key at a time, as the filter field hands it on: each
// keystroke reads the query and filters every row again. The first `pasted` characters come
// in one keystroke, as a paste does.
Keystrokes typeFilter(CircuitTableFilter& filter, const QString& text, qsizetype pasted = 1) {
    Keystrokes out;
    QElapsedTimer clock;
    const qsizetype keys = text.size() - pasted + 1;
    for (qsizetype i = pasted; i <= text.size(); ++i) {
        clock.start();
        filter.setQuery(circuitquery::parse(text.left(i)));
        filter.rowCount();
        const double ms = clock.nsecsElapsed() / 1e6;
        out.meanMs += ms / double(keys);
        out.maxMs = std::max(out.maxMs, ms);
    }
    filter.setQuery({});
    return out;
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
    bench::columnReadSeconds(model, dir.path(), names); // the files into the page cache
    const double clean = bench::columnReadSeconds(model, dir.path(), names);

    CircuitTableFilter filter;
    filter.setSourceModel(&model);
    filter.sort(CircuitTableModel::Laps);
    const Keystrokes words = typeFilter(filter, QStringLiteral("track 5 country"));
    const Keystrokes terms =
        typeFilter(filter, QStringLiteral("country:country & laps>12 length<=4500 -\"track 5\""));
    std::printf("%d rows, a keystroke of the filter: plain words %.2f ms (at most %.2f); "
                "query terms %.2f ms (at most %.2f)\n",
                model.rowCount(), words.meanMs, words.maxMs, terms.meanMs, terms.maxMs);
    std::printf("query terms against plain words: %.2f; slowest keystroke %.2f ms (goal: under "
                "50 ms)\n",
                terms.meanMs / words.meanMs, terms.maxMs);
    // 10,000 terms pasted, each to be tried on every row (words no row holds, left out), then
    // a few keys typed after them.
    QString pasted;
    for (int i = 0; i < 10000; ++i)
        pasted += QStringLiteral("-nowhere%1 ").arg(i);
    const QString typed = QStringLiteral("track");
    const Keystrokes many = typeFilter(filter, pasted + typed, pasted.size());
    std::printf("%d rows, 10,000 terms pasted, then keys typed: %.2f ms a keystroke (at most "
                "%.2f; goal: under 50 ms)\n",
                model.rowCount(), many.meanMs, many.maxMs);
    for (int i = 0; i < names.size(); i += 2)
        if (!QFile::remove(QDir(dir.path()).filePath(names.at(i))))
            return 1;
    const double gone = bench::columnReadSeconds(model, dir.path(), names);
    std::printf("%d circuits: clean read %.3f s; half of them gone %.3f s\n", n, clean, gone);
    std::printf("half gone against clean: %.2f (goal: at most 2)\n", gone / clean);
    return 0;
}
