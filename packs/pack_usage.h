#pragma once
// Where a circuit is used: the saved track packs whose slot files hold the same track data
// (trackfile/track_data.h), whatever the files are called. The circuit browser's Packs column,
// its `pack:` and `nopack` terms and the questions of Delete, Rename and Delete this duplicate
// read it.
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace packusage {

// The circuits the packs of a circuits folder hold.
struct PackContents {
    QHash<QByteArray, QStringList> packsByHash; // content hash -> the packs using it, as listed
    QSet<qint64> dataSizes;                     // the track data lengths of those circuits
};

// The content hash and track data length of the circuit file at `path`; false when it cannot
// be read or holds no track data.
bool contentOf(const QString& path, QByteArray* hash, qint64* dataSize);

// Reads the slot files of the packs `packNames` under `circuits` (16 each; those missing are
// passed over).
PackContents readPacks(const QString& circuits, const QStringList& packNames);

// The packs whose slots hold the circuit of `path`.
QStringList packsUsing(const PackContents& packs, const QString& path);

// "<what> is used by the track pack Season 98." / "...the track packs A and B." for a question;
// "" for no pack.
QString usedByText(const QString& what, const QStringList& packs);

} // namespace packusage
