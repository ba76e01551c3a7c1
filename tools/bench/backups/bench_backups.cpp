// Runs the real Export 25 times in a row with the same pack of 16 circuits on a game whose
// GP2.EXE is 5.7 MB, and prints the bytes the backups folder holds afterwards against the
// distinct bytes the Exports replaced (each content counted once), measured in the same run.
// Keeping each distinct content once gives about 1; copying each file whole every time gave
// about 20 (one GP2.EXE per kept change). Goal: at most 2. Then the time of an Export against
// copying the same files with one cp and writing the names, in the same run. Goal: at most 3.
// Usage: bench_backups [exports]
#include "app/main_window.h"
#include "packs/ui/exporter.h"
#include "packs/ui/slot_list.h"
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "trackfile/ui/circuit_lists.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

using namespace pistaro;

namespace {

constexpr qint64 kExeBytes = 5'767'168;
constexpr double kGoal = 2.0;
constexpr double kSpeedGoal = 3.0;

QString slotName(int slot) {
    return QStringLiteral("addon%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
}

// The files an Export replaces: GP2.EXE, the 16 slot files, the picture archive.
QStringList replacedFiles(const QString& game) {
    QStringList out{game + QStringLiteral("GP2.EXE"),
                    game + QStringLiteral("Bitmaps/f1pcsvga.bin")};
    for (int slot = 1; slot <= 16; ++slot)
        out << game + QStringLiteral("Circuits/f1ct%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
    return out;
}

qint64 folderBytes(const QString& folder) {
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int exports = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 25;
    QTemporaryDir tmp;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp.filePath("settings"));
    samplegame::Options options;
    options.exeSize = kExeBytes;
    const auto [game, appDir] =
        sampleapp::prepareWithGame(tmp.path(), QStringLiteral(PSO_APPDIR), options);
    for (int slot = 1; slot <= 16; ++slot) {
        QFile f(game + QStringLiteral("Circuits/") + slotName(slot));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(samplegame::largeAddon(QStringLiteral("Bench Ring %1").arg(slot), slot)) < 0)
            return 1;
    }

    QElapsedTimer clock;
    double exportMs = 0;
    HeadlessProgram program(appDir);
    MainWindow& frm = program.start();
    QHash<QByteArray, qint64> distinct; // content hash -> size, of every file replaced
    qint64 copiedWhole = 0;             // what copying each file every time would keep
    for (int run = 0; run < exports; ++run) {
        for (const QString& file : replacedFiles(game)) {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            distinct.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256),
                            bytes.size());
            copiedWhole += bytes.size();
        }
        for (int slot = 1; slot <= 16; ++slot) {
            frm.Slots->assign(slot, slotName(slot), {});
        }
        program.dialogs.answers << true; // "Update your Gp2 files on selected circuits ?"
        clock.start();
        frm.Exporting->Export_Click();
        exportMs += clock.nsecsElapsed() / 1e6 / exports;
    }
    program.stop();

    // The reference: the same files copied by one cp, and the names written into the copy of
    // GP2.EXE, as the export writes them.
    double copyMs = 0;
    const QString copies = tmp.filePath(QStringLiteral("copies"));
    QStringList cpArguments{QStringLiteral("-f")};
    for (int slot = 1; slot <= 16; ++slot)
        cpArguments << game + QStringLiteral("Circuits/") + slotName(slot);
    cpArguments << game + QStringLiteral("GP2.EXE") << copies;
    if (!QDir().mkpath(copies))
        return 1;
    for (int run = 0; run < exports; ++run) {
        clock.start();
        if (QProcess::execute(QStringLiteral("cp"), cpArguments) != 0)
            return 1;
        QFile exe(copies + QStringLiteral("/GP2.EXE"));
        if (!exe.open(QIODevice::ReadWrite) || !exe.seek(samplegame::edition(1).namesPos) ||
            exe.write(QByteArray(4096, 'n')) != 4096)
            return 1;
        exe.close();
        copyMs += clock.nsecsElapsed() / 1e6 / exports;
    }

    qint64 distinctBytes = 0;
    for (const qint64 size : distinct)
        distinctBytes += size;
    const qint64 kept = folderBytes(appDir + QStringLiteral("/backups"));
    const double ratio = double(kept) / double(qMax<qint64>(1, distinctBytes));
    std::printf("%d exports: the backups keep %lld bytes; the exports replaced %lld distinct "
                "bytes (%lld copied whole)\n",
                exports, static_cast<long long>(kept), static_cast<long long>(distinctBytes),
                static_cast<long long>(copiedWhole));
    std::printf("kept / distinct: %.2f (goal: at most %.1f)\n", ratio, kGoal);
    const double slower = exportMs / qMax(0.001, copyMs);
    std::printf("a 16-slot Export %.1f ms; cp of the same files and the names written %.1f ms: "
                "%.2f (goal: at most %.1f)\n",
                exportMs, copyMs, slower, kSpeedGoal);
    return ratio <= kGoal && slower <= kSpeedGoal ? 0 : 3;
}
