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
#include <QList>
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

QStringList Textures::CopyJam(const QString& scratchDir, const QStringList& names, QString& report,
                              const std::function<bool(const QStringList&)>& keep) {
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

    // The places are found first and handed to `keep` together, so nothing is copied unless
    // all of them could be saved.
    struct Copy {
        QString fileName, folder, target;
        QString refusal; // the report line of a place that is not written instead
    };
    QList<Copy> copies;
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
                copies.append({fileName,
                               {},
                               {},
                               tr("%1 not copied to %2: that place is outside the game folder")
                                       .arg(fileName, entry) +
                                   crLf});
                continue;
            }
            const QString folder =
                gamepath::join(gp2Dir, textureTargetFolder(entry, name), listings);
            // Told to the listings as made, so later entries of another case resolve to it.
            noteMade(listings, gp2Dir, folder);
            const QString target = gamepath::join(folder, fileName, listings);
            listings.added(target);
            copies.append({fileName, folder, target, {}});
        }
    }
    QStringList targets;
    for (const Copy& copy : std::as_const(copies))
        if (copy.refusal.isEmpty())
            targets << copy.target;
    const bool kept = targets.isEmpty() || keep(targets);
    QStringList notWritten;

    for (qsizetype c = 0; c < copies.size(); ++c) {
        const Copy& copy = copies.at(c);
        if (c % 64 == 63)
            services_.status().pump();
        if (!copy.refusal.isEmpty()) {
            report += copy.refusal;
            continue;
        }
        if (!kept)
            continue;
        // mkpath makes every missing folder along the way, level by level.
        QDir().mkpath(copy.folder);
        QString error;
        if (copyReplacing(gamepath::join(scratchDir, copy.fileName), copy.target, &error))
            report += tr("%1 copied to %2").arg(copy.fileName, copy.folder) + crLf;
        else {
            notWritten
                << tr("%1 couldn't be copied to %2: %3").arg(copy.fileName, copy.folder, error);
            report += notWritten.constLast() + crLf;
        }
    }
    if (skipped > 0)
        report += tr("%1 more texture copies skipped: the texture list names more than %2 "
                     "places")
                      .arg(QString::number(skipped), QString::number(kMaxTextureCopies)) +
                  crLf;
    return notWritten;
}

} // namespace pistaro
