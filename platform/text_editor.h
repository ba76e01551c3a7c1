#pragma once
// The desktop's text editor: the default application for text/plain in the XDG MIME
// database, so a text file opens as text whatever its extension says.
#include <QString>
#include <QStringList>

namespace texteditor {

// The command line of a desktop entry's Exec value for `file`, with its field codes filled in
// (%f %F the path, %u %U its file URL, %i the icon, %c the name, %k the entry's path; the
// file is added at the end when the line names none). Empty for an unreadable line.
QStringList execCommand(const QString& exec, const QString& file, const QString& name = {},
                        const QString& icon = {}, const QString& entryPath = {});

// The command that opens `file` in the default text/plain application: the first entry of
// the MIME defaults (mimeapps.list, then the desktop's mimeinfo.cache) that is installed,
// shown, runs outside a terminal and whose program exists. Empty when there is none.
QStringList command(const QString& file);

// Starts that command without waiting. False when there is no such application or it did not
// start.
bool open(const QString& file);

} // namespace texteditor
