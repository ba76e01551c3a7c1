#pragma once
// Writes the menu names and lap counts of the 16 slots into the game program GP2.EXE, at the
// positions of its language edition.
#include <QList>
#include <QString>
#include <QStringList>

struct Gp2PsoBas;

struct ExeNamesResult {
    bool written = false;    // the names area and the lap bytes were written
    QList<int> refusedSlots; // slots whose lap count does not fit a byte: their byte was kept
    QString error;           // why nothing was written ("" when it was)
    // The file could not be opened for writing or a write failed: the game program was meant
    // to change, unlike a refusal (missing file, unknown edition, too short).
    bool writeFailed = false;
};

// Recognises the edition of Gp2Dir's GP2.EXE afresh (NamesPos and LapsPos are 0 afterwards
// when it is not recognised) and writes the names area stream after the area's first byte,
// then the lap bytes. Nothing is written when the file is missing (it is never made) or
// cannot be opened for writing, its edition is not recognised, or it is too short to hold the
// area and the lap bytes (the game program is never made longer).
ExeNamesResult writeExeNames(Gp2PsoBas& bas, const QStringList& names16,
                             const QStringList& countries16, const QList<int>& laps16);
