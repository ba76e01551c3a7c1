#pragma once
// The files of one folder whose names match a pattern, as the program's file lists show them.
#include <QString>
#include <QStringList>

namespace folderlisting {

// `folder` with native separators and without a trailing one.
QString listedFolder(const QString& folder);

// The names of the files in `folder` that match the wildcard `pattern` without regard to
// case, sorted without regard to case (ties by exact name). Names that are not UTF-8 on disk
// are listed as shown; the commands reach such a file through the bytes kept for it.
QStringList matchingFiles(const QString& folder, const QString& pattern);

} // namespace folderlisting
