#pragma once
// Copies a file over another. The copy is written beside the target and then takes its place,
// so a copy that fails (a missing source, a full disk, a read-only folder) leaves the target
// as it was. The copy keeps the source's last-modified time.
#include <QString>

// False with a reason in `error` when the target could not be written.
bool copyReplacing(const QString& source, const QString& target, QString* error = nullptr);
