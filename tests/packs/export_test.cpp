// Export on a real main window: slot copies, the names area and lap bytes in GP2.EXE compared
// byte for byte, the picture tool's command lines, and the pending state afterwards.
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "packs/names_area.h"
#include "packs/slot_entry.h"
#include "packs/ui/exporter.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/binfile.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/dos_programs.h"
#include "tests/support/picture_tool.h"
#include "tests/support/recording_status.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QtTest>

using namespace pistaro;

namespace {

// The names area as the game expects it, from the byte S on.
QByteArray expectedArea(char T, const QStringList& names, const QStringList& countries) {
    const QByteArray zeros(16, '\0');
    QByteArray a(1, T);
    for (const QString& n : names)
        a += n.toLatin1() + T;
    a += zeros;
    for (int block = 0; block < 5; ++block) {
        for (const QString& c : countries)
            a += c.toLatin1() + T;
        a += zeros;
    }
    for (int i = 0; i < 16; ++i)
        a += QByteArray(" ") + T;
    return a + zeros + QByteArray(496, T);
}

QStringList originalNames() {
    QStringList out;
    for (int slot = 1; slot <= 16; ++slot)
        out << samplegame::originalName(slot);
    return out;
}

QStringList originalCountries() {
    QStringList out;
    for (int slot = 1; slot <= 16; ++slot)
        out << samplegame::originalCountry(slot);
    return out;
}

} // namespace

class ExportTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    QTemporaryDir home;
    RecordingStatus status;
    MainWindow* frm = nullptr;
    CircuitLists* lists = nullptr;
    SlotList* slotList = nullptr;
    const samplegame::Edition* edition = nullptr;

    QString app() const { return fx->appDir(); }
    QString exe() const { return fx->gameDir() + "GP2.EXE"; }
    QString slotPath(int slot) const { return fx->circuit(slotFileName(slot)); }
    QString entry(int slot) const { return slotList->List1->item(slot - 1)->text(); }

    QString hipic(const QString& sw, int picture) const {
        const QString bitmaps = fx->gameDir() + "Bitmaps" + QDir::separator();
        return app() + QDir::separator() + "gp2hipic.pif " + sw + " #" + QString::number(picture) +
               " " + bitmaps + "f1pcsvga.bin " + bitmaps + "tmp.bmp";
    }

    void start(const samplegame::Options& options = {}) {
        fx = std::make_unique<MainWindowFixture>(options);
        fx->bas.status = &status;
        picturetool::install(app());
        QVERIFY(open(Show::Exposed));
        frm = fx->frm.get();
        fx->bas.QuickUpdate = false;
        lists = frm->Lists;
        slotList = frm->Slots;
        QCOMPARE(slotList->List1->count(), kSlotCount);
        edition = &samplegame::edition(options.edition == 0 ? 1 : options.edition);
    }

    // Change: the circuit picked in the file list goes to the slot picked in the slot list.
    void assign(int slot, const QString& file) {
        const int row = lists->File1->indexOf(file);
        QVERIFY2(row >= 0, qPrintable(file));
        lists->File1->setListIndex(row);
        slotList->List1->setCurrentRow(slot - 1);
        frm->Packs->Change_Click();
        QCOMPARE(slotList->lineUp().at(slot).file, file);
    }

    void exportAnswering(bool yes) {
        fx->dialogs.answers << yes;
        frm->Exporting->Export_Click();
    }

    // Overwrites the names area with other bytes and the lap bytes with zeros, so what the
    // export writes can be told from what was there.
    void scrambleExe(char T) {
        QVERIFY(binfile::writeAt(exe(), edition->namesPos,
                                 T + QByteArray(kNamesAreaLongest + 64, '\xEE')));
        QVERIFY(binfile::writeAt(exe(), edition->lapsPos + 1, QByteArray(16, '\0')));
    }
    QByteArray area(qsizetype n) const { return *binfile::readAt(exe(), edition->namesPos, n); }
    QByteArray lapBytes() const { return *binfile::readAt(exe(), edition->lapsPos + 1, 16); }

    void setMaps(const QString& track, const QString& big, const QString& small) {
        Recordset& maps = *fx->bas.MapsRs;
        maps.setIndex("Name");
        maps.seek("=", track);
        if (maps.noMatch())
            maps.addNew();
        else
            maps.edit();
        maps.setValue("Name", track);
        maps.setValue("Menu Picture", big);
        maps.setValue("Menu Picture 2", small);
        maps.update();
    }

    void verifyNothingPending() {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QVERIFY(slotList->lineUp().at(slot).file.isEmpty());
            QVERIFY(!slotList->lineUp().at(slot).changed);
            QCOMPARE(slotEntryMarker(entry(slot)), QChar(u' '));
        }
    }

private slots:
    void initTestCase() { dosprograms::useScratchHome(home.path()); }

    void cleanup() { close(); }

    void oneAssignedSlot_data() {
        QTest::addColumn<bool>("quick");
        QTest::newRow("update") << false;
        QTest::newRow("quick update") << true;
    }
    void oneAssignedSlot() {
        QFETCH(bool, quick);
        start();
        fx->bas.QuickUpdate = quick;
        const char T = '\x01';
        scrambleExe(T);
        QList<QByteArray> before;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            before << readFile(slotPath(slot));
        assign(7, "monza2001.dat");
        exportAnswering(true);

        QCOMPARE(fx->dialogs.kinds, (QStringList{"yesno", "message"}));
        QCOMPARE(fx->dialogs.shown,
                 (QStringList{"Update your Gp2 files on selected circuits?",
                              "Gp2 updated.\r\n\r\n1 circuit was copied into its slot.\r\n"
                              "The menu names and lap counts were written into GP2.EXE.\r\n"
                              "The menu pictures of 1 slot were changed."}));
        // The hand-over picture is a scratch file.
        QVERIFY(!QFileInfo::exists(fx->gameDir() + "Bitmaps/tmp.bmp"));
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QCOMPARE(readFile(slotPath(slot)),
                     slot == 7 ? readFile(fx->circuit("monza2001.dat")) : before[slot - 1]);

        // All 16 names and countries are written again, slot 7's being the new circuit's.
        QStringList names = originalNames(), countries = originalCountries();
        names[6] = "Monza 2001";
        countries[6] = "Italy";
        const QByteArray expected = expectedArea(T, names, countries);
        const QByteArray written = area(expected.size() + 1);
        QCOMPARE(written.left(expected.size()), expected);
        QCOMPARE(written.back(), '\xEE'); // nothing beyond the area
        // Slot 1 holds a name of 10 and a country of 6 characters.
        QCOMPARE(written.mid(1, 11), QByteArray("Interlagos\x01"));
        qsizetype block = 1;
        for (const QString& n : names)
            block += n.size() + 1;
        block += 16;
        qsizetype countriesLength = 0;
        for (const QString& c : countries)
            countriesLength += c.size() + 1;
        for (int i = 0; i < 5; ++i, block += countriesLength + 16)
            QCOMPARE(written.mid(block, 7), QByteArray("Brazil\x01"));

        QByteArray laps;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            laps += char(slot == 7 ? 53 : samplegame::originalLaps(slot));
        QCOMPARE(lapBytes(), laps);

        const QString sw = quick ? "-q" : "-u";
        QCOMPARE(picturetool::runs(app()), (QStringList{hipic(sw, 7), hipic(sw, 23)}));
        QCOMPARE(picturetool::handed(app(), 7), picturetool::defaultPicture(1));
        QCOMPARE(picturetool::handed(app(), 23), picturetool::defaultPicture(2));

        QCOMPARE(entry(7), slotEntryText(7, u' ', "Monza 2001", "Italy"));
        QCOMPARE(slotList->List1->item(6)->data(Qt::UserRole).toInt(), 53);
        verifyNothingPending();
        QVERIFY(frm->isVisible());
        QVERIFY(!status.visible);
        QCOMPARE(status.line2(), QStringLiteral("Done."));
    }

    void onlyTheMenuPictureOfSlot2() {
        start();
        scrambleExe('\0');
        QList<QByteArray> before;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            before << readFile(slotPath(slot));
        const QString picture = fx->gameDir() + "Bitmaps/aida.bmp";
        const QByteArray bytes = picturetool::bitmap(64, 48, 0x3366cc);
        QVERIFY(writeFile(picture, bytes));

        slotList->List1->setCurrentRow(1);
        fx->bas.CurrentFile = slotPath(2);
        frm->Panel->GetInfo();
        fx->dialogs.answers << picture;
        frm->Pictures->Browse_Click(1);
        QCOMPARE(slotEntryMarker(entry(2)), QChar(u'|'));
        status.lines.clear();
        exportAnswering(true);

        for (int slot = 1; slot <= kSlotCount; ++slot)
            QCOMPARE(readFile(slotPath(slot)), before[slot - 1]);
        const QByteArray expected = expectedArea('\0', originalNames(), originalCountries());
        QCOMPARE(area(expected.size()), expected);
        QCOMPARE(picturetool::runs(app()), (QStringList{hipic("-u", 2), hipic("-u", 18)}));
        QCOMPARE(picturetool::handed(app(), 2), bytes);
        // The empty second picture field stands for the default picture.
        QCOMPARE(picturetool::handed(app(), 18), picturetool::defaultPicture(2));
        QVERIFY(status.lines.contains("2 "));
        QVERIFY(status.lines.contains(" - 2  - "));
        QCOMPARE(entry(2), slotEntryText(2, u' ', samplegame::originalName(2),
                                         samplegame::originalCountry(2)));
        verifyNothingPending();
    }

    // The real tool is a DOS program behind a PIF: run through the DOS emulator, it gets the
    // game folder's files as paths on drive C:.
    void pictureToolThroughTheDosEmulator() {
        start();
        fx->bas.QuickUpdate = true;
        dosprograms::writePif(app() + "/gp2hipic.pif", "TAILREC.COM");
        dosprograms::install("tailrec", app() + "/TAILREC.COM");
        assign(7, "monza2001.dat");
        exportAnswering(true);
        QCOMPARE(QString::fromLatin1(readFile(app() + "/TAIL.TXT")),
                 " -q #7 C:\\BITMAPS\\F1PCSVGA.BIN C:\\BITMAPS\\TMP.BMP\r\n"
                 " -q #23 C:\\BITMAPS\\F1PCSVGA.BIN C:\\BITMAPS\\TMP.BMP\r\n");
        QVERIFY(fx->dialogs.shown.last().startsWith("Gp2 updated.\r\n"));
    }

    void unreadablePictureHandsOverTheDefault() {
        // A picture file that went missing: the tool must not get the stale hand-over file.
        start();
        const QString small = fx->gameDir() + "Bitmaps/monza2.bmp";
        const QByteArray bytes = picturetool::bitmap(44, 33, 0x00aa00);
        QVERIFY(writeFile(small, bytes));
        QVERIFY(writeFile(fx->gameDir() + "Bitmaps/tmp.bmp", "stale"));
        setMaps("Monza 2001", fx->gameDir() + "Bitmaps/gone.bmp", small);
        assign(8, "monza2001.dat");
        exportAnswering(true);
        QCOMPARE(picturetool::handed(app(), 8), picturetool::defaultPicture(1));
        QCOMPARE(picturetool::handed(app(), 24), bytes);
    }

    void blockedSlotFilePutsTheGameBack() {
        start();
        assign(3, "monza2001.dat");
        assign(4, "spa98.DAT");
        // As root a mode bit does not stop writing: a folder of that name does. Slot 3 is
        // written first, so it must be put back.
        QVERIFY(QFile::remove(slotPath(4)));
        QVERIFY(QDir().mkdir(slotPath(4)));
        const QByteArray slot3 = readFile(slotPath(3));
        const QByteArray exeBefore = readFile(exe());
        exportAnswering(true);

        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(
            messages[0].startsWith("Gp2 was not updated: a file could not be written, so "
                                   "the game was put back as it was.\r\n\r\n") &&
                messages[0].contains("\r\n\r\nSlot 4: spa98.DAT was not copied over f1ct04.dat: "),
            qPrintable(messages[0]));
        QCOMPARE(readFile(slotPath(3)), slot3);
        QCOMPARE(readFile(exe()), exeBefore);
        // Both still wait, to be exported once the cause is gone; no change is kept.
        for (const int slot : {3, 4})
            QCOMPARE(slotEntryMarker(entry(slot)), QChar(kMarkerAssigned));
        QCOMPARE(slotList->lineUp().at(3).file, QStringLiteral("monza2001.dat"));
        QCOMPARE(gamebackup::history(gamebackup::backupsFolder(fx->bas)).size(), 0);
        QCOMPARE(picturetool::runs(app()), QStringList());
    }

    void busySlotFileKeepsTheGamesCircuit() {
        // A running program cannot be written: the game keeps its circuit. Padded to the
        // length of slot 4's original it still reads as that circuit.
        start();
        QByteArray program = readFile("/bin/sleep");
        QVERIFY(program.size() < samplegame::originalLength(4));
        program.append(QByteArray(samplegame::originalLength(4) - program.size(), '\0'));
        QVERIFY(writeProgram(slotPath(4), program));
        QProcess running;
        running.start(slotPath(4), {"30"});
        QVERIFY(running.waitForStarted());
        scrambleExe('\0');
        const QByteArray exeBefore = readFile(exe());
        assign(4, "monza2001.dat");
        exportAnswering(true);
        running.kill();
        running.waitForFinished();

        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("\r\n\r\nThese slots were not changed: their files are in "
                                      "use. Close any other application and export again."
                                      "\r\n\r\nSlot 4: monza2001.dat was not copied over "),
                 qPrintable(messages[0]));
        QCOMPARE(readFile(slotPath(4)), program);
        // The export was undone: the slot still waits for it.
        QCOMPARE(slotList->lineUp().at(4).file, QStringLiteral("monza2001.dat"));
        QCOMPARE(readFile(exe()), exeBefore);
    }

    void viewPackThenExport() {
        start();
        const QString pack = fx->circuits() + "/Mixed";
        QVERIFY(QDir().mkpath(pack));
        const QStringList sources{"monza2001.dat", "spa98.DAT"};
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QVERIFY(QFile::copy(fx->circuit(sources[slot % 2]), pack + "/" + slotFileName(slot)));
        frm->Packs->SelectedPack->setEditText("Mixed");
        frm->Packs->UpdTp_Click();
        QCOMPARE(slotList->lineUp().at(16).file, QStringLiteral("tmp16.tmp"));
        exportAnswering(true);

        QStringList expectedRuns;
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(readFile(slotPath(slot)), readFile(pack + "/" + slotFileName(slot)));
            expectedRuns << hipic("-u", slot) << hipic("-u", slot + 16);
        }
        QCOMPARE(picturetool::runs(app()), expectedRuns);
        QCOMPARE(QDir(fx->circuits()).entryList({"tmp*.tmp"}, QDir::Files), QStringList());
        QCOMPARE(slotEntryTrack(entry(1)), QStringLiteral("Spa 98"));
        QCOMPARE(slotEntryTrack(entry(2)), QStringLiteral("Monza 2001"));
        verifyNothingPending();
    }

    void nothingPendingOrDeclined() {
        start();
        const QByteArray exeBefore =
            QCryptographicHash::hash(readFile(exe()), QCryptographicHash::Sha1);
        frm->Exporting->Export_Click();
        QCOMPARE(
            fx->dialogs.shown,
            QStringList{"Nothing to export: no slot has a circuit or a menu picture waiting."});
        QCOMPARE(fx->dialogs.kinds, QStringList{"message"});

        assign(9, "monza2001.dat");
        const QByteArray slotBefore = readFile(slotPath(9));
        fx->dialogs.shown.clear();
        exportAnswering(false);
        QCOMPARE(fx->dialogs.shown, QStringList{"Update your Gp2 files on selected circuits?"});
        QCOMPARE(readFile(slotPath(9)), slotBefore);
        QCOMPARE(slotList->lineUp().at(9).file, QStringLiteral("monza2001.dat"));
        QCOMPARE(slotEntryMarker(entry(9)), QChar(u'-'));
        QCOMPARE(picturetool::runs(app()), QStringList());
        QCOMPARE(QCryptographicHash::hash(readFile(exe()), QCryptographicHash::Sha1), exeBefore);
    }

    void unknownEditionWritesNothingIntoTheProgram() {
        samplegame::Options options;
        options.edition = 0;
        start(options);
        // Positions left from an earlier detection must not be used.
        fx->bas.NamesPos = edition->namesPos;
        fx->bas.LapsPos = edition->lapsPos;
        const QByteArray exeBefore = readFile(exe());
        assign(1, "monza2001.dat");
        exportAnswering(true);
        QVERIFY(readFile(exe()) == exeBefore);
        QCOMPARE(readFile(slotPath(1)), readFile(fx->circuit("monza2001.dat")));
        QCOMPARE(picturetool::runs(app()).size(), 2);
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{"Gp2 was updated in part.\r\n\r\n"
                             "1 circuit was copied into its slot.\r\n"
                             "The menu pictures of 1 slot were changed.\r\n\r\n"
                             "The menu names and lap counts were not written into " +
                             QDir::toNativeSeparators(exe()) +
                             ": the edition of the game program is not recognised"});
    }

    void lapCountAboveAByteKeepsTheGamesCount() {
        start();
        QByteArray marathon = samplegame::circuit(
            40000, samplegame::addonFields("Marathon", "Nowhere", 300, 4000, 6));
        QVERIFY(writeFile(fx->circuit("marathon.dat"), marathon));
        lists->File1->refresh();
        assign(6, "marathon.dat");
        assign(10, "monza2001.dat");
        exportAnswering(true);
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{"Gp2 was updated in part.\r\n\r\n"
                             "2 circuits were copied into their slots.\r\n"
                             "The menu names and lap counts were written into GP2.EXE.\r\n"
                             "The menu pictures of 2 slots were changed.\r\n\r\n" +
                             refusedLapsMessage({6})});
        const QByteArray laps = lapBytes();
        QCOMPARE(int(quint8(laps[5])), samplegame::originalLaps(6));
        QCOMPARE(int(quint8(laps[9])), 53);
        QCOMPARE(slotEntryTrack(entry(6)), QStringLiteral("Marathon"));
    }

    void swappedSlotsGetEachOthersCircuit_data() {
        QTest::addColumn<QList<int>>("targets"); // targets[i] gets the old circuit of sources[i]
        QTest::addColumn<QList<int>>("sources");
        QTest::newRow("swap") << QList<int>{3, 7} << QList<int>{7, 3};
        QTest::newRow("3-cycle") << QList<int>{1, 2, 5} << QList<int>{2, 5, 1};
    }
    void swappedSlotsGetEachOthersCircuit() {
        QFETCH(QList<int>, targets);
        QFETCH(QList<int>, sources);
        start();
        QList<QByteArray> before;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            before << readFile(slotPath(slot));
        for (int i = 0; i < targets.size(); ++i)
            assign(targets[i], slotFileName(sources[i]));
        exportAnswering(true);
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY(fx->dialogs.messages()[0].startsWith("Gp2 updated.\r\n"));
        for (int i = 0; i < targets.size(); ++i) {
            QCOMPARE(readFile(slotPath(targets[i])), before[sources[i] - 1]);
            QCOMPARE(slotEntryTrack(entry(targets[i])), samplegame::originalName(sources[i]));
        }
    }

    void failedPicturesAndAMissingProgramAreListed() {
        start();
        QVERIFY(QFile::remove(exe()));
        assign(2, "monza2001.dat");
        assign(5, "spa98.DAT");
        // The tool fails for slot 2's pictures and cannot be started for slot 5's.
        QVERIFY(writeProgram(app() + "/gp2hipic.pif", "#!/bin/sh\ncase \"$2\" in\n"
                                                      "'#2'|'#18') exit 3;;\n"
                                                      "*) rm \"$0\"; exit 0;;\nesac\n"));
        exportAnswering(true);
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        // One line per cause; the slots and pictures each kept back are listed under theirs.
        const QStringList lines = messages[0].split("\r\n");
        const QString start = "Cannot start ";
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{"Gp2 was updated in part.", "",
                              "2 circuits were copied into their slots.", "",
                              "The menu names and lap counts were not written into " +
                                  QDir::toNativeSeparators(fx->gameDir() + "gp2.exe") +
                                  ": the file is missing"}));
        QCOMPARE(lines[5], "Menu pictures were not changed: gp2hipic failed (exit status 3)");
        QVERIFY2(lines[6].startsWith("Menu pictures were not changed: Cannot start "),
                 qPrintable(lines[6]));
        QCOMPARE(lines.mid(7), (QStringList{"", lines[5], "    Slot 2: Monza 2001, large picture",
                                            "    Slot 2: Monza 2001, small picture", lines[6],
                                            "    Slot 5: Spa 98, small picture"}));
        // No empty game program was made in its place.
        QCOMPARE(QDir(fx->gameDir()).entryList({"gp2.exe"}, QDir::Files), QStringList());
        QCOMPARE(readFile(slotPath(5)), readFile(fx->circuit("spa98.DAT")));
    }

    void restoreLastChangePutsTheGameBack() {
        start();
        QList<QByteArray> before;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            before << readFile(slotPath(slot));
        const QByteArray exeBefore = readFile(exe());
        const QByteArray archiveBefore = readFile(fx->gameDir() + "Bitmaps/f1pcsvga.bin");
        QVERIFY(!QFile::exists(fx->gameDir() + "Bitmaps/tmp.bmp"));
        assign(4, "monza2001.dat");
        exportAnswering(true);
        QCOMPARE(slotEntryTrack(entry(4)), QStringLiteral("Monza 2001"));
        QVERIFY(readFile(exe()) != exeBefore);
        QVERIFY(!QFile::exists(fx->gameDir() + "Bitmaps/tmp.bmp")); // the scratch file is gone

        fx->dialogs.shown.clear();
        fx->dialogs.answers << true;
        frm->RestoreLast->trigger();
        QCOMPARE(fx->dialogs.shown.size(), 2);
        const QString question = fx->dialogs.shown[0];
        QVERIFY2(question.startsWith("Restore the game files as they were before Export on "),
                 qPrintable(question));
        QVERIFY(question.contains("\r\n\r\n" + QDir::toNativeSeparators(slotPath(4)) + "\r\n"));
        QVERIFY(question.contains("\r\n" + QDir::toNativeSeparators(exe())));
        QVERIFY(question.contains("tmp.bmp (removed: it was not there)"));
        QCOMPARE(fx->dialogs.shown[1], QStringLiteral("Game files restored."));
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QCOMPARE(readFile(slotPath(slot)), before[slot - 1]);
        QCOMPARE(readFile(exe()), exeBefore);
        QCOMPARE(readFile(fx->gameDir() + "Bitmaps/f1pcsvga.bin"), archiveBefore);
        QVERIFY(!QFile::exists(fx->gameDir() + "Bitmaps/tmp.bmp"));
        // The slot list shows the game's circuits again.
        QCOMPARE(slotEntryTrack(entry(4)), samplegame::originalName(4));
        // The backup lies beside the databases, never in the game folder; the restore is a
        // change of its own.
        QCOMPARE(QDir(app() + "/backups").entryList({"* Export", "* Restore"}, QDir::Dirs).size(),
                 2);
        QVERIFY(QDir(fx->gameDir()).entryList({"backups", "contents"}).isEmpty());

        fx->dialogs.shown.clear();
        frm->RestoreLast->trigger();
        QCOMPARE(fx->dialogs.shown, QStringList{"There is no change to restore."});
    }

    void backupThatCannotBeWrittenStopsTheExport() {
        start();
        QVERIFY(writeFile(app() + "/backups", "in the way"));
        const QByteArray slotBefore = readFile(slotPath(6));
        const QByteArray exeBefore = readFile(exe());
        assign(6, "monza2001.dat");
        exportAnswering(true);
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY2(fx->dialogs.messages()[0].startsWith(
                     "Export was stopped before changing anything: the backup of the game files "
                     "could not be written.\r\n\r\ncannot make the folder "),
                 qPrintable(fx->dialogs.messages()[0]));
        QCOMPARE(readFile(slotPath(6)), slotBefore);
        QCOMPARE(readFile(exe()), exeBefore);
        QCOMPARE(picturetool::runs(app()), QStringList());
        QCOMPARE(slotList->lineUp().at(6).file, QStringLiteral("monza2001.dat")); // still pending
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
