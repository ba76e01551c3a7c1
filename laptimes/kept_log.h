#pragma once
// Keeping the lap timer's previous log before a game: it is moved to "Lt" + six digits +
// ".log" in the game folder.
#include <QString>

// "Lt" + `number` in at least six digits + ".log" (Lt000042.log).
QString keptLogName(qint64 number);

// Moves gp2Dir's "gp2lap.log" to the kept name of `number`. A kept log already holding that
// name is left alone and the next free number is taken, so no earlier log is lost. Returns
// the full path moved to, "" when there was no log or it could not be moved.
QString keepLog(const QString& gp2Dir, qint64 number);
