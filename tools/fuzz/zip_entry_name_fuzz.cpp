// The input is an entry name as an archive stores it. A name that is kept must be a plain file
// name that stays in the scratch folder; a plain name must be kept as it is.
#include "tools/fuzz/fuzz_check.h"

#include "packs/zip_entry_name.h"

#include <QDir>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray raw = fuzz::bytes(data, size);
    const std::optional<QString> name = plainEntryName(raw);

    const bool plainAscii = std::all_of(raw.begin(), raw.end(), [](char c) {
        return c > 0x20 && c < 0x7f && c != '/' && c != '\\' && c != ':';
    });
    if (plainAscii && raw.count('.') < raw.size())
        FUZZ_CHECK(name == QString::fromLatin1(raw), "a plain name was changed or refused");
    if (!name)
        return 0;

    FUZZ_CHECK(!name->isEmpty(), "an empty name was kept");
    for (const QChar c : *name)
        FUZZ_CHECK(c != u'/' && c != u'\\' && c != u':' && c.category() != QChar::Other_Control,
                   "a kept name holds a separator, ':' or a control character");
    FUZZ_CHECK(
        !std::all_of(name->begin(), name->end(), [](QChar c) { return c == u'.' || c == u' '; }),
        "a kept name is only dots and blanks");
    const QString scratch = QStringLiteral("/tmp/tmpzip");
    FUZZ_CHECK(QFileInfo(QDir(scratch).filePath(*name)).absolutePath() == scratch,
               "a kept name leaves the scratch folder");
    FUZZ_CHECK(plainEntryName(name->toUtf8(), true) == name,
               "reducing a kept name again changes it");
    return 0;
}
