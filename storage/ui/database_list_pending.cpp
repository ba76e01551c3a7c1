// Placeholder bodies until this concern's handlers are written; delete when done.
#include "storage/ui/database_list.h"

void DatabaseList::wireHandlers() {}
void DatabaseList::UpdateDbList() {}
void DatabaseList::DbCombo_Click() {}
void DatabaseList::DbCombo_Change(const QString&) {}
void DatabaseList::NewDatabase_Click() {}
void DatabaseList::DeleteDatabase_Click() {}
