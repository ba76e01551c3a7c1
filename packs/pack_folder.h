#pragma once
// What a saved track pack holds on disk: its folder under the circuits folder, with one copy
// per slot named as the game's slot file (f1ct01.dat ...). A slot whose copy is gone (deleted
// by hand, or a circuit an imported pack file named that the collection lacked) cannot be
// loaded; the pack list and View Pack say which.
#include <QList>
#include <QString>
#include <QStringList>

struct MissingPackFile {
    int slot = 0;
    QString path; // where the slot's file should be
};

// The pack's folder under `circuits`, each name resolved as the game resolves it.
QString packFolder(const QString& circuits, const QString& pack);
// The path of slot `slot`'s file in that folder.
QString packSlotFile(const QString& circuits, const QString& pack, int slot);
// The slots of `pack` whose file is not a file; all 16 when the folder itself is missing.
QList<MissingPackFile> missingPackFiles(const QString& circuits, const QString& pack);
// One line for the pack list's tool tip ("Missing: slots 3, 7 (f1ct03.dat, f1ct07.dat)"), or
// that the whole folder is missing; "" when nothing is.
QString missingPackSummary(const QString& circuits, const QString& pack,
                           const QList<MissingPackFile>& missing);
// The pack names the program folder's Packs.txt (`path`) holds, one a line; none without it.
QStringList packListNames(const QString& path);
