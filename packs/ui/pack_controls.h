#pragma once
// Slot assignment (Change), Rescan, and the track packs: Save Pack, View Pack, Delete Pack,
// Export pack and Import pack (pack files shared between players, written and read by
// PackSharing), the pack list SelectedPack and its file Packs.txt. It lays out the pack row;
// the window places Change and Rescan.
#include "packs/ui/pack_sharing.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace gamebackup {
class Backup;
}

namespace pistaro {

class WindowServices;
class CircuitLists;
class SlotList;
class TrackInfoPanel;

class PackControls final : public QWidget {
    Q_OBJECT
public:
    PackControls(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                 SlotList& slotList, QWidget* parent);

    QPushButton* Change;     // "--> &Change"
    QPushButton* Import;     // "&Rescan"
    QLabel* Label200;        // "Pack"
    QComboBox* SelectedPack; // editable, unsorted
    QToolButton* UpdTp;      // View Pack
    QToolButton* SavePack;
    QToolButton* DeletePack;
    QToolButton* ExportPack; // "Export pack…"
    QToolButton* ImportPack; // "Import pack…"

    void Change_Click();
    void Import_Click();
    void SavePack_Click();
    void UpdTp_Click();
    void DeletePack_Click();
    void ExportPack_Click();
    void ImportPack_Click();

    // Fills the slot list from the game's 16 slot files with the blank marker (start-up, Restore),
    // and lists again a pack of Packs.txt whose folder is back (a deleted pack restored).
    void fillSlotsFromGame();
    // Packs.txt in the program folder: read at start-up, written at unload.
    void readPackList(const QString& path);
    bool writePackList(const QString& path, QString* error = nullptr) const;

    // Marks the listed packs whose folder or slot files are missing: a tool tip naming them and
    // an italic name; the circuit list's Packs column follows.
    void markIncompletePacks();
    // The marks alone, for a pack list whose packs are as the circuit list last read them.
    void showMissingCircuits();
    // Circuits arrived in the circuits folder (the end of Install, Rescan): the listed packs
    // take the circuits they remember (PackSharing::takeArrivedCircuits), saving what they
    // replace in the command `command`'s `backup`. The lines that say what they took.
    QStringList circuitsArrived(gamebackup::Backup& backup, const QString& command);

    // SelectedPack losing the focus trims its text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void wireHandlers();

    // Packs.txt in the program folder.
    QString packListFile() const;
    // Adds the packs of Packs.txt that the list lacks and whose folder exists.
    void listRestoredPacks();
    // Gp2Dir + "Circuits", without trailing separator.
    QString circuitsFolder() const;
    // Reads the game's slot file and shows it as slot `slot`, not pending.
    void readGameSlot(int slot);
    // The trimmed pack name, written back into SelectedPack.
    QString trimmedPackName();
    // The trimmed pack name for Save, View and Delete: "" when empty, or when it would leave
    // the circuits folder (then the refusal is shown).
    QString acceptedPackName();
    // Pack names differing only in letter case are one pack, as they are on the game's own
    // system: the spelling of a listed pack or of a folder in the circuits folder that equals
    // `name` but for case, else `name`.
    QString packSpelling(const QString& name) const;
    // Lists `name` (once) and shows it as the chosen pack.
    void listPack(const QString& name);
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    SlotList& slotList_;
    PackSharing sharing_;
};

} // namespace pistaro
