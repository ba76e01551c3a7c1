#pragma once
// The pack files of the track packs: Export pack writes a saved pack as a small text file
// (packs/shared_pack.h) that another player's Import pack reads, finding each circuit in the
// collection by its track data whatever its file name.
// The pack controls ask the questions about the pack list and call these.
#include "packs/shared_pack.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pistaro {

class WindowServices;

class PackSharing final {
public:
    explicit PackSharing(WindowServices& services) : services_(services) {}

    // Export pack: the saved pack `name` of `circuits` into a pack file the user names.
    void exportPack(const QString& circuits, const QString& name);
    // The pack file the user chooses, read; none when cancelled or refused (then said why).
    std::optional<sharedpack::Pack> choosePackFile();
    // Import pack: makes the pack `name` of `circuits` from the circuits of `pack` found there,
    // then says what it did; false when it made nothing.
    bool makePack(const QString& circuits, const sharedpack::Pack& pack, const QString& name);

private:
    WindowServices& services_;
};

} // namespace pistaro
