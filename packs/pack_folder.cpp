#include "packs/pack_folder.h"

#include "packs/slot_entry.h"
#include "platform/gamepath.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
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
           (missing.size() == 1 ? QStringLiteral("slot ") : QStringLiteral("slots ")) +
           numbers.join(QStringLiteral(", ")) + QStringLiteral(" (") +
           files.join(QStringLiteral(", ")) + QStringLiteral(")");
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
