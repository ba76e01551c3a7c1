#include "tests/support/zip_maker.h"

#include <QFile>

#include <zip.h>

namespace zipmaker {

namespace {
bool fail(zip_t* za, QString* error) {
    if (error)
        *error = QString::fromUtf8(zip_strerror(za));
    zip_discard(za);
    return false;
}
} // namespace

bool write(const QString& path, const QList<Entry>& entries, QString* error) {
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za) {
        if (error)
            *error = QStringLiteral("zip_open failed with %1").arg(code);
        return false;
    }
    for (const Entry& e : entries) {
        if (e.kind == Entry::Folder) {
            if (zip_dir_add(za, e.name.constData(), ZIP_FL_ENC_RAW) < 0)
                return fail(za, error);
            continue;
        }
        // The buffers live in `entries` until zip_close below has read them.
        zip_source_t* src =
            zip_source_buffer(za, e.data.constData(), zip_uint64_t(e.data.size()), 0);
        if (!src)
            return fail(za, error);
        const zip_int64_t index = zip_file_add(za, e.name.constData(), src, ZIP_FL_ENC_RAW);
        if (index < 0) {
            zip_source_free(src);
            return fail(za, error);
        }
        const auto i = zip_uint64_t(index);
        if (e.kind == Entry::Link &&
            zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, 0120777u << 16) != 0)
            return fail(za, error);
        if (e.stored && zip_set_file_compression(za, i, ZIP_CM_STORE, 0) != 0)
            return fail(za, error);
        if (e.encrypted && zip_file_set_encryption(za, i, ZIP_EM_AES_256, "secret") != 0)
            return fail(za, error);
    }
    if (zip_close(za) != 0)
        return fail(za, error);
    return true;
}

} // namespace zipmaker
