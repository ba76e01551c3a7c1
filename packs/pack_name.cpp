#include "packs/pack_name.h"

#include "platform/codepage.h"
#include "platform/native_names.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// Packs.txt and the game's folders hold names in Windows-1252; another character would come
// back as '?' and name another folder.
bool fitsCodePage(const QString& name) {
    return cp1252::toUnicode(cp1252::fromUnicode(name)) == name;
}
// A line break would split the name in Packs.txt; other control characters make a folder name
// no player can type.
bool holdsControl(const QString& name) {
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}
} // namespace

bool isSafePackName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // Both separators: game paths are split on either, whatever the system.
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           fitsCodePage(name) && !holdsControl(name) && nativenames::fitsFolderEntry(name);
}

QString packNameRefusal(const QString& name) {
    // A name too long to be a folder is shown by its start only.
    const QString head = QCoreApplication::translate("packname", "'%1' can't be a Track Pack name.")
                             .arg(shown::text(name.left(80)) +
                                  (name.size() > 80 ? QStringLiteral("...") : QString())) +
                         Gp2PsoBas::CrLf2;
    if (!nativenames::fitsFolderEntry(name))
        return head + QCoreApplication::translate(
                          "packname", "It is longer than a folder name may be (255 bytes).");
    if (holdsControl(name))
        return head + QCoreApplication::translate(
                          "packname", "Its name can't hold control characters (line breaks, tabs "
                                      "and the like).");
    if (!fitsCodePage(name))
        return head + QCoreApplication::translate(
                          "packname", "Its name can only hold the characters of Windows-1252 "
                                      "(Western European letters, digits and signs).");
    return head + QCoreApplication::translate(
                      "packname",
                      "A Track Pack is a folder in the Circuits folder: its name can't be "
                      "\".\" or \"..\" and can't hold \\ or /.");
}
