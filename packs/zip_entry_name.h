#pragma once
// The file name under which an archive entry is unpacked into the scratch folder. Archives
// come from anywhere, so an entry's stored path is never used: only its last component is.
#include <QByteArray>
#include <QString>

#include <optional>

// The last component of the stored name after '/' or '\', with a drive prefix such as "C:"
// removed. No name (nothing to extract) when that is empty or only dots and blanks (".",
// ".."), or when the name holds a control character or another ':'. Names are read as UTF-8
// when the bytes are valid UTF-8 (this covers plain ASCII and archives that flag UTF-8 names),
// else as code page 437, the code page of DOS archivers.
std::optional<QString> plainEntryName(const QByteArray& rawName);
