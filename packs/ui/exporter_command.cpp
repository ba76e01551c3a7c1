// Export to the game: the assigned circuits are copied over the slot files, the menu names and
// lap counts go into GP2.EXE, the menu pictures of every changed slot into the picture
// archive, and the pending state is cleared. The files it changes are saved first. A slot file
// or GP2.EXE that cannot be written puts the game back from that backup, as it was; another
// failing step does not stop the export, and the closing summary says what was done and, once
// per cause, what was not.
#include "packs/ui/exporter.h"

#include "gamedir/exe_cmd.h"
#include "gamedir/game_backup.h"
#include "packs/copy_failure_message.h"
#include "packs/game_exe_names.h"
#include "packs/gp2hipic.h"
#include "packs/names_area.h"
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/native_names.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/backed_up.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace pistaro {

Exporter::Exporter(WindowServices& services, CircuitLists& lists, SlotList& slotList,
                   QWidget* parent)
    : QObject(parent), services_(services), lists_(lists), slotList_(slotList) {
    setObjectName(QStringLiteral("Exporter"));
    Export = named(new QPushButton(tr("&Export to Gp2"), parent), "Export");
    Export->setToolTip(tr("Export circuits to Gp2"));
    connect(Export, &QPushButton::clicked, this, GUARDED_COMMAND(Export_Click));
}

namespace {

QString circuitsPath(const QString& gp2Dir, const QString& name) {
    return gamepath::join(gp2Dir, QStringLiteral("Circuits/") + name);
}

QString shown(const QString& path) {
    return shown::path(path);
}

} // namespace

bool Exporter::anythingPending() const {
    return slotList_.lineUp().anythingPending();
}

void Exporter::Export_Click() {
    QCoreApplication::processEvents();
    if (!anythingPending()) {
        services_.dialogs().message(tr("Nothing to export: no slot has a circuit "
                                       "or a menu picture waiting."));
        return;
    }
    if (!services_.dialogs().askYesNo(tr("Update your Gp2 files on selected circuits?")))
        return;
    writeToGame(true);
}

bool Exporter::ExportUnasked() {
    QCoreApplication::processEvents();
    holdReport_ = true;
    const bool written = !anythingPending() || writeToGame(false);
    holdReport_ = false;
    return written;
}

void Exporter::showHeldReport() {
    if (heldHeadline_.isEmpty())
        return;
    const QString headline = std::exchange(heldHeadline_, QString());
    std::exchange(held_, CommandSummary()).show(services_.dialogs(), headline);
}

bool Exporter::writeToGame(bool reportClean) {
    if (!backUp())
        return false;
    int assigned = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        assigned += slotList_.lineUp().at(slot).file.isEmpty() ? 0 : 1;
    Gp2PsoBas& bas = services_.bas();
    const LineUp& lineUp = slotList_.lineUp();
    StatusSink& status = services_.status();
    ignoreFailure("changing to the program folder", [&] {
        if (!QDir::setCurrent(bas.AppDir))
            throw std::runtime_error("cannot change to " + bas.AppDir.toStdString());
    });

    stopped_.clear();
    status.setLine1(tr("Please wait..."));
    status.setLine2(QString());
    status.showStatus();
    status.setLine2(tr("Exporting menu names... "));
    status.pump();

    const LineUp before = lineUp;
    ReplaceBatch slotFiles; // the slot files reach the disk together, then go in
    for (int slot = 1; slot <= kSlotCount && !writeFailed_; ++slot)
        if (!lineUp.at(slot).file.isEmpty())
            ignoreFailure("copying a circuit into its slot", [&] { copySlot(slot, slotFiles); });
    if (!keptExe(before))
        return false;
    if (!writeFailed_)
        placeSlotFiles(slotFiles);
    if (!writeFailed_)
        ignoreFailure("writing the menu names into GP2.EXE", [&] { writeMenuNames(); });
    if (writeFailed_) {
        // A game half of the old and half of the new line-up is neither.
        putGameBack(before);
        return false;
    }
    // The catalogue rows of the circuits now in the slots come once the game's files are all
    // written, all or none per database: a put-back leaves no rows of a line-up the game never
    // got, and rows that could not be kept are said.
    QList<CircuitInfo> inSlots;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (!lineUp.at(slot).file.isEmpty())
            inSlots << lineUp.at(slot).circuit;
    const QString rowsFailed = catalogue::ensureTrackRows(bas, inSlots);
    if (!rowsFailed.isEmpty())
        summary_.failed(
            tr("The exported circuits were not added to the catalogue: %1").arg(rowsFailed));

    status.setLine1(tr("Updating menu picture... "));
    status.pump();
    bool anyPictures = false;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        anyPictures = anyPictures || lineUp.at(slot).changed;
    picturesBlocked_ = anyPictures ? picturesBlocked() : QString();
    if (!picturesBlocked_.isEmpty())
        summary_.failed(picturesBlocked_);
    for (int slot = 1; slot <= kSlotCount && stopped_.isEmpty(); ++slot)
        if (lineUp.at(slot).changed)
            ignoreFailure("rewriting the menu pictures of a slot", [&] { rewritePictures(slot); });
    ignoreFailure("deleting the View Pack files", [&] { deleteViewPackFiles(); });
    // The hand-over picture is the tool's scratch file; the backup holds what was there before.
    const QString handOver = gp2hipic::handOverPath(bas.Gp2Dir);
    if (QFileInfo::exists(handOver) && !QFile::remove(handOver))
        reportIgnoredFailure("deleting the hand-over picture", qPrintable(shown(handOver)));
    if (!stopped_.isEmpty()) {
        // Goes no further: the slots stay as they are, to be exported again.
        backup_.reset();
        status.hideStatus();
        services_.dialogs().message(stopped_);
        return false;
    }

    status.setLine2(tr("Done."));
    status.pump();
    slotList_.clearPending();
    status.hideStatus();
    if (copied_ > 0)
        summary_.done(
            (copied_ == 1 ? tr("%1 copied into its slot.") : tr("%1 copied into their slots."))
                //: Counted in "3 circuits were copied into their slots.", after the number.
                .arg(countOf(copied_, tr("circuit was"), tr("circuits were"))));
    if (namesWritten_)
        summary_.done(tr("The menu names and lap counts were written into GP2.EXE."));
    if (pictured_ > 0)
        summary_.done(
            tr("The menu pictures of %1 changed.")
                //: Counted in "The menu pictures of 2 slots were changed.", after the number.
                .arg(countOf(pictured_, tr("slot were"), tr("slots were"))));
    const bool written = copied_ == assigned && (assigned == 0 || namesWritten_);
    if (reportClean || !summary_.clean()) {
        const QString headline = summary_.clean()          ? tr("Gp2 updated.")
                                 : summary_.anythingDone() ? tr("Gp2 was updated in part.")
                                                           : tr("Gp2 was not updated.");
        if (holdReport_ && written) {
            held_ = summary_;
            heldHeadline_ = headline;
        } else {
            summary_.show(services_.dialogs(), headline);
        }
    }
    backup_.reset();
    return written;
}

void Exporter::putGameBack(const LineUp& before) {
    services_.status().hideStatus();
    const QStringList left = putBack(services_, *backup_);
    backup_.reset();
    slotList_.putBack(before);
    if (left.isEmpty()) {
        summary_.show(services_.dialogs(),
                      tr("Gp2 was not updated: a file could not be written, so the game was put "
                         "back as it was."));
        return;
    }
    summary_.failed(putBackFailedText(left));
    summary_.show(services_.dialogs(), tr("Gp2 was updated in part."));
}

QString Exporter::picturesBlocked() const {
    const Gp2PsoBas& bas = services_.bas();
    const QString program = gp2hipic::program(bas.AppDir);
    if (!QFileInfo(program).isFile())
        return tr("Menu pictures were not changed: gp2hipic is not set up. See "
                  "Help > Outside programs.");
    const QString error = ExeCmd::Prepare(program, {}, bas.Gp2Dir, {bas.AppDir}).error;
    return error.isEmpty() ? QString() : tr("Menu pictures were not changed: %1").arg(error);
}

bool Exporter::backUp() {
    const Gp2PsoBas& bas = services_.bas();
    const LineUp& lineUp = slotList_.lineUp();
    summary_ = {};
    copied_ = 0;
    pictured_ = 0;
    namesWritten_ = false;
    writeFailed_ = false;
    QStringList files;
    // The files on disk of the slot files written over (one stat each, links followed; a
    // missing one has no id).
    QList<nativenames::FileId> targets;
    bool pictures = false;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!lineUp.at(slot).file.isEmpty()) {
            const QString target = circuitsPath(bas.Gp2Dir, slotFileName(slot));
            files << target;
            targets << nativenames::fileId(target);
        }
        pictures = pictures || lineUp.at(slot).changed;
    }
    if (pictures)
        files << gp2hipic::archivePath(bas.Gp2Dir) << gp2hipic::handOverPath(bas.Gp2Dir);
    const QDir circuits(gamepath::join(bas.Gp2Dir, QStringLiteral("circuits")));
    for (const QString& name : circuits.entryList({QStringLiteral("tmp*.tmp")}, QDir::Files))
        files << circuits.filePath(name);

    // GP2.EXE is saved whole; it is never made when it is missing. It is kept once the slot
    // files are copied beside their places: hashing its 5.7 MB goes on meanwhile.
    const QString exe = gamepath::join(bas.Gp2Dir, QStringLiteral("gp2.exe"));
    exe_ = QFileInfo(exe).isFile() ? exe : QString();

    backup_.emplace(gamebackup::backupsFolder(bas), QStringLiteral("Export"));
    gamebackup::Backup& backup = *backup_;
    if (!mayChange(services_, backup, QStringLiteral("Export"),
                   exe_.isEmpty() ? files : files + QStringList{exe_})) {
        backup_.reset();
        return false;
    }
    if (!exe_.isEmpty())
        backup.readAhead({exe_});
    // The manifest reaches the disk with GP2.EXE's line (keptExe), before any game file
    // changes: one wait for the disk, not two.
    QString error;
    if (!backup.keepForNow(files, &error)) {
        backup_.reset();
        return backupNotWritten(services_, QStringLiteral("Export"), error);
    }
    // A circuit assigned from a slot file that this export writes over is copied from the
    // saved copy, so a swap of two slots gives each the other's old circuit.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        sources_[slot].clear();
        if (lineUp.at(slot).file.isEmpty())
            continue;
        const QString source = circuitsPath(bas.Gp2Dir, lineUp.at(slot).file);
        const nativenames::FileId id = nativenames::fileId(source);
        const qsizetype at = id.valid() ? targets.indexOf(id) : -1;
        const QString saved = at < 0 ? QString() : backup.copyOf(files.at(at));
        sources_[slot] = saved.isEmpty() ? source : saved;
    }
    return true;
}

bool Exporter::keptExe(const LineUp& before) {
    QString error;
    if (backup_->keep(exe_.isEmpty() ? QStringList() : QStringList{exe_}, &error))
        return true;
    // Nothing of the game was changed yet: the slot files wait beside their places.
    backup_->discard();
    backup_.reset();
    slotList_.putBack(before);
    return backupNotWritten(services_, QStringLiteral("Export"), error);
}

void Exporter::copySlot(int slot, ReplaceBatch& slotFiles) {
    Gp2PsoBas& bas = services_.bas();
    CircuitLists& lists = lists_;
    const LineUp& lineUp = slotList_.lineUp();
    StatusSink& status = services_.status();
    const QString assigned = lineUp.at(slot).file;
    status.setLine1(QString::number(slot) + QStringLiteral(" ") + assigned);
    status.setLine2(tr("Copying... "));
    status.pump();

    const QString source = sources_[slot];
    const QString target = circuitsPath(bas.Gp2Dir, slotFileName(slot));
    // A checksum run still busy with either file would leave a stale trailer behind.
    ExeCmd::WaitForSumfix(circuitsPath(bas.Gp2Dir, assigned));
    ExeCmd::WaitForSumfix(target);
    const CopyResult copied = slotFiles.copyOver(source, target, slot);
    if (copied.ok) {
        ++copied_;
    } else {
        summary_.failed(copyFailureCause(copied),
                        tr("Slot %1: %2 was not copied over %3: %4")
                            .arg(slot)
                            .arg(assigned, slotFileName(slot), copied.error));
        // A source that cannot be read leaves its slot as it was and the rest goes on; a slot
        // file that cannot be written undoes the export.
        writeFailed_ = QFileInfo(source).isReadable();
    }

    // The entry shows the circuit now in the slot. When the copy failed that is still the
    // game's own: the menu name and lap count written next must be those of the circuit the
    // game will run, not of one that never got there.
    slotList_.exported(slot, catalogue::readCircuit(bas, copied.ok ? lists.File1->path() +
                                                                         gamepath::sep() + assigned
                                                                   : target));
}

void Exporter::placeSlotFiles(ReplaceBatch& slotFiles) {
    // A slot file that cannot be synced or renamed in undoes the export, as one that cannot
    // be written does.
    for (const ReplaceBatch::Failure& failure : slotFiles.commit()) {
        const int slot = failure.tag;
        summary_.failed(
            copyFailureCause(failure.result),
            tr("Slot %1: %2 was not copied over %3: %4")
                .arg(slot)
                .arg(slotList_.lineUp().at(slot).file, slotFileName(slot), failure.result.error));
        writeFailed_ = true;
    }
}

void Exporter::writeMenuNames() {
    // Without all 16 entries the game's menu would get blank names.
    if (slotList_.List1->count() != kSlotCount)
        throw std::runtime_error("the slot list does not hold 16 entries");
    const LineUp& lineUp = slotList_.lineUp();
    QStringList names, countries;
    QList<int> laps;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        names << lineUp.menuName(slot);
        countries << lineUp.menuCountry(slot);
        laps << lineUp.at(slot).circuit.lapCount();
    }
    const ExeNamesResult result = writeExeNames(services_.bas(), names, countries, laps);
    if (!result.written) {
        writeFailed_ = result.writeFailed;
        summary_.failed(
            tr("The menu names and lap counts were not written into %1: %2")
                .arg(shown(gamepath::join(services_.bas().Gp2Dir, QStringLiteral("gp2.exe"))),
                     result.error));
        return;
    }
    namesWritten_ = true;
    if (!result.refusedSlots.isEmpty())
        summary_.failed(refusedLapsMessage(result.refusedSlots));
}

void Exporter::rewritePictures(int slot) {
    Gp2PsoBas& bas = services_.bas();
    const LineUp& lineUp = slotList_.lineUp();
    StatusSink& status = services_.status();

    // A slot a circuit was copied into shows it already, its rows added with the others'.
    const CircuitInfo circuit =
        lineUp.at(slot).file.isEmpty()
            ? catalogue::readSlotCircuit(bas, circuitsPath(bas.Gp2Dir, slotFileName(slot)))
            : lineUp.at(slot).circuit;
    slotList_.exported(slot, circuit);
    if (!picturesBlocked_.isEmpty())
        return;
    const QStringList pictures = catalogue::menuPictures(bas, circuit.track);
    status.setLine2(QString::number(slot) + QStringLiteral(" ") + lineUp.at(slot).file);
    status.pump();
    const QString item = tr("Slot %1: %2").arg(QString::number(slot), circuit.track);
    const bool large = handOverPicture(slot, 1, pictures.at(0), item);
    status.setLine2(QStringLiteral(" - ") + status.line2() + QStringLiteral(" - "));
    status.pump();
    const bool small = handOverPicture(slot, 2, pictures.at(1), item);
    if (large && small)
        ++pictured_;
}

bool Exporter::handOverPicture(int slot, int which, const QString& named, const QString& item) {
    if (!stopped_.isEmpty())
        return false;
    const int picture = gp2hipic::pictureNumber(slot, which);
    //: A slot's menu picture in a list: "Slot 3: Monza, small picture".
    const QString what = (which == 2 ? tr("%1, small picture") : tr("%1, large picture")).arg(item);
    const Gp2PsoBas& bas = services_.bas();
    const QString handOver = gp2hipic::handOverPath(bas.Gp2Dir);
    const QString fallback = bas.AppDir + gamepath::sep() +
                             (which == 2 ? QStringLiteral("na2.bmp") : QStringLiteral("na1.bmp"));
    // An empty field stands for the default picture. So does a picture file that cannot be
    // copied: the tool would otherwise put the previous picture into this place.
    CopyResult copied;
    if (!named.isEmpty())
        copied = copyOver(gamepath::resolve(named), handOver);
    if (!copied.ok) {
        if (!named.isEmpty())
            reportIgnoredFailure("handing over a menu picture", qPrintable(copied.error));
        copied = copyOver(fallback, handOver);
    }
    if (!copied.ok) {
        // Without a picture of its own the archive keeps the one it has.
        summary_.failed(tr("Menu pictures were not changed: the default picture %1 could not be "
                           "handed over: %2")
                            .arg(shown(fallback), copied.error),
                        what);
        return false;
    }
    const ExeCmd::RunResult run = ExeCmd::RunAndWait(
        gp2hipic::program(bas.AppDir),
        gp2hipic::replaceArguments(bas.Gp2Dir, bas.QuickUpdate, picture), bas.Gp2Dir, {bas.AppDir});
    if (run.stopped)
        stopped_ = run.problem(QStringLiteral("gp2hipic"));
    else if (!run.ok())
        summary_.failed(
            tr("Menu pictures were not changed: %1").arg(run.problem(QStringLiteral("gp2hipic"))),
            what);
    return run.ok();
}

void Exporter::deleteViewPackFiles() {
    QDir circuits(gamepath::join(services_.bas().Gp2Dir, QStringLiteral("circuits")));
    // Name filters match without regard to case unless asked otherwise.
    for (const QString& name : circuits.entryList({QStringLiteral("tmp*.tmp")}, QDir::Files))
        if (!circuits.remove(name))
            reportIgnoredFailure("deleting a View Pack file", qPrintable(name));
}

} // namespace pistaro
