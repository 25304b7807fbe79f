#include "model/iso3309_crc.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Bytes that look like nothing in particular, the same in every run.
QByteArray arbitraryBytes(qsizetype size)
{
    QRandomGenerator generator(625);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

u16 qtChecksum(const char *data, qsizetype length)
{
    return qChecksum(QByteArrayView(data, length), Qt::ChecksumIso3309);
}

} // namespace

// The reader checks every configuration file with this CRC, and files written with
// qChecksum must keep passing it.
class tst_iso3309_crc : public QObject
{
    Q_OBJECT

private slots:
    void knownValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("crc");
        QTest::newRow("nothing") << QByteArray() << 0x0000;
        QTest::newRow("check text") << QByteArray("123456789") << 0x906E;
        QTest::newRow("one zero byte") << QByteArray(1, '\0') << 0xF078;
        QTest::newRow("eight 0xFF bytes") << QByteArray(8, '\xFF') << 0x0416;
        QTest::newRow("a sentence") << QByteArray("The quick brown fox jumps over the lazy dog") << 0x9358;
    }
    void knownValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, crc);
        QCOMPARE(int(iso3309Crc(bytes.constData(), bytes.size())), crc);
        QCOMPARE(int(iso3309Crc(bytes.constData(), bytes.size())), int(qtChecksum(bytes.constData(), bytes.size())));
    }

    // Eight bytes go in a step and the rest one by one: every length around those steps,
    // starting at every position within eight bytes, gives what qChecksum gives.
    void everyShortLengthAndAlignment()
    {
        const QByteArray bytes = arbitraryBytes(200);
        for (int start = 0; start < 8; ++start) {
            for (int length = 0; length <= 64; ++length) {
                const char *data = bytes.constData() + start;
                if (iso3309Crc(data, length) != qtChecksum(data, length))
                    QFAIL(qPrintable(QStringLiteral("start %1, length %2").arg(start).arg(length)));
            }
        }
    }

    void longBlocks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("compressed image size") << arbitraryBytes(381147);
        QTest::newRow("two megabytes of zeros") << QByteArray(0x200000, '\0');
    }
    void longBlocks()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(iso3309Crc(bytes.constData(), bytes.size()), qtChecksum(bytes.constData(), bytes.size()));
    }
};

QTEST_GUILESS_MAIN(tst_iso3309_crc)
#include "tst_iso3309_crc.moc"
