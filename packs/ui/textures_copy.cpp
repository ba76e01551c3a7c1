// The texture copies of an installation: a texture file the archive brought goes into every
// game folder that the installed circuit's texture list names for it.
#include "packs/ui/textures.h"

#include "packs/copy_replacing.h"
#include "packs/texture_list.h"
#include "platform/gamepath.h"
#include "trackfile/ui/main_form.h"

#include <QDir>
#include <QListWidget>

void Textures::CopyJam(const QString& scratchDir, const QString& name, QString& report) {
    const QString gp2Dir = form_.bas().Gp2Dir;
    const QString& crLf = Gp2PsoBas::CrLf;
    for (int i = 0; i < JamList->count(); ++i) {
        const QString entry = JamList->item(i)->text();
        if (!textureEntryMatches(entry, name))
            continue;
        const QString fileName = entry.right(name.size()).toUpper();
        // The list comes from a circuit file anyone may have made.
        if (!isSafeTextureName(entry)) {
            report += fileName + QStringLiteral(" not copied to ") + entry +
                      QStringLiteral(": that place is outside the game folder") + crLf;
            continue;
        }
        const QString folder = gamepath::join(gp2Dir, textureTargetFolder(entry, name));
        // mkpath makes every missing folder along the way, level by level.
        QDir().mkpath(folder);
        const QString source = gamepath::join(scratchDir, fileName);
        const QString target = gamepath::join(folder, fileName);
        QString error;
        if (copyReplacing(source, target, &error))
            report += fileName + QStringLiteral(" copied to ") + folder + crLf;
        else
            report += fileName + QStringLiteral(" couldn't be copied to ") + folder +
                      QStringLiteral(": ") + error + crLf;
    }
}
