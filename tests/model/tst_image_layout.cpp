#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/load_clamps.h"
#include "model/time_codec.h"

#include <QtTest>

#include <vector>

using namespace image_layout;

class tst_image_layout : public QObject
{
    Q_OBJECT

private slots:
    void regionsTileTheImageExactlyOnce()
    {
        std::vector<int> owners(ImageSize, 0);
        u32 expectedOffset = 0;
        for (const region &r : Regions) {
            QVERIFY2(r.offset == expectedOffset, r.name);  // in order, no gap
            for (u32 i = r.offset; i < r.offset + r.size; ++i)
                ++owners[i];
            expectedOffset = r.offset + r.size;
        }
        QCOMPARE(expectedOffset, ImageSize);
        for (u32 i = 0; i < ImageSize; ++i)
            QVERIFY2(owners[i] == 1, qPrintable(QString::number(i, 16)));
    }

    void elementArraysFitTheirRegions()
    {
        QCOMPARE(sceneLevel(SceneCount - 1, 511) + 1, SceneTimes);
        QCOMPARE(sceneTimes(SceneCount), ProgramFirstStep);
        QCOMPARE(maskLevel(MaskCount - 1, 511) + 1, ImageSize);
        QCOMPARE(maskTimes(MaskCount), DelayTable);
        QCOMPARE(delayEntry(DelayCount), UnusedSentOnly);
        QCOMPARE(sunEntry(SunTableEntries), TimeZone);
        QCOMPARE(timerRow(TimerRowCount), DmxOutSettings);
        QCOMPARE(stepRecord(StepSlotCount), ActionTable);
        QCOMPARE(actionRecord(ActionRecordCount), MaskLevels);
        QCOMPARE(stepEvent(StepSlotCount), ExtraEntryTable);
        QCOMPARE(inputType(InputCount), StartUpTime);
    }

    void stepSlotAddresses()
    {
        QCOMPARE(stepSlotAddress(0), 0x621A0000u);
        QCOMPARE(stepSlotAddress(8191), 0x621AFFF8u);
        QCOMPARE(stepSlotOfAddress(0x621AFFF8u), 8191u);
        QCOMPARE(controllerAddress(0x2000), 0x62002000u);
    }

    void littleEndianAccess()
    {
        u8 buffer[8] = {};
        writeU16(buffer, 0, 0x1234);
        writeU32(buffer, 2, 0xA1B2C3D4);
        QCOMPARE(int(buffer[0]), 0x34);
        QCOMPARE(int(buffer[1]), 0x12);
        QCOMPARE(int(buffer[2]), 0xD4);
        QCOMPARE(int(buffer[5]), 0xA1);
        QCOMPARE(readU16(buffer, 0), u16(0x1234));
        QCOMPARE(readU32(buffer, 2), 0xA1B2C3D4u);
        writeI32(buffer, 4, -2);
        QCOMPARE(readI32(buffer, 4), -2);
    }

    void timeToTenths_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("tenths");
        QTest::newRow("one second") << QTime(0, 0, 1) << 10;
        QTest::newRow("last tenth of the day") << QTime(23, 59, 59, 900) << 863999;
        QTest::newRow("99 ms truncates") << QTime(0, 0, 0, 99) << 0;
        QTest::newRow("999 ms truncates") << QTime(0, 0, 0, 999) << 9;
        QTest::newRow("one hour") << QTime(1, 0) << 36000;
        QTest::newRow("invalid") << QTime() << 0;
    }
    void timeToTenths()
    {
        QFETCH(QTime, time);
        QFETCH(int, tenths);
        QCOMPARE(::timeToTenths(time), tenths);
    }

    void tenthsToTime_data()
    {
        QTest::addColumn<uint>("tenths");
        QTest::addColumn<QTime>("time");
        QTest::newRow("zero") << 0u << QTime(0, 0);
        QTest::newRow("last tenth of the day") << 863999u << QTime(23, 59, 59, 900);
        QTest::newRow("infinite marker") << 0xFFFFu << QTime(1, 49, 13, 500);
        QTest::newRow("a day") << 864000u << QTime();
        QTest::newRow("20 bits unset") << 0xFFFFFu << QTime();
    }
    void tenthsToTime()
    {
        QFETCH(uint, tenths);
        QFETCH(QTime, time);
        const QTime result = ::tenthsToTime(tenths);
        QCOMPARE(result.isValid(), time.isValid());
        if (time.isValid())
            QCOMPARE(result, time);
    }

    void codecRoundTripsEveryTenthOfTheDay()
    {
        for (u32 n = 0; n < 864000; ++n) {
            if (u32(::timeToTenths(::tenthsToTime(n))) != n)
                QFAIL(qPrintable(QString("round trip fails at %1").arg(n)));
        }
    }

    void sixteenBitFieldsNeverWrap_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<uint>("field");
        QTest::newRow("below") << QTime(1, 49, 13, 400) << 0xFFFEu;
        QTest::newRow("exactly 0xFFFF") << QTime(1, 49, 13, 500) << 0xFFFFu;
        QTest::newRow("just above") << QTime(1, 49, 13, 600) << 0xFFFFu;
        QTest::newRow("end of the day") << QTime(23, 59, 59, 900) << 0xFFFFu;
        QTest::newRow("small") << QTime(0, 0, 2) << 20u;
    }
    void sixteenBitFieldsNeverWrap()
    {
        QFETCH(QTime, time);
        QFETCH(uint, field);
        QCOMPARE(uint(timeToTenths16(time)), field);
    }

    void channelLimitClamp_data()
    {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<uint>("loaded");
        QTest::newRow("0") << 0u << 24u;
        QTest::newRow("10") << 10u << 24u;
        QTest::newRow("23") << 23u << 24u;
        QTest::newRow("24") << 24u << 24u;
        QTest::newRow("40") << 40u << 40u;
        QTest::newRow("64") << 64u << 64u;
        QTest::newRow("65") << 65u << 64u;
        QTest::newRow("100") << 100u << 64u;
        QTest::newRow("0xFFFF") << 0xFFFFu << 32u;
    }
    void channelLimitClamp()
    {
        QFETCH(uint, stored);
        QFETCH(uint, loaded);
        QCOMPARE(uint(clampedOutputChannelLimit(u16(stored))), loaded);
    }

    void mbftClamp_data()
    {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<uint>("loaded");
        QTest::newRow("0") << 0u << 0u;
        QTest::newRow("90") << 90u << 90u;
        QTest::newRow("91") << 91u << 90u;
        QTest::newRow("200") << 200u << 90u;
        QTest::newRow("0xFFFF") << 0xFFFFu << 10u;
    }
    void mbftClamp()
    {
        QFETCH(uint, stored);
        QFETCH(uint, loaded);
        QCOMPARE(uint(clampedMbftCode(u16(stored))), loaded);
    }

    void clampsTouchOnlyTheirTwoWords()
    {
        std::vector<u8> image(ImageSize, 0xAB);
        writeU16(image.data(), OutputChannelLimit, 0xFFFF);
        writeU16(image.data(), MbftCode, 91);
        std::vector<u8> expected = image;
        writeU16(expected.data(), OutputChannelLimit, 32);
        writeU16(expected.data(), MbftCode, 90);
        applyLoadClamps(image.data());
        QVERIFY(image == expected);
    }
};

QTEST_GUILESS_MAIN(tst_image_layout)
#include "tst_image_layout.moc"
