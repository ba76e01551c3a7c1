#pragma once
// The settings row of a lap time database: the one "Parameters" row with "Code" 1, and the
// switches the program mirrors in Gp2PsoBas while it runs.
#include <QString>

#include <memory>

struct Gp2PsoBas;
class Recordset;

namespace settingsrow {

// The switches the Setup dialog edits.
struct Switches {
    bool useGp2Lap = false;
    bool deleteLogFile = false;
    bool renameLogFile = false;
    bool quickUpdate = false;
    bool carSetupManagement = false;
};

// Makes the row with "Code" 1 current; false when the table has none.
bool seekRow(Recordset& params);
// The settings table with its row current; std::runtime_error "the settings row is not open"
// when the table did not open or has no row.
Recordset& currentRow(const std::unique_ptr<Recordset>& params);

// The switches as the current row holds them.
Switches read(const Recordset& params);
// Copies switches into the program's mirrors.
void mirror(const Switches& s, Gp2PsoBas& bas);

// Stores what the Setup dialog accepted into the current row.
void storeSetup(Recordset& params, const QString& gp2Dir, const Switches& s);
// Stores what changes while the program runs, at closing: the game folder, its circuits
// folder and whether the lap timer is used; the next start copies no slot files.
void storeAtClose(Recordset& params, const QString& gp2Dir, bool useGp2Lap);
// Stores the game folder and its circuits folder now: a folder the user picked at the start
// stays chosen however the run ends.
void storeGameFolder(Recordset& params, const QString& gp2Dir);
// Notes now that the first start's copies of the originals are made, so a run that ends
// without closing does not make them (and say so) again.
void storeFirstStartDone(Recordset& params);

} // namespace settingsrow
