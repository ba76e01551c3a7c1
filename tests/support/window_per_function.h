#pragma once
// The shell of the widget tests that give every test function a main window of its own:
// derive from it beside QObject, call open() in init() (or in the test function, after
// preparing the folders of `fx`) and close() in cleanup().
#include "tests/support/main_window_fixture.h"

#include <memory>

class WindowPerFunction {
protected:
    enum class Show { No, Exposed, Active };

    // Starts the window of `fx` (made here unless the test made it already), shows it and
    // waits for it as `show` asks, and forgets what the dialogs showed at the start. False
    // when the window did not come up as asked.
    bool open(Show show = Show::No);
    // Runs the window's unload steps, when it was started, and drops the fixture.
    void close();

    Gp2PsoBas& bas() { return fx->bas; }

    std::unique_ptr<MainWindowFixture> fx;
};
