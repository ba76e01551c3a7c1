// Placeholder bodies until this concern's handlers are written; delete when done.
#include "trackfile/ui/circuit_lists.h"

void CircuitLists::wireHandlers() {}
void CircuitLists::File1_Click() {}
void CircuitLists::List1_Click() {}
void CircuitLists::ACir_Click() {}
void CircuitLists::Rename_Click() {}
void CircuitLists::Delete_Click() {}
void CircuitLists::showFocus(QWidget*) {}
