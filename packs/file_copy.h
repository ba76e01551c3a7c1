#pragma once
// Copying a file over another one, as the export does with circuits and menu pictures. The
// target is first asked in place whether it may be written, so a target the user protected
// stays protected and the failure says why; the copy is then written beside it and takes its
// place in one step (keeping its permissions), so a copy that stops half-way, even a killed
// one, leaves the old file whole. Only a folder that takes no new file gets the target
// rewritten in place.
#include <QString>

// Why a target could not be written: the user can do something about these two.
enum class CopyBlock {
    None,     // another failure (source unreadable, disk full ...)
    ReadOnly, // access to the target refused: write protection, read-only medium, a folder there
    InUse,    // the target is busy: a running program or a locked file
};

struct CopyResult {
    bool ok = false;
    QString error;                   // the system's description of the failure
    CopyBlock block = CopyBlock::None;
};

// Copies `from` over `to`, creating `to` when it is missing. The source is read whole before
// the target is opened, so an unreadable source leaves the target untouched. Copying a file
// onto itself succeeds and leaves it unchanged.
CopyResult copyOver(const QString& from, const QString& to);
