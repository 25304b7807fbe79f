#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/support/scripted_interaction.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

using namespace image_layout;

// The image allocation can be made to fail in a child process of this test: array
// allocations go through malloc here, and the nothrow form refuses the image's size.
static bool failImageAllocation = false;

void *operator new[](std::size_t size)
{
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    if (failImageAllocation && size == ImageSize)
        return nullptr;
    return std::malloc(size ? size : 1);
}
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { std::free(p); }

namespace {

// The empty configuration, built here from the layout table rather than by the code under test.
std::vector<u8> expectedEmptyImage()
{
    std::vector<u8> e(ImageSize, 0xFF);
    u8 *p = e.data();
    for (u32 ch = 0; ch < 512; ++ch)
        p[0x4000 + 4 * ch] = 0;
    for (u32 in = 0; in < 24; ++in)
        writeU32(p, 0x4800 + 4 * in, 0);
    writeU16(p, 0x4860, 0);
    writeU16(p, 0x4862, 0);
    writeU16(p, 0x4864, 64);
    writeU16(p, 0x4872, 0);
    writeU16(p, 0x487A, 10);
    writeU32(p, 0x4FF4, 1);
    writeU32(p, 0x4FF8, 20);
    writeU32(p, 0x4FFC, 50);
    for (u32 m = 0; m < 256; ++m) {
        writeU16(p, 0x5000 + 8 * m, 0);
        writeU16(p, 0x5000 + 8 * m + 4, 0);
    }
    std::fill(p + 0x10000, p + 0x190000, u8(0));
    for (u32 s = 0; s < 3072; ++s) {
        writeU16(p, 0x190000 + 8 * s, 0);
        writeU16(p, 0x190000 + 8 * s + 4, 0);
        writeU16(p, 0x190000 + 8 * s + 6, 0);
    }
    for (u32 prog = 0; prog < 512; ++prog) {
        writeU16(p, 0x196800 + 2 * prog, 0);
        writeU16(p, 0x197000 + 2 * prog, 1);
    }
    for (u32 slot = 0; slot < 8192; ++slot) {
        writeU16(p, 0x1A0000 + 8 * slot + 2, 0);
        writeU16(p, 0x1A0000 + 8 * slot + 4, 10);
        writeU16(p, 0x1A0000 + 8 * slot + 6, 0);
    }
    for (u32 r = 0; r < 8192; ++r)
        p[0x1B0000 + 24 * r + 4] = 0x40;
    std::fill(p + 0x1E0000 + 192 * 512, p + 0x200000, u8(0));
    return e;
}

bool isOutsideSunTable(u32 offset)
{
    return offset < 0x4A00 || offset >= 0x4A00 + 366 * 4;
}

} // namespace

class tst_controller_object : public QObject
{
    Q_OBJECT

private slots:
    void newControllerHoldsTheEmptyConfiguration()
    {
        kd620_controller_class c;
        const std::vector<u8> expected = expectedEmptyImage();
        for (u32 i = 0; i < ImageSize; ++i) {
            if (isOutsideSunTable(i) && c.confData[i] != expected[i])
                QFAIL(qPrintable(QString("byte 0x%1 is 0x%2, expected 0x%3")
                                     .arg(i, 0, 16).arg(c.confData[i], 0, 16).arg(expected[i], 0, 16)));
        }
        QCOMPARE(c.snText, QStringLiteral("S/N ----"));
        QCOMPARE(c.clockRereadCounter, 10);
        QCOMPARE(c.clockValid, 0);
        QCOMPARE(c.clockCalibration, 0);
        QCOMPARE(c.connected, 0);
        QCOMPARE(c.uiMode, 0);
        QCOMPARE(int(c.rcuAddress), 0xFF);
        for (u8 code : c.rcuKeyCodes)
            QCOMPARE(int(code), 0xFF);
        QVERIFY(c.extraEntries.isEmpty());
        for (const timer_entry_class &row : c.timerTable)
            QVERIFY(row.isEmpty() && row.event == 0xFFFF);
        QVERIFY(c.sceneDescs[0].isEmpty() && c.eventDescs[4975].isEmpty() && c.stateDescs[67].isEmpty());
    }

    void defaultSunTableHasTheSampleShape()
    {
        kd620_controller_class c;
        struct sample { int day, sunrise, sunset; };
        const sample samples[] = {{1, 459, 948}, {80, 343, 1074}, {172, 211, 1193},
                                  {266, 327, 1058}, {355, 456, 940}, {366, 459, 948}};
        for (const sample &s : samples) {
            const int rise = readU16(c.confData, 0x4A00 + 4 * (s.day - 1));
            const int set = readU16(c.confData, 0x4A00 + 4 * (s.day - 1) + 2);
            QVERIFY2(qAbs(rise - s.sunrise) <= 3, qPrintable(QString("day %1 sunrise %2").arg(s.day).arg(rise)));
            QVERIFY2(qAbs(set - s.sunset) <= 3, qPrintable(QString("day %1 sunset %2").arg(s.day).arg(set)));
        }
        int earliestRise = 1440, latestRise = 0, earliestSet = 1440, latestSet = 0;
        for (int d = 0; d < 366; ++d) {
            const int rise = readU16(c.confData, 0x4A00 + 4 * d);
            const int set = readU16(c.confData, 0x4A00 + 4 * d + 2);
            earliestRise = qMin(earliestRise, rise);
            latestRise = qMax(latestRise, rise);
            earliestSet = qMin(earliestSet, set);
            latestSet = qMax(latestSet, set);
            if (d > 0) {  // a smooth curve: neighbouring days differ by a few minutes at most
                QVERIFY(qAbs(rise - readU16(c.confData, 0x4A00 + 4 * (d - 1))) <= 3);
                QVERIFY(qAbs(set - readU16(c.confData, 0x4A00 + 4 * (d - 1) + 2)) <= 3);
            }
        }
        QVERIFY(qAbs(earliestRise - 210) <= 2 && qAbs(latestRise - 459) <= 2);
        QVERIFY(qAbs(earliestSet - 938) <= 2 && qAbs(latestSet - 1194) <= 2);
        for (u32 entry = 366; entry < 381; ++entry)
            QCOMPARE(readU32(c.confData, 0x4A00 + 4 * entry), 0xFFFFFFFFu);
    }

    void getDescription_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("last scene") << 0u << 3071 << "scene 3071";
        QTest::newRow("scene past the end") << 0u << 3072 << "";
        QTest::newRow("first program") << 1u << 0 << "program 0";
        QTest::newRow("negative program") << 1u << -1 << "";
        QTest::newRow("program past the end") << 1u << 512 << "";
        QTest::newRow("enabling") << 2u << 0 << "";
        QTest::newRow("last state") << 3u << 67 << "state 67";
        QTest::newRow("state past the end") << 3u << 68 << "";
        QTest::newRow("save show") << 4u << 0 << "";
        QTest::newRow("delay 3 is event 4099") << 5u << 3 << "event 4099";
        QTest::newRow("last delay") << 5u << 511 << "event 4607";
        QTest::newRow("delay past the end") << 5u << 512 << "";
        QTest::newRow("sequence 0 is event 4608") << 6u << 0 << "event 4608";
        QTest::newRow("last sequence") << 6u << 127 << "event 4735";
        QTest::newRow("sequence past the end") << 6u << 128 << "";
        QTest::newRow("last mask") << 7u << 255 << "mask 255";
        QTest::newRow("mask past the end") << 7u << 256 << "";
        QTest::newRow("type 8") << 8u << 0 << "";
    }
    void getDescription()
    {
        QFETCH(uint, type);
        QFETCH(int, index);
        QFETCH(QString, expected);

        kd620_controller_class main;
        for (int i = 0; i < 3072; ++i)
            main.sceneDescs[i] = QString("scene %1").arg(i);
        for (int i = 0; i < 512; ++i)
            main.programDescs[i] = QString("program %1").arg(i);
        for (int i = 0; i < 68; ++i)
            main.stateDescs[i] = QString("state %1").arg(i);
        for (int i = 0; i < 256; ++i)
            main.maskDescs[i] = QString("mask %1").arg(i);
        for (int i = 0; i < 4976; ++i)
            main.eventDescs[i] = QString("event %1").arg(i);
        currentController = &main;

        // A second controller object answers from the current one, not from its own texts.
        kd620_controller_class other;
        other.sceneDescs[3071] = "other";
        QCOMPARE(kd620_controller_class::getDescription(type, index), expected);
        QCOMPARE(other.getDescription(type, index), expected);
        currentController = nullptr;
    }

    void getDescriptionWithoutCurrentControllerIsEmpty()
    {
        currentController = nullptr;
        QVERIFY(kd620_controller_class::getDescription(0, 0).isEmpty());
    }

    void controllersAreIndependent()
    {
        kd620_controller_class a;
        kd620_controller_class b;
        const std::vector<u8> before(b.confData, b.confData + ImageSize);
        std::fill(a.confData, a.confData + ImageSize, u8(0x5A));
        a.sceneDescs[7] = "a";
        a.eventDescs[100] = "a";
        a.rcuKeyCodes[3] = 7;
        a.couplingGroups[2] << 5;
        QVERIFY(std::equal(before.begin(), before.end(), b.confData));
        QVERIFY(b.sceneDescs[7].isEmpty());
        QVERIFY(b.eventDescs[100].isEmpty());
        QCOMPARE(int(b.rcuKeyCodes[3]), 0xFF);
        QVERIFY(b.couplingGroups[2].isEmpty());
    }

    void setDmxInLimitTruncatesTo16Bits_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<uint>("stored");
        QTest::newRow("70000") << 70000 << 4464u;
        QTest::newRow("5") << 5 << 5u;
        QTest::newRow("-1") << -1 << 0xFFFFu;
    }
    void setDmxInLimitTruncatesTo16Bits()
    {
        QFETCH(int, value);
        QFETCH(uint, stored);
        kd620_controller_class c;
        c.setDmxInLimit(value);
        QCOMPARE(uint(readU16(c.confData, DmxInLimit)), stored);
    }

    void trapSlotOnlyWritesToTheDebugStream()
    {
        kd620_controller_class c;
        const std::vector<u8> before(c.confData, c.confData + ImageSize);
        QTest::ignoreMessage(QtDebugMsg, "was here! :-)");
        c.trapSlot(QModelIndex(), QModelIndex());
        QVERIFY(std::equal(before.begin(), before.end(), c.confData));
    }

    void failedImageAllocationQuitsWithTheMessage()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--image-allocation-child"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 255);  // exit(-1)
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        QVERIFY2(out.contains("critical|Varidex625|Not enough memory! Quitting!|ok"), qPrintable(out));
    }
};

// Child process: constructs a controller whose image cannot be allocated and reports the
// box it was shown; the constructor is expected to end the process.
static int runImageAllocationChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    struct printing_interaction : scripted_interaction {
        int showMessage(const message_request &r) override
        {
            std::printf("%s|%s|%s|%s\n", r.icon == message_icon::Critical ? "critical" : "other",
                        qPrintable(r.title), qPrintable(r.text), r.buttons == message_button::Ok ? "ok" : "other");
            std::fflush(stdout);
            return scripted_interaction::showMessage(r);
        }
    } interaction;
    failImageAllocation = true;
    kd620_controller_class c;
    std::printf("constructor returned\n");
    return 0;
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--image-allocation-child") == 0)
        return runImageAllocationChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_controller_object test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_controller_object.moc"
