#include "tests/support/archive_maker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <memory>

namespace archivemaker {

namespace {

bool fail(QString* error, const QString& why) {
    if (error)
        *error = why;
    return false;
}

void putLe(QByteArray& out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += char((v >> (8 * i)) & 0xff);
}

// CRC-16 as LHA checks its data (polynomial 0xA001, reflected).
quint16 crc16(const QByteArray& data) {
    quint16 crc = 0;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

// LHA level 0 headers with the stored method (-lh0-), an end mark after the last.
bool writeLzh(const QString& path, const QList<Entry>& entries, QString* error) {
    QByteArray out;
    for (const Entry& e : entries) {
        if (e.kind != Entry::File || e.name.size() > 200)
            return fail(error, QStringLiteral("an LHA entry must be a file with a short name"));
        QByteArray header("-lh0-");
        putLe(header, quint32(e.data.size()), 4); // packed size
        putLe(header, quint32(e.data.size()), 4); // original size
        putLe(header, 0x5A210000u, 4);            // a DOS time in 2025
        header += char(0x20);                     // archive attribute
        header += char(0);                        // header level
        header += char(e.name.size());
        header += e.name;
        putLe(header, crc16(e.data), 2);
        quint8 sum = 0;
        for (const char c : header)
            sum = quint8(sum + quint8(c));
        out += char(header.size());
        out += char(sum);
        out += header;
        out += e.data;
    }
    out += char(0);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        return fail(error, file.errorString());
    return true;
}

// One 7z run per entry, in order: the encrypted entries with a password, the stored ones
// without compression. The entries must be plain files with plain names.
bool writeWithSevenZip(const QString& path, const QList<Entry>& entries, QString* error) {
    QTemporaryDir files;
    QFile::remove(path);
    for (const Entry& e : entries) {
        const QString name = QString::fromUtf8(e.name);
        QFile file(files.filePath(name));
        if (e.kind != Entry::File || name.contains(u'/') || !file.open(QIODevice::WriteOnly) ||
            file.write(e.data) != e.data.size())
            return fail(error, QStringLiteral("7z takes plain files only: ") + name);
        file.close();
        QStringList arguments{QStringLiteral("a"), QStringLiteral("-bd"),
                              QDir::current().absoluteFilePath(path), name};
        if (e.encrypted)
            arguments << QStringLiteral("-psecret");
        if (e.stored)
            arguments << QStringLiteral("-mx0");
        QProcess sevenZip;
        sevenZip.setWorkingDirectory(files.path());
        sevenZip.start(QStringLiteral("7z"), arguments);
        if (!sevenZip.waitForFinished(60000) || sevenZip.exitStatus() != QProcess::NormalExit ||
            sevenZip.exitCode() != 0)
            return fail(error, QStringLiteral("7z failed: ") +
                                   QString::fromLocal8Bit(sevenZip.readAllStandardError()) +
                                   sevenZip.errorString());
    }
    return true;
}

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};

} // namespace

QStringList suffixes() {
    return {QStringLiteral(".zip"),    QStringLiteral(".7z"),      QStringLiteral(".tar"),
            QStringLiteral(".tar.gz"), QStringLiteral(".tar.bz2"), QStringLiteral(".tar.xz"),
            QStringLiteral(".lzh")};
}

bool write(const QString& path, const QList<Entry>& entries, QString* error) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".lzh")))
        return writeLzh(path, entries, error);
    std::unique_ptr<archive, WriterFree> owner(archive_write_new());
    archive* a = owner.get();
    const bool zip = lower.endsWith(QLatin1String(".zip"));
    if (zip)
        archive_write_set_format_zip(a);
    else if (lower.endsWith(QLatin1String(".7z")))
        archive_write_set_format_7zip(a);
    else
        archive_write_set_format_pax_restricted(a);
    if (lower.endsWith(QLatin1String(".gz")))
        archive_write_add_filter_gzip(a);
    else if (lower.endsWith(QLatin1String(".bz2")))
        archive_write_add_filter_bzip2(a);
    else if (lower.endsWith(QLatin1String(".xz")))
        archive_write_add_filter_xz(a);
    if (std::any_of(entries.cbegin(), entries.cend(), [](const Entry& e) { return e.encrypted; }))
        return writeWithSevenZip(path, entries, error);
    if (archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return fail(error, QString::fromUtf8(archive_error_string(a)));
    for (const Entry& e : entries) {
        if (zip && e.stored)
            archive_write_zip_set_compression_store(a);
        else if (zip)
            archive_write_zip_set_compression_deflate(a);
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                            &archive_entry_free);
        archive_entry_copy_pathname(entry.get(), e.name.constData());
        archive_entry_set_mtime(entry.get(), 1700000000, 0);
        const bool data = e.kind == Entry::File;
        switch (e.kind) {
        case Entry::File:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_perm(entry.get(), 0644);
            archive_entry_set_size(entry.get(), e.data.size());
            break;
        case Entry::Folder:
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            archive_entry_set_perm(entry.get(), 0755);
            break;
        case Entry::Link:
            archive_entry_set_filetype(entry.get(), AE_IFLNK);
            archive_entry_set_perm(entry.get(), 0777);
            archive_entry_copy_symlink(entry.get(), e.data.constData());
            break;
        case Entry::HardLink:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_perm(entry.get(), 0644);
            archive_entry_copy_hardlink(entry.get(), e.data.constData());
            break;
        }
        if (archive_write_header(a, entry.get()) < ARCHIVE_WARN)
            return fail(error, QString::fromUtf8(archive_error_string(a)));
        if (data && !e.data.isEmpty() &&
            archive_write_data(a, e.data.constData(), size_t(e.data.size())) != e.data.size())
            return fail(error, QString::fromUtf8(archive_error_string(a)));
    }
    if (archive_write_close(a) != ARCHIVE_OK)
        return fail(error, QString::fromUtf8(archive_error_string(a)));
    return true;
}

} // namespace archivemaker
