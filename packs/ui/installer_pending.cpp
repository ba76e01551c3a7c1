// Placeholder bodies until this concern's handlers are written; delete when done.
#include "packs/ui/installer.h"

void Installer::Install_Click() {}
