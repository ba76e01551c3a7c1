#include "packs/pack_name.h"

#include "platform/codepage.h"
#include "storage/gp2psobas.h"

namespace {
// Packs.txt and the game's folders hold names in Windows-1252; another character would come
// back as '?' and name another folder.
bool fitsCodePage(const QString& name) {
    return cp1252::toUnicode(cp1252::fromUnicode(name)) == name;
}
} // namespace

bool isSafePackName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // Both separators: game paths are split on either, whatever the system.
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           fitsCodePage(name);
}

QString packNameRefusal(const QString& name) {
    const QString head = QStringLiteral("'") + name +
                         QStringLiteral("' can't be a Track Pack name.") + Gp2PsoBas::CrLf2;
    if (!fitsCodePage(name))
        return head + QStringLiteral("Its name can only hold the characters of Windows-1252 "
                                     "(Western European letters, digits and signs).");
    return head +
           QStringLiteral("A Track Pack is a folder in the Circuits folder: its name can't be "
                          "\".\" or \"..\" and can't hold \\ or /.");
}
