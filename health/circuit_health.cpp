#include "health/circuit_health.h"

#include "packs/texture_list.h"
#include "platform/native_names.h"

#include <QCoreApplication>

namespace health {

namespace {

// The missing textures a tool tip names before it only counts the rest.
constexpr int kNamedInTip = 20;

QString listed(const QStringList& items) {
    QStringList shown = items.mid(0, kNamedInTip);
    if (items.size() > kNamedInTip)
        //: The last item of a list that names only the first few.
        shown << QCoreApplication::translate("health", "and %1 more").arg(items.size() - kNamedInTip);
    return shown.join(QStringLiteral(", "));
}

} // namespace

QString problemsText(const QList<Problem>& problems) {
    QStringList texts;
    for (const Problem& p : problems)
        texts << p.text;
    return texts.join(QStringLiteral("; "));
}

QString problemsTip(const QList<Problem>& problems) {
    QStringList lines;
    for (const Problem& p : problems)
        //: A problem of a circuit, then its explanation, in the Health column's tool tip.
        lines << QCoreApplication::translate("health", "%1: %2").arg(p.text, p.detail);
    return lines.join(QLatin1Char('\n'));
}

namespace {

QString checksumWrongText() {
    return QCoreApplication::translate("health", "Checksum wrong");
}

QString texturesMissingText(int count) {
    return count == 1 ? QCoreApplication::translate("health", "1 texture missing")
                      : QCoreApplication::translate("health", "%1 textures missing").arg(count);
}

} // namespace

QStringList usualProblemTexts() {
    return {checksumWrongText(), texturesMissingText(1), texturesMissingText(12)};
}

QList<Problem> problemsOf(const FileFacts& facts,
                          const std::function<bool(const QString&)>& textureInstalled) {
    using Shape = FileFacts::Shape;
    switch (facts.shape) {
    case Shape::Unreadable:
        return {{QCoreApplication::translate("health", "Could not read the file"), facts.readError}};
    case Shape::TooLarge:
        return {{QCoreApplication::translate("health", "Not a circuit: too large"),
                 QCoreApplication::translate(
                     "health", "The file is larger than %1 MB; no circuit comes near that.")
                     .arg(MaxCircuitSize >> 20)}};
    case Shape::NoTrackData:
        return {{QCoreApplication::translate("health", "Not a circuit: no track data"),
                 QCoreApplication::translate("health",
                                             "Nothing lies between the info area and the "
                                             "checksum, where the game expects the track.")}};
    case Shape::TooShort:
        return {{QCoreApplication::translate("health", "Not a circuit: too short"),
                 QCoreApplication::translate("health", "The track data is shorter than %1 bytes.")
                     .arg(MinTrackData)}};
    case Shape::Circuit:
        break;
    }
    QList<Problem> out;
    if (!facts.trailerOk)
        out.append({checksumWrongText(),
                    QCoreApplication::translate("health",
                                                "The 4-byte checksum at the end does not match "
                                                "the file's content; the game refuses the circuit."),
                    Problem::Fix::Checksum});
    if (facts.textureCount > MaxTextures) {
        out.append({QCoreApplication::translate("health", "Texture list not checked"),
                    QCoreApplication::translate(
                        "health", "The file claims %1 texture files; no circuit names so many.")
                        .arg(facts.textureCount)});
        return out;
    }
    QStringList missing;
    for (const QString& name : facts.textures)
        if (!missing.contains(name) && !textureInstalled(name))
            missing << name;
    if (!missing.isEmpty())
        out.append({texturesMissingText(int(missing.size())),
                    QCoreApplication::translate("health", "Not in the game folder: %1")
                        .arg(listed(missing)),
                    Problem::Fix::Textures});
    return out;
}

Scanner::Scanner(const QString& gameDir, const QString& folder, const QString& cacheFile)
    : gameDir_(gameDir), cacheFile_(cacheFile),
      cache_(cacheFile.isEmpty() ? FactsCache() : FactsCache::load(cacheFile, folder)) {}

bool Scanner::textureInstalled(const QString& name) {
    const auto it = textures_.constFind(name);
    if (it != textures_.cend())
        return *it;
    const bool installed = ::textureInstalled(gamepath::join(gameDir_, name, listings_));
    textures_.insert(name, installed);
    return installed;
}

Scanner::FileRead Scanner::readFile(const FactsCache& cache, const QString& name,
                                    const QString& path) {
    FileRead read;
    read.stamp = binfile::stamp(path);
    if (const FileFacts* kept = cache.find(name, read.stamp.size, read.stamp.modifiedMs)) {
        read.facts = *kept;
        read.fromCache = true;
        return read;
    }
    read.facts = readFacts(path);
    // A file changed while it was read is read again next time; one that could not be read is
    // not remembered either.
    read.keep = read.facts.shape != FileFacts::Shape::Unreadable && read.stamp.exists &&
                binfile::stamp(path) == read.stamp;
    return read;
}

QList<Problem> Scanner::check(const QString& name, const QString& path, CircuitKind kind) {
    return check(name, path, kind, readFile(cache_, name, path));
}

QList<Problem> Scanner::check(const QString& name, const QString& path, CircuitKind kind,
                              const FileRead& read) {
    const qint64 size = read.stamp.size;
    const qint64 mtime = read.stamp.modifiedMs;
    if (!read.fromCache) {
        ++read_;
        if (read.keep)
            cache_.put(name, size, mtime, read.facts);
    }
    names_ << name;
    const FileFacts& facts = read.facts;
    const bool takesPart = kind == CircuitKind::Collection && facts.trackDataSize > 0;
    checked_.append(Checked{name, path, size, mtime, facts, takesPart});
    return problemsOf(facts, [this](const QString& n) { return textureInstalled(n); });
}

QByteArray Scanner::hashOf(Checked& file) {
    if (!file.facts.hash.isEmpty())
        return file.facts.hash;
    QByteArray bytes;
    QString error;
    ++read_;
    if (!readCircuitBytes(file.path, &bytes, &error) || bytes.size() > MaxCircuitSize)
        return {};
    const FileFacts now = factsOf(bytes, true);
    // A file changed since its facts were read is no one's twin in this scan.
    if (now.trackDataSize != file.facts.trackDataSize || now.trailerOk != file.facts.trailerOk)
        return {};
    file.facts.hash = now.hash;
    if (binfile::stamp(file.path) == binfile::Stamp{true, file.size, file.mtime})
        cache_.put(file.name, file.size, file.mtime, file.facts);
    return now.hash;
}

qint64 Scanner::dataSize(int index) const {
    return index >= 0 && index < checked_.size() ? checked_.at(index).facts.trackDataSize : 0;
}

QByteArray Scanner::contentHash(int index) {
    if (index < 0 || index >= checked_.size() || checked_.at(index).facts.trackDataSize == 0)
        return {};
    return hashOf(checked_[index]);
}

QHash<int, Scanner::Duplicate> Scanner::duplicates() {
    // Only as much track data can be the same track data: the others need no hash.
    QHash<qint64, int> bySize;
    for (const Checked& c : std::as_const(checked_))
        if (c.takesPart)
            ++bySize[c.facts.trackDataSize];
    QHash<QByteArray, QList<int>> byHash;
    for (int i = 0; i < checked_.size(); ++i) {
        Checked& c = checked_[i];
        if (!c.takesPart || bySize.value(c.facts.trackDataSize) < 2)
            continue;
        if (const QByteArray hash = hashOf(c); !hash.isEmpty())
            byHash[hash] << i;
    }
    QHash<int, Duplicate> out;
    for (const QList<int>& files : std::as_const(byHash)) {
        if (files.size() < 2)
            continue;
        // Names that lead to one file on disk (a link and its target, hard links) are one copy:
        // none is the other's duplicate.
        QHash<int, nativenames::FileId> ids;
        for (const int i : files)
            ids.insert(i, nativenames::fileId(checked_.at(i).path));
        for (const int i : files) {
            QStringList others;
            for (const int j : files)
                if (j != i && !(ids.value(i).valid() && ids.value(i) == ids.value(j)))
                    others << names_.at(j);
            if (others.isEmpty())
                continue;
            const QString text = others.size() == 1
                                     ? QCoreApplication::translate("health", "Same circuit as %1")
                                           .arg(others.first())
                                     : QCoreApplication::translate("health",
                                                                   "Same circuit as %1 and %2 more")
                                           .arg(others.first(), QString::number(others.size() - 1));
            const Problem problem{
                text,
                QCoreApplication::translate("health",
                                            "The same track data as %1 (the info blocks may differ).")
                    .arg(listed(others)),
                                  Problem::Fix::Duplicate};
            out.insert(i, Duplicate{problem, files.first()});
        }
    }
    return out;
}

QString Scanner::saveCache() {
    cache_.keepOnly(names_);
    if (cacheFile_.isEmpty() || !cache_.changed())
        return {};
    return cache_.save(cacheFile_);
}

} // namespace health
