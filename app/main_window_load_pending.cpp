// Placeholder bodies until the start-up and shut-down steps are written; delete when done.
#include "app/main_window.h"

void Gp2PsoFrm::Form_Load(const QStringList&) {}
void Gp2PsoFrm::Form_Unload() { unloaded_ = true; }
