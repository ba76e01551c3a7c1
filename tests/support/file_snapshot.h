#pragma once
// The bytes of every file under a folder, to show that a command changed nothing it should
// not have.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace filesnapshot {

// Relative path (with '/') -> bytes; folders appear as "path/" with no bytes.
using Snapshot = QMap<QString, QByteArray>;

Snapshot take(const QString& folder);
// The relative paths whose bytes differ, that appeared or that went away.
QStringList changed(const Snapshot& before, const Snapshot& after);

} // namespace filesnapshot
