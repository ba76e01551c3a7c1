#pragma once
// "The program ends": thrown where a Part ends the program (after its message was shown).
// main() and every event handler's edge catch it and leave with the status; tests catch it.
#include <stdexcept>

class ProgramEnded final : public std::runtime_error {
public:
    explicit ProgramEnded(int status) : std::runtime_error("program ended"), status(status) {}
    int status;
};

[[noreturn]] inline void endProgram(int status) {
    throw ProgramEnded(status);
}
