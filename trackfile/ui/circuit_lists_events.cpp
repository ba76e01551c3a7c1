// Selecting in the circuit file list shows that circuit in the panel; the right button and
// the Delete key on the file list; Available Circuits.
#include "trackfile/ui/circuit_lists.h"

#include "packs/slot_entry.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "storage/gp2psobas.h"
#include "trackfile/file_tip.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace pistaro {

void CircuitLists::wireHandlers() {
    connect(File1, &CircuitTable::fileClicked, this, GUARDED_HANDLER(File1_Click));
    connect(ACir, &QPushButton::clicked, this, GUARDED_COMMAND(ACir_Click));
    connect(Rename, &QAction::triggered, this, GUARDED_COMMAND(Rename_Click));
    connect(Delete, &QAction::triggered, this, GUARDED_COMMAND(Delete_Click));
    connect(AddTags, &QAction::triggered, this, GUARDED_COMMAND(AddTags_Click));
    connect(RemoveTags, &QAction::triggered, this, GUARDED_COMMAND(RemoveTags_Click));
    connect(File1, &CircuitTable::countChanged, CircuitCount,
            [this] { CircuitCount->setText(File1->countText()); });
    File1->installEventFilter(this);
    File1->viewport()->installEventFilter(this);
    wireBrowser();
}

bool CircuitLists::eventFilter(QObject* watched, QEvent* event) {
    if (watched == File1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        guardedCommand("File1_KeyDown", [this] { Delete_Click(); })();
        return true;
    } else if (watched == File1 && event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The menu key opens the popup at the current row, as the right button does under it.
        guarded("File1_ContextMenu", [this] {
            setPopupItems();
            const QRect row = File1->visualRect(File1->currentIndex());
            FileClick->popup(
                File1->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
        })();
        return true;
    } else if (watched == CircuitFilter && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CircuitFilter->clear();
        return true;
    } else if (watched == File1->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton)
                return QObject::eventFilter(watched, event);
            // The popup concerns the selected entry, so the right button never selects.
            if (type == QEvent::MouseButtonPress) {
                guarded("File1_MouseDown", [this, mouse] {
                    setPopupItems();
                    FileClick->popup(mouse->globalPosition().toPoint());
                })();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CircuitLists::maySelectedBeChanged() const {
    const QString name = File1->selectedName();
    return !name.isEmpty() && !isGameSlotFileName(name);
}

void CircuitLists::setPopupItems() {
    const bool may = maySelectedBeChanged();
    Rename->setEnabled(may);
    Delete->setEnabled(may);
}

void CircuitLists::File1_Click() {
    // While the list is hidden (a rescan, a refresh) its selection changes are no choice.
    if (File1->isHidden())
        return;
    const QString name = File1->selectedName();
    if (name.isEmpty())
        return;
    const QString path = File1->path() + gamepath::sep() + name;
    if (!panel_.mayShow(path)) {
        // Cancel: the circuit with the unsaved edits stays selected, quietly.
        const QSignalBlocker quiet(File1);
        File1->setListIndex(File1->indexOf(QFileInfo(services_.bas().CurrentFile).fileName()));
        return;
    }
    panel_.CheckChange(path);
    File1->setToolTip(fileTipText(path));
    panel_.showSelected(path);
    if (services_.bas().OriginalTrack)
        panel_.InfoOff();
    else
        panel_.InfoOn();
    emit circuitSelected(path, false);
}

void CircuitLists::ACir_Click() {
    File1->refresh();
    File1->setListIndex(0);
    File1->setFocus(Qt::OtherFocusReason);
}

} // namespace pistaro
