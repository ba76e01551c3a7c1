// Times the lap log import on a real main window (offscreen): a generated gp2lap.log of
// 200,000 and of 1,000,000 lines over all 16 slots, read into a catalogue of 5,000 tracks; for
// reference, the same lines parsed alone (no database), in the same run; the fastest of three
// runs of each is printed.
// Usage: bench_logimport [lines] [tracks]
#include "app/main_window.h"
#include "laptimes/log_parser.h"
#include "platform/gamepath.h"
#include "platform/progress.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace pistaro;

namespace {

const char* const kModes[] = {"Unlimited practice",
                              "Friday qualifying",
                              "Saturday qualifying",
                              "Sunday warm up",
                              "Quick/non-championship/championship race",
                              "Test session"};

// Sessions cycle through the 16 slots; each has its slot, country and session lines, laps
// with a time (or none) and the other lines a lap timer writes, which the import passes by.
QByteArray makeLog(int lines) {
    QRandomGenerator rng(42);
    QByteArray out;
    out.reserve(qsizetype(lines) * 40);
    int written = 0, session = 0;
    auto line = [&](const QByteArray& text) {
        out += text;
        out += "\r\n";
        ++written;
    };
    while (written < lines) {
        const int slot = session % 16 + 1;
        line(samplegame::logSlotLine(slot));
        line("Country: Somewhere " + QByteArray::number(slot));
        const char* mode = kModes[session % 6];
        line(session % 3 == 0 ? QByteArray("Mode: ") + mode
                              : QByteArray("Start of session:  ") + mode);
        for (int lap = 1; lap <= 30 && written < lines; ++lap) {
            line("  Car 1 driver Sample, sector 1 " +
                 QByteArray::number(rng.bounded(20000, 40000)));
            line("  Car 1 driver Sample, sector 2 " +
                 QByteArray::number(rng.bounded(20000, 40000)));
            line(
                samplegame::logLapLine(lap, rng.bounded(20) == 0 ? -1 : rng.bounded(80000, 99999)));
        }
        ++session;
    }
    return out;
}

// The catalogue grows by `count` tracks in one deferred batch.
void addTracks(const QString& dbPath, int count) {
    auto db = Database::open(dbPath, Database::Sync::Deferred);
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    for (int i = 0; i < count; ++i) {
        tracks->addNew();
        tracks->setValue(QStringLiteral("Name"),
                         QStringLiteral("Bench Track %1").arg(i, 5, 10, QLatin1Char('0')));
        tracks->setValue(QStringLiteral("Country"), QStringLiteral("Benchland"));
        tracks->update();
    }
    db->sync();
    db->close();
}

// Parses the log as the import does, without the database: the reference of the import.
double parseSeconds(const QString& path, qint64& laps) {
    QElapsedTimer clock;
    clock.start();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    laps = 0;
    LogParser parser([](int slot) { return QStringLiteral("Bench Slot %1").arg(slot); },
                     [&laps](const LoggedLap&) { ++laps; });
    const QByteArray bytes = f.readAll();
    parser.feedBytes(bytes, 0, bytes.size());
    return clock.nsecsElapsed() / 1e9;
}

struct Run {
    double imported = 0;
    double parsed = 0;
    qint64 laps = 0;
    int rows = 0;
};

// One import of a fresh log of `lines` lines into a fresh program folder, and the parse alone.
Run runOnce(int lines, int trackCount) {
    Run run;
    QTemporaryDir tmp;
    samplegame::Options options;
    options.log = false;
    const auto [gameDir, appDir] =
        sampleapp::prepareWithGame(tmp.path(), QStringLiteral(PSO_APPDIR), options);
    addTracks(QDir(appDir).filePath(QStringLiteral("pso.mdb")), trackCount);
    const QString logPath = gamepath::join(gameDir, QStringLiteral("gp2lap.log"));
    {
        QFile log(logPath);
        if (!log.open(QIODevice::WriteOnly) || log.write(makeLog(lines)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(logPath));
            return run;
        }
    }
    run.parsed = parseSeconds(logPath, run.laps);

    HeadlessProgram program(appDir);
    const ScriptedDialogs& dialogs = program.dialogs;
    const Gp2PsoBas& bas = program.bas;
    MainWindow& frm = program.start();
    if (!dialogs.shown.isEmpty())
        std::fprintf(stderr, "start-up said: %s\n", qPrintable(dialogs.shown.join(" | ")));
    QElapsedTimer clock;
    clock.start();
    frm.ImportLog();
    run.imported = clock.nsecsElapsed() / 1e9;
    run.rows = bas.TracksRs ? bas.TracksRs->recordCount() : -1;
    program.stop();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QList<int> sizes =
        args.size() > 1 ? QList<int>{args.at(1).toInt()} : QList<int>{200000, 1000000};
    const int trackCount = args.size() > 2 ? args.at(2).toInt() : 5000;

    bool met = true;
    std::printf("%10s %10s %10s %10s %8s  (goal: ratio <= 1.5)\n", "log lines", "laps", "import s",
                "parse s", "ratio");
    // The fastest of three runs each, so a busy moment of the machine does not decide.
    for (int lines : sizes) {
        Run run = runOnce(lines, trackCount);
        for (int again = 0; again < 2; ++again) {
            const Run next = runOnce(lines, trackCount);
            run.imported = std::min(run.imported, next.imported);
            run.parsed = std::min(run.parsed, next.parsed);
        }
        const double ratio = run.parsed > 0 ? run.imported / run.parsed : 0.0;
        std::printf("%10d %10lld %10.3f %10.3f %8.2f  (catalogue rows afterwards: %d)\n", lines,
                    static_cast<long long>(run.laps), run.imported, run.parsed, ratio, run.rows);
        met = met && ratio > 0 && ratio <= 1.5;
    }
    return met ? 0 : 2;
}
