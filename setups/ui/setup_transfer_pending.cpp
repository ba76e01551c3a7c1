// Placeholder bodies until this concern's handlers are written; delete when done.
#include "setups/ui/setup_transfer.h"

void SetupTransfer::Import() {}
void SetupTransfer::Export() {}
