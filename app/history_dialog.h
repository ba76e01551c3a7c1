#pragma once
// File > "&History...": every kept change, newest first (when, the command and what it acted
// on, how many files), the files of the selected one, and Revert, which puts that change's
// files back as a change of its own.
#include "gamedir/backup_manifest.h"

#include <QDialog>
#include <QList>

class QBoxLayout;
class QListWidget;
class QPushButton;

namespace pistaro {

class CircuitLists;
class PackControls;
class TrackInfoPanel;
class WindowServices;

class HistoryDialog final : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                  PackControls& packs, QWidget* parent);

    QListWidget* Changes; // newest first
    QListWidget* Files;   // of the selected change
    QPushButton* Revert;
    QPushButton* Close;

    // Reads the backups again and selects the newest change.
    void reload();
    void Changes_CurrentRowChanged(int row);
    void Revert_Click();

    // A row of Changes: "<local time>  <command>  (<n> files)", "put back" once reverted,
    // "unfinished" for a revert stopped half-way; reload() adds "damaged" (with a tool tip
    // naming the files) to a change whose saved copies are damaged or missing.
    static QString rowText(const gamebackup::Change& change);

private:
    // Stands the lists side by side, or one above the other where the screen is too narrow for
    // both whole, and returns what the changes and their files then need, before the user
    // gives the window a size.
    QSize fitListsToScreen();

    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    PackControls& packs_;
    QList<gamebackup::Change> shown_; // as listed, newest first
    QBoxLayout* lists_layout_;        // Changes beside (or above) Files
};

} // namespace pistaro
