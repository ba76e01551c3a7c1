#pragma once
// The pack files of the track packs: Export pack writes a saved pack as a small text file
// (packs/shared_pack.h) that another player's Import pack reads, finding each circuit in the
// collection by its track data whatever its file name; the circuits an imported pack lacks are
// remembered in its folder (packs/pack_folder.h), and a pack takes each of them when it arrives.
// The pack controls ask the questions about the pack list and call these.
#include "packs/shared_pack.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace gamebackup {
class Backup;
}

namespace pistaro {

class CircuitLists;
class WindowServices;

class PackSharing final {
    Q_DECLARE_TR_FUNCTIONS(PackSharing)

public:
    // `lists` keeps the circuits' tags, which pack files carry.
    PackSharing(WindowServices& services, CircuitLists& lists)
        : services_(services), lists_(lists) {}

    // Export pack: the saved pack `name` of `circuits` into a pack file the user names.
    void exportPack(const QString& circuits, const QString& name);
    // The pack file the user chooses, read; none when cancelled or refused (then said why).
    std::optional<sharedpack::Pack> choosePackFile();
    // Import pack: makes the pack `name` of `circuits` from the circuits of `pack` found there
    // and remembers those it lacks, then says what it did; false when it made nothing.
    bool makePack(const QString& circuits, const sharedpack::Pack& pack, const QString& name);
    // Circuits arrived in `circuits` (Install, Rescan): each of `packs` that remembers one of
    // them takes it into its slot, after saving what it replaces in `backup` (the command
    // `command`'s). One line per pack that took a circuit ("Season 98 is complete: slot 7 took
    // spa98.dat"); nothing, and no file read, when no pack remembers a circuit.
    QStringList takeArrivedCircuits(const QString& circuits, const QStringList& packs,
                                    gamebackup::Backup& backup, const QString& command);

private:
    WindowServices& services_;
    CircuitLists& lists_;
};

} // namespace pistaro
