#pragma once
// Unpacking a circuit archive flat into the installation's scratch folder: every file of the
// archive is written under its plain file name (folders inside the archive are dropped),
// replacing a file of that name already there; of two entries with one plain name (in any
// case) the first is kept and the second reported. Archives come from the internet, so nothing is
// ever written outside the folder, and entries that cannot be trusted are left out with a
// reason the installation report shows.
#include "platform/progress.h"

#include <QString>
#include <QStringList>

struct ZipLimits {
    qint64 maxEntries = 10000;
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GiB of the entries written
    qint64 maxEntryBytes = qint64(64) << 20;   // one entry; far above any circuit or texture
};

struct ZipSkip {
    QString entry;  // the name as stored in the archive
    QString reason; // why it was not extracted
};

struct ZipExtractResult {
    // Empty when the archive was read; otherwise why nothing at all was extracted (not a ZIP
    // archive, too many entries). Entries past the size limits are skipped one by one.
    QString refused;
    QStringList written;    // plain file names written into the folder, in archive order
    QList<ZipSkip> skipped; // entries left out; folder entries are not listed
};

// Unpacks `archive` into the existing folder `folder`; `status`, when given, is let paint
// while the entries are unpacked.
ZipExtractResult extractFlat(const QString& archive, const QString& folder,
                             const ZipLimits& limits = {}, StatusSink* status = nullptr);

// The report lines for what was refused or left out, one per line (CR LF), "" when nothing.
QString extractionNotes(const ZipExtractResult& result);
