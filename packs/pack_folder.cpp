#include "packs/pack_folder.h"

#include "packs/slot_entry.h"
#include "platform/gamepath.h"

#include <QDir>
#include <QFileInfo>

QString packFolder(const QString& circuits, const QString& pack) {
    return gamepath::join(circuits, pack);
}

QString packSlotFile(const QString& circuits, const QString& pack, int slot) {
    return gamepath::join(packFolder(circuits, pack), slotFileName(slot));
}

QList<MissingPackFile> missingPackFiles(const QString& circuits, const QString& pack) {
    QList<MissingPackFile> missing;
    const QString folder = packFolder(circuits, pack);
    const bool folderThere = QFileInfo(folder).isDir();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const QString file = folderThere ? gamepath::join(folder, slotFileName(slot))
                                         : folder + QDir::separator() + slotFileName(slot);
        if (!folderThere || !QFileInfo(file).isFile())
            missing << MissingPackFile{slot, file};
    }
    return missing;
}

QString missingPackSummary(const QString& circuits, const QString& pack,
                           const QList<MissingPackFile>& missing) {
    if (missing.isEmpty())
        return {};
    const QString folder = packFolder(circuits, pack);
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("The folder of this Track Pack is missing: ") +
               QDir::toNativeSeparators(folder);
    QStringList numbers, files;
    for (const MissingPackFile& m : missing) {
        numbers << QString::number(m.slot);
        files << QFileInfo(m.path).fileName();
    }
    return QStringLiteral("Missing from this Track Pack: ") +
           (missing.size() == 1 ? QStringLiteral("slot ") : QStringLiteral("numbers ")) +
           numbers.join(QStringLiteral(", ")) + QStringLiteral(" (") +
           files.join(QStringLiteral(", ")) + QStringLiteral(")");
}
