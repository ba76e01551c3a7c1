#include "gamedir/exe_cmd.h"

#include "gamedir/cd_image.h"
#include "gamedir/dos_command.h"
#include "gamedir/dosbox_config.h"
#include "gamedir/emulators.h"
#include "gamedir/program_kind.h"
#include "platform/command_gate.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString cannotStart(const QString& path, const QString& why) {
    return QCoreApplication::translate("ExeCmd", "Cannot start %1: %2")
        .arg(QDir::toNativeSeparators(path), why);
}

ExeCmd::Run throughDosEmulator(const QString& dosProgram, const QStringList& arguments,
                               const QString& gameDir, const ExeCmd::DosRun& run) {
    const QString emulator = emulators::findProgram(emulators::dosEmulator());
    if (emulator.isEmpty())
        return {{},
                {},
                QCoreApplication::translate(
                    "ExeCmd", "%1 is a DOS program: install DOSBox (for example with \"apt "
                              "install dosbox\") or name an emulator in File > Setup Pistaro.")
                    .arg(fileName(dosProgram))};
    const QString image = run.game ? emulators::cdImage() : QString();
    if (!image.isEmpty()) {
        const QString problem = cdimage::problem(image);
        if (!problem.isEmpty())
            return {{}, {}, cannotStart(fileName(dosProgram), problem)};
    }
    const DosCommands dos = dosCommands(gameDir, dosProgram, arguments, image);
    if (!dos.error.isEmpty())
        return {{}, {}, dos.error};
    if (run.programFolder.isEmpty())
        return {{},
                {},
                cannotStart(fileName(dosProgram),
                            QCoreApplication::translate(
                                "ExeCmd", "no program folder for its DOSBox settings"))};
    const QString config = dosboxconfig::fileIn(run.programFolder, run.game);
    const dosboxconfig::Machine machine{emulators::dosCycles(),
                                        run.game && emulators::dosFullScreen()};
    const QString written = dosboxconfig::write(config, dosboxconfig::text(machine, dos.commands));
    if (!written.isEmpty())
        return {{},
                {},
                cannotStart(fileName(dosProgram),
                            QCoreApplication::translate(
                                "ExeCmd", "its DOSBox settings could not be written to %1: %2")
                                .arg(QDir::toNativeSeparators(config), written))};
    QStringList args{QStringLiteral("-conf"), config};
    // DOSBox Staging lays the player's primary configuration and a dosbox.conf of the current
    // folder under the file it is given; DOSBox itself reads the given file alone.
    if (QFileInfo(emulator).fileName() == QLatin1String("dosbox-staging"))
        args << QStringLiteral("--noprimaryconf") << QStringLiteral("--nolocalconf");
    return {emulator, args, {}, fileName(dosProgram), QStringLiteral("DOSBox")};
}

// The Windows form of a path argument, from winepath; the argument as it is without one.
QString windowsPath(const QString& winepath, const QString& argument) {
    if (winepath.isEmpty() || !QDir::isAbsolutePath(argument))
        return argument;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(winepath, {QStringLiteral("-w"), argument});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return argument;
    const QString converted = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return converted.isEmpty() ? argument : converted;
}

ExeCmd::Run throughWine(const QString& program, const QStringList& arguments) {
    const QString wine = emulators::findProgram(emulators::windowsEmulator());
    if (wine.isEmpty())
        return {{},
                {},
                QCoreApplication::translate("ExeCmd", "%1 is a Windows program: install Wine (for "
                                                      "example with \"apt install wine\").")
                    .arg(fileName(program))};
    // winepath comes with the wine it belongs to.
    QString winepath =
        emulators::findProgram(QFileInfo(wine).absolutePath() + QStringLiteral("/winepath"));
    if (winepath.isEmpty())
        winepath = emulators::findProgram(QStringLiteral("winepath"));
    QStringList args{program};
    for (const QString& argument : arguments)
        args << windowsPath(winepath, argument);
    return {wine, args, {}, fileName(program), QStringLiteral("Wine")};
}

// Waits for a started process to end. With an application object, a local event loop keeps
// the window's events going: the main window drops input meant for itself while a command runs
// (so nothing is queued to run after the wait), and the Stop buttons stay usable.
void waitForEnd(QProcess& process) {
    if (!QCoreApplication::instance()) {
        process.waitForFinished(-1);
        return;
    }
    // A wait is a command of its own when no command started it: nothing else starts meanwhile.
    const CommandGate::Command holding;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    // finished is only emitted from event processing, so nothing is missed between this
    // check and exec().
    if (process.state() != QProcess::NotRunning)
        loop.exec();
}

// Ends a run the user stopped: asked to terminate, killed when it has not ended in time.
void stopRun(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    QTimer::singleShot(ExeCmd::kStopGraceMs, &process, [&process] {
        if (process.state() != QProcess::NotRunning)
            process.kill();
    });
}

QString pathKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Checksum runs not yet known to have ended. Before the application object goes away, the
// runs still going are given time to finish (a killed run would leave a stale checksum).
struct SumfixRun {
    QString key;
    std::unique_ptr<QProcess> process;
};
std::vector<SumfixRun> sumfixRuns;
bool sumfixCleanupRegistered = false;

void finishSumfixRuns() {
    for (SumfixRun& run : sumfixRuns)
        if (run.process->state() != QProcess::NotRunning)
            run.process->waitForFinished(10000);
    sumfixRuns.clear();
    sumfixCleanupRegistered = false;
}

// Forgets the runs that have ended. Never called from a process's own signal.
void pruneSumfixRuns() {
    std::erase_if(sumfixRuns, [](SumfixRun& run) {
        if (run.process->state() != QProcess::NotRunning)
            run.process->waitForFinished(0); // notices an end the event loop has not seen yet
        return run.process->state() == QProcess::NotRunning;
    });
}

QString sumfixProgram(const QString& appDir) {
#ifdef Q_OS_WIN
    return QDir(appDir).filePath(QStringLiteral("sumfix.exe"));
#else
    return QDir(appDir).filePath(QStringLiteral("sumfix"));
#endif
}

// How a file is started, by its content (see Prepare).
ExeCmd::Run prepareByKind(const QString& program, const QStringList& arguments,
                          const QString& gameDir, const ExeCmd::DosRun& dos) {
    switch (programKind(program)) {
    case ProgramKind::Native:
        return {program, arguments, {}};
    case ProgramKind::Dos:
        return throughDosEmulator(program, arguments, gameDir, dos);
    case ProgramKind::Windows:
        return throughWine(program, arguments);
    case ProgramKind::Pif: {
        const QString target = pifTarget(program);
        if (target.isEmpty())
            return {{},
                    {},
                    cannotStart(program, QCoreApplication::translate(
                                             "ExeCmd", "the DOS program it names is not there"))};
        switch (programKind(target)) {
        case ProgramKind::Native: // a stand-in of this system
            return {target, arguments, {}};
        case ProgramKind::Windows:
            return throughWine(target, arguments);
        default:
            return throughDosEmulator(target, arguments, gameDir, dos);
        }
    }
    case ProgramKind::Unknown:
        break;
    }
    return {{},
            {},
            cannotStart(program, QCoreApplication::translate("ExeCmd",
                                                             "not a program this system can run"))};
}

} // namespace

namespace ExeCmd {

Run Prepare(const QString& program, const QStringList& arguments, const QString& gameDir,
            const DosRun& dos) {
    if (!QFileInfo(program).isFile())
        return {
            {},
            {},
            cannotStart(program, QCoreApplication::translate("ExeCmd", "there is no such file"))};
    Run run = prepareByKind(program, arguments, gameDir, dos);
    if (run.name.isEmpty())
        run.name = fileName(program);
    return run;
}

QString RunResult::problem(const QString& program) const {
    if (!started) // already a sentence naming the file: "Cannot start ...", or which emulator
        return error;
    if (stopped)
        return QCoreApplication::translate("ExeCmd", "%1 was stopped").arg(program);
    if (emulator.isEmpty()) {
        if (crashed)
            return QCoreApplication::translate("ExeCmd", "%1 stopped abnormally").arg(program);
        if (exitCode != 0)
            return QCoreApplication::translate("ExeCmd", "%1 failed (exit status %2)")
                .arg(program, QString::number(exitCode));
        return {};
    }
    if (crashed)
        return QCoreApplication::translate("ExeCmd", "%1 stopped abnormally: %2 crashed")
            .arg(program, emulator);
    if (exitCode != 0)
        return QCoreApplication::translate("ExeCmd",
                                           "%1 could not be run: %2 ended with exit status %3")
            .arg(program, emulator, QString::number(exitCode));
    return {};
}

RunResult RunAndWait(const Run& run) {
    RunResult result;
    result.emulator = run.emulator;
    if (!run.error.isEmpty()) {
        result.error = run.error;
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(run.program, run.arguments);
    if (!process.waitForStarted(-1)) {
        result.error = cannotStart(run.program, process.errorString());
        return result;
    }
    result.started = true;
    {
        const CommandGate::Wait wait(run.name.isEmpty() ? fileName(run.program) : run.name,
                                     run.game, [&process, &result] {
                                         result.stopped = true;
                                         stopRun(process);
                                     });
        waitForEnd(process);
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}
RunResult RunAndWait(const QString& program, const QStringList& arguments, const QString& gameDir,
                     const DosRun& dos) {
    return RunAndWait(Prepare(program, arguments, gameDir, dos));
}

bool StartDetached(const QString& program, const QStringList& args, int windowState) {
    Q_UNUSED(windowState); // no window placement to ask for on this platform
    return QProcess::startDetached(program, args);
}

bool StartSumfix(const QString& appDir, const QString& filePath) {
    const QString program = sumfixProgram(appDir);
    if (!QCoreApplication::instance()) // nothing to keep the run in: leave it alone
        return QProcess::startDetached(program, {filePath}, appDir);
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments({filePath});
    process->setWorkingDirectory(appDir);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted(-1))
        return false;
    pruneSumfixRuns();
    if (!sumfixCleanupRegistered) {
        qAddPostRoutine(finishSumfixRuns);
        sumfixCleanupRegistered = true;
    }
    sumfixRuns.push_back({pathKey(filePath), std::move(process)});
    return true;
}

bool SumfixRunningOn(const QString& filePath) {
    pruneSumfixRuns();
    if (sumfixRuns.empty())
        return false; // the usual case: the path need not be resolved
    const QString key = pathKey(filePath);
    return std::any_of(sumfixRuns.begin(), sumfixRuns.end(),
                       [&](const SumfixRun& run) { return run.key == key; });
}

void WaitForSumfix(const QString& filePath) {
    if (sumfixRuns.empty())
        return; // Export asks for every slot: the path need not be resolved
    const QString key = pathKey(filePath);
    std::vector<QPointer<QProcess>> waiting;
    for (const SumfixRun& run : sumfixRuns)
        if (run.key == key)
            waiting.emplace_back(run.process.get());
    for (const QPointer<QProcess>& process : waiting)
        if (process)
            waitForEnd(*process);
    pruneSumfixRuns();
}

} // namespace ExeCmd
