#pragma once
// Reads a definition file ("pso.def", "maps.def") as its lines: UTF-8 as written here, else
// Windows-1252 as a file saved on Windows may be.
#include <QString>
#include <QStringList>

namespace deffile {
// Throws DbError FileNotFound when the file is missing, PermissionDenied when it cannot be read.
QStringList readLines(const QString& path);
} // namespace deffile
