#pragma once
// The shareable pack file: a small UTF-8 text that tells another player which circuits make
// up a track pack, so that their copies can be found by content whatever they are named.
//
//   Pistaro track pack<TAB>1
//   pack<TAB><the pack's name>
//   <slot><TAB><file name><TAB><track name><TAB><length in bytes><TAB><SHA-256 of the track data>
//   ... one line per slot, at most 16
//   tags<TAB><slot><TAB><tag><TAB><tag>...     the sender's tags of a slot's circuit, if any
//
// Fields are separated by tabs, so names with blanks survive; lines end in LF (CR LF is read
// too). The hash is trackdata::hash, so a copy with another info block is the same circuit.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sharedpack {

inline constexpr qsizetype MaxFileSize = 64 * 1024; // 16 slots take a few KB
inline constexpr qint64 MaxCircuitLength = 16 * 1024 * 1024;

struct Slot {
    int slot = 0;
    QString file;  // a plain file name, informative only: circuits are found by content
    QString track; // the name to show a player who lacks the circuit
    qint64 length = 0;
    QByteArray hash; // 64 lower-case hexadecimal digits
    // The sender's tags of the circuit (trackfile/tag_store.h); a receiver may take them.
    QStringList tags;
};

struct Pack {
    QString name;
    QList<Slot> entries; // in the order of the file, each slot once
};

struct Error {
    int line = 0; // 1-based; 0 for the file as a whole (too large)
    QString what;
    // "Line 3: ..." or the whole-file text.
    QString text() const;
};

// The file's text for `pack`. Tabs and other control characters in its names become blanks;
// tags that cannot be tags are left out, and so are the last ones that would make the file
// larger than MaxFileSize.
QByteArray write(const Pack& pack);

// Reads a pack file; on a malformed one, `error` says where and what, and no pack is given.
std::optional<Pack> read(const QByteArray& bytes, Error* error);

} // namespace sharedpack
