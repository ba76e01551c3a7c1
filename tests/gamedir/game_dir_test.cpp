#include "gamedir/game_dir.h"
#include "platform/binfile.h"
#include "platform/gamepath.h"
#include "platform/scripted_dialogs.h"
#include "storage/gp2psobas.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class GameDirTest final : public QObject {
    Q_OBJECT

    static QString exePath(const QString& dir) { return QDir(dir).filePath("GP2.EXE"); }

private slots:
    void isGp2DirSeparatorAndAnswer_data() {
        QTest::addColumn<QString>("exeName"); // "" for none
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("trailingSep");
        QTest::addColumn<bool>("expected");
        QTest::newRow("no separator, exe") << "GP2.EXE" << QByteArray("MZ") << false << true;
        QTest::newRow("separator, exe") << "GP2.EXE" << QByteArray("MZ") << true << true;
        QTest::newRow("lower-case name") << "gp2.exe" << QByteArray("MZ") << false << true;
        QTest::newRow("zero length") << "GP2.EXE" << QByteArray() << true << false;
        QTest::newRow("missing, no separator") << "" << QByteArray() << false << false;
    }
    void isGp2DirSeparatorAndAnswer() {
        QFETCH(QString, exeName);
        QFETCH(QByteArray, content);
        QFETCH(bool, trailingSep);
        QFETCH(bool, expected);
        QTemporaryDir tmp;
        const QString dir = QDir::toNativeSeparators(tmp.path());
        if (!exeName.isEmpty())
            QVERIFY(writeFile(QDir(dir).filePath(exeName), content));
        Gp2PsoBas bas;
        bas.Gp2Dir = trailingSep ? dir + gamepath::sep() : dir;
        QCOMPARE(IsGp2Dir(bas), expected);
        // The separator is there afterwards, once, whatever the answer.
        QCOMPARE(bas.Gp2Dir, dir + gamepath::sep());
    }

    void isGp2DirOddCases() {
        Gp2PsoBas bas;
        QVERIFY(!IsGp2Dir(bas));
        QCOMPARE(bas.Gp2Dir, gamepath::sep());

        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkdir("GP2.EXE")); // a folder is no game program
        bas.Gp2Dir = tmp.path();
        QVERIFY(!IsGp2Dir(bas));
    }

    void detectsEachEdition_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("namesPos");
        QTest::addColumn<int>("lapsPos");
        QTest::newRow("US") << 1 << "US English Version 1.0b" << 5682444 << 1951848;
        QTest::newRow("UK") << 2 << "UK English Version 1.0b" << 5682445 << 1951848;
        QTest::newRow("NL") << 3 << "Nederlandse versie 1.0b" << 5684786 << 1951896;
        QTest::newRow("Versi") << 4 << "Versi" << 5687337 << 1951900;
        QTest::newRow("Version") << 5 << "Version" << 5686683 << 1951932;
        QTest::newRow("Versione") << 6 << "Versione" << 5685991 << 1951896;
        QTest::newRow("DE") << 7 << "Deutsche Ausgabe 1.0b" << 5686490 << 1951896;
    }
    void detectsEachEdition() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, namesPos);
        QFETCH(int, lapsPos);
        QTemporaryDir tmp;
        samplegame::writeExe(tmp.path(), row);
        Gp2PsoBas bas;
        bas.Gp2Dir = tmp.path() + gamepath::sep();
        DetectGp2Version(bas);
        QCOMPARE(bas.ExeVersionText, text);
        QCOMPARE(bas.NamesPos, namesPos);
        QCOMPARE(bas.LapsPos, lapsPos);
    }

    // Rows are tried in order and the first match wins, whatever later rows would say.
    void firstMatchingRowWins() {
        QTemporaryDir tmp;
        for (int row : {1, 2, 3}) {
            samplegame::writeExe(tmp.path(), row);
            const Gp2Edition& last = Gp2Editions.back();
            QVERIFY(binfile::writeAt(exePath(tmp.path()), last.position,
                                     QByteArray(last.text.data(), qsizetype(last.text.size()))));
            Gp2PsoBas bas;
            bas.Gp2Dir = tmp.path() + gamepath::sep();
            DetectGp2Version(bas);
            QCOMPARE(bas.NamesPos, Gp2Editions[size_t(row - 1)].namesPos);
        }
    }

    // Texts cut short by the end of the file match nothing; positions then stay as they were.
    void shortOrUnknownExe_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("blankText"); // overwrite row 1's text with zeros
        QTest::addColumn<int>("namesPos");
        QTest::addColumn<int>("textLength"); // of ExeVersionText afterwards
        QTest::newRow("zero length") << qint64(0) << false << 11 << 0;
        QTest::newRow("ends before row 1") << qint64(5671741) << false << 11 << 0;
        QTest::newRow("row 1 text cut by one") << qint64(5671742 + 21) << false << 11 << 0;
        QTest::newRow("row 1 text ends the file") << qint64(5671742 + 22) << false << 5682444 << 23;
        QTest::newRow("zeros at every row") << qint64(5700000) << true << 11 << 21;
    }
    void shortOrUnknownExe() {
        QFETCH(qint64, size);
        QFETCH(bool, blankText);
        QFETCH(int, namesPos);
        QFETCH(int, textLength);
        QTemporaryDir tmp;
        samplegame::writeExe(tmp.path(), 1, size);
        QCOMPARE(QFileInfo(exePath(tmp.path())).size(), size);
        if (blankText)
            QVERIFY(binfile::writeAt(exePath(tmp.path()), 5671742, QByteArray(23, '\0')));
        Gp2PsoBas bas;
        bas.Gp2Dir = tmp.path() + gamepath::sep();
        bas.NamesPos = 11;
        bas.LapsPos = 22;
        DetectGp2Version(bas);
        QCOMPARE(bas.NamesPos, namesPos);
        QCOMPARE(bas.LapsPos, namesPos == 11 ? 22 : 1951848);
        QCOMPARE(bas.ExeVersionText.size(), textLength);
    }

    void nameMatchedInAnyCase() {
        QTemporaryDir tmp;
        samplegame::writeExe(tmp.path(), 2);
        QVERIFY(QFile::rename(exePath(tmp.path()), QDir(tmp.path()).filePath("Gp2.exe")));
        Gp2PsoBas bas;
        bas.Gp2Dir = tmp.path() + gamepath::sep();
        DetectGp2Version(bas);
        QCOMPARE(bas.NamesPos, 5682445);
    }

    void missingOrUnreadableExeIsAnError() {
        QTemporaryDir tmp;
        Gp2PsoBas bas;
        bas.Gp2Dir = tmp.path() + gamepath::sep();
        bas.ExeVersionText = QStringLiteral("before");
        QVERIFY_THROWS_EXCEPTION(Gp2ExeError, DetectGp2Version(bas));
        QVERIFY(!QFile::exists(exePath(tmp.path()))); // not created by the attempt
        QCOMPARE(bas.ExeVersionText, QStringLiteral("before"));
        QCOMPARE(bas.NamesPos, 0);

        QVERIFY(QDir(tmp.path()).mkdir("GP2.EXE"));
        QVERIFY_THROWS_EXCEPTION(Gp2ExeError, DetectGp2Version(bas));
    }

    void browseForFolder() {
        ScriptedDialogs dialogs;
        dialogs.answers << QStringLiteral("/games/gp2") << QString();
        QCOMPARE(BrowseForFolder(dialogs, "Select GP2 Directory", nullptr),
                 QDir::toNativeSeparators("/games/gp2"));
        QCOMPARE(BrowseForFolder(dialogs, "again", nullptr), QString());
        QCOMPARE(dialogs.kinds, QStringList({"pickFolder", "pickFolder"}));
        QCOMPARE(dialogs.shown.first(), QStringLiteral("Select GP2 Directory"));
    }

    void notFoundMessage() {
        QCOMPARE(NoGp2ExeMessage(),
                 QStringLiteral("Couldn't find GP2.EXE !!!\r\n\r\nTo use 'PISTARO' you must "
                                "have Gp2 installed on your system !!!"));
    }
};

QTEST_GUILESS_MAIN(GameDirTest)
#include "game_dir_test.moc"
