#include "packs/archive_extract.h"

#include "packs/zip_entry_name.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ReaderFree>;

QString errorOf(archive* a) {
    const char* text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QCoreApplication::translate("archive", "unknown error");
}

// The formats and compressions Install takes, and no others: none that runs an outside
// program, and none (mtree) whose entries name files of this computer to read.
Reader openReader(const QString& path, QString* error) {
    Reader a(archive_read_new());
    archive_read_support_filter_gzip(a.get());
    archive_read_support_filter_bzip2(a.get());
    archive_read_support_filter_xz(a.get());
    archive_read_support_filter_lzma(a.get());
    archive_read_support_filter_compress(a.get());
    archive_read_support_format_zip(a.get());
    archive_read_support_format_7zip(a.get());
    archive_read_support_format_rar(a.get());
    archive_read_support_format_rar5(a.get());
    archive_read_support_format_lha(a.get());
    archive_read_support_format_tar(a.get());
    // Names not marked as Unicode are in the code page of DOS archivers.
    archive_read_set_format_option(a.get(), "zip", "hdrcharset", "CP437");
    archive_read_set_format_option(a.get(), "lha", "hdrcharset", "CP437");
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(), 65536) !=
        ARCHIVE_OK) {
        *error = errorOf(a.get());
        return nullptr;
    }
    return a;
}

// libarchive converts every name to the locale's code set, which Qt makes UTF-8. A name it
// could not convert is flagged as Unicode but is none.
bool nameUnreadable(int headerResult, archive* a) {
    return headerResult == ARCHIVE_WARN && errorOf(a).startsWith(QLatin1String("Pathname"));
}

struct EntryName {
    QString shown;                // the archive's own name, as text
    std::optional<QString> plain; // the file name it is unpacked under
};

EntryName nameOf(archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry)) {
        const QString text = QString::fromUtf8(utf8);
        return {text, plainFileName(text)};
    }
    const char* raw = archive_entry_pathname(entry);
    const QByteArray bytes = raw ? QByteArray(raw) : QByteArray();
    return {decodedEntryName(bytes, false).value_or(QString()), plainEntryName(bytes, false)};
}

struct Budget {
    qint64 entry; // the most this entry may unpack to
    bool stated;  // the archive states its size: it must unpack to exactly that
    QString over; // why it is left out when it unpacks to more
};

// Reads the entry into a file beside the target, then lets it take the target's place, so a
// damaged entry leaves what was there and no partial file behind. Unpacking stops as soon as
// the entry passes its budget, so no entry unpacks to more than the limits allow, whatever
// its header says. "" on success; `unpacked` gets the entry's size. `unwritable` is set when
// the folder could not take the entry (a full disk), which is no fault of the archive.
QString unpackEntry(archive* a, const Budget& budget, const QString& target, const QString& folder,
                    qint64& unpacked, bool& unwritable) {
    QTemporaryFile part(folder + QStringLiteral("/.unpacking-XXXXXX"));
    const auto notWritten = [&] {
        unwritable = true;
        return QCoreApplication::translate("archive", "cannot be written (%1)")
            .arg(part.errorString());
    };
    if (!part.open())
        return notWritten();
    char buffer[65536];
    qint64 total = 0;
    for (;;) {
        const la_ssize_t n = archive_read_data(a, buffer, sizeof buffer);
        if (n < 0)
            return QCoreApplication::translate("archive", "damaged (%1)").arg(errorOf(a));
        if (n == 0)
            break;
        total += n;
        if (total > budget.entry)
            return budget.over;
        if (part.write(buffer, n) != n)
            return notWritten();
    }
    if (budget.stated && total != budget.entry)
        return QCoreApplication::translate("archive", "damaged (shorter than its stated size)");
    if (!part.flush())
        return notWritten();
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        return QCoreApplication::translate("archive", "a folder of that name is in the way");
    // A link planted under the name is replaced itself, never followed.
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(target))
        return QCoreApplication::translate("archive", "cannot replace the file there");
    if (!part.rename(target))
        return notWritten();
    part.setAutoRemove(false);
    unpacked = total;
    return {};
}

bool endsInSeparator(archive_entry* entry) {
    const char* raw = archive_entry_pathname(entry);
    const QByteArray bytes = raw ? QByteArray(raw) : QByteArray();
    return bytes.endsWith('/') || bytes.endsWith('\\');
}

} // namespace

ArchiveExtractResult extractFlat(const QString& archivePath, const QString& folder,
                                 const ArchiveLimits& limits, StatusSink* status) {
    ArchiveExtractResult result;
    QString error;
    const Reader reader = openReader(archivePath, &error);
    auto refuse = [&](const QString& why) {
        result.refused = why;
        for (const QString& name : std::as_const(result.written))
            QFile::remove(gamepath::join(folder, name));
        result.written.clear();
        result.entries.clear();
        result.skipped.clear();
    };
    if (!reader) {
        refuse(QCoreApplication::translate("archive", "not an archive Pistaro can read (%1)")
                   .arg(error));
        return result;
    }
    archive* a = reader.get();
    qint64 budget = limits.maxUnpackedBytes;
    // Names taken in this run, in upper case (the game's names ignore case): a later entry of
    // the same plain name does not replace the earlier one.
    QHash<QString, QString> takenBy;
    gamepath::Listings listings;
    for (qint64 count = 0;; ++count) {
        if (status && count % 16 == 0)
            status->pump();
        archive_entry* entry = nullptr;
        const int header = archive_read_next_header(a, &entry);
        if (header == ARCHIVE_EOF)
            break;
        if (header == ARCHIVE_FATAL || header == ARCHIVE_RETRY || !entry) {
            if (count == 0)
                refuse(
                    QCoreApplication::translate("archive", "not an archive Pistaro can read (%1)")
                        .arg(errorOf(a)));
            else
                result.brokenOff =
                    QCoreApplication::translate("archive", "the archive cannot be read past its "
                                                           "first %1 entries (%2)")
                        .arg(count)
                        .arg(errorOf(a));
            break;
        }
        if (count >= limits.maxEntries) {
            refuse(QCoreApplication::translate("archive", "the archive holds more than %1 entries")
                       .arg(limits.maxEntries));
            break;
        }
        const EntryName name = nameOf(entry);
        auto skip = [&](const QString& reason) { result.skipped.append({name.shown, reason}); };
        if (header == ARCHIVE_FAILED) {
            skip(QCoreApplication::translate("archive", "damaged (%1)").arg(errorOf(a)));
            continue;
        }
        const auto type = archive_entry_filetype(entry);
        if (type == AE_IFDIR || (type == AE_IFREG && endsInSeparator(entry)))
            continue;
        if (type == AE_IFLNK || archive_entry_hardlink(entry)) {
            skip(QCoreApplication::translate("archive", "it is a link"));
            continue;
        }
        if (type != AE_IFREG) {
            skip(QCoreApplication::translate("archive", "it is no plain file"));
            continue;
        }
        if (nameUnreadable(header, a)) {
            skip(QCoreApplication::translate(
                "archive", "its name cannot be read in the code page the archive says"));
            continue;
        }
        if (!name.plain) {
            skip(QCoreApplication::translate("archive", "no usable file name"));
            continue;
        }
        if (archive_entry_is_encrypted(entry)) {
            skip(QCoreApplication::translate("archive", "it is encrypted"));
            continue;
        }
        const QString key = name.plain->toUpper();
        if (const auto earlier = takenBy.constFind(key); earlier != takenBy.constEnd()) {
            skip(QCoreApplication::translate("archive",
                                             "its file name is that of %1, which was kept")
                     .arg(shownEntryName(*earlier)));
            continue;
        }
        const QString entryOver =
            QCoreApplication::translate("archive", "it unpacks to more than %1 bytes")
                .arg(limits.maxEntryBytes);
        const QString archiveOver =
            QCoreApplication::translate("archive", "the archive unpacks to more than %1 bytes")
                .arg(limits.maxUnpackedBytes);
        Budget entryBudget{qMin(limits.maxEntryBytes, budget), false,
                           limits.maxEntryBytes <= budget ? entryOver : archiveOver};
        // A stated size is checked before unpacking, and then held to while it unpacks.
        if (archive_entry_size_is_set(entry)) {
            const qint64 stated = archive_entry_size(entry);
            if (stated > limits.maxEntryBytes) {
                skip(entryOver);
                continue;
            }
            if (stated > budget) {
                skip(archiveOver);
                continue;
            }
            entryBudget = {
                stated, true,
                QCoreApplication::translate("archive", "damaged (longer than its stated size)")};
        }
        const QString target = gamepath::join(folder, *name.plain, listings);
        qint64 unpacked = 0;
        bool unwritable = false;
        const QString failure = unpackEntry(a, entryBudget, target, folder, unpacked, unwritable);
        if (unwritable) {
            // Without this entry the folder would not hold the archive as it is: nothing is
            // taken from it rather than the part that fitted.
            refuse(QCoreApplication::translate("archive", "the scratch folder cannot take %1: %2")
                       .arg(shownEntryName(name.shown), failure));
            break;
        }
        if (!failure.isEmpty()) {
            skip(failure);
            continue;
        }
        budget -= unpacked;
        takenBy.insert(key, name.shown);
        listings.added(target);
        result.written.append(QFileInfo(target).fileName());
        result.entries.append(name.shown);
    }
    return result;
}

QString extractionNotes(const ArchiveExtractResult& result) {
    const QString crLf = QStringLiteral("\r\n");
    if (!result.refused.isEmpty())
        return QCoreApplication::translate("archive", "Nothing extracted: %1").arg(result.refused) +
               crLf;
    QString notes;
    for (const ArchiveSkip& s : result.skipped)
        notes += QCoreApplication::translate("archive", "%1 not extracted: %2")
                     .arg(shownEntryName(s.entry), s.reason) +
                 crLf;
    if (!result.brokenOff.isEmpty())
        notes += QCoreApplication::translate("archive", "The rest was not extracted: %1")
                     .arg(result.brokenOff) +
                 crLf;
    return notes;
}

QStringList archiveNamePatterns() {
    return {QStringLiteral("*.zip"),    QStringLiteral("*.7z"),  QStringLiteral("*.rar"),
            QStringLiteral("*.lzh"),    QStringLiteral("*.lha"), QStringLiteral("*.tar"),
            QStringLiteral("*.tar.gz"), QStringLiteral("*.tgz"), QStringLiteral("*.tar.bz2"),
            QStringLiteral("*.tbz2"),   QStringLiteral("*.tbz"), QStringLiteral("*.tar.xz"),
            QStringLiteral("*.txz")};
}

bool isArchiveName(const QString& fileName) {
    for (const QString& pattern : archiveNamePatterns())
        if (fileName.endsWith(QStringView(pattern).mid(1), Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList archivesInFolder(const QString& folder) {
    QStringList found;
    for (const QString& pattern : archiveNamePatterns())
        for (const QString& name : folderlisting::matchingFiles(folder, pattern))
            if (!found.contains(name, Qt::CaseInsensitive))
                found << name;
    found.sort(Qt::CaseInsensitive);
    const QString shown = folderlisting::listedFolder(folder);
    for (QString& name : found)
        name = shown + QDir::separator() + name;
    return found;
}

QString archiveDialogFilter() {
    const QStringList patterns = archiveNamePatterns();
    return QCoreApplication::translate("archive", "Archives (ZIP, 7z, RAR, LZH, tar)") +
           QLatin1Char('|') + patterns.join(u';') + QLatin1Char('|') +
           QCoreApplication::translate("archive", "All files") + QStringLiteral("|*.*");
}
