#include "setups/ui/setup_transfer.h"

#include "platform/guarded.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QPushButton>

namespace pistaro {

SetupTransfer::SetupTransfer(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                             SlotList& slotList, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists), slotList_(slotList) {
    setObjectName(QStringLiteral("SetupTransfer"));
    ImportSetups = named(new QPushButton(tr("Import &Setups"), parent), "ImportSetups");
    ExportSetups = named(new QPushButton(tr("Export Set&ups"), parent), "ExportSetups");
    connect(ImportSetups, &QPushButton::clicked, this, GUARDED_COMMAND(ImportSetups_Click));
    connect(ExportSetups, &QPushButton::clicked, this, GUARDED_COMMAND(ExportSetups_Click));
}

} // namespace pistaro
