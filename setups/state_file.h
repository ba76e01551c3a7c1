#pragma once
// The car setup area of the game's state file f1gstate.sav: 16 records of 96 bytes, one per
// circuit slot, from offset 11250; the file ends in a 4-byte checksum over the rest.
#include <QByteArray>
#include <QList>
#include <QString>

namespace statefile {

inline constexpr qint64 kSetupOffset = 11250; // first byte of slot 1's setup, from 0
inline constexpr qint64 kSetupRecordSize = 96;
inline constexpr int kSetupSlots = 16;
inline constexpr qint64 kChecksumSize = 4;
// Shortest file that holds the whole setup area and, after it, the checksum trailer.
inline constexpr qint64 kMinimumLength =
    kSetupOffset + kSetupSlots * kSetupRecordSize + kChecksumSize;

// The state file of a game folder (Gp2Dir + "f1gstate.sav", any case).
QString path(const QString& gp2Dir);

// 1-based file position of the setup of slot 1..16.
qint64 setupPosition(int slot);

// Why the file cannot take part in a transfer ("" when it can): it is missing, is not a
// plain file, or is too short for the setup area and the checksum after it. Such a file is
// neither created nor extended.
QString refusal(const QString& path);

// The 16 setups, slot 1 first. Throws when the file is refused or cannot be read.
QList<QByteArray> readSetups(const QString& path);

// Writes one 96-byte setup into its slot of an existing, long enough file. Throws when the
// setup is not 96 bytes, the file is refused or the write fails.
void writeSetup(const QString& path, int slot, const QByteArray& setup);

} // namespace statefile
