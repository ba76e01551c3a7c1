#pragma once
// The edge of every event handler: no exception crosses the Qt event loop. A handler that
// ends the program (ProgramEnded) leaves every event loop with its status; any other failure
// is written to standard error and the program goes on.
#include "platform/command_gate.h"
#include "platform/ignore_step.h"

#include <QCoreApplication>
#include <cstdio>
#include <type_traits>
#include <utility>

// Set once the program was asked to end, so callers (tests, main) can read the status.
struct ProgramEndState {
    static inline bool ended = false;
    static inline int status = 0;
};

inline void leaveProgram(int status) {
    ProgramEndState::ended = true;
    ProgramEndState::status = status;
    QCoreApplication::exit(status);
}

template <class F> auto guarded(const char* what, F f) {
    return [what, f = std::move(f)](auto&&... args) {
        try {
            // Signals may pass arguments (clicked(bool)); handlers without parameters ignore them.
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        } catch (const ProgramEnded& e) {
            leaveProgram(e.status);
        } catch (const std::exception& e) {
            reportIgnoredFailure(what, e.what());
        } catch (...) {
            reportIgnoredFailure(what, "unknown error");
        }
    };
}

// The edge of a command's handler: it runs only when no other command runs (see CommandGate);
// one started meanwhile (a click replayed, a drop, a key) is dropped, not queued.
template <class F> auto guardedCommand(const char* what, F f) {
    return [what, body = guarded(what, std::move(f))](auto&&... args) {
        const CommandGate::Command command;
        if (!command.entered()) {
            std::fprintf(stderr, "pso: %s not started: another command is running\n", what);
            return;
        }
        body(std::forward<decltype(args)>(args)...);
    };
}

// The usual connections, with the handler named once: its name is also what a failure reports.
// GUARDED_HANDLER(Export_Click) calls this->Export_Click(); GUARDED_FORWARD(Pictures, Repair_Click)
// calls Pictures->Repair_Click(); GUARDED_HANDLER_ARG(Browse_Click, which) calls
// Browse_Click(which) with `which` captured by value.
#define GUARDED_HANDLER(handler) guarded(#handler, [this] { handler(); })
#define GUARDED_FORWARD(part, handler) guarded(#handler, [this] { part->handler(); })
#define GUARDED_HANDLER_ARG(handler, arg) guarded(#handler, [this, arg] { handler(arg); })
// The same for the handlers that start a command: one at a time.
#define GUARDED_COMMAND(handler) guardedCommand(#handler, [this] { handler(); })
#define GUARDED_COMMAND_FORWARD(part, handler) guardedCommand(#handler, [this] { part->handler(); })
#define GUARDED_COMMAND_ARG(handler, arg) guardedCommand(#handler, [this, arg] { handler(arg); })
