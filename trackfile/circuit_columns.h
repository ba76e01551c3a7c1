#pragma once
// What the circuit browser shows of a circuit file beside its name: the track, country,
// author, laps and length from the file's info block (for a file without one, from the
// catalogue row of the original circuit of its length), and the track's best race time
// from the catalogue, and whether it is a game slot file or a copy of an original.
#include "trackfile/circuit_info.h"
#include "trackfile/circuit_kind.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

class Recordset;

namespace circuitcolumns {

struct Columns {
    QString track;
    QString country;
    QString author;
    QString laps;
    QString length;
    QString raceTime;
    CircuitKind kind = CircuitKind::Collection;
    QString kindMark; // "Slot 4", "Original" or ""
    // What is wrong with the file, in short ("" when nothing is), and whether it is the same
    // circuit as another file of the folder.
    QString problems;
    QString problemsTip; // the details of each problem, a line each
    bool duplicate = false;
    // What the browser can mend: a wrong checksum trailer, textures missing from the game.
    bool checksumWrong = false;
    bool texturesMissing = false;
    QString duplicateGroup; // the first file (in the folder's order) with the same track data
    // The track data's hash, when it was needed (a tagged circuit or a pack's of as much track
    // data); "" otherwise. Tags and packs are found by it.
    QByteArray content;
    qint64 dataSize = 0; // the track data's length, when the health check read it
    QStringList tags;    // the player's tags of the circuit (trackfile/tag_store.h)
    QStringList packs;   // the saved track packs whose slots hold the circuit
    // The Status column: the mark and the problems, "; " between them.
    QString status() const;
    bool operator==(const Columns&) const = default;
};

// The catalogue values the columns need, read at once so that files can be read elsewhere
// (another thread) without the catalogue's connection.
struct CatalogueValues {
    QHash<QString, QString> raceTimes;    // by raceTimeKey(track)
    QHash<qint64, CircuitInfo> originals; // by file length: rows of the original circuits
};

// The key of a track name in CatalogueValues::raceTimes: the catalogue key without regard to
// case, as the catalogue compares names.
QString raceTimeKey(const QString& track);

// The best race time the catalogue holds for `track`; "" for a blank name or an unknown track.
QString raceTimeOf(const CatalogueValues& catalogue, const QString& track);

// One pass over the Tracks table.
CatalogueValues readCatalogueValues(const Recordset& tracks);

// Reads the circuit file `path`; all blank when it has no readable block and no catalogue row
// of its length.
Columns readColumns(const QString& path, const CatalogueValues& catalogue);

} // namespace circuitcolumns
