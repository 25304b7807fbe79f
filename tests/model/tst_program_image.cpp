#include "model/controller_configuration_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/program_list_class.h"
#include "tests/support/scripted_interaction.h"

#include <QRandomGenerator>
#include <QtTest>

#include <vector>

using namespace image_layout;

namespace {

// Offsets and words written out here from the image layout rather than taken from the
// code under test.
constexpr u32 FirstStepTable = 0x196000;
constexpr u32 CountTable = 0x196800;
constexpr u32 ChainTable = 0x196C00;
constexpr u32 RecurrenceTable = 0x197000;
constexpr u32 StepEventTable = 0x197400;
constexpr u32 ExtraTable = 0x19B400;
constexpr u32 BreakTable = 0x19BC00;
constexpr u32 StepTable = 0x1A0000;
constexpr u32 OrdinaryCountWord = 0x4878;
constexpr u32 SlotBase = 0x621A0000;

u32 firstStep(const std::vector<u8> &im, u32 p) { return readU32(im.data(), FirstStepTable + 4 * p); }
u16 countOf(const std::vector<u8> &im, u32 p) { return readU16(im.data(), CountTable + 2 * p); }
u16 recurrencesOf(const std::vector<u8> &im, u32 p) { return readU16(im.data(), RecurrenceTable + 2 * p); }
u16 chainOf(const std::vector<u8> &im, u32 p) { return readU16(im.data(), ChainTable + 2 * p); }
u32 extraWord(const std::vector<u8> &im, u32 p) { return readU32(im.data(), ExtraTable + 4 * p); }
u16 ordinaryCountWord(const std::vector<u8> &im) { return readU16(im.data(), OrdinaryCountWord); }
u16 stepWord(const std::vector<u8> &im, u32 slot, int word) { return readU16(im.data(), StepTable + 8 * slot + 2 * word); }
u16 stepEventOf(const std::vector<u8> &im, u32 slot) { return readU16(im.data(), StepEventTable + 2 * slot); }

QList<u16> record(const std::vector<u8> &im, u32 slot)
{
    return {stepWord(im, slot, 0), stepWord(im, slot, 1), stepWord(im, slot, 2), stepWord(im, slot, 3)};
}

std::vector<u8> emptyImage()
{
    const controller_configuration_class empty;
    return std::vector<u8>(empty.confData, empty.confData + ImageSize);
}

// The program tables and the ordinary program count: everything the store writes.
QByteArray programTables(const std::vector<u8> &im)
{
    QByteArray tables(reinterpret_cast<const char *>(im.data()) + FirstStepTable, int(StepTable + 0x10000 - FirstStepTable));
    tables.append(reinterpret_cast<const char *>(im.data()) + OrdinaryCountWord, 2);
    return tables;
}

program_step_class makeStep(u16 scene, QTime fadeUp, QTime duration, QTime fadeDown, u16 event = 0xFFFF,
                            bool infinite = false)
{
    program_step_class s;
    s.scene = scene;
    s.fadeUp = fadeUp;
    s.duration = duration;
    s.fadeDown = fadeDown;
    s.event = event;
    s.infinite = infinite ? 1 : 0;
    return s;
}

struct program_shape {
    int number = 0;
    u16 recurrences = 1;
    QList<program_step_class> steps;
};

void addProgram(program_list_class &store, const program_shape &shape)
{
    auto *p = new program_class(shape.number);
    p->recurrences = shape.recurrences;
    for (const program_step_class &s : shape.steps)
        p->appendStep(new program_step_class(s));
    store.append(p);
}

// A program of n default-looking steps with distinct scenes.
void addProgramOfSteps(program_list_class &store, int number, int n, u16 firstScene = 0)
{
    auto *p = new program_class(number);
    for (int j = 0; j < n; ++j)
        p->appendStep(new program_step_class(makeStep(u16((firstScene + j) % SceneCount), QTime(0, 0),
                                                      QTime(0, 0, 1), QTime(0, 0))));
    store.append(p);
}

// Fails the test unless both steps hold the same fields.
bool sameStep(const program_step_class &a, const program_step_class &b)
{
    return a.scene == b.scene && a.infinite == b.infinite && a.event == b.event && a.fadeUp == b.fadeUp
        && a.duration == b.duration && a.fadeDown == b.fadeDown;
}

QString describe(const program_step_class &s)
{
    return QString("{scene %1 inf %2 event %3 up %4 dur %5 down %6}")
        .arg(s.scene).arg(s.infinite).arg(s.event, 0, 16)
        .arg(s.fadeUp.toString("hh:mm:ss.zzz"), s.duration.toString("hh:mm:ss.zzz"), s.fadeDown.toString("hh:mm:ss.zzz"));
}

void compareProgram(const program_list_class &store, const program_shape &shape)
{
    const program_class *p = store.find(shape.number);
    QVERIFY2(p, qPrintable(QString("program %1 missing").arg(shape.number)));
    QCOMPARE(int(p->recurrences), int(shape.recurrences));
    QCOMPARE(p->stepCount(), shape.steps.size());
    for (int j = 0; j < shape.steps.size(); ++j)
        QVERIFY2(sameStep(*p->stepAt(j), shape.steps.at(j)),
                 qPrintable(QString("program %1 step %2: %3, expected %4")
                                .arg(shape.number).arg(j).arg(describe(*p->stepAt(j)), describe(shape.steps.at(j)))));
}

extra_entry_class *entry(u16 source, u16 start, u16 asProgram)
{
    auto *e = new extra_entry_class;
    e->source = source;
    e->start = start;
    e->asProgram = asProgram;
    return e;
}

// Owns a list of extra entries the way the controller does.
struct entry_list {
    QList<extra_entry_class *> list;
    ~entry_list() { qDeleteAll(list); }
};

const QTime zero(0, 0);
const QTime rebuiltMoreStepsFadeDown(1, 49, 13, 500);  // what 0xFFFF reads as

} // namespace

Q_DECLARE_METATYPE(QList<program_shape>)

class tst_program_image : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreWritesEmptyPrograms()
    {
        scripted_interaction ui;
        std::vector<u8> im = emptyImage();
        const std::vector<u8> before = im;
        // Stale tables from an earlier commit are overwritten.
        writeU32(im.data(), FirstStepTable + 4 * 9, SlotBase + 8 * 40);
        writeU16(im.data(), CountTable + 2 * 9, 3);
        writeU16(im.data(), RecurrenceTable + 2 * 9, 0);
        writeU32(im.data(), ExtraTable + 4 * 9, 0x00020003);

        program_list_class store;
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QVERIFY(im == before);
        for (u32 p = 0; p < ProgramCount; ++p) {
            QCOMPARE(countOf(im, p), u16(0));
            QCOMPARE(firstStep(im, p), 0xFFFFFFFFu);
            QCOMPARE(recurrencesOf(im, p), u16(1));
        }
        QCOMPARE(ordinaryCountWord(im), u16(0xFFFF));
        QVERIFY(ui.messages.isEmpty());
    }

    void endlessProgramWithInfiniteStep()
    {
        std::vector<u8> im = emptyImage();
        program_list_class store;
        addProgram(store, {0, 0, {makeStep(5, QTime(0, 0, 1), zero, QTime(0, 0, 2), 0xFFFF, true)}});
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);

        QCOMPARE(record(im, 0), (QList<u16>{5, 10, 0xFFFF, 0xFFFE}));
        QCOMPARE(firstStep(im, 0), SlotBase);
        QCOMPARE(countOf(im, 0), u16(1));
        QCOMPARE(recurrencesOf(im, 0), u16(0));

        program_list_class rebuilt;
        QCOMPARE(rebuilt.rebuildFromImage(im.data(), entries.list), 0);
        compareProgram(rebuilt, {0, 0, {makeStep(5, QTime(0, 0, 1), zero, zero, 0xFFFF, true)}});
    }

    void endWordsCarryTheLastFadeDownOnly()
    {
        std::vector<u8> im = emptyImage();
        program_list_class store;
        const QTime down(0, 0, 2);
        addProgram(store, {4, 3, {makeStep(1, zero, QTime(0, 0, 1), down), makeStep(2, zero, QTime(0, 0, 1), down),
                                  makeStep(3, zero, QTime(0, 0, 1), down)}});
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(record(im, 0), (QList<u16>{1, 0, 10, 0xFFFF}));
        QCOMPARE(record(im, 1), (QList<u16>{2, 0, 10, 0xFFFF}));
        QCOMPARE(record(im, 2), (QList<u16>{3, 0, 10, 20}));
        QCOMPARE(recurrencesOf(im, 4), u16(3));

        program_list_class rebuilt;
        rebuilt.rebuildFromImage(im.data(), entries.list);
        compareProgram(rebuilt, {4, 3, {makeStep(1, zero, QTime(0, 0, 1), rebuiltMoreStepsFadeDown),
                                        makeStep(2, zero, QTime(0, 0, 1), rebuiltMoreStepsFadeDown),
                                        makeStep(3, zero, QTime(0, 0, 1), down)}});

        // A rebuilt earlier step that becomes the last one never writes its 0xFFFF along:
        // the controller would look for more steps.
        rebuilt.setStepCount(4u, 2);
        QCOMPARE(rebuilt.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(record(im, 1), (QList<u16>{2, 0, 10, 0}));
    }

    void programsTakeConsecutiveSlots()
    {
        std::vector<u8> im = emptyImage();
        program_list_class store;
        // Created out of order: slots follow program numbers, not creation.
        addProgram(store, {5, 1, {makeStep(50, zero, QTime(0, 0, 1), zero, 0x400), makeStep(51, zero, QTime(0, 0, 1), zero),
                                  makeStep(52, zero, QTime(0, 0, 1), zero, 0x7FF)}});
        addProgram(store, {2, 1, {}});
        addProgram(store, {0, 1, {makeStep(10, zero, QTime(0, 0, 1), zero, 0x1234), makeStep(11, zero, QTime(0, 0, 1), zero)}});
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);

        QCOMPARE(firstStep(im, 0), SlotBase);
        QCOMPARE(countOf(im, 0), u16(2));
        QCOMPARE(firstStep(im, 2), 0xFFFFFFFFu);
        QCOMPARE(countOf(im, 2), u16(0));
        QCOMPARE(firstStep(im, 5), SlotBase + 16);
        QCOMPARE(countOf(im, 5), u16(3));
        const QList<u16> scenes{10, 11, 50, 51, 52};
        const QList<u16> events{0x1234, 0xFFFF, 0x400, 0xFFFF, 0x7FF};
        for (u32 slot = 0; slot < 5; ++slot) {
            QCOMPARE(stepWord(im, slot, 0), scenes.at(int(slot)));
            QCOMPARE(stepEventOf(im, slot), events.at(int(slot)));
        }
        // Slots beyond the last program are left as they were.
        QCOMPARE(record(im, 5), (QList<u16>{0xFFFF, 0, 10, 0}));
        QCOMPARE(stepEventOf(im, 5), u16(0xFFFF));
    }

    void chainedEventsAndBreakFadeDownsOfOrdinaryProgramsStay()
    {
        std::vector<u8> im = emptyImage();
        writeU16(im.data(), ChainTable + 2 * 0, 0x405);
        writeU16(im.data(), ChainTable + 2 * 7, 0x1001);
        writeU16(im.data(), BreakTable + 2 * 0, 30);
        writeU16(im.data(), BreakTable + 2 * 511, 40);
        program_list_class store;
        addProgramOfSteps(store, 0, 3);
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(chainOf(im, 0), u16(0x405));
        QCOMPARE(chainOf(im, 7), u16(0x1001));
        QCOMPARE(readU16(im.data(), BreakTable), u16(30));
        QCOMPARE(readU16(im.data(), BreakTable + 2 * 511), u16(40));
    }

    void programOf1000StepsCommits999()
    {
        std::vector<u8> im = emptyImage();
        program_list_class store;
        addProgramOfSteps(store, 0, 1000);
        store.find(0)->stepAt(998)->fadeDown = QTime(0, 0, 3);
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(countOf(im, 0), u16(999));
        QCOMPARE(stepWord(im, 998, 3), u16(30));
        QCOMPARE(record(im, 999), (QList<u16>{0xFFFF, 0, 10, 0}));
    }

    // Times reach 16-bit words without wrapping, and never as a marker by accident.
    void sixteenBitTimes_data()
    {
        QTest::addColumn<int>("word");  // 1 fade-up, 2 duration, 3 end word of the last step
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("expected");
        QTest::newRow("fade-up truncates to tenths") << 1 << QTime(0, 0, 0, 999) << 9;
        QTest::newRow("fade-up 0xFFFF") << 1 << QTime(1, 49, 13, 500) << 0xFFFF;
        QTest::newRow("fade-up held, not wrapped") << 1 << QTime(23, 59, 59, 900) << 0xFFFF;
        QTest::newRow("duration longest finite") << 2 << QTime(1, 49, 13, 400) << 0xFFFE;
        QTest::newRow("duration 0xFFFF is not infinite") << 2 << QTime(1, 49, 13, 500) << 0xFFFE;
        QTest::newRow("duration of two hours held") << 2 << QTime(2, 0) << 0xFFFE;
        QTest::newRow("fade-down longest") << 3 << QTime(1, 49, 13, 300) << 0xFFFD;
        QTest::newRow("fade-down 0xFFFE is no endless mark") << 3 << QTime(1, 49, 13, 400) << 0;
        QTest::newRow("fade-down 0xFFFF is no more-steps mark") << 3 << QTime(1, 49, 13, 500) << 0;
        QTest::newRow("fade-down of a day") << 3 << QTime(23, 59, 59, 900) << 0;
        QTest::newRow("fade-down 1 tenth") << 3 << QTime(0, 0, 0, 100) << 1;
    }
    void sixteenBitTimes()
    {
        QFETCH(int, word);
        QFETCH(QTime, time);
        QFETCH(int, expected);
        program_step_class s = makeStep(7, zero, QTime(0, 0, 1), zero);
        if (word == 1)
            s.fadeUp = time;
        else if (word == 2)
            s.duration = time;
        else
            s.fadeDown = time;
        program_list_class store;
        addProgram(store, {0, 2, {s}});
        std::vector<u8> im = emptyImage();
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(int(stepWord(im, 0, word)), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QList<program_shape>>("programs");
        const QTime one(0, 0, 1);
        // Steps in the form a rebuild gives them back: a non-last step's fade-down reads as
        // 0xFFFF, an infinite step's duration as 0, an endless program's last fade-down as 0.
        const QTime more = rebuiltMoreStepsFadeDown;
        QTest::newRow("recurrences n") << QList<program_shape>{
            {0, 3, {makeStep(0, QTime(0, 0, 2, 500), QTime(0, 0, 10), more), makeStep(3071, zero, one, QTime(0, 0, 5))}},
            {1, 100, {makeStep(9, zero, QTime(0, 1, 30, 100), QTime(1, 49, 13, 300))}}};
        QTest::newRow("recurrences 0") << QList<program_shape>{
            {3, 0, {makeStep(1, QTime(0, 0, 1), one, more), makeStep(2, QTime(0, 0, 1), one, zero)}},
            {4, 0, {makeStep(8, zero, zero, zero, 0xFFFF, true)}}};
        QTest::newRow("infinite steps") << QList<program_shape>{
            {10, 1, {makeStep(1, one, zero, more, 0xFFFF, true), makeStep(2, zero, one, more),
                     makeStep(3, QTime(0, 0, 0, 300), zero, QTime(0, 0, 4), 0xFFFF, true)}}};
        QTest::newRow("fade-downs") << QList<program_shape>{
            {0, 1, {makeStep(5, zero, one, QTime(0, 0, 0, 100))}},
            {1, 2, {makeStep(5, zero, one, QTime(1, 0))}},
            {2, 5, {makeStep(5, zero, one, QTime(1, 49, 13, 300))}}};
        QTest::newRow("step events") << QList<program_shape>{
            {7, 1, {makeStep(1, zero, one, more, 0x400), makeStep(2, zero, one, more, 0),
                    makeStep(3, zero, one, more, 0x1370), makeStep(4, zero, one, zero, 0x7FF)}}};
        QTest::newRow("scattered programs") << QList<program_shape>{
            {511, 1, {makeStep(100, zero, one, zero)}},
            {0, 1, {makeStep(200, zero, one, zero)}},
            {256, 9, {makeStep(300, one, one, more), makeStep(301, zero, QTime(0, 0, 2), QTime(0, 0, 7))}}};
    }
    void roundTrip()
    {
        QFETCH(QList<program_shape>, programs);
        program_list_class store;
        for (const program_shape &shape : programs)
            addProgram(store, shape);
        std::vector<u8> im = emptyImage();
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);

        program_list_class rebuilt;
        QCOMPARE(rebuilt.rebuildFromImage(im.data(), entries.list), 0);
        QCOMPARE(rebuilt.count(), programs.size());
        for (const program_shape &shape : programs)
            compareProgram(rebuilt, shape);
        QVERIFY(entries.list.isEmpty());

        // Committing the rebuilt store writes the same tables again.
        const QByteArray first = programTables(im);
        QCOMPARE(rebuilt.commitToImage(im.data(), entries.list), 0);
        QVERIFY(programTables(im) == first);
    }

    void allZeroRecordRebuildsAsDefaultStep()
    {
        std::vector<u8> im = emptyImage();
        writeU32(im.data(), FirstStepTable, SlotBase);
        writeU16(im.data(), CountTable, 2);
        writeU16(im.data(), RecurrenceTable, 4);
        for (u32 slot = 0; slot < 2; ++slot) {
            writeU16(im.data(), StepTable + 8 * slot, u16(20 + slot));
            writeU16(im.data(), StepTable + 8 * slot + 2, 0);
            writeU16(im.data(), StepTable + 8 * slot + 4, 0);
            writeU16(im.data(), StepTable + 8 * slot + 6, 0);
        }
        program_list_class store;
        entry_list entries;
        store.rebuildFromImage(im.data(), entries.list);
        compareProgram(store, {0, 4, {makeStep(20, zero, QTime(0, 0, 1), zero), makeStep(21, zero, QTime(0, 0, 1), zero)}});
    }

    void recurrencesOnRebuild_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("lastEndWord");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QTime>("lastFadeDown");
        QTest::newRow("kept") << 100 << 20 << 100 << QTime(0, 0, 2);
        QTest::newRow("0 without the endless mark becomes 1") << 0 << 20 << 1 << QTime(0, 0, 2);
        QTest::newRow("101 becomes 1") << 101 << 20 << 1 << QTime(0, 0, 2);
        QTest::newRow("endless mark sets 0") << 5 << 0xFFFE << 0 << QTime(0, 0);
        QTest::newRow("more-steps mark on the last step") << 0xFFFF << 0xFFFF << 1 << QTime(0, 0);
    }
    void recurrencesOnRebuild()
    {
        QFETCH(int, stored);
        QFETCH(int, lastEndWord);
        QFETCH(int, expected);
        QFETCH(QTime, lastFadeDown);
        std::vector<u8> im = emptyImage();
        writeU32(im.data(), FirstStepTable + 4 * 3, SlotBase + 8 * 100);
        writeU16(im.data(), CountTable + 2 * 3, 1);
        writeU16(im.data(), RecurrenceTable + 2 * 3, u16(stored));
        writeU16(im.data(), StepTable + 8 * 100, 12);
        writeU16(im.data(), StepTable + 8 * 100 + 2, 5);
        writeU16(im.data(), StepTable + 8 * 100 + 4, 10);
        writeU16(im.data(), StepTable + 8 * 100 + 6, u16(lastEndWord));
        program_list_class store;
        entry_list entries;
        store.rebuildFromImage(im.data(), entries.list);
        compareProgram(store, {3, u16(expected), {makeStep(12, QTime(0, 0, 0, 500), QTime(0, 0, 1), lastFadeDown)}});
    }

    void exactly8192StepsCommit()
    {
        scripted_interaction ui;
        program_list_class store;
        for (int p = 0; p < 8; ++p)
            addProgramOfSteps(store, p, 999);
        addProgramOfSteps(store, 8, 199);
        addProgramOfSteps(store, 9, 1, 77);
        // Only 999 steps of a longer program reach the image, and so only they need slots.
        store.find(0)->appendStep(new program_step_class);
        std::vector<u8> im = emptyImage();
        entry_list entries;
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(firstStep(im, 9), SlotBase + 8 * 8191);
        QCOMPARE(stepWord(im, 8191, 0), u16(77));
        QCOMPARE(stepWord(im, 8191, 3), u16(0));
    }

    void slot8193IsRefusedAndNothingWritten()
    {
        scripted_interaction ui;
        program_list_class store;
        addProgramOfSteps(store, 3, 10);
        std::vector<u8> im = emptyImage();
        entry_list entries;
        entries.list.append(entry(3, 1, 511));
        writeU16(im.data(), OrdinaryCountWord, 512);
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        const std::vector<u8> before = im;

        for (int p = 0; p < 9; ++p) {
            if (p != 3)
                addProgramOfSteps(store, p, 999);
        }
        addProgramOfSteps(store, 9, 191);  // 8 x 999 + 10 + 191 = 8193
        QCOMPARE(store.commitToImage(im.data(), entries.list), -1);
        QVERIFY(im == before);
        QCOMPARE(ui.messages.size(), 1);
        const message_request &box = ui.messages.first();
        QCOMPARE(box.icon, message_icon::Critical);
        QCOMPARE(box.title, QStringLiteral("Warning!"));
        QCOMPARE(box.text, QStringLiteral("Program steps limit exceed!"));
        QCOMPARE(box.buttons, unsigned(message_button::Ok));
        QVERIFY(box.customButtons.isEmpty());
        QCOMPARE(box.parent, dialog_parent::MainWindow);
    }

    // Programs whose numbers extra entries occupy are not written, so they need no slots.
    void programsUnderExtraEntriesNeedNoSlots()
    {
        scripted_interaction ui;
        program_list_class store;
        for (int p = 0; p < 8; ++p)
            addProgramOfSteps(store, p, 999);
        addProgramOfSteps(store, 8, 200);
        addProgramOfSteps(store, 511, 5);
        entry_list entries;
        entries.list.append(entry(0, 1, 511));
        std::vector<u8> im = emptyImage();
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(firstStep(im, 511), SlotBase + 8);
        QCOMPARE(countOf(im, 511), u16(998));
    }

    void twoExtraEntries()
    {
        program_list_class store;
        addProgramOfSteps(store, 0, 2);
        addProgramOfSteps(store, 3, 5, 30);
        addProgramOfSteps(store, 7, 4, 70);
        store.setRecurrences(3, 0);
        entry_list entries;
        entries.list << entry(3, 2, 511) << entry(7, 1, 510);
        std::vector<u8> im = emptyImage();
        writeU16(im.data(), OrdinaryCountWord, 512);
        writeU16(im.data(), ChainTable + 2 * 511, 0x400);
        writeU16(im.data(), ChainTable + 2 * 510, 0x401);
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);

        QCOMPARE(ordinaryCountWord(im), u16(510));
        QCOMPARE(firstStep(im, 3), SlotBase + 8 * 2);
        QCOMPARE(firstStep(im, 7), SlotBase + 8 * 7);
        QCOMPARE(countOf(im, 511), u16(3));
        QCOMPARE(firstStep(im, 511), SlotBase + 8 * 2 + 16);
        QCOMPARE(countOf(im, 510), u16(3));
        QCOMPARE(firstStep(im, 510), SlotBase + 8 * 7 + 8);
        for (u32 p : {510u, 511u}) {
            QCOMPARE(recurrencesOf(im, p), u16(1));
            QCOMPARE(chainOf(im, p), u16(0xFFFF));
        }
        QCOMPARE(extraWord(im, 511), 0x00020003u);
        QCOMPARE(extraWord(im, 510), 0x00010007u);
        for (u32 p = 0; p < 510; ++p)
            QCOMPARE(extraWord(im, p), 0xFFFFFFFFu);

        // Rebuilt: the same programs, the same entries in the same order.
        program_list_class rebuilt;
        QCOMPARE(rebuilt.rebuildFromImage(im.data(), entries.list), 0);
        QCOMPARE(rebuilt.count(), 3);
        QCOMPARE(rebuilt.stepCount(3), 5);
        QCOMPARE(rebuilt.recurrences(3), 0);
        QCOMPARE(rebuilt.scene(7, 3), 73);
        QCOMPARE(entries.list.size(), 2);
        QCOMPARE(int(entries.list.at(0)->source), 3);
        QCOMPARE(int(entries.list.at(0)->start), 2);
        QCOMPARE(int(entries.list.at(0)->asProgram), 511);
        QCOMPARE(int(entries.list.at(1)->source), 7);
        QCOMPARE(int(entries.list.at(1)->start), 1);
        QCOMPARE(int(entries.list.at(1)->asProgram), 510);
    }

    void extraEntriesOffKeepTheWordOff()
    {
        program_list_class store;
        addProgramOfSteps(store, 1, 3);
        entry_list entries;
        entries.list << entry(1, 1, 511);
        std::vector<u8> im = emptyImage();
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        QCOMPARE(ordinaryCountWord(im), u16(0xFFFF));
        QCOMPARE(countOf(im, 511), u16(2));
    }

    // Entries that cannot be played are written as empty programs, but their source and
    // start stay in the table, so they come back when the configuration is reopened.
    void unhonouredExtraEntries_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("start");
        QTest::addColumn<uint>("tableWord");
        QTest::addColumn<int>("rebuiltSource");
        QTest::addColumn<int>("rebuiltStart");
        // Program 2 has 4 steps, program 5 none, program 6 is missing, 510 is an extra entry.
        QTest::newRow("start at the first step") << 2 << 0 << 0x00000002u << 2 << 0;
        QTest::newRow("start at the count") << 2 << 4 << 0x00040002u << 2 << 4;
        QTest::newRow("start beyond the count") << 2 << 0x1000 << 0x10000002u << 2 << 0x1000;
        QTest::newRow("source without steps") << 5 << 0 << 0x00000005u << 5 << 0;
        QTest::newRow("missing source") << 6 << 0 << 0x00000006u << 6 << 0;
        QTest::newRow("source is an extra entry") << 510 << 0 << 0x000001FEu << 510 << 0;
        QTest::newRow("hole") << 0xFFFF << 0xFFFF << 0xFFFFFFFFu << 0xFFFF << 0xFFFF;
        QTest::newRow("source 512 is a hole") << 512 << 1 << 0xFFFFFFFFu << 0xFFFF << 0xFFFF;
    }
    void unhonouredExtraEntries()
    {
        QFETCH(int, source);
        QFETCH(int, start);
        QFETCH(uint, tableWord);
        QFETCH(int, rebuiltSource);
        QFETCH(int, rebuiltStart);
        program_list_class store;
        addProgramOfSteps(store, 2, 4);
        store.setStepCount(5u, 0);
        entry_list entries;
        entries.list << entry(u16(source), u16(start), 511) << entry(2, 1, 510);
        std::vector<u8> im = emptyImage();
        writeU16(im.data(), OrdinaryCountWord, 512);
        writeU16(im.data(), ChainTable + 2 * 511, 0x400);
        writeU16(im.data(), RecurrenceTable + 2 * 511, 0);
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);

        QCOMPARE(countOf(im, 511), u16(0));
        QCOMPARE(firstStep(im, 511), 0xFFFFFFFFu);
        QCOMPARE(recurrencesOf(im, 511), u16(1));
        QCOMPARE(chainOf(im, 511), u16(0xFFFF));
        QCOMPARE(extraWord(im, 511), tableWord);
        QCOMPARE(countOf(im, 510), u16(3));  // the good entry is played

        program_list_class rebuilt;
        rebuilt.rebuildFromImage(im.data(), entries.list);
        QCOMPARE(entries.list.size(), 2);
        QCOMPARE(int(entries.list.at(0)->source), rebuiltSource);
        QCOMPARE(int(entries.list.at(0)->start), rebuiltStart);
        QCOMPARE(int(entries.list.at(0)->asProgram), 511);
        QCOMPARE(int(entries.list.at(1)->source), 2);
    }

    void rebuildFindsTheOrdinaryPrograms_data()
    {
        QTest::addColumn<int>("storedWord");
        QTest::addColumn<QList<int>>("holes");  // extra-table slots holding 0xFFFFFFFF
        QTest::addColumn<int>("expectedN");
        QTest::addColumn<int>("expectedWord");
        QTest::newRow("leading holes become ordinary") << 500 << QList<int>{500, 501} << 502 << 502;
        QTest::newRow("inner hole stays an entry") << 500 << QList<int>{505} << 500 << 500;
        QTest::newRow("all holes") << 508 << QList<int>{508, 509, 510, 511} << 512 << 512;
        QTest::newRow("extra entries off") << 0xFFFF << QList<int>{} << 512 << 0xFFFF;
        QTest::newRow("word above 512 is off") << 600 << QList<int>{} << 512 << 600;
        QTest::newRow("512 ordinary") << 512 << QList<int>{} << 512 << 512;
        QTest::newRow("no ordinary program") << 0 << QList<int>{} << 0 << 0;
    }
    void rebuildFindsTheOrdinaryPrograms()
    {
        QFETCH(int, storedWord);
        QFETCH(QList<int>, holes);
        QFETCH(int, expectedN);
        QFETCH(int, expectedWord);
        std::vector<u8> im = emptyImage();
        writeU16(im.data(), OrdinaryCountWord, u16(storedWord));
        for (u32 p = 0; p < ProgramCount; ++p) {
            // Every program has a step, and every slot names a source and start.
            writeU32(im.data(), FirstStepTable + 4 * p, SlotBase + 8 * p);
            writeU16(im.data(), CountTable + 2 * p, 1);
            writeU16(im.data(), StepTable + 8 * p, u16(p));
            writeU16(im.data(), StepTable + 8 * p + 4, 10);
            if (!holes.contains(int(p)))
                writeU32(im.data(), ExtraTable + 4 * p, (u32(p % 9) << 16) | (p % 7));
        }
        program_list_class store;
        entry_list entries;
        store.rebuildFromImage(im.data(), entries.list);

        QCOMPARE(int(ordinaryCountWord(im)), expectedWord);
        QCOMPARE(store.count(), expectedN);
        for (int p = 0; p < expectedN; ++p)
            QCOMPARE(store.scene(p, 0), p);
        QVERIFY(!store.find(expectedN));
        QCOMPARE(entries.list.size(), 512 - expectedN);
        for (int j = 0; j < entries.list.size(); ++j) {
            const extra_entry_class *e = entries.list.at(j);
            const int p = 511 - j;
            QCOMPARE(int(e->asProgram), p);
            QCOMPARE(int(e->source), holes.contains(p) ? 0xFFFF : p % 7);
            QCOMPARE(int(e->start), holes.contains(p) ? 0xFFFF : p % 9);
        }
    }

    void rebuildSourceLimits_data()
    {
        QTest::addColumn<uint>("tableWord");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("start");
        QTest::newRow("511") << 0x000301FFu << 511 << 3;
        QTest::newRow("512 kept") << 0x00030200u << 512 << 3;
        QTest::newRow("513 is a hole") << 0x00030201u << 0xFFFF << 0xFFFF;
        QTest::newRow("0xFFFE is a hole") << 0x0003FFFEu << 0xFFFF << 0xFFFF;
    }
    void rebuildSourceLimits()
    {
        QFETCH(uint, tableWord);
        QFETCH(int, source);
        QFETCH(int, start);
        std::vector<u8> im = emptyImage();
        writeU16(im.data(), OrdinaryCountWord, 510);
        writeU32(im.data(), ExtraTable + 4 * 510, 0x00000001);
        writeU32(im.data(), ExtraTable + 4 * 511, tableWord);
        program_list_class store;
        entry_list entries;
        store.rebuildFromImage(im.data(), entries.list);
        QCOMPARE(entries.list.size(), 2);
        QCOMPARE(int(entries.list.at(0)->source), source);
        QCOMPARE(int(entries.list.at(0)->start), start);
        QCOMPARE(entries.list.at(0)->isHole(), source > 511);
    }

    void rebuildReplacesTheStoreAndTheEntries()
    {
        std::vector<u8> im = emptyImage();
        program_list_class store;
        addProgramOfSteps(store, 9, 4);
        entry_list entries;
        entries.list << entry(9, 1, 511);
        store.rebuildFromImage(im.data(), entries.list);
        QCOMPARE(store.count(), 0);
        QVERIFY(entries.list.isEmpty());
    }

    // Damaged tables: every step the image cannot describe is dropped, and nothing is read
    // outside the step table.
    void damagedImage_data()
    {
        QTest::addColumn<uint>("address");
        QTest::addColumn<int>("storedCount");
        QTest::addColumn<int>("badSceneAt");     // slot given scene 3072, -1 none
        QTest::addColumn<int>("expectedFirst");  // slot of the first rebuilt step
        QTest::addColumn<int>("expectedSteps");
        QTest::addColumn<int>("expectedRecurrences");  // stored 200: the last step resets it to 1
        QTest::newRow("at the base") << 0x621A0000u << 3 << -1 << 0 << 3 << 1;
        QTest::newRow("below the base") << 0x62000000u << 3 << -1 << 0 << 0 << 200;
        QTest::newRow("one slot below the base") << 0x6219FFF8u << 3 << -1 << 0 << 0 << 200;
        QTest::newRow("zero address") << 0x00000000u << 3 << -1 << 0 << 0 << 200;
        QTest::newRow("past the slot table") << 0x621B0000u << 3 << -1 << 0 << 0 << 200;
        QTest::newRow("inside the last record") << 0x621AFFF9u << 1 << -1 << 0 << 0 << 200;
        QTest::newRow("last slot") << 0x621AFFF8u << 1 << -1 << 8191 << 1 << 1;
        QTest::newRow("running past the last slot") << 0x621AFFF0u << 10 << -1 << 8190 << 2 << 200;
        QTest::newRow("unaligned") << 0x621A0014u << 2 << -1 << 2 << 2 << 1;
        QTest::newRow("count 0xFFFF") << 0x621A0000u << 0xFFFF << -1 << 0 << 0 << 200;
        QTest::newRow("count 8192") << 0x621A0000u << 8192 << -1 << 0 << 0 << 200;
        QTest::newRow("count 8191 decodes 999") << 0x621A0000u << 8191 << -1 << 0 << 999 << 1;
        QTest::newRow("count 0") << 0x621A0000u << 0 << -1 << 0 << 0 << 200;
        QTest::newRow("scene 3072 mid-program") << 0x621A0000u << 5 << 2 << 0 << 2 << 200;
        QTest::newRow("scene 3072 first") << 0x621A0008u << 5 << 1 << 1 << 0 << 200;
        QTest::newRow("scene 3072 after the last step") << 0x621A0000u << 3 << 3 << 0 << 3 << 1;
    }
    void damagedImage()
    {
        QFETCH(uint, address);
        QFETCH(int, storedCount);
        QFETCH(int, badSceneAt);
        QFETCH(int, expectedFirst);
        QFETCH(int, expectedSteps);
        QFETCH(int, expectedRecurrences);
        std::vector<u8> im = emptyImage();
        for (u32 slot = 0; slot < StepSlotCount; ++slot) {
            writeU16(im.data(), StepTable + 8 * slot, u16(slot % 3000));
            writeU16(im.data(), StepTable + 8 * slot + 2, 1);
            writeU16(im.data(), StepTable + 8 * slot + 4, 2);
            writeU16(im.data(), StepTable + 8 * slot + 6, 3);
            writeU16(im.data(), StepEventTable + 2 * slot, u16(slot));
        }
        if (badSceneAt >= 0)
            writeU16(im.data(), StepTable + 8 * u32(badSceneAt), 3072);
        // The action table right after the step table: a decoder that ran past slot 8191
        // would find scenes here.
        std::fill(im.begin() + 0x1B0000, im.begin() + 0x1B0100, u8(0));
        writeU32(im.data(), FirstStepTable + 4 * 6, address);
        writeU16(im.data(), CountTable + 2 * 6, u16(storedCount));
        writeU16(im.data(), RecurrenceTable + 2 * 6, 200);

        program_list_class store;
        entry_list entries;
        QCOMPARE(store.rebuildFromImage(im.data(), entries.list), 0);
        QCOMPARE(store.count(), 1);
        QCOMPARE(store.stepCount(6), expectedSteps);
        QCOMPARE(store.recurrences(6), expectedRecurrences);
        for (int j = 0; j < expectedSteps; ++j) {
            const u32 slot = u32(expectedFirst + j);
            QCOMPARE(store.scene(6, j), int(slot % 3000));
            QCOMPARE(store.stepEvent(6, j), int(slot));
        }

        // What was rebuilt commits and rebuilds to the same programs.
        QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
        program_list_class again;
        again.rebuildFromImage(im.data(), entries.list);
        QCOMPARE(again.stepCount(6), expectedSteps > 0 ? expectedSteps : -1);
    }

    // Random program tables: the rebuild never fails and never makes a program the image
    // cannot hold. A first commit writes every rebuilt step in a form the image describes
    // (a damaged program may have lost its last step and kept odd recurrences); from the
    // second commit on, rebuilding and committing changes nothing.
    void randomTablesRebuild()
    {
        scripted_interaction ui;
        QRandomGenerator random(625);
        int committedRounds = 0;
        for (int round = 0; round < 20; ++round) {
            std::vector<u8> im = emptyImage();
            for (u32 at = FirstStepTable; at < StepTable + 0x10000; at += 4)
                writeU32(im.data(), at, random.generate());
            // Mostly plausible addresses and counts, so that many steps are decoded.
            for (u32 p = 0; p < ProgramCount; ++p) {
                if (random.bounded(4) != 0) {
                    writeU32(im.data(), FirstStepTable + 4 * p, SlotBase + 8 * random.bounded(8192));
                    writeU16(im.data(), CountTable + 2 * p, u16(random.bounded(30)));
                }
            }
            for (u32 slot = 0; slot < StepSlotCount; ++slot)
                writeU16(im.data(), StepTable + 8 * slot, u16(random.bounded(3200)));
            writeU16(im.data(), OrdinaryCountWord, u16(random.bounded(520)));

            program_list_class store;
            entry_list entries;
            QCOMPARE(store.rebuildFromImage(im.data(), entries.list), 0);
            for (int p = 0; p < 512; ++p) {
                QVERIFY(store.stepCount(p) <= 999);
                for (int j = 0; j < qMax(0, store.stepCount(p)); ++j)
                    QVERIFY(store.scene(p, j) < 3072);
            }
            if (store.commitToImage(im.data(), entries.list) != 0)
                continue;  // overlapping programs may need more than 8192 slots
            ++committedRounds;
            store.rebuildFromImage(im.data(), entries.list);
            QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
            const QByteArray committed = programTables(im);
            store.rebuildFromImage(im.data(), entries.list);
            QCOMPARE(store.commitToImage(im.data(), entries.list), 0);
            QVERIFY(programTables(im) == committed);
        }
        QVERIFY(committedRounds >= 10);  // the idempotence check above did run
    }
};

QTEST_GUILESS_MAIN(tst_program_image)
#include "tst_program_image.moc"
