#pragma once
// One pso at a time on one program folder: two runs would each write their own pack list and
// catalogue state over the other's. The run holds the lock file "pso.lock" in the folder; a
// lock left by a process that was killed is taken over, and so is debris in its place that
// names no process (an empty or unreadable file, an empty folder, a link); what cannot be
// removed is named in the refusal, so the player knows which file to remove.
#include <QLockFile>
#include <QString>

#include <memory>

struct ProgramLock {
    std::unique_ptr<QLockFile> lock; // held while it lives; null when not taken
    QString refusal; // why the run must end ("Pistaro is already running on <folder>.", or
                     // the file in the way to remove), or ""
};

// Takes the lock of `appDir`. A folder where no lock file can be made at all is no refusal:
// the run goes on without the lock, and standard error says why.
ProgramLock lockProgramFolder(const QString& appDir);

// The lock file's name in the program folder.
inline constexpr const char* kProgramLockFile = "pso.lock";
