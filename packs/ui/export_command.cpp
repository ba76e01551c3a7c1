// Export to the game: the assigned circuits are copied over the slot files, the menu names and
// lap counts go into GP2.EXE, the menu pictures of every changed slot into the picture
// archive, and the pending state is cleared. A failing step does not stop the export.
#include "packs/ui/exporter.h"

#include "gamedir/exe_cmd.h"
#include "packs/copy_failure_message.h"
#include "packs/game_exe_names.h"
#include "packs/gp2hipic.h"
#include "packs/names_area.h"
#include "packs/slot_entry.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/replace_file.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/file_list_box.h"
#include "trackfile/ui/main_form.h"
#include "trackfile/ui/masked_field.h"
#include "trackfile/ui/track_info_panel.h"
#include "trackfile/val.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <stdexcept>

namespace {

QString circuitsPath(const QString& gp2Dir, const QString& name) {
    return gamepath::join(gp2Dir, QStringLiteral("Circuits/") + name);
}

} // namespace

bool Exporter::anythingPending() const {
    const CircuitLists& lists = form_.lists();
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (!lists.SlotFile[slot].isEmpty() || lists.SlotChanged[slot])
            return true;
    return false;
}

void Exporter::Export_Click() {
    QCoreApplication::processEvents();
    if (!anythingPending()) {
        form_.dialogs().message(QStringLiteral("Nothing to export !!!"));
        return;
    }
    if (!form_.dialogs().askYesNo(QStringLiteral("Update your Gp2 files on selected circuits ?")))
        return;
    Gp2PsoBas& bas = form_.bas();
    CircuitLists& lists = form_.lists();
    StatusSink& status = form_.status();
    ignoreFailure("changing to the program folder", [&] {
        if (!QDir::setCurrent(bas.AppDir))
            throw std::runtime_error("cannot change to " + bas.AppDir.toStdString());
    });

    form_.window()->hide();
    status.setLine1(QStringLiteral("Please wait..."));
    status.setLine2(QString());
    status.showStatus();
    status.setLine2(QStringLiteral("Exporting menu names... "));
    status.pump();

    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (!lists.SlotFile[slot].isEmpty())
            ignoreFailure("copying a circuit into its slot", [&] { copySlot(slot); });
    ignoreFailure("writing the menu names into GP2.EXE", [&] { writeMenuNames(); });

    status.setLine1(QStringLiteral("Updating menu picture... "));
    status.pump();
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (lists.SlotChanged[slot])
            ignoreFailure("rewriting the menu pictures of a slot", [&] { rewritePictures(slot); });
    ignoreFailure("deleting the View Pack files", [&] { deleteViewPackFiles(); });

    status.setLine2(QStringLiteral("Done."));
    status.pump();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        lists.SlotChanged[slot] = false;
        lists.SlotFile[slot].clear();
    }
    status.hideStatus();
    form_.window()->show();
    form_.dialogs().message(QStringLiteral("Gp2 Updated !!!"));
}

void Exporter::copySlot(int slot) {
    Gp2PsoBas& bas = form_.bas();
    CircuitLists& lists = form_.lists();
    StatusSink& status = form_.status();
    const QString assigned = lists.SlotFile[slot];
    status.setLine1(QString::number(slot) + QStringLiteral(" ") + assigned);
    status.setLine2(QStringLiteral("Copying... "));
    status.pump();

    const QString source = circuitsPath(bas.Gp2Dir, assigned);
    const QString target = circuitsPath(bas.Gp2Dir, slotFileName(slot));
    // A checksum run still busy with either file would leave a stale trailer behind.
    ExeCmd::WaitForSumfix(source);
    ExeCmd::WaitForSumfix(target);
    const CopyResult copied = copyOver(source, target);
    if (!copied.ok)
        form_.dialogs().message(copyFailureMessage(bas.Gp2Dir, slot, copied));

    // The entry shows the circuit now in the slot. When the copy failed that is still the
    // game's own: the menu name and lap count written next must be those of the circuit the
    // game will run, not of one that never got there.
    bas.CurrentFile = copied.ok ? lists.File1->path() + gamepath::sep() + assigned : target;
    form_.GetInfo();
    TrackInfoPanel& panel = form_.panel();
    if (QListWidgetItem* entry = lists.List1->item(slot - 1)) {
        entry->setText(slotEntryText(slot, kMarkerNone, panel.Track->text(), panel.Country->text()));
        entry->setData(Qt::UserRole, valOf(maskedDigits(panel.Laps)));
    }
}

void Exporter::writeMenuNames() {
    const QListWidget* list = form_.lists().List1;
    // Without all 16 entries the game's menu would get blank names.
    if (list->count() != kSlotCount)
        throw std::runtime_error("the slot list does not hold 16 entries");
    QStringList names, countries;
    QList<int> laps;
    for (int row = 0; row < kSlotCount; ++row) {
        const QListWidgetItem* entry = list->item(row);
        names << slotEntryTrack(entry->text());
        countries << slotEntryCountry(entry->text());
        laps << entry->data(Qt::UserRole).toInt();
    }
    const ExeNamesResult result = writeExeNames(form_.bas(), names, countries, laps);
    // Otherwise "Gp2 Updated !!!" would be the only word on a game menu left as it was.
    if (!result.error.isEmpty())
        form_.dialogs().message(
            QStringLiteral("Couldn't write the menu names into ") +
            QDir::toNativeSeparators(gamepath::join(form_.bas().Gp2Dir, QStringLiteral("gp2.exe"))) +
            QStringLiteral(" !!!") + Gp2PsoBas::CrLf2 + result.error);
    if (result.written && !result.refusedSlots.isEmpty())
        form_.dialogs().message(refusedLapsMessage(result.refusedSlots));
}

void Exporter::rewritePictures(int slot) {
    Gp2PsoBas& bas = form_.bas();
    CircuitLists& lists = form_.lists();
    StatusSink& status = form_.status();

    bas.CurrentFile = circuitsPath(bas.Gp2Dir, slotFileName(slot));
    form_.GetInfo();
    TrackInfoPanel& panel = form_.panel();
    if (QListWidgetItem* entry = lists.List1->item(slot - 1))
        entry->setText(slotEntryText(slot, kMarkerNone, panel.Track->text(), panel.Country->text()));

    status.setLine2(QString::number(slot) + QStringLiteral(" ") + lists.SlotFile[slot]);
    status.pump();
    handOverPicture(1, gp2hipic::pictureNumber(slot, 1));
    status.setLine2(QStringLiteral(" - ") + status.line2() + QStringLiteral(" - "));
    status.pump();
    handOverPicture(2, gp2hipic::pictureNumber(slot, 2));
}

void Exporter::handOverPicture(int which, int picture) {
    const Gp2PsoBas& bas = form_.bas();
    const QString handOver = gp2hipic::handOverPath(bas.Gp2Dir);
    const QString fallback = bas.AppDir + gamepath::sep() +
                             (which == 2 ? QStringLiteral("na2.bmp") : QStringLiteral("na1.bmp"));
    const QString named = form_.menuPictureField(which)->text();
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
        reportIgnoredFailure("handing over the default menu picture", qPrintable(copied.error));
        return;
    }
    const QString failed = ExeCmd::RunAndWait(
        gp2hipic::program(bas.AppDir),
        gp2hipic::replaceArguments(bas.Gp2Dir, bas.QuickUpdate, picture), bas.Gp2Dir);
    if (!failed.isEmpty())
        reportIgnoredFailure("replacing a menu picture", qPrintable(failed));
}

void Exporter::deleteViewPackFiles() {
    QDir circuits(gamepath::join(form_.bas().Gp2Dir, QStringLiteral("circuits")));
    // Name filters match without regard to case unless asked otherwise.
    for (const QString& name : circuits.entryList({QStringLiteral("tmp*.tmp")}, QDir::Files))
        if (!circuits.remove(name))
            reportIgnoredFailure("deleting a View Pack file", qPrintable(name));
}
