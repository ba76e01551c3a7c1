// Placeholder bodies until this concern's handlers are written; delete when done.
#include "packs/ui/exporter.h"

void Exporter::Export_Click() {}
