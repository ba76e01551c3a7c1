#include "platform/ignore_step.h"

#include <cstdio>

void reportIgnoredFailure(const char* step, const char* what) {
    std::fprintf(stderr, "pso: %s failed, going on: %s\n", step, what);
}
