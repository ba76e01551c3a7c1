#pragma once
// What a saved track pack holds on disk: its folder under the circuits folder, with one copy
// per slot named as the game's slot file (f1ct01.dat ...). A slot whose copy is gone (deleted
// by hand, or a circuit an imported pack file named that the collection lacked) cannot be
// loaded; the pack list and View Pack say which.
//
// An imported pack remembers the circuits it lacks in a file of its folder (kWantedFile, a
// pack file of packs/shared_pack.h naming only those slots), so it can say what it wants and
// take each circuit when it arrives. A remembered circuit counts only while its slot's file is
// missing.
#include "packs/shared_pack.h"

#include <QList>
#include <QString>
#include <QStringList>

struct MissingPackFile {
    int slot = 0;
    QString path;            // where the slot's file should be
    sharedpack::Slot wanted; // the circuit the pack remembers for the slot; hash "" for none
    bool isWanted() const { return !wanted.hash.isEmpty(); }
};

inline const QString kWantedFile = QStringLiteral("wanted.pack.txt");

// The pack's folder under `circuits`, each name resolved as the game resolves it.
QString packFolder(const QString& circuits, const QString& pack);
// The path of slot `slot`'s file in that folder.
QString packSlotFile(const QString& circuits, const QString& pack, int slot);
// The file of the pack's folder that remembers the circuits it lacks.
QString packWantedFile(const QString& circuits, const QString& pack);
// The circuits that file remembers; none when it is missing, no regular file or malformed.
QList<sharedpack::Slot> packWanted(const QString& circuits, const QString& pack);
// Writes that file (beside it, then renamed over it; a link in its place is replaced, never
// written through), or removes it when `wanted` is empty. "" when done, else why not.
QString writePackWanted(const QString& circuits, const QString& pack,
                        const QList<sharedpack::Slot>& wanted);
// The slots of `pack` whose file is not a file; all 16 when the folder itself is missing. Each
// carries the circuit the pack remembers for it.
QList<MissingPackFile> missingPackFiles(const QString& circuits, const QString& pack);
// "slot 7 wants Spa 98 (spa98.dat, 41,234 bytes)": a remembered circuit as the player reads it.
QString wantedText(const sharedpack::Slot& wanted);
// How a pack that remembers `count` circuits is completed.
QString completionHint(qsizetype count);
// One line for the pack list's tool tip ("Missing from this Track Pack: slots 3, 7 (f1ct03.dat,
// f1ct07.dat)"; a remembered circuit by its name, with how to complete the pack), or that the
// whole folder is missing; "" when nothing is.
QString missingPackSummary(const QString& circuits, const QString& pack,
                           const QList<MissingPackFile>& missing);
// The pack names the program folder's Packs.txt (`path`) holds, one a line; none without it.
QStringList packListNames(const QString& path);
