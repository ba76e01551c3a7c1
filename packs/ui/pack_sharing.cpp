#include "packs/ui/pack_sharing.h"

#include "gamedir/backup_manifest.h"
#include "gamedir/backup_revert.h"
#include "gamedir/game_backup.h"
#include "packs/circuit_content.h"
#include "packs/pack_folder.h"
#include "packs/pack_name.h"
#include "packs/slot_entry.h"
#include "packs/ui/status_shown.h"
#include "platform/binfile.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "ui/backed_up.h"
#include "ui/window_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace pistaro {

namespace {

QString packFileFilter() {
    return QCoreApplication::translate("PackSharing", "Track pack files") +
           QStringLiteral("|*.pack.txt|") +
           QCoreApplication::translate("PackSharing", "All files") + QStringLiteral("|*");
}

QString shown(const QString& path) {
    return shown::path(path);
}

// The circuits folder's files by content, with the count of files read in the Status window;
// names that are no regular file are said in the summary, when one is given.
circuitcontent::Index indexWithProgress(const QString& circuits, StatusSink& status,
                                        CommandSummary* summary,
                                        const circuitcontent::SizeFilter& sizes = {}) {
    QStringList skipped;
    circuitcontent::Index index = circuitcontent::byContent(
        circuits,
        [&status](qsizetype done, qsizetype total) {
            if (done % 25 != 0)
                return;
            status.setLine2(QCoreApplication::translate("PackSharing", "Reading circuits: %1 of %2")
                                .arg(QString::number(done), QString::number(total)));
            status.pump();
        },
        &skipped, sizes);
    if (summary)
        for (const QString& name : std::as_const(skipped))
            summary->failed(QCoreApplication::translate(
                                "PackSharing", "These names in the circuits folder are no regular "
                                               "file (a pipe, a device or a socket) and were not "
                                               "read:"),
                            shown(gamepath::join(circuits, name)));
    return index;
}

// "Slot 3: Monza 2001 (monza2001.dat)": how a circuit of a pack file is named to the player.
QString slotLine(const sharedpack::Slot& s) {
    const QString track = s.track.isEmpty() ? s.file : s.track;
    return QCoreApplication::translate("PackSharing", "Slot %1: %2 (%3)")
        .arg(QString::number(s.slot), track, s.file);
}

} // namespace

void PackSharing::exportPack(const QString& circuits, const QString& name) {
    const QString folder = packFolder(circuits, name);
    if (!QFileInfo(folder).isDir()) {
        services_.dialogs().message(tr("The Track Pack '%1' was not found:").arg(name) +
                                    Gp2PsoBas::CrLf + shown(folder));
        return;
    }
    const QString target =
        services_.dialogs().saveFile(tr("Export pack"), name + QStringLiteral(".pack.txt"),
                                     packFileFilter(), QStringLiteral("txt"));
    if (target.isEmpty())
        return;
    CommandSummary summary;
    sharedpack::Pack pack{name, {}};
    {
        StatusShown busy(services_.window(), services_.status());
        const circuitcontent::Index index =
            indexWithProgress(circuits, services_.status(), &summary);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString path = gamepath::join(folder, slotFileName(slot));
            QFile file(path);
            if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
                summary.failed(tr("These slots are missing from the pack, or could not be read, "
                                  "and were left out:"),
                               tr("Slot %1: %2").arg(QString::number(slot), shown(path)));
                continue;
            }
            const QByteArray bytes = file.read(sharedpack::MaxCircuitLength + 1);
            const QByteArray hash = trackdata::hash(bytes);
            if (hash.isEmpty() || bytes.size() > sharedpack::MaxCircuitLength) {
                summary.failed(tr("These slots hold no circuit and were left out:"),
                               tr("Slot %1: %2").arg(QString::number(slot), shown(path)));
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
        summary.show(services_.dialogs(),
                     tr("The Track Pack '%1' holds no circuit to export.").arg(name));
        return;
    }
    const CopyResult written = writeReplacing(target, sharedpack::write(pack));
    if (!written.ok) {
        services_.dialogs().message(notWrittenMessage(target, written.error));
        return;
    }
    summary.done(
        tr("%1 written to %2.")
            //: Counted in "5 slots were written to …", after the number.
            .arg(countOf(pack.entries.size(), tr("slot was"), tr("slots were")), shown(target)));
    summary.show(services_.dialogs(),
                 (summary.clean() ? tr("The Track Pack '%1' was exported.")
                                  : tr("The Track Pack '%1' was exported in part."))
                     .arg(name));
}

std::optional<sharedpack::Pack> PackSharing::choosePackFile() {
    const QString preset = QStringLiteral("*.pack.txt");
    const QString chosen = services_.dialogs().openFile(tr("Import pack"), preset, packFileFilter(),
                                                        QStringLiteral("txt"));
    if (chosen.isEmpty() || chosen == preset)
        return std::nullopt;
    // Only a regular file is opened: reading a pipe would wait for a writer forever.
    if (!binfile::isRegularFile(chosen)) {
        services_.dialogs().message(tr("%1 is not a regular file (a pipe, a device or a folder, "
                                       "or gone). Nothing was changed.")
                                        .arg(shown(chosen)));
        return std::nullopt;
    }
    QFile file(chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        services_.dialogs().message(
            tr("%1 couldn't be read: %2").arg(shown(chosen), file.errorString()));
        return std::nullopt;
    }
    // A file of any size is refused after its first bytes beyond the limit.
    sharedpack::Error error;
    std::optional<sharedpack::Pack> read =
        sharedpack::read(file.read(sharedpack::MaxFileSize + 1), &error);
    if (!read)
        services_.dialogs().message(
            tr("%1 is not a track pack file Pistaro can read. Nothing was changed.")
                .arg(shown(chosen)) +
            Gp2PsoBas::CrLf2 + error.text());
    return read;
}

bool PackSharing::makePack(const QString& circuits, const sharedpack::Pack& pack,
                           const QString& name) {
    // Each slot's circuit: a file of the collection with the same track data.
    QStringList sources(kSlotCount + 1);
    QList<sharedpack::Slot> lacking;
    CommandSummary summary;
    {
        StatusShown busy(services_.window(), services_.status());
        const circuitcontent::Index index =
            indexWithProgress(circuits, services_.status(), &summary);
        for (const sharedpack::Slot& s : pack.entries) {
            sources[s.slot] = circuitcontent::preferredName(index.value(s.hash));
            if (sources[s.slot].isEmpty())
                lacking << s;
        }
    }
    if (lacking.size() == pack.entries.size()) {
        summary.show(services_.dialogs(),
                     tr("None of the circuits of the Track Pack '%1' is in your collection. "
                        "Nothing was changed.")
                         .arg(name));
        return false;
    }
    for (const sharedpack::Slot& s : std::as_const(lacking))
        summary.failed(tr("These circuits are not in your collection; their slots are left "
                          "empty, and the pack remembers them. ") +
                           completionHint(lacking.size()),
                       slotLine(s));
    // The pack becomes what the file says: slots it does not fill lose an older file, and what
    // an older import remembered is replaced too.
    const QString folder = packFolder(circuits, name);
    QStringList targets;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        targets << gamepath::join(folder, slotFileName(slot));
    const QString command = QStringLiteral("Import Pack ") + name;
    Gp2PsoBas& bas = services_.bas();
    gamebackup::Backup backup(gamebackup::backupsFolder(bas), command);
    if (!backedUp(services_, backup, command,
                  targets + QStringList{packWantedFile(circuits, name)}))
        return false;
    // Any file that could not be written puts the pack back as it was: a pack half of the old
    // and half of the new one is neither.
    QStringList notWritten;
    if (!QDir().mkpath(folder))
        notWritten << tr("%1 couldn't be made.").arg(shown(folder));
    int copied = 0;
    for (int slot = 1; slot <= kSlotCount && notWritten.isEmpty(); ++slot) {
        const QString& target = targets.at(slot - 1);
        QString error;
        if (sources.at(slot).isEmpty()) {
            if (QFileInfo::exists(target) && !QFile::remove(target))
                notWritten << tr("%1 (of the older pack) couldn't be deleted.").arg(shown(target));
            continue;
        }
        const QString source = gamepath::join(circuits, sources.at(slot));
        if (copyReplacing(source, target, &error))
            ++copied;
        else
            notWritten << tr("%1 couldn't be copied into the pack: %2").arg(shown(source), error);
    }
    if (notWritten.isEmpty())
        if (const QString error = writePackWanted(circuits, name, lacking); !error.isEmpty())
            notWritten << tr("The pack could not remember the circuits it lacks: %1").arg(error);
    if (!notWritten.isEmpty()) {
        const QStringList left = putBack(services_, backup);
        if (left.isEmpty()) {
            services_.dialogs().message(tr("The Track Pack '%1' was not imported: %2")
                                            .arg(name, notWritten.join(Gp2PsoBas::CrLf)) +
                                        Gp2PsoBas::CrLf2 + tr("The pack is left as it was."));
        } else {
            services_.dialogs().message(
                tr("The Track Pack '%1' was imported in part: %2")
                    .arg(name, notWritten.join(Gp2PsoBas::CrLf)) +
                Gp2PsoBas::CrLf2 +
                tr("Putting the pack back as it was failed too (%1). \"Restore last change\" puts "
                   "it back once the cause is removed.")
                    .arg(left.join(QStringLiteral("; "))));
        }
        return false;
    }
    if (copied > 0)
        summary.done(
            tr("%1 found and copied into %2.")
                //: Counted in "3 circuits were found and copied into …", after the number.
                .arg(countOf(copied, tr("circuit was"), tr("circuits were")), shown(folder)));
    summary.show(services_.dialogs(),
                 (summary.clean() ? tr("The Track Pack '%1' was imported.")
                                  : tr("The Track Pack '%1' was imported in part."))
                     .arg(name));
    // The sender's tags of the circuits found, which the player may take.
    QList<std::pair<QString, QStringList>> tags;
    for (const sharedpack::Slot& s : pack.entries)
        if (!s.tags.isEmpty() && !sources.at(s.slot).isEmpty())
            tags.append({sources.at(s.slot), s.tags});
    lists_.offerTags(tags);
    return true;
}

QStringList PackSharing::takeArrivedCircuits(const QString& circuits, const QStringList& packs,
                                             gamebackup::Backup& backup, const QString& command) {
    struct Wanting {
        QString pack;
        QList<MissingPackFile> lacking;
    };
    QList<Wanting> wanting;
    QSet<qint64> sizes;
    for (const QString& pack : packs) {
        if (!isSafePackName(pack))
            continue;
        Wanting w{pack, {}};
        for (const MissingPackFile& m : missingPackFiles(circuits, pack))
            if (m.isWanted()) {
                w.lacking << m;
                for (const qint64 size : circuitcontent::sizesOfSameData(m.wanted.length))
                    sizes.insert(size);
            }
        if (!w.lacking.isEmpty())
            wanting << w;
    }
    if (wanting.isEmpty())
        return {};
    // Only files that can hold a remembered circuit are read.
    const circuitcontent::Index index =
        indexWithProgress(circuits, services_.status(), nullptr,
                          [&sizes](qint64 size) { return sizes.contains(size); });
    QStringList lines;
    for (const Wanting& w : std::as_const(wanting)) {
        QStringList took, failed;
        for (const MissingPackFile& m : w.lacking) {
            const QString name = circuitcontent::preferredName(index.value(m.wanted.hash));
            if (name.isEmpty())
                continue;
            if (!backedUp(services_, backup, command, {m.path, packWantedFile(circuits, w.pack)}))
                return lines;
            QString error;
            if (copyReplacing(gamepath::join(circuits, name), m.path, &error))
                took << tr("slot %1 took %2").arg(QString::number(m.slot), name);
            else
                failed << tr("slot %1 could not take %2: %3")
                              .arg(QString::number(m.slot), name, error);
        }
        if (took.isEmpty() && failed.isEmpty())
            continue;
        // What the pack still remembers: the circuits of the slots still missing.
        QList<sharedpack::Slot> still;
        const QList<MissingPackFile> missing = missingPackFiles(circuits, w.pack);
        for (const MissingPackFile& m : missing)
            if (m.isWanted())
                still << m.wanted;
        if (const QString error = writePackWanted(circuits, w.pack, still); !error.isEmpty())
            failed << error;
        const QString done = (took + failed).join(QStringLiteral("; "));
        //: A pack that took circuits, then what it took: "Season 98 is complete: slot 7 took …".
        lines << (missing.isEmpty()
                      ? tr("%1 is complete: %2.").arg(w.pack, done)
                      : tr("%1: %2. It still lacks %3.")
                            .arg(w.pack, done,
                                 //: Counted in "… It still lacks 2 slots.", after the number.
                                 countOf(missing.size(), tr("slot"), tr("slots"))));
    }
    return lines;
}

} // namespace pistaro
