// The track info panel on a real, shown main window: edits reach InfoText when a field is
// left, lap time fields commit on leaving, "Update Track Info" writes the block and has the
// checksum tool repair the trailer.
#include "gamedir/exe_cmd.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"
#include "trackfile/info_block.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/masked_field.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

using namespace testrows;

namespace {

const QString kMonza = QStringLiteral("monza2001.dat");

QList<samplegame::InfoField> monzaFields(const QString& name,
                                         const QString& country = QStringLiteral("Italy")) {
    return samplegame::addonFields(name, country, 53, 5793, 12);
}

} // namespace

class TrackInfoPanelTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    TrackInfoPanel* p = nullptr;

    void load(const QString& path) {
        bas().CurrentFile = path;
        p->GetInfo();
        p->InfoOn();
    }

    // Focus into a field, replace its contents by typing, as a user does.
    void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        QCOMPARE(QApplication::focusWidget(), field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        field->home(false);
        QTest::keyClicks(field, text);
    }

    // Moves the focus somewhere that is neither a descriptive nor a lap time field.
    void leave() { fx->frm->Exit->setFocus(); }

private slots:
    void init() {
        QVERIFY(open(Show::Active));
        p = fx->frm->Panel;
        QVERIFY(bas().TracksRs);
    }
    void cleanup() { close(); }

    void leavingUnchangedFieldsKeepsTheBlock() {
        // The shown name is the trimmed block value: writing it back would change the block.
        const QString path = fx->circuit(QStringLiteral("padded.dat"));
        QVERIFY(
            writeFile(path, samplegame::circuit(40000, monzaFields(QStringLiteral("  Padded  ")))));
        load(path);
        const QByteArray loaded = bas().InfoText;
        QCOMPARE(p->Track->text(), QStringLiteral("Padded"));

        p->Track->setFocus();
        leave();
        QCOMPARE(bas().InfoText, loaded);

        // Changed and changed back before leaving.
        p->Track->setFocus();
        p->Track->end(false);
        QTest::keyClick(p->Track, Qt::Key_X);
        QTest::keyClick(p->Track, Qt::Key_Backspace);
        leave();
        QCOMPARE(bas().InfoText, loaded);

        p->Track->setFocus();
        p->Track->end(false);
        QTest::keyClicks(p->Track, QStringLiteral("X"));
        leave();
        QCOMPARE(GetDat(bas(), QStringLiteral("Name")), QStringLiteral("PaddedX"));
        QCOMPARE(bas().InfoText.size(), 4096);
    }

    void editsGoIntoTheBlockUnderTheirKeys() {
        load(fx->circuit(kMonza));
        retype(p->Country, QStringLiteral("Ita|li#a"));
        QCOMPARE(p->Country->text(), QStringLiteral("Italia")); // "|" and "#" are not taken
        retype(p->Laps, QStringLiteral("60"));
        retype(p->Length, QStringLiteral("1234"));
        retype(p->Description, QStringLiteral("Fast"));
        leave();
        QCOMPARE(GetDat(bas(), QStringLiteral("Country")), QStringLiteral("Italia"));
        QCOMPARE(GetDat(bas(), QStringLiteral("Laps")), QStringLiteral("60"));
        QCOMPARE(GetDat(bas(), QStringLiteral("LengthMeters")), QStringLiteral("1234"));
        QCOMPARE(GetDat(bas(), QStringLiteral("Desc")), QStringLiteral("Fast"));
        QCOMPARE(GetDat(bas(), QStringLiteral("Author")), QStringLiteral("Sample Author"));
        // Only InfoText changed: the file is written by "Update Track Info" alone.
        QCOMPARE(readFile(fx->circuit(kMonza)).left(4096),
                 samplegame::infoArea(monzaFields(QStringLiteral("Monza 2001"))));
    }

    void toolTipsFollowTheText() {
        load(fx->circuit(kMonza));
        p->Author->setText(QStringLiteral("A rather long author name"));
        QTest::mouseMove(p->Author);
        QTRY_COMPARE(p->Author->toolTip(), QStringLiteral("A rather long author name"));
    }

    void lapTimesAreCommittedWholeOnLeaving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("stored"); // a part of a time keeps the stored one
        QTest::newRow("one digit") << "5"
                                   << "5"
                                   << "1:40.000";
        QTest::newRow("five digits") << "12345"
                                     << "12345"
                                     << "1:40.000";
        QTest::newRow("six digits") << "123456"
                                    << "123456"
                                    << "1:23.456";
        QTest::newRow("emptied") << ""
                                 << ""
                                 << "";
    }
    void lapTimesAreCommittedWholeOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, digits);
        QFETCH(QString, stored);
        load(fx->circuit(kMonza));
        setTrack(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Race Time"),
                 QStringLiteral("1:40.000"));
        load(fx->circuit(kMonza));
        QCOMPARE(maskedDigits(p->RTime), QStringLiteral("140000"));
        retype(p->RTime, typed);
        leave();
        QCOMPARE(maskedDigits(p->RTime), digits);
        QCOMPARE(
            track(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Race Time"))->toString(),
            stored);
        // The field says what it takes while it holds a part of a time.
        const bool part = !digits.isEmpty() && digits.size() < 6;
        QCOMPARE(p->RTime->toolTip().contains(QStringLiteral("m:ss.mmm")), part);
    }

    void originalCircuitCommitsLapTimesOnly() {
        load(fx->circuit(QStringLiteral("f1ct01.dat")));
        p->InfoOff();
        QVERIFY(!p->Track->isEnabled());
        QVERIFY(!p->SaveInfo->isEnabled());
        retype(p->WuTime, QStringLiteral("123456"));
        leave();
        const QString n = QStringLiteral("Interlagos");
        QCOMPARE(track(bas(), n, QStringLiteral("Warm Up Time"))->toString(),
                 QStringLiteral("1:23.456"));
        QCOMPARE(track(bas(), n, QStringLiteral("Country"))->toString(), QStringLiteral("Brazil"));
        QCOMPARE(track(bas(), n, QStringLiteral("Size"))->toLongLong(),
                 samplegame::originalLength(1));
    }

    void saveInfoWritesTheBlockAndRepairsTheChecksum_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("the button") << false;
        QTest::newRow("Ctrl+S") << true;
    }
    void saveInfoWritesTheBlockAndRepairsTheChecksum() {
        QFETCH(bool, byKey);
        const QString path = fx->circuit(kMonza);
        const QByteArray before = readFile(path);
        load(path);
        QVERIFY(track(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Name")));

        retype(p->Track, QStringLiteral("Monza 2002"));
        // The click, and the key as the click does, leave Track first.
        if (byKey)
            QTest::keySequence(p->Track, QKeySequence(Qt::CTRL | Qt::Key_S));
        else
            QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages(), QStringList{QStringLiteral("Track updated.")});

        ExeCmd::WaitForSumfix(path);
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(4096), samplegame::infoArea(monzaFields(QStringLiteral("Monza 2002"))));
        QCOMPARE(after.mid(4096, after.size() - 4100), before.mid(4096, before.size() - 4100));
        QCOMPARE(after, samplegame::withChecksum(after));
        QVERIFY(after.right(4) != before.right(4));

        QCOMPARE(track(bas(), QStringLiteral("Monza 2002"), QStringLiteral("Country"))->toString(),
                 QStringLiteral("Italy"));
        QCOMPARE(track(bas(), QStringLiteral("Monza 2002"), QStringLiteral("Laps"))->toInt(), 53);
        QVERIFY(track(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Name")));
        QCOMPARE(QDir::currentPath(), QDir(fx->appDir()).absolutePath());
    }

    void valueTooLongForTheAreaIsRefused() {
        // A block with 10 bytes left after its end.
        QList<samplegame::InfoField> fields = monzaFields(QStringLiteral("Full"));
        fields.append({QStringLiteral("Pad"), QString()});
        const qsizetype free = 4096 - samplegame::infoArea(fields).indexOf('~');
        fields.last().value = QString(free - 10, QLatin1Char('p'));
        const QString path = fx->circuit(QStringLiteral("full.dat"));
        QVERIFY(writeFile(path, samplegame::circuit(40000, fields)));
        load(path);
        const QByteArray loaded = bas().InfoText;

        retype(p->Track, QStringLiteral("Fifteen letters"));
        leave();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{QStringLiteral("This value is too long to store in the track file."
                                            "\r\n\r\nAt most 14 characters fit in this field; "
                                            "nothing was changed.")});
        QCOMPARE(p->Track->text(), QStringLiteral("Full"));
        QCOMPARE(bas().InfoText, loaded);
        // The refused edit is not written by the button either, nor stored in the catalogue.
        retype(p->Track, QStringLiteral("Fifteen letters"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages().size(), 3);
        ExeCmd::WaitForSumfix(path);
        QCOMPARE(readFile(path).left(4096), loaded);
        QVERIFY(!track(bas(), QStringLiteral("Fifteen letters"), QStringLiteral("Name")));
        // What the message says fits is taken.
        retype(p->Track, QStringLiteral("Fourteen chars"));
        leave();
        QCOMPARE(GetDat(bas(), QStringLiteral("Name")), QStringLiteral("Fourteen chars"));
    }

    void checksumToolThatCannotStartIsReported() {
        QVERIFY(QFile::remove(fx->appDir() + QStringLiteral("/sumfix")));
        const QString path = fx->circuit(kMonza);
        load(path);
        retype(p->Country, QStringLiteral("Italia"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        const QStringList shown = fx->dialogs.messages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().startsWith(
                     QStringLiteral("Track updated, but its checksum could not be fixed.")),
                 qPrintable(shown.first()));
        QVERIFY(
            shown.first().contains(QDir::toNativeSeparators(path) + QStringLiteral(" is stale")));
        QCOMPARE(infoblock::getDat(readFile(path), QStringLiteral("Country")),
                 QStringLiteral("Italia"));
    }

    void pathWithBlanksReachesTheToolAsOneArgument() {
        const QString folder = fx->circuits() + QStringLiteral("/My Tracks");
        QVERIFY(QDir().mkpath(folder));
        const QString path =
            QDir::toNativeSeparators(folder + QStringLiteral("/Long Name Track.dat"));
        QVERIFY(QFile::copy(fx->circuit(QStringLiteral("Long Name Track.dat")), path));
        const QByteArray before = readFile(path);
        load(path);
        retype(p->Country, QStringLiteral("Italia"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        ExeCmd::WaitForSumfix(path);
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(infoblock::getDat(after, QStringLiteral("Country")), QStringLiteral("Italia"));
        QCOMPARE(after, samplegame::withChecksum(after));
        QVERIFY(after.right(4) != before.right(4));
    }

    void fileIsNotWrittenWhileItsChecksumRunGoesOn() {
        // A stand-in tool that takes a second and then notes the name it finds in the file.
        const QString log = fx->tmp.filePath(QStringLiteral("sumfix.log"));
        const QString tool = fx->appDir() + QStringLiteral("/sumfix");
        QFile::remove(tool);
        QVERIFY(writeProgram(
            tool, QStringLiteral("#!/bin/sh\n"
                                 "echo start >> '%1'\n"
                                 "sleep 1\n"
                                 "dd if=\"$1\" bs=1 skip=14 count=10 2>/dev/null >> '%1'\n"
                                 "echo >> '%1'\n")
                      .arg(log)
                      .toUtf8()));
        const QString path = fx->circuit(kMonza);
        load(path);

        retype(p->Track, QStringLiteral("Monza 2002"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        QVERIFY(ExeCmd::SumfixRunningOn(path)); // not waited for
        retype(p->Track, QStringLiteral("Monza 2003"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        ExeCmd::WaitForSumfix(path);

        QCOMPARE(QString::fromLatin1(readFile(log)).split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("start"), QStringLiteral("Monza 2002"),
                              QStringLiteral("start"), QStringLiteral("Monza 2003")}));
        QCOMPARE(fx->dialogs.messages().count(QStringLiteral("Track updated.")), 2);
    }

    void missingFileIsReportedAndNotCreated() {
        bas().CurrentFile.clear();
        p->SaveInfo_Click();
        QVERIFY(fx->dialogs.shown.isEmpty());

        const QString path = fx->circuit(kMonza);
        load(path);
        QVERIFY(QFile::rename(path, fx->circuit(QStringLiteral("moved.dat"))));
        retype(p->Track, QStringLiteral("Monza 2002"));
        QTest::mouseClick(p->SaveInfo, Qt::LeftButton);
        const QStringList shown = fx->dialogs.messages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(QStringLiteral("not found")), qPrintable(shown.first()));
        QVERIFY(shown.first().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!track(bas(), QStringLiteral("Monza 2002"), QStringLiteral("Name")));
    }
};

QTEST_MAIN(TrackInfoPanelTest)
#include "track_info_panel_test.moc"
