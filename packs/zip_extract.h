#pragma once
// Unpacking a circuit archive flat into the installation's scratch folder: every file of the
// archive is written under its plain file name (folders inside the archive are dropped),
// replacing a file of that name already there. Archives come from the internet, so nothing is
// ever written outside the folder, and entries that cannot be trusted are left out with a
// reason the installation report shows.
#include <QString>
#include <QStringList>

struct ZipLimits {
    qint64 maxEntries = 10000;
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GiB
};

struct ZipSkip {
    QString entry;  // the name as stored in the archive
    QString reason; // why it was not extracted
};

struct ZipExtractResult {
    // Empty when the archive was read; otherwise why nothing at all was extracted (not a ZIP
    // archive, over the limits).
    QString refused;
    QStringList written;     // plain file names written into the folder, in archive order
    QList<ZipSkip> skipped;  // entries left out; folder entries are not listed
};

// Unpacks `archive` into the existing folder `folder`.
ZipExtractResult extractFlat(const QString& archive, const QString& folder,
                             const ZipLimits& limits = {});

// The report lines for what was refused or left out, one per line (CR LF), "" when nothing.
QString extractionNotes(const ZipExtractResult& result);
