// The input is a whole circuit file. It is read for its info area, every key is read, edited
// and restored, and one edit is written back into a copy of the file.
#include "tools/fuzz/fuzz_check.h"

#include "platform/codepage.h"
#include "trackfile/info_block.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>

using namespace infoblock;

namespace {

const QStringList kKnownKeys = {"Name",  "Country", "Laps", "Tyre",  "LengthMeters",
                                "Event", "Slot",    "Desc", "Author"};

// The keys to try: those of the program's own that the area holds, plus the first few texts
// between two '|', so that the fuzzer can make up keys of its own.
QStringList keysOf(const QByteArray& area) {
    QStringList keys;
    for (const QString& key : kKnownKeys)
        if (area.contains('|' + key.toLatin1() + '|'))
            keys << key;
    const qsizetype most = std::min<qsizetype>(keys.size() + 4, 10);
    qsizetype from = area.indexOf('|');
    while (from >= 0 && keys.size() < most) {
        const qsizetype to = area.indexOf('|', from + 1);
        if (to < 0)
            break;
        const QString key = cp1252::toUnicode(area.mid(from + 1, to - from - 1));
        if (!key.isEmpty() && !keys.contains(key))
            keys << key;
        from = to;
    }
    return keys;
}

// The block as its layout gives it: after the tag, fields "|key|value", until a value is closed
// by '#', or by '|' directly followed by '#'. `closed` says whether that end was found.
struct Block {
    QStringList keys;
    QList<qsizetype> at; // where each field's "|key|" starts
    bool closed = false;
};

Block walk(const QByteArray& area) {
    Block block;
    qsizetype pos = Tag.size();
    if (pos < area.size() && area[pos] == '#')
        block.closed = true;
    while (!block.closed && pos < area.size() && area[pos] == '|') {
        const qsizetype keyEnd = area.indexOf('|', pos + 1);
        if (keyEnd < 0)
            break;
        block.keys << cp1252::toUnicode(area.mid(pos + 1, keyEnd - pos - 1));
        block.at << pos;
        const qsizetype bar = area.indexOf('|', keyEnd + 1);
        if (bar < 0)
            block.closed = area.indexOf('#', keyEnd + 1) >= 0;
        else if (bar + 1 < area.size() && area[bar + 1] == '#')
            block.closed = true;
        else if (bar >= 0)
            pos = bar;
        if (bar < 0)
            break;
    }
    return block;
}

bool hasDelimiter(const QString& text) {
    return text.contains(u'|') || text.contains(u'#');
}

void checkRead(const QByteArray& file, const QByteArray& area) {
    if (!file.startsWith(Tag)) {
        FUZZ_CHECK(area.isEmpty(), "a file without the tag gave an info area");
        return;
    }
    FUZZ_CHECK(area.size() == AreaSize, "the info area is not 4096 bytes");
    const qsizetype n = std::min(file.size(), AreaSize);
    FUZZ_CHECK(area.left(n) == file.left(n), "the info area differs from the file's start");
    FUZZ_CHECK(area.mid(n).count(Filler) == AreaSize - n, "a short file is not padded with '~'");
}

void checkEdit(const QByteArray& area, const QString& key, const QString& contents) {
    const QString before = getDat(area, key);
    FUZZ_CHECK(!before.contains(u'|'), "a value holds '|': " + key);
    QByteArray edited = area;
    const bool changed = updateDatInfo(edited, key, contents);
    FUZZ_CHECK(edited.size() == area.size(), "an edit changed the area's length");
    FUZZ_CHECK(changed == (edited != area), "the edit's result does not say what happened");
    if (!changed)
        return;
    FUZZ_CHECK(edited.startsWith(Tag), "an edit lost the tag");
    // Only the value and what follows it move; nothing before the key's value changes.
    const qsizetype start = area.indexOf('|' + cp1252::fromUnicode(key) + '|') + key.size() + 2;
    FUZZ_CHECK(QByteArrayView(edited).first(start) == QByteArrayView(area).first(start),
               "an edit changed bytes before the value");
    if (key.contains(u'|') || hasDelimiter(contents))
        return;
    FUZZ_CHECK(getDat(edited, key) == contents, "an edited value does not read back: " + key);
    // Editing a field of the block loses or changes no other field, and the block keeps its
    // end. (A key spelled like the old or new value may be found there first: left out.)
    const Block block = walk(area);
    const qsizetype keyAt = area.indexOf('|' + cp1252::fromUnicode(key) + '|');
    if (!block.at.contains(keyAt))
        return;
    if (block.closed)
        FUZZ_CHECK(walk(edited).closed, "an edit cut off the block's end: " + key);
    for (const QString& other : block.keys)
        if (other != key && other != contents && other != before && !other.contains(u'|'))
            FUZZ_CHECK(getDat(edited, other) == getDat(area, other),
                       "editing " + key + " changed the value of " + other);
    // Putting the old value back restores the area when the bytes the edit pushed out were
    // filler (which a longer value needs to take their place).
    const qsizetype grown = std::max<qsizetype>(0, contents.size() - before.size());
    if (QByteArrayView(area).last(grown).count(Filler) == grown) {
        QByteArray restored = edited;
        updateDatInfo(restored, key, before);
        FUZZ_CHECK(restored == area, "restoring the old value did not restore the area: " + key);
    }
}

// Writes `area` over a copy of `file`: only the first 4096 bytes may change, never the length,
// and never a file that has no block.
void checkWrite(const QString& path, const QByteArray& file, const QByteArray& area) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    out.write(file);
    out.close();
    QString error;
    const bool ok = writeInfoArea(path, area, &error);
    QFile in(path);
    FUZZ_CHECK(in.open(QIODevice::ReadOnly), "the written file cannot be read back");
    const QByteArray after = in.readAll();
    FUZZ_CHECK(after.size() == file.size(), "writing the info area changed the file's length");
    FUZZ_CHECK(after.mid(AreaSize) == file.mid(AreaSize), "bytes from 4096 on changed");
    if (!file.startsWith(Tag) || !area.startsWith(Tag)) {
        FUZZ_CHECK(after == file, "a file or area without the tag was written");
        FUZZ_CHECK(area.isEmpty() || !ok, "writing into a file without a block succeeded");
        return;
    }
    FUZZ_CHECK(ok, "writing the info area failed: " + error);
    const qsizetype n = std::min(file.size(), AreaSize);
    FUZZ_CHECK(after.left(n) == area.left(n), "the file does not hold the written area");
}

} // namespace

// Each input makes a few hundred area-sized copies; a smaller quarantine of freed memory than
// AddressSanitizer's 256 MB keeps that from being mostly page faults (twice the inputs a second).
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray file = fuzz::bytes(data, size);
    const QString path = dir.filePath(QStringLiteral("track.dat"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(file);
    }
    const QByteArray area = readInfoArea(path);
    checkRead(file, area);
    if (area.isEmpty()) {
        // A block is never written into a file that has none, even with a made-up area.
        checkWrite(path, file, Tag + QByteArray(AreaSize - Tag.size(), Filler));
        return 0;
    }

    // New values: empty, short, long enough to push the block's end, and the file's last
    // bytes (anything at all, delimiters too). A value longer than the whole area is tried
    // on the first key only.
    const QStringList contents = {
        QString(), QStringLiteral("Italia"), QString(300, u'x'),
        cp1252::toUnicode(file.right(std::min<qsizetype>(40, file.size() / 8)))};
    const QStringList keys = keysOf(area);
    if (!keys.isEmpty())
        checkEdit(area, keys.first(), QString(AreaSize + 10, u'y'));
    QByteArray lastEdit = area;
    for (const QString& key : keys)
        for (const QString& value : contents) {
            checkEdit(area, key, value);
            updateDatInfo(lastEdit, key, value);
        }
    checkWrite(path, file, lastEdit);
    return 0;
}
