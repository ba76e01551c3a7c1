// The player's tags on the circuit list: Add tags… and Remove tags… on the selected rows (the
// popup, the Tracks menu, Ctrl+T and Ctrl+Shift+T), the store opened with the first folder
// listed, and the count of the rows shown.
#include "trackfile/ui/circuit_lists.h"

#include "packs/pack_usage.h"
#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
#include "trackfile/tag_store.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/window_services.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace pistaro {

void CircuitLists::openTagStore() {
    const QString appDir = services_.bas().AppDir;
    if (appDir.isEmpty() || tagstore::TagStore::fileIn(appDir) == tagsFile_)
        return;
    tagsFile_ = tagstore::TagStore::fileIn(appDir);
    // A program folder that cannot be written holds no tags yet and can take none: nothing is
    // lost, so the start says nothing; a command that would tag says why it cannot.
    if (!QFileInfo::exists(tagsFile_) && !QFileInfo(tagsFile_).isSymLink() &&
        !QFileInfo(appDir).isWritable()) {
        tags_.reset();
        tagsChanged();
        return;
    }
    QString note;
    tags_ = tagstore::TagStore::open(tagsFile_, &note);
    if (!note.isEmpty())
        services_.dialogs().message(note);
    tagsChanged();
}

void CircuitLists::tagsChanged() {
    tagstore::Snapshot snapshot;
    if (tags_) {
        try {
            snapshot = tags_->read();
        } catch (const DbError& e) {
            services_.dialogs().message(tr("The tags could not be read: %1").arg(e.description));
        }
    }
    File1->setTags(snapshot);
}

void CircuitLists::addTagItemsTo(QMenu* menu) {
    menu->addSeparator();
    menu->addAction(AddTags);
    menu->addAction(RemoveTags);
    AddTags->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    RemoveTags->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
}

void CircuitLists::AddTags_Click() {
    const QStringList names = File1->selectedNames();
    if (names.isEmpty()) {
        services_.dialogs().message(tr("Select the circuits to tag first."));
        return;
    }
    const QString typed = services_.dialogs().input(
        names.size() == 1 ? tr("Tags to add to %1 (separated by commas):").arg(names.first())
                          : tr("Tags to add to the %1 circuits selected (separated by commas):")
                                .arg(names.size()),
        {});
    const QStringList tags = tagstore::splitTyped(typed);
    if (!tags.isEmpty())
        changeTags(tags, {});
}

void CircuitLists::RemoveTags_Click() {
    const QStringList names = File1->selectedNames();
    if (names.isEmpty()) {
        services_.dialogs().message(tr("Select the circuits to take tags from first."));
        return;
    }
    QStringList shown;
    for (const QString& name : names)
        for (const QString& tag : File1->tagsOf(name))
            if (!shown.contains(tag))
                shown << tag;
    if (shown.isEmpty()) {
        services_.dialogs().message(tr("The circuits selected have no tags."));
        return;
    }
    const QString typed = services_.dialogs().input(
        tr("Tags to take from the circuits selected (separated by commas):"),
        shown.join(QStringLiteral(", ")));
    const QStringList tags = tagstore::splitTyped(typed);
    if (!tags.isEmpty())
        changeTags({}, tags);
}

void CircuitLists::changeTags(const QStringList& add, const QStringList& remove) {
    if (!tags_) {
        services_.dialogs().message(tr("Tags cannot be kept: the tag store %1 could "
                                       "not be opened.")
                                        .arg(tagsFile_));
        return;
    }
    for (const QString& tag : add)
        if (const QString why = tagstore::refusal(tag); !why.isEmpty()) {
            services_.dialogs().message(
                tr("\"%1\" is not taken as a tag: %2.").arg(tag.left(tagstore::kLongestTag), why));
            return;
        }
    QList<tagstore::Circuit> circuits;
    QHash<QString, QByteArray> contents;
    QStringList none;
    for (const QString& name : File1->selectedNames()) {
        const tagstore::Circuit c = File1->contentOf(name);
        if (c.hash.isEmpty()) {
            none << name;
            continue;
        }
        circuits << c;
        contents.insert(name, c.hash);
    }
    const QString why = circuits.isEmpty() ? QString() : tags_->change(circuits, add, remove);
    if (!why.isEmpty()) {
        services_.dialogs().message(why);
        return;
    }
    File1->setTags(tags_->read(), contents);
    if (!none.isEmpty())
        services_.dialogs().report(tr("These files hold no circuit, so they take no tags:"), none);
}

QStringList CircuitLists::tagsOfContent(const QByteArray& hash) const {
    QStringList tags;
    if (tags_ && !hash.isEmpty())
        ignoreFailure("reading the tags of a circuit", [&] { tags = tags_->tagsOf(hash); });
    return tags;
}

void CircuitLists::offerTags(const QList<std::pair<QString, QStringList>>& offered) {
    if (!tags_)
        return;
    struct Offer {
        tagstore::Circuit circuit;
        QStringList tags;
    };
    QList<Offer> offers;
    QStringList items;
    QHash<QString, QByteArray> contents;
    for (const auto& [name, tags] : offered) {
        const tagstore::Circuit c = File1->contentOf(name);
        if (c.hash.isEmpty())
            continue;
        const QStringList had = tagsOfContent(c.hash);
        QStringList lacking;
        for (const QString& tag : tags)
            if (std::none_of(had.cbegin(), had.cend(),
                             [&tag](const QString& t) { return tagstore::sameTag(t, tag); }))
                lacking << tag;
        if (lacking.isEmpty())
            continue;
        offers << Offer{c, lacking};
        //: A circuit, then the pack's tags it lacks.
        items << tr("%1: %2").arg(name, lacking.join(QStringLiteral(", ")));
        contents.insert(name, c.hash);
    }
    if (offers.isEmpty() ||
        !services_.dialogs().askYesNoList(
            tr("The pack file tags its circuits. Add these tags to your circuits?"), items))
        return;
    QStringList failed;
    for (const Offer& o : std::as_const(offers))
        if (const QString why = tags_->change({o.circuit}, o.tags, {}); !why.isEmpty())
            failed << why;
    File1->setTags(tags_->read(), contents);
    if (!failed.isEmpty())
        services_.dialogs().report(tr("Some tags were not taken:"), failed);
}

QString CircuitLists::packsNote(const QString& what, const QString& name) const {
    const QString used = packusage::usedByText(what, File1->packsUsing({name}).value(0));
    return used.isEmpty() ? QString() : used + Gp2PsoBas::CrLf2;
}

} // namespace pistaro
