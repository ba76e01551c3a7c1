// "Install missing textures from an archive…": only the textures of an archive are taken, and
// only for the places the circuits' texture lists name and the game folder lacks.
#include "packs/texture_list.h"
#include "packs/ui/installer.h"
#include "packs/ui/textures.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "ui/file_list_box.h"
#include "ui/window_services.h"

#include <QFileInfo>
#include <QListWidget>
#include <QSet>

namespace pistaro {

void Installer::installTextures(const QString& chosen, const QStringList& entries) {
    const Gp2PsoBas& bas = services_.bas();
    Run run;
    if (!startRun(chosen, QStringLiteral("Install textures from "), tr("Extracting..."), run))
        return;
    gamebackup::Backup backup(gamebackup::backupsFolder(bas), run.command);
    run.backup = &backup;
    StatusSink& status = services_.status();
    bool finished = false;
    ignoreFailure("installing textures", [&] {
        const QString notes = extract(run);
        ZipDir->setPath(run.scratch);
        if (ZipDir->count() == 0) {
            QString message = tr("Couldn't extract any file from %1.").arg(run.archive);
            if (!notes.isEmpty())
                message += Gp2PsoBas::CrLf2 + notes;
            status.hideStatus();
            services_.dialogs().message(message);
            return;
        }
        // A .JAD is converted only when the archive lacks the .JAM a list wants of it.
        QSet<QString> jams;
        for (int i = 0; i < ZipDir->count(); ++i)
            if (const QString name = ZipDir->fileName(i).toUpper(); name.endsWith(u".JAM"))
                jams.insert(name);
        InstallReport = tr("Textures from %1").arg(run.archive) + Gp2PsoBas::CrLf2 + notes;
        for (int i = 0; i < ZipDir->count(); ++i) {
            const QString name = ZipDir->fileName(i);
            const QString jam = name.left(name.size() - 4).toUpper() + QStringLiteral(".JAM");
            if (!name.toUpper().endsWith(u".JAD") || jams.contains(jam))
                continue;
            const bool wanted =
                std::any_of(entries.cbegin(), entries.cend(),
                            [&](const QString& e) { return textureEntryMatches(e, jam); });
            if (wanted && !convertTexture(run, name))
                return;
        }
        textures_.JamList->clear();
        textures_.JamList->addItems(entries);
        copyTextures(run);
        finished = true;
    });
    status.hideStatus();
    if (!finished)
        return;
    QStringList missing;
    for (const QString& entry : entries)
        if (!isSafeTextureName(entry) || !textureInstalled(gamepath::join(bas.Gp2Dir, entry)))
            missing << entry;
    InstallReport += Gp2PsoBas::CrLf;
    if (missing.isEmpty())
        InstallReport += tr("Every missing texture is installed now.");
    else
        InstallReport += tr("%1 still missing:")
                             //: Counted in "2 textures are still missing:", after the number.
                             .arg(countOf(missing.size(), tr("texture is"), tr("textures are"))) +
                         Gp2PsoBas::CrLf + missing.join(Gp2PsoBas::CrLf);
    services_.showText(InstallReport + Gp2PsoBas::CrLf);
}

} // namespace pistaro
