#include "health/facts_cache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace health {

namespace {

// What a cache file starts with; another program's file, or another layout, does not.
const QByteArray kMagic = QByteArrayLiteral("PistaroCircuitFacts 1\n");
constexpr int kDigestSize = 32;
// A cache this large is no cache of ours (5,000 circuits take a few MB).
constexpr qint64 kMaxCacheSize = 256 << 20;

QByteArray digestOf(QByteArrayView payload) {
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

} // namespace

QString FactsCache::fileIn(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("circuits.cache"));
}

FactsCache FactsCache::load(const QString& cacheFile, const QString& folder) {
    FactsCache cache;
    cache.folder_ = folder;
    const QFileInfo info(cacheFile);
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxCacheSize)
        return cache;
    QFile file(cacheFile);
    if (!file.open(QIODevice::ReadOnly))
        return cache;
    const QByteArray bytes = file.read(kMaxCacheSize + 1);
    // The payload is followed by its SHA-256: a truncated or damaged file fails it.
    if (!bytes.startsWith(kMagic) || bytes.size() < kMagic.size() + kDigestSize)
        return cache;
    const QByteArrayView payload = QByteArrayView(bytes).first(bytes.size() - kDigestSize);
    if (digestOf(payload) != QByteArrayView(bytes).last(kDigestSize))
        return cache;
    QByteArray body = payload.sliced(kMagic.size()).toByteArray();
    QDataStream in(&body, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_6_4);
    QString storedFolder;
    qint32 count = 0;
    in >> storedFolder >> count;
    if (in.status() != QDataStream::Ok || storedFolder != folder || count < 0)
        return cache;
    QHash<QString, Entry> entries;
    for (qint32 i = 0; i < count; ++i) {
        QString name;
        Entry e;
        in >> name >> e.size >> e.mtime >> e.facts;
        if (in.status() != QDataStream::Ok)
            return cache;
        entries.insert(name, e);
    }
    if (!in.atEnd())
        return cache;
    cache.entries_ = std::move(entries);
    return cache;
}

const FileFacts* FactsCache::find(const QString& name, qint64 size, qint64 mtime) const {
    const auto it = entries_.constFind(name);
    if (it == entries_.cend() || it->size != size || it->mtime != mtime)
        return nullptr;
    return &it->facts;
}

void FactsCache::put(const QString& name, qint64 size, qint64 mtime, const FileFacts& facts) {
    entries_.insert(name, Entry{size, mtime, facts});
    changed_ = true;
}

void FactsCache::keepOnly(const QStringList& names) {
    const QSet<QString> kept(names.cbegin(), names.cend());
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (kept.contains(it.key())) {
            ++it;
        } else {
            it = entries_.erase(it);
            changed_ = true;
        }
    }
}

QString FactsCache::save(const QString& cacheFile) const {
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << folder_ << qint32(entries_.size());
        for (auto it = entries_.cbegin(); it != entries_.cend(); ++it)
            out << it.key() << it->size << it->mtime << it->facts;
    }
    const QByteArray payload = kMagic + body;
    // QSaveFile writes through a link to its target; the link itself is what is replaced.
    if (QFileInfo(cacheFile).isSymLink() && !QFile::remove(cacheFile))
        return QCoreApplication::translate("health", "could not remove the link %1").arg(cacheFile);
    QSaveFile file(cacheFile);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // QSaveFile buffers: a write that fails at commit() is not seen there, and an empty or
    // cut file would be renamed in. flush() hands the bytes to the device first.
    const QByteArray digest = digestOf(payload);
    if (file.write(payload) != payload.size() || file.write(digest) != digest.size() ||
        !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace health
