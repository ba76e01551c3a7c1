// The default menu pictures the build draws into the program folder: uncompressed 8-bit
// bitmaps of the game's two menu picture sizes.
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray& b, int offset) {
    return qFromLittleEndian<quint32>(b.constData() + offset);
}
quint16 u16(const QByteArray& b, int offset) {
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

} // namespace

class BmpgenTest final : public QObject {
    Q_OBJECT
private slots:
    void defaultPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("size");
        QTest::newRow("na1") << "na1.bmp" << 640 << 480 << 308278;
        QTest::newRow("na2") << "na2.bmp" << 440 << 330 << 146278;
    }
    void defaultPictures() {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, size);
        QFile f(QStringLiteral(PSO_APPDIR "/") + name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.size(), size);
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(u32(b, 2), quint32(size)); // file size
        QCOMPARE(u32(b, 10), 1078u);        // pixels after headers and palette
        QCOMPARE(u32(b, 14), 40u);          // BITMAPINFOHEADER
        QCOMPARE(int(u32(b, 18)), width);
        QCOMPARE(int(u32(b, 22)), height); // positive: bottom-up rows
        QCOMPARE(u16(b, 26), quint16(1));  // planes
        QCOMPARE(u16(b, 28), quint16(8));  // bits per pixel
        QCOMPARE(u32(b, 30), 0u);          // uncompressed
        QCOMPARE(int(u32(b, 34)), width * height);

        const QImage image = QImage::fromData(b, "BMP");
        QCOMPARE(image.size(), QSize(width, height));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        // A drawn picture, not a blank one.
        QSet<QRgb> colours;
        for (int y = 0; y < height; y += 7)
            for (int x = 0; x < width; x += 5)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 8);
    }
};

QTEST_GUILESS_MAIN(BmpgenTest)
#include "bmpgen_test.moc"
