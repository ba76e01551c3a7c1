// Install new Track: the archive is unpacked flat into the scratch folder, each of its files is
// handled by its extension, the textures the circuit names are copied where it wants them,
// and a report of everything done, with the read-me, is shown at the end.
#include "packs/ui/installer.h"

#include "packs/ui/textures.h"
#include "packs/archive_extract.h"
#include "platform/codepage.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
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

#include <stdexcept>

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
        services_.dialogs().openFile(title, preset, QStringLiteral("*.zip"), QStringLiteral("zip"));
    if (chosen == preset)
        return {};
    if (!chosen.isEmpty())
        LastArchiveFolder = chosen.left(lastSeparator(chosen) + 1);
    return chosen;
}

void Installer::Install_Click() {
    const QString chosen = chooseArchive(QStringLiteral("New track selection "));
    if (!chosen.isEmpty())
        installArchive(chosen);
}

bool Installer::startRun(const QString& chosen, const QString& command, const QString& line2,
                         Run& run) {
    const Gp2PsoBas& bas = services_.bas();
    const QFileInfo archive(chosen);
    if (!archive.isFile() || archive.size() == 0) {
        services_.dialogs().message(QStringLiteral("File not found or invalid."));
        return false;
    }
    StatusSink& status = services_.status();
    status.setLine1(QStringLiteral("Please wait,"));
    status.setLine2(line2);
    status.showStatus();
    status.pump();
    InstallReport.clear();
    run.archive = chosen.trimmed();
    run.scratch = bas.AppDir + gamepath::sep() + QStringLiteral("tmpzip");
    run.command = command + archive.fileName();
    run.backup = gamebackup::Backup(gamebackup::backupsFolder(bas), run.command);
    return true;
}

void Installer::installArchive(const QString& chosen) {
    LastArchiveFolder = chosen.left(lastSeparator(chosen) + 1);
    Run run;
    if (!startRun(chosen, QStringLiteral("Install "), QString(), run))
        return;
    bool finished = false;
    ignoreFailure("installing a track", [&] { finished = install(run); });
    if (finished)
        services_.showText(InstallReport);
    closingSteps();
}

bool Installer::install(Run& run) {
    StatusSink& status = services_.status();
    const QString& crLf = Gp2PsoBas::CrLf;
    emptyScratch(run);
    status.setLine2(QStringLiteral("Extracting..."));
    status.pump();
    const QString notes = extract(run);

    ZipDir->setPath(run.scratch);
    Textures& textures = textures_;
    textures.JamList->hide();
    textures.JamList->clear();
    status.setLine2(QStringLiteral("Looking file..."));
    status.pump();
    if (ZipDir->count() == 0) {
        QString message =
            QStringLiteral("Couldn't extract any file from ") + run.archive + QStringLiteral(".");
        if (!notes.isEmpty())
            message += Gp2PsoBas::CrLf2 + notes;
        services_.dialogs().message(message);
        status.hideStatus();
        return false;
    }

    InstallReport = countOf(ZipDir->count(), QStringLiteral("file"), QStringLiteral("files")) +
                    QStringLiteral(" extracted from ") + run.archive + Gp2PsoBas::CrLf2 + notes;
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
        if (!goOn)
            return false;
    }

    status.pump();
    storePictures(run);
    InstallReport += crLf;
    copyTextures(run);
    selectInstalled(run);
    status.hideStatus();
    if (!run.hadDat)
        InstallReport += crLf + QStringLiteral("The archive holds no circuit (.dat) file.") + crLf;
    appendReadMe(run);
    return true;
}

void Installer::emptyScratch(const Run& run) {
    const Gp2PsoBas& bas = services_.bas();
    ignoreFailure("emptying the scratch folder", [&] {
        // A link (or a file) in the folder's place is removed itself: emptying the folder
        // through it would remove files elsewhere.
        const QFileInfo scratchInfo(run.scratch);
        if ((scratchInfo.isSymLink() || (scratchInfo.exists() && !scratchInfo.isDir())) &&
            !QFile::remove(run.scratch))
            throw std::runtime_error("cannot remove the link " + run.scratch.toStdString());
        QDir().mkpath(run.scratch);
        const QDir scratch(run.scratch);
        for (const QString& file : scratch.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QFile::remove(scratch.filePath(file));
        QFile::remove(bas.AppDir + gamepath::sep() + QStringLiteral("tmp.zip"));
    });
}

QString Installer::extract(const Run& run) {
    // The copy the outside unpacker used to read is still made, so the program folder looks
    // after an installation as it always did; the archive itself is read when it fails.
    const QString copy = services_.bas().AppDir + gamepath::sep() + QStringLiteral("tmp.zip");
    QString notes;
    QString source = copy;
    QFile::remove(copy);
    QFile original(run.archive);
    if (!original.copy(copy)) {
        notes += QStringLiteral("Couldn't copy ") + run.archive + QStringLiteral(" to ") + copy +
                 QStringLiteral(": ") + original.errorString() + Gp2PsoBas::CrLf;
        source = run.archive;
    }
    return notes + extractionNotes(extractFlat(source, run.scratch, {}, &services_.status()));
}

void Installer::selectInstalled(const Run& run) {
    CircuitTable* file1 = lists_.File1;
    file1->hide();
    // The installed circuit is shown and selected even where the filter would hide it.
    lists_.CircuitFilter->clear();
    file1->refresh();
    int row = 0;
    for (int i = 0; i < file1->count(); ++i)
        if (file1->fileName(i).toUpper() == run.circuitName.toUpper()) {
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
    InstallReport += Gp2PsoBas::CrLf2 + run.readMe + Gp2PsoBas::CrLf2;
    QFile file(run.readMe);
    if (!file.open(QIODevice::ReadOnly)) {
        InstallReport += QStringLiteral("Couldn't read this file: ") + file.errorString() + crLf;
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
                         QStringLiteral("(The read-me was cut here: it holds %1 bytes, the "
                                        "first %2 are shown.)")
                             .arg(file.size())
                             .arg(bytes.size()) +
                         crLf;
}

void Installer::closingSteps() {
    services_.status().hideStatus();
    if (!lists_.File1->selectedName().isEmpty())
        lists_.File1_Click();
}

} // namespace pistaro
