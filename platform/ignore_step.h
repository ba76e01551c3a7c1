#pragma once
// The one place where the program lets a step fail and goes on: runs the step, swallows any
// exception, and writes what failed to standard error so a user started from a terminal sees it.
#include "platform/program_end.h"

#include <exception>
#include <utility>

void reportIgnoredFailure(const char* step, const char* what);

template <class F> bool ignoreFailure(const char* step, F&& f) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const ProgramEnded&) {
        throw; // ending the program is never ignored
    } catch (const std::exception& e) {
        reportIgnoredFailure(step, e.what());
    } catch (...) {
        reportIgnoredFailure(step, "unknown error");
    }
    return false;
}
