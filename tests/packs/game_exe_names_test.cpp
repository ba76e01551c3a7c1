// Writing the menu names and lap counts into GP2.EXE: what is written where, and when nothing
// may be written at all.
#include "packs/game_exe_names.h"
#include "platform/binfile.h"
#include "storage/gp2psobas.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha1);
    if (f.open(QIODevice::ReadOnly))
        h.addData(&f);
    return h.result();
}

QStringList texts(const QString& prefix) {
    QStringList out;
    for (int i = 1; i <= 16; ++i)
        out << prefix + QString::number(i);
    return out;
}

QList<int> laps() {
    QList<int> out;
    for (int i = 1; i <= 16; ++i)
        out << 40 + i;
    return out;
}

} // namespace

class GameExeNamesTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    Gp2PsoBas bas;
    QString exe;

    // A fresh game folder holding only GP2.EXE.
    void makeExe(int edition, qint64 size = -1) {
        tmp = std::make_unique<QTemporaryDir>();
        bas.Gp2Dir = QDir::toNativeSeparators(tmp->path() + "/");
        bas.NamesPos = bas.LapsPos = 0;
        samplegame::writeExe(tmp->path(), edition, size);
        exe = tmp->filePath("GP2.EXE");
    }

private slots:
    void writesFromTheByteAfterTAndTheLapBytes() {
        makeExe(3);
        const samplegame::Edition& e = samplegame::edition(3);
        QVERIFY(binfile::writeAt(exe, e.namesPos, QByteArray(1, '\x07')));
        QList<int> l = laps();
        l[4] = 300; // does not fit a byte: slot 5 keeps its count
        const QByteArray before = *binfile::readAt(exe, e.lapsPos + 1, 16);

        const ExeNamesResult r = writeExeNames(bas, texts("N"), texts("C"), l);
        QVERIFY(r.written);
        QCOMPARE(r.refusedSlots, QList<int>{5});
        QCOMPARE(bas.NamesPos, e.namesPos);
        QCOMPARE(*binfile::readAt(exe, e.namesPos, 8), QByteArray("\x07N1\x07N2\x07N", 8));
        const QByteArray after = *binfile::readAt(exe, e.lapsPos + 1, 16);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(int(quint8(after[i])), i == 4 ? int(quint8(before[4])) : 41 + i);
    }

    void nothingWrittenWithoutAKnownEditionOrRoom() {
        // No edition text, though an earlier detection left positions behind.
        makeExe(0);
        bas.NamesPos = samplegame::edition(1).namesPos;
        bas.LapsPos = samplegame::edition(1).lapsPos;
        QByteArray before = digest(exe);
        QCOMPARE(writeExeNames(bas, texts("N"), texts("C"), laps()).error,
                 QStringLiteral("the edition of the game program is not recognised"));
        QCOMPARE(bas.NamesPos, 0);
        QCOMPARE(digest(exe), before);

        // The file ends inside the names area: the game program is never made longer.
        const samplegame::Edition& e = samplegame::edition(1);
        makeExe(1, qint64(e.namesPos) + 200);
        before = digest(exe);
        const ExeNamesResult tooShort = writeExeNames(bas, texts("N"), texts("C"), laps());
        QVERIFY(!tooShort.written);
        QCOMPARE(tooShort.error, QStringLiteral("the file is too short to hold them"));
        QCOMPARE(binfile::length(exe), qint64(e.namesPos) + 200);
        QCOMPARE(digest(exe), before);

        // No game program at all: none is made, in any letter case.
        QVERIFY(QFile::remove(exe));
        const ExeNamesResult missing = writeExeNames(bas, texts("N"), texts("C"), laps());
        QVERIFY(!missing.written);
        QCOMPARE(missing.error, QStringLiteral("the file is missing"));
        QCOMPARE(QDir(tmp->path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(GameExeNamesTest)
#include "game_exe_names_test.moc"
