#include "packs/pack_name.h"

#include "storage/gp2psobas.h"

bool isSafePackName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // Both separators: game paths are split on either, whatever the system.
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString packNameRefusal(const QString& name) {
    return QStringLiteral("'") + name + QStringLiteral("' can't be a Track Pack name !!!") +
           Gp2PsoBas::CrLf2 +
           QStringLiteral("A Track Pack is a folder in the Circuits folder: its name can't be "
                          "\".\" or \"..\" and can't hold \\ or /.");
}
