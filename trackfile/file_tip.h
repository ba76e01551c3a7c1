#pragma once
// The tool tip of the circuit lists for the file just selected: its path, when it was last
// changed (mm-dd-yyyy hh:mm:ss) and its length in bytes.
#include <QString>

// path + " - Version " + date and time + " - Size: " + length + " "; the path alone when the
// file does not exist.
QString fileTipText(const QString& path);
