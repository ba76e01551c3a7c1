#include "trackfile/ui/panel_reload.h"

#include "platform/ignore_step.h"
#include "ui/main_form.h"

void reloadSelectedCircuit(MainForm& form) {
    Gp2PsoBas& bas = form.bas();
    ignoreFailure("reloading the track info panel", [&] {
        if (!bas.SelectedFile.isEmpty()) {
            bas.CurrentFile = bas.SelectedFile;
            form.GetInfo();
        } else {
            form.Clean();
        }
    });
}
