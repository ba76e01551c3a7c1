#pragma once
// The menu names and lap counts that an export writes into the game program. The names area
// begins with a byte T (read from the game, left as it is); everything after it is rewritten
// as one stream built here. The lap counts are one byte per slot.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The stream written from the byte after T: the 16 track names each followed by T; 16 zeros;
// five times the 16 countries each followed by T and 16 zeros; 16 times a blank and T; 16
// zeros; 496 bytes T. Texts are Windows-1252, one byte per character, not padded. Entries
// missing from the lists count as empty; names and countries are cut to the 30 characters a
// slot entry holds, so the stream is never longer than kNamesAreaLongest.
QByteArray namesAreaStream(const QStringList& names16, const QStringList& countries16, char T);

// Length of the stream when all 32 texts have 30 characters. The capacity of the area inside
// the game program is not known, so the stream is written without a check against it; this
// bound is what the game program can be asked to hold at most.
inline constexpr qsizetype kNamesAreaLongest = 16 * 31 + 16 + 5 * (16 * 31 + 16) + 32 + 16 + 496;

// Lap counts go into single bytes. A count outside 0..255 cannot be stored: that slot's byte is
// left as it is in the game (perSlot holds no value) and the slot is listed in refusedSlots.
struct LapBytes {
    QList<std::optional<char>> perSlot; // index slot - 1, 16 entries
    QList<int> refusedSlots;            // slot numbers 1..16, ascending
};

// Counts missing from the list count as 0, as a slot entry without a lap count does.
LapBytes lapBytes(const QList<int>& laps16);

// The message that tells the user which slots kept their old lap count; "" when none.
QString refusedLapsMessage(const QList<int>& refusedSlots);
