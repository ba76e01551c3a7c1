#pragma once
// Archives written by the tests, hostile ones included, in the format their file name ends in:
// .zip, .7z, .tar, .tar.gz, .tar.bz2, .tar.xz with libarchive's writer (bsdtar's library),
// .lzh as the LHA stored method by hand (Debian ships no LHA writer without Java). Entry names
// are stored byte for byte, and entries can be links, folders or stored uncompressed. An
// archive (.zip, .7z) with encrypted entries is made by 7-Zip (p7zip-full), entry by entry:
// libarchive encrypts all entries or none.
#include <QByteArray>
#include <QList>
#include <QString>

namespace archivemaker {

struct Entry {
    enum Kind { File, Folder, Link, HardLink };
    QByteArray name;
    QByteArray data; // a link's target for Link and HardLink
    Kind kind = File;
    bool stored = false; // no compression, so the data lies in the archive as given
    bool encrypted = false;
};

// Writes the archive; false with the reason in `error` when it could not.
bool write(const QString& path, const QList<Entry>& entries, QString* error = nullptr);

// The archive suffixes write() makes, one per format (".zip", ".7z", ".tar", ".tar.gz" ...).
QStringList suffixes();

} // namespace archivemaker
