#pragma once
// A track pack is a folder directly under the circuits folder, named by the user. A name that
// is empty, "." or "..", or that holds a path separator would name the circuits folder itself
// (where the game's own slot files are) or a folder outside it; one Windows-1252 cannot hold
// would be written to Packs.txt as another name.
#include <QString>

bool isSafePackName(const QString& name);

// The message that refuses a name isSafePackName turns down.
QString packNameRefusal(const QString& name);
