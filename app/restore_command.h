#pragma once
// Putting a kept change back: File > "Restore last change..." (the newest change a command
// made) and the History window's Revert. Both ask first with the files in a list, back up the
// files' current state as a change of its own, and read the circuit lists again.
#include <QString>

namespace gamebackup {
struct Change;
}

namespace pistaro {

class WindowServices;
class CircuitLists;
class PackControls;
class TrackInfoPanel;

void RestoreLastChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                       PackControls& packs);

// Puts `change` back as the change `command` ("Restore", "Revert <command>") after the
// question; says why when it may not. True when the files were put back.
bool RevertChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                  PackControls& packs, const gamebackup::Change& change, const QString& command);

} // namespace pistaro
