#include "ui/font_warmup.h"

#include <fontconfig/fontconfig.h>

#include <future>

namespace fontwarmup {

namespace {

std::future<void>& reading() {
    static std::future<void> future;
    return future;
}

} // namespace

// Qt reads the same configuration through the same library, which keeps it once read: what
// the thread reads is what Qt then finds.
void start() {
    if (!reading().valid())
        reading() = std::async(std::launch::async, [] { FcInit(); });
}

void wait() {
    if (reading().valid())
        reading().wait();
}

} // namespace fontwarmup
