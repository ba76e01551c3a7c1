#pragma once

namespace pistaro {

// File > "Restore last change...": puts back the game files saved before the last command
// that changed them, after a question naming the files, and reads the circuit lists again.
class WindowServices;
class CircuitLists;
class PackControls;
class TrackInfoPanel;

void RestoreLastChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                       PackControls& packs);

} // namespace pistaro
