// Placeholder bodies until this concern's handlers are written; delete when done.
#include "packs/ui/pack_controls.h"

void PackControls::wireHandlers() {}
void PackControls::Change_Click() {}
void PackControls::Import_Click() {}
void PackControls::SavePack_Click() {}
void PackControls::UpdTp_Click() {}
void PackControls::DeletePack_Click() {}
void PackControls::fillSlotsFromGame() {}
void PackControls::readPackList(const QString&) {}
bool PackControls::writePackList(const QString&) const { return false; }
