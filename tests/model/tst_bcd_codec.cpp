#include "model/bcd_codec.h"

#include <QtTest>

class tst_bcd_codec : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTrip();
};

void tst_bcd_codec::encode_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("bcd");
    QTest::newRow("0") << 0 << 0x00;
    QTest::newRow("9") << 9 << 0x09;
    QTest::newRow("10") << 10 << 0x10;
    QTest::newRow("59") << 59 << 0x59;
    QTest::newRow("99") << 99 << 0x99;
    QTest::newRow("100: none") << 100 << 0xFF;
    QTest::newRow("-1: none") << -1 << 0xFF;
    QTest::newRow("255, the editors' any: none") << 255 << 0xFF;
}

void tst_bcd_codec::encode()
{
    QFETCH(int, value);
    QTEST(int(toBcd(value)), "bcd");
}

void tst_bcd_codec::decode_data()
{
    QTest::addColumn<int>("bcd");
    QTest::addColumn<int>("value");
    QTest::newRow("0x00") << 0x00 << 0;
    QTest::newRow("0x59") << 0x59 << 59;
    QTest::newRow("0x99") << 0x99 << 99;
    QTest::newRow("0x0A carries into the tens") << 0x0A << 10;
    QTest::newRow("0x1A carries into the tens") << 0x1A << 20;
    QTest::newRow("0x9A carries beyond 99") << 0x9A << -1;
    QTest::newRow("0x1B") << 0x1B << -1;
    QTest::newRow("0xA0") << 0xA0 << -1;
    QTest::newRow("0xFF") << 0xFF << -1;
}

void tst_bcd_codec::decode()
{
    QFETCH(int, bcd);
    QTEST(fromBcd(u8(bcd)), "value");
}

void tst_bcd_codec::roundTrip()
{
    for (int v = 0; v <= 99; ++v)
        QCOMPARE(fromBcd(toBcd(v)), v);
}

QTEST_GUILESS_MAIN(tst_bcd_codec)
#include "tst_bcd_codec.moc"
