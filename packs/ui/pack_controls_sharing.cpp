// Shareable packs: Export pack and Import pack on the chosen pack (the pack files themselves are
// PackSharing's), and the remembered circuits a pack takes when they arrive.
#include "packs/ui/pack_controls.h"

#include "gamedir/game_backup.h"
#include "packs/pack_folder.h"
#include "storage/gp2psobas.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QFileInfo>
#include <QToolButton>

namespace pistaro {

void PackControls::ExportPack_Click() {
    const QString name = packSpelling(acceptedPackName());
    if (name.isEmpty()) {
        services_.dialogs().message(tr("Choose a saved Track Pack to export."));
        return;
    }
    sharing_.exportPack(circuitsFolder(), name);
}

void PackControls::ImportPack_Click() {
    const std::optional<sharedpack::Pack> pack = sharing_.choosePackFile();
    if (!pack)
        return;
    const QString name = packSpelling(pack->name);
    const QString circuits = circuitsFolder();
    if (SelectedPack->findText(name, Qt::MatchFixedString) >= 0 ||
        QFileInfo(packFolder(circuits, name)).isDir()) {
        if (!services_.dialogs().askYesNo(
                tr("The Track Pack '%1' already exists, replace it?").arg(name)))
            return;
    }
    if (!sharing_.makePack(circuits, *pack, name))
        return;
    listPack(name);
    UpdTp->setEnabled(true);
}

QStringList PackControls::circuitsArrived(gamebackup::Backup& backup, const QString& command) {
    QStringList packs;
    for (int i = 0; i < SelectedPack->count(); ++i)
        packs << SelectedPack->itemText(i);
    const QStringList lines =
        sharing_.takeArrivedCircuits(circuitsFolder(), packs, backup, command);
    if (!lines.isEmpty())
        markIncompletePacks();
    return lines;
}

} // namespace pistaro
