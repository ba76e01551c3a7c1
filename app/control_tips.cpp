#include "app/control_tips.h"

#include "app/main_window.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/textures.h"
#include "storage/ui/database_list.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/disabled_tip.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QToolButton>

namespace pistaro {

void explainControls(MainWindow& w) {
    w.Lists->ACir->setToolTip(QCoreApplication::translate(
        "ControlTips", "Read the circuit files of the Circuits folder again"));
    explainWhenDisabled(w.Packs->Change, QCoreApplication::translate(
                                             "ControlTips", "Select a circuit and a slot first"));
    explainWhenDisabled(w.Packs->UpdTp, QCoreApplication::translate(
                                            "ControlTips", "Choose a saved Track Pack first"));
    explainWhenDisabled(w.Jams->CheckJams,
                        QCoreApplication::translate("ControlTips", "Select a circuit first"));
    explainWhenDisabled(
        w.Panel->SaveInfo,
        QCoreApplication::translate("ControlTips",
                                    "Select an add-on circuit first: the game's own circuits "
                                    "are not changed"));
    explainWhenDisabled(w.Panel->OpenInfo,
                        QCoreApplication::translate(
                            "ControlTips", "Not needed: the track info is read when a circuit is "
                                           "selected"));
    explainWhenDisabled(w.Databases->DeleteDatabase,
                        QCoreApplication::translate(
                            "ControlTips", "The standard database and the one opened at start-up "
                                           "cannot be deleted"));
    explainWhenDisabled(w.Databases->SaveDatabase,
                        QCoreApplication::translate(
                            "ControlTips", "Not needed: every change is saved as it is made"));
    const QString fromSlot = QCoreApplication::translate(
        "ControlTips", "Select a slot first: menu pictures are imported "
                       "from the game's slots");
    explainWhenDisabled(w.Pictures->ImportPicture, fromSlot);
    explainWhenDisabled(w.Pictures->ImportPicture2, fromSlot);
}

} // namespace pistaro
