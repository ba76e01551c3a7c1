#pragma once
// What the health check needs of one circuit file, read from its bytes once and kept in the
// facts cache: the hash of its track data, whether its checksum trailer matches, the texture
// files it names, and whether it is a circuit at all.
#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QStringList>

namespace health {

// A texture list longer than this is not believed: the file is said to lie about it.
inline constexpr int MaxTextures = 512;
// Track data shorter than this is no circuit the game could race.
inline constexpr qsizetype MinTrackData = 1024;
// A file longer than this is not read at all: no circuit comes near it.
inline constexpr qint64 MaxCircuitSize = 16 << 20;

struct FileFacts {
    enum class Shape : quint8 {
        Circuit,     // track data, a trailer, maybe a texture list
        NoTrackData, // nothing between the info area and the trailer
        TooShort,    // less track data than any circuit holds
        TooLarge,    // longer than any circuit; not read
        Unreadable,  // could not be opened or read (readError says why)
    };
    Shape shape = Shape::Unreadable;
    qint64 trackDataSize = 0; // only files with as much track data can be the same circuit
    // trackdata::hash of the file; "" until a file with as much track data asks for it, or
    // without track data.
    QByteArray hash;
    bool trailerOk = false;
    QStringList textures; // as stored, last to first; empty when the list is not believed
    int textureCount = 0; // how many names the list holds (more than MaxTextures: not believed)
    QString readError;
    bool operator==(const FileFacts&) const = default;
};

// Reads the file's facts from its bytes; the hash only when `withHash`.
FileFacts factsOf(const QByteArray& fileBytes, bool withHash = false);
// The bytes of the circuit file at `path`, at most MaxCircuitSize + 1 of them; false (with
// *error) when it cannot be read.
bool readCircuitBytes(const QString& path, QByteArray* bytes, QString* error);
// Reads the file at `path` (not at all when it is larger than MaxCircuitSize).
FileFacts readFacts(const QString& path);

QDataStream& operator<<(QDataStream& out, const FileFacts& facts);
QDataStream& operator>>(QDataStream& in, FileFacts& facts);

} // namespace health
