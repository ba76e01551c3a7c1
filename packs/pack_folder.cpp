#include "packs/pack_folder.h"

#include "packs/slot_entry.h"
#include "platform/codepage.h"
#include "platform/gamepath.h"
#include "platform/replace_file.h"
#include "trackfile/file_facts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString packFolder(const QString& circuits, const QString& pack) {
    return gamepath::join(circuits, pack);
}

QString packSlotFile(const QString& circuits, const QString& pack, int slot) {
    return gamepath::join(packFolder(circuits, pack), slotFileName(slot));
}

QString packWantedFile(const QString& circuits, const QString& pack) {
    return gamepath::join(packFolder(circuits, pack), kWantedFile);
}

QList<sharedpack::Slot> packWanted(const QString& circuits, const QString& pack) {
    const QString path = packWantedFile(circuits, pack);
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<sharedpack::Pack> read =
        sharedpack::read(file.read(sharedpack::MaxFileSize + 1), nullptr);
    return read ? read->entries : QList<sharedpack::Slot>();
}

QString writePackWanted(const QString& circuits, const QString& pack,
                        const QList<sharedpack::Slot>& wanted) {
    const QString path = packWantedFile(circuits, pack);
    if (wanted.isEmpty()) {
        const QFileInfo info(path);
        if ((info.exists() || info.isSymLink()) && !QFile::remove(path))
            return QCoreApplication::translate("packfolder", "%1 couldn't be deleted")
                .arg(QDir::toNativeSeparators(path));
        return {};
    }
    StagedFile staged;
    CopyResult result =
        stageReplacing(path, sharedpack::write({pack, wanted}), -1, QDateTime(), &staged);
    if (result.ok)
        result = commitStaged(staged);
    if (!result.ok) {
        dropStaged(staged);
        return notWrittenMessage(QDir::toNativeSeparators(path), result.error);
    }
    return {};
}

QList<MissingPackFile> missingPackFiles(const QString& circuits, const QString& pack) {
    QList<MissingPackFile> missing;
    const QString folder = packFolder(circuits, pack);
    const bool folderThere = QFileInfo(folder).isDir();
    const QList<sharedpack::Slot> wanted =
        folderThere ? packWanted(circuits, pack) : QList<sharedpack::Slot>();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const QString file = folderThere ? gamepath::join(folder, slotFileName(slot))
                                         : folder + QDir::separator() + slotFileName(slot);
        if (folderThere && QFileInfo(file).isFile())
            continue;
        MissingPackFile m{slot, file, {}};
        for (const sharedpack::Slot& w : wanted)
            if (w.slot == slot)
                m.wanted = w;
        missing << m;
    }
    return missing;
}

QString wantedText(const sharedpack::Slot& wanted) {
    const QString track = wanted.track.isEmpty() ? wanted.file : wanted.track;
    return QCoreApplication::translate("packfolder", "slot %1 wants %2 (%3, %4 bytes)")
        .arg(QString::number(wanted.slot), track, wanted.file, groupedLength(wanted.length));
}

QString completionHint(qsizetype count) {
    return count == 1 ? QCoreApplication::translate(
                            "packfolder", "To complete the pack, install that circuit, or copy it "
                                          "into the Circuits folder and press Rescan.")
                      : QCoreApplication::translate(
                            "packfolder", "To complete the pack, install those circuits, or copy "
                                          "them into the Circuits folder and press Rescan.");
}

QString missingPackSummary(const QString& circuits, const QString& pack,
                           const QList<MissingPackFile>& missing) {
    if (missing.isEmpty())
        return {};
    const QString folder = packFolder(circuits, pack);
    if (!QFileInfo(folder).isDir())
        return QCoreApplication::translate("packfolder",
                                           "The folder of this Track Pack is missing: %1")
            .arg(QDir::toNativeSeparators(folder));
    QStringList numbers, files, wanted;
    for (const MissingPackFile& m : missing) {
        if (m.isWanted()) {
            wanted << wantedText(m.wanted);
            continue;
        }
        numbers << QString::number(m.slot);
        files << QFileInfo(m.path).fileName();
    }
    QStringList parts;
    if (!numbers.isEmpty())
        parts << (numbers.size() == 1 ? QCoreApplication::translate("packfolder", "slot %1 (%2)")
                                      : QCoreApplication::translate("packfolder", "slots %1 (%2)"))
                     .arg(numbers.join(QStringLiteral(", ")), files.join(QStringLiteral(", ")));
    parts += wanted;
    QString summary = QCoreApplication::translate("packfolder", "Missing from this Track Pack: %1")
                          .arg(parts.join(QStringLiteral("; ")));
    if (!wanted.isEmpty())
        summary += QStringLiteral(". ") + completionHint(wanted.size());
    return summary;
}

QStringList packListNames(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (QString line : cp1252::toUnicode(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            names << line;
    }
    return names;
}
