#pragma once
// Slot assignment (Change), Rescan, and the track packs: Save Pack, View Pack, Delete Pack,
// the pack list SelectedPack and its file Packs.txt. It lays out the pack row; the window places
// Change and Rescan.
#include <QChar>
#include <QString>
#include <QWidget>

class QComboBox;
class QEvent;
class QLabel;
class QPushButton;
class QToolButton;

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

    void Change_Click();
    void Import_Click();
    void SavePack_Click();
    void UpdTp_Click();
    void DeletePack_Click();

    // Fills the slot list from the game's 16 slot files with the blank marker (start-up, Restore),
    // and lists again a pack of Packs.txt whose folder is back (a deleted pack restored).
    void fillSlotsFromGame();
    // Packs.txt in the program folder: read at start-up, written at unload.
    void readPackList(const QString& path);
    bool writePackList(const QString& path, QString* error = nullptr) const;

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
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    SlotList& slotList_;
};

} // namespace pistaro
