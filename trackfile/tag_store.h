#pragma once
// The player's tags of circuits ("1998 season", "fantasy"), kept by the circuit's content: the
// SHA-256 of its track data (trackfile/track_data.h), so a rename, a move into a pack folder or
// another lap time database keeps them. They live in a small SQLite file of the program's own
// beside the databases ("tags.db", no .mdb name: the database list does not show it), not in
// the catalogue. A file there that is a link, damaged, or another program's is set aside under
// another name, never emptied, and a new store is begun.
#include "storage/engine_sqlite.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace tagstore {

// A tag is short: at most this many characters.
inline constexpr int kLongestTag = 40;
// A circuit holds at most this many tags.
inline constexpr int kMostTags = 100;

// Why `tag` cannot be a tag (blank, too long, a control character or a comma, which separates
// typed tags); "" when it can.
QString refusal(const QString& tag);
// The tags typed into the tag dialog: split at commas, trimmed, blanks left out, each once.
QStringList splitTyped(const QString& typed);
// Whether two tags are one: without regard to case or accents.
bool sameTag(const QString& a, const QString& b);

// A circuit as the store knows it: its content hash and the length of its track data (which
// tells the health check which files are worth hashing).
struct Circuit {
    QByteArray hash;
    qint64 dataSize = 0;
};

// Everything the store holds, read at once for the circuit browser.
struct Snapshot {
    QHash<QByteArray, QStringList> tags; // by content hash
    QSet<qint64> dataSizes;              // the track data lengths of the tagged circuits
};

class TagStore final {
public:
    // The store of a program folder.
    static QString fileIn(const QString& programFolder);

    // Opens the store at `path`, making it when missing. One that cannot be used as it is (a
    // link, not a database, damaged, of another program) is renamed aside and a new one made;
    // *note then says so, naming both. Null (with *note) when no store can be opened.
    static std::unique_ptr<TagStore> open(const QString& path, QString* note);

    // Everything the store holds (read when opened, kept with every change).
    const Snapshot& read() const;
    QStringList tagsOf(const QByteArray& hash) const;
    // Adds the tags `add` to and takes `remove` from each of `circuits`, all or nothing. ""
    // when done, else why not (a tag refused, a circuit that would hold too many, the disk).
    QString change(const QList<Circuit>& circuits, const QStringList& add,
                   const QStringList& remove);

private:
    TagStore(engine_detail::ConnectionPtr conn, Snapshot all)
        : conn_(std::move(conn)), snapshot_(std::move(all)) {}
    engine_detail::ConnectionPtr conn_;
    Snapshot snapshot_;
};

} // namespace tagstore
