#include "packs/ui/pack_controls.h"

#include "trackfile/ui/main_form.h"
#include "trackfile/ui/named.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

PackControls::PackControls(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {
    setObjectName(QStringLiteral("PackControls"));
    buildWidgets(parent);
    wireHandlers();
}

void PackControls::buildWidgets(QWidget* parent) {
    Change = named(new QPushButton(QStringLiteral("--> &Change"), parent), "Change");
    Change->setToolTip(QStringLiteral("Change Track"));
    Change->setEnabled(false);
    Import = named(new QPushButton(QStringLiteral("&Rescan"), parent), "Import");
    Import->setToolTip(QStringLiteral("Import circuits from Gp2"));
    Label200 = named(new QLabel(QStringLiteral("Pack"), parent), "Label200");
    SelectedPack = named(new QComboBox(parent), "SelectedPack");
    SelectedPack->setEditable(true);
    SelectedPack->setInsertPolicy(QComboBox::NoInsert);
    auto tool = [parent](const char* name, const char* tip, const char* icon) {
        auto* b = named(new QToolButton(parent), name);
        b->setToolTip(QString::fromLatin1(tip));
        b->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
        return b;
    };
    UpdTp = tool("UpdTp", "View Pack", "document-open");
    UpdTp->setEnabled(false);
    SavePack = tool("SavePack", "Save Pack", "document-save");
    DeletePack = tool("DeletePack", "Delete Track Pack", "edit-delete");
}
