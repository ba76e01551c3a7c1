// Writers on a full disk: each target is put on a small tmpfs filled to the last byte. Each
// writer says what it could not write and why, and the file it would have replaced stays.
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/launcher.h"
#include "packs/ui/pack_controls.h"
#include "storage/ui/database_list.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/small_disk.h"
#include "tests/support/text_viewer_closer.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace pistaro;

class FullDiskTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> fx;

    QString tmp(const QString& relative) const { return fx->tmp.filePath(relative); }

    // Moves `relative` (a file or a folder under the fixture's folder) onto the disk and
    // leaves a link in its place, so the program writes there through its usual path.
    bool moveOnto(const SmallDisk& disk, const QString& relative) {
        const QString from = tmp(relative);
        const QString to = disk.path() + "/" + QFileInfo(from).fileName();
        if (QProcess::execute("cp", {"-a", from, to}) != 0)
            return false;
        const bool removed =
            QFileInfo(from).isDir() ? QDir(from).removeRecursively() : QFile::remove(from);
        return removed && QFile::link(to, from);
    }

    QString everythingSaid() const {
        return fx->dialogs.shown.join("\n") + "\n" + viewed.join("\n");
    }

    QStringList viewed;
    SmallDisk* disk_ = nullptr; // the case's

private slots:
    void writers_on_a_full_disk_keep_the_old_file_and_say_why() {
        struct Case {
            const char* name;
            QString moved;    // put on the full disk
            QString kept;     // must hold its old bytes afterwards
            bool fullAtStart; // the disk is full before the program starts
            std::function<void(FullDiskTest&)> act;
            QStringList said; // each must appear in a message or the report
        };
        const QString noSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));
        const QList<Case> cases{
            {"pack list at shut-down",
             "app/Packs.txt",
             "app/Packs.txt",
             false,
             [](FullDiskTest& t) {
                 t.fx->frm->Packs->SelectedPack->addItem("New pack");
                 t.fx->stop();
             },
             {"Packs.txt could not be written: " + noSpace}},
            {"print file",
             "app/print.spl",
             "app/print.spl",
             false,
             [](FullDiskTest& t) {
                 LapTimeTable grid(*t.fx->frm, t.fx->frm->Databases->DbCombo->currentText(),
                                   t.fx->frm.get());
                 grid.load();
                 grid.TablePrint_Click();
             },
             {"print.spl could not be written: " + noSpace}},
            // The whole game folder: a linked Circuits folder alone leads outside the game.
            {"installed circuit",
             "game",
             "game/Circuits/new.dat",
             false,
             [](FullDiskTest& t) {
                 const QString archive = t.tmp("new.zip");
                 QVERIFY(archivemaker::write(
                     archive, {{"NEW.DAT", samplegame::circuit(
                                               20001, samplegame::addonFields("New", "X", 40))}}));
                 t.fx->dialogs.answers = QVariantList{archive};
                 t.viewed << closingTextViewers([&t] { t.fx->frm->Install->trigger(); });
             },
             {"NEW.DAT track couldn't be copied to ", noSpace}},
            {"lap log import",
             "app/pso.mdb",
             "game/gp2lap.log",
             false,
             [](FullDiskTest& t) {
                 t.fx->frm->ImportLog();
                 // The next game neither deletes nor renames the log the import could not file.
                 t.fx->bas.UseGp2Lap = true;
                 t.fx->bas.DeleteLogFile = true;
                 const QString standIn = t.fx->gameDir() + "Gp2Lap.exe";
                 QVERIFY(writeFile(standIn, "#!/bin/sh\nexit 0\n"));
                 QVERIFY(QFile::setPermissions(standIn, QFile::ReadOwner | QFile::ExeOwner));
                 t.fx->frm->Launching->Launch();
             },
             {"could not be stored in the database: ", "Nothing of this reading was kept",
              "gp2lap.log is kept"}},
            {"setup import",
             "app/pso.mdb",
             "app/pso.mdb",
             false,
             [](FullDiskTest& t) { t.fx->frm->ImportSetups(); },
             {"Car setups not imported.", "None of the "}},
            {"menu picture catalogue at start-up",
             "app",
             "app/pso.mdb",
             true,
             [](FullDiskTest&) {},
             {"Menu pictures are neither shown nor kept in this run."}},
            {"restore, then again once there is room",
             "game",
             "game/Circuits/monza2001.dat",
             false,
             [](FullDiskTest& t) {
                 // A rename made while there was room, then restored on the full disk.
                 t.disk_->release();
                 CircuitTable* list = t.fx->frm->Lists->File1;
                 list->setListIndex(list->indexOf("monza2001.dat", Qt::CaseSensitive));
                 t.fx->dialogs.answers << QStringLiteral("Monza1");
                 t.fx->frm->Lists->Rename->trigger();
                 QVERIFY(t.disk_->fill());
                 t.fx->dialogs.answers << true;
                 t.fx->frm->RestoreLast->trigger();
                 QVERIFY(QFile::exists(t.tmp("game/Circuits/Monza1.dat")));
                 t.disk_->release();
                 t.fx->dialogs.answers << true;
                 t.fx->frm->RestoreLast->trigger();
                 QVERIFY(!QFile::exists(t.tmp("game/Circuits/Monza1.dat")));
             },
             {"Restore put nothing back: ", noSpace, "Game files restored."}},
        };
        for (const Case& c : cases) {
            SmallDisk disk(8 << 20);
            disk_ = &disk;
            if (!disk.mounted())
                QSKIP(
                    "no tmpfs could be mounted (it needs root): the full-disk cases were not run");
            fx = std::make_unique<MainWindowFixture>();
            viewed.clear();
            if (!QFileInfo::exists(tmp(c.kept)))
                QVERIFY(writeFile(tmp(c.kept), "the old contents\r\n"));
            const QByteArray old = readFile(tmp(c.kept));
            QVERIFY2(moveOnto(disk, c.moved), c.name);
            if (c.fullAtStart)
                QVERIFY(disk.fill());
            fx->start();
            QVERIFY(disk.fill());
            c.act(*this);
            const QString said = everythingSaid();
            for (const QString& part : c.said)
                QVERIFY2(said.contains(part), qPrintable(QString(c.name) + ": " + said));
            QVERIFY2(!said.contains("Unknown error"), c.name);
            QVERIFY2(!said.contains("holds no circuit (.dat) file"), c.name);
            QVERIFY2(readFile(tmp(c.kept)) == old, c.name);
            // No half-written file is left beside the target.
            const QStringList left =
                QDir(QFileInfo(tmp(c.kept)).path()).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(left.filter(".writing-").isEmpty(), qPrintable(left.join(", ")));
            fx.reset();
            disk.release();
        }
    }
};

QTEST_MAIN(FullDiskTest)
#include "full_disk_test.moc"
