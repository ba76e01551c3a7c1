// Every command of the main window ends in one message that says what it did, and what it
// skipped once per cause; a disabled button says why it is disabled.
#include "app/history_dialog.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/log_import.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "storage/ui/database_list.h"
#include "tests/support/archive_maker.h"
#include "tests/support/files.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

class CommandResultsTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    void assign(int slot, const QString& file) {
        fx->frm->Lists->File1->setListIndex(fx->frm->Lists->File1->indexOf(file));
        fx->frm->Slots->List1->setCurrentRow(slot - 1);
        fx->frm->Packs->Change_Click();
    }
    QString native(const QString& path) const { return QDir::toNativeSeparators(path); }

private slots:
    void cleanup() { close(); }

    void summary_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("said"); // %G the game folder, %A the program folder
        QTest::newRow("export without gp2hipic")
            << "export"
            << "Gp2 was updated in part.\r\n\r\n1 circuit was copied into its slot.\r\n"
               "The menu names and lap counts were written into GP2.EXE.\r\n\r\n"
               "Menu pictures were not changed: gp2hipic is not set up. See Help > Outside "
               "programs.";
        QTest::newRow("save pack") << "save pack"
                                   << "The Track Pack 'Mine' was saved.\r\n\r\n16 slot files were "
                                      "saved in %GCircuits/Mine.";
        QTest::newRow("get time without log")
            << "get time without log"
            << "No lap time was read: there is no readable %Ggp2lap.log. GP2LAP writes it "
               "while you play.";
        QTest::newRow("get time, empty log")
            << "get time, empty log"
            << "No lap time of a known track and session was found in %Ggp2lap.log.";
        QTest::newRow("get time, nothing new")
            << "get time twice"
            << "Nothing new was found in %Ggp2lap.log: its lap times were imported before.";
        QTest::newRow("export to notepad without an editor")
            << "print"
            << "No application for plain text is set up on this system: the table, "
               "written to %A/print.spl, is shown in Pistaro's text viewer.";
    }
    void summary() {
        QFETCH(QString, command);
        QFETCH(QString, said);
        QVERIFY(open());
        MainWindow& frm = *fx->frm;
        const QString log = fx->gameDir() + "gp2lap.log";
        QStringList viewed;
        if (command == "export") {
            QVERIFY(!QFileInfo::exists(fx->appDir() + "/gp2hipic.pif"));
            assign(3, "monza2001.dat");
            fx->dialogs.answers << true;
            frm.Exporting->Export_Click();
            fx->dialogs.shown.removeFirst(); // the question
            fx->dialogs.kinds.removeFirst();
            QVERIFY(!QFileInfo::exists(fx->gameDir() + "Bitmaps/tmp.bmp"));
        } else if (command == "save pack") {
            frm.Packs->SelectedPack->setEditText("Mine");
            frm.Packs->SavePack->click();
        } else if (command.startsWith("get time")) {
            if (command == "get time without log")
                QVERIFY(QFile::remove(log));
            if (command == "get time, empty log")
                QVERIFY(QFile::resize(log, 0));
            if (command == "get time twice") {
                frm.LapLog->GetGp2Lap->click();
                QCOMPARE(fx->dialogs.shown, QStringList()); // the records are shown instead
            }
            frm.LapLog->GetGp2Lap->click();
        } else if (command == "print") {
            frm.textEditorOpener = [](const QString&) { return false; };
            LapTimeTable grid(frm, frm.Databases->DbCombo->currentText(), &frm);
            grid.load();
            viewed = closingTextViewers([&] { grid.TablePrint_Click(); });
            QCOMPARE(viewed.size(), 1);
            const QByteArray written = readFile(fx->appDir() + "/print.spl");
            QVERIFY(written.contains("Monte-Carlo"));
            QCOMPARE(viewed[0], QString::fromLatin1(written).remove('\r'));
        }
        said.replace("%G", native(fx->gameDir())).replace("%A", native(fx->appDir()));
        QCOMPARE(fx->dialogs.shown, QStringList{native(said)});
        QCOMPARE(fx->dialogs.kinds, QStringList{"message"});
    }

    // A name read from the disk with a line break and an escape sequence in it: every text
    // that shows it shows them as escapes, so it forges no line and sends nothing to a
    // terminal.
    void namesFromFilesAreShownEscaped_data() {
        QTest::addColumn<QString>("place");
        for (const char* place : {"delete question", "rename question", "circuit tool tip",
                                  "history", "restore", "database refusal", "install report"})
            QTest::newRow(place) << place;
    }
    void namesFromFilesAreShownEscaped() {
        QFETCH(QString, place);
        const QString hostile = QStringLiteral("hostile\n\x1b[2J");
        fx = std::make_unique<MainWindowFixture>();
        QVERIFY(writeFile(fx->circuit(hostile + ".dat"), samplegame::smallAddon("Hostile")));
        QVERIFY(open());
        MainWindow& frm = *fx->frm;
        CircuitTable* list = frm.Lists->File1;
        list->setListIndex(list->indexOf(hostile + ".dat"));
        QCOMPARE(list->selectedName(), hostile + ".dat");
        QString said;
        if (place == "delete question" || place == "history" || place == "restore") {
            fx->dialogs.answers << (place != "delete question");
            frm.Lists->Delete->trigger();
            said = fx->dialogs.shown.value(0);
            if (place == "history") {
                const auto changes = gamebackup::history(gamebackup::backupsFolder(fx->bas));
                QCOMPARE(changes.size(), 1);
                said = HistoryDialog::rowText(changes.first());
            } else if (place == "restore") {
                // The backup's manifest holds the name whole: it comes back as it was, not
                // as the part before its line break. A part file a write of it left goes too,
                // though its name reads as a wildcard pattern.
                QVERIFY(!QFileInfo::exists(fx->circuit(hostile + ".dat")));
                QVERIFY(writeFile(fx->circuit(hostile + ".dat.writing-Ab12Cd"), "part"));
                fx->dialogs.shown.clear();
                fx->dialogs.answers << true;
                frm.RestoreLast->trigger();
                QCOMPARE(readFileOrMissing(fx->circuit(hostile + ".dat")),
                         samplegame::smallAddon("Hostile"));
                QVERIFY(!QFileInfo::exists(fx->circuit("hostile")));
                QVERIFY(!QFileInfo::exists(fx->circuit(hostile + ".dat.writing-Ab12Cd")));
                said = fx->dialogs.shown.join(u'\n');
            }
        } else if (place == "rename question") {
            frm.Lists->Rename->trigger(); // cancelled
            said = fx->dialogs.shown.value(0);
        } else if (place == "circuit tool tip") {
            frm.Lists->File1_Click();
            said = list->toolTip();
        } else if (place == "database refusal") {
            frm.Databases->DbCombo->setEditText(hostile + ".mdb");
            frm.Databases->DeleteDatabase_Click();
            said = fx->dialogs.shown.value(0);
        } else if (place == "install report") {
            const QString zip = fx->tmp.filePath(hostile + ".zip");
            QVERIFY(archivemaker::write(zip, {{"NEW.DAT", samplegame::smallAddon("New", {}, 5)}}));
            fx->dialogs.answers << zip;
            const QStringList viewed = closingTextViewers([&] { frm.Install->trigger(); });
            said = viewed.value(0);
        }
        QVERIFY2(said.contains(QStringLiteral("hostile\\n\\x1b[2J")), qPrintable(said));
        QVERIFY2(!said.contains(u'\x1b') && !said.contains(hostile), qPrintable(said));
    }

    // A slot waiting for Export is shaded and says so, and is not dropped by Rescan, Exit or
    // another database without a question; Cancel keeps it, No goes on, Yes exports it first.
    void waitingSlotsAreNotDroppedSilently_data() {
        QTest::addColumn<QString>("leaving"); // "rescan", "exit" or "switch"
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<bool>("went"); // the rescan or the exit happened
        QTest::addColumn<bool>("exported");
        QTest::newRow("rescan, cancel") << "rescan" << QVariantList{"cancel"} << false << false;
        QTest::newRow("rescan, no") << "rescan" << QVariantList{false} << true << false;
        QTest::newRow("rescan, yes") << "rescan" << QVariantList{true, true} << true << true;
        QTest::newRow("exit, cancel") << "exit" << QVariantList{"cancel"} << false << false;
        QTest::newRow("exit, no") << "exit" << QVariantList{false} << true << false;
        QTest::newRow("switch, cancel") << "switch" << QVariantList{"cancel"} << false << false;
        QTest::newRow("switch, no") << "switch" << QVariantList{false, "Other"} << true << false;
    }
    void waitingSlotsAreNotDroppedSilently() {
        QFETCH(QString, leaving);
        QFETCH(QVariantList, answers);
        QFETCH(bool, went);
        QFETCH(bool, exported);
        QVERIFY(open());
        MainWindow& frm = *fx->frm;
        const QString slotFile = fx->gameDir() + "Circuits/f1ct03.dat";
        const QByteArray before = readFile(slotFile);
        assign(3, "monza2001.dat");
        QCOMPARE(frm.Slots->lineUp().pendingCount(), 1);
        QCOMPARE(frm.Slots->List1->item(2)->toolTip(),
                 QStringLiteral("Waiting for Export: monza2001.dat goes into this slot."));
        QVERIFY(frm.Slots->List1->item(2)->background().style() != Qt::NoBrush);
        fx->dialogs.answers = answers;
        if (leaving == "rescan")
            frm.Packs->Import_Click();
        else if (leaving == "switch")
            frm.Databases->NewDatabase_Click();
        else
            frm.close();
        QCOMPARE(fx->dialogs.shown.value(0),
                 QStringLiteral("1 slot is not exported yet. Export it now?"));
        QCOMPARE(fx->dialogs.kinds.value(0), QStringLiteral("yesnocancel"));
        if (leaving == "rescan") {
            QCOMPARE(frm.Slots->lineUp().pendingCount(), went ? 0 : 1);
        } else if (leaving == "switch") {
            QCOMPARE(QFileInfo(fx->bas.Db->path()).fileName() == "Other.mdb", went);
            QCOMPARE(frm.Slots->lineUp().pendingCount(), 1); // another database keeps them
        } else {
            QCOMPARE(frm.unloaded(), went);
        }
        QCOMPARE(readFile(slotFile) != before, exported);
        if (exported)
            QVERIFY(frm.Slots->List1->item(2)->toolTip().isEmpty());
    }

    // A disabled button says what it needs; enabled, it shows its own tip again, with its key.
    void disabledButtonsSayWhy() {
        QVERIFY(open());
        MainWindow& frm = *fx->frm;
        QCOMPARE(frm.Packs->Change->toolTip(), QStringLiteral("Select a circuit and a slot first"));
        QCOMPARE(frm.Panel->SaveInfo->toolTip(),
                 QStringLiteral("Select an add-on circuit first: the game's own circuits are not "
                                "changed"));
        frm.Slots->List1->setCurrentRow(2);
        frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf("monza2001.dat"));
        QVERIFY(frm.Packs->Change->isEnabled());
        QCOMPARE(frm.Packs->Change->toolTip(), QStringLiteral("Change Track"));
        QVERIFY(frm.Panel->SaveInfo->isEnabled());
        QCOMPARE(frm.Panel->SaveInfo->toolTip(), QStringLiteral("Update Track Info (Ctrl+S)"));
    }
};

QTEST_MAIN(CommandResultsTest)
#include "command_results_test.moc"
