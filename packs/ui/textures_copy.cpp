// The texture copies of an installation: a texture file the archive brought goes into every
// game folder that the installed circuit's texture list names for it.
#include "packs/ui/textures.h"

#include "packs/texture_list.h"
#include "platform/gamepath.h"
#include "platform/replace_file.h"
#include "ui/window_services.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QListWidget>

namespace pistaro {

namespace {

// The list comes from a circuit file anyone may have made: past this many places the rest are
// only counted, so a list of thousands cannot make thousands of folders.
constexpr int kMaxTextureCopies = 1000;

bool isSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

// `path` and the folders above it up to `base`, told to the listings as made.
void noteMade(gamepath::Listings& listings, const QString& base, QString path) {
    const QString top = QDir::cleanPath(base);
    for (path = QDir::cleanPath(path); path.size() > top.size() && path.startsWith(top);
         path = QFileInfo(path).path())
        listings.added(path);
}

} // namespace

void Textures::CopyJam(const QString& scratchDir, const QStringList& names, QString& report) {
    const QString gp2Dir = services_.bas().Gp2Dir;
    const QString& crLf = Gp2PsoBas::CrLf;
    // Which list entries end with which texture file: each ending of an entry's last part is
    // looked up once, so a long list costs in proportion to its length.
    QHash<QString, int> nameIndex;
    for (int n = 0; n < names.size(); ++n)
        nameIndex.insert(names[n].toUpper(), n);
    QList<QList<int>> entriesOf(names.size());
    for (int i = 0; i < JamList->count(); ++i) {
        const QString upper = JamList->item(i)->text().toUpper();
        qsizetype start = upper.size();
        while (start > 0 && !isSeparator(upper[start - 1]))
            --start;
        for (qsizetype k = start; k < upper.size(); ++k)
            if (const auto it = nameIndex.constFind(upper.mid(k)); it != nameIndex.constEnd())
                entriesOf[*it].append(i);
    }

    gamepath::Listings listings;
    int handled = 0, skipped = 0;
    for (int n = 0; n < names.size(); ++n) {
        const QString& name = names[n];
        for (const int i : entriesOf[n]) {
            if (handled == kMaxTextureCopies) {
                ++skipped;
                continue;
            }
            if (++handled % 64 == 0)
                services_.status().pump(); // the Status window keeps painting
            const QString entry = JamList->item(i)->text();
            const QString fileName = entry.right(name.size()).toUpper();
            if (!isSafeTextureName(entry)) {
                report += fileName + QStringLiteral(" not copied to ") + entry +
                          QStringLiteral(": that place is outside the game folder") + crLf;
                continue;
            }
            const QString folder =
                gamepath::join(gp2Dir, textureTargetFolder(entry, name), listings);
            // mkpath makes every missing folder along the way, level by level.
            QDir().mkpath(folder);
            noteMade(listings, gp2Dir, folder);
            const QString source = gamepath::join(scratchDir, fileName);
            const QString target = gamepath::join(folder, fileName, listings);
            QString error;
            if (copyReplacing(source, target, &error)) {
                listings.added(target);
                report += fileName + QStringLiteral(" copied to ") + folder + crLf;
            } else {
                report += fileName + QStringLiteral(" couldn't be copied to ") + folder +
                          QStringLiteral(": ") + error + crLf;
            }
        }
    }
    if (skipped > 0)
        report += QStringLiteral("%1 more texture copies skipped: the texture list names more "
                                 "than %2 places")
                      .arg(skipped)
                      .arg(kMaxTextureCopies) +
                  crLf;
}

} // namespace pistaro
