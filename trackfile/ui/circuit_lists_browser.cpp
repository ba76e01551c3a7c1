// The circuit browser's ways into the slots and its filter: a circuit dragged onto a slot or
// double-clicked goes there as Change puts it; the filter field narrows File1; the columns
// follow the catalogue when a record is shown or stored.
#include "trackfile/ui/circuit_lists.h"

#include "platform/guarded.h"
#include "storage/catalogue_names.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QShortcut>

namespace pistaro {

void CircuitLists::wireBrowser() {
    File1->catalogueReader = [this] {
        return circuitcolumns::readCatalogueValues(
            catalogue::requireOpen(services_.bas().TracksRs, catalogue::Tracks));
    };
    connect(CircuitFilter, &QLineEdit::textChanged, File1, &CircuitTable::setFilterText);
    CircuitFilter->installEventFilter(this);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), File1->parentWidget());
    connect(find, &QShortcut::activated, CircuitFilter, [this] {
        CircuitFilter->setFocus(Qt::ShortcutFocusReason);
        CircuitFilter->selectAll();
    });
    connect(File1, &QAbstractItemView::doubleClicked, this, guarded("File1_DblClick", [this] {
                // As the Change button, which is enabled only while a slot is selected.
                if (!File1->isHidden() && !File1->selectedName().isEmpty() && selectedSlot() != 0)
                    emit changeRequested();
            }));
    List1->setAcceptDrops(true);
    List1->viewport()->setAcceptDrops(true);
    // A record shown or stored may have changed the catalogue or the file's block.
    connect(&panel_, &TrackInfoPanel::trackShown, this, guarded("File1_Columns", [this] {
        const QFileInfo current(services_.bas().CurrentFile);
        const bool inList = QDir::toNativeSeparators(current.path()) == File1->path();
        File1->catalogueChanged(inList ? current.fileName() : QString());
    }));
}

bool CircuitLists::slotDragEvent(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData() || !drop->mimeData()->hasFormat(CircuitTableModel::CircuitMimeType))
        return false;
    const QModelIndex target = List1->indexAt(drop->position().toPoint());
    if (!target.isValid()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        const QString name =
            QString::fromUtf8(drop->mimeData()->data(CircuitTableModel::CircuitMimeType));
        guarded("List1_DragDrop",
                [this, name, slot = target.row() + 1] { dropCircuit(name, slot); })();
    }
    return true;
}

void CircuitLists::dropCircuit(const QString& name, int slot) {
    const int row = File1->indexOf(name, Qt::CaseSensitive);
    if (row < 0 || slot < 1 || slot > List1->count())
        return;
    // Selected as a click selects it: the press that began the drag loaded nothing.
    File1->setListIndex(row);
    List1->setCurrentRow(slot - 1);
    emit changeRequested();
}

} // namespace pistaro
