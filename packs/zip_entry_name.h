#pragma once
// The file name under which an archive entry is unpacked into the scratch folder. Archives
// come from anywhere, so an entry's stored path is never used: only its last component is.
#include <QByteArray>
#include <QString>

#include <optional>

// The stored name as text: names flagged as UTF-8 are read as UTF-8 (none when they are not),
// the others as code page 437, the code page of DOS archivers, as the ZIP format says.
std::optional<QString> decodedEntryName(const QByteArray& rawName, bool utf8Flag);

// The last component of the stored name after '/' or '\', with a drive prefix such as "C:"
// removed. No name (nothing to extract) when that is empty or only dots and blanks (".",
// ".."), when the name holds a control character, a mark that turns the text direction or
// another ':', or when it is not valid in its code page. Names flagged as UTF-8 are read as
// UTF-8; the others as code page 437, the code page of DOS archivers, as the ZIP format says.
std::optional<QString> plainEntryName(const QByteArray& rawName, bool utf8Flag = false);
// The same for a name already read as text (an archive that stores its names in Unicode).
std::optional<QString> plainFileName(const QString& path);

// The name as a report shows it (shown::text): control characters and direction marks as
// escapes ("\u202e"), so a hostile name cannot disguise itself or the lines around it.
QString shownEntryName(const QString& name);
