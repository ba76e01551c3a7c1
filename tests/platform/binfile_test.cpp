#include "platform/binfile.h"
#include "tests/support/files.h"

#include <QtTest>

#include <memory>

class BinfileTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readAtPositions_data();
    void readAtPositions();
    void readRefusesMissingAndFolders();
    void writeAtKeepsTheRest_data();
    void writeAtKeepsTheRest();
    void writeBeyondEndGrowsOnlyAsNeeded();
    void writeNeverCreates();
    void writeRefusesFolderAndBadPosition();
    void lengthOfFiles();

private:
    QString file(const QString& name) const { return tmp_->filePath(name); }
    QByteArray contents(const QString& name) const { return readFileOrMissing(file(name)); }

    std::unique_ptr<QTemporaryDir> tmp_;
};

void BinfileTest::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    QVERIFY(writeFile(file(QStringLiteral("data.bin")), QByteArray("0123456789")));
}

void BinfileTest::cleanup() {
    tmp_.reset();
}

void BinfileTest::readAtPositions_data() {
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("first byte is position 1")
        << qint64(1) << qint64(3) << true << QByteArray("012");
    QTest::newRow("middle") << qint64(5) << qint64(2) << true << QByteArray("45");
    QTest::newRow("last byte") << qint64(10) << qint64(1) << true << QByteArray("9");
    QTest::newRow("short at the end") << qint64(8) << qint64(100) << true << QByteArray("789");
    QTest::newRow("just past the end") << qint64(11) << qint64(4) << true << QByteArray();
    QTest::newRow("far past the end") << qint64(5000) << qint64(4) << true << QByteArray();
    QTest::newRow("zero bytes") << qint64(3) << qint64(0) << true << QByteArray();
    QTest::newRow("position 0 is invalid") << qint64(0) << qint64(3) << false << QByteArray();
    QTest::newRow("negative position") << qint64(-4) << qint64(3) << false << QByteArray();
    QTest::newRow("negative count") << qint64(1) << qint64(-1) << false << QByteArray();
}

void BinfileTest::readAtPositions() {
    QFETCH(qint64, position);
    QFETCH(qint64, n);
    QFETCH(bool, valid);
    QFETCH(QByteArray, expected);
    const auto got = binfile::readAt(file(QStringLiteral("data.bin")), position, n);
    QCOMPARE(got.has_value(), valid);
    if (valid)
        QCOMPARE(*got, expected);
}

void BinfileTest::readRefusesMissingAndFolders() {
    QVERIFY(!binfile::readAt(file(QStringLiteral("missing.bin")), 1, 4).has_value());
    QVERIFY(!binfile::readAt(tmp_->path(), 1, 4).has_value());
}

void BinfileTest::writeAtKeepsTheRest_data() {
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("at the start") << qint64(1) << QByteArray("ab") << QByteArray("ab23456789");
    QTest::newRow("in the middle") << qint64(4) << QByteArray("xyz") << QByteArray("012xyz6789");
    QTest::newRow("last byte") << qint64(10) << QByteArray("Z") << QByteArray("012345678Z");
    QTest::newRow("across the end") << qint64(9) << QByteArray("ABC") << QByteArray("01234567ABC");
    QTest::newRow("nothing") << qint64(3) << QByteArray() << QByteArray("0123456789");
    QTest::newRow("zero and high bytes") << qint64(2) << QByteArray("\x00\xff\x80", 3)
                                         << QByteArray("0\x00\xff\x80"
                                                       "456789",
                                                       10);
}

void BinfileTest::writeAtKeepsTheRest() {
    QFETCH(qint64, position);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QString error;
    QVERIFY2(binfile::writeAt(file(QStringLiteral("data.bin")), position, bytes, &error),
             qPrintable(error));
    QCOMPARE(contents(QStringLiteral("data.bin")), expected);
}

void BinfileTest::writeBeyondEndGrowsOnlyAsNeeded() {
    QVERIFY(binfile::writeAt(file(QStringLiteral("data.bin")), 13, QByteArray("!")));
    QCOMPARE(contents(QStringLiteral("data.bin")), QByteArray("0123456789\0\0!", 13));
}

void BinfileTest::writeNeverCreates() {
    const QString missing = file(QStringLiteral("missing.bin"));
    QString error;
    QVERIFY(!binfile::writeAt(missing, 1, QByteArray("abc"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(missing));
    // Nor in a missing folder, and without an error pointer.
    QVERIFY(!binfile::writeAt(file(QStringLiteral("nodir/x.bin")), 1, QByteArray("abc")));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("nodir"))));
}

void BinfileTest::writeRefusesFolderAndBadPosition() {
    QString error;
    QVERIFY(!binfile::writeAt(tmp_->path(), 1, QByteArray("abc"), &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!binfile::writeAt(file(QStringLiteral("data.bin")), 0, QByteArray("abc"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(QStringLiteral("data.bin")), QByteArray("0123456789"));
}

void BinfileTest::lengthOfFiles() {
    QCOMPARE(binfile::length(file(QStringLiteral("data.bin"))), qint64(10));
    QVERIFY(writeFile(file(QStringLiteral("empty.bin")), QByteArray()));
    QCOMPARE(binfile::length(file(QStringLiteral("empty.bin"))), qint64(0));
    QCOMPARE(binfile::length(file(QStringLiteral("missing.bin"))), qint64(-1));
    QCOMPARE(binfile::length(tmp_->path()), qint64(-1));
}

QTEST_GUILESS_MAIN(BinfileTest)
#include "binfile_test.moc"
