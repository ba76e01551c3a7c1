// Install new Track: the archive is unpacked flat into the scratch folder, each of its files is
// handled by its extension, the textures the circuit names are copied where it wants them,
// and a report of everything done, with the read-me, is shown at the end. Several archives
// are installed one after the other in one run, with one backup and one summary.
#include "packs/ui/installer.h"

#include "packs/archive_extract.h"
#include "packs/circuit_finder.h"
#include "packs/ui/textures.h"
#include "packs/zip_entry_name.h"
#include "platform/codepage.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/backed_up.h"
#include "ui/file_list_box.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QWidget>

namespace pistaro {

Installer::Installer(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                     MenuPictures& pictures, Textures& textures, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists), pictures_(pictures),
      textures_(textures) {
    setObjectName(QStringLiteral("Installer"));
    ZipDir = named(new FileListBox(QStringLiteral("*"), parent), "ZipDir");
    ZipDir->hide();
}

namespace {

// How much of a read-me the report shows.
constexpr qint64 kReadMeShownBytes = 256 * 1024;

qsizetype lastSeparator(const QString& path) {
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

QString Installer::chooseArchive(const QString& title) {
    // A cancelled dialog gives its preset back: that is no choice of a file.
    const QString preset = LastArchiveFolder + QStringLiteral("*.zip");
    const QString chosen =
        services_.dialogs().openFile(title, preset, archiveDialogFilter(), QStringLiteral("zip"));
    if (chosen == preset)
        return {};
    if (!chosen.isEmpty())
        LastArchiveFolder = chosen.left(lastSeparator(chosen) + 1);
    return chosen;
}

void Installer::Install_Click() {
    installArchives(services_.dialogs().openFiles(tr("New track selection"), LastArchiveFolder,
                                                  archiveDialogFilter()));
}

void Installer::InstallFolder_Click() {
    const QString folder =
        services_.dialogs().pickFolder(tr("Folder of archives to install"), services_.window());
    if (folder.isEmpty())
        return;
    const QStringList archives = archivesInFolder(folder);
    if (archives.isEmpty()) {
        services_.dialogs().message(
            tr("No archive was found in %1 (%2).")
                .arg(shown::path(folder), archiveNamePatterns().join(u' ')));
        return;
    }
    installArchives(archives);
}

bool Installer::startRun(const QString& chosen, const QString& command, const QString& line2,
                         Run& run) {
    const QFileInfo archive(chosen);
    if (!archive.isFile() || archive.size() == 0) {
        services_.dialogs().message(tr("File not found or invalid."));
        return false;
    }
    StatusSink& status = services_.status();
    status.setLine1(tr("Please wait,"));
    status.setLine2(line2);
    status.showStatus();
    status.pump();
    InstallReport.clear();
    run.archive = chosen.trimmed();
    run.command = command + archive.fileName();
    QString error;
    if (!makeScratch(run, &error)) {
        status.hideStatus();
        services_.dialogs().message(tr("Nothing was installed: %1").arg(error));
        return false;
    }
    return true;
}

void Installer::installArchive(const QString& chosen) {
    LastArchiveFolder = chosen.left(lastSeparator(chosen) + 1);
    Run run;
    if (!startRun(chosen, QStringLiteral("Install "), QString(), run))
        return;
    gamebackup::Backup backup(gamebackup::backupsFolder(services_.bas()), run.command);
    circuitcontent::Finder finder(gamepath::circuitsFolder(services_.bas().Gp2Dir));
    run.backup = &backup;
    run.finder = &finder;
    Ended ended = Ended::Stopped;
    ignoreFailure("installing a track", [&] { ended = install(run); });
    if (run.failedToWrite()) {
        bool whole = true;
        const QString undone = putGameBack(backup, run.notWritten, &whole);
        const QString said = (whole ? tr("Track %1 was not installed: %2")
                                    : tr("Track %1 was installed in part: %2"))
                                 .arg(shown::path(run.archive), undone);
        // A backup that failed was said already: it changed nothing, and now nothing is.
        if (!run.notWritten.isEmpty())
            services_.showText(said + Gp2PsoBas::CrLf2 + InstallReport);
        else if (!whole)
            services_.dialogs().message(said);
    } else if (ended == Ended::Done) {
        if (run.hadDat)
            noteArrivals(backup, run.command);
        selectInstalled(run.circuitName);
        services_.showText(InstallReport);
    }
    closingSteps();
}

void Installer::installArchives(const QStringList& chosen) {
    if (chosen.size() <= 1) {
        if (!chosen.isEmpty())
            installArchive(chosen.constFirst());
        return;
    }
    const Gp2PsoBas& bas = services_.bas();
    const QString& crLf = Gp2PsoBas::CrLf;
    LastArchiveFolder = chosen.constFirst().left(lastSeparator(chosen.constFirst()) + 1);
    StatusSink& status = services_.status();
    status.setLine1(tr("Installing %1 archives,").arg(chosen.size()));
    status.setLine2(QString());
    status.showStatus();
    status.offerCancel(true);
    status.pump();
    const QString command =
        QStringLiteral("Install ") +
        countOf(chosen.size(), QStringLiteral("archive"), QStringLiteral("archives"));
    gamebackup::Backup backup(gamebackup::backupsFolder(bas), command);
    circuitcontent::Finder finder(gamepath::circuitsFolder(bas.Gp2Dir));
    QString sections, lastCircuit;
    QStringList notWritten; // of the archive whose files could not all be written
    int installed = 0, alreadyThere = 0, failed = 0;
    qsizetype done = 0;
    for (; done < chosen.size(); ++done) {
        status.pump();
        if (status.cancelRequested())
            break;
        const QString& path = chosen.at(done);
        const QFileInfo file(path);
        status.setLine1(tr("Installing archive %1 of %2,")
                            .arg(QString::number(done + 1), QString::number(chosen.size())));
        status.setLine2(file.fileName());
        sections += crLf + QStringLiteral("== ") + shown::text(file.fileName()) +
                    QStringLiteral(" ==") + crLf;
        if (!file.isFile() || file.size() == 0) {
            sections += tr("Not installed: the file is missing or empty.") + crLf;
            ++failed;
            continue;
        }
        Run run;
        run.archive = path;
        QString error;
        if (!makeScratch(run, &error)) {
            sections += tr("Not installed: %1").arg(error) + crLf;
            ++failed;
            continue;
        }
        run.command = command;
        run.backup = &backup;
        run.finder = &finder;
        run.many = true;
        InstallReport.clear();
        Ended ended = Ended::Stopped;
        // A failure ends this archive's installation, not the run's.
        if (!ignoreFailure("installing a track", [&] { ended = install(run); })) {
            InstallReport += tr("The installation of this archive failed here.") + crLf;
            ended = Ended::NothingExtracted;
        }
        sections += InstallReport;
        installed += run.installed;
        alreadyThere += run.alreadyThere;
        if (!run.circuitName.isEmpty())
            lastCircuit = run.circuitName;
        if (ended == Ended::NothingExtracted)
            ++failed;
        if (run.failedToWrite()) {
            notWritten = run.notWritten;
            notWritten << QString(); // ends the run even where nothing but the backup failed
        }
        if (ended == Ended::Stopped || !notWritten.isEmpty()) {
            ++done;
            break;
        }
    }
    status.offerCancel(false);
    status.hideStatus();
    QString putBackSaid;
    if (!notWritten.isEmpty()) {
        // The run's backup holds every archive's files: all of them are put back.
        notWritten.removeAll(QString());
        bool whole = true;
        const QString said = putGameBack(backup, notWritten, &whole);
        putBackSaid = (whole ? tr("Nothing was installed: %1")
                             : tr("The archives were installed in part: %1"))
                          .arg(said) +
                      crLf + crLf;
        if (whole) {
            installed = 0;
            lastCircuit.clear();
        }
    }
    QString headline = putBackSaid +
                       //: "3 of 4 archives read, 5 circuits installed."
                       tr("%1 of %2 archives read, %3 installed.")
                           .arg(QString::number(done - failed), QString::number(chosen.size()),
                                //: Counted in "… 5 circuits installed.", after the number.
                                countOf(installed, tr("circuit"), tr("circuits"))) +
                       crLf;
    if (alreadyThere > 0)
        headline += tr("%1 already there.")
                        //: Counted in "2 circuits were already there.", after the number.
                        .arg(countOf(alreadyThere, tr("circuit was"), tr("circuits were"))) +
                    crLf;
    if (failed > 0)
        headline += tr("%1 could not be installed.")
                        //: Counted in "2 archives could not be installed.", after the number.
                        .arg(countOf(failed, tr("archive"), tr("archives"))) +
                    crLf;
    if (done < chosen.size()) {
        headline += tr("Stopped before %1")
                        //: Counted in "Stopped before 2 archives: a.zip b.zip", after the number.
                        .arg(countOf(chosen.size() - done, tr("archive:"), tr("archives:")));
        for (qsizetype i = done; i < chosen.size(); ++i)
            headline += u' ' + shown::text(QFileInfo(chosen.at(i)).fileName());
        headline += crLf;
    }
    InstallReport = headline + sections;
    if (installed > 0)
        noteArrivals(backup, command);
    selectInstalled(lastCircuit);
    services_.showText(InstallReport);
    closingSteps();
}

// The track packs take the circuits they lack once, at the end of the run, in its backup.
void Installer::noteArrivals(gamebackup::Backup& backup, const QString& command) {
    if (!circuitsArrived)
        return;
    for (const QString& line : circuitsArrived(backup, command))
        InstallReport += Gp2PsoBas::CrLf + line + Gp2PsoBas::CrLf;
}

QString Installer::entryName(const Run& run, const QString& name) const {
    return shownEntryName(run.entryNames.value(name.toUpper(), name));
}

Installer::Ended Installer::install(Run& run) {
    StatusSink& status = services_.status();
    const QString& crLf = Gp2PsoBas::CrLf;
    status.setLine2(tr("Extracting..."));
    status.pump();
    const QString notes = extract(run);

    ZipDir->setPath(run.scratch);
    Textures& textures = textures_;
    textures.JamList->hide();
    textures.JamList->clear();
    status.setLine2(tr("Looking file..."));
    status.pump();
    if (ZipDir->count() == 0) {
        if (run.many) {
            InstallReport = tr("Nothing could be extracted.") + crLf + notes;
            return Ended::NothingExtracted;
        }
        QString message = tr("Couldn't extract any file from %1.").arg(shown::path(run.archive));
        if (!notes.isEmpty())
            message += Gp2PsoBas::CrLf2 + notes;
        services_.dialogs().message(message);
        status.hideStatus();
        return Ended::NothingExtracted;
    }

    InstallReport =
        tr("%1 extracted from %2")
            //: Counted in "5 files extracted from …", after the number.
            .arg(countOf(ZipDir->count(), tr("file"), tr("files")),
                 shown::path(run.many ? QFileInfo(run.archive).fileName() : run.archive)) +
        Gp2PsoBas::CrLf2 + notes;
    for (int i = 0; i < ZipDir->count(); ++i) {
        ZipDir->setCurrentRow(i);
        const QString name = ZipDir->fileName(i);
        status.setLine2(name);
        status.pump();
        const QString kind = name.right(4).toUpper();
        bool goOn = true;
        ignoreFailure("installing a file of the archive", [&] {
            if (kind == QLatin1String(".DAT"))
                goOn = installCircuit(run, name);
            else if (kind == QLatin1String(".BMP"))
                goOn = installPicture(run, name);
            else if (kind == QLatin1String(".JAD"))
                goOn = convertTexture(run, name);
            else if (kind == QLatin1String(".TXT") &&
                     (run.readMe.isEmpty() ||
                      name.trimmed().toUpper() == QLatin1String("GP2FORM.TXT")))
                run.readMe = run.scratch + gamepath::sep() + name;
        });
        if (!goOn || run.failedToWrite())
            return Ended::Stopped;
    }

    status.pump();
    storePictures(run);
    InstallReport += crLf;
    copyTextures(run);
    if (!run.many)
        status.hideStatus();
    if (!run.hadDat)
        InstallReport += crLf + tr("The archive holds no circuit (.dat) file.") + crLf;
    if (!run.many)
        appendReadMe(run);
    return Ended::Done;
}

bool Installer::makeScratch(Run& run, QString* error) {
    const Gp2PsoBas& bas = services_.bas();
    ignoreFailure("removing the old scratch files", [&] {
        // Older versions unpacked into the program folder's tmpzip (a link in its place is
        // removed itself, never emptied through) beside their copy tmp.zip.
        const QString old = bas.AppDir + gamepath::sep() + QStringLiteral("tmpzip");
        const QFileInfo oldInfo(old);
        if (oldInfo.isSymLink() || (oldInfo.exists() && !oldInfo.isDir())) {
            QFile::remove(old);
        } else if (oldInfo.isDir()) {
            const QDir scratch(old);
            for (const QString& file : scratch.entryList(QDir::Files | QDir::Hidden | QDir::System))
                QFile::remove(scratch.filePath(file));
            QDir().rmdir(old);
        }
        QFile::remove(bas.AppDir + gamepath::sep() + QStringLiteral("tmp.zip"));
    });
    run.scratchDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + gamepath::sep() +
                                                     QStringLiteral("pso-install-XXXXXX"));
    if (!run.scratchDir->isValid()) {
        if (error)
            *error =
                tr("no scratch folder could be made in %1 (%2).")
                    .arg(QDir::toNativeSeparators(QDir::tempPath()), run.scratchDir->errorString());
        run.scratchDir.reset();
        return false;
    }
    run.scratch = run.scratchDir->path();
    return true;
}

QString Installer::extract(Run& run) {
    const ArchiveExtractResult result =
        extractFlat(run.archive, run.scratch, {}, &services_.status());
    for (qsizetype i = 0; i < result.written.size(); ++i)
        run.entryNames.insert(result.written.at(i).toUpper(), result.entries.at(i));
    QString nested;
    for (const QString& name : result.written)
        if (isArchiveName(name))
            nested += tr("%1 not installed: an archive inside the archive is not unpacked")
                          .arg(entryName(run, name)) +
                      Gp2PsoBas::CrLf;
    return extractionNotes(result) + nested;
}

QString Installer::putGameBack(gamebackup::Backup& backup, const QStringList& notWritten,
                               bool* whole) {
    services_.status().hideStatus();
    const QStringList left = putBack(services_, backup);
    lists_.File1->refresh();
    *whole = left.isEmpty();
    const QString failed =
        notWritten.isEmpty() ? QString() : notWritten.join(Gp2PsoBas::CrLf) + Gp2PsoBas::CrLf2;
    if (left.isEmpty())
        return failed + tr("The game was put back as it was.");
    return failed + putBackFailedText(left);
}

void Installer::selectInstalled(const QString& circuitName) {
    // A circuit installed over the shown file is shown as it now is, before it is selected.
    panel_.followFiles();
    CircuitTable* file1 = lists_.File1;
    file1->hide();
    // The installed circuit is shown and selected even where the filter would hide it.
    lists_.CircuitFilter->clear();
    file1->refresh();
    int row = 0;
    for (int i = 0; i < file1->count(); ++i)
        if (file1->fileName(i).toUpper() == circuitName.toUpper()) {
            row = i;
            break;
        }
    file1->show();
    file1->setListIndex(row);
}

void Installer::appendReadMe(const Run& run) {
    if (run.readMe.isEmpty())
        return;
    const QString& crLf = Gp2PsoBas::CrLf;
    InstallReport +=
        Gp2PsoBas::CrLf2 + entryName(run, QFileInfo(run.readMe).fileName()) + Gp2PsoBas::CrLf2;
    QFile file(run.readMe);
    if (!file.open(QIODevice::ReadOnly)) {
        InstallReport += tr("Couldn't read this file: %1").arg(file.errorString()) + crLf;
        return;
    }
    // An archive may bring a read-me of any size: the report holds only its start.
    const QByteArray bytes = file.read(kReadMeShownBytes);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = cp1252::toUnicode(bytes).split(lineEnd);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the last line's own line end
    for (const QString& line : lines)
        InstallReport += line + crLf;
    if (file.size() > bytes.size())
        InstallReport += crLf +
                         tr("(The read-me was cut here: it holds %1 bytes, the first %2 are "
                            "shown.)")
                             .arg(QString::number(file.size()), QString::number(bytes.size())) +
                         crLf;
}

void Installer::closingSteps() {
    services_.status().hideStatus();
    if (!lists_.File1->selectedName().isEmpty())
        lists_.File1_Click();
}

} // namespace pistaro
