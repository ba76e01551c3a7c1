#include "app/history_dialog.h"

#include "app/restore_command.h"
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "platform/guarded.h"
#include "platform/shown_text.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pistaro {

HistoryDialog::HistoryDialog(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                             PackControls& packs, QWidget* parent)
    : QDialog(parent), services_(services), panel_(panel), lists_(lists), packs_(packs) {
    setObjectName(QStringLiteral("History"));
    setWindowTitle(QStringLiteral("History of changes"));
    Changes = named(new QListWidget(this), "Changes");
    Files = named(new QListWidget(this), "Files");
    auto* buttons = new QDialogButtonBox(this);
    Revert =
        named(buttons->addButton(QStringLiteral("Revert"), QDialogButtonBox::ActionRole), "Revert");
    Close =
        named(buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole), "Close");
    Revert->setAutoDefault(false);

    auto* lists2 = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Changes, newest first:"), this));
    left->addWidget(Changes);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Files of the change:"), this));
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
}

QString HistoryDialog::rowText(const gamebackup::Change& change) {
    const qsizetype n = change.entries.size();
    return change.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("  ") +
           shown::text(change.command) +
           (n == 1 ? QStringLiteral("  (1 file)") : QStringLiteral("  (%1 files)").arg(n)) +
           (change.reverted ? QStringLiteral("  put back") : QString()) +
           (change.inProgress ? QStringLiteral("  unfinished") : QString());
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
            named << QStringLiteral("and %1 more").arg(damaged.size() - named.size());
        item->setText(item->text() + QStringLiteral("  damaged"));
        item->setToolTip(QStringLiteral("The saved copies of these files are damaged or "
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
        Files->addItem(
            shown::path(entry.original) +
            (entry.copy.isEmpty() ? QStringLiteral(" (removed: it was not there)") : QString()));
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
