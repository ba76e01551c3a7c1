#include "health/ui/circuit_fixes.h"

#include "gamedir/exe_cmd.h"
#include "health/circuit_facts.h"
#include "packs/pack_usage.h"
#include "packs/texture_list.h"
#include "packs/ui/installer.h"
#include "packs/ui/slot_list.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/native_names.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/backed_up.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QAction>
#include <QFileInfo>
#include <QHash>
#include <QMenu>

namespace pistaro {

using Fix = CircuitTableModel::Fix;

CircuitFixes::CircuitFixes(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                           SlotList& slotList, Installer& installer, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists), slotList_(slotList),
      installer_(installer) {
    setObjectName(QStringLiteral("CircuitFixes"));
    RepairChecksum = named(new QAction(tr("Repair &checksum"), this), "RepairChecksum");
    InstallTextures =
        named(new QAction(tr("Install &missing textures from an archive\u2026"), this),
              "InstallTextures");
    DeleteDuplicate =
        named(new QAction(tr("Delete this du&plicate\u2026"), this), "DeleteDuplicate");
    connect(RepairChecksum, &QAction::triggered, this, GUARDED_COMMAND(RepairChecksum_Click));
    connect(InstallTextures, &QAction::triggered, this, GUARDED_COMMAND(InstallTextures_Click));
    connect(DeleteDuplicate, &QAction::triggered, this, GUARDED_COMMAND(DeleteDuplicate_Click));
    addTo(lists.FileClick);
}

void CircuitFixes::addTo(QMenu* menu) {
    menu->addSeparator();
    menu->addActions({RepairChecksum, InstallTextures, DeleteDuplicate});
    connect(menu, &QMenu::aboutToShow, this, &CircuitFixes::setItems);
}

void CircuitFixes::setItems() {
    const int fixes = lists_.File1->fixesOf(lists_.File1->selectedNames());
    RepairChecksum->setEnabled(fixes & Fix::RepairChecksum);
    InstallTextures->setEnabled(fixes & Fix::InstallTextures);
    DeleteDuplicate->setEnabled(fixes & Fix::DeleteDuplicate);
}

QString CircuitFixes::pathOf(const QString& name) const {
    return gamepath::join(lists_.File1->path(), name);
}

void CircuitFixes::applyEach(const QStringList& names, const QStringList& paths,
                             const std::function<QString(const QString&)>& act,
                             const QString& cause, const std::pair<QString, QString>& noun,
                             const QString& doneLine, const QString& headline) {
    CommandSummary summary;
    QStringList done;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString error = act(paths.at(i));
        if (error.isEmpty())
            done << names.at(i);
        else
            //: A file the fix could not mend, then why.
            summary.failed(cause, tr("%1: %2").arg(names.at(i), error));
    }
    if (!done.isEmpty())
        summary.done(doneLine.arg(countOf(done.size(), noun.first, noun.second),
                                  done.join(QStringLiteral(", "))));
    lists_.File1->refresh();
    panel_.followFiles();
    summary.show(services_.dialogs(), headline);
}

void CircuitFixes::RepairChecksum_Click() {
    // Only trailers that are wrong now are written: a file mended since the column was filled,
    // or one that is no circuit, is left as it is.
    QStringList names, paths;
    for (const QString& name : lists_.File1->selectedNames()) {
        const QString path = pathOf(name);
        ExeCmd::WaitForSumfix(path);
        const health::FileFacts facts = health::readFacts(path);
        if (facts.shape == health::FileFacts::Shape::Circuit && !facts.trailerOk) {
            names << name;
            paths << path;
        }
    }
    if (paths.isEmpty()) {
        services_.dialogs().message(tr("No selected circuit has a wrong checksum."));
        return;
    }
    if (!backedUpReplacingLinks(services_, QStringLiteral("Repair checksum"), paths))
        return;
    applyEach(
        names, paths, [](const QString& path) { return checksum::writeTrailer(path); },
        tr("These checksums could not be written."),
        //: Counted in "2 checksums were repaired: …", after the number.
        {tr("checksum was"), tr("checksums were")},
        //: "2 checksums were repaired: A.DAT, B.DAT."
        tr("%1 repaired: %2."), tr("Repair checksum"));
}

void CircuitFixes::InstallTextures_Click() {
    // The places still missing now, each once, from every selected circuit's list.
    const QString gameDir = services_.bas().Gp2Dir;
    QStringList entries;
    gamepath::Listings listings;
    for (const QString& name : lists_.File1->selectedNames()) {
        const health::FileFacts facts = health::readFacts(pathOf(name));
        for (const QString& entry : facts.textures)
            if (isSafeTextureName(entry) && !entries.contains(entry, Qt::CaseInsensitive) &&
                !textureInstalled(gamepath::join(gameDir, entry, listings)))
                entries << entry;
    }
    if (entries.isEmpty()) {
        services_.dialogs().message(
            tr("The selected circuits lack no texture the game folder could hold."));
        return;
    }
    const QString archive =
        installer_.chooseArchive(tr("Archive with the missing textures"));
    if (archive.isEmpty())
        return;
    installer_.installTextures(archive, entries);
    lists_.File1->refresh();
}

void CircuitFixes::DeleteDuplicate_Click() {
    // The copies of each circuit as they are now: a file changed since the column was filled
    // is no one's twin any more.
    QHash<QByteArray, QStringList> copies;
    QHash<QString, QByteArray> hashOf;
    // Names that lead to one file on disk (a link and its target, hard links) are one copy.
    QHash<QString, nativenames::FileId> idOf;
    for (const QString& name : lists_.File1->duplicateNames()) {
        QByteArray bytes;
        QString error;
        const nativenames::FileId id = nativenames::fileId(pathOf(name));
        if (!id.valid() || !health::readCircuitBytes(pathOf(name), &bytes, &error))
            continue;
        idOf.insert(name, id);
        const health::FileFacts facts = health::factsOf(bytes);
        if (facts.shape != health::FileFacts::Shape::Circuit)
            continue;
        const QByteArray hash = trackdata::hash(bytes);
        copies[hash] << name;
        hashOf.insert(name, hash);
    }
    const auto copiesOnDisk = [&idOf](const QStringList& names) {
        QList<nativenames::FileId> ids;
        for (const QString& n : names)
            if (!ids.contains(idOf.value(n)))
                ids << idOf.value(n);
        return ids.size();
    };
    QStringList chosen;
    for (const QString& name : lists_.File1->selectedNames())
        if (hashOf.contains(name) && copiesOnDisk(copies.value(hashOf.value(name))) > 1)
            chosen << name;
    if (chosen.isEmpty()) {
        services_.dialogs().message(
            tr("No selected circuit is the same circuit as another file."));
        return;
    }
    // One copy of each circuit always stays: the first of them that is not chosen, else the
    // first of them; a name that leads to the file kept is never deleted with it.
    QStringList doomed, items;
    bool anyInUse = false;
    const QString& shownFile = services_.bas().CurrentFile;
    bool shownDoomed = false;
    for (const QString& name : std::as_const(chosen)) {
        const QStringList& group = copies.value(hashOf.value(name));
        QString kept = group.first();
        for (const QString& other : group)
            if (!chosen.contains(other)) {
                kept = other;
                break;
            }
        if (idOf.value(kept) == idOf.value(name))
            continue;
        doomed << name;
        QString item = tr("%1 (the circuit stays as %2)").arg(name, kept);
        for (int slot = 1; slot <= kSlotCount; ++slot)
            if (slotList_.lineUp().at(slot).file.compare(name, Qt::CaseInsensitive) == 0) {
                //: Added to "X.DAT (the circuit stays as Y.DAT)" in the list of duplicates.
                item += tr(", waiting for Export into slot %1").arg(slot);
                anyInUse = true;
            }
        shownDoomed |= !shownFile.isEmpty() && QFileInfo(shownFile).canonicalFilePath() ==
                                                   QFileInfo(pathOf(name)).canonicalFilePath();
        items << item;
    }
    // The packs keep their own copies; the question says which packs hold each circuit.
    const QList<QStringList> usedBy = lists_.File1->packsUsing(doomed);
    for (qsizetype i = 0; i < doomed.size(); ++i)
        if (!usedBy.at(i).isEmpty())
            items[i] += QStringLiteral(", ") +
                        //: Stands for the file in "…, which is used by the track pack A".
                        packusage::usedByText(tr("which"), usedBy.at(i)).chopped(1);
    if (doomed.isEmpty()) {
        services_.dialogs().message(
            tr("Nothing was deleted: the selected files are the only copies of their "
               "circuits."));
        return;
    }
    QString question =
        tr("Delete %1? Each circuit stays in the collection as the file named beside it.")
            //: Counted in "Delete 2 duplicates?", after the number.
            .arg(countOf(doomed.size(), tr("duplicate"), tr("duplicates")));
    if (anyInUse)
        question += Gp2PsoBas::CrLf2 +
                    tr("A slot waits for a file deleted here: Export would leave that slot as it "
                       "is in the game.");
    if (!services_.dialogs().askYesNoList(question, items))
        return;
    if (shownDoomed && !panel_.mayLeave())
        return;
    QStringList paths;
    for (const QString& name : std::as_const(doomed))
        paths << pathOf(name);
    if (!backedUpReplacingLinks(services_, QStringLiteral("Delete duplicates"), paths))
        return;
    applyEach(
        doomed, paths,
        [](const QString& path) {
            QString error;
            return nativenames::remove(path, &error) ? QString() : error;
        },
        tr("These files could not be deleted."),
        //: Counted in "2 duplicates were deleted: …", after the number.
        {tr("duplicate was"), tr("duplicates were")},
        //: "2 duplicates were deleted: A.DAT, B.DAT."
        tr("%1 deleted: %2."), tr("Delete duplicates"));
}

} // namespace pistaro
