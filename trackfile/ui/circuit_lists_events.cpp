// Selecting in the circuit file list or the slot list loads that circuit into the panel; the
// focus colours; the right button and the Delete key on the file list; Available Circuits.
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
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace pistaro {

namespace {

const QColor kFocused(0xFF, 0xFF, 0xFF);
const QColor kUnfocused(0xC0, 0xC0, 0xC0);

void paintBase(QWidget* list, const QColor& colour) {
    QPalette p = list->palette();
    p.setColor(QPalette::Base, colour);
    list->setPalette(p);
}

// Focus coming back from another window or a popup menu is no new visit of the list.
bool entersList(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

void CircuitLists::wireHandlers() {
    connect(File1, &CircuitTable::fileClicked, this, GUARDED_HANDLER(File1_Click));
    // Selection changes (mouse, keys, or the program selecting an entry) load the slot.
    connect(List1, &QListWidget::itemSelectionChanged, this, guarded("List1_Click", [this] {
                if (selectedSlot() != 0)
                    List1_Click();
            }));
    // A click on the slot already selected changes no selection, yet makes it current again
    // (the panel may show a circuit file meanwhile).
    connect(List1, &QListWidget::itemClicked, this,
            guarded("List1_Click", [this](QListWidgetItem* item) {
                if (item && List1->row(item) + 1 == slotAtPress_ && selectedSlot() == slotAtPress_)
                    List1_Click();
            }));
    List1->viewport()->installEventFilter(this);
    connect(ACir, &QPushButton::clicked, this, GUARDED_COMMAND(ACir_Click));
    connect(Rename, &QAction::triggered, this, GUARDED_COMMAND(Rename_Click));
    connect(Delete, &QAction::triggered, this, GUARDED_COMMAND(Delete_Click));
    File1->installEventFilter(this);
    File1->viewport()->installEventFilter(this);
    List1->installEventFilter(this);
    wireBrowser();
    showFocus(File1);
}

void CircuitLists::showFocus(QWidget* focused) {
    paintBase(File1, focused == File1 ? kFocused : kUnfocused);
    paintBase(List1, focused == List1 ? kFocused : kUnfocused);
}

bool CircuitLists::eventFilter(QObject* watched, QEvent* event) {
    if (watched == File1 && event->type() == QEvent::FocusIn) {
        showFocus(File1);
    } else if (watched == List1 && event->type() == QEvent::FocusIn) {
        if (entersList(event))
            guarded("List1_GotFocus", [this] { panel_.InfoOff(); })();
        showFocus(List1);
    } else if (watched == File1 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        guardedCommand("File1_KeyDown", [this] { Delete_Click(); })();
        return true;
    } else if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress) {
        slotAtPress_ = selectedSlot();
    } else if (watched == List1->viewport() && slotDragEvent(event)) {
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
    panel_.CheckChange();
    Gp2PsoBas& bas = services_.bas();
    bas.CurrentFile = File1->path() + gamepath::sep() + name;
    bas.SelectedFile = bas.CurrentFile;
    File1->setToolTip(fileTipText(bas.CurrentFile));
    panel_.GetInfo();
    if (bas.OriginalTrack)
        panel_.InfoOff();
    else
        panel_.InfoOn();
    emit circuitSelected(false);
}

void CircuitLists::List1_Click() {
    panel_.InfoOff();
    panel_.CheckChange();
    const int slot = selectedSlot();
    if (slot == 0)
        return;
    Gp2PsoBas& bas = services_.bas();
    if (!SlotFile[slot].isEmpty())
        bas.CurrentFile =
            gamepath::join(gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits")), SlotFile[slot]);
    else
        bas.CurrentFile = gamepath::join(File1->path(), slotFileName(slot));
    bas.SelectedFile = bas.CurrentFile;
    panel_.GetInfo();
    List1->setToolTip(fileTipText(bas.CurrentFile));
    // A slot is viewed, not edited; its picture can be taken from the game.
    emit circuitSelected(true);
}

void CircuitLists::ACir_Click() {
    File1->refresh();
    File1->setListIndex(0);
    File1->setFocus(Qt::OtherFocusReason);
}

} // namespace pistaro
