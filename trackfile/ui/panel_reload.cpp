#include "trackfile/ui/panel_reload.h"

#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
#include "trackfile/ui/track_info_panel.h"

namespace pistaro {

void reloadSelectedCircuit(Gp2PsoBas& bas, TrackInfoPanel& panel) {
    ignoreFailure("reloading the track info panel", [&] {
        if (!bas.SelectedFile.isEmpty()) {
            bas.CurrentFile = bas.SelectedFile;
            panel.GetInfo();
        } else {
            panel.Clean();
        }
    });
}

} // namespace pistaro
