// Track packs: a named set of 16 circuit files in a folder under the circuits folder, saved
// from the slot list, viewed into it as pending assignments, deleted; and the pack list file.
#include "packs/ui/pack_controls.h"

#include "gamedir/game_backup.h"
#include "packs/pack_folder.h"
#include "packs/pack_name.h"
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "packs/ui/status_shown.h"
#include "platform/codepage.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/backed_up.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QToolButton>

namespace pistaro {

namespace {

QString tmpSlotName(int slot) {
    return QStringLiteral("tmp%1.tmp").arg(slot, 2, 10, QLatin1Char('0'));
}

QString shown(const QString& path) {
    return shown::path(path);
}

} // namespace

void PackControls::SavePack_Click() {
    QString name = acceptedPackName();
    if (name.isEmpty())
        return;
    const QString existing = packSpelling(name);
    if (existing != name) {
        if (!services_.dialogs().askYesNo(
                tr("The Track Pack '%1' already exists, overwrite?").arg(existing)))
            return;
        name = existing;
    }
    const QString circuits = circuitsFolder();
    const QString pack = gamepath::join(circuits, name);
    QStringList targets;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        targets << gamepath::join(pack, slotFileName(slot));
    // The pack becomes the slot list as shown: what an import remembered for it is forgotten.
    const QString wanted = packWantedFile(circuits, name);
    if (!backedUp(services_, QStringLiteral("Save Pack ") + name, targets + QStringList{wanted}))
        return;
    SavePack->setEnabled(false);
    // Every step is tried; what failed is said at the end, so a pack that could not be saved
    // whole is not taken for a good one.
    CommandSummary summary;
    int saved = 0;
    if (!QDir().mkpath(pack))
        summary.failed(tr("%1 couldn't be made.").arg(shown(pack)));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        // The file the slot shows: its pending circuit, else the game's slot file.
        const QString source = slotList_.circuitPath(slot);
        const QString& target = targets.at(slot - 1);
        QString error;
        if (!copyReplacing(source, target, &error)) {
            reportIgnoredFailure("saving a pack file",
                                 qPrintable(shown(source) + QStringLiteral(": ") + error));
            summary.failed(tr("These circuits couldn't be copied into the pack:"),
                           //: A file that could not be copied, then why.
                           tr("%1: %2").arg(shown(source), error));
        } else {
            ++saved;
        }
    }
    if (const QString error = writePackWanted(circuits, name, {}); !error.isEmpty())
        summary.failed(error + QStringLiteral("."));
    SavePack->setEnabled(true);
    if (saved > 0)
        summary.done(
            //: "3 slot files were saved in <folder>."
            tr("%1 saved in %2.")
                .arg(countOf(saved,
                             //: Counted in "3 slot files were saved in …", after the number.
                             tr("slot file was"), tr("slot files were")),
                     shown(pack)));
    summary.show(services_.dialogs(),
                 (summary.clean() ? tr("The Track Pack '%1' was saved.")
                                  : tr("The Track Pack '%1' was not saved completely."))
                     .arg(name));
    SelectedPack->setFocus(Qt::OtherFocusReason);
    listPack(name);
    // The pack just saved is the chosen one, and can be viewed at once.
    UpdTp->setEnabled(QFileInfo(pack).isDir());
}

void PackControls::listPack(const QString& name) {
    int index = SelectedPack->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        SelectedPack->addItem(name);
        index = SelectedPack->count() - 1;
    }
    markIncompletePacks();
    // Chosen, so the box's tool tip tells what of it is missing.
    SelectedPack->setCurrentIndex(index);
    SelectedPack->setEditText(name);
}

void PackControls::markIncompletePacks() {
    showMissingCircuits();
    lists_.File1->packsChanged(); // the Packs column follows the packs
}

void PackControls::showMissingCircuits() {
    const QString circuits = circuitsFolder();
    for (int i = 0; i < SelectedPack->count(); ++i) {
        const QString name = SelectedPack->itemText(i);
        const QString missing =
            isSafePackName(name)
                ? missingPackSummary(circuits, name, missingPackFiles(circuits, name))
                : QString();
        QFont font = SelectedPack->font();
        font.setItalic(!missing.isEmpty());
        SelectedPack->setItemData(i, missing.isEmpty() ? QVariant() : QVariant(missing),
                                  Qt::ToolTipRole);
        SelectedPack->setItemData(i, missing.isEmpty() ? QVariant() : QVariant(font), Qt::FontRole);
        SelectedPack->setItemData(i,
                                  missing.isEmpty() ? QVariant()
                                                    : QVariant(SelectedPack->palette().brush(
                                                          QPalette::Disabled, QPalette::Text)),
                                  Qt::ForegroundRole);
    }
    const int shown = SelectedPack->currentIndex();
    SelectedPack->setToolTip(shown < 0 ? QString()
                                       : SelectedPack->itemData(shown, Qt::ToolTipRole).toString());
}

QString PackControls::packSpelling(const QString& name) const {
    for (int i = 0; i < SelectedPack->count(); ++i)
        if (SelectedPack->itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            return SelectedPack->itemText(i);
    for (const QString& folder :
         QDir(circuitsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return folder;
    return name;
}

void PackControls::UpdTp_Click() {
    const QString circuits = circuitsFolder();
    const QString name = packSpelling(acceptedPackName());
    if (name.isEmpty())
        return;
    const QString pack = gamepath::join(circuits, name);
    if (!QFileInfo(pack).isDir()) {
        services_.dialogs().message(tr("The Track Pack '%1' was not found:").arg(name) +
                                    Gp2PsoBas::CrLf + shown(pack));
        return;
    }
    CircuitLists& lists = lists_;
    CommandSummary summary;
    // The slots whose circuit the pack lacks and remembers, by the circuit's name.
    QStringList wantedSlots(kSlotCount + 1);
    int wantedCount = 0;
    for (const MissingPackFile& m : missingPackFiles(circuits, name))
        if (m.isWanted()) {
            wantedSlots[m.slot] = wantedText(m.wanted);
            ++wantedCount;
        }
    {
        StatusShown busy(services_.window(), services_.status());
        StatusSink& status = services_.status();
        // Entries are replaced one by one, so a slot whose file is missing keeps its entry.
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            status.setLine2(QString::number(kSlotCount + 1 - slot));
            status.pump();
            const QString source = gamepath::join(pack, slotFileName(slot));
            const QString slotNumber = QString::number(slot);
            if (!wantedSlots.at(slot).isEmpty()) {
                const QString& wanted = wantedSlots.at(slot);
                summary.failed(tr("These slots were left as they were: the pack lacks their "
                                  "circuits. ") +
                                   completionHint(wantedCount),
                               wanted.left(1).toUpper() + wanted.mid(1));
                slotList_.noteWanted(slot, tr("Track Pack '%1': %2.").arg(name, wanted) +
                                               QLatin1Char(' ') + completionHint(1));
                continue;
            }
            if (!QFileInfo(source).isFile()) {
                summary.failed(tr("These slots were left as they were: their files are missing "
                                  "from the pack."),
                               tr("Slot %1: %2 is missing").arg(slotNumber, shown(source)));
                continue;
            }
            const QString tmp = tmpSlotName(slot);
            QString error;
            if (!copyReplacing(source, gamepath::join(circuits, tmp), &error)) {
                summary.failed(
                    tr("These slots were left as they were: their files couldn't be copied."),
                    tr("Slot %1: %2: %3").arg(slotNumber, shown(source), error));
                continue;
            }
            slotList_.assign(slot, tmp,
                             catalogue::readSlotCircuit(services_.bas(),
                                                        gamepath::join(lists.File1->path(), tmp)));
        }
        slotList_.selectFirstSlot();
    }
    markIncompletePacks();
    if (!summary.clean())
        summary.show(services_.dialogs(), tr("The Track Pack '%1' is not complete.").arg(name));
}

void PackControls::DeletePack_Click() {
    const QString name = packSpelling(acceptedPackName());
    if (name.isEmpty())
        return;
    if (!services_.dialogs().askYesNo(
            tr("Are you sure you want to delete the '%1' Track Pack from your disk ?").arg(name)))
        return;
    const QString pack = gamepath::join(circuitsFolder(), name);
    QStringList files;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const QString file = gamepath::join(pack, slotFileName(slot));
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
            files << file;
    }
    if (const QString wanted = packWantedFile(circuitsFolder(), name);
        QFileInfo::exists(wanted) || QFileInfo(wanted).isSymLink())
        files << wanted;
    files << packListFile();
    const QString command = QStringLiteral("Delete Track Pack ") + name;
    gamebackup::Backup backup(gamebackup::backupsFolder(services_.bas()), command);
    if (!mayChange(services_, backup, command, files))
        return;
    // The pack's files and the list that names it are saved, so that Restore brings the pack
    // back whole and listed. The list is written as shown first (it is otherwise written at the
    // end of the run): a pack saved in this run is then named in the saved copy too.
    QString error;
    if (!writePackList(packListFile(), &error))
        reportIgnoredFailure("writing the pack list", qPrintable(error));
    if (!backedUp(services_, backup, command, files))
        return;
    files.removeLast();
    DeletePack->setEnabled(false);
    QStringList kept;
    for (const QString& file : std::as_const(files)) {
        if (!QFile::remove(file)) {
            reportIgnoredFailure("deleting a pack file", qPrintable(shown(file)));
            kept << shown(file);
        }
    }
    // Fails, as it should, while the folder holds files of the user's own.
    QDir().rmdir(pack);
    for (int i = SelectedPack->count() - 1; i >= 0; --i)
        if (SelectedPack->itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            SelectedPack->removeItem(i);
    // Removing the shown entry would show a neighbour's name: the box shows no pack instead.
    SelectedPack->setCurrentIndex(-1);
    SelectedPack->setEditText(QString());
    UpdTp->setEnabled(false);
    DeletePack->setEnabled(true);
    lists_.File1->packsChanged();
    if (!writePackList(packListFile(), &error))
        reportIgnoredFailure("writing the pack list", qPrintable(error));
    if (!kept.isEmpty())
        services_.dialogs().message(
            tr("The Track Pack '%1' was not deleted completely.").arg(name) + Gp2PsoBas::CrLf2 +
            tr("These files couldn't be deleted:") + Gp2PsoBas::CrLf + kept.join(Gp2PsoBas::CrLf));
}

void PackControls::readPackList(const QString& path) {
    SelectedPack->clear();
    for (const QString& name : packListNames(path))
        SelectedPack->addItem(name);
    markIncompletePacks();
    // Adding items shows the first one; the box starts with no pack chosen.
    SelectedPack->setCurrentIndex(-1);
    SelectedPack->setEditText(QString());
}

QString PackControls::packListFile() const {
    return services_.bas().AppDir + QDir::separator() + QStringLiteral("Packs.txt");
}

void PackControls::listRestoredPacks() {
    const int shown = SelectedPack->currentIndex();
    const QString text = SelectedPack->currentText();
    const QString circuits = circuitsFolder();
    bool added = false;
    for (const QString& name : packListNames(packListFile()))
        if (SelectedPack->findText(name, Qt::MatchFixedString) < 0 &&
            QFileInfo(gamepath::join(circuits, name)).isDir()) {
            SelectedPack->addItem(name);
            added = true;
        }
    // At start-up the list holds every pack already, and the circuit list has just read them:
    // reading all circuits again would only repeat it.
    if (added)
        markIncompletePacks();
    else
        showMissingCircuits();
    SelectedPack->setCurrentIndex(shown);
    SelectedPack->setEditText(text);
}

bool PackControls::writePackList(const QString& path, QString* error) const {
    QByteArray bytes;
    for (int i = 0; i < SelectedPack->count(); ++i)
        bytes += cp1252::fromUnicode(SelectedPack->itemText(i)) + "\r\n";
    const CopyResult written = writeReplacing(path, bytes);
    if (!written.ok && error)
        *error = written.error;
    return written.ok;
}

} // namespace pistaro
