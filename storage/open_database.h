#pragma once
// Opens a database of the program folder with the program's policy: a missing file is made
// (MakeDatabase), a file the engine does not recognise is repaired, each at most once, and the
// caller learns how it ended instead of being ended itself.
#include "storage/engine.h"

#include <QString>

#include <memory>

struct Gp2PsoBas;

namespace dbopen {

// What the opening may still do; a caller that opens again passes what is left (left()).
struct Policy {
    bool make = true;     // a missing file is made with MakeDatabase(bas, name)
    bool repair = true;   // a file of unrecognised format is repaired in place
    bool anyCase = false; // the name is found in the program folder without regard to case
};

enum class Outcome { Opened, Made, Repaired, Unusable };

// Why an unusable database could not be used.
enum class Failure {
    None,
    NotMade,     // missing, and making it failed (reason) or left no file (no reason)
    NotRepaired, // still of unrecognised format after a repair, or repairing not allowed
    NotOpened,   // any other failure to open (locked, no permission ...): reason
};

struct Result {
    std::unique_ptr<Database> db; // null when unusable
    bool made = false;
    bool repaired = false;
    Failure failure = Failure::None;
    QString reason; // the engine's or the system's words; may be empty

    Outcome outcome() const;
    // The policy an opening after this one has left: nothing is made or repaired twice.
    Policy left(Policy before) const;
};

// Opens `name` of bas.AppDir. While making, the Status window shows "Please wait, making
// database...". A make that ends the program (ProgramEnded) passes through.
Result open(Gp2PsoBas& bas, const QString& name, Policy policy = {});

// The path `name` of the program folder opens as under `policy`.
QString pathOf(const Gp2PsoBas& bas, const QString& name, const Policy& policy);

} // namespace dbopen
