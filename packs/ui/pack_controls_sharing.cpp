// Shareable packs: Export pack writes a saved pack as a small text file (packs/shared_pack.h)
// that another player's Import pack reads, finding each circuit in the collection by its track
// data whatever its file name, and making the pack from those found.
#include "packs/ui/pack_controls.h"

#include "packs/circuit_content.h"
#include "packs/pack_folder.h"
#include "packs/pack_name.h"
#include "packs/shared_pack.h"
#include "packs/slot_entry.h"
#include "packs/ui/status_shown.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/replace_file.h"
#include "storage/gp2psobas.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "ui/backed_up.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>

#include <algorithm>

namespace pistaro {

namespace {

const QString kFilter = QStringLiteral("Track pack files|*.pack.txt|All files|*");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The circuits folder's files by content, with the count of files read in the Status window.
circuitcontent::Index indexWithProgress(const QString& circuits, StatusSink& status) {
    return circuitcontent::byContent(circuits, [&status](qsizetype done, qsizetype total) {
        if (done % 25 != 0)
            return;
        status.setLine2(QStringLiteral("Reading circuits: %1 of %2").arg(done).arg(total));
        status.pump();
    });
}

// "Monza 2001 (monza2001.dat), slot 3": how a circuit of a pack file is named to the player.
QString slotLine(const sharedpack::Slot& s) {
    const QString track = s.track.isEmpty() ? s.file : s.track;
    return QStringLiteral("Slot %1: %2 (%3)").arg(s.slot).arg(track, s.file);
}

} // namespace

void PackControls::ExportPack_Click() {
    const QString circuits = circuitsFolder();
    const QString name = packSpelling(acceptedPackName());
    if (name.isEmpty()) {
        services_.dialogs().message(QStringLiteral("Choose a saved Track Pack to export."));
        return;
    }
    const QString folder = packFolder(circuits, name);
    if (!QFileInfo(folder).isDir()) {
        services_.dialogs().message(QStringLiteral("The Track Pack '") + name +
                                    QStringLiteral("' was not found:") + Gp2PsoBas::CrLf +
                                    shown(folder));
        return;
    }
    const QString target = services_.dialogs().saveFile(QStringLiteral("Export pack"),
                                                        name + QStringLiteral(".pack.txt"), kFilter,
                                                        QStringLiteral("txt"));
    if (target.isEmpty())
        return;
    CommandSummary summary;
    sharedpack::Pack pack{name, {}};
    {
        StatusShown busy(services_.window(), services_.status());
        const circuitcontent::Index index = indexWithProgress(circuits, services_.status());
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString path = gamepath::join(folder, slotFileName(slot));
            QFile file(path);
            if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
                summary.failed(QStringLiteral("These slots are missing from the pack, or could "
                                              "not be read, and were left out:"),
                               QStringLiteral("Slot %1: ").arg(slot) + shown(path));
                continue;
            }
            const QByteArray bytes = file.read(sharedpack::MaxCircuitLength + 1);
            const QByteArray hash = trackdata::hash(bytes);
            if (hash.isEmpty() || bytes.size() > sharedpack::MaxCircuitLength) {
                summary.failed(QStringLiteral("These slots hold no circuit and were left out:"),
                               QStringLiteral("Slot %1: ").arg(slot) + shown(path));
                continue;
            }
            // The collection's name for the circuit tells the other player what to look for;
            // a circuit no longer in the collection keeps the pack's own name for it.
            const QString collectionName = circuitcontent::preferredName(index.value(hash));
            const CircuitInfo circuit = catalogue::readCircuit(services_.bas(), path);
            pack.entries << sharedpack::Slot{slot,
                                             collectionName.isEmpty() ? slotFileName(slot)
                                                                      : collectionName,
                                             circuit.shownName(),
                                             bytes.size(),
                                             hash,
                                             lists_.tagsOfContent(hash)};
        }
    }
    if (pack.entries.isEmpty()) {
        summary.show(services_.dialogs(), QStringLiteral("The Track Pack '") + name +
                                              QStringLiteral("' holds no circuit to export."));
        return;
    }
    const CopyResult written = writeReplacing(target, sharedpack::write(pack));
    if (!written.ok) {
        services_.dialogs().message(notWrittenMessage(target, written.error));
        return;
    }
    summary.done(
        countOf(pack.entries.size(), QStringLiteral("slot was"), QStringLiteral("slots were")) +
        QStringLiteral(" written to ") + shown(target) + QStringLiteral("."));
    summary.show(services_.dialogs(),
                 QStringLiteral("The Track Pack '") + name +
                     (summary.clean() ? QStringLiteral("' was exported.")
                                      : QStringLiteral("' was exported in part.")));
}

void PackControls::ImportPack_Click() {
    const QString preset = QStringLiteral("*.pack.txt");
    const QString chosen = services_.dialogs().openFile(QStringLiteral("Import pack"), preset,
                                                        kFilter, QStringLiteral("txt"));
    if (chosen.isEmpty() || chosen == preset)
        return;
    QFile file(chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        services_.dialogs().message(shown(chosen) + QStringLiteral(" couldn't be read: ") +
                                    file.errorString());
        return;
    }
    // A file of any size is refused after its first bytes beyond the limit.
    sharedpack::Error error;
    const std::optional<sharedpack::Pack> read =
        sharedpack::read(file.read(sharedpack::MaxFileSize + 1), &error);
    if (!read) {
        services_.dialogs().message(shown(chosen) +
                                    QStringLiteral(" is not a track pack file Pistaro can read. "
                                                   "Nothing was changed.") +
                                    Gp2PsoBas::CrLf2 + error.text());
        return;
    }
    const sharedpack::Pack& pack = *read;
    QString name = packSpelling(pack.name);
    const QString circuits = circuitsFolder();
    if (SelectedPack->findText(name, Qt::MatchFixedString) >= 0 ||
        QFileInfo(packFolder(circuits, name)).isDir()) {
        if (!services_.dialogs().askYesNo(QStringLiteral("The Track Pack '") + name +
                                          QStringLiteral("' already exists, replace it ?")))
            return;
    }
    // Each slot's circuit: a file of the collection with the same track data.
    QStringList sources(kSlotCount + 1);
    CommandSummary summary;
    {
        StatusShown busy(services_.window(), services_.status());
        const circuitcontent::Index index = indexWithProgress(circuits, services_.status());
        for (const sharedpack::Slot& s : pack.entries) {
            sources[s.slot] = circuitcontent::preferredName(index.value(s.hash));
            if (sources[s.slot].isEmpty())
                summary.failed(QStringLiteral("These circuits are not in your collection; their "
                                              "slots are left empty in the pack:"),
                               slotLine(s));
        }
    }
    const int found = int(std::count_if(sources.cbegin(), sources.cend(),
                                        [](const QString& s) { return !s.isEmpty(); }));
    if (found == 0) {
        summary.show(services_.dialogs(),
                     QStringLiteral("None of the circuits of the Track Pack '") + name +
                         QStringLiteral("' is in your collection. Nothing was changed."));
        return;
    }
    // The pack becomes what the file says: slots it does not fill lose an older file.
    const QString folder = packFolder(circuits, name);
    QStringList targets;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        targets << gamepath::join(folder, slotFileName(slot));
    if (!backedUp(services_, QStringLiteral("Import Pack ") + name, targets))
        return;
    if (!QDir().mkpath(folder))
        summary.failed(shown(folder) + QStringLiteral(" couldn't be made."));
    int copied = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const QString& target = targets.at(slot - 1);
        QString error;
        if (sources.at(slot).isEmpty()) {
            if (QFileInfo::exists(target) && !QFile::remove(target))
                summary.failed(QStringLiteral("These files of the older pack couldn't be "
                                              "deleted:"),
                               shown(target));
            continue;
        }
        const QString source = gamepath::join(circuits, sources.at(slot));
        if (copyReplacing(source, target, &error))
            ++copied;
        else
            summary.failed(QStringLiteral("These circuits couldn't be copied into the pack:"),
                           shown(source) + QStringLiteral(": ") + error);
    }
    if (copied > 0)
        summary.done(
            countOf(copied, QStringLiteral("circuit was"), QStringLiteral("circuits were")) +
            QStringLiteral(" found and copied into ") + shown(folder) + QStringLiteral("."));
    listPack(name);
    UpdTp->setEnabled(true);
    summary.show(services_.dialogs(),
                 QStringLiteral("The Track Pack '") + name +
                     (summary.clean() ? QStringLiteral("' was imported.")
                                      : QStringLiteral("' was imported in part.")));
    // The sender's tags of the circuits found, which the player may take.
    QList<std::pair<QString, QStringList>> tags;
    for (const sharedpack::Slot& s : pack.entries)
        if (!s.tags.isEmpty() && !sources.at(s.slot).isEmpty())
            tags.append({sources.at(s.slot), s.tags});
    lists_.offerTags(tags);
}

} // namespace pistaro
