#pragma once
// ZIP archives written by the tests with libzip, hostile ones included: entry names are
// stored byte for byte, and entries can be links, folders, encrypted or stored uncompressed.
#include <QByteArray>
#include <QList>
#include <QString>

namespace zipmaker {

struct Entry {
    enum Kind { File, Folder, Link };
    QByteArray name;
    QByteArray data; // a link's target for Link
    Kind kind = File;
    bool stored = false; // no compression, so the data lies in the archive as given
    bool encrypted = false;
};

// Writes the archive; false with the reason in `error` when libzip refused.
bool write(const QString& path, const QList<Entry>& entries, QString* error = nullptr);

} // namespace zipmaker
