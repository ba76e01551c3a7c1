#pragma once
// A stand-in for gp2hipic in a program folder: an executable script named gp2hipic.pif that
// records every command line it is started with and acts on the hand-over file the way the
// tool does, so tests can see which bitmap went into which picture of the archive.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace picturetool {

// Writes appDir/gp2hipic.pif, and the default pictures na1.bmp and na2.bmp of the built
// program folder beside it. "-u"/"-q #n archive file" keep a copy of `file` as
// appDir/handed-n.bmp; "-x #n archive file" copies appDir/archive-n.bmp (when present) to
// `file`. Every run appends "$0 $*" to appDir/gp2hipic.log.
void install(const QString& appDir);
// The command lines recorded so far, in order.
QStringList runs(const QString& appDir);
// The bytes handed over for picture n ("" when none was).
QByteArray handed(const QString& appDir, int picture);
// Makes `bytes` the picture that "-x #n" extracts.
void setArchivePicture(const QString& appDir, int picture, const QByteArray& bytes);

QByteArray defaultPicture(int which); // the built na1.bmp (1) or na2.bmp (2)

// A small bitmap of the given size and colour, as BMP file bytes.
QByteArray bitmap(int width, int height, unsigned rgb);

} // namespace picturetool
