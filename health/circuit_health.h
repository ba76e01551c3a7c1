#pragma once
// The health check of a folder of circuit files: what is wrong with each file (its checksum
// trailer, the textures it names, whether it is a circuit at all, the same track data as
// another file). The browser's worker and `pso --check` both run it, file by file, and ask
// for the duplicates once every file is checked. The game's slot files and the first start's
// copies of the originals are never duplicates: they hold a collection circuit on purpose.
#include "health/facts_cache.h"
#include "platform/binfile.h"
#include "platform/gamepath.h"
#include "trackfile/circuit_kind.h"

#include <QHash>
#include <QList>
#include <QString>

namespace health {

struct Problem {
    // What the browser offers to mend the problem with, if anything.
    enum class Fix : quint8 { None, Checksum, Textures, Duplicate };
    QString text;   // short, for the Status column and the command line
    QString detail; // for the tool tip
    Fix fix = Fix::None;
    bool operator==(const Problem&) const = default;
};

// The problems as the Status column shows them ("; " between them), and their tool tip.
QString problemsText(const QList<Problem>& problems);
QString problemsTip(const QList<Problem>& problems);

// The usual problem texts of a collection ("Checksum wrong", "12 textures missing"), in the
// language spoken: a Status column as wide as the widest shows them whole.
QStringList usualProblemTexts();

// The problems the facts show, duplicates aside; `textureInstalled(name)` answers for a name of
// the texture list.
QList<Problem> problemsOf(const FileFacts& facts,
                          const std::function<bool(const QString&)>& textureInstalled);

class Scanner {
public:
    // Checks circuit files of `folder` against the game folder `gameDir`; `cacheFile` ("" for
    // none) keeps the facts between scans.
    Scanner(const QString& gameDir, const QString& folder, const QString& cacheFile);

    // What check() needs of a file: its size and time, and its facts, from `cache` when it
    // holds them for that size and time, else read now (`keep`: the file did not change
    // while it was read, so the facts may be kept). Touches nothing else: a FactsReader calls
    // it on a thread of its own.
    struct FileRead {
        binfile::Stamp stamp;
        FileFacts facts;
        bool fromCache = false;
        bool keep = false;
    };
    static FileRead readFile(const FactsCache& cache, const QString& name, const QString& path);
    // The problems of the file `name` at `path`, duplicates aside; remembers its track data.
    QList<Problem> check(const QString& name, const QString& path, CircuitKind kind);
    // The same with what readFile gave for it (read ahead against cache()).
    QList<Problem> check(const QString& name, const QString& path, CircuitKind kind,
                         const FileRead& read);
    const FactsCache& cache() const { return cache_; }
    // Once every file is checked: per file (the number of its check() call) that has the same
    // track data as others, the problem and the first file of them (its number).
    struct Duplicate {
        Problem problem;
        int first = 0;
    };
    // Only files with as much track data as another are hashed, here (or found in the cache).
    QHash<int, Duplicate> duplicates();
    // The track data length of the file of check() call `index` (0 without track data), and its
    // content hash, read now unless the cache or an earlier call has it ("" when it has none or
    // changed since it was checked). Tags and packs find a circuit by it.
    qint64 dataSize(int index) const;
    QByteArray contentHash(int index);
    // Writes the cache when a file was read or forgotten; "" when written or not needed.
    QString saveCache();
    // How many files were read, not found in the cache (for their facts or their hash).
    int filesRead() const { return read_; }

private:
    bool textureInstalled(const QString& name);

    QString gameDir_;
    QString cacheFile_;
    FactsCache cache_;
    // Per check(): what the duplicates need of the file.
    struct Checked {
        QString name;
        QString path;
        qint64 size = 0;
        qint64 mtime = 0;
        FileFacts facts;
        bool takesPart = false; // a collection circuit with track data
    };
    QByteArray hashOf(Checked& file);
    QStringList names_;
    QList<Checked> checked_;
    QHash<QString, bool> textures_;
    gamepath::Listings listings_;
    int read_ = 0;
};

} // namespace health
