#pragma once
// Unpacking a circuit archive (ZIP, 7z, RAR, LZH/LHA, tar plain or compressed with gzip, bzip2
// or xz; read through libarchive) flat into the installation's scratch folder: every file of
// the archive is written under its plain file name (folders inside the archive are dropped),
// replacing a file of that name already there; of two entries with one plain name (in any
// case) the first is kept and the second reported. Archives come from the internet, so nothing
// is ever written outside the folder, and entries that cannot be trusted (links, devices,
// encrypted entries, names that climb or hold control characters, sizes past the limits) are
// left out with a reason the installation report shows. The limits hold for every format.
#include "platform/progress.h"

#include <QString>
#include <QStringList>

struct ArchiveLimits {
    qint64 maxEntries = 10000;
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GiB of the entries written
    qint64 maxEntryBytes = qint64(64) << 20;   // one entry; far above any circuit or texture
};

struct ArchiveSkip {
    QString entry;  // the name as stored in the archive
    QString reason; // why it was not extracted
};

struct ArchiveExtractResult {
    // Empty when the archive was read; otherwise why nothing at all was extracted (no archive
    // that can be read, too many entries, an entry the folder could not take). Entries past the
    // size limits are skipped one by one.
    QString refused;
    // Set when the archive is damaged past some entry (cut short): what came before it was
    // extracted, and this says why the rest was not.
    QString brokenOff;
    QStringList written;        // plain file names written into the folder, in archive order
    QStringList entries;        // the archive's own name of each written file, in that order
    QList<ArchiveSkip> skipped; // entries left out; folder entries are not listed
};

// Unpacks `archive` into the existing folder `folder`; `status`, when given, is let paint
// while the entries are unpacked.
ArchiveExtractResult extractFlat(const QString& archive, const QString& folder,
                                 const ArchiveLimits& limits = {}, StatusSink* status = nullptr);

// The report lines for what was refused or left out, one per line (CR LF), "" when nothing.
QString extractionNotes(const ArchiveExtractResult& result);

// The archives Install reads, by their file names: patterns for the file dialog and a folder's
// listing ("*.zip", "*.tar.gz" ...), and whether a file name is one of them.
QStringList archiveNamePatterns();
bool isArchiveName(const QString& fileName);
// The archives among the files of `folder` (not of its subfolders), as paths, sorted by name.
QStringList archivesInFolder(const QString& folder);
// The file dialog's filter: "Archives (*.zip *.7z ...)|*.zip;*.7z;...|All files|*.*".
QString archiveDialogFilter();
