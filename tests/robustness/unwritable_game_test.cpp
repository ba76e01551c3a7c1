// Commands that write into the game folder, each with its target blocked: a folder where the
// file should be, or a folder in the way of a new one (a mode bit does not stop root). Each
// says what was not written, and leaves every other file as it was. And their backups: each
// command is undone by Restore byte for byte, and stops before it changes anything when its
// backup cannot be written.
#include "gamedir/exe_cmd.h"
#include "gamedir/game_backup.h"
#include "packs/slot_entry.h"
#include "packs/ui/exporter.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "setups/ui/setup_transfer.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/picture_tool.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

class UnwritableGameTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    MainWindow* frm = nullptr;

    QString game(const QString& relative) const {
        return QDir::cleanPath(fx->gameDir() + relative);
    }

    // Replaces a file by a folder of the same name holding one file, so it can be neither
    // written nor deleted.
    void blockWithFolder(const QString& path) {
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(writeFile(path + "/keep.txt", "the user's own"));
    }

    QStringList changedSince(const filesnapshot::Snapshot& before) const {
        return filesnapshot::changed(before, filesnapshot::take(fx->gameDir()));
    }

    // The game folder and the pack list: what the commands below and Restore may change.
    filesnapshot::Snapshot gameAndPackList() const {
        filesnapshot::Snapshot out = filesnapshot::take(fx->gameDir());
        const QString list = fx->appDir() + "/Packs.txt";
        if (QFile::exists(list))
            out.insert("app/Packs.txt", readFile(list));
        return out;
    }

    void savePack(const QString& name) {
        frm->Packs->SelectedPack->setEditText(name);
        QTest::mouseClick(frm->Packs->SavePack, Qt::LeftButton);
    }

    // One row per command that changes game or pack files, named as its backup is.
    void backedUpCommands() {
        QTest::addColumn<QString>("command");
        for (const char* command :
             {"Update Track Info monza2001.dat", "Save Pack Season", "Delete Track Pack Season",
              "Install newtrack.zip", "Import Menu Picture TI Circuit Aida2.bmp",
              "Import Pack Season"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }

    // What the command of `command` needs before it runs: a pack to replace or delete, the
    // circuit shown with an edit, a texture the installation writes over.
    void prepare(const QString& command) {
        CircuitLists* lists = frm->Lists;
        SlotList* slotList = frm->Slots;
        if (command.startsWith("Import Pack")) {
            savePack("Season");
            QVERIFY(fx->takeMessages().value(0).startsWith("The Track Pack 'Season' was saved."));
            // A pack file naming Monza in slot 3: the import replaces the pack's files.
            const QByteArray monza = readFile(fx->circuit("monza2001.dat"));
            QVERIFY(writeFile(fx->tmp.filePath("season.pack.txt"),
                              "Pistaro track pack\t1\npack\tSeason\n3\tmonza2001.dat\tMonza "
                              "2001\t" +
                                  QByteArray::number(monza.size()) + "\t" + trackdata::hash(monza) +
                                  "\n"));
        } else if (command.startsWith("Save Pack") || command.startsWith("Delete Track Pack")) {
            savePack("Season");
            QVERIFY(fx->takeMessages().value(0).startsWith("The Track Pack 'Season' was saved."));
            // The list file as the end of a run writes it.
            QVERIFY(frm->Packs->writePackList(fx->appDir() + "/Packs.txt"));
            lists->File1->setListIndex(lists->File1->indexOf("monza2001.dat"));
            slotList->List1->setCurrentRow(2);
            frm->Packs->Change_Click();
        } else if (command.startsWith("Update Track Info")) {
            QVERIFY(QTest::qWaitForWindowActive(frm));
            lists->File1->setListIndex(lists->File1->indexOf("monza2001.dat"));
            lists->File1_Click();
            QLineEdit* track = frm->Panel->Track;
            track->setFocus();
            QCOMPARE(QApplication::focusWidget(), track);
            track->selectAll();
            QTest::keyClicks(track, "Monza 2002");
        } else if (command.startsWith("Install")) {
            QVERIFY(writeFile(game("gamejams/OLD.JAM"), "the game's own texture"));
        } else if (command.startsWith("Import Menu Picture")) {
            picturetool::setArchivePicture(fx->appDir(), 18, picturetool::bitmap(44, 33, 0x1234));
            slotList->List1->setCurrentRow(-1);
            slotList->List1->setCurrentRow(1);
        }
    }

    void run(const QString& command) {
        if (command.startsWith("Update Track Info")) {
            QTest::mouseClick(frm->Panel->SaveInfo, Qt::LeftButton);
            ExeCmd::WaitForSumfix(fx->circuit("monza2001.dat"));
        } else if (command.startsWith("Save Pack")) {
            savePack("Season");
        } else if (command.startsWith("Import Pack")) {
            fx->dialogs.answers << fx->tmp.filePath("season.pack.txt") << true;
            QTest::mouseClick(frm->Packs->ImportPack, Qt::LeftButton);
        } else if (command.startsWith("Delete Track Pack")) {
            fx->dialogs.answers << true;
            frm->Packs->SelectedPack->setEditText("Season");
            QTest::mouseClick(frm->Packs->DeletePack, Qt::LeftButton);
        } else if (command.startsWith("Install")) {
            const QByteArray circuit =
                samplegame::circuit(20001, samplegame::addonFields("Newtrack", "Nowhere", 30),
                                    {"gamejams\\X.JAM", "gamejams\\old.jam"}, 3);
            const QString zip = fx->tmp.filePath("newtrack.zip");
            QString error;
            QVERIFY2(archivemaker::write(zip,
                                         {{"NEWTRACK.DAT", circuit},
                                          {"X.JAM", "new texture"},
                                          {"OLD.JAM", "a texture of the archive"}},
                                         &error),
                     qPrintable(error));
            fx->dialogs.answers << zip;
            closingTextViewers([this] { frm->Install->trigger(); });
        } else if (command.startsWith("Import Menu Picture")) {
            frm->Pictures->ImportPicture_Click(2);
        }
    }

private slots:
    void init() {
        fx = std::make_unique<MainWindowFixture>();
        picturetool::install(fx->appDir());
        QVERIFY(open(Show::Exposed));
        frm = fx->frm.get();
    }
    void cleanup() { close(); }

    // The game program can't take the menu names: the slot copy made before is put back and
    // the message names the game program.
    void exportIntoAGameProgramThatCannotBeWritten() {
        CircuitLists* lists = frm->Lists;
        SlotList* slotList = frm->Slots;
        lists->File1->setListIndex(lists->File1->indexOf("monza2001.dat"));
        slotList->List1->setCurrentRow(6);
        frm->Packs->Change_Click();
        blockWithFolder(game("GP2.EXE"));
        const auto before = filesnapshot::take(fx->gameDir());
        fx->dialogs.answers << true;
        frm->Exporting->Export_Click();
        const QStringList messages = fx->takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith("Gp2 was not updated: a file could not be written, so "
                                        "the game was put back as it was.\r\n\r\n") &&
                     messages[0].contains("The menu names and lap counts were not written into " +
                                          game("GP2.EXE") + ": "),
                 qPrintable(messages[0]));
        QStringList changed = changedSince(before);
        changed.removeAll("Bitmaps/tmp.bmp");
        QCOMPARE(changed, QStringList{});
    }

    void exportSetupsIntoAStateFileThatIsAFolder() {
        blockWithFolder(game("f1gstate.sav"));
        const auto before = filesnapshot::take(fx->gameDir());
        frm->Setups->ExportSetups->click();
        const QStringList messages = fx->takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith("Car setups not exported.\r\n\r\n") &&
                     messages[0].contains("f1gstate.sav"),
                 qPrintable(messages[0]));
        QCOMPARE(changedSince(before), QStringList{});
    }

    void renameOntoAFolderOfThatName() {
        QVERIFY(QDir().mkpath(game("Circuits/Taken.dat")));
        CircuitLists* lists = frm->Lists;
        lists->File1->setListIndex(lists->File1->indexOf("monza2001.dat"));
        const auto before = filesnapshot::take(fx->gameDir());
        fx->dialogs.answers << QStringLiteral("Taken");
        lists->Rename->trigger();
        const QStringList messages = fx->takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith("Couldn't rename " + fx->circuit("monza2001.dat") +
                                        " to Taken.dat."),
                 qPrintable(messages[0]));
        QCOMPARE(changedSince(before), QStringList{});
    }

    // A file of the pack's name stands where its folder should be made.
    void savePackWhoseFolderCannotBeMade() {
        QVERIFY(writeFile(game("Circuits/Season"), "not a folder"));
        const auto before = filesnapshot::take(fx->gameDir());
        frm->Packs->SelectedPack->setEditText("Season");
        QTest::mouseClick(frm->Packs->SavePack, Qt::LeftButton);
        const QStringList messages = fx->takeMessages();
        QCOMPARE(messages.size(), 1);
        const QStringList lines = messages[0].split("\r\n");
        // The headline, each cause once, then the 16 files that were not copied.
        QCOMPARE(lines.size(), 2 + 2 + 1 + 16);
        QCOMPARE(lines[0], QStringLiteral("The Track Pack 'Season' was not saved completely."));
        QCOMPARE(lines[2], game("Circuits/Season") + " couldn't be made.");
        QCOMPARE(lines[3], QStringLiteral("These circuits couldn't be copied into the pack:"));
        QVERIFY2(lines[5].startsWith(fx->circuit("f1ct01.dat") + ": "), qPrintable(lines[5]));
        QCOMPARE(changedSince(before), QStringList{});
    }

    // One file of the pack is a folder: the rest are deleted, that one is named.
    void deletePackWithAFileThatCannotBeDeleted() {
        frm->Packs->SelectedPack->setEditText("Season");
        QTest::mouseClick(frm->Packs->SavePack, Qt::LeftButton);
        QVERIFY(fx->takeMessages().value(0).startsWith("The Track Pack 'Season' was saved."));
        const QString blocked = game("Circuits/Season/" + slotFileName(3));
        blockWithFolder(blocked);
        fx->dialogs.answers << true;
        frm->Packs->SelectedPack->setEditText("Season");
        QTest::mouseClick(frm->Packs->DeletePack, Qt::LeftButton);
        QCOMPARE(fx->takeMessages(),
                 QStringList{"The Track Pack 'Season' was not deleted completely.\r\n\r\n"
                             "These files couldn't be deleted:\r\n" +
                             blocked});
        QCOMPARE(QDir(game("Circuits/Season")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{slotFileName(3)});
        QCOMPARE(readFile(blocked + "/keep.txt"), QByteArray("the user's own"));
    }

    // Installing a circuit whose name is taken by a folder: the report says it was not copied,
    // and the menu picture copied before it is taken out again.
    void installOntoAFolderOfTheCircuitsName() {
        const QByteArray circuit =
            samplegame::circuit(20001, samplegame::addonFields("Newtrack", "Nowhere", 30), {}, 3);
        const QString zip = fx->tmp.filePath("newtrack.zip");
        QString error;
        QVERIFY2(archivemaker::write(
                     zip, {{"A.BMP", QByteArray(308278, 'p')}, {"NEWTRACK.DAT", circuit}}, &error),
                 qPrintable(error));
        blockWithFolder(game("Circuits/NEWTRACK.DAT"));
        const auto before = filesnapshot::take(fx->gameDir());

        fx->dialogs.answers << zip;
        const QStringList viewed = closingTextViewers([this] { frm->Install->trigger(); });
        QCOMPARE(viewed.size(), 1);
        QVERIFY2(viewed[0].startsWith("Track " + QDir::toNativeSeparators(zip) +
                                      " was not installed: NEWTRACK.DAT track couldn't be "
                                      "copied to " +
                                      game("Circuits/NEWTRACK.DAT") + ": ") &&
                     viewed[0].contains("\n\nThe game was put back as it was.\n") &&
                     viewed[0].contains("A.BMP 640x480 menu image copied"),
                 qPrintable(viewed[0]));
        QCOMPARE(changedSince(before), QStringList{});
    }

    // The command keeps its backup first: Restore puts back the game folder and the pack list
    // as they were, and a deleted pack is listed again.
    void commandsAreUndoneByRestore_data() { backedUpCommands(); }
    void commandsAreUndoneByRestore() {
        QFETCH(QString, command);
        prepare(command);
        fx->takeMessages();
        const auto before = gameAndPackList();
        run(command);
        QVERIFY(fx->takeMessages().size() <= 1); // "Track updated." and the like
        QVERIFY(!filesnapshot::changed(before, gameAndPackList()).isEmpty());
        const auto saved = gamebackup::newest(gamebackup::backupsFolder(fx->bas));
        QVERIFY(saved);
        QCOMPARE(saved->command, command);

        fx->dialogs.answers << true;
        frm->RestoreLast->trigger();
        QCOMPARE(fx->takeMessages(), QStringList{"Game files restored."});
        QCOMPARE(filesnapshot::changed(before, gameAndPackList()), QStringList{});
        if (command.startsWith("Delete Track Pack")) {
            QCOMPARE(frm->Packs->SelectedPack->findText("Season"), 0);
            // The pack is there to view again.
            frm->Packs->SelectedPack->setEditText("Season");
            frm->Packs->UpdTp_Click();
            QCOMPARE(fx->takeMessages(), QStringList{});
            QCOMPARE(frm->Slots->lineUp().at(3).file, QStringLiteral("tmp03.tmp"));
        }
    }

    // A file where the backups go: the command says so and changes nothing.
    void commandsStopWhenTheirBackupCannotBeWritten_data() { backedUpCommands(); }
    void commandsStopWhenTheirBackupCannotBeWritten() {
        QFETCH(QString, command);
        prepare(command);
        fx->takeMessages();
        const QString backups = gamebackup::backupsFolder(fx->bas);
        QVERIFY(QDir(backups).removeRecursively());
        QVERIFY(writeFile(backups, "a file where the backups go"));
        const auto before = filesnapshot::take(fx->gameDir());
        run(command);
        const QStringList messages = fx->takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(gamebackup::failureMessage(command, QString())),
                 qPrintable(messages[0]));
        QCOMPARE(changedSince(before), QStringList{});
    }
};

QTEST_MAIN(UnwritableGameTest)
#include "unwritable_game_test.moc"
