// Runs every command that writes with each of its file calls failed in turn (the 1st, 2nd ...
// write, fsync, rename and open for writing) and prints per command and in all: faults
// injected, states checked, states inconsistent, failures reported as success. Each
// inconsistent state is printed with what was wrong.
//
// Usage: fault_tool [command ...]   (default: every command the fault child knows)
// With PSO_FAULT_ROOT set, the runs are made in that folder and the last one of each command
// is left there to look at.
#include "tests/support/fault_harness.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

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
    if (commands.isEmpty())
        commands = faultharness::commands(child);
    QTemporaryDir temp;
    const QString keep = qEnvironmentVariable("PSO_FAULT_ROOT");
    const QDir root(keep.isEmpty() ? temp.path() : keep);
    QList<std::pair<QString, Totals>> rows;
    QStringList findings;
    for (const QString& command : commands) {
        faultharness::CommandRuns runs(child, root.filePath(QString(command).replace(u' ', u'-')),
                                       command);
        Totals t;
        if (!runs.error().isEmpty()) {
            findings << command + QStringLiteral(": ") + runs.error();
            ++t.inconsistent;
        }
        for (const QString& kind : faultharness::kinds()) {
            for (int nth = 1; runs.error().isEmpty() && nth <= runs.calls(kind); ++nth) {
                const faultharness::Verdict v = runs.run(kind, nth);
                t.injected += v.injected;
                ++t.checked;
                t.inconsistent += !v.consistent;
                t.asSuccess += v.reportedAsSuccess;
                if (!v.consistent || v.reportedAsSuccess)
                    findings << QStringLiteral("%1, %2 %3: %4%5")
                                    .arg(command, kind)
                                    .arg(nth)
                                    .arg(v.reportedAsSuccess ? QStringLiteral("reported as "
                                                                              "success; ")
                                                             : QString(),
                                         v.problems.join(QLatin1String("; ")));
            }
        }
        std::fprintf(stderr, "%s: %d writes, %d fsyncs, %d renames, %d opens\n",
                     qPrintable(command), runs.calls("write"), runs.calls("fsync"),
                     runs.calls("rename"), runs.calls("open"));
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
