#include "storage/settings_row.h"

#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"

#include <stdexcept>

namespace settingsrow {

using namespace catalogue;

namespace {
// A field an older database lacks reads as False.
bool flag(const Recordset& params, const QString& field) {
    bool on = false;
    ignoreFailure("reading a setting", [&] { on = params.boolean(field); });
    return on;
}

void setGameFolder(Recordset& params, const QString& gp2Dir) {
    params.setValue(Gp2Directory, gp2Dir);
    params.setValue(CircuitsDirectory, gp2Dir + QStringLiteral("Circuits") + gamepath::sep());
}
} // namespace

bool seekRow(Recordset& params) {
    return seekKey(params, CodeIndex, 1);
}

Recordset& currentRow(const std::unique_ptr<Recordset>& params) {
    if (!params || !seekRow(*params))
        throw std::runtime_error("the settings row is not open");
    return *params;
}

Switches read(const Recordset& params) {
    Switches s;
    s.useGp2Lap = flag(params, UseGp2Lap);
    s.deleteLogFile = flag(params, DeleteLogFile);
    s.renameLogFile = flag(params, RenameLogFile);
    s.quickUpdate = flag(params, QuickUpdate);
    s.carSetupManagement = flag(params, CarSetupManagement);
    return s;
}

void mirror(const Switches& s, Gp2PsoBas& bas) {
    bas.UseGp2Lap = s.useGp2Lap;
    bas.DeleteLogFile = s.deleteLogFile;
    bas.RenameLogFile = s.renameLogFile;
    bas.QuickUpdate = s.quickUpdate;
    bas.CarSetupManagement = s.carSetupManagement;
}

void storeSetup(Recordset& params, const QString& gp2Dir, const Switches& s) {
    params.edit();
    params.setValue(Gp2Directory, gp2Dir);
    params.setValue(UseGp2Lap, s.useGp2Lap);
    params.setValue(DeleteLogFile, s.deleteLogFile);
    params.setValue(RenameLogFile, s.renameLogFile);
    params.setValue(QuickUpdate, s.quickUpdate);
    params.setValue(CarSetupManagement, s.carSetupManagement);
    params.update();
}

void storeAtClose(Recordset& params, const QString& gp2Dir, bool useGp2Lap) {
    params.edit();
    setGameFolder(params, gp2Dir);
    params.setValue(UseGp2Lap, useGp2Lap);
    params.setValue(FirstTime, false);
    params.update();
}

void storeGameFolder(Recordset& params, const QString& gp2Dir) {
    params.edit();
    setGameFolder(params, gp2Dir);
    params.update();
}

void storeFirstStartDone(Recordset& params) {
    params.edit();
    params.setValue(FirstTime, false);
    params.update();
}

} // namespace settingsrow
