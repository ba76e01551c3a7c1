#pragma once
// What a circuit file of the game's circuits folder is to the player: one of the game's sixteen
// slot files (F1CT01.DAT to F1CT16.DAT, what the game races), a copy of an original circuit
// that the first start made under its track name, or a circuit of the collection.
#include <QString>

struct CircuitInfo;

enum class CircuitKind { Collection, GameSlot, OriginalCopy };

// The slot (1 to 16) a game slot file's name gives: ten characters, "F1CT" in any case, then two
// that read (as valOf reads them) as a number from 1 to 16; 0 for any other name.
int gameSlotOf(const QString& fileName);

CircuitKind circuitKind(const QString& fileName, const CircuitInfo& info);

// The short mark the circuit browser shows ("Slot 4", "Original"); "" for a collection circuit.
QString kindMark(const QString& fileName, const CircuitInfo& info);
// What the mark means, for its tool tip; "" for a collection circuit.
QString kindExplanation(CircuitKind kind);
