#include "platform/gamepath.h"
#include "tests/support/files.h"

#include <QtTest>

#include <memory>

namespace {
// Path under the game folder written with '/', as the native path the code must produce.
QString native(const QString& base, const QString& rel) {
    return base + QDir::toNativeSeparators(rel);
}
} // namespace

class GamepathTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void joinResolvesCase_data();
    void joinResolvesCase();
    void exactNamePreferred();
    void baseGetsSeparator();
    void writeReplacesEntryOfAnyCase();
    void resolveWholePath();
    void trailingSeparator_data();
    void trailingSeparator();

private:
    std::unique_ptr<QTemporaryDir> tmp_;
    QString base_; // game folder with trailing separator
};

void GamepathTest::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    base_ = QDir::toNativeSeparators(tmp_->path()) + QDir::separator();
    QVERIFY(QDir(tmp_->path()).mkpath(QStringLiteral("circuits/pack one")));
    QVERIFY(QDir(tmp_->path()).mkpath(QStringLiteral("Bitmaps")));
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("gp2.exe")), "x"));
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("circuits/f1ct01.dat")), "x"));
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("circuits/pack one/Monza.DAT")), "x"));
}

void GamepathTest::cleanup() {
    tmp_.reset();
}

void GamepathTest::joinResolvesCase_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // '/'-separated, under the game folder
    QTest::newRow("exe upper case") << "GP2.EXE"
                                    << "gp2.exe";
    QTest::newRow("exe mixed case") << "Gp2.exe"
                                    << "gp2.exe";
    QTest::newRow("slot, slash") << "Circuits/F1CT01.DAT"
                                 << "circuits/f1ct01.dat";
    QTest::newRow("slot, backslash") << "Circuits\\F1CT01.DAT"
                                     << "circuits/f1ct01.dat";
    QTest::newRow("blank in folder name") << "CIRCUITS\\PACK ONE\\monza.dat"
                                          << "circuits/pack one/Monza.DAT";
    QTest::newRow("missing file in resolved folder") << "Circuits\\New Track.dat"
                                                     << "circuits/New Track.dat";
    QTest::newRow("missing folder keeps the rest") << "Nothere\\GP2.EXE"
                                                   << "Nothere/GP2.EXE";
    QTest::newRow("folder with trailing separator") << "Circuits\\"
                                                    << "circuits/";
    QTest::newRow("empty components dropped") << "\\circuits\\\\/F1CT01.DAT"
                                              << "circuits/f1ct01.dat";
    QTest::newRow("missing folder, trailing separator") << "tmpzip\\"
                                                        << "tmpzip/";
    QTest::newRow("nothing") << ""
                             << "";
}

void GamepathTest::joinResolvesCase() {
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    QCOMPARE(gamepath::join(base_, relative), native(base_, expected));
    // The same against listings read once, asked twice.
    gamepath::Listings listings;
    QCOMPARE(gamepath::join(base_, relative, listings), native(base_, expected));
    QCOMPARE(gamepath::join(base_, relative, listings), native(base_, expected));
}

void GamepathTest::exactNamePreferred() {
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("a.dat")), "x"));
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("A.DAT")), "x"));
    QCOMPARE(gamepath::join(base_, QStringLiteral("a.dat")), base_ + QStringLiteral("a.dat"));
    QCOMPARE(gamepath::join(base_, QStringLiteral("A.DAT")), base_ + QStringLiteral("A.DAT"));
    // No exact match: the same one of the two every time, first in sorted order.
    QCOMPARE(gamepath::join(base_, QStringLiteral("a.DAT")), base_ + QStringLiteral("A.DAT"));
    gamepath::Listings listings;
    // Names found as given leave the folder unlisted.
    const qint64 listed = gamepath::foldersListed();
    QCOMPARE(gamepath::join(base_, QStringLiteral("A.DAT"), listings),
             base_ + QStringLiteral("A.DAT"));
    QCOMPARE(gamepath::foldersListed(), listed);
    QCOMPARE(gamepath::join(base_, QStringLiteral("a.DAT"), listings),
             base_ + QStringLiteral("A.DAT"));
    QCOMPARE(gamepath::join(base_, QStringLiteral("a.dat"), listings),
             base_ + QStringLiteral("a.dat"));
    // A file made after the folder was listed is found once it is told.
    QVERIFY(writeFile(tmp_->filePath(QStringLiteral("Late.dat")), "x"));
    QCOMPARE(gamepath::join(base_, QStringLiteral("LATE.DAT"), listings),
             base_ + QStringLiteral("LATE.DAT"));
    listings.added(base_ + QStringLiteral("Late.dat"));
    QCOMPARE(gamepath::join(base_, QStringLiteral("LATE.DAT"), listings),
             base_ + QStringLiteral("Late.dat"));
}

void GamepathTest::baseGetsSeparator() {
    QCOMPARE(gamepath::join(QDir::toNativeSeparators(tmp_->path()), QStringLiteral("GP2.EXE")),
             base_ + QStringLiteral("gp2.exe"));
}

void GamepathTest::writeReplacesEntryOfAnyCase() {
    const QString target = gamepath::join(base_, QStringLiteral("CIRCUITS\\F1CT01.DAT"));
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("new");
    f.close();
    QCOMPARE(QDir(tmp_->filePath(QStringLiteral("circuits"))).entryList(QDir::Files),
             QStringList{QStringLiteral("f1ct01.dat")});
    QFile back(tmp_->filePath(QStringLiteral("circuits/f1ct01.dat")));
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), QByteArray("new"));
}

void GamepathTest::resolveWholePath() {
    // Absolute: the root and the existing folders are kept, the rest resolved.
    QCOMPARE(gamepath::resolve(base_ + QStringLiteral("CIRCUITS") + QDir::separator() +
                               QStringLiteral("F1CT01.DAT")),
             native(base_, QStringLiteral("circuits/f1ct01.dat")));
    QCOMPARE(gamepath::resolve(base_ + QStringLiteral("Circuits\\Missing.dat")),
             native(base_, QStringLiteral("circuits/Missing.dat")));
    // Relative: resolved against the current folder and kept relative.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tmp_->path()));
    const QString relative = gamepath::resolve(QStringLiteral("BITMAPS\\x.bmp"));
    const QString exe = gamepath::resolve(QStringLiteral("GP2.EXE"));
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(relative, QDir::toNativeSeparators(QStringLiteral("Bitmaps/x.bmp")));
    QCOMPARE(exe, QStringLiteral("gp2.exe"));
}

void GamepathTest::trailingSeparator_data() {
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("expected"); // '/'-separated
    QTest::newRow("added") << "/games/gp2"
                           << "/games/gp2/";
    QTest::newRow("kept") << "/games/gp2/"
                          << "/games/gp2/";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void GamepathTest::trailingSeparator() {
    QFETCH(QString, dir);
    QFETCH(QString, expected);
    QCOMPARE(gamepath::withTrailingSeparator(dir), QDir::toNativeSeparators(expected));
    QCOMPARE(gamepath::sep(), QString(QDir::separator()));
}

QTEST_GUILESS_MAIN(GamepathTest)
#include "gamepath_test.moc"
