#include "trackfile/tag_store.h"

#include "trackfile/search_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tagstore {

namespace {

using engine_detail::ConnectionPtr;
using engine_detail::Statement;

// Marks the file as this program's tag store (SQLite's application_id): "PsoT".
constexpr qint64 kApplicationId = 0x50736f54;
constexpr qint64 kVersion = 1;
const QLatin1String kTable("circuit_tags");

// Tags are kept one a line: a line break is a control character, which no tag holds.
const QChar kSeparator(u'\n');

QString joined(const QStringList& tags) {
    return tags.join(kSeparator);
}

QStringList split(const QString& text) {
    QStringList out;
    for (const QString& tag : text.split(kSeparator, Qt::SkipEmptyParts))
        if (refusal(tag).isEmpty()) // a line another program wrote is not believed
            out << tag;
    return out;
}

qint64 pragmaNumber(const ConnectionPtr& conn, const char* pragma) {
    Statement s(conn, QStringLiteral("PRAGMA ") + QLatin1String(pragma));
    return s.step() ? s.int64(0) : 0;
}

enum class Verdict { Ours, New, Damaged, Foreign };

Verdict judge(const ConnectionPtr& conn) {
    const qint64 id = pragmaNumber(conn, "application_id");
    Statement tables(conn, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const qint64 objects = tables.step() ? tables.int64(0) : 0;
    if (id == 0 && objects == 0)
        return Verdict::New;
    if (id != kApplicationId)
        return Verdict::Foreign;
    if (pragmaNumber(conn, "user_version") > kVersion)
        return Verdict::Foreign; // a newer program's: not ours to change
    return Verdict::Ours;
}

// Every row of the store: read whole when it is opened, which also finds a damaged or truncated
// file (the table is one b-tree, so every page of it is read).
Snapshot readAll(const ConnectionPtr& conn) {
    Snapshot out;
    Statement s(conn,
                QStringLiteral("SELECT CAST(hash AS BLOB), data_size, tags FROM circuit_tags"));
    while (s.step()) {
        // A circuit shows at most kMostTags, however many another program wrote.
        QStringList tags = split(s.text(2));
        if (tags.size() > kMostTags)
            tags = tags.mid(0, kMostTags);
        if (tags.isEmpty())
            continue;
        out.tags.insert(s.column(0).toByteArray(), std::move(tags));
        out.dataSizes.insert(s.int64(1));
    }
    return out;
}

void makeSchema(const ConnectionPtr& conn) {
    engine_detail::exec(conn, QStringLiteral("BEGIN"));
    engine_detail::exec(conn, QStringLiteral("CREATE TABLE circuit_tags (hash TEXT PRIMARY KEY, "
                                             "data_size INTEGER NOT NULL, tags TEXT NOT NULL) "
                                             "WITHOUT ROWID"));
    engine_detail::exec(conn, QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId));
    engine_detail::exec(conn, QStringLiteral("PRAGMA user_version=%1").arg(kVersion));
    engine_detail::exec(conn, QStringLiteral("COMMIT"));
}

// Renames `path` to a free name with `suffix`; the new name, or "" when it could not be moved.
QString setAside(const QString& path, const QString& suffix) {
    QString aside = path + suffix;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + suffix + QLatin1Char('-') + QString::number(n);
    // QFile::rename moves a link itself, never the file it leads to.
    return QFile::rename(path, aside) ? aside : QString();
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString refusal(const QString& tag) {
    if (std::all_of(tag.cbegin(), tag.cend(), [](QChar c) { return c.isSpace(); }))
        return QCoreApplication::translate("tagstore", "a tag cannot be blank");
    if (tag.size() > kLongestTag)
        return QCoreApplication::translate("tagstore", "a tag holds at most %1 characters")
            .arg(kLongestTag);
    for (const QChar c : tag)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QCoreApplication::translate("tagstore", "a tag cannot hold a control character");
    if (tag.contains(QLatin1Char(',')))
        return QCoreApplication::translate("tagstore", "a comma separates tags");
    return {};
}

QStringList splitTyped(const QString& typed) {
    QStringList out;
    for (const QString& part : typed.split(QLatin1Char(','))) {
        const QString tag = part.trimmed();
        if (tag.isEmpty())
            continue;
        if (std::none_of(out.cbegin(), out.cend(),
                         [&tag](const QString& t) { return sameTag(t, tag); }))
            out << tag;
    }
    return out;
}

bool sameTag(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0 || searchtext::folded(a) == searchtext::folded(b);
}

QString TagStore::fileIn(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("tags.db"));
}

std::unique_ptr<TagStore> TagStore::open(const QString& path, QString* note) {
    QString why; // why the file found was set aside
    QString suffix;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        why = QCoreApplication::translate(
            "tagstore", "it is a link, and the tags are not written through a link");
        suffix = QStringLiteral(".link");
    } else if (info.exists() && !info.isFile()) {
        why = QCoreApplication::translate("tagstore", "it is not a regular file");
        suffix = QStringLiteral(".other");
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!why.isEmpty()) {
            const QString aside = setAside(path, suffix);
            if (aside.isEmpty()) {
                *note = QCoreApplication::translate(
                            "tagstore", "The tag store %1 cannot be used (%2) and could not be "
                                        "moved aside; tags are not kept in this run.")
                            .arg(shown(path), why);
                return nullptr;
            }
            *note = QCoreApplication::translate(
                        "tagstore", "The tag store %1 could not be used: %2. It was kept as %3, "
                                    "and a new, empty tag store was begun.")
                        .arg(shown(path), why, shown(aside));
            why.clear();
        }
        try {
            ConnectionPtr conn = engine_detail::connect(path, true);
            Verdict verdict = Verdict::Damaged;
            Snapshot all;
            try {
                verdict = judge(conn);
                if (verdict == Verdict::New)
                    makeSchema(conn);
                if (verdict == Verdict::Ours)
                    all = readAll(conn);
            } catch (const DbError&) {
                verdict = Verdict::Damaged; // unreadable pages, a table of ours without columns
            }
            if (verdict == Verdict::New || verdict == Verdict::Ours)
                return std::unique_ptr<TagStore>(new TagStore(std::move(conn), std::move(all)));
            why =
                verdict == Verdict::Foreign
                    ? QCoreApplication::translate("tagstore", "it is a database of another program")
                    : QCoreApplication::translate("tagstore", "it is damaged");
            suffix = verdict == Verdict::Foreign ? QStringLiteral(".foreign")
                                                 : QStringLiteral(".damaged");
        } catch (const DbError& e) {
            if (e.number != dberr::UnrecognizedFormat || !QFileInfo(path).isFile()) {
                *note = QCoreApplication::translate(
                            "tagstore", "The tag store %1 cannot be opened (%2); tags are not "
                                        "kept in this run.")
                            .arg(shown(path), e.description);
                return nullptr;
            }
            why = QCoreApplication::translate("tagstore", "it is not a database");
            suffix = QStringLiteral(".damaged");
        }
    }
    *note = QCoreApplication::translate(
                "tagstore", "The tag store %1 cannot be used; tags are not kept in this run.")
                .arg(shown(path));
    return nullptr;
}

const Snapshot& TagStore::read() const {
    return snapshot_;
}

QStringList TagStore::tagsOf(const QByteArray& hash) const {
    Statement s(conn_, QStringLiteral("SELECT tags FROM circuit_tags WHERE hash = ?"));
    s.bind(1, QString::fromLatin1(hash));
    return s.step() ? split(s.text(0)) : QStringList();
}

QString TagStore::change(const QList<Circuit>& circuits, const QStringList& add,
                         const QStringList& remove) {
    for (const QString& tag : add)
        if (const QString why = refusal(tag); !why.isEmpty())
            return QCoreApplication::translate("tagstore", "\"%1\" is not taken as a tag: %2.")
                .arg(tag.left(kLongestTag), why);
    QHash<QByteArray, QStringList> changed; // what the snapshot takes once committed
    try {
        engine_detail::exec(conn_, QStringLiteral("BEGIN IMMEDIATE"));
        try {
            for (const Circuit& c : circuits) {
                if (c.hash.isEmpty())
                    continue;
                QStringList tags = tagsOf(c.hash);
                tags.removeIf([&remove](const QString& t) {
                    return std::any_of(remove.cbegin(), remove.cend(),
                                       [&t](const QString& r) { return sameTag(t, r); });
                });
                for (const QString& tag : add)
                    if (std::none_of(tags.cbegin(), tags.cend(),
                                     [&tag](const QString& t) { return sameTag(t, tag); }))
                        tags << tag;
                if (tags.size() > kMostTags) {
                    engine_detail::exec(conn_, QStringLiteral("ROLLBACK"));
                    return QCoreApplication::translate(
                               "tagstore", "A circuit holds at most %1 tags; no tag was changed.")
                        .arg(kMostTags);
                }
                changed.insert(c.hash, tags);
                if (tags.isEmpty()) {
                    Statement s(conn_, QStringLiteral("DELETE FROM circuit_tags WHERE hash = ?"));
                    s.bind(1, QString::fromLatin1(c.hash));
                    s.run();
                } else {
                    Statement s(conn_, QStringLiteral("INSERT OR REPLACE INTO circuit_tags "
                                                      "(hash, data_size, tags) VALUES (?, ?, ?)"));
                    s.bind(1, QString::fromLatin1(c.hash));
                    s.bind(2, c.dataSize);
                    s.bind(3, joined(tags));
                    s.run();
                }
            }
            engine_detail::exec(conn_, QStringLiteral("COMMIT"));
        } catch (...) {
            try {
                engine_detail::exec(conn_, QStringLiteral("ROLLBACK"));
            } catch (const DbError&) {
                // nothing was open to roll back
            }
            throw;
        }
    } catch (const DbError& e) {
        return QCoreApplication::translate("tagstore", "The tags could not be stored: %1")
            .arg(e.description);
    }
    for (const Circuit& c : circuits) {
        const auto it = changed.constFind(c.hash);
        if (it == changed.cend())
            continue;
        if (it->isEmpty()) {
            snapshot_.tags.remove(c.hash);
        } else {
            snapshot_.tags.insert(c.hash, *it);
            snapshot_.dataSizes.insert(c.dataSize);
        }
    }
    return {};
}

} // namespace tagstore
