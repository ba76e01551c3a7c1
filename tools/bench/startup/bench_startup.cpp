// Times pso's start-up (splash, load steps, main window shown; offscreen) on a game folder
// with 2,000 add-on circuits and a lap time database of 5,000 tracks, against a bare Qt
// main window started the same way in the same run. Each start is a fresh process (this
// program run again in a child mode), so both figures include loading Qt.
// Usage: bench_startup [rounds]
//        bench_startup --prepare <folder>   (only writes the folders, for profiling;
//        then: bench_startup --pso 0 <folder>/app)
#include "app/main_window.h"
#include "app/program.h"
#include "storage/engine.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace pistaro;

namespace {

constexpr int kCircuits = 2000;
constexpr int kTracks = 5000;

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

int childPso(const QString& appDir, qint64 startedNs) {
    return runProgram(appDir, {}, [startedNs](MainWindow&) { reportShown(startedNs); });
}

int childBare(qint64 startedNs) {
    QMainWindow w;
    w.resize(800, 600);
    w.show();
    reportShown(startedNs);
    return QApplication::exec();
}

bool prepareFolders(const QString& root, QString* appDir) {
    samplegame::Options options;
    const QString gameDir = samplegame::write(root + QStringLiteral("/game"), options);
    const QString circuits = gameDir + QStringLiteral("Circuits/");
    for (int i = 1; i <= kCircuits; ++i) {
        const QString name = QStringLiteral("Addon %1").arg(i, 4, 10, QLatin1Char('0'));
        QFile f(circuits + QStringLiteral("addon%1.dat").arg(i, 4, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(samplegame::circuit(20000 + i, samplegame::addonFields(name, "Nowhere", 50), {},
                                        i)) < 0)
            return false;
    }
    *appDir = root + QStringLiteral("/app");
    QString error;
    if (!sampleapp::prepare(*appDir, QStringLiteral(PSO_APPDIR), gameDir, QStringLiteral("pso.mdb"),
                            {}, &error)) {
        std::fprintf(stderr, "preparing the program folder failed: %s\n", qPrintable(error));
        return false;
    }
    auto db = Database::open(*appDir + QStringLiteral("/pso.mdb"), Database::Sync::Deferred);
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    for (int i = 1; i <= kTracks; ++i) {
        tracks->addNew();
        tracks->setValue(QStringLiteral("Name"), QStringLiteral("Catalogue Track %1").arg(i));
        tracks->setValue(QStringLiteral("Country"), QStringLiteral("Country %1").arg(i % 40));
        tracks->setValue(QStringLiteral("Size"), 20000 + i);
        tracks->update();
    }
    db->sync();
    db->close();
    return true;
}

// Starts this program in `mode`; returns the child's figure in seconds, or -1.
double timedStart(const QString& mode, const QString& appDir) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    const qint64 started = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(), {mode, QString::number(started), appDir});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s start failed: %s\n", qPrintable(mode),
                     child.readAllStandardError().constData());
        return -1;
    }
    bool ok = false;
    const qint64 ns = child.readAllStandardOutput().trimmed().split('\n').last().toLongLong(&ok);
    return ok ? ns / 1e9 : -1;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && (qstrcmp(argv[1], "--pso") == 0 || qstrcmp(argv[1], "--bare") == 0)) {
        QApplication app(argc, argv);
        const qint64 started = QByteArray(argv[2]).toLongLong();
        return qstrcmp(argv[1], "--pso") == 0 ? childPso(QString::fromLocal8Bit(argv[3]), started)
                                              : childBare(started);
    }
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--prepare") == 0) {
        QString appDir;
        return prepareFolders(QString::fromLocal8Bit(argv[2]), &appDir) ? 0 : 1;
    }
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    QTemporaryDir root;
    QString appDir;
    if (!prepareFolders(root.path(), &appDir))
        return 1;
    QList<double> pso, bare;
    for (int i = 0; i < rounds; ++i) {
        const double p = timedStart(QStringLiteral("--pso"), appDir);
        const double b = timedStart(QStringLiteral("--bare"), appDir);
        if (p < 0 || b < 0)
            return 1;
        pso << p;
        bare << b;
    }
    const double p = median(pso), b = median(bare);
    std::printf("%d add-on circuits, %d rows in Tracks; median of %d starts each (offscreen)\n",
                kCircuits, kTracks, rounds);
    std::printf("pso, start to main window shown: %8.3f s  (goal < 0.5 s)\n", p);
    std::printf("bare Qt main window:             %8.3f s\n", b);
    std::printf("ratio:                           %8.2f  (goal < 3)\n", p / b);
    return p < 0.5 && p / b < 3 ? 0 : 2;
}
