#include "app/history_dialog.h"

#include "app/restore_command.h"
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "platform/guarded.h"
#include "platform/shown_text.h"
#include "ui/item_text.h"
#include "ui/named.h"
#include "ui/window_services.h"
#include "ui/window_size.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace pistaro {

HistoryDialog::HistoryDialog(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                             PackControls& packs, QWidget* parent)
    : QDialog(parent), services_(services), panel_(panel), lists_(lists), packs_(packs) {
    setObjectName(QStringLiteral("History"));
    setWindowTitle(tr("History of changes"));
    Changes = named(new QListWidget(this), "Changes");
    Files = named(new QListWidget(this), "Files");
    auto* buttons = new QDialogButtonBox(this);
    Revert = named(buttons->addButton(tr("&Revert"), QDialogButtonBox::ActionRole), "Revert");
    Close = named(buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole), "Close");
    Revert->setAutoDefault(false);

    auto* lists2 = lists_layout_ = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Changes, newest first:"), this));
    left->addWidget(Changes);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Files of the change:"), this));
    right->addWidget(Files);
    lists2->addLayout(left, 1);
    lists2->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists2, 1);
    layout->addWidget(buttons);

    connect(Changes, &QListWidget::currentRowChanged, this, [this](int row) {
        guarded("History Changes", [&] { Changes_CurrentRowChanged(row); })();
    });
    connect(Revert, &QPushButton::clicked, this, GUARDED_HANDLER(Revert_Click));
    connect(Close, &QPushButton::clicked, this, &QDialog::reject);
    reload();
    // The lists stand as the screen has room for, whatever size the window was given.
    const QSize fitting = fitListsToScreen();
    keepSize(*this, QStringLiteral("History/size"), [fitting] { return fitting; });
}

namespace {

// The width `list` needs for its longest line, or for `sample` where that is longer.
int listWidth(const QListWidget& list, const QString& sample) {
    int widest = list.fontMetrics().horizontalAdvance(sample);
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.item(i)->text()));
    return listWidthFor(list, widest);
}

} // namespace

QSize HistoryDialog::fitListsToScreen() {
    // Both lists as wide as their longest line (the files of the newest change stand for the
    // others' files), and tall enough for a dozen changes.
    // Usual rows: a date and time, a command, a count; a file of a game folder in a home.
    const QString usualChange =
        QStringLiteral("2026-12-31 23:59:59  Install a Folder of Archives  (16 files)  put back");
    const QString usualFile =
        QStringLiteral("/home/player/games/gp2/CIRCUITS/F1CT07.DAT (removed: it was not there)");
    const QMargins margins = layout()->contentsMargins();
    const int list = std::max(listWidth(*Changes, usualChange), listWidth(*Files, usualFile));
    const int rows = 12 * Changes->fontMetrics().height() + 2 * Changes->frameWidth();
    // The two lists share the width alike, where the screen has room for both.
    const int sideBySide = 2 * list + layout()->spacing() + margins.left() + margins.right();
    const QScreen* shownOn = screen();
    const int free = shownOn ? shownOn->availableGeometry().width() : sideBySide;
    if (sideBySide + assumedFrame(*this).left() + assumedFrame(*this).right() <= free) {
        lists_layout_->setDirection(QBoxLayout::LeftToRight);
        return {sideBySide, std::max(sizeHint().height(), rows + layout()->minimumSize().height())};
    }
    lists_layout_->setDirection(QBoxLayout::TopToBottom);
    const int fileRows = 6 * Files->fontMetrics().height() + 2 * Files->frameWidth();
    return {list + margins.left() + margins.right(),
            std::max(sizeHint().height(), rows + fileRows + layout()->minimumSize().height())};
}

QString HistoryDialog::rowText(const gamebackup::Change& change) {
    const qsizetype n = change.entries.size();
    //: After the time and command of a change in History: how many files it holds.
    return change.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("  ") +
           shown::text(change.command) + (n == 1 ? tr("  (1 file)") : tr("  (%1 files)").arg(n)) +
           //: After a change in History that was undone.
           (change.reverted ? tr("  put back") : QString()) +
           //: After a change in History that never ended.
           (change.inProgress ? tr("  unfinished") : QString());
}

void HistoryDialog::reload() {
    shown_ = gamebackup::history(gamebackup::backupsFolder(services_.bas()));
    std::reverse(shown_.begin(), shown_.end());
    Changes->clear();
    QHash<QString, bool> checked; // a copy shared by several changes is read once
    for (const gamebackup::Change& change : shown_) {
        auto* item = new QListWidgetItem(rowText(change), Changes);
        const QStringList damaged = gamebackup::damagedFiles(change, &checked);
        if (damaged.isEmpty())
            continue;
        // Marked in the row; the tool tip names the files (at most a few, then a count).
        QStringList named;
        for (const QString& original : damaged.mid(0, 8))
            named << shown::path(original);
        if (damaged.size() > named.size())
            named << tr("and %1 more").arg(damaged.size() - named.size());
        //: After a change in History whose saved copies are damaged.
        item->setText(item->text() + tr("  damaged"));
        item->setToolTip(tr("The saved copies of these files are damaged or "
                            "missing:\n") +
                         named.join(u'\n'));
    }
    Changes->setCurrentRow(shown_.isEmpty() ? -1 : 0);
    Changes_CurrentRowChanged(Changes->currentRow());
}

void HistoryDialog::Changes_CurrentRowChanged(int row) {
    Files->clear();
    const bool valid = row >= 0 && row < shown_.size();
    Revert->setEnabled(valid && !shown_[row].reverted && !shown_[row].inProgress);
    if (!valid)
        return;
    for (const gamebackup::Entry& entry : shown_[row].entries)
        Files->addItem(shown::path(entry.original) +
                       //: After a file of a change in History that the change made.
                       (entry.copy.isEmpty() ? tr(" (removed: it was not there)") : QString()));
}

void HistoryDialog::Revert_Click() {
    const int row = Changes->currentRow();
    if (row < 0 || row >= shown_.size())
        return;
    const gamebackup::Change change = shown_[row];
    if (RevertChange(services_, panel_, lists_, packs_, change,
                     QStringLiteral("Revert ") + change.command))
        reload();
}

} // namespace pistaro
