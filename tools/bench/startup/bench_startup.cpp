// Times pso's start-up (splash, load steps, main window shown; offscreen) on game folders
// with 2,000 and 5,000 add-on circuits and a lap time database of 5,000 tracks, against a
// bare Qt main window started the same way in the same run. Each start is a fresh process
// (this program run again in a child mode), so both figures include loading Qt. After the
// window is shown, the child also times how long the circuit list takes to fill every column
// and the slowest update of the list while a filter is typed.
// Usage: bench_startup [rounds]
//        bench_startup --prepare <folder> [circuits]  (only writes the folders, for
//        profiling; then: bench_startup --pso 0 <folder>/app, or --shown 0 <folder>/app to
//        end as soon as the window shows)
#include "app/main_window.h"
#include "app/program.h"
#include "storage/engine.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/font_warmup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace pistaro;

namespace {

constexpr int kCircuitCases[] = {2000, 5000};
constexpr int kTracks = 5000;
constexpr double kFilledGoal = 2.0;   // seconds from shown to every column filled
constexpr double kFilterGoal = 0.050; // seconds for the list to follow one typed character

qint64 monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Child side: prints the nanoseconds since the parent started this process, then quits.
void reportShown(qint64 startedNs) {
    std::printf("%lld\n", static_cast<long long>(monotonicNs() - startedNs));
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

// The circuit list's figures: from shown to every column filled, then the slowest update of
// the rows while a filter is typed character by character (and erased again).
void reportBrowser(MainWindow& w, qint64 startedNs) {
    const qint64 shown = monotonicNs();
    CircuitTable* table = w.Lists->File1;
    auto measure = [&w, table, startedNs, shown] {
        const qint64 filled = monotonicNs() - shown;
        QLineEdit* filter = w.Lists->CircuitFilter;
        const QString typed = QStringLiteral("addon 12 country 3");
        qint64 slowest = 0;
        auto timed = [&](const QString& text) {
            QElapsedTimer t;
            t.start();
            filter->setText(text);
            QCoreApplication::processEvents();
            slowest = std::max(slowest, t.nsecsElapsed());
        };
        for (int i = 1; i <= typed.size(); ++i)
            timed(typed.left(i));
        for (int i = typed.size() - 1; i >= 0; --i)
            timed(typed.left(i));
        std::printf("%lld %lld %lld\n", static_cast<long long>(shown - startedNs),
                    static_cast<long long>(filled), static_cast<long long>(slowest));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };
    if (table->columnsRead())
        QTimer::singleShot(0, qApp, measure);
    else
        QObject::connect(table, &CircuitTable::allColumnsRead, qApp, measure, Qt::QueuedConnection);
}

int childPso(const QString& appDir, qint64 startedNs) {
    return runProgram(appDir, {}, [startedNs](MainWindow& w) { reportBrowser(w, startedNs); });
}

int childBare(qint64 startedNs) {
    QMainWindow w;
    w.resize(800, 600);
    w.show();
    reportShown(startedNs);
    return QApplication::exec();
}

bool prepareFolders(const QString& root, int circuitCount, QString* appDir) {
    const sampleapp::Folders folders = sampleapp::prepareWithGame(root, QStringLiteral(PSO_APPDIR));
    *appDir = folders.app;
    const QString circuits = folders.game + QStringLiteral("Circuits/");
    for (int i = 1; i <= circuitCount; ++i) {
        const QString name = QStringLiteral("Addon %1").arg(i, 4, 10, QLatin1Char('0'));
        QFile f(circuits + QStringLiteral("addon%1.dat").arg(i, 4, 10, QLatin1Char('0')));
        const QString country = QStringLiteral("Country %1").arg(i % 40);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(samplegame::circuit(
                20000 + i, samplegame::addonFields(name, country, 40 + i % 30), {}, i)) < 0)
            return false;
    }
    auto db = Database::open(*appDir + QStringLiteral("/pso.mdb"), Database::Sync::Deferred);
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    for (int i = 1; i <= kTracks; ++i) {
        tracks->addNew();
        tracks->setValue(QStringLiteral("Name"), QStringLiteral("Catalogue Track %1").arg(i));
        tracks->setValue(QStringLiteral("Country"), QStringLiteral("Country %1").arg(i % 40));
        tracks->setValue(QStringLiteral("Size"), 20000 + i);
        tracks->setValue(QStringLiteral("Race Time"), QStringLiteral("1:%1.%2")
                                                          .arg(i % 60, 2, 10, QLatin1Char('0'))
                                                          .arg(i % 1000, 3, 10, QLatin1Char('0')));
        tracks->update();
    }
    db->sync();
    db->close();
    return true;
}

struct Figures {
    double shown = -1;  // seconds from process start to the main window shown
    double filled = -1; // seconds from shown to every column of the circuit list filled
    double filter = -1; // seconds of the slowest list update while a filter was typed
};

// Starts this program in `mode`; the child's figures, or none (shown < 0).
Figures timedStart(const QString& mode, const QString& appDir) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The settings of the machine's user (a sorted list, say) stay out of the figures.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), appDir + QStringLiteral("/../config"));
    child.setProcessEnvironment(env);
    const qint64 started = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(), {mode, QString::number(started), appDir});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s start failed: %s\n", qPrintable(mode),
                     child.readAllStandardError().constData());
        return {};
    }
    const QList<QByteArray> values =
        child.readAllStandardOutput().trimmed().split('\n').last().split(' ');
    Figures f;
    bool ok = false;
    f.shown = values.value(0).toLongLong(&ok) / 1e9;
    if (!ok)
        return {};
    if (values.size() == 3) {
        f.filled = values.at(1).toLongLong() / 1e9;
        f.filter = values.at(2).toLongLong() / 1e9;
    }
    return f;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--shown") == 0) {
        fontwarmup::start(); // as pso's main starts
        QApplication app(argc, argv);
        const qint64 started = QByteArray(argv[2]).toLongLong();
        return runProgram(QString::fromLocal8Bit(argv[3]), {},
                          [started](MainWindow&) { reportShown(started); });
    }
    if (argc == 4 && (qstrcmp(argv[1], "--pso") == 0 || qstrcmp(argv[1], "--bare") == 0)) {
        // pso's main reads the font configuration ahead; a bare window does not.
        if (qstrcmp(argv[1], "--pso") == 0)
            fontwarmup::start();
        QApplication app(argc, argv);
        const qint64 started = QByteArray(argv[2]).toLongLong();
        return qstrcmp(argv[1], "--pso") == 0 ? childPso(QString::fromLocal8Bit(argv[3]), started)
                                              : childBare(started);
    }
    QCoreApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--prepare") == 0) {
        QString appDir;
        const int circuits = argc > 3 ? QByteArray(argv[3]).toInt() : kCircuitCases[0];
        return prepareFolders(QString::fromLocal8Bit(argv[2]), circuits, &appDir) ? 0 : 1;
    }
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    bool met = true;
    for (const int circuits : kCircuitCases) {
        QTemporaryDir root;
        QString appDir;
        if (!prepareFolders(root.path(), circuits, &appDir))
            return 1;
        QList<double> pso, bare, filled, filter;
        // A start as a player's usual one: after one before it, which left the settings (the
        // circuits folder listed last) that every later start finds.
        if (timedStart(QStringLiteral("--pso"), appDir).shown < 0)
            return 1;
        for (int i = 0; i < rounds; ++i) {
            const Figures p = timedStart(QStringLiteral("--pso"), appDir);
            const Figures b = timedStart(QStringLiteral("--bare"), appDir);
            if (p.shown < 0 || b.shown < 0 || p.filled < 0)
                return 1;
            pso << p.shown;
            bare << b.shown;
            filled << p.filled;
            filter << p.filter;
        }
        const double p = median(pso), b = median(bare), f = median(filled), t = median(filter);
        std::printf("%d add-on circuits, %d rows in Tracks; median of %d starts each (offscreen)\n",
                    circuits, kTracks, rounds);
        std::printf("pso, start to main window shown: %8.3f s  (goal < 0.5 s)\n", p);
        std::printf("bare Qt main window:             %8.3f s\n", b);
        std::printf("ratio:                           %8.2f  (goal < 3)\n", p / b);
        std::printf("shown to every column filled:    %8.3f s  (goal < %.1f s)\n", f, kFilledGoal);
        std::printf("slowest filter keystroke:        %8.1f ms (goal < %.0f ms)\n\n", t * 1000,
                    kFilterGoal * 1000);
        met = met && p < 0.5 && p / b < 3 && f < kFilledGoal && t < kFilterGoal;
    }
    return met ? 0 : 2;
}
