#pragma once
// Export to the game: slot copies, menu names and lap counts in GP2.EXE, menu pictures.
#include "gamedir/game_backup.h"
#include "platform/command_summary.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QPushButton;
class QWidget;
class LineUp;
class ReplaceBatch;

namespace pistaro {

class WindowServices;
class CircuitLists;
class SlotList;

class Exporter final : public QObject {
    Q_OBJECT
public:
    Exporter(WindowServices& services, CircuitLists& lists, SlotList& slotList, QWidget* parent);
    QPushButton* Export; // "&Export to Gp2"
    void Export_Click();
    // The export without its question, for a launch from the command line: says only what
    // went wrong. True when every waiting circuit is in its slot and the menu names are
    // written (or nothing waited); menu pictures that could not be changed are said, not
    // held against it. What it has to say then waits for showHeldReport (no box stops the
    // game from starting); when it returns false, it is said at once.
    bool ExportUnasked();
    // Shows what ExportUnasked held back, once; nothing when it held nothing.
    void showHeldReport();

private:
    bool anythingPending() const;
    // The export after its question: the backup, then every step; the summary shown when
    // something failed, or always with `reportClean`. True as ExportUnasked says.
    bool writeToGame(bool reportClean);
    // Saves every game file the export may change; false (and said why) when it could not.
    bool backUp();
    // A game file could not be written after others were: the game is put back from the
    // export's backup and the slots wait again, as `before`; the summary names what failed.
    void putGameBack(const LineUp& before);
    // The steps of one export, in their order. What they do and what fails goes into summary_.
    void copySlot(int slot, ReplaceBatch& slotFiles);
    // GP2.EXE kept in the backup before any game file changes; false (the game untouched, the
    // slots as `before`, and said why) when it could not be.
    bool keptExe(const LineUp& before);
    void placeSlotFiles(ReplaceBatch& slotFiles);
    void writeMenuNames();
    void rewritePictures(int slot);
    // `named`: the picture file the catalogue names, "" for the default picture; `item` names
    // the slot for the summary. False when the picture was not changed.
    bool handOverPicture(int slot, int which, const QString& named, const QString& item);
    // Why gp2hipic cannot run at all, "" when it can.
    QString picturesBlocked() const;
    void deleteViewPackFiles();
    WindowServices& services_;
    CircuitLists& lists_;
    SlotList& slotList_;
    // Per slot, the file its circuit is copied from: the backup's copy when the assigned
    // circuit is itself a slot file that this export writes over (a swap of two slots).
    std::array<QString, 17> sources_;
    QString exe_; // GP2.EXE, "" when the game has none
    CommandSummary summary_;
    int copied_ = 0;   // slots whose circuit was copied
    int pictured_ = 0; // slots whose both menu pictures were changed
    bool namesWritten_ = false;
    bool writeFailed_ = false;                 // a slot file or GP2.EXE could not be written
    std::optional<gamebackup::Backup> backup_; // the running export's, until it ends
    QString picturesBlocked_;
    QString stopped_;         // "<program> was stopped" once the user stopped an outside program
    bool holdReport_ = false; // ExportUnasked: a successful export's summary waits
    QString heldHeadline_;    // "" when nothing is held
    CommandSummary held_;
};

} // namespace pistaro
