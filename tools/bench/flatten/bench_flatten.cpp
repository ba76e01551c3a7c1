// Times extractFlat on an archive of N small entries and on one of N/10, and prints the time
// per entry of the large one against the small one's, measured in the same run: near 1 when
// the time grows with the number of entries, near 10 when it grows with its square.
// Usage: bench_flatten [entries]
#include "packs/zip_extract.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <zip.h>

#include <cstdio>

namespace {

// An archive of `n` entries "dir/fNNNNNN.dat" of a few bytes each.
bool writeArchive(const QString& path, int n) {
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za)
        return false;
    static const char body[] = "texture";
    for (int i = 0; i < n; ++i) {
        const QByteArray name = "dir/f" + QByteArray::number(i).rightJustified(6, '0') + ".dat";
        zip_source_t* src = zip_source_buffer(za, body, sizeof body - 1, 0);
        if (!src || zip_file_add(za, name.constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(src);
            zip_discard(za);
            return false;
        }
    }
    return zip_close(za) == 0;
}

double extractSeconds(const QTemporaryDir& dir, int n) {
    const QString archive = dir.filePath(QStringLiteral("a%1.zip").arg(n));
    const QString folder = dir.filePath(QStringLiteral("out%1").arg(n));
    if (!writeArchive(archive, n) || !QDir().mkpath(folder))
        return -1;
    ZipLimits limits;
    limits.maxEntries = n;
    QElapsedTimer clock;
    clock.start();
    const ZipExtractResult r = extractFlat(archive, folder, limits);
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
