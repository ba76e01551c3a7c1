#pragma once
// File names that the system holds as bytes which are not valid UTF-8. Qt shows such a name
// with the replacement character and cannot open the shown name again, so the bytes of every
// such file a listing met are kept here, by the path as shown, for the calls that work on it.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

namespace nativenames {
// The entries of `folder` that are no folder (links followed), as QDir's listing of Files,
// Hidden and System gives them, and the regular files whose names do not decode (Qt's own
// listings leave them out), as shown, with their bytes remembered. In no order; the folder is
// read once, as it may hold thousands of circuits. The folder's own name must decode.
// `followedLinks`, when given, is set when an entry was a link (or gave no type): what it
// leads to can change without the folder changing.
QStringList folderFiles(const QString& folder, bool* followedLinks = nullptr);
// Whether `path` is one of those names, which only the calls here can reach.
bool heldAsBytes(const QString& path);
// The bytes to hand the system for `path`: the remembered ones, else QFile::encodeName.
QByteArray encode(const QString& path);
// Renames and deletes through the system's bytes of the names; false with the system's
// reason in *error. A rename never replaces an entry of the new name (as QFile's does not).
bool rename(const QString& from, const QString& to, QString* error);
bool remove(const QString& path, QString* error);
// Opens `file` (its fileName() is the shown path) through the system's bytes.
bool open(QFile& file, int qtMode);

// The file a name leads to, links followed: names with one id (a link and its target, two hard
// links) are one file on disk. Invalid (0, 0) when it cannot be examined.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    bool valid() const { return device != 0 || inode != 0; }
    bool operator==(const FileId& o) const { return device == o.device && inode == o.inode; }
};
FileId fileId(const QString& path);

// Whether `name` fits one entry of a folder: at most 255 bytes in the file system's encoding.
bool fitsFolderEntry(const QString& name);
} // namespace nativenames
