// Times the circuit browser's column read (CircuitTableModel, worker thread and all) on a
// folder of N circuits: a clean read for reference, then a read of the same names after half
// of the files were removed, as when another program deletes circuits under the browser. Prints
// the second time against the first, both measured in this run (goal: at most 2).
// Then times the filter, sorted by laps, typed one key at a time over the rows read: query
// terms against plain words, the reference (goal: every keystroke under 50 ms), and 10,000
// terms pasted (goal: the same).
// Then grows a collection of T distinct circuits with five tags each, three saved packs among
// them: the first fill with the tags read against one without (goal: at most 0.1 s more), and a
// filter keystroke, sorted by laps, with plain words, tag: and pack: terms (goal: under 50 ms).
// Usage: bench_browser [circuits] [tagged circuits, 50000]
#include "packs/pack_usage.h"
#include "packs/slot_entry.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tools/bench/column_read.h"
#include "trackfile/circuit_query.h"
#include "trackfile/tag_store.h"
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

// Seconds to read every row with the health check (and its cache) of `cacheFile`.
double healthFillSeconds(CircuitTableModel& model, const QString& folder, const QStringList& names,
                         const QString& cacheFile) {
    model.setHealthCheck(folder, cacheFile);
    return bench::columnReadSeconds(model, folder, names);
}

// T distinct circuits, five tags each, three packs of 16 of them: the fill and the filter.
bool taggedCollection(int n) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString folder = dir.filePath(QStringLiteral("Circuits"));
    QDir().mkpath(folder);
    for (int i = 0; i < n; ++i) {
        const QByteArray body =
            samplegame::circuit(6000 + i % 5000,
                                samplegame::addonFields(QStringLiteral("Track %1").arg(i),
                                                        QStringLiteral("Country"), 10 + i % 60),
                                {}, i);
        QFile f(QDir(folder).filePath(QStringLiteral("c%1.dat").arg(i, 6, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(body) != body.size())
            return false;
    }
    const QStringList names = folderlisting::matchingFiles(folder, gamepath::circuitFiles());
    const QStringList packs{QStringLiteral("Season 98"), QStringLiteral("Season 99"),
                            QStringLiteral("Fantasy")};
    for (int p = 0; p < packs.size(); ++p)
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString pack = QDir(folder).filePath(packs.at(p));
            QDir().mkpath(pack);
            if (!QFile::copy(QDir(folder).filePath(names.at((p * 977 + slot * 131) % n)),
                             QDir(pack).filePath(slotFileName(slot))))
                return false;
        }
    const QString cacheFile = dir.filePath(QStringLiteral("circuits.cache"));
    const QString tagsFile = dir.filePath(QStringLiteral("tags.db"));

    CircuitTableModel model;
    model.setPackNames(packs);
    const double cold = healthFillSeconds(model, folder, names, cacheFile);
    // The best of three: the machine's other work is not the table's.
    double bare = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double fill = healthFillSeconds(model, folder, names, cacheFile);
        bare = std::min(bare, fill);
    }

    // Five tags on every circuit.
    QString note;
    std::unique_ptr<tagstore::TagStore> store = tagstore::TagStore::open(tagsFile, &note);
    if (!store)
        return false;
    QHash<QString, QList<tagstore::Circuit>> byTags;
    for (int i = 0; i < names.size(); ++i) {
        tagstore::Circuit c;
        if (!packusage::contentOf(QDir(folder).filePath(names.at(i)), &c.hash, &c.dataSize))
            return false;
        byTags[QStringLiteral("era %1|season %2|group %3|set %4")
                   .arg(i % 10)
                   .arg(i % 20)
                   .arg(i % 50)
                   .arg(i % 7)]
            << c;
    }
    for (auto it = byTags.cbegin(); it != byTags.cend(); ++it)
        if (!store->change(*it, it.key().split(QLatin1Char('|')) << QStringLiteral("fantasy"), {})
                 .isEmpty())
            return false;
    store.reset();

    // The first fill after tagging hashes the circuits the cache holds no hash of; the next
    // start finds them there, as every start after the first does.
    // The store alone, opened and read as at start-up.
    double storeAlone = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        const std::unique_ptr<tagstore::TagStore> opened =
            tagstore::TagStore::open(tagsFile, &note);
        if (!opened || opened->read().tags.size() != n)
            return false;
        storeAlone = std::min(storeAlone, clock.nsecsElapsed() / 1e9);
    }
    std::printf("the tag store of %d circuits, five tags each: opened and read in %.3f s\n", n,
                storeAlone);
    const auto taggedFill = [&](double* readSeconds) {
        model.setFiles(folder, {}); // as at start-up: the tags are read before the folder
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<tagstore::TagStore> opened = tagstore::TagStore::open(tagsFile, &note);
        model.setTags(opened->read());
        *readSeconds = clock.nsecsElapsed() / 1e9;
        const double fill = healthFillSeconds(model, folder, names, cacheFile);
        return *readSeconds + fill;
    };
    double storeRead = 0;
    const double firstTagged = taggedFill(&storeRead);
    double tagged = 1e9, read = 0;
    for (int i = 0; i < 3; ++i)
        if (const double t = taggedFill(&read); t < tagged) {
            tagged = t;
            storeRead = read;
        }
    std::printf("%d circuits, five tags each, 3 packs: first fill %.3f s without tags (health "
                "cache empty: %.3f s); with the tags %.3f s (tag store opened and read %.3f s); "
                "the first after tagging, hashing, %.3f s (best of three each)\n",
                n, bare, cold, tagged, storeRead, firstTagged);
    std::printf("the tags add %.3f s to the first fill (goal: at most 0.1 s)\n", tagged - bare);

    CircuitTableFilter filter;
    filter.setSourceModel(&model);
    filter.sort(CircuitTableModel::Laps);
    filter.rowCount();
    const Keystrokes words = typeFilter(filter, QStringLiteral("track 5 country"));
    const Keystrokes tags = typeFilter(filter, QStringLiteral("tag:\"season 12\" -tag:\"era 2\""));
    const Keystrokes inPack = typeFilter(filter, QStringLiteral("pack:\"season 98\""));
    const Keystrokes noPack = typeFilter(filter, QStringLiteral("nopack tag:fantasy"));
    std::printf("%d rows, a keystroke sorted by laps: plain words %.2f ms (at most %.2f); tag: "
                "%.2f ms (at most %.2f); pack: %.2f ms (at most %.2f); nopack %.2f ms (at most "
                "%.2f); goal: under 50 ms\n",
                model.rowCount(), words.meanMs, words.maxMs, tags.meanMs, tags.maxMs, inPack.meanMs,
                inPack.maxMs, noPack.meanMs, noPack.maxMs);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 6000;
    QTemporaryDir dir;
    if (n < 2 || !dir.isValid() || !writeCircuits(dir.path(), n))
        return 1;
    const QStringList names = folderlisting::matchingFiles(dir.path(), gamepath::circuitFiles());
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
    const int tagged = argc > 2 ? QByteArray(argv[2]).toInt() : 50000;
    if (tagged > 0 && !taggedCollection(tagged))
        return 1;
    return 0;
}
