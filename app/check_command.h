#pragma once
// `pso --check [game folder]`: the health check of the game folder's circuits on the command
// line, with no window. Without a folder it checks the game folder the program's settings hold.
#include <QString>
#include <QStringList>

namespace pistaro {

// `arguments` follow "--check". Prints one line per problem and the counts to standard output
// (why nothing could be checked to standard error); returns the exit status: 0 nothing wrong,
// 1 something wrong, 2 the folder could not be read.
int runCheck(const QString& exeDir, const QStringList& arguments);

} // namespace pistaro
