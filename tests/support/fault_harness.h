#pragma once
// Runs one command of the program with one file call failed (tests/robustness/fault_child.cpp
// under libfiu's preloaded POSIX wrappers) and checks what it left: the game folder as it was
// before or as the command leaves it, byte for byte; each other file it writes old or new; no
// part-written file; every backup's manifest naming stored copies whose hashes match; every
// database passing SQLite's integrity check and holding its rows as before or as after; and
// a failure that left anything short of the finished state said, not reported as success.
// Shared by the fault injection test and tools/faults.
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace faultharness {

// The kinds of call that are failed, one at a time.
const QStringList& kinds(); // "write", "fsync", "rename", "open"

// The commands the child knows, as it lists them.
QStringList commands(const QString& child);

struct Verdict {
    bool injected = false;          // the chosen call was reached and failed
    bool consistent = true;         // every check passed
    bool reportedAsSuccess = false; // short of the finished state, but said what success says
    QStringList problems;           // what was wrong, one line each
};

// The runs of one command: its folders prepared once in `root`, the run without a fault
// (its messages, its state and how many calls of each kind it makes), then one run per fault.
class CommandRuns {
public:
    CommandRuns(const QString& child, const QString& root, const QString& command);
    ~CommandRuns();
    CommandRuns(const CommandRuns&) = delete;
    CommandRuns& operator=(const CommandRuns&) = delete;

    // "" when prepared and the run without a fault ended; else why not.
    QString error() const { return error_; }
    int calls(const QString& kind) const { return calls_.value(kind); }
    QStringList said() const { return said_; } // the messages of the run without a fault

    // Runs the command with the `nth` call of `kind` failed and checks what it left.
    Verdict run(const QString& kind, int nth);

    struct State;

private:
    QString child_, root_, command_, error_;
    QMap<QString, int> calls_;
    QStringList said_;
    std::unique_ptr<State> before_, after_;
};

} // namespace faultharness
