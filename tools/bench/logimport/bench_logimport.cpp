// Times the lap log import on a real main window (offscreen): a generated gp2lap.log of
// 200,000 lines over all 16 slots, read into a catalogue of 5,000 tracks; for reference, the
// same lines only read and trimmed, in the same run.
// Usage: bench_logimport [lines] [tracks]
#include "app/main_window.h"
#include "platform/codepage.h"
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

// Reads the log's lines and trims them, as the import does before it tests them.
double readAndTrimSeconds(const QString& path, qint64& chars) {
    QElapsedTimer clock;
    clock.start();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    chars = 0;
    while (!f.atEnd())
        chars += cp1252::toUnicode(f.readLine()).trimmed().size();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = args.size() > 1 ? args.at(1).toInt() : 200000;
    const int trackCount = args.size() > 2 ? args.at(2).toInt() : 5000;

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
            return 1;
        }
    }

    HeadlessProgram program(appDir);
    const ScriptedDialogs& dialogs = program.dialogs;
    const Gp2PsoBas& bas = program.bas;
    double imported = 0;
    int rows = 0;
    {
        MainWindow& frm = program.start();
        if (!dialogs.shown.isEmpty())
            std::fprintf(stderr, "start-up said: %s\n", qPrintable(dialogs.shown.join(" | ")));
        QElapsedTimer clock;
        clock.start();
        frm.ImportLog();
        imported = clock.nsecsElapsed() / 1e9;
        rows = bas.TracksRs ? bas.TracksRs->recordCount() : -1;
        program.stop();
    }
    qint64 chars = 0;
    const double reading = readAndTrimSeconds(logPath, chars);

    std::printf("log lines:                 %d (%lld characters after trimming)\n", lines,
                static_cast<long long>(chars));
    std::printf("catalogue rows afterwards: %d\n", rows);
    std::printf("import:                    %8.3f s  (goal < 1 s)\n", imported);
    std::printf("read and trim alone:       %8.3f s\n", reading);
    std::printf("ratio:                     %8.1f\n", reading > 0 ? imported / reading : 0.0);
    return imported < 1.0 ? 0 : 2;
}
