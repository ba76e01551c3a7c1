#pragma once
// Runs work(0) ... work(count - 1) side by side on up to `threads` threads (this one among
// them), each taking the next index as it becomes free; returns when all are done.
#include <QtGlobal>

#include <atomic>
#include <thread>
#include <vector>

template <typename Work> void sideBySide(qsizetype count, qsizetype threads, const Work& work) {
    std::atomic<qsizetype> next{0};
    const auto worker = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    for (qsizetype i = 1; i < qMin(count, threads); ++i)
        helpers.emplace_back(worker);
    worker();
    for (std::thread& helper : helpers)
        helper.join();
}
