#include "storage/settings_row.h"

#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"

namespace settingsrow {

namespace {
const QString kGp2Directory = QStringLiteral("Gp2 Directory");
const QString kUseGp2Lap = QStringLiteral("Use Gp2Lap");
const QString kDeleteLogFile = QStringLiteral("Delete Log File");
const QString kRenameLogFile = QStringLiteral("Rename Log File");
const QString kQuickUpdate = QStringLiteral("Quick Update");
const QString kCarSetup = QStringLiteral("Car Setup Management");
// A field an older database lacks reads as False.
bool flag(const Recordset& params, const QString& field) {
    bool on = false;
    ignoreFailure("reading a setting", [&] { on = params.boolean(field); });
    return on;
}
} // namespace

bool seekRow(Recordset& params) {
    params.seek(QStringLiteral("="), 1);
    return !params.noMatch();
}

Switches read(const Recordset& params) {
    Switches s;
    s.useGp2Lap = flag(params, kUseGp2Lap);
    s.deleteLogFile = flag(params, kDeleteLogFile);
    s.renameLogFile = flag(params, kRenameLogFile);
    s.quickUpdate = flag(params, kQuickUpdate);
    s.carSetupManagement = flag(params, kCarSetup);
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
    params.setValue(kGp2Directory, gp2Dir);
    params.setValue(kUseGp2Lap, s.useGp2Lap);
    params.setValue(kDeleteLogFile, s.deleteLogFile);
    params.setValue(kRenameLogFile, s.renameLogFile);
    params.setValue(kQuickUpdate, s.quickUpdate);
    params.setValue(kCarSetup, s.carSetupManagement);
    params.update();
}

void storeAtClose(Recordset& params, const QString& gp2Dir, bool useGp2Lap) {
    params.edit();
    params.setValue(kGp2Directory, gp2Dir);
    params.setValue(QStringLiteral("Circuits Directory"),
                    gp2Dir + QStringLiteral("Circuits") + gamepath::sep());
    params.setValue(kUseGp2Lap, useGp2Lap);
    params.setValue(QStringLiteral("First Time"), false);
    params.update();
}

} // namespace settingsrow
