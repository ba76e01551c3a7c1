#pragma once
// After a command that loaded other circuits into the track info panel: the circuit selected
// in the main window comes back, or the panel is emptied when none is.

struct Gp2PsoBas;

namespace pistaro {

class TrackInfoPanel;

void reloadSelectedCircuit(Gp2PsoBas& bas, TrackInfoPanel& panel);

} // namespace pistaro
