#pragma once
// The circuit file list File1 and the slot list List1, their selection handling, the
// popup menu with Rename and Delete, and the pending slot state of the next export.
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QWidget;

namespace pistaro {

class CircuitTable;
class WindowServices;
class TrackInfoPanel;

class CircuitLists final : public QObject {
    Q_OBJECT
public:
    CircuitLists(WindowServices& services, TrackInfoPanel& panel, QWidget* parent);

    CircuitTable* File1;      // *.DAT of Gp2Dir + "Circuits"
    QLineEdit* CircuitFilter; // narrows File1 to the rows that show the typed words
    QLabel* Label10;          // "Circuits Directory:"
    QListWidget* List1;       // the 16 slot entries; item data (Qt::UserRole) = lap count
    QPushButton* ACir;        // "A&vailable Circuits"
    QMenu* FileClick;         // popup menu of File1
    QAction* Rename;
    QAction* Delete;

    // Pending state per slot 1..16 (index 0 unused).
    std::array<QString, 17> SlotFile;
    std::array<bool, 17> SlotChanged{};

    // Selected slot 1..16, or 0 when no entry of List1 is selected.
    int selectedSlot() const;

    void File1_Click();
    void List1_Click();
    void ACir_Click();
    void Rename_Click();
    void Delete_Click();

    // Shows the focus colours: the list that has the focus white, the other light grey.
    void showFocus(QWidget* focused);

    // Focus of both lists, the Delete key and the right button on File1, a circuit dropped
    // on a slot, Escape in the filter.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A circuit dragged from File1 onto slot `slot` (1..16): both are selected, then Change.
    void dropCircuit(const QString& name, int slot);

signals:
    // The selected circuit is to go into the selected slot, as the Change button does.
    void changeRequested();
    // A circuit was selected and read into the panel: from the circuit files, or from a game
    // slot (`fromSlot`, whose menu pictures can be imported).
    void circuitSelected(bool fromSlot);

private:
    void buildWidgets(QWidget* parent);
    void wireHandlers();
    // Rename and Delete only for a selected file that is not one of the game's slot files.
    bool maySelectedBeChanged() const;
    void setPopupItems();
    // Runs a file command with the list hidden, then re-reads the circuits folder; the
    // selection is dropped.
    void refreshFileList(const std::function<void()>& whileHidden);
    // File1's catalogue values, the filter with Ctrl+F and Escape, double-clicks, and
    // circuits dropped on List1.
    void wireBrowser();
    // A drag over List1 or a drop on it; true when it carries a circuit.
    bool slotDragEvent(QEvent* event);
    WindowServices& services_;
    TrackInfoPanel& panel_;
    int slotAtPress_ = 0; // the slot selected when the mouse was last pressed on List1
};

} // namespace pistaro
