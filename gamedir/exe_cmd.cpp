#include "gamedir/exe_cmd.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Command {
    QString program;
    QStringList args;
};

// A command line read the way the platform reads one without quotes: the shortest leading
// part that ends before a blank and names an existing file is the program; failing that, the
// first word. The rest, split at blanks, are the arguments.
Command splitCommandLine(const QString& commandLine) {
    const QChar blank(u' ');
    qsizetype start = 0;
    while (start < commandLine.size() && commandLine.at(start) == blank)
        ++start;
    const QString line = commandLine.mid(start);
    if (line.isEmpty())
        return {};
    qsizetype programEnd = line.indexOf(blank);
    if (programEnd < 0)
        programEnd = line.size();
    for (qsizetype end = programEnd; end <= line.size(); ++end) {
        if (end < line.size() && (line.at(end) != blank || line.at(end - 1) == blank))
            continue;
        if (QFileInfo(line.left(end)).isFile()) {
            programEnd = end;
            break;
        }
    }
    return {line.left(programEnd), line.mid(programEnd).split(blank, Qt::SkipEmptyParts)};
}

// Waits for a started process to end. With an application object, a local event loop keeps
// timers and painting going but leaves user input queued until the process has ended.
void waitForEnd(QProcess& process) {
    if (!QCoreApplication::instance()) {
        process.waitForFinished(-1);
        return;
    }
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    // finished is only emitted from event processing, so nothing is missed between this
    // check and exec().
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
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

} // namespace

namespace ExeCmd {

QString RunResult::problem(const QString& program) const {
    if (!started)
        return program + QStringLiteral(" could not be run: ") + error;
    if (crashed)
        return program + QStringLiteral(" stopped abnormally");
    if (exitCode != 0)
        return program + QStringLiteral(" failed (exit status %1)").arg(exitCode);
    return {};
}

RunResult RunAndWait(const QString& commandLine) {
    RunResult result;
    const Command command = splitCommandLine(commandLine);
    if (command.program.isEmpty()) {
        result.error = QStringLiteral("empty command line");
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(command.program, command.args);
    if (!process.waitForStarted(-1)) {
        result.error = process.errorString();
        return result;
    }
    result.started = true;
    waitForEnd(process);
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
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
    const QString key = pathKey(filePath);
    return std::any_of(sumfixRuns.begin(), sumfixRuns.end(),
                       [&](const SumfixRun& run) { return run.key == key; });
}

void WaitForSumfix(const QString& filePath) {
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
