#pragma once
// The texture files (.JAM) a circuit file names: a run of paths relative to the game folder
// near the end of the file, each preceded by a zero byte, the last one's ".JAM" ending five
// bytes before the end (one byte and the 4-byte checksum follow it).
#include <QByteArray>
#include <QString>
#include <QStringList>

// The names from the last in the file to the first, spelled as stored (Windows-1252). The scan
// runs backwards and stops at the first name that does not end in ".JAM" (any case); a name
// that would reach back past the start of the file is not taken.
QStringList scanTextureList(const QByteArray& fileBytes);

// A name taken from a circuit file becomes a path under the game folder. It is unsafe when it
// is empty, absolute, carries a drive or any ':', or has a ".." component (either separator).
bool isSafeTextureName(const QString& name);

// Whether the texture file at `path` (a name of the list joined to the game folder) counts as
// installed: a file that is not empty. Check Jams and the collection's health check both ask this.
bool textureInstalled(const QString& path);

// Whether the list entry ends with the texture file's name, compared in upper case.
bool textureEntryMatches(const QString& entry, const QString& name);

// The folder, relative to the game folder, that a matching entry puts the texture file in: the
// entry without the name's characters at its end (normally ending in a separator, or empty).
QString textureTargetFolder(const QString& entry, const QString& name);
