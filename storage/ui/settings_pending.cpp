// Placeholder bodies until this concern's handlers are written; delete when done.
#include "storage/ui/settings.h"

#include <QWidget>

Settings::Settings(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {}
void Settings::DbOpen(const QString&) {}
void Settings::DbClose() {}
void Settings::FileSetup_Click() {}
SetupDialog* Settings::setupDialog() { return nullptr; }
