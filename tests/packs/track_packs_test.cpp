// Track packs on a real main window: Save Pack, View Pack and Delete Pack with their files,
// the names that would leave the pack folder, the pack list file Packs.txt with its marks for
// packs whose files are missing, and pack files shared through Export pack and Import pack.
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "packs/pack_folder.h"
#include "packs/shared_pack.h"
#include "packs/slot_entry.h"
#include "packs/ui/installer.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/guarded.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/files.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/circuit_kind.h"
#include "trackfile/file_facts.h"
#include "trackfile/info_block.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kMonza = QStringLiteral("monza2001.dat");
const QString kSpa = QStringLiteral("spa98.DAT");
} // namespace

class TrackPacksTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    CircuitLists* lists = nullptr;

    SlotList* slotList = nullptr;
    PackControls* packs = nullptr;

    void start() {
        QVERIFY(open(Show::Exposed));
        lists = fx->frm->Lists;
        slotList = fx->frm->Slots;
        packs = fx->frm->Packs;
        clearDialogs();
    }
    void clearDialogs() {
        fx->takeMessages();
        fx->dialogs.answers.clear();
    }
    void assign(int slot, const QString& file) {
        slotList->List1->setCurrentRow(slot - 1);
        const int row = lists->File1->indexOf(file);
        QVERIFY(row >= 0);
        lists->File1->setListIndex(row);
        QTest::mouseClick(packs->Change, Qt::LeftButton);
        QCOMPARE(slotList->lineUp().at(slot).file, file);
    }
    // Saves under `name`; the summary of a pack saved whole is forgotten, what else the
    // command said stays for the test to check.
    void save(const QString& name) {
        packs->SelectedPack->setEditText(name);
        const qsizetype before = fx->dialogs.shown.size();
        QTest::mouseClick(packs->SavePack, Qt::LeftButton);
        if (fx->dialogs.shown.size() > before &&
            fx->dialogs.shown.last().contains("' was saved.\r\n\r\n16 slot files were saved in ")) {
            fx->dialogs.shown.removeLast();
            fx->dialogs.kinds.removeLast();
        }
    }
    QString packFile(const QString& pack, int slot) const {
        return fx->circuits() + QDir::separator() + pack + QDir::separator() + slotFileName(slot);
    }
    QStringList packNames() const {
        QStringList out;
        for (int i = 0; i < packs->SelectedPack->count(); ++i)
            out << packs->SelectedPack->itemText(i);
        return out;
    }
    QString packsTxt() const { return fx->appDir() + QStringLiteral("/Packs.txt"); }
    QString packTip(const QString& name) const {
        const int i = packs->SelectedPack->findText(name, Qt::MatchFixedString);
        return i < 0 ? QStringLiteral("<not listed>")
                     : packs->SelectedPack->itemData(i, Qt::ToolTipRole).toString();
    }
    QStringList circuitsFolderEntries() const {
        QStringList all;
        QDirIterator it(fx->circuits(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            all << it.next();
        all.sort();
        return all;
    }
    // Import pack on `file`; the further answers (a replace question) follow the file's path.
    void importPack(const QString& file, const QVariantList& answers = {}) {
        fx->dialogs.answers << file << answers;
        QTest::mouseClick(packs->ImportPack, Qt::LeftButton);
    }
    QString entry(int slot) const { return slotList->List1->item(slot - 1)->text(); }
    // The pack "Trip" as a friend's pack file makes it in a collection without Spa 98 (slot
    // 7); the bytes of that circuit.
    QByteArray importWithoutSpa() {
        assign(7, kSpa);
        save(QStringLiteral("Trip"));
        const QString shared = fx->tmp.filePath(QStringLiteral("trip.pack.txt"));
        fx->dialogs.answers << shared;
        QTest::mouseClick(packs->ExportPack, Qt::LeftButton);
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        const QByteArray spa = readFile(fx->circuit(kSpa));
        if (!QFile::remove(fx->circuit(kSpa)))
            return {};
        clearDialogs();
        importPack(shared, {true});
        clearDialogs();
        return spa;
    }
    QByteArray slotFile(int slot) const { return readFile(fx->circuit(slotFileName(slot))); }

private slots:
    void init() { fx = std::make_unique<MainWindowFixture>(); }
    void cleanup() {
        close();
        ProgramEndState::ended = false;
    }

    void saveHoldsTheSlotListAsShown() {
        start();
        assign(3, kMonza);
        assign(7, kSpa);
        save(QStringLiteral("  My Pack  "));
        const QString name = QStringLiteral("My Pack");
        QCOMPARE(packs->SelectedPack->currentText(), name);
        QCOMPARE(packNames(), QStringList{name});
        QVERIFY(fx->dialogs.shown.isEmpty());
        // The saved pack is the chosen one and can be viewed at once.
        QCOMPARE(packs->SelectedPack->currentIndex(), 0);
        QVERIFY(packs->UpdTp->isEnabled());
        QCOMPARE(readFile(packFile(name, 3)), readFile(fx->circuit(kMonza)));
        QCOMPARE(readFile(packFile(name, 7)), readFile(fx->circuit(kSpa)));
        for (int slot = 1; slot <= kSlotCount; ++slot)
            if (slot != 3 && slot != 7)
                QCOMPARE(readFile(packFile(name, slot)), slotFile(slot));
        QCOMPARE(QDir(fx->circuits() + QDir::separator() + name).entryList(QDir::Files).size(),
                 kSlotCount);
        QVERIFY(packs->SavePack->isEnabled());
        // The game's slots are not touched by saving.
        QCOMPARE(slotFile(3).size(), samplegame::originalLength(3));

        // Saving again under the name replaces the files and lists the name once.
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        save(name);
        QCOMPARE(packNames(), QStringList{name});
        QCOMPARE(readFile(packFile(name, 3)), slotFile(3));
        QCOMPARE(readFile(packFile(name, 7)), slotFile(7));
    }

    void blankNamesDoNothing() {
        start();
        const QStringList before =
            QDir(fx->circuits()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        save(QStringLiteral("   "));
        QCOMPARE(packs->SelectedPack->currentText(), QString());
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        QVERIFY(fx->dialogs.shown.isEmpty());
        QVERIFY(packNames().isEmpty());
        QCOMPARE(QDir(fx->circuits()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    void namesOutsideThePackFolderAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("up") << QStringLiteral("../Packs");
        QTest::newRow("slash") << QStringLiteral("a/b");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
        QTest::newRow("not in Windows-1252") << QStringLiteral("Saison \u03A9");
    }
    void namesOutsideThePackFolderAreRefused() {
        QFETCH(QString, name);
        start();
        assign(2, kMonza);
        const QString shownEntry = entry(2);
        const QStringList gameBefore =
            QDir(fx->gameDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QStringList circuitsBefore =
            QDir(fx->circuits()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString refusal =
            QStringLiteral("'") + name + QStringLiteral("' can't be a Track Pack name.");

        fx->dialogs.answers << true << true << true;
        save(name);
        packs->UpdTp->setEnabled(true);
        QTest::mouseClick(packs->UpdTp, Qt::LeftButton);
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(fx->dialogs.shown.size(), 3); // no question was asked
        QCOMPARE(messages.size(), 3);
        for (const QString& m : messages)
            QVERIFY2(m.startsWith(refusal), qPrintable(m));
        QVERIFY(packNames().isEmpty());
        QCOMPARE(QDir(fx->gameDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 gameBefore);
        QCOMPARE(QDir(fx->circuits()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 circuitsBefore);
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QCOMPARE(QFileInfo(fx->circuit(slotFileName(slot))).size(),
                     samplegame::originalLength(slot));
        QCOMPARE(entry(2), shownEntry);
        QCOMPARE(slotList->lineUp().at(2).file, kMonza);
    }

    void namesDifferingInCaseAreOnePack() {
        start();
        save(QStringLiteral("Season"));
        assign(4, kMonza);
        const QString question =
            QStringLiteral("The Track Pack 'Season' already exists, overwrite?");
        fx->dialogs.answers << false;
        save(QStringLiteral("SEASON"));
        QCOMPARE(fx->dialogs.shown, QStringList{question});
        QCOMPARE(readFile(packFile(QStringLiteral("Season"), 4)), slotFile(4));
        fx->dialogs.answers << true;
        save(QStringLiteral("SEASON"));
        QCOMPARE(readFile(packFile(QStringLiteral("Season"), 4)), readFile(fx->circuit(kMonza)));
        QCOMPARE(packNames(), QStringList{QStringLiteral("Season")});
        QCOMPARE(packs->SelectedPack->currentText(), QStringLiteral("Season"));
        QVERIFY(!QFileInfo::exists(fx->circuits() + QStringLiteral("/SEASON")));
        // Deleting under another spelling deletes the one pack.
        clearDialogs();
        packs->SelectedPack->setEditText(QStringLiteral("season"));
        fx->dialogs.answers << true;
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        QVERIFY(packNames().isEmpty());
        QVERIFY(!QFileInfo::exists(fx->circuits() + QStringLiteral("/Season")));
    }

    void viewMakesTheWholePackPending() {
        start();
        assign(4, kMonza);
        save(QStringLiteral("Season"));
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        // Slot 4 waited for Export: Rescan asked first (the script answers No).
        QCOMPARE(fx->dialogs.kinds.value(fx->dialogs.kinds.size() - 1),
                 QStringLiteral("yesnocancel"));
        fx->dialogs.shown.clear();
        fx->dialogs.kinds.clear();
        QVERIFY(!packs->UpdTp->isEnabled());

        // Picking the pack from the list allows viewing it.
        packs->SelectedPack->setFocus();
        packs->SelectedPack->setCurrentIndex(-1);
        QTest::keyClick(packs->SelectedPack, Qt::Key_Down);
        QCOMPARE(packs->SelectedPack->currentText(), QStringLiteral("Season"));
        QVERIFY(packs->UpdTp->isEnabled());

        QList<QByteArray> packBytes;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            packBytes << readFile(packFile(QStringLiteral("Season"), slot));
        QTest::mouseClick(packs->UpdTp, Qt::LeftButton);
        QVERIFY(fx->dialogs.shown.isEmpty());
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString tmp = QStringLiteral("tmp%1.tmp").arg(slot, 2, 10, QLatin1Char('0'));
            QCOMPARE(slotEntryMarker(entry(slot)), QChar(u'-'));
            QCOMPARE(entry(slot).left(2), QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0')));
            QCOMPARE(slotList->lineUp().at(slot).file, tmp);
            QVERIFY(slotList->lineUp().at(slot).changed);
            QCOMPARE(readFile(fx->circuit(tmp)), packBytes.at(slot - 1));
            QCOMPARE(readFile(packFile(QStringLiteral("Season"), slot)), packBytes.at(slot - 1));
        }
        QCOMPARE(slotEntryTrack(entry(4)), QStringLiteral("Monza 2001"));
        QCOMPARE(slotList->List1->item(3)->data(Qt::UserRole).toInt(), 53);
        QCOMPARE(slotEntryTrack(entry(5)), samplegame::originalName(5));
        QCOMPARE(slotList->selectedSlot(), 1);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("tmp01.tmp")));
        QVERIFY(fx->frm->isVisible());
        QVERIFY(!fx->status.visible);
        // The temporary files never show in the circuit list.
        QCOMPARE(lists->File1->indexOf(QStringLiteral("tmp01.tmp")), -1);
    }

    void viewingAnIncompletePackNamesTheMissingFile() {
        start();
        save(QStringLiteral("Holes"));
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        assign(5, kSpa);
        const QString before = entry(5);
        QVERIFY(QFile::remove(packFile(QStringLiteral("Holes"), 5)));
        packs->SelectedPack->setEditText(QStringLiteral("Holes"));
        packs->UpdTp->setEnabled(true);
        QTest::mouseClick(packs->UpdTp, Qt::LeftButton);
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(packFile(QStringLiteral("Holes"), 5) +
                                           QStringLiteral(" is missing")),
                 qPrintable(messages.first()));
        QVERIFY(!messages.first().contains(slotFileName(6)));
        QVERIFY2(messages.first().contains(QStringLiteral("Slot 5: ")),
                 qPrintable(messages.first()));
        // The pack list marks the pack and says what it lacks.
        QCOMPARE(packTip(QStringLiteral("Holes")),
                 QStringLiteral("Missing from this Track Pack: slot 5 (f1ct05.dat)"));
        QVERIFY(packs->SelectedPack->itemData(0, Qt::FontRole).value<QFont>().italic());
        QCOMPARE(entry(5), before);
        QCOMPARE(slotList->lineUp().at(5).file, kSpa);
        QCOMPARE(slotList->lineUp().at(6).file, QStringLiteral("tmp06.tmp"));
        QVERIFY(fx->frm->isVisible());

        // A name that is no pack at all.
        clearDialogs();
        packs->SelectedPack->setEditText(QStringLiteral("Nowhere"));
        QTest::mouseClick(packs->UpdTp, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY(fx->dialogs.messages().first().startsWith(
            QStringLiteral("The Track Pack 'Nowhere' was not found:")));
        QCOMPARE(slotList->lineUp().at(6).file, QStringLiteral("tmp06.tmp"));
    }

    void deleteRemovesTheSlotFilesAndTheName() {
        start();
        save(QStringLiteral("Old"));
        save(QStringLiteral("Keep"));
        const QString folder = fx->circuits() + QDir::separator() + QStringLiteral("Old");

        packs->SelectedPack->setEditText(QStringLiteral(" Old "));
        fx->dialogs.answers << false;
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        QCOMPARE(fx->dialogs.shown,
                 QStringList{QStringLiteral(
                     "Are you sure you want to delete the 'Old' Track Pack from your disk ?")});
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), kSlotCount);
        QCOMPARE(packNames(), (QStringList{QStringLiteral("Old"), QStringLiteral("Keep")}));

        QVERIFY(writeFile(folder + QStringLiteral("/readme.txt"), "mine"));
        fx->dialogs.answers << true;
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("readme.txt")});
        QCOMPARE(packNames(), QStringList{QStringLiteral("Keep")});
        // The list file follows at once, so a backup of it and a second run see the deletion.
        QCOMPARE(readFile(packsTxt()), QByteArray("Keep\r\n"));
        QVERIFY(packs->DeletePack->isEnabled());
        QCOMPARE(QDir(fx->circuits() + QStringLiteral("/Keep")).entryList(QDir::Files).size(),
                 kSlotCount);
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QVERIFY(QFileInfo::exists(fx->circuit(slotFileName(slot))));

        // Without other files the folder goes too.
        packs->SelectedPack->setEditText(QStringLiteral("Keep"));
        fx->dialogs.answers << true;
        QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(fx->circuits() + QStringLiteral("/Keep")));
        QVERIFY(packNames().isEmpty());
    }

    void packListFileSkipsBlankLines() {
        QVERIFY(writeFile(packsTxt(), "Season 95\r\n\r\nRetro\r\n\r\n"));
        start();
        QCOMPARE(packNames(), (QStringList{QStringLiteral("Season 95"), QStringLiteral("Retro")}));
        QCOMPARE(packs->SelectedPack->currentText(), QString());
        // Listed packs whose folder is gone are marked as such.
        QVERIFY2(packTip(QStringLiteral("Retro"))
                     .startsWith(QStringLiteral("The folder of this Track Pack is missing: ")),
                 qPrintable(packTip(QStringLiteral("Retro"))));
        save(QStringLiteral("New"));
        QCOMPARE(packTip(QStringLiteral("New")), QString());
        QVERIFY(!packs->SelectedPack->itemData(2, Qt::FontRole).isValid());
        fx->stop();
        QCOMPARE(readFile(packsTxt()), QByteArray("Season 95\r\nRetro\r\nNew\r\n"));
    }

    void packFileRoundTripFindsCircuitsByContent() {
        start();
        assign(3, kMonza);
        assign(7, kSpa);
        save(QStringLiteral("Trip"));
        // Slot 5's circuit is in the collection too: the pack file names that file, not the
        // game's slot file, which the next Export overwrites.
        QVERIFY(writeFile(fx->circuit(QStringLiteral("zz copy.dat")), slotFile(5)));
        const QString shared = fx->tmp.filePath(QStringLiteral("trip.pack.txt"));
        fx->dialogs.answers << shared;
        QTest::mouseClick(packs->ExportPack, Qt::LeftButton);
        QCOMPARE(fx->dialogs.kinds.first(), QStringLiteral("saveFile"));
        QVERIFY2(fx->dialogs.messages().value(0).startsWith(
                     QStringLiteral("The Track Pack 'Trip' was exported.")),
                 qPrintable(fx->dialogs.messages().value(0)));
        const QStringList lines = QString::fromUtf8(readFile(shared)).split(u'\n');
        QCOMPARE(lines.size(), 2 + kSlotCount + 1); // the last line ends too
        QCOMPARE(lines.at(0), QStringLiteral("Pistaro track pack\t1"));
        QCOMPARE(lines.at(1), QStringLiteral("pack\tTrip"));
        const QStringList monza = lines.at(4).split(u'\t');
        QCOMPARE(monza.mid(0, 4),
                 (QStringList{QStringLiteral("3"), kMonza, QStringLiteral("Monza 2001"),
                              QString::number(readFile(fx->circuit(kMonza)).size())}));
        QCOMPARE(monza.at(4).size(), 64);
        const QString slot5File = lines.at(6).split(u'\t').value(1);
        QVERIFY2(gameSlotOf(slot5File) == 0, qPrintable(slot5File));
        QCOMPARE(trackdata::hash(readFile(fx->circuit(slot5File))), trackdata::hash(slotFile(5)));
        clearDialogs();

        // The friend's collection: Monza under another name with another info block, no Spa.
        const QString renamed = fx->circuit(QStringLiteral("my monza.dat"));
        QVERIFY(QFile::rename(fx->circuit(kMonza), renamed));
        QByteArray area = infoblock::readInfoArea(renamed);
        QVERIFY(
            infoblock::updateDatInfo(area, QStringLiteral("Name"), QStringLiteral("Monza Edit")));
        QVERIFY(infoblock::writeInfoArea(renamed, area));
        QVERIFY(QFile::remove(fx->circuit(kSpa)));
        const QByteArray oldSlot7 = readFile(packFile(QStringLiteral("Trip"), 7));

        // Replacing the pack of the same name is asked first; No changes nothing.
        importPack(shared, {false});
        QCOMPARE(fx->dialogs.shown.last(),
                 QStringLiteral("The Track Pack 'Trip' already exists, replace it?"));
        QCOMPARE(readFile(packFile(QStringLiteral("Trip"), 7)), oldSlot7);
        clearDialogs();
        // This time through the menu item, which clicks the button.
        QCOMPARE(fx->frm->TrackImportPack->text(), QStringLiteral("&Import pack…"));
        QCOMPARE(fx->frm->TrackExportPack->text(), QStringLiteral("Export p&ack…"));
        fx->dialogs.answers << shared << true;
        fx->frm->TrackImportPack->trigger();
        const QString summary = fx->dialogs.messages().value(0);
        QVERIFY2(summary.startsWith(QStringLiteral("The Track Pack 'Trip' was imported in part.")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("Slot 7: Spa 98 (spa98.DAT)")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("15 circuits were found")), qPrintable(summary));
        QCOMPARE(readFile(packFile(QStringLiteral("Trip"), 3)), readFile(renamed));
        QVERIFY(!QFileInfo::exists(packFile(QStringLiteral("Trip"), 7)));
        for (int slot : {1, 16})
            QCOMPARE(readFile(packFile(QStringLiteral("Trip"), slot)), slotFile(slot));
        QCOMPARE(packNames(), QStringList{QStringLiteral("Trip")});
        QCOMPARE(packTip(QStringLiteral("Trip")),
                 QStringLiteral("Missing from this Track Pack: slot 7 wants Spa 98 (spa98.DAT, ") +
                     groupedLength(oldSlot7.size()) +
                     QStringLiteral(" bytes). To complete the pack, install that circuit, or "
                                    "copy it into the Circuits folder and press Rescan."));
        QVERIFY(packs->UpdTp->isEnabled());

        // What the collection lacks entirely makes no pack.
        clearDialogs();
        QByteArray other = readFile(shared);
        other.replace("pack\tTrip", "pack\tElsewhere");
        for (const QString& line : lines.mid(2, kSlotCount))
            other.replace(line.split(u'\t').value(4).toLatin1(), QByteArray(64, 'c'));
        const QString otherFile = fx->tmp.filePath(QStringLiteral("other.pack.txt"));
        QVERIFY(writeFile(otherFile, other));
        importPack(otherFile);
        QVERIFY(fx->dialogs.messages().value(0).startsWith(QStringLiteral(
            "None of the circuits of the Track Pack 'Elsewhere' is in your collection.")));
        QVERIFY(!QFileInfo::exists(fx->circuits() + QStringLiteral("/Elsewhere")));
        QCOMPARE(packNames(), QStringList{QStringLiteral("Trip")});
    }

    void importedPackTakesItsCircuitWhenItArrives_data() {
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QString>("taken"); // the file slot 7 takes; "" when it takes none
        QTest::newRow("copied in, Rescan") << "copy"
                                           << "found spa.dat";
        QTest::newRow("copied in without its info area") << "bare"
                                                         << "bare spa.dat";
        QTest::newRow("installed from an archive") << "install"
                                                   << "spa98.dat";
        QTest::newRow("same name, other content") << "other"
                                                  << "";
    }
    void importedPackTakesItsCircuitWhenItArrives() {
        QFETCH(QString, arrival);
        QFETCH(QString, taken);
        start();
        const QByteArray spa = importWithoutSpa();
        QVERIFY(spa.startsWith("#GP2INFO"));
        const QString trip = QStringLiteral("Trip");
        const QString want = QStringLiteral("slot 7 wants Spa 98 (spa98.DAT, ") +
                             groupedLength(spa.size()) + QStringLiteral(" bytes)");
        QVERIFY2(packTip(trip).contains(want), qPrintable(packTip(trip)));
        QVERIFY(QFileInfo(packWantedFile(fx->circuits(), trip)).isFile());
        // View Pack and the slot list name the circuit the pack lacks.
        packs->SelectedPack->setEditText(trip);
        QTest::mouseClick(packs->UpdTp, Qt::LeftButton);
        const QString viewed = fx->dialogs.messages().value(0);
        QVERIFY2(viewed.contains(QStringLiteral("S") + want.mid(1)) &&
                     viewed.contains(QStringLiteral("press Rescan")),
                 qPrintable(viewed));
        QVERIFY2(slotList->List1->item(6)->toolTip().contains(want),
                 qPrintable(slotList->List1->item(6)->toolTip()));
        clearDialogs();

        QString said;
        const QByteArray arrived = arrival == "bare"    ? spa.mid(4096)
                                   : arrival == "other" ? readFile(fx->circuit(kMonza))
                                                        : spa;
        if (arrival == "install") {
            const QString zip = fx->tmp.filePath(QStringLiteral("spa.zip"));
            QVERIFY(archivemaker::write(zip, {{"spa98.dat", arrived}}));
            fx->dialogs.answers << zip;
            closingTextViewers([this] { fx->frm->Install->trigger(); });
            said = fx->frm->Installing->InstallReport;
        } else {
            QVERIFY(writeFile(fx->circuit(arrival == "other" ? kSpa : taken), arrived));
            QTest::mouseClick(packs->Import, Qt::LeftButton);
            said = fx->dialogs.messages().join(u'\n');
        }
        const QString line = QStringLiteral("Trip is complete: slot 7 took %1.").arg(taken);
        if (taken.isEmpty()) {
            QVERIFY2(!said.contains(QStringLiteral("Trip")), qPrintable(said));
            QVERIFY(!QFileInfo::exists(packFile(trip, 7)));
            QVERIFY(packTip(trip).contains(want));
            // Saved from the slot list, the pack is what the list shows and remembers nothing.
            save(trip);
            QVERIFY(!QFileInfo::exists(packWantedFile(fx->circuits(), trip)));
            QCOMPARE(packTip(trip), QString());
            return;
        }
        QVERIFY2(said.contains(line), qPrintable(said));
        QCOMPARE(readFile(packFile(trip, 7)), arrived);
        QVERIFY(!QFileInfo::exists(packWantedFile(fx->circuits(), trip)));
        QCOMPARE(packTip(trip), QString());
        // Said once: the next Rescan finds nothing to take.
        clearDialogs();
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages(), QStringList());
        // The slot file the pack took is in the command's backup: Restore takes it out again.
        fx->dialogs.answers << true;
        fx->frm->RestoreLast->trigger();
        QVERIFY(!QFileInfo::exists(packFile(trip, 7)));
        QVERIFY(packTip(trip).contains(want));
    }

    void aPackFileCarriesTagsThatAnImportOffers() {
        start();
        // Monza tagged, the circuit of slot 5 too under a name of the collection.
        QVERIFY(writeFile(fx->circuit(QStringLiteral("zz copy.dat")), slotFile(5)));
        lists->File1->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(lists->File1->columnsRead(), 5000);
        const auto tag = [this](const QString& name, const QString& typed, QAction* action) {
            lists->File1->setListIndex(lists->File1->indexOf(name));
            fx->dialogs.answers << typed;
            action->trigger();
        };
        tag(kMonza, "fantasy, 1998 season", lists->AddTags);
        tag("zz copy.dat", "original", lists->AddTags);
        assign(3, kMonza);
        save(QStringLiteral("Tagged"));
        const QString shared = fx->tmp.filePath(QStringLiteral("tagged.pack.txt"));
        fx->dialogs.answers << shared;
        QTest::mouseClick(packs->ExportPack, Qt::LeftButton);
        const QByteArray text = readFile(shared);
        QVERIFY2(text.endsWith("tags\t3\tfantasy\t1998 season\ntags\t5\toriginal\n"),
                 text.right(200).constData());
        // The receiver lacks "1998 season" on Monza and every tag of slot 5's circuit.
        tag(kMonza, "1998 season", lists->RemoveTags);
        tag("zz copy.dat", "original", lists->RemoveTags);
        for (const bool take : {false, true}) {
            clearDialogs();
            importPack(shared, {true, take});
            QCOMPARE(fx->dialogs.kinds.last(), QStringLiteral("yesno"));
            QCOMPARE(fx->dialogs.shown.last(),
                     QStringLiteral("The pack file tags its circuits. Add these tags to your "
                                    "circuits?\r\n\r\nmonza2001.dat: 1998 season\r\nzz copy.dat: "
                                    "original"));
            const QStringList monza =
                take ? QStringList{"fantasy", "1998 season"} : QStringList{"fantasy"};
            QCOMPARE(lists->File1->tagsOf(kMonza), monza);
            QCOMPARE(lists->File1->tagsOf("zz copy.dat"),
                     take ? QStringList{"original"} : QStringList());
        }
        // Nothing left to take: no question.
        clearDialogs();
        importPack(shared, {true});
        QCOMPARE(fx->dialogs.kinds.last(), QStringLiteral("message"));
    }

    void malformedPackFilesAreRefusedWithTheirLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("why");
        const QByteArray head("Pistaro track pack\t1\npack\tShared\n");
        const QByteArray hash(64, 'a');
        const QByteArray good = "3\tmonza.dat\tMonza\t41250\t" + hash + "\n";
        auto row = [&](const char* name, const QByteArray& text, const char* why) {
            QTest::newRow(name) << text << QString::fromUtf8(why);
        };
        row("empty", "", "Line 1: the file is empty.");
        row("no pack file", "hello world\n", "Line 1: this is not a Pistaro track pack file");
        row("unknown version", "Pistaro track pack\t2\npack\tShared\n" + good,
            "Line 1: the version \"2\" of the pack file is not known");
        row("binary junk", head + QByteArray("\x00\x01\x02 junk", 8),
            "Line 3: the line holds a control character (U+0000)");
        row("not UTF-8", head + "3\tmonza\xe9.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the line is not UTF-8 text.");
        row("relative path", head + "3\t../x.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the file name \"../x.dat\" is a path, not a plain file name.");
        row("absolute path", head + "3\t/etc/passwd\tMonza\t41250\t" + hash + "\n",
            "Line 3: the file name \"/etc/passwd\" is a path");
        row("DOS path", head + "3\tC:\\x.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the file name \"C:\\x.dat\" is a path");
        row("dot dot", head + "3\t..\tMonza\t41250\t" + hash + "\n",
            "Line 3: \"..\" is not a file name.");
        row("duplicate slot", head + good + good, "Line 4: slot 3 is named twice.");
        row("slot 0", head + "0\tmonza.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the slot \"0\" is not a number from 1 to 16.");
        row("slot 17", head + "17\tmonza.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the slot \"17\" is not a number from 1 to 16.");
        row("slot -1", head + "-1\tmonza.dat\tMonza\t41250\t" + hash + "\n",
            "Line 3: the slot \"-1\" is not a number from 1 to 16.");
        row("four fields", head + "3\tmonza.dat\t41250\t" + hash + "\n",
            "Line 3: a slot line has 5 fields separated by tabs");
        row("blank separated", head + "3 monza.dat Monza 41250 " + hash + "\n",
            "Line 3: a slot line has 5 fields separated by tabs");
        row("short hash", head + "3\tmonza.dat\tMonza\t41250\tabc\n",
            "Line 3: the SHA-256 \"abc\" is not 64 hexadecimal digits.");
        row("zero length", head + "3\tmonza.dat\tMonza\t0\t" + hash + "\n",
            "Line 3: the length \"0\" is not a number of bytes");
        row("no pack line", "Pistaro track pack\t1\n" + good,
            "Line 2: \"pack\", a tab and the pack's name were expected.");
        row("pack name leaving the folder", "Pistaro track pack\t1\npack\t../Packs\n" + good,
            "Line 2: \"../Packs\" can't be a Track Pack name.");
        row("pack name longer than a folder name",
            "Pistaro track pack\t1\npack\t" + QByteArray(10000, 'n') + "\n" + good,
            "can't be a Track Pack name: it is longer than a folder name may be.");
        row("no slot", head, "Line 3: the file names no slot.");
        row("tags of a slot not named", head + good + "tags\t4\tfantasy\n",
            "Line 4: the tags are of slot \"4\", which no line above names.");
        row("tags before their slot", head + "tags\t3\tfantasy\n" + good,
            "Line 3: the tags are of slot \"3\", which no line above names.");
        row("tags given twice", head + good + "tags\t3\ta\ntags\t3\tb\n",
            "Line 5: the tags of slot 3 are given twice.");
        row("a blank tag", head + good + "tags\t3\tfantasy\t\n",
            "Line 4: \"\" is no tag: a tag cannot be blank.");
        row("a long tag", head + good + "tags\t3\t" + QByteArray(41, 't') + "\n",
            "Line 4: \"tttttttttttttttttttttttttttttttttttttttt\" is no tag: a tag holds at most "
            "40 characters.");
        row("a tag with a comma", head + good + "tags\t3\ta,b\n",
            "Line 4: \"a,b\" is no tag: a comma separates tags.");
        row("10,000 tags", head + good + "tags\t3" + QByteArray("\tt").repeated(10000) + "\n",
            "Line 4: a circuit holds at most 100 tags.");
        row("huge", head + good + QByteArray(70 * 1024, 'x'),
            "The file is larger than 64 KB; a pack file is a few KB at most.");
    }
    void malformedPackFilesAreRefusedWithTheirLine() {
        QFETCH(QByteArray, text);
        QFETCH(QString, why);
        start();
        const QString file = fx->tmp.filePath(QStringLiteral("bad.pack.txt"));
        QVERIFY(writeFile(file, text));
        const QStringList before = circuitsFolderEntries();
        importPack(file, {true});
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(QDir::toNativeSeparators(file) +
                                             QStringLiteral(" is not a track pack file Pistaro "
                                                            "can read. Nothing was changed.")),
                 qPrintable(messages.first()));
        QVERIFY2(messages.first().contains(why), qPrintable(messages.first()));
        QCOMPARE(fx->dialogs.kinds,
                 (QStringList{QStringLiteral("openFile"), QStringLiteral("message")}));
        QCOMPARE(circuitsFolderEntries(), before);
        QVERIFY(packNames().isEmpty());
        QVERIFY(fx->frm->isVisible());
    }

    // The pack commands never write through a pack folder that is a link leading outside the
    // game folder, and never open a pipe: the pack file chosen, or one among the circuits.
    void linksAndPipesAreNeverFollowed_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("said"); // a part of what the command says
        const QString outside = QStringLiteral("leads outside the game folder");
        QTest::newRow("Import pack into a linked folder") << "import" << outside;
        QTest::newRow("Save Pack into a linked folder") << "save" << outside;
        QTest::newRow("Delete Track Pack of a linked folder") << "delete" << outside;
        QTest::newRow("Import pack of a pipe") << "import pipe"
                                               << "is not a regular file";
        QTest::newRow("Import pack beside a pipe") << "import beside pipe"
                                                   << "pipe.dat";
        QTest::newRow("Export pack beside a pipe") << "export beside pipe"
                                                   << "pipe.dat";
    }
    void linksAndPipesAreNeverFollowed() {
        QFETCH(QString, command);
        QFETCH(QString, said);
        const QString outside = fx->tmp.filePath(QStringLiteral("outside"));
        const bool linked = !command.contains(QLatin1String("pipe"));
        if (linked) {
            QVERIFY(writeFile(outside + QStringLiteral("/f1ct01.dat"), "not a circuit"));
            QVERIFY(QFile::link(outside, fx->circuits() + QStringLiteral("/Shared")));
            QVERIFY(writeFile(packsTxt(), "Shared\r\n"));
        }
        start();
        const QByteArray monza = readFile(fx->circuit(kMonza));
        const QString shared = fx->tmp.filePath(QStringLiteral("shared.pack.txt"));
        QVERIFY(writeFile(shared, sharedpack::write({QStringLiteral("Shared"),
                                                     {{3,
                                                       kMonza,
                                                       QStringLiteral("Monza"),
                                                       monza.size(),
                                                       trackdata::hash(monza),
                                                       {}}}})));
        if (!linked && command != QLatin1String("import pipe"))
            QVERIFY(makePipe(fx->circuit(QStringLiteral("pipe.dat"))));
        const filesnapshot::Snapshot before = filesnapshot::take(outside);
        if (command == QLatin1String("import")) {
            importPack(shared, {true});
        } else if (command == QLatin1String("save")) {
            save(QStringLiteral("Shared"));
        } else if (command == QLatin1String("delete")) {
            packs->SelectedPack->setEditText(QStringLiteral("Shared"));
            fx->dialogs.answers << true;
            QTest::mouseClick(packs->DeletePack, Qt::LeftButton);
        } else if (command == QLatin1String("import pipe")) {
            const QString pipe = fx->tmp.filePath(QStringLiteral("pipe.pack.txt"));
            QVERIFY(makePipe(pipe));
            importPack(pipe);
        } else if (command == QLatin1String("import beside pipe")) {
            importPack(shared);
        } else {
            save(QStringLiteral("Trip"));
            packs->SelectedPack->setEditText(QStringLiteral("Trip"));
            fx->dialogs.answers << fx->tmp.filePath(QStringLiteral("trip.pack.txt"));
            QTest::mouseClick(packs->ExportPack, Qt::LeftButton);
        }
        const QString messages = fx->dialogs.messages().join(QStringLiteral("\n"));
        QVERIFY2(messages.contains(said), qPrintable(messages));
        if (!linked)
            return;
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(outside)), QStringList());
        QVERIFY(gamebackup::history(gamebackup::backupsFolder(fx->bas)).isEmpty());
        QVERIFY2(messages.contains(QDir::toNativeSeparators(fx->circuits() + "/Shared")),
                 qPrintable(messages));
    }

    void aMissingPackListIsNoPacks() {
        QVERIFY(!QFileInfo::exists(packsTxt()));
        start();
        QVERIFY(packNames().isEmpty());
        QVERIFY(fx->dialogs.shown.isEmpty());
    }

    void fileExitSavesThePackList() {
        // The menu item, here by its key Ctrl+Q, unloads as the Exit button does.
        QVERIFY(writeFile(packsTxt(), "Season 95\r\n"));
        start();
        save(QStringLiteral("Kept"));
        fx->frm->show();
        fx->frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fx->frm.get()));
        QTest::keySequence(fx->frm.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(fx->frm->unloaded());
        QVERIFY(!ProgramEndState::ended);
        QCOMPARE(readFile(packsTxt()), QByteArray("Season 95\r\nKept\r\n"));
    }
};

QTEST_MAIN(TrackPacksTest)
#include "track_packs_test.moc"
