#include "health/facts_reader.h"

namespace health {

FactsReader::FactsReader(const FactsCache& cache, QStringList names, QStringList paths)
    : cache_(cache), names_(std::move(names)), paths_(std::move(paths)),
      reads_(size_t(paths_.size())), thread_([this] { run(); }) {}

FactsReader::~FactsReader() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

void FactsReader::run() {
    for (int i = 0; i < paths_.size(); ++i) {
        {
            const std::lock_guard lock(mutex_);
            if (stop_)
                return;
        }
        // Only this thread writes reads_[i] before ready_ passes it.
        reads_[size_t(i)] = Scanner::readFile(cache_, names_.at(i), paths_.at(i));
        {
            const std::lock_guard lock(mutex_);
            ready_ = i + 1;
        }
        readOne_.notify_one();
    }
}

Scanner::FileRead FactsReader::take(int index) {
    std::unique_lock lock(mutex_);
    readOne_.wait(lock, [this, index] { return ready_ > index; });
    return std::move(reads_[size_t(index)]);
}

} // namespace health
