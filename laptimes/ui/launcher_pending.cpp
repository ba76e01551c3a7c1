// Placeholder bodies until this concern's handlers are written; delete when done.
#include "laptimes/ui/launcher.h"

void Launcher::Launch() {}
void Launcher::FileLog_Click() {}
