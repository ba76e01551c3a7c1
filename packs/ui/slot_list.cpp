#include "packs/ui/slot_list.h"

#include "platform/dialogs.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "storage/gp2psobas.h"
#include "trackfile/file_tip.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/fixed_font.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pistaro {

namespace {

// Focus coming back from another window or a popup menu is no new visit of the list.
bool entersList(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

SlotList::SlotList(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                   QWidget* parent)
    : QWidget(parent), services_(services), panel_(panel), files_(lists.File1),
      wanted_(kSlotCount + 1) {
    setObjectName(QStringLiteral("SlotList"));
    List1 = named(new QListWidget(this), "List1");
    List1->setFont(evenFixedFont());
    // What 16 entries need and no more: all slots without scrolling, and an entry whole (slot
    // number, track name in 30 characters, a usual country). The rest goes to the table.
    List1->addItem(QStringLiteral("00"));
    const int height = List1->sizeHintForRow(0) * 16 + 2 * List1->frameWidth();
    delete List1->takeItem(0);
    List1->setFixedSize(
        List1->fontMetrics().horizontalAdvance(QString(3 + 30 + 1 + 14, QLatin1Char('W'))) +
            2 * List1->frameWidth() + List1->verticalScrollBar()->sizeHint().width(),
        height);
    auto* own = new QVBoxLayout(this);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(List1);
    wireHandlers(lists);
}

void SlotList::wireHandlers(CircuitLists& lists) {
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
    connect(&lists, &CircuitLists::circuitActivated, this, guarded("File1_DblClick", [this] {
        // As the Change button, which is enabled only while a slot is selected.
        if (selectedSlot() != 0)
            emit changeRequested();
    }));
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    List1->setAcceptDrops(true);
    List1->viewport()->setAcceptDrops(true);
}

bool SlotList::settlePending() {
    const int waiting = lineUp_.pendingCount();
    if (waiting == 0)
        return true;
    const QString question =
        waiting == 1 ? tr("1 slot is not exported yet. Export it now?")
                     : tr("%1 slots are not exported yet. Export them now?").arg(waiting);
    switch (services_.dialogs().askYesNoCancel(question)) {
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        return false;
    case Dialogs::Answer::Yes:
        break;
    }
    if (exportNow)
        exportNow();
    // What Export could not write still waits: its summary said why, and nothing is dropped.
    return lineUp_.pendingCount() == 0;
}

int SlotList::selectedSlot() const {
    const QListWidgetItem* it = List1->currentItem();
    if (!it || !it->isSelected())
        return 0;
    return List1->row(it) + 1;
}

namespace {

QString pendingTip(const SlotAssignment& a) {
    switch (a.marker.unicode()) {
    case kMarkerAssigned:
        return QCoreApplication::translate("SlotList",
                                           "Waiting for Export: %1 goes into this slot.")
            .arg(a.file);
    case kMarkerAssignedPicture:
        return QCoreApplication::translate(
                   "SlotList", "Waiting for Export: %1 goes into this slot, with its edited "
                               "menu picture.")
            .arg(a.file);
    default:
        return QCoreApplication::translate("SlotList",
                                           "Waiting for Export: the slot's edited menu picture.");
    }
}

} // namespace

void SlotList::showEntry(int slot) {
    QListWidgetItem* item = List1->item(slot - 1);
    if (!item) {
        item = new QListWidgetItem;
        List1->addItem(item);
    }
    const SlotAssignment& a = lineUp_.at(slot);
    item->setText(lineUp_.entryText(slot));
    item->setData(Qt::UserRole, a.circuit.lapCount());
    // A slot waiting for Export stands out, and says what waits.
    QColor waiting = List1->palette().color(QPalette::Highlight);
    waiting.setAlpha(70);
    const bool waits = a.changed && a.marker != kMarkerNone;
    item->setBackground(waits ? QBrush(waiting) : QBrush());
    QStringList tip;
    if (waits)
        tip << pendingTip(a);
    if (!wanted_.value(slot).isEmpty())
        tip << wanted_.value(slot);
    item->setToolTip(tip.join(u'\n'));
}

void SlotList::noteWanted(int slot, const QString& text) {
    if (slot < 1 || slot > kSlotCount)
        return;
    wanted_[slot] = text;
    showEntry(slot);
}

void SlotList::showGame(int slot, const CircuitInfo& circuit) {
    lineUp_.showGame(slot, circuit);
    if (slot > 0 && slot < wanted_.size())
        wanted_[slot].clear();
    showEntry(slot);
}

void SlotList::assign(int slot, const QString& file, const CircuitInfo& circuit) {
    lineUp_.assign(slot, file, circuit);
    if (slot > 0 && slot < wanted_.size())
        wanted_[slot].clear();
    showEntry(slot);
}

void SlotList::markPicture(int slot) {
    lineUp_.markPicture(slot);
    showEntry(slot);
}

void SlotList::exported(int slot, const CircuitInfo& circuit) {
    lineUp_.exported(slot, circuit);
    showEntry(slot);
}

void SlotList::clearPending() {
    lineUp_.clearPending();
    for (int slot = 1; slot <= List1->count() && slot <= kSlotCount; ++slot)
        showEntry(slot);
}

void SlotList::putBack(const LineUp& before) {
    lineUp_ = before;
    for (int slot = 1; slot <= List1->count() && slot <= kSlotCount; ++slot)
        showEntry(slot);
}

void SlotList::clear() {
    List1->clear();
    wanted_.fill(QString());
}

void SlotList::selectFirstSlot() {
    List1->setCurrentRow(-1);
    List1->setCurrentRow(0);
}

QString SlotList::circuitPath(int slot) const {
    if (slot == 0)
        return {};
    const QString& pending = lineUp_.at(slot).file;
    return !pending.isEmpty()
               ? gamepath::join(gamepath::circuitsFolder(services_.bas().Gp2Dir), pending)
               : gamepath::join(files_->path(), slotFileName(slot));
}

void SlotList::List1_Click() {
    panel_.InfoOff();
    const int slot = selectedSlot();
    const QString path = circuitPath(slot);
    if (slot != 0 && !panel_.mayShow(path)) {
        // Cancel: the selection goes back to the circuit with the unsaved edits.
        int shown = 0;
        for (int n = 1; n <= kSlotCount && shown == 0; ++n)
            if (circuitPath(n) == services_.bas().CurrentFile)
                shown = n;
        const QSignalBlocker quiet(List1);
        List1->setCurrentRow(shown - 1);
        return;
    }
    panel_.CheckChange(path);
    if (slot == 0)
        return;
    panel_.showSelected(path);
    List1->setToolTip(fileTipText(path));
    // A slot is viewed, not edited; its picture can be taken from the game.
    emit circuitSelected(path, true);
}

bool SlotList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::FocusIn) {
        if (entersList(event))
            guarded("List1_GotFocus", [this] { panel_.InfoOff(); })();
    } else if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress) {
        slotAtPress_ = selectedSlot();
    } else if (watched == List1->viewport() && slotDragEvent(event)) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool SlotList::slotDragEvent(QEvent* event) {
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

void SlotList::dropCircuit(const QString& name, int slot) {
    CircuitTable* files = files_;
    const int row = files->indexOf(name, Qt::CaseSensitive);
    if (row < 0 || slot < 1 || slot > List1->count())
        return;
    // Selected as a click selects it: the press that began the drag loaded nothing.
    files->setListIndex(row);
    List1->setCurrentRow(slot - 1);
    emit changeRequested();
}

} // namespace pistaro
