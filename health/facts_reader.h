#pragma once
// The facts of a scan's files read ahead, in the scan's order, on a thread of its own, while
// the scan reads the columns of the files before them: reading a file whole and summing its
// checksum is most of a first scan's time, and the two then take the time of the longer.
#include "health/circuit_health.h"

#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace health {

class FactsReader {
public:
    // Starts reading `paths` (of `names`, one each) against a copy of `cache`.
    FactsReader(const FactsCache& cache, QStringList names, QStringList paths);
    // Stops after the file being read and waits for the thread.
    ~FactsReader();
    FactsReader(const FactsReader&) = delete;
    FactsReader& operator=(const FactsReader&) = delete;

    // What Scanner::readFile gave for file `index`, waiting until it is read.
    Scanner::FileRead take(int index);

private:
    void run();

    const FactsCache cache_;
    const QStringList names_;
    const QStringList paths_;
    std::vector<Scanner::FileRead> reads_;
    std::mutex mutex_;
    std::condition_variable readOne_;
    int ready_ = 0; // reads_[0, ready_) are done
    bool stop_ = false;
    std::thread thread_; // last: it starts once the rest is made
};

} // namespace health
