// Times extractFlat on an archive of N small entries and on one of N/10, and prints the time
// per entry of the large one against the small one's, measured in the same run: near 1 when
// the time grows with the number of entries, near 10 when it grows with its square.
// Usage: bench_flatten [entries]
#include "packs/archive_extract.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>

namespace {

// A ZIP archive of `n` entries "dir/fNNNNNN.dat" of a few bytes each.
bool writeArchive(const QString& path, int n) {
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    bool ok = archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    static const char body[] = "texture";
    archive_entry* entry = archive_entry_new();
    for (int i = 0; ok && i < n; ++i) {
        const QByteArray name = "dir/f" + QByteArray::number(i).rightJustified(6, '0') + ".dat";
        archive_entry_clear(entry);
        archive_entry_copy_pathname(entry, name.constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, sizeof body - 1);
        ok = archive_write_header(a, entry) == ARCHIVE_OK &&
             archive_write_data(a, body, sizeof body - 1) == la_ssize_t(sizeof body - 1);
    }
    archive_entry_free(entry);
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

double extractSeconds(const QTemporaryDir& dir, int n) {
    const QString archive = dir.filePath(QStringLiteral("a%1.zip").arg(n));
    const QString folder = dir.filePath(QStringLiteral("out%1").arg(n));
    if (!writeArchive(archive, n) || !QDir().mkpath(folder))
        return -1;
    ArchiveLimits limits;
    limits.maxEntries = n;
    QElapsedTimer clock;
    clock.start();
    const ArchiveExtractResult r = extractFlat(archive, folder, limits);
    const double s = clock.nsecsElapsed() / 1e9;
    if (r.written.size() != n)
        std::fprintf(stderr, "only %lld of %d entries written\n", qlonglong(r.written.size()), n);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const double small = extractSeconds(dir, n / 10);
    const double large = extractSeconds(dir, n);
    if (small <= 0 || large <= 0)
        return 1;
    std::printf("%d entries: %.3f s; %d entries: %.3f s\n", n / 10, small, n, large);
    std::printf("time per entry, large against small: %.2f (1 = linear, 10 = quadratic)\n",
                (large / n) / (small / (n / 10)));
    return 0;
}
