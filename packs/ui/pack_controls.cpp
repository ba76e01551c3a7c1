#include "packs/ui/pack_controls.h"

#include "packs/pack_name.h"

#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/named.h"
#include "ui/picture_button.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace pistaro {

PackControls::PackControls(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                           SlotList& slotList, QWidget* parent)
    : QWidget(parent), services_(services), panel_(panel), lists_(lists), slotList_(slotList),
      sharing_(services, lists) {
    setObjectName(tr("PackControls"));
    buildWidgets();
    wireHandlers();
}

void PackControls::buildWidgets() {
    Change = named(new QPushButton(tr("--> &Change"), this), "Change");
    Change->setToolTip(tr("Change Track"));
    Change->setEnabled(false);
    Import = named(new QPushButton(tr("Resca&n"), this), "Import");
    Import->setToolTip(tr("Import circuits from Gp2"));
    Label200 = named(new QLabel(tr("Pack"), this), "Label200");
    SelectedPack = named(new QComboBox(this), "SelectedPack");
    SelectedPack->setEditable(true);
    SelectedPack->setInsertPolicy(QComboBox::NoInsert);
    UpdTp =
        pictureButton(this, "UpdTp", nullptr, "document-open", QStyle::SP_FileDialogContentsView);
    UpdTp->setToolTip(tr("View Pack"));
    UpdTp->setEnabled(false);
    SavePack =
        pictureButton(this, "SavePack", nullptr, "document-save", QStyle::SP_DialogSaveButton);
    SavePack->setToolTip(tr("Save Pack"));
    DeletePack = pictureButton(this, "DeletePack", nullptr, "edit-delete", QStyle::SP_TrashIcon);
    DeletePack->setToolTip(tr("Delete Track Pack"));
    ExportPack = pictureButton(this, "ExportPack", nullptr, "document-export",
                               QStyle::SP_FileDialogToParent);
    ExportPack->setToolTip(tr("Export pack…"));
    ImportPack = pictureButton(this, "ImportPack", nullptr, "document-import",
                               QStyle::SP_FileDialogNewFolder);
    ImportPack->setToolTip(tr("Import pack…"));

    // The pack row; Change and Rescan are placed by the window (above the slot list, among the
    // commands).
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Label200);
    row->addWidget(SelectedPack, 1);
    row->addWidget(UpdTp);
    row->addWidget(SavePack);
    row->addWidget(DeletePack);
    row->addWidget(ExportPack);
    row->addWidget(ImportPack);
}

void PackControls::wireHandlers() {
    connect(Change, &QPushButton::clicked, this, GUARDED_COMMAND(Change_Click));
    connect(Import, &QPushButton::clicked, this, GUARDED_COMMAND(Import_Click));
    connect(SavePack, &QToolButton::clicked, this, GUARDED_COMMAND(SavePack_Click));
    connect(UpdTp, &QToolButton::clicked, this, GUARDED_COMMAND(UpdTp_Click));
    connect(DeletePack, &QToolButton::clicked, this, GUARDED_COMMAND(DeletePack_Click));
    connect(ExportPack, &QToolButton::clicked, this, GUARDED_COMMAND(ExportPack_Click));
    connect(ImportPack, &QToolButton::clicked, this, GUARDED_COMMAND(ImportPack_Click));
    // The box tells what its list tells of the chosen pack: what of it is missing.
    connect(SelectedPack, &QComboBox::currentIndexChanged, this, [this](int index) {
        SelectedPack->setToolTip(
            index < 0 ? QString() : SelectedPack->itemData(index, Qt::ToolTipRole).toString());
    });
    // A pack picked from the list can be viewed.
    connect(SelectedPack, &QComboBox::activated, this, guarded("SelectedPack_Click", [this] {
                if (!SelectedPack->currentText().isEmpty())
                    UpdTp->setEnabled(true);
            }));
    SelectedPack->installEventFilter(this);
    // The circuit list's Packs column names the packs listed here.
    lists_.File1->packNames = [this] {
        QStringList names;
        for (int i = 0; i < SelectedPack->count(); ++i)
            if (isSafePackName(SelectedPack->itemText(i)))
                names << SelectedPack->itemText(i);
        return names;
    };
}

bool PackControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SelectedPack && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Opening its own drop-down list or switching windows is no leaving of the box.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            guarded("SelectedPack_LostFocus", [this] { trimmedPackName(); })();
    }
    return QObject::eventFilter(watched, event);
}

QString PackControls::circuitsFolder() const {
    return gamepath::circuitsFolder(services_.bas().Gp2Dir);
}

QString PackControls::trimmedPackName() {
    const QString name = SelectedPack->currentText().trimmed();
    if (name != SelectedPack->currentText())
        SelectedPack->setEditText(name);
    return name;
}

QString PackControls::acceptedPackName() {
    const QString name = trimmedPackName();
    if (name.isEmpty() || isSafePackName(name))
        return name;
    services_.dialogs().message(packNameRefusal(name));
    return {};
}

} // namespace pistaro
