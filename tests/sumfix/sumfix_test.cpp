// Runs the built sumfix binary on real files and checks trailer bytes,
// messages, exit status and that nothing else in the file changes.
#include "tests/support/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run final {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runSumfix(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(PSO_SUMFIX), args);
    Run r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray message(const char* format, const QString& file) {
    return QString::asprintf(format, PSO_SUMFIX, QFile::encodeName(file).constData()).toUtf8();
}

// A body longer than the read buffer, so chunk boundaries are crossed.
QByteArray longBody() {
    QByteArray body(200000, Qt::Uninitialized);
    for (int i = 0; i < body.size(); ++i)
        body[i] = char((i * 7) % 251);
    return body;
}

} // namespace

class SumfixTest final : public QObject {
    Q_OBJECT

private slots:
    void writesTrailer_data();
    void writesTrailer();
    void secondRunGivesSameTrailer();
    void shortFileIsRefusedUnchanged();
    void unopenablePath_data();
    void unopenablePath();
    void wrongArgumentCount_data();
    void wrongArgumentCount();
    void failedFlushIsReported();
};

void SumfixTest::writesTrailer_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("oldTrailer");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("abc") << QByteArray("abc") << QByteArray("XXXX")
                         << QByteArray::fromHex("2601b31b");
    QTest::newRow("four-byte file")
        << QByteArray() << QByteArray::fromHex("deadbeef") << QByteArray::fromHex("00000000");
    // 258 * 0xFF = 65790: only the low 16 bits stay in the sum.
    QTest::newRow("sum wraps") << QByteArray(258, char(0xFF)) << QByteArray(4, '\0')
                               << QByteArray::fromHex("fe007708");
    QTest::newRow("longer than a read chunk")
        << longBody() << QByteArray::fromHex("01020304") << QByteArray::fromHex("32741bc4");
}

void SumfixTest::writesTrailer() {
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, oldTrailer);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("F1CT01.DAT"));
    QVERIFY(writeFile(path, body + oldTrailer));

    const Run r = runSumfix({path});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QByteArray());

    const QByteArray after = readFile(path);
    QCOMPARE(after.size(), body.size() + 4);
    QVERIFY(after.left(body.size()) == body);
    QCOMPARE(after.right(4).toHex(), expected.toHex());
}

void SumfixTest::secondRunGivesSameTrailer() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("f1gstate.sav"));
    QVERIFY(writeFile(path, QByteArray("state bytes") + QByteArray::fromHex("ffffffff")));

    QCOMPARE(runSumfix({path}).status, 0);
    const QByteArray first = readFile(path);
    QCOMPARE(runSumfix({path}).status, 0);
    QCOMPARE(readFile(path).toHex(), first.toHex());
    QVERIFY(first.right(4) != QByteArray::fromHex("ffffffff"));
}

void SumfixTest::shortFileIsRefusedUnchanged() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("short.dat"));
    QVERIFY(writeFile(path, "abc"));

    const Run r = runSumfix({path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, message("%s: seek failed in %s\n", path));
    QCOMPARE(readFile(path), QByteArray("abc"));
}

void SumfixTest::unopenablePath_data() {
    // Tests may run as root, where a read-only mode bit does not stop writing,
    // so the cases are paths that cannot be opened for update by anyone.
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeDirectory");
    QTest::newRow("missing file") << QStringLiteral("missing.dat") << false;
    QTest::newRow("directory") << QStringLiteral("Circuits") << true;
}

void SumfixTest::unopenablePath() {
    QFETCH(QString, name);
    QFETCH(bool, makeDirectory);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (makeDirectory)
        QVERIFY(QDir(dir.path()).mkdir(name));

    const Run r = runSumfix({path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, message("%s: cannot open %s for update\n", path));
    // Nothing is created in place of a missing file.
    QCOMPARE(QFileInfo(path).isFile(), false);
}

void SumfixTest::wrongArgumentCount_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("two") << 2;
}

void SumfixTest::wrongArgumentCount() {
    QFETCH(int, count);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray content = QByteArray("body") + QByteArray::fromHex("00000000");
    QStringList args;
    for (int i = 0; i < count; ++i) {
        args << dir.filePath(QStringLiteral("f%1.dat").arg(i));
        QVERIFY(writeFile(args.last(), content));
    }

    const Run r = runSumfix(args);
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QString::asprintf("usage: %s filename\n", PSO_SUMFIX).toUtf8());
    for (const QString& path : args)
        QCOMPARE(readFile(path), content);
}

void SumfixTest::failedFlushIsReported() {
    // /dev/full accepts the buffered write and fails at the flush: the tool
    // must not call that a success.
    const QString path = QStringLiteral("/dev/full");
    if (!QFileInfo::exists(path))
        QSKIP("no /dev/full here");

    const Run r = runSumfix({path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, message("%s: error writing %s checksum\n", path));
}

QTEST_GUILESS_MAIN(SumfixTest)
#include "sumfix_test.moc"
