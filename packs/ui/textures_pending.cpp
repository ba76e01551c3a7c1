// Placeholder bodies until this concern's handlers are written; delete when done.
#include "packs/ui/textures.h"

void Textures::CheckJams_Click() {}
void Textures::GetJams(const QString&) {}
void Textures::JamsCheck() {}
void Textures::CopyJam(const QString&, const QString&, QString&) {}
