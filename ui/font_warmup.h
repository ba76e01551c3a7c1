#pragma once
// The system's font configuration read on a thread while the program starts: the first text
// the main window measures would otherwise wait for it, about a third of building the window.

namespace fontwarmup {

// Starts the reading; called before QApplication is made, so it runs while Qt starts.
void start();
// Waits for the reading to end, before the first text is measured: two readings at once would
// each take the whole time. Returns at once when start() was not called.
void wait();

} // namespace fontwarmup
