#pragma once
// The game's CD image as DOSBox mounts it: an .iso, or a .cue sheet with the track files it
// names beside it.
#include <QString>
#include <QStringList>

namespace cdimage {

// The files a .cue sheet names in its FILE lines, as paths beside the sheet; empty for an
// .iso or a sheet that names none.
QStringList trackFiles(const QString& image);

// "" when the image and every file it names can be read, else what is missing or unreadable
// and why, for the user ("the CD image /cd/gp2.cue names /cd/gp2.bin, which is not there").
QString problem(const QString& image);

} // namespace cdimage
