#pragma once
// Car setups between the game's state file and the lap time database.
#include <QObject>
#include <QString>

class QPushButton;
class QWidget;

struct CircuitInfo;

namespace pistaro {

class WindowServices;
class TrackInfoPanel;
class CircuitLists;
class SlotList;

class SetupTransfer final : public QObject {
    Q_OBJECT
public:
    SetupTransfer(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                  SlotList& slotList, QWidget* parent);
    QPushButton* ImportSetups; // "Import &Setups"
    QPushButton* ExportSetups; // "Export &Setups"

    // The buttons: as Import and Export, ending in a summary of how many setups went where,
    // and naming a state file that was refused or could not be read or written.
    void ImportSetups_Click();
    void ExportSetups_Click();

    // Run by the launcher, without user interaction: what went wrong is only written to
    // standard error.
    void Import();
    void Export();

private:
    // Each returns "" when the transfer went through, else what failed. A state file that is
    // missing or too short is refused before anything is changed.
    // "" when done; else why nothing or not everything was stored. `databaseFailed` tells
    // that the setups were read but no write to the database succeeded. `count` gets how many
    // setups were stored or written.
    QString importSetups(bool* databaseFailed = nullptr, int* count = nullptr);
    QString exportSetups(int* count = nullptr);
    // The circuit of slot 1..16: its pending circuit, else the game's slot file.
    CircuitInfo slotCircuit(int slot) const;
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    SlotList& slotList_;
};

} // namespace pistaro
