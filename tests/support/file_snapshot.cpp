#include "tests/support/file_snapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace filesnapshot {

Snapshot take(const QString& folder) {
    Snapshot out;
    const QDir base(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = base.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            out.insert(rel + QLatin1Char('/'), {});
            continue;
        }
        QFile f(path);
        out.insert(rel, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return out;
}

QStringList changed(const Snapshot& before, const Snapshot& after) {
    QStringList out;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!after.contains(it.key()) || after.value(it.key()) != it.value())
            out << it.key();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()))
            out << it.key();
    out.sort();
    return out;
}

} // namespace filesnapshot
