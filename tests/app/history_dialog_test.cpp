// File > History on a real main window: the kept changes newest first with their files, Revert
// of the newest, an older change refused while a later change of its files stands, and a
// revert that is itself a change in the list.
#include "app/history_dialog.h"
#include "gamedir/backup_store.h"
#include "tests/support/files.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kMonza = QStringLiteral("monza2001.dat");
const QString kSpa = QStringLiteral("spa98.DAT");
} // namespace

class HistoryDialogTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    void select(const QString& name) {
        CircuitTable* list = fx->frm->Lists->File1;
        const int row = list->indexOf(name, Qt::CaseSensitive);
        QVERIFY2(row >= 0, qPrintable(name));
        list->setListIndex(row);
    }
    bool listed(const QString& name) const {
        return fx->frm->Lists->File1->indexOf(name, Qt::CaseSensitive) >= 0;
    }
    static QStringList rows(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text().section(QStringLiteral("  "), 1);
        return out;
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void revertsNewestFirstAndRecordsItself() {
        MainWindow& frm = *fx->frm;
        const QByteArray monza = readFile(fx->circuit(kMonza));
        // Three changes: Delete spa, Rename monza to Monza1, Delete Monza1.
        select(kSpa);
        fx->dialogs.answers << true;
        frm.Lists->Delete->trigger();
        select(kMonza);
        fx->dialogs.answers << QStringLiteral("Monza1");
        frm.Lists->Rename->trigger();
        select(QStringLiteral("Monza1.dat"));
        fx->dialogs.answers << true;
        frm.Lists->Delete->trigger();
        QVERIFY(!listed(kMonza) && !listed(QStringLiteral("Monza1.dat")));

        HistoryDialog history(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
        QCOMPARE(history.objectName(), QStringLiteral("History"));
        QCOMPARE(history.Changes, history.findChild<QListWidget*>(QStringLiteral("Changes")));
        QCOMPARE(rows(history.Changes),
                 (QStringList{"Delete Monza1.dat  (1 file)", "Rename monza2001.dat  (2 files)",
                              "Delete spa98.DAT  (1 file)"}));
        history.Changes->setCurrentRow(1);
        QCOMPARE(history.Files->count(), 2);
        QCOMPARE(history.Files->item(0)->text(), QDir::toNativeSeparators(fx->circuit(kMonza)));

        // The rename waits for the later delete of its file.
        fx->takeMessages();
        QTest::mouseClick(history.Revert, Qt::LeftButton);
        QCOMPARE(fx->dialogs.kinds, QStringList{"message"});
        QVERIFY2(fx->dialogs.shown[0].contains(" cannot be reverted: Delete Monza1.dat of "),
                 qPrintable(fx->dialogs.shown[0]));
        QVERIFY(!QFile::exists(fx->circuit(kMonza)));

        // The newest goes back after a question listing its file.
        history.Changes->setCurrentRow(0);
        fx->takeMessages();
        fx->dialogs.answers << true;
        QTest::mouseClick(history.Revert, Qt::LeftButton);
        QCOMPARE(fx->dialogs.shown.size(), 2);
        QVERIFY(fx->dialogs.shown[0].endsWith("\r\n\r\n" +
                                              QDir::toNativeSeparators(fx->circuit("Monza1.dat"))));
        QCOMPARE(fx->dialogs.shown[1], QStringLiteral("Game files restored."));
        QVERIFY(listed(QStringLiteral("Monza1.dat")));
        QCOMPARE(rows(history.Changes).first(),
                 QStringLiteral("Revert Delete Monza1.dat  (1 file)"));
        QVERIFY(rows(history.Changes).at(1).endsWith("put back"));

        // Now the rename may go back: the delete was undone.
        history.Changes->setCurrentRow(2);
        fx->takeMessages();
        fx->dialogs.answers << true;
        QTest::mouseClick(history.Revert, Qt::LeftButton);
        QCOMPARE(fx->dialogs.shown.value(1), QStringLiteral("Game files restored."));
        QCOMPARE(readFile(fx->circuit(kMonza)), monza);
        QVERIFY(listed(kMonza) && !listed(QStringLiteral("Monza1.dat")));
        QCOMPARE(history.Changes->count(), 5);
        QCOMPARE(rows(history.Changes).at(3),
                 QStringLiteral("Rename monza2001.dat  (2 files)  put back"));
        history.Changes->setCurrentRow(3);
        QVERIFY(!history.Revert->isEnabled()); // put back already

        // Restore last change takes the newest change, the revert made here included.
        fx->takeMessages();
        fx->dialogs.answers << true;
        frm.RestoreLast->trigger();
        QVERIFY2(fx->dialogs.shown.value(0).startsWith(
                     "Restore the game files as they were before Revert Rename monza2001.dat on "),
                 qPrintable(fx->dialogs.shown.value(0)));
        QVERIFY(listed(QStringLiteral("Monza1.dat")) && !listed(kMonza));
    }

    // A change whose saved copy is damaged is marked in the list, named in the question, and
    // put back without that file only when the player says so.
    void aDamagedBackupIsMarkedAndAsked_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("refused whole") << false;
        QTest::newRow("put back without it") << true;
    }
    void aDamagedBackupIsMarkedAndAsked() {
        QFETCH(bool, yes);
        MainWindow& frm = *fx->frm;
        select(kSpa);
        fx->dialogs.answers << true;
        frm.Lists->Delete->trigger();
        select(kMonza);
        fx->dialogs.answers << QStringLiteral("Monza1");
        frm.Lists->Rename->trigger();
        HistoryDialog history(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
        // The rename's copy of monza2001.dat is spoilt.
        const QString copy = gamebackup::history(fx->appDir() + "/backups").last().entries[0].copy;
        QVERIFY(writeFile(copy, "spoilt"));
        history.reload();
        QCOMPARE(rows(history.Changes), (QStringList{"Rename monza2001.dat  (2 files)  damaged",
                                                     "Delete spa98.DAT  (1 file)"}));
        const QString monza = QDir::toNativeSeparators(fx->circuit(kMonza));
        QVERIFY2(history.Changes->item(0)->toolTip().contains(monza),
                 qPrintable(history.Changes->item(0)->toolTip()));
        QVERIFY(history.Changes->item(1)->toolTip().isEmpty());

        fx->takeMessages();
        fx->dialogs.answers << yes;
        QTest::mouseClick(history.Revert, Qt::LeftButton);
        QVERIFY2(fx->dialogs.shown.value(0).contains(" is damaged: ") &&
                     fx->dialogs.shown.value(0).contains(monza + " (its saved copy is damaged"),
                 qPrintable(fx->dialogs.shown.value(0)));
        QVERIFY(!QFile::exists(fx->circuit(kMonza)));
        QCOMPARE(QFile::exists(fx->circuit("Monza1.dat")), !yes);
        if (yes) {
            QVERIFY2(fx->dialogs.shown.value(1).contains("whose saved copies are damaged:\r\n\r\n" +
                                                         monza),
                     qPrintable(fx->dialogs.shown.value(1)));
            QCOMPARE(history.Changes->count(), 3);
        } else {
            QCOMPARE(fx->dialogs.shown.size(), 1);
            QCOMPARE(readFile(copy), QByteArray("spoilt"));
            QCOMPARE(history.Changes->count(), 2);
        }
    }

    void menuItemOpensTheWindow() {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                opened = w->objectName();
                w->close();
            }
        });
        fx->frm->History->trigger();
        QCOMPARE(opened, QStringLiteral("History"));
    }
};

QTEST_MAIN(HistoryDialogTest)
#include "history_dialog_test.moc"
