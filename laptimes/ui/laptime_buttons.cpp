// Construction of the lap time concerns' controls.
#include "laptimes/ui/launcher.h"
#include "laptimes/ui/log_import.h"

#include "platform/guarded.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QPushButton>

LogImport::LogImport(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                     QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists) {
    setObjectName(QStringLiteral("LogImport"));
    GetGp2Lap =
        named(new QPushButton(QStringLiteral("&Get Time from GP2LAP.LOG"), parent), "GetGp2Lap");
    connect(GetGp2Lap, &QPushButton::clicked, this, GUARDED_HANDLER(Import));
}

Launcher::Launcher(WindowServices& services, TrackInfoPanel& panel, SetupTransfer& setups,
                   LogImport& logImport, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), setups_(setups), logImport_(logImport) {
    setObjectName(QStringLiteral("Launcher"));
    Command4 = named(new QPushButton(QStringLiteral("&Launch GP2"), parent), "Command4");
    Command4->setToolTip(QStringLiteral("Run Gp2"));
    connect(Command4, &QPushButton::clicked, this, GUARDED_HANDLER(Launch));
}
