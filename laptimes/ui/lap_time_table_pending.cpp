// Placeholder bodies until this concern's handlers are written; delete when done.
#include "laptimes/ui/lap_time_table.h"

#include <QWidget>

LapTimeTable::LapTimeTable(MainForm& form, QWidget* parent) : QDialog(parent), form_(form) {}
void LapTimeTable::load() {}
void LapTimeTable::TablePrint_Click() {}
