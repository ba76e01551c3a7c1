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
// A file exactly as it stands, the name itself examined (a link is not followed) or what it
// leads to: a rewrite by a rename brings another inode, an edit other times. What tells the
// backups that a file they read or wrote before is still that file.
struct ExactStamp {
    quint64 device = 0, inode = 0;
    qint64 size = -1, modifiedNs = 0, changedNs = 0;
    bool regular = false;
    bool operator==(const ExactStamp&) const = default;
    // Whether it was last changed more than a second before `nowMs`: a change within the same
    // tick of the file system's clock might not show in its times, so only a settled stamp
    // stands for the bytes read with it.
    bool settledAt(qint64 nowMs) const { return changedNs < (nowMs - 1000) * 1'000'000; }
};
enum class Links { Examined, Followed };
std::optional<ExactStamp> exactStamp(const QString& path, Links links = Links::Examined);
// Whether `path` names a regular file (links followed): the only kind the program opens to read
// a circuit, a pack file or a texture, as a pipe or a device would hold it forever.
inline bool isRegularFile(const QString& path) {
    return length(path) >= 0;
}
} // namespace binfile
