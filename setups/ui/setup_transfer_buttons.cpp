#include "setups/ui/setup_transfer.h"

#include "platform/guarded.h"
#include "ui/main_form.h"
#include "ui/named.h"

#include <QPushButton>

SetupTransfer::SetupTransfer(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {
    setObjectName(QStringLiteral("SetupTransfer"));
    ImportSetups = named(new QPushButton(QStringLiteral("Import &Setups"), parent), "ImportSetups");
    ExportSetups = named(new QPushButton(QStringLiteral("Export &Setups"), parent), "ExportSetups");
    connect(ImportSetups, &QPushButton::clicked, this,
            guarded("ImportSetups_Click", [this] { ImportSetups_Click(); }));
    connect(ExportSetups, &QPushButton::clicked, this,
            guarded("ExportSetups_Click", [this] { ExportSetups_Click(); }));
}
