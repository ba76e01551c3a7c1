// Construction of the lap time concerns' controls.
#include "laptimes/ui/launcher.h"
#include "laptimes/ui/log_import.h"

#include "platform/guarded.h"
#include "ui/main_form.h"
#include "ui/named.h"

#include <QPushButton>

LogImport::LogImport(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {
    setObjectName(QStringLiteral("LogImport"));
    GetGp2Lap =
        named(new QPushButton(QStringLiteral("&Get Time from GP2LAP.LOG"), parent), "GetGp2Lap");
    connect(GetGp2Lap, &QPushButton::clicked, this, guarded("Import", [this] { Import(); }));
}

Launcher::Launcher(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {
    setObjectName(QStringLiteral("Launcher"));
    Command4 = named(new QPushButton(QStringLiteral("&Launch GP2"), parent), "Command4");
    Command4->setToolTip(QStringLiteral("Run Gp2"));
    connect(Command4, &QPushButton::clicked, this, guarded("Launch", [this] { Launch(); }));
}
