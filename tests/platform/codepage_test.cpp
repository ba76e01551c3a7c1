#include "platform/codepage.h"

#include <QtTest>

class CodepageTest final : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void unmappableCharactersBecomeQuestionMarks_data();
    void unmappableCharactersBecomeQuestionMarks();
};

void CodepageTest::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));

    const QString text = cp1252::toUnicode(all);
    QCOMPARE(text.size(), 256);
    // No two bytes share a character, and the whole-string and one-byte forms agree.
    QSet<QChar> seen;
    for (int b = 0; b < 256; ++b) {
        QCOMPARE(text.at(b), cp1252::toChar(static_cast<unsigned char>(b)));
        seen.insert(text.at(b));
        QCOMPARE(cp1252::fromUnicode(QString(text.at(b))), QByteArray(1, static_cast<char>(b)));
    }
    QCOMPARE(seen.size(), 256);
    QCOMPARE(cp1252::fromUnicode(text), all);
}

void CodepageTest::knownCharacters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("unassigned 81") << 0x81 << 0x0081;
    QTest::newRow("unassigned 8D") << 0x8D << 0x008D;
    QTest::newRow("unassigned 8F") << 0x8F << 0x008F;
    QTest::newRow("unassigned 90") << 0x90 << 0x0090;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("unassigned 9D") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("e acute") << 0xE9 << 0x00E9;
}

void CodepageTest::knownCharacters() {
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(cp1252::toChar(static_cast<unsigned char>(byte)).unicode(), unicode);
    QCOMPARE(cp1252::fromUnicode(QString(QChar(unicode))), QByteArray(1, static_cast<char>(byte)));
}

void CodepageTest::unmappableCharactersBecomeQuestionMarks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // U+0080 has no byte: 0x80 is the euro sign.
    QTest::newRow("C1 0080") << QString(QChar(0x0080)) << QByteArray("?");
    QTest::newRow("C1 009F") << QString(QChar(0x009F)) << QByteArray("?");
    QTest::newRow("cyrillic") << QStringLiteral("a\u0416b") << QByteArray("a?b");
    QTest::newRow("beyond the basic plane") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void CodepageTest::unmappableCharactersBecomeQuestionMarks() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp1252::fromUnicode(text), bytes);
}

QTEST_GUILESS_MAIN(CodepageTest)
#include "codepage_test.moc"
