#pragma once
// The fixes the circuit list offers for the problems its Status column shows, on every
// selected row that has the problem: "Repair checksum", "Install missing textures from an
// archive…" and "Delete this duplicate…". Each looks at the files again before it acts (the
// column may be older than the files), keeps what it changes in a backup first, and ends with
// one summary.
#include <QObject>
#include <QStringList>

#include <functional>
#include <utility>

class QAction;
class QMenu;
class QWidget;

namespace pistaro {

class CircuitLists;
class Installer;
class SlotList;
class TrackInfoPanel;
class WindowServices;

class CircuitFixes final : public QObject {
    Q_OBJECT
public:
    // The fixes join the circuit list's popup menu.
    CircuitFixes(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                 SlotList& slotList, Installer& installer, QWidget* parent);

    QAction* RepairChecksum;  // "Repair checksum"
    QAction* InstallTextures; // "Install missing textures from an archive…"
    QAction* DeleteDuplicate; // "Delete this duplicate…"

    // Adds the three to `menu` (after a separator) and keeps them enabled for the selection.
    void addTo(QMenu* menu);
    // Enables each fix that some selected row needs.
    void setItems();

    void RepairChecksum_Click();
    void InstallTextures_Click();
    void DeleteDuplicate_Click();

private:
    QString pathOf(const QString& name) const;
    // Runs `act` on each of `paths` ("" when done, else why not), re-reads the list and shows
    // one summary under `headline`: `doneLine` with "<n> <noun>" and the names done as %1 and
    // %2 ("%1 repaired: %2."), and per failure `cause`.
    void applyEach(const QStringList& names, const QStringList& paths,
                   const std::function<QString(const QString&)>& act, const QString& cause,
                   const std::pair<QString, QString>& noun, const QString& doneLine,
                   const QString& headline);
    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    SlotList& slotList_;
    Installer& installer_;
};

} // namespace pistaro
