#include "packs/gp2hipic.h"

#include "platform/gamepath.h"

namespace gp2hipic {

namespace {
QString program(const QString& appDir) {
    return appDir + gamepath::sep() + QStringLiteral("gp2hipic.pif ");
}

// "#n " and the archive and hand-over files: the tool's picture arguments.
QString pictureArguments(const QString& gp2Dir, int picture) {
    return QStringLiteral("#") + QString::number(picture) + QStringLiteral(" ") +
           archivePath(gp2Dir) + QStringLiteral(" ") + handOverPath(gp2Dir);
}
} // namespace

QString archivePath(const QString& gp2Dir) {
    return gamepath::join(gp2Dir, QStringLiteral("Bitmaps/f1pcsvga.bin"));
}

QString handOverPath(const QString& gp2Dir) {
    return gamepath::join(gp2Dir, QStringLiteral("Bitmaps/tmp.bmp"));
}

QString replaceCommand(const QString& appDir, const QString& gp2Dir, bool quick, int picture) {
    return program(appDir) + (quick ? QStringLiteral("-q") : QStringLiteral("-u")) +
           QStringLiteral(" ") + pictureArguments(gp2Dir, picture);
}

QString extractCommand(const QString& appDir, const QString& gp2Dir, int picture) {
    return program(appDir) + QStringLiteral("-x ") + pictureArguments(gp2Dir, picture);
}

QString compactCommand(const QString& appDir, const QString& gp2Dir) {
    return program(appDir) + QStringLiteral("-d ") + archivePath(gp2Dir);
}

} // namespace gp2hipic
