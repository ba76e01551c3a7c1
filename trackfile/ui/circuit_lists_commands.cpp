// Rename and Delete of the file list's popup menu (Delete also from the Delete key). The
// catalogue is not touched: its rows are keyed by track name, not by file name.
#include "trackfile/ui/circuit_lists.h"

#include "platform/gamepath.h"
#include "platform/native_names.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/backed_up.h"
#include "ui/window_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace pistaro {

namespace {

// A new name stays a plain name in the circuits folder: no folder part, no way up.
// A name longer than a folder entry may be (with the ".dat" it may get) is refused too.
bool isPlainFileName(const QString& name) {
    const bool dat = name.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive);
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1String("..")) &&
           nativenames::fitsFolderEntry(dat ? name : name + QStringLiteral(".dat"));
}

QString shown(const QString& path) {
    return shown::path(path);
}

} // namespace

void CircuitLists::refreshFileList(const std::function<void()>& whileHidden) {
    // The focus is taken off first: hiding the focused list would hand it to the next control.
    const bool hadFocus = File1->hasFocus();
    if (hadFocus)
        File1->clearFocus();
    File1->hide();
    whileHidden();
    File1->setListIndex(-1);
    setFolder(gamepath::circuitsFolder(services_.bas().Gp2Dir));
    File1->show();
    if (hadFocus)
        File1->setFocus(Qt::OtherFocusReason);
}

void CircuitLists::Rename_Click() {
    const QString oldName = File1->selectedName();
    if (!maySelectedBeChanged()) {
        // The menu item is disabled then; a key or a script that reaches it is told why.
        services_.dialogs().message(
            oldName.isEmpty()
                ? tr("Nothing was renamed: select a circuit first.")
                : tr("%1 was not renamed: it is a game slot file, which the game reads by this "
                     "name.")
                      .arg(shown::text(oldName)));
        return;
    }
    const QString folder = File1->path();
    QString newName = services_.dialogs()
                          .input(packsNote(shown::text(oldName), oldName) +
                                     tr("Rename file '%1' to: ").arg(shown::text(oldName)),
                                 panel_.shownTrack())
                          .trimmed();
    if (newName.isEmpty())
        return;
    if (!isPlainFileName(newName)) {
        services_.dialogs().message(
            tr("'%1' can't be used as a file name.").arg(shown::text(newName.left(80))) +
            Gp2PsoBas::CrLf2 +
            tr("A circuit is renamed within the Circuits folder: the new name can't hold \\, / "
               "or \"..\", nor be longer than 255 bytes."));
        return;
    }
    // The extension keeps the case typed; a name without one gets ".dat".
    if (!newName.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        newName += QStringLiteral(".dat");

    // The game's names compare without regard to case: a file that differs only in case is
    // the same name.
    const QString target = gamepath::join(folder, newName);
    if (QFileInfo(target).isFile() && QFileInfo(target).size() > 0) {
        services_.dialogs().message(
            tr("%1 was not renamed: %2 already exists in its folder.")
                .arg(shown::text(oldName), shown::text(QFileInfo(target).fileName())));
        return;
    }
    const QString source = folder + gamepath::sep() + oldName;
    if (!backedUpReplacingLinks(services_, QStringLiteral("Rename ") + oldName, {source, target}))
        return;
    bool renamed = false;
    QString reason;
    refreshFileList([&] { renamed = nativenames::rename(source, target, &reason); });
    if (renamed) {
        // The panel and the selection follow the file, unsaved edits included.
        panel_.followRename(source, target);
        panel_.followFiles();
        File1->setListIndex(File1->indexOf(QFileInfo(target).fileName()));
    } else
        services_.dialogs().message(
            tr("Couldn't rename %1 to %2.").arg(shown(source), shown::text(newName)) +
            Gp2PsoBas::CrLf2 + reason);
}

void CircuitLists::Delete_Click() {
    if (!maySelectedBeChanged())
        return;
    const QString name = File1->selectedName();
    if (!services_.dialogs().askYesNo(
            packsNote(shown::text(name), name) +
            tr("Are you sure you want to delete the file '%1' ? ").arg(shown::text(name))))
        return;
    const QString path = File1->path() + gamepath::sep() + name;
    if (!backedUpReplacingLinks(services_, QStringLiteral("Delete ") + name, {path}))
        return;
    const int row = File1->indexOf(name);
    const bool shownHere = services_.bas().CurrentFile == path;
    bool deleted = false;
    QString reason;
    refreshFileList([&] { deleted = nativenames::remove(path, &reason); });
    panel_.followFiles();
    // The file that took the deleted one's place is shown in its stead.
    if (deleted && shownHere && File1->count() > 0)
        File1->setListIndex(qMin(row, File1->count() - 1));
    if (!deleted)
        services_.dialogs().message(tr("Couldn't delete %1.").arg(shown(path)) + Gp2PsoBas::CrLf2 +
                                    reason);
}

} // namespace pistaro
