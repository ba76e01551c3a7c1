#pragma once
// The message shown when the export cannot copy a circuit over a slot file.
#include "platform/replace_file.h"

#include <QString>

// "Couldn't copy file, <Gp2Dir>Circuits<sep>f1ctNN.dat." with the system's description of the
// error and, for a write-protected or busy target, what the user can do about it.
QString copyFailureMessage(const QString& gp2Dir, int slot, const CopyResult& result);
