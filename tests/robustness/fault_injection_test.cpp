// Every command that writes, run with one file call failed (libfiu's preloaded POSIX wrappers,
// tests/support/fault_harness.h): a few fault points of each, the first, second and last
// write, the first and last rename, the first open for writing and fsync. Whatever fails, the
// command leaves its files before or after, byte for byte, no part file, whole backups and
// databases, and says that it failed. tools/faults runs every fault point of every command.
#include "tests/support/fault_harness.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

class FaultInjectionTest final : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::map<QString, std::unique_ptr<faultharness::CommandRuns>> runs_;

    faultharness::CommandRuns& runsOf(const QString& command) {
        auto& r = runs_[command];
        if (!r)
            r = std::make_unique<faultharness::CommandRuns>(
                QStringLiteral(PSO_FAULT_CHILD),
                root_.filePath(QString(command).replace(u' ', u'-')), command);
        return *r;
    }

private slots:
    void initTestCase() {
#if defined(__SANITIZE_ADDRESS__)
        // libfiu's preloaded wrappers and the sanitizers' own both take the file calls: a
        // child under both crashes before it starts. The plain build runs this test.
        QSKIP("the fault wrappers cannot be preloaded under the sanitizers");
#endif
        QVERIFY(root_.isValid());
    }

    void everyWriteAgainstAFault_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("nth"); // -1: the last call of the kind
        const QStringList commands = faultharness::commands(QStringLiteral(PSO_FAULT_CHILD));
        QVERIFY(commands.size() >= 17);
        // The second write is an Install's first texture unpacked; the last rename an Export's
        // last slot, after the others were written.
        const QList<std::pair<QString, int>> points = {{"write", 1},  {"write", 2},   {"write", -1},
                                                       {"rename", 1}, {"rename", -1}, {"open", 1},
                                                       {"fsync", 1}};
        for (const QString& command : commands)
            for (const auto& [kind, nth] : points)
                QTest::addRow("%s, %s %s", qPrintable(command), qPrintable(kind),
                              nth < 0 ? "last" : qPrintable(QString::number(nth)))
                    << command << kind << nth;
    }
    void everyWriteAgainstAFault() {
        QFETCH(QString, command);
        QFETCH(QString, kind);
        QFETCH(int, nth);
        faultharness::CommandRuns& runs = runsOf(command);
        QVERIFY2(runs.error().isEmpty(), qPrintable(runs.error()));
        const int calls = runs.calls(kind);
        if (calls == 0 || calls < nth)
            QSKIP("the command makes fewer such calls");
        if (nth < 0) {
            nth = calls;
            if (nth <= (kind == QLatin1String("write") ? 2 : 1))
                QSKIP("the last such call is one tried already");
        }
        const faultharness::Verdict v = runs.run(kind, nth);
        QVERIFY2(v.injected, "the fault was not injected");
        QVERIFY2(
            v.consistent && !v.reportedAsSuccess,
            qPrintable((v.reportedAsSuccess ? QStringLiteral("reported as success; ") : QString()) +
                       v.problems.join(QStringLiteral("; "))));
    }
};

QTEST_GUILESS_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
