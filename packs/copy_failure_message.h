#pragma once
// Why the export could not copy circuits over slot files, said once for all such slots.
#include "platform/replace_file.h"

#include <QString>

// The cause for the export's summary: for a write-protected or busy target, also what the
// user can do about it.
QString copyFailureCause(const CopyResult& result);
