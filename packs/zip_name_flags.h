#pragma once
// Archives whose entries claim UTF-8 names (general purpose flag bit 11) that are not UTF-8:
// libzip refuses to open them at all. Clearing the flag of just those entries lets the rest be
// read; the entries themselves are then left out.
#include <QByteArray>
#include <QSet>

// Clears the flag of every entry, in the central directory and in its local header, whose
// name is flagged but not valid UTF-8. Returns the indexes (central directory order) of the
// entries changed; none when the archive's directory cannot be found.
QSet<qint64> clearFalseUtf8Flags(QByteArray& archive);
