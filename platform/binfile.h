#pragma once
// Binary file access with the program's 1-based positions: position p is offset p - 1.
#include <QByteArray>
#include <QString>
#include <optional>

namespace binfile {
// Reads up to n bytes at position p. Empty optional when the file cannot be opened; fewer
// bytes than asked when the file ends first.
std::optional<QByteArray> readAt(const QString& path, qint64 position, qint64 n);
// Writes bytes at position p into an existing file: never creates, truncates or grows
// a file beyond what writing at that position needs. False (and *error set) on failure.
bool writeAt(const QString& path, qint64 position, const QByteArray& bytes,
             QString* error = nullptr);
// Length in bytes, or -1 when the file does not exist, is no regular file or cannot be examined.
qint64 length(const QString& path);
// A file's size and modification time (milliseconds since the epoch, as QFileInfo gives them),
// links followed: what tells that a file changed since it was last read. Both 0 and `exists`
// false when it cannot be examined. One stat, without QFileInfo's local time.
struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    bool operator==(const Stamp&) const = default;
};
Stamp stamp(const QString& path);
// Whether `path` names a regular file (links followed): the only kind the program opens to read
// a circuit, a pack file or a texture, as a pipe or a device would hold it forever.
inline bool isRegularFile(const QString& path) {
    return length(path) >= 0;
}
} // namespace binfile
