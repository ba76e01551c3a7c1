// How an installation handles the files of an archive: circuits into the Circuits folder
// (renamed when called like a game slot file), the two menu pictures into Bitmaps and the
// catalogue, texture sources through jad2jam, and the texture copies at the end.
#include "packs/ui/installer.h"

#include "gamedir/exe_cmd.h"
#include "packs/circuit_content.h"
#include "packs/circuit_finder.h"
#include "packs/slot_entry.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/textures.h"
#include "platform/gamepath.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/backed_up.h"
#include "ui/file_list_box.h"
#include "ui/window_services.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace pistaro {

namespace {

// Exact lengths of the two menu pictures: 8-bit bitmaps, 1078 bytes of headers and palette.
constexpr qint64 kLargePictureBytes = 308278; // 640x480
constexpr qint64 kSmallPictureBytes = 146278; // 440x330

// The track name comes from the archive's circuit file: the name offered for it must stay a
// plain file name in the Circuits folder.
QString offeredFileName(const QString& track) {
    QString name = track.trimmed();
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        if (u < 32 || u == 127 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = u'_';
    }
    return name + QStringLiteral(".dat");
}

// Why `answer` cannot name the installed circuit, or "" when it can: it must stay a file of the
// Circuits folder and must not take the place of one of the game's slot files.
QString newNameRefusal(const QString& answer) {
    if (answer.trimmed().isEmpty())
        return QCoreApplication::translate("Installer", "The name is empty.");
    if (isGameSlotFileName(answer.trimmed()))
        return QCoreApplication::translate("Installer", "%1 is the name of a game slot file.")
            .arg(answer);
    for (const char* part : {"/", "\\", ":", ".."})
        if (answer.contains(QLatin1String(part)))
            return QCoreApplication::translate(
                       "Installer", "%1 is no plain file name: it can't hold \\, /, : or ..")
                .arg(answer);
    return {};
}

} // namespace

bool Installer::installCircuit(Run& run, const QString& name) {
    Gp2PsoBas& bas = services_.bas();
    const QString& crLf = Gp2PsoBas::CrLf;
    const QString source = run.scratch + gamepath::sep() + name;
    const QString shown = entryName(run, name);
    run.hadDat = true;
    QFile file(source);
    const QByteArray bytes = file.open(QIODevice::ReadOnly)
                                 ? file.read(circuitcontent::MaxCircuitSize + 1)
                                 : QByteArray();
    // The same circuit (by its track data) is not installed twice; the pictures and textures
    // of the archive go to the one already there.
    if (const QStringList there = run.finder->holding(bytes); !there.isEmpty()) {
        const QString existing = circuitcontent::preferredName(there);
        InstallReport += crLf +
                         tr("%1 not installed: the same circuit is already there as %2")
                             .arg(shown, ::shown::text(existing)) +
                         Gp2PsoBas::CrLf2;
        ++run.alreadyThere;
        run.circuit = gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits/") + existing);
        run.circuitName = existing;
        if (!textures_.GetJams(source))
            InstallReport += tr("Couldn't read the texture list of %1").arg(shown) + crLf;
        return true;
    }
    QString targetName = name;
    if (name.toUpper().startsWith(QLatin1String("F1CT"))) {
        targetName = askNewName(run, name);
        if (targetName.isEmpty() && run.many) {
            InstallReport += crLf + tr("%1 not installed: no other name was given").arg(shown) +
                             Gp2PsoBas::CrLf2;
            return true;
        }
        if (targetName.isEmpty()) {
            services_.dialogs().message(
                tr("Track %1 was not installed.").arg(::shown::path(run.archive)));
            return false;
        }
    }
    const QString target = gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits/") + targetName);
    if (!backedUp(run, {target}))
        return false;
    QString error;
    if (copyReplacing(source, target, &error)) {
        InstallReport +=
            crLf + tr("%1 track copied to %2").arg(shown, ::shown::path(target)) + Gp2PsoBas::CrLf2;
        run.circuit = target;
        run.circuitName = QFileInfo(target).fileName();
        run.finder->added(run.circuitName, bytes);
        ++run.installed;
    } else {
        run.notWritten
            << tr("%1 track couldn't be copied to %2: %3").arg(shown, ::shown::path(target), error);
        InstallReport += crLf + run.notWritten.constLast() + Gp2PsoBas::CrLf2;
    }
    if (!textures_.GetJams(source))
        InstallReport += tr("Couldn't read the texture list of %1").arg(shown) + crLf;
    return true;
}

QString Installer::askNewName(const Run& run, const QString& name) {
    Gp2PsoBas& bas = services_.bas();
    StatusSink& status = services_.status();
    const CircuitInfo circuit = catalogue::readCircuit(bas, run.scratch + gamepath::sep() + name);
    status.hideStatus();
    const QString prompt =
        tr("The name of the file you are installing can't be %1.").arg(shown::text(name)) +
        Gp2PsoBas::CrLf2 + tr("Please enter a new name for this file:");
    const QString offer =
        offeredFileName(circuit.recognised ? circuit.track : QFileInfo(name).completeBaseName());
    QString answer;
    for (;;) {
        answer = services_.dialogs().input(prompt, offer);
        if (answer.isEmpty()) // the box was cancelled
            return {};
        const QString refusal = newNameRefusal(answer);
        if (!refusal.isEmpty()) {
            services_.dialogs().message(shown::text(refusal) + Gp2PsoBas::CrLf2 +
                                        tr("Please enter another name."));
            continue;
        }
        const QFileInfo existing(gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits/") + answer));
        if (!existing.isFile() || existing.size() == 0 ||
            services_.dialogs().askYesNo(
                tr("File %1 already exists, overwrite?").arg(shown::text(answer))))
            break;
    }
    status.showStatus();
    status.pump();
    return answer;
}

bool Installer::backedUp(Run& run, const QStringList& targets) {
    run.backupFailed = !pistaro::backedUp(services_, *run.backup, run.command, targets);
    return !run.backupFailed;
}

bool Installer::installPicture(Run& run, const QString& name) {
    const QString source = run.scratch + gamepath::sep() + name;
    const qint64 length = QFileInfo(source).size();
    QString* remembered = nullptr;
    QString size;
    if (length == kLargePictureBytes) {
        remembered = &run.largePicture;
        size = QStringLiteral("640x480");
    } else if (length == kSmallPictureBytes) {
        remembered = &run.smallPicture;
        size = QStringLiteral("440x330");
    } else {
        return true;
    }
    const QString target =
        gamepath::join(services_.bas().Gp2Dir, QStringLiteral("Bitmaps/") + name);
    if (!backedUp(run, {target}))
        return false;
    QString error;
    if (copyReplacing(source, target, &error)) {
        *remembered = target;
        InstallReport +=
            tr("%1 %2 menu image copied").arg(entryName(run, name), size) + Gp2PsoBas::CrLf;
    } else {
        run.notWritten << tr("%1 %2 menu image couldn't be copied to %3: %4")
                              .arg(entryName(run, name), size, shown::path(target), error);
        InstallReport += run.notWritten.constLast() + Gp2PsoBas::CrLf;
    }
    return true;
}

bool Installer::convertTexture(const Run& run, const QString& name) {
    const Gp2PsoBas& bas = services_.bas();
    const ExeCmd::RunResult converted =
        ExeCmd::RunAndWait(bas.AppDir + gamepath::sep() + QStringLiteral("jad2jam.exe"),
                           {run.scratch + gamepath::sep() + name}, bas.Gp2Dir, {bas.AppDir});
    const QString failed = converted.problem(QStringLiteral("jad2jam"));
    if (converted.stopped) {
        services_.dialogs().message(failed);
        return false;
    }
    if (failed.isEmpty())
        InstallReport += tr("%1 file converted to JAM").arg(entryName(run, name)) + Gp2PsoBas::CrLf;
    else
        InstallReport +=
            tr("%1 file couldn't be converted to JAM: %2").arg(entryName(run, name), failed) +
            Gp2PsoBas::CrLf;
    return true;
}

void Installer::storePictures(const Run& run) {
    if (run.largePicture.isEmpty() && run.smallPicture.isEmpty())
        return;
    // Without a circuit there is no track to keep the pictures for; they stay copied.
    if (run.circuit.isEmpty())
        return;
    panel_.showCircuit(run.circuit);
    pictures_.field(1)->setText(run.largePicture);
    pictures_.field(2)->setText(run.smallPicture);
    pictures_.UpdateMaps();
}

void Installer::copyTextures(Run& run) {
    ZipDir->refresh();
    QStringList jams;
    for (int i = 0; i < ZipDir->count(); ++i) {
        const QString name = ZipDir->fileName(i);
        if (name.right(4).toUpper() == QLatin1String(".JAM"))
            jams.append(name);
    }
    // The places the textures go are saved first, all at once: when that fails no texture is
    // copied, and what was installed before is in the backup already.
    const QStringList notCopied =
        textures_.CopyJam(run.scratch, jams, InstallReport, [&](const QStringList& targets) {
            if (const QString refused = run.backup->placeRefusal(targets); !refused.isEmpty()) {
                InstallReport += tr("No texture was copied: %1").arg(refused) + Gp2PsoBas::CrLf;
                return false;
            }
            QString error;
            if (run.backup->keep(targets, &error))
                return true;
            run.notWritten
                << tr("No texture was copied: their backup could not be written: %1").arg(error);
            InstallReport += run.notWritten.constLast() + Gp2PsoBas::CrLf;
            return false;
        });
    run.notWritten += notCopied;
}

} // namespace pistaro
