#include "packs/zip_extract.h"

#include "packs/zip_entry_name.h"
#include "packs/zip_name_flags.h"
#include "platform/gamepath.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>

#include <zip.h>

#include <memory>

namespace {

struct ArchiveCloser {
    void operator()(zip_t* za) const { zip_discard(za); }
};
struct EntryCloser {
    void operator()(zip_file_t* zf) const { zip_fclose(zf); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

constexpr zip_uint32_t kTypeMask = 0170000; // file type bits of a Unix mode
constexpr zip_uint32_t kLink = 0120000;
constexpr zip_uint32_t kFolder = 0040000;
constexpr zip_uint32_t kDosFolder = 0x10;

QString openError(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

bool unixModes(zip_uint8_t opsys) {
    return opsys == ZIP_OPSYS_UNIX || opsys == ZIP_OPSYS_OS_X;
}

// libzip refuses a whole archive when one name flagged as UTF-8 is not: read from memory with
// those flags cleared, the others can be extracted. `falseUtf8` gets the entries changed.
Archive openRepaired(const QString& path, QByteArray& repaired, QSet<qint64>& falseUtf8,
                     int& code) {
    constexpr qint64 kMaxRepairedBytes = qint64(256) << 20;
    QFile file(path);
    if (file.size() > kMaxRepairedBytes || !file.open(QIODevice::ReadOnly))
        return nullptr;
    repaired = file.readAll();
    falseUtf8 = clearFalseUtf8Flags(repaired);
    if (falseUtf8.isEmpty())
        return nullptr;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(repaired.constData(), zip_uint64_t(repaired.size()), 0, &error);
    zip_t* za = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!za) {
        zip_source_free(source);
        code = zip_error_code_zip(&error);
    }
    zip_error_fini(&error);
    return Archive(za);
}

enum class Kind { File, Folder, Link };

Kind kindOf(zip_t* za, zip_uint64_t index, const QByteArray& rawName) {
    if (rawName.endsWith('/') || rawName.endsWith('\\'))
        return Kind::Folder;
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(za, index, 0, &opsys, &attributes) != 0)
        return Kind::File;
    const zip_uint32_t mode = attributes >> 16;
    if (unixModes(opsys) && (mode & kTypeMask) == kLink)
        return Kind::Link;
    if (unixModes(opsys) && (mode & kTypeMask) == kFolder)
        return Kind::Folder;
    if (opsys == ZIP_OPSYS_DOS && (attributes & kDosFolder) != 0)
        return Kind::Folder;
    return Kind::File;
}

// Reads the entry into a file beside the target, then lets it take the target's place, so a
// damaged entry leaves what was there and no partial file behind. Inflating stops as soon as
// the entry passes its stated size, so the limits checked on stated sizes bound the bytes
// actually inflated. "" on success.
QString unpackEntry(zip_t* za, zip_uint64_t index, qint64 statedSize, const QString& target,
                    const QString& folder) {
    Entry entry(zip_fopen_index(za, index, 0));
    if (!entry)
        return QStringLiteral("cannot be read (%1)").arg(QString::fromUtf8(zip_strerror(za)));
    QTemporaryFile part(folder + QStringLiteral("/.unpacking-XXXXXX"));
    if (!part.open())
        return QStringLiteral("cannot be written (%1)").arg(part.errorString());
    char buffer[65536];
    qint64 total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer, sizeof buffer);
        if (n < 0)
            return QStringLiteral("damaged (%1)")
                .arg(QString::fromUtf8(zip_file_strerror(entry.get())));
        if (n == 0)
            break;
        total += n;
        if (total > statedSize)
            return QStringLiteral("damaged (longer than its stated size)");
        if (part.write(buffer, n) != n)
            return QStringLiteral("cannot be written (%1)").arg(part.errorString());
    }
    if (total != statedSize)
        return QStringLiteral("damaged (shorter than its stated size)");
    if (!part.flush())
        return QStringLiteral("cannot be written (%1)").arg(part.errorString());
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        return QStringLiteral("a folder of that name is in the way");
    // A link planted under the name is replaced itself, never followed.
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(target))
        return QStringLiteral("cannot replace the file there");
    if (!part.rename(target))
        return QStringLiteral("cannot be written (%1)").arg(part.errorString());
    part.setAutoRemove(false);
    return {};
}

} // namespace

ZipExtractResult extractFlat(const QString& archive, const QString& folder, const ZipLimits& limits,
                             StatusSink* status) {
    ZipExtractResult result;
    int code = 0;
    QByteArray repaired; // outlives the archive read from it
    QSet<qint64> falseUtf8;
    Archive za(zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code));
    if (!za && code == ZIP_ER_INCONS)
        za = openRepaired(archive, repaired, falseUtf8, code);
    if (!za) {
        result.refused = QStringLiteral("not a readable ZIP archive (%1)").arg(openError(code));
        return result;
    }
    const zip_int64_t count = zip_get_num_entries(za.get(), 0);
    if (count > limits.maxEntries) {
        result.refused = QStringLiteral("the archive holds %1 entries, more than %2")
                             .arg(count)
                             .arg(limits.maxEntries);
        return result;
    }
    qint64 budget = limits.maxUnpackedBytes;
    // Names taken in this run, in upper case (the game's names ignore case): a later entry of
    // the same plain name does not replace the earlier one.
    QHash<QString, QString> takenBy;
    gamepath::Listings listings;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = zip_uint64_t(i);
        if (status && i % 16 == 0)
            status->pump();
        const char* raw = zip_get_name(za.get(), index, ZIP_FL_ENC_RAW);
        // Strict: unflagged names come back converted from code page 437, flagged ones as
        // stored, so the two agree exactly when the UTF-8 flag is set.
        const char* strict = zip_get_name(za.get(), index, ZIP_FL_ENC_STRICT);
        const QByteArray rawName = raw ? QByteArray(raw) : QByteArray();
        const bool utf8Flag = strict && rawName == QByteArray(strict);
        const QString entryName = strict ? QString::fromUtf8(strict) : QString::fromLatin1(rawName);
        auto skip = [&](const QString& reason) { result.skipped.append({entryName, reason}); };

        if (falseUtf8.contains(i)) {
            skip(QStringLiteral("its name is not UTF-8, as the archive says"));
            continue;
        }
        const Kind kind = kindOf(za.get(), index, rawName);
        if (kind == Kind::Folder)
            continue;
        if (kind == Kind::Link) {
            skip(QStringLiteral("it is a link"));
            continue;
        }
        const std::optional<QString> name = plainEntryName(rawName, utf8Flag);
        if (!name) {
            skip(QStringLiteral("no usable file name"));
            continue;
        }
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za.get(), index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
            skip(QStringLiteral("damaged (%1)").arg(QString::fromUtf8(zip_strerror(za.get()))));
            continue;
        }
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
            skip(QStringLiteral("it is encrypted"));
            continue;
        }
        const QString key = name->toUpper();
        if (const auto earlier = takenBy.constFind(key); earlier != takenBy.constEnd()) {
            skip(QStringLiteral("its file name is that of %1, which was kept")
                     .arg(shownEntryName(*earlier)));
            continue;
        }
        // Checked before inflating: while it inflates an entry is held to its stated size.
        if (st.size > zip_uint64_t(limits.maxEntryBytes)) {
            skip(QStringLiteral("it unpacks to more than %1 bytes").arg(limits.maxEntryBytes));
            continue;
        }
        if (st.size > zip_uint64_t(budget)) {
            skip(QStringLiteral("the archive unpacks to more than %1 bytes")
                     .arg(limits.maxUnpackedBytes));
            continue;
        }
        const QString target = gamepath::join(folder, *name, listings);
        const QString failure = unpackEntry(za.get(), index, qint64(st.size), target, folder);
        if (!failure.isEmpty()) {
            skip(failure);
            continue;
        }
        budget -= qint64(st.size);
        takenBy.insert(key, entryName);
        listings.added(target);
        result.written.append(QFileInfo(target).fileName());
    }
    return result;
}

QString extractionNotes(const ZipExtractResult& result) {
    const QString crLf = QStringLiteral("\r\n");
    if (!result.refused.isEmpty())
        return QStringLiteral("Nothing extracted: ") + result.refused + crLf;
    QString notes;
    for (const ZipSkip& s : result.skipped)
        notes += shownEntryName(s.entry) + QStringLiteral(" not extracted: ") + s.reason + crLf;
    return notes;
}
