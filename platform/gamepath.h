#pragma once
// Paths inside the game folder. The game's names compare without regard to case, so every
// component is resolved against what exists: the exact name first, else a case-insensitive
// match. Relative parts may use '\' or '/'; results use the native separator.
#include <QString>

namespace gamepath {
// Gp2Dir + relative parts, each component resolved against the file system. A component
// that matches nothing is kept as given (so the result names where a new file would go).
// For a write, the existing entry of any case is the one replaced: use this same result.
QString join(const QString& base, const QString& relative);
// Resolves every component of an absolute or relative path as join() does.
QString resolve(const QString& path);
// The path with native separators and a trailing separator.
QString withTrailingSeparator(const QString& dir);
// The native separator as text ("\" on Windows, "/" elsewhere).
QString sep();
} // namespace gamepath
