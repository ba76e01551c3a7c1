// The menu picture commands: storing the pictures of the panel's track, the previews, the
// leaving of a picture field with its slot marking, Import, Browse, Make, Clear and Defrag.
#include "packs/ui/menu_pictures.h"

#include "packs/ui/picture_view.h"

#include "gamedir/exe_cmd.h"
#include "packs/gp2hipic.h"
#include "packs/picture_file_name.h"
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/replace_file.h"
#include "storage/catalogue_names.h"
#include "storage/record_lookup.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/backed_up.h"
#include "ui/window_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

#include <stdexcept>

namespace pistaro {

namespace {

QString catalogueField(int which) {
    return which == 2 ? catalogue::MenuPicture2 : catalogue::MenuPicture;
}

QString defaultPicture(int which) {
    return which == 2 ? QStringLiteral("na2.bmp") : QStringLiteral("na1.bmp");
}

} // namespace

void MenuPictures::UpdateMaps() {
    const QString name = panel_.shownTrack();
    if (name.isEmpty())
        return;
    Recordset* editing = nullptr;
    ignoreFailure("storing the menu pictures", [&] {
        Recordset& maps = catalogue::requireOpen(services_.bas().MapsRs, catalogue::Maps);
        if (catalogue::seekName(maps, name))
            maps.edit();
        else
            maps.addNew();
        editing = &maps;
        maps.setValue(catalogue::Name, name);
        maps.setValue(catalogueField(1), MenuPicture->text());
        maps.setValue(catalogueField(2), MenuPicture2->text());
        maps.update();
        editing = nullptr;
    });
    // A record left half-written would be stored by the next unrelated update.
    if (editing)
        ignoreFailure("dropping the unsaved menu pictures", [&] { editing->cancelUpdate(); });
    GetBmp();
}

void MenuPictures::GetBmp() {
    for (int which : {1, 2})
        ignoreFailure("showing a menu picture", [&] { showPreview(which); });
}

void MenuPictures::showPreview(int which) {
    const QString file = field(which)->text();
    if (file.isEmpty()) {
        preview(which)->clear();
        return;
    }
    // A file that cannot be loaded leaves the preview as it was.
    QPixmap picture;
    if (!picture.load(gamepath::resolve(file)))
        throw std::runtime_error("cannot load " + QDir::toNativeSeparators(file).toStdString());
    preview(which)->setPixmap(picture);
}

void MenuPictures::clearPreviews() {
    Picture1->clear();
    Picture2->clear();
}

void MenuPictures::startEdit(int which) {
    editStart_ = field(which)->text().trimmed();
}

void MenuPictures::MenuPicture_LostFocus(int which) {
    QLineEdit* f = field(which);
    f->setText(f->text().trimmed());
    UpdateMaps();
    const int slot = slotList_.selectedSlot();
    if (slot == 0 || f->text() == editStart_)
        return;
    // Only when the panel shows the selected slot's circuit is the change that slot's.
    if (!slotList_.List1->item(slot - 1) ||
        slotList_.lineUp().menuName(slot) != panel_.shownTrack())
        return;
    slotList_.markPicture(slot);
}

void MenuPictures::ImportPicture_Click(int which) {
    QLineEdit* f = field(which);
    startEdit(which);
    f->setText(f->text().trimmed());
    ignoreFailure("importing a menu picture", [&] {
        Gp2PsoBas& bas = services_.bas();
        const int slot = slotList_.selectedSlot();
        if (slot == 0) {
            services_.dialogs().message(tr("Select one Gp2 circuit first."));
            return;
        }
        if (!f->text().isEmpty() &&
            !services_.dialogs().askYesNo(tr("Do you realy want to replace '%1' ?").arg(f->text())))
            return;
        const QString handOver = gp2hipic::handOverPath(bas.Gp2Dir);
        const QString pictureName = importedPictureFileName(panel_.shownTrack(), which);
        const QString target = gamepath::join(bas.Gp2Dir, QStringLiteral("Bitmaps/") + pictureName);
        if (!backedUp(services_, QStringLiteral("Import Menu Picture ") + pictureName,
                      {target, handOver}))
            return;
        // Removed for both pictures, so a failed extraction never passes on an older picture.
        QFile::remove(handOver);
        const ExeCmd::RunResult run = ExeCmd::RunAndWait(
            gp2hipic::program(bas.AppDir),
            gp2hipic::extractArguments(bas.Gp2Dir, gp2hipic::pictureNumber(slot, which)),
            bas.Gp2Dir, {bas.AppDir});
        // The field keeps its picture unless the game's picture really arrived.
        QString problem = run.problem(QStringLiteral("gp2hipic"));
        if (problem.isEmpty() && !QFileInfo(handOver).isFile())
            problem = tr("gp2hipic wrote no picture to %1").arg(QDir::toNativeSeparators(handOver));
        if (problem.isEmpty()) {
            const CopyResult copied = copyOver(handOver, target);
            if (!copied.ok)
                problem =
                    tr("cannot write %1: %2").arg(QDir::toNativeSeparators(target), copied.error);
        }
        if (!problem.isEmpty()) {
            services_.dialogs().message(tr("The menu picture was not imported.") +
                                        Gp2PsoBas::CrLf2 + problem);
            return;
        }
        f->setText(target);
        QCoreApplication::processEvents();
        MenuPicture_LostFocus(which);
    });
}

void MenuPictures::Browse_Click(int which) {
    startEdit(which);
    const QString chosen = services_.dialogs().openFile(
        tr("Menu picture selection"), QString(), QStringLiteral("*.bmp"), QStringLiteral("bmp"));
    if (chosen.isEmpty())
        return;
    field(which)->setText(QDir::toNativeSeparators(chosen.trimmed()));
    MenuPicture_LostFocus(which);
}

void MenuPictures::Make_Click(int which) {
    startEdit(which);
    field(which)->setText(services_.bas().AppDir + gamepath::sep() + defaultPicture(which));
    MenuPicture_LostFocus(which);
}

void MenuPictures::Clear_Click(int which) {
    startEdit(which);
    field(which)->clear();
    MenuPicture_LostFocus(which);
}

void MenuPictures::Picture_Click(int which) {
    if (field(which)->text().isEmpty())
        return;
    if (!pictureView_)
        pictureView_ = new PictureView(services_.window());
    pictureView_->setPicture(preview(which)->pixmap());
    pictureView_->exec();
}

void MenuPictures::Picture_MouseMove(int which) {
    // The preview looks clickable exactly when it can be enlarged.
    preview(which)->setCursor(field(which)->text().isEmpty() ? Qt::ArrowCursor
                                                             : Qt::PointingHandCursor);
}

void MenuPictures::Repair_Click() {
    StatusSink& status = services_.status();
    status.setLine1(tr("Please wait..."));
    status.setLine2(tr("Defrag f1pcsvga.bin... "));
    status.showStatus();
    status.pump();
    const Gp2PsoBas& bas = services_.bas();
    if (!backedUp(services_, QStringLiteral("Defrag"), {gp2hipic::archivePath(bas.Gp2Dir)}))
        return;
    QString problem;
    ignoreFailure("compacting the picture archive", [&] {
        problem =
            ExeCmd::RunAndWait(gp2hipic::program(bas.AppDir),
                               gp2hipic::compactArguments(bas.Gp2Dir), bas.Gp2Dir, {bas.AppDir})
                .problem(QStringLiteral("gp2hipic"));
    });
    status.hideStatus();
    if (!problem.isEmpty())
        services_.dialogs().message(tr("f1pcsvga.bin was not defragmented.") + Gp2PsoBas::CrLf2 +
                                    problem);
}

} // namespace pistaro
