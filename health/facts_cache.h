#pragma once
// The health check's cache: per circuit file of one folder, its facts, keyed by the file's
// name, size and modification time, so a scan after the first reads only files that changed.
// It lies in the program folder beside the databases and is not the catalogue. A cache file
// that is a link, truncated, damaged, of another folder or of another program is not trusted:
// the scan starts empty and writes a new one, by a rename.
#include "health/circuit_facts.h"

#include <QHash>
#include <QString>

namespace health {

class FactsCache {
public:
    // The cache file of a program folder.
    static QString fileIn(const QString& programFolder);

    // The entries of `cacheFile` for the circuits of `folder`; empty when the file is missing
    // or not trusted.
    static FactsCache load(const QString& cacheFile, const QString& folder);

    // The facts kept for the file `name` when its size and time are still these.
    const FileFacts* find(const QString& name, qint64 size, qint64 mtime) const;
    void put(const QString& name, qint64 size, qint64 mtime, const FileFacts& facts);
    // Keeps only the entries whose names are in `names` (files gone are forgotten).
    void keepOnly(const QStringList& names);
    int size() const { return int(entries_.size()); }
    bool changed() const { return changed_; }

    // Writes the cache to `cacheFile` by a rename (a link in its place is replaced, never
    // written through). Returns "" when written, else why not.
    QString save(const QString& cacheFile) const;

private:
    struct Entry {
        qint64 size = 0;
        qint64 mtime = 0;
        FileFacts facts;
    };
    QString folder_;
    QHash<QString, Entry> entries_;
    bool changed_ = false;
};

} // namespace health
