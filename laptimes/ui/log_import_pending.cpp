// Placeholder bodies until this concern's handlers are written; delete when done.
#include "laptimes/ui/log_import.h"

void LogImport::Import() {}
