// The input is a whole circuit file. Its texture list is scanned, and every name found is put
// through the checks the installation makes before it writes a file there.
#include "tools/fuzz/fuzz_check.h"

#include "packs/texture_list.h"
#include "platform/codepage.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Where a relative name ends up under the game folder, resolved as Windows would: both
// separators, and a component's trailing dots and blanks dropped ("..." and ".. " climb).
QString resolveUnder(const QString& base, const QString& name) {
    QStringList parts;
    for (QString part : name.split(QRegularExpression(QStringLiteral("[/\\\\]")))) {
        const bool dotted = part.contains(QLatin1String(".."));
        while (!part.isEmpty() && (part.endsWith(u'.') || part.endsWith(u' ')))
            part.chop(1);
        parts << (part.isEmpty() ? (dotted ? QStringLiteral("..") : QStringLiteral(".")) : part);
    }
    return QDir::cleanPath(base + u'/' + parts.join(u'/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray file = fuzz::bytes(data, size);
    const QStringList names = scanTextureList(file);
    qsizetype end = file.size() - 5; // just past the last name's ".JAM"
    for (const QString& name : names) {
        const QByteArray stored = cp1252::fromUnicode(name);
        FUZZ_CHECK(stored.size() >= 4 && stored.right(4).toUpper() == ".JAM",
                   "a name that does not end in .JAM: " + name);
        FUZZ_CHECK(!stored.contains('\0'), "a name holds a zero byte");
        // Each name sits, after a zero byte, just before the previous one's zero byte.
        const qsizetype start = end - stored.size();
        FUZZ_CHECK(start >= 1 && file[start - 1] == '\0' &&
                       file.mid(start, stored.size()) == stored,
                   "a name that is not stored where the scan says: " + name);
        end = start - 1;

        if (isSafeTextureName(name)) {
            const QString base = QStringLiteral("/game");
            const QString target = resolveUnder(base, name);
            FUZZ_CHECK(target.startsWith(base + u'/'),
                       "a safe name leaves the game folder: " + name);
            FUZZ_CHECK(!name.contains(u':'), "a safe name names a drive or stream: " + name);
        }
        const QString folder = textureTargetFolder(name, QStringLiteral("X.JAM"));
        if (textureEntryMatches(name, QStringLiteral("x.jam")))
            FUZZ_CHECK(folder + name.right(5) == name, "the target folder is not the entry's head");
    }
    if (file.size() < 9 || file.mid(file.size() - 9, 4).toUpper() != ".JAM")
        FUZZ_CHECK(names.isEmpty(), "names found in a file without a texture list");
    return 0;
}
