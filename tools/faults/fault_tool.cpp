// Runs every command that writes with each of its file calls failed in turn (the 1st, 2nd ...
// write, fsync, rename and open for writing) and prints per command and in all: faults
// injected, states checked, states inconsistent, failures reported as success. Each
// inconsistent state is printed with what was wrong.
//
// Usage: fault_tool [-j N] [command ...]   (default: every command the fault child knows)
// -j: the runs made at once (2 by default), each worker in folders of its own.
// With PSO_FAULT_ROOT set, the runs are made in that folder and the last one of each command
// is left there to look at.
#include "tests/support/fault_harness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

struct Totals {
    int injected = 0, checked = 0, inconsistent = 0, asSuccess = 0;
    void add(const Totals& o) {
        injected += o.injected;
        checked += o.checked;
        inconsistent += o.inconsistent;
        asSuccess += o.asSuccess;
    }
};

void printRow(const QString& name, const Totals& t) {
    std::printf("%-22s %9d %9d %13d %11d\n", qPrintable(name), t.injected, t.checked,
                t.inconsistent, t.asSuccess);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString child = QStringLiteral(PSO_FAULT_CHILD);
    QStringList commands = app.arguments().mid(1);
    int jobs = 2;
    if (commands.size() >= 2 && commands.first() == QLatin1String("-j")) {
        jobs = qBound(1, commands.at(1).toInt(), 16);
        commands = commands.mid(2);
    }
    if (commands.isEmpty())
        commands = faultharness::commands(child);
    QTemporaryDir temp;
    const QString keep = qEnvironmentVariable("PSO_FAULT_ROOT");
    const QDir root(keep.isEmpty() ? temp.path() : keep);
    QList<std::pair<QString, Totals>> rows;
    QStringList findings;
    for (const QString& command : commands) {
        QElapsedTimer clock;
        clock.start();
        // Each worker has folders of its own (the settings name their absolute paths), prepared
        // and run without a fault once; the fault points are shared out among them.
        const QString base = root.filePath(QString(command).replace(u' ', u'-'));
        std::vector<std::unique_ptr<faultharness::CommandRuns>> workers(jobs);
        {
            std::vector<std::thread> preparing;
            for (int w = 0; w < jobs; ++w)
                preparing.emplace_back([&, w] {
                    workers[w] = std::make_unique<faultharness::CommandRuns>(
                        child, w == 0 ? base : base + QStringLiteral("-%1").arg(w), command);
                });
            for (std::thread& t : preparing)
                t.join();
        }
        const faultharness::CommandRuns& first = *workers.front();
        QString error = first.error();
        for (const auto& w : workers)
            if (error.isEmpty() && !w->error().isEmpty())
                error = w->error();
        for (const QString& kind : faultharness::kinds())
            for (const auto& w : workers)
                if (error.isEmpty() && w->calls(kind) != first.calls(kind))
                    error = QStringLiteral("the runs without a fault made %1 and %2 %3 calls")
                                .arg(first.calls(kind))
                                .arg(w->calls(kind))
                                .arg(kind);
        Totals t;
        if (!error.isEmpty()) {
            findings << command + QStringLiteral(": ") + error;
            ++t.inconsistent;
        }
        QList<std::pair<QString, int>> points;
        for (const QString& kind : faultharness::kinds())
            for (int nth = 1; error.isEmpty() && nth <= first.calls(kind); ++nth)
                points.append({kind, nth});
        QList<faultharness::Verdict> verdicts(points.size());
        std::atomic<qsizetype> next{0};
        {
            std::vector<std::thread> running;
            for (int w = 0; w < jobs; ++w)
                running.emplace_back([&, w] {
                    for (qsizetype i = next++; i < points.size(); i = next++)
                        verdicts[i] = workers[w]->run(points[i].first, points[i].second);
                });
            for (std::thread& th : running)
                th.join();
        }
        for (qsizetype i = 0; i < points.size(); ++i) {
            const faultharness::Verdict& v = verdicts[i];
            t.injected += v.injected;
            ++t.checked;
            t.inconsistent += !v.consistent;
            t.asSuccess += v.reportedAsSuccess;
            if (!v.consistent || v.reportedAsSuccess)
                findings << QStringLiteral("%1, %2 %3: %4%5")
                                .arg(command, points[i].first)
                                .arg(points[i].second)
                                .arg(v.reportedAsSuccess ? QStringLiteral("reported as success; ")
                                                         : QString(),
                                     v.problems.join(QLatin1String("; ")));
        }
        std::fprintf(stderr, "%s: %d writes, %d fsyncs, %d renames, %d opens; %.0f s\n",
                     qPrintable(command), first.calls("write"), first.calls("fsync"),
                     first.calls("rename"), first.calls("open"), clock.elapsed() / 1000.0);
        rows.append({command, t});
    }
    std::printf("%-22s %9s %9s %13s %11s\n", "command", "injected", "checked", "inconsistent",
                "as success");
    Totals all;
    for (const auto& [name, t] : rows) {
        printRow(name, t);
        all.add(t);
    }
    printRow(QStringLiteral("all"), all);
    for (const QString& f : findings)
        std::printf("  %s\n", qPrintable(f));
    return all.inconsistent == 0 && all.asSuccess == 0 ? 0 : 1;
}
