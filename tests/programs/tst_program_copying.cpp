#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_copying.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/image_program_reader.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/page_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

using namespace image_layout;

namespace {

// One step as a test writes it; times in tenths, a duration of -1 is infinite.
struct test_step {
    int scene = 0;
    int fadeUp = 0;
    int duration = 10;
    int fadeDown = 0;
    int event = NoEvent;
};
using step_list = QList<test_step>;

constexpr int Infinite = -1;

// The answers of the questions about one program, by button index.
enum problem_answer { GoOn = 0, Supress = 1, Cancel = 2 };
// The answers of the overlap question.
enum overlap_answer { OverlapCancel = 0, OverlapYes = 1 };

void putProgram(controller_configuration_class &c, int program, const step_list &steps, int recurrences = 1)
{
    program_list_class &list = c.programList;
    list.setStepCount(u32(program), int(steps.size()));
    list.setRecurrences(program, recurrences);
    for (int i = 0; i < steps.size(); ++i) {
        const test_step &s = steps[i];
        list.setScene(program, i, s.scene);
        list.setRiseTime(program, i, tenthsToTime(u32(s.fadeUp)));
        list.setLastTime(program, i, tenthsToTime(u32(qMax(0, s.duration))));
        if (s.duration == Infinite)
            list.setLastTimeInf(program, i);
        list.setFallTime(program, i, tenthsToTime(u32(s.fadeDown)));
        list.setStepEvent(program, i, s.event);
    }
}

// A program of the store as one line: "-" when the store does not hold it, else its
// recurrences and every step with all its fields (the duration also while infinite).
QString programText(const controller_configuration_class &c, int program)
{
    const program_class *p = c.programList.find(program);
    if (!p)
        return QStringLiteral("-");
    QStringList parts{QStringLiteral("r%1").arg(p->recurrences)};
    for (const program_step_class *s : p->steps)
        parts << QStringLiteral("s%1 %2 %3%4 %5 e%6")
                     .arg(s->scene)
                     .arg(timeToTenths(s->fadeUp))
                     .arg(s->infinite ? QStringLiteral("inf/") : QString())
                     .arg(timeToTenths(s->duration))
                     .arg(timeToTenths(s->fadeDown))
                     .arg(s->event, 0, 16);
    return parts.join(QLatin1String(" | "));
}

QStringList programTexts(const controller_configuration_class &c, int first, int last)
{
    QStringList texts;
    for (int p = first; p <= last; ++p)
        texts << programText(c, p);
    return texts;
}

QList<int> scenesOf(const controller_configuration_class &c, int program)
{
    QList<int> scenes;
    if (const program_class *p = c.programList.find(program)) {
        for (const program_step_class *s : p->steps)
            scenes << s->scene;
    }
    return scenes;
}

// A recognisable set of levels for a scene.
QByteArray levelsFor(int seed)
{
    QByteArray levels(int(ChannelCount), '\0');
    for (int ch = 0; ch < levels.size(); ++ch)
        levels[ch] = char((seed * 7 + ch * 3) & 0xFF);
    return levels;
}

void setLevels(controller_configuration_class &c, int scene, const QByteArray &levels)
{
    std::memcpy(c.confData + sceneLevel(u32(scene), 0), levels.constData(), ChannelCount);
}

QByteArray levelsOf(const controller_configuration_class &c, int scene)
{
    return QByteArray(reinterpret_cast<const char *>(c.confData + sceneLevel(u32(scene), 0)), int(ChannelCount));
}

u16 breakWord(const controller_configuration_class &c, int program)
{
    return readU16(c.confData, programBreakFadeDown(u32(program)));
}

u16 chainWord(const controller_configuration_class &c, int program)
{
    return readU16(c.confData, programChainedEvent(u32(program)));
}

// One step record written straight into an image, for the reader's cases.
struct raw_step {
    int scene;
    int fadeUp;
    int duration;
    int endWord;
};
using raw_steps = QList<raw_step>;

} // namespace

Q_DECLARE_METATYPE(step_list)
Q_DECLARE_METATYPE(raw_steps)

class tst_program_copying : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabWidgets();
    void rangeBounds();
    void scenesGoIntoThePool_data();
    void scenesGoIntoThePool();
    void poolOverlappingTheSources_data();
    void poolOverlappingTheSources();
    void rangeChecks_data();
    void rangeChecks();
    void reversalMovesTheFadeDown();
    void questionsOnTheWay();
    void cancelRestoresTheDestinations_data();
    void cancelRestoresTheDestinations();
    void stepLimitCopiesNothing();
    void fullStoreIsNotCopiedInto();
    void realOverlapQuestion();

    void copyFromAFile_data();
    void copyFromAFile();
    void openAndRelease();
    void browse();
    void clearingTheOtherConfiguration();
    void readerRules_data();
    void readerRules();

private:
    aprogram_settings_widget *makePage();
    kd620_controller_class &c() { return *f->controller; }
    aprogram_settings_copying *tab() { return page->copyingPage; }
    // Makes `program` (0-based) the current one.
    void select(int program);
    // Sets the range and pool of the Current Configuration group and presses Copy.
    void copy(int from, int to, int pool = 1);
    // Writes other's configuration to a file in `dir` and returns its path.
    QString writeFile(kd620_controller_class &other, const QString &name);

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
    QTemporaryDir dir;
};

void tst_program_copying::init()
{
    f = std::make_unique<page_fixture>();
    page = nullptr;
}

void tst_program_copying::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

aprogram_settings_widget *tst_program_copying::makePage()
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
    page->programTabs->setCurrentIndex(aprogram_settings_widget::CopyingTab);
    return page;
}

void tst_program_copying::select(int program)
{
    page->programTable->selectRow(program);
}

void tst_program_copying::copy(int from, int to, int pool)
{
    tab()->copyFromSpin->setValue(from);
    tab()->copyToSpin->setValue(to);
    tab()->scenePoolSpin->setValue(pool);
    tab()->copyButton->click();
}

QString tst_program_copying::writeFile(kd620_controller_class &other, const QString &name)
{
    const QString path = dir.filePath(name);
    other.write_confDataToFile(path, false);
    f->ui.clear();
    return path;
}

// --- within the configuration -------------------------------------------------------------

void tst_program_copying::tabWidgets()
{
    makePage();
    aprogram_settings_copying *t = tab();
    QCOMPARE(page->programTabs->currentWidget(), static_cast<QWidget *>(t));
    QCOMPARE(t->currentGroup->title(), QStringLiteral("Current Configuration"));
    QCOMPARE(t->anotherGroup->title(), QStringLiteral("Another Configuration"));
    QCOMPARE(t->reverseBox->text(), QStringLiteral("Reverse steps' order"));
    QCOMPARE(t->noScenesBox->text(), QStringLiteral("Do not copy scenes"));
    QVERIFY(!t->reverseBox->isChecked());
    QVERIFY(!t->noScenesBox->isChecked());
    QCOMPARE(t->scenePoolSpin->minimum(), 1);
    QCOMPARE(t->scenePoolSpin->maximum(), 3072);
    QCOMPARE(t->scenePoolSpin->value(), 1);
    for (QSpinBox *spin : {t->copyFromSpin, t->copyToSpin, t->altFromSpin, t->altToSpin}) {
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 512);
    }
    QStringList buttons;
    for (QPushButton *b : {t->copyButton, t->altBrowseButton, t->altOpenButton, t->altReleaseButton, t->altCopyButton})
        buttons << b->text();
    QCOMPARE(buttons, QStringList({"Copy", "Browse", "Open", "Release", "Copy"}));
    QVERIFY(t->copyButton->isEnabled());
    QVERIFY(!t->altCopyButton->isEnabled());
    QVERIFY(t->altFileEdit->text().isEmpty());

    // The label names the first destination.
    QCOMPARE(t->copyProgramLabel->text(), QStringLiteral("Program: 1"));
    QVERIFY(t->copyProgramLabel->alignment().testFlag(Qt::AlignHCenter));
    select(41);
    QCOMPARE(t->copyProgramLabel->text(), QStringLiteral("Program: 42"));
}

void tst_program_copying::rangeBounds()
{
    c().programDescs[6] = QStringLiteral("seventh");
    makePage();
    aprogram_settings_copying *t = tab();
    t->copyToSpin->setValue(3);
    t->copyFromSpin->setValue(7);
    // The last program of the range follows the first up, and the line shows the first.
    QCOMPARE(t->copyToSpin->minimum(), 7);
    QCOMPARE(t->copyToSpin->value(), 7);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("seventh"));
    QVERIFY(page->programDescEdit->isReadOnly());
    t->copyFromSpin->setValue(2);
    QCOMPARE(t->copyToSpin->minimum(), 2);
    QCOMPARE(t->copyToSpin->value(), 7);
    QCOMPARE(page->programDescEdit->text(), QString());
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_copying::scenesGoIntoThePool_data()
{
    QTest::addColumn<bool>("noScenes");
    QTest::addColumn<QList<int>>("scenes5");
    QTest::addColumn<QList<int>>("scenes6");
    QTest::newRow("into the pool") << false << QList<int>{99, 100} << QList<int>{99};
    QTest::newRow("do not copy scenes") << true << QList<int>{9, 10} << QList<int>{9};
}

void tst_program_copying::scenesGoIntoThePool()
{
    QFETCH(bool, noScenes);
    QFETCH(QList<int>, scenes5);
    QFETCH(QList<int>, scenes6);
    // Programs 5 and 6 use scenes 10, 11 and 10 again (0-based 9, 10, 9).
    putProgram(c(), 4, {{9, 5, 20, 0, 0x400}, {10, 0, Infinite, 0}}, 4);
    putProgram(c(), 5, {{9, 0, 30, 15}}, 2);
    writeU16(c().confData, programBreakFadeDown(4), 35);
    writeU16(c().confData, programChainedEvent(5), 0x1203);
    c().programDescs[4] = QStringLiteral("five");
    c().programDescs[5] = QStringLiteral("six");
    setLevels(c(), 9, levelsFor(10));
    setLevels(c(), 10, levelsFor(11));
    c().sceneDescs[9] = QStringLiteral("ten");
    c().sceneDescs[10] = QStringLiteral("eleven");
    const QByteArray poolLevels = levelsOf(c(), 99);
    makePage();
    QSignalSpy relabels(page, &aprogram_settings_widget::relabelScenes);
    tab()->noScenesBox->setChecked(noScenes);
    select(19);
    copy(5, 6, 100);

    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(relabels.count(), 1);
    QCOMPARE(scenesOf(c(), 19), scenes5);
    QCOMPARE(scenesOf(c(), 20), scenes6);
    // Everything else of the steps and programs comes along.
    const QString copied19 = programText(c(), 4).replace(QLatin1String("s9 "), QStringLiteral("s%1 ").arg(scenes5[0]))
                                 .replace(QLatin1String("s10 "), QStringLiteral("s%1 ").arg(scenes5[1]));
    QCOMPARE(programText(c(), 19), copied19);
    QCOMPARE(c().programList.recurrences(20), 2);
    QCOMPARE(breakWord(c(), 19), u16(35));
    QCOMPARE(breakWord(c(), 20), breakWord(c(), 5));
    QCOMPARE(chainWord(c(), 20), u16(0x1203));
    QCOMPARE(c().programDescs[19], QStringLiteral("five"));
    QCOMPARE(c().programDescs[20], QStringLiteral("six"));
    QCOMPARE(page->programTable->item(19, 0)->text(), QStringLiteral("five"));
    if (noScenes) {
        QCOMPARE(levelsOf(c(), 99), poolLevels);
        QCOMPARE(c().sceneDescs[99], QString());
    } else {
        QCOMPARE(levelsOf(c(), 99), levelsFor(10));
        QCOMPARE(levelsOf(c(), 100), levelsFor(11));
        QCOMPARE(c().sceneDescs[99], QStringLiteral("ten"));
        QCOMPARE(c().sceneDescs[100], QStringLiteral("eleven"));
        // The scenes' times are not copied.
        QCOMPARE(readU16(c().confData, sceneTimes(99)), readU16(c().confData, sceneTimes(200)));
    }
    // The sources are as they were; the copies reached the image.
    QCOMPARE(scenesOf(c(), 4), QList<int>({9, 10}));
    QCOMPARE(readU16(c().confData, programStepCount(19)), u16(2));
    const u32 slot20 = stepSlotOfAddress(readU32(c().confData, programFirstStep(20)));
    QCOMPARE(program_step_record::read(c().confData, slot20).scene, u16(scenes6[0]));
}

void tst_program_copying::poolOverlappingTheSources_data()
{
    // Scenes from 1, as the page shows them. The pool may start on scenes the copied
    // program uses; every copy still gets what its source scene held before the copy.
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<QList<int>>("sourceScenes");  // of program 5, in step order
    QTest::addColumn<int>("pool");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QList<int>>("copyScenes");    // in the copy's step order
    QTest::newRow("pool on the second source") << false << QList<int>{10, 11} << 11 << false << QList<int>{11, 12};
    QTest::newRow("pool below the sources, met downwards")
        << false << QList<int>{13, 12, 11} << 10 << false << QList<int>{10, 11, 12};
    QTest::newRow("pool repeating a source") << false << QList<int>{10, 11, 10} << 11 << false << QList<int>{11, 12, 11};
    // Reversed, the steps are laid down last first; the pool still numbers the scenes in
    // the order the source's steps meet them (11 to 10, 12 to 11).
    QTest::newRow("pool below the sources, reversed") << false << QList<int>{11, 12} << 10 << true << QList<int>{11, 10};
    QTest::newRow("another file, pool on the second source") << true << QList<int>{10, 11} << 11 << false
                                                             << QList<int>{11, 12};
    QTest::newRow("another file, pool below the sources")
        << true << QList<int>{13, 12, 11} << 10 << false << QList<int>{10, 11, 12};
    QTest::newRow("another file, pool below the sources, reversed")
        << true << QList<int>{11, 12} << 10 << true << QList<int>{11, 10};
}

void tst_program_copying::poolOverlappingTheSources()
{
    QFETCH(bool, fromFile);
    QFETCH(QList<int>, sourceScenes);
    QFETCH(int, pool);
    QFETCH(bool, reverse);
    QFETCH(QList<int>, copyScenes);
    kd620_controller_class other;
    controller_configuration_class &source = fromFile ? static_cast<controller_configuration_class &>(other) : c();
    step_list steps;
    for (int scene : sourceScenes)
        steps << test_step{scene - 1, 0, 10, 0};
    putProgram(source, 4, steps);
    // Each scene from 9 to 14 is recognisable by its levels and its description, in both
    // configurations.
    for (int scene = 9; scene <= 14; ++scene) {
        setLevels(c(), scene - 1, levelsFor(scene));
        c().sceneDescs[size_t(scene - 1)] = QStringLiteral("scene %1").arg(scene);
        setLevels(other, scene - 1, levelsFor(100 + scene));
        other.sceneDescs[size_t(scene - 1)] = QStringLiteral("other scene %1").arg(scene);
    }
    makePage();
    select(19);
    tab()->reverseBox->setChecked(reverse);
    if (fromFile) {
        tab()->altFileEdit->setText(writeFile(other, QStringLiteral("other.cfg625")));
        tab()->altOpenButton->click();
        QVERIFY(page->tmpDev);
        f->ui.clear();
        tab()->altFromSpin->setValue(5);
        tab()->altToSpin->setValue(5);
        tab()->scenePoolSpin->setValue(pool);
        tab()->altCopyButton->click();
    } else {
        copy(5, 5, pool);
    }

    QVERIFY(f->ui.messages.isEmpty());
    QList<int> expectedScenes;
    for (int scene : copyScenes)
        expectedScenes << scene - 1;
    QCOMPARE(scenesOf(c(), 19), expectedScenes);
    // The source scene each step of the copy plays.
    QList<int> playedSources = sourceScenes;
    if (reverse)
        std::reverse(playedSources.begin(), playedSources.end());
    // Which scene's levels a scene holds, by the seed they were made with (-1: none of them).
    auto levelsSeed = [this](int scene) {
        for (int seed : {9, 10, 11, 12, 13, 14, 109, 110, 111, 112, 113, 114}) {
            if (levelsOf(c(), scene - 1) == levelsFor(seed))
                return seed;
        }
        return -1;
    };
    const int seedBase = fromFile ? 100 : 0;
    const QString descBase = fromFile ? QStringLiteral("other scene %1") : QStringLiteral("scene %1");
    for (int i = 0; i < copyScenes.size(); ++i) {
        QCOMPARE(levelsSeed(copyScenes[i]), seedBase + playedSources[i]);
        QCOMPARE(c().sceneDescs[size_t(copyScenes[i] - 1)], descBase.arg(playedSources[i]));
    }
}

void tst_program_copying::rangeChecks_data()
{
    QTest::addColumn<int>("current");   // from 1, as the list shows it
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("filled");  // destinations (from 1) that hold a copy afterwards

    QTest::newRow("onto itself") << 3 << 3 << 3 << QList<int>() << QStringList{"Useless action!"} << QList<int>();
    QTest::newRow("last destination 512") << 512 << 10 << 10 << QList<int>() << QStringList() << QList<int>{512};
    QTest::newRow("511 and 512") << 511 << 10 << 11 << QList<int>() << QStringList() << QList<int>{511, 512};
    QTest::newRow("beyond 512") << 511 << 10 << 12 << QList<int>() << QStringList{"Unrealisable action!"}
                                << QList<int>();
    QTest::newRow("overlap below, answered Cancel")
        << 4 << 5 << 8 << QList<int>{OverlapCancel} << QStringList{"You are warned!"} << QList<int>();
    // Destinations that are sources hold steps: the first question stops the others.
    QTest::newRow("overlap below, answered yes") << 4 << 5 << 8 << QList<int>{OverlapYes, Supress}
                                                 << QStringList{"You are warned!", "Some problems"}
                                                 << QList<int>{4, 5, 6, 7};
    QTest::newRow("right after the range") << 9 << 5 << 8 << QList<int>{Supress} << QStringList{"Some problems"}
                                           << QList<int>{9, 10, 11, 12};
    QTest::newRow("overlap above, answered yes") << 7 << 5 << 8 << QList<int>{OverlapYes, Supress}
                                                 << QStringList{"You are warned!", "Some problems"}
                                                 << QList<int>{7, 8, 9, 10};
}

void tst_program_copying::rangeChecks()
{
    QFETCH(int, current);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, filled);
    // Programs 3 and 5..12 hold one step each, its scene the program's number; the copy
    // keeps the scenes, so each copy names its source.
    for (int p : {3, 5, 6, 7, 8, 10, 11})
        putProgram(c(), p - 1, {{p, 0, 10, 0}});
    makePage();
    tab()->noScenesBox->setChecked(true);
    select(current - 1);
    const QStringList before = programTexts(c(), 0, 511);
    for (int a : answers)
        f->ui.answers.enqueue(a);
    copy(from, to);

    QCOMPARE(f->ui.messageTitles(), titles);
    for (const message_request &m : f->ui.messages)
        QCOMPARE(m.parentWidget.data(), static_cast<QObject *>(page->stepTable));
    QStringList expected = before;
    // Copied one by one in ascending order: a source already overwritten is read as it is.
    for (int i = 0; i < filled.size(); ++i)
        expected[filled[i] - 1] = expected[from - 1 + i];
    QCOMPARE(programTexts(c(), 0, 511), expected);
    if (QTest::currentDataTag() == QLatin1String("overlap above, answered yes"))
        QCOMPARE(QList<int>({scenesOf(c(), 6)[0], scenesOf(c(), 7)[0], scenesOf(c(), 8)[0], scenesOf(c(), 9)[0]}),
                 QList<int>({5, 6, 5, 6}));
}

void tst_program_copying::reversalMovesTheFadeDown()
{
    // A, B, C with 2 s fade-down on C.
    putProgram(c(), 0, {{1, 1, 10, 0, 0x401}, {2, 2, 20, 0}, {3, 3, Infinite, 20, 0x403}}, 5);
    makePage();
    tab()->reverseBox->setChecked(true);
    tab()->noScenesBox->setChecked(true);
    select(4);
    copy(1, 1);
    QCOMPARE(scenesOf(c(), 4), QList<int>({3, 2, 1}));
    const program_class *p = c().programList.find(4);
    QCOMPARE(p->steps.last()->fadeDown, QTime(0, 0, 2));
    QCOMPARE(p->steps.last()->event, u16(0x401));
    QCOMPARE(p->steps.first()->infinite, u8(1));
    QCOMPARE(p->steps.first()->event, u16(0x403));
    QCOMPARE(p->recurrences, u16(5));
    // In the image the copy ends with the fade-down.
    const u32 last = stepSlotOfAddress(readU32(c().confData, programFirstStep(4))) + 2;
    QCOMPARE(program_step_record::read(c().confData, last).endWord, u16(20));
}

void tst_program_copying::questionsOnTheWay()
{
    // Sources 1..4: 1 and 4 hold 5 steps, 2 and 3 are missing; destinations 11..14: 11 and
    // 14 hold 20 steps.
    putProgram(c(), 0, step_list(5, {1, 0, 10, 0}));
    putProgram(c(), 3, step_list(5, {4, 0, 10, 0}));
    putProgram(c(), 10, step_list(20, {7, 0, 10, 0}));
    putProgram(c(), 13, step_list(20, {7, 0, 10, 0}));
    c().programDescs[1] = QStringLiteral("missing two");
    writeU16(c().confData, programChainedEvent(1), 0x402);
    makePage();
    tab()->noScenesBox->setChecked(true);
    select(10);
    // Overwrite the first destination, skip the first missing source, then stop asking.
    f->ui.answers << GoOn << GoOn << Supress;
    copy(1, 4);

    QCOMPARE(f->ui.messageTexts(), QStringList({"Destination program 11 does exist!", "Source program 2 does not exist!",
                                                "Source program 3 does not exist!"}));
    for (const message_request &m : f->ui.messages) {
        QCOMPARE(m.title, QStringLiteral("Some problems"));
        QCOMPARE(m.defaultCustomButton, 0);
        QVERIFY(m.noEscapeButton);
        QCOMPARE(m.parentWidget.data(), static_cast<QObject *>(page->stepTable));
    }
    QCOMPARE(f->ui.messages[0].customButtons.at(0).text, QStringLiteral("Overwrite"));
    QCOMPARE(f->ui.messages[1].customButtons.at(0).text, QStringLiteral("Skip"));
    QCOMPARE(f->ui.messages[1].customButtons.at(1).text, QStringLiteral("Supress warnings"));
    QCOMPARE(f->ui.messages[1].customButtons.at(2).text, QStringLiteral("Cancel"));
    // Overwritten destinations hold exactly the source's steps, asked or not.
    QCOMPARE(programText(c(), 10), programText(c(), 0));
    QCOMPARE(programText(c(), 13), programText(c(), 3));
    // A skipped source's description and chained event still come along.
    QCOMPARE(programText(c(), 11), QStringLiteral("-"));
    QCOMPARE(c().programDescs[11], QStringLiteral("missing two"));
    QCOMPARE(chainWord(c(), 11), u16(0x402));
}

void tst_program_copying::cancelRestoresTheDestinations_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("cancelled at a missing source")
        << 1 << QList<int>{GoOn, Cancel}
        << QStringList{"Destination program 2 does exist!", "Source program 13 does not exist!"};
    QTest::newRow("scene pool overflows") << 3071 << QList<int>{Supress}
                                          << QStringList{"Destination program 2 does exist!", "Scene number limit exceeded!"};
}

void tst_program_copying::cancelRestoresTheDestinations()
{
    QFETCH(int, pool);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, texts);
    // Sources 11, 12 (two scenes each), 13 missing, 14; destinations 2..5: 2 holds an
    // infinite step whose duration is kept beside the flag and a fade-down, 3 is held
    // without steps, 4 is missing, 5 holds steps.
    putProgram(c(), 10, {{20, 0, 10, 0}, {21, 0, 10, 0}});
    putProgram(c(), 11, {{22, 0, 10, 0}, {23, 0, 10, 0}});
    putProgram(c(), 13, {{24, 0, 10, 0}});
    putProgram(c(), 1, {{5, 3, 50, 0, 0x400}, {6, 0, 10, 12}}, 0);
    c().programList.setLastTimeInf(1, 0);
    putProgram(c(), 2, {});
    putProgram(c(), 4, {{8, 0, 10, 0}}, 7);
    for (int p = 0; p < 16; ++p)
        writeU16(c().confData, programBreakFadeDown(u32(p)), u16(100 + p));
    c().programList.commitToImage(c().confData, c().extraEntries);
    const QByteArray image(reinterpret_cast<const char *>(c().confData), int(ImageSize));
    const QStringList before = programTexts(c(), 0, 511);
    const auto descs = c().programDescs;
    const auto sceneDescs = c().sceneDescs;
    makePage();
    QSignalSpy relabels(page, &aprogram_settings_widget::relabelScenes);
    select(1);
    f->ui.answers.append(answers);
    copy(11, 14, pool);

    QCOMPARE(f->ui.messageTexts(), texts);
    QCOMPARE(relabels.count(), 0);
    QCOMPARE(programTexts(c(), 0, 511), before);
    QVERIFY(programText(c(), 1).contains(QLatin1String("inf/50")));
    QCOMPARE(programText(c(), 2), QStringLiteral("r1"));
    QVERIFY(c().programDescs == descs);
    QVERIFY(c().sceneDescs == sceneDescs);
    // Break words of the programs already copied are back too; nothing else was written.
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c().confData), int(ImageSize)), image);
}

void tst_program_copying::stepLimitCopiesNothing()
{
    // 7992 steps in programs 1..8; another 999 no longer fit the image's 8192 slots.
    for (int p = 0; p < 8; ++p)
        putProgram(c(), p, step_list(999, {p, 0, 10, 0}));
    c().programDescs[0] = QStringLiteral("big");
    setLevels(c(), 0, levelsFor(1));
    c().programList.commitToImage(c().confData, c().extraEntries);
    const QByteArray image(reinterpret_cast<const char *>(c().confData), int(ImageSize));
    makePage();
    QSignalSpy relabels(page, &aprogram_settings_widget::relabelScenes);
    select(99);
    const QStringList before = programTexts(c(), 0, 511);
    copy(1, 1, 500);

    QCOMPARE(f->ui.messageTexts(), QStringList({"Program steps limit exceed!"}));
    QCOMPARE(relabels.count(), 0);
    QCOMPARE(programTexts(c(), 0, 511), before);
    QCOMPARE(c().programDescs[99], QString());
    QCOMPARE(c().sceneDescs[499], QString());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c().confData), int(ImageSize)), image);
}

void tst_program_copying::fullStoreIsNotCopiedInto()
{
    // A store that no longer fits the image is not copied into: no question, nothing copied.
    for (int p = 0; p < 9; ++p)
        putProgram(c(), p, step_list(999, {p, 0, 10, 0}));
    putProgram(c(), 20, {{1, 0, 10, 0}});
    makePage();
    select(20);
    const QStringList before = programTexts(c(), 0, 511);
    copy(1, 1);
    QCOMPARE(f->ui.messageTexts(), QStringList({"Program steps limit exceed!"}));
    QCOMPARE(programTexts(c(), 0, 511), before);
}

void tst_program_copying::realOverlapQuestion()
{
    // The real box: modal, over the step table, "Cancel" first and the default. Range 5..6
    // onto 6, program 6 missing: the overlap question is the only box.
    putProgram(c(), 4, {{4, 0, 10, 0}});
    makePage();
    tab()->noScenesBox->setChecked(true);
    select(5);
    widget_user_interaction boxes;
    installUserInteraction(&boxes);
    QStringList seen;
    QWidget *parent = nullptr;
    bool modal = false;
    QTimer answering;
    answering.setInterval(0);
    connect(&answering, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        parent = box->parentWidget();
        modal = box->isModal();
        for (QAbstractButton *b : box->buttons())
            seen << b->text();
        seen << box->defaultButton()->text();
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == QLatin1String("Yes, I do!"))
                b->click();
        }
    });
    answering.start();
    copy(5, 6);
    answering.stop();
    installUserInteraction(&f->ui);
    QVERIFY(modal);
    QCOMPARE(parent, static_cast<QWidget *>(page->stepTable));
    QCOMPARE(seen.size(), 3);
    QVERIFY(seen.contains(QStringLiteral("Cancel")));
    QVERIFY(seen.contains(QStringLiteral("Yes, I do!")));
    QCOMPARE(seen.last(), QStringLiteral("Cancel"));
    // Program 6 became a copy of 5 before it was read as the second source.
    QCOMPARE(scenesOf(c(), 5), QList<int>({4}));
    QCOMPARE(scenesOf(c(), 6), QList<int>({4}));
}

// --- from another configuration file ------------------------------------------------------

void tst_program_copying::copyFromAFile_data()
{
    QTest::addColumn<bool>("reverse");
    QTest::newRow("in order") << false;
    QTest::newRow("reversed") << true;
}

void tst_program_copying::copyFromAFile()
{
    QFETCH(bool, reverse);
    kd620_controller_class other;
    // Program 3 repeats endlessly; program 4 runs three times and fades down 2.5 s; 5 is
    // missing. Their scenes 7 and 9 (1-based 8 and 10) go into the pool.
    putProgram(other, 2, {{7, 5, 20, 0, 0x400}, {9, 0, Infinite, 0, 0x401}, {7, 0, 30, 0}}, 0);
    putProgram(other, 3, {{9, 0, 10, 25, 0x402}}, 3);
    writeU16(other.confData, programBreakFadeDown(2), 50);
    writeU16(other.confData, programChainedEvent(2), 0x1203);
    writeU16(other.confData, programChainedEvent(4), 0x1005);
    for (int p : {2, 3, 4})
        other.programDescs[size_t(p)] = QStringLiteral("other %1").arg(p + 1);
    setLevels(other, 7, levelsFor(7));
    setLevels(other, 9, levelsFor(9));
    other.sceneDescs[7] = QStringLiteral("eight");
    other.sceneDescs[9] = QStringLiteral("ten");
    const QString path = writeFile(other, QStringLiteral("other.cfg625"));
    // The current configuration's own programs 3..5 differ and must not be read.
    putProgram(c(), 2, {{1, 0, 10, 0}});
    c().programDescs[2] = QStringLiteral("mine");

    makePage();
    QSignalSpy relabels(page, &aprogram_settings_widget::relabelScenes);
    aprogram_settings_copying *t = tab();
    t->reverseBox->setChecked(reverse);
    // "Do not copy scenes" does not hold for another configuration.
    t->noScenesBox->setChecked(true);
    t->copyFromSpin->setValue(10);
    t->copyToSpin->setValue(12);
    t->altFileEdit->setText(path);
    t->altOpenButton->click();
    QVERIFY(page->tmpDev);
    QVERIFY(t->altCopyButton->isEnabled());
    QCOMPARE(f->ui.messageTexts(), QStringList({"Data read from file\n    successful!"}));
    f->ui.clear();

    t->altFromSpin->setValue(3);
    t->altToSpin->setValue(5);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("other 3"));
    t->scenePoolSpin->setValue(100);
    select(20);
    t->altCopyButton->click();

    QCOMPARE(f->ui.messageTexts(), QStringList({"Source program 5 does not exist!"}));
    QCOMPARE(relabels.count(), 1);
    // Each step keeps its own event; the infinite one its converted duration beside the flag.
    const QStringList steps = {"s99 5 20 0 e400", "s100 0 inf/65535 0 e401", "s99 0 30 0 effff"};
    QStringList expected = steps;
    if (reverse)
        std::reverse(expected.begin(), expected.end());
    QCOMPARE(programText(c(), 20), QStringLiteral("r0 | ") + expected.join(QLatin1String(" | ")));
    QCOMPARE(programText(c(), 21), QStringLiteral("r3 | s100 0 10 25 e402"));
    QCOMPARE(programText(c(), 22), QStringLiteral("-"));
    QCOMPARE(levelsOf(c(), 99), levelsFor(7));
    QCOMPARE(levelsOf(c(), 100), levelsFor(9));
    QCOMPARE(c().sceneDescs[99], QStringLiteral("eight"));
    QCOMPARE(c().sceneDescs[100], QStringLiteral("ten"));
    QCOMPARE(breakWord(c(), 20), u16(50));
    QCOMPARE(breakWord(c(), 21), u16(0xFFFF));
    QCOMPARE(chainWord(c(), 20), u16(0x1203));
    QCOMPARE(chainWord(c(), 22), u16(0x1005));
    QCOMPARE(c().programDescs[20], QStringLiteral("other 3"));
    QCOMPARE(c().programDescs[22], QStringLiteral("other 5"));
    // The current configuration's own program 3 and the other configuration are untouched.
    QCOMPARE(programText(c(), 2), QStringLiteral("r1 | s1 0 10 0 effff"));
    QCOMPARE(c().programDescs[2], QStringLiteral("mine"));
    QCOMPARE(page->tmpDev->programDescs[20], QString());
}

void tst_program_copying::openAndRelease()
{
    kd620_controller_class other;
    other.programDescs[0] = QStringLiteral("first there");
    putProgram(other, 0, {{0, 0, 10, 0}});
    const QString good = writeFile(other, QStringLiteral("good.cfg625"));
    const QString bad = dir.filePath(QStringLiteral("bad.cfg625"));
    QVERIFY(writeFileBytes(bad, QByteArray("Kd620v3CFG not really a file")));

    makePage();
    aprogram_settings_copying *t = tab();
    // Copy does nothing while no other configuration is open.
    t->altCopyButton->setEnabled(true);
    t->altCopyButton->click();
    QCOMPARE(programText(c(), 0), QStringLiteral("-"));
    t->altCopyButton->setEnabled(false);

    t->altToSpin->setValue(2);
    t->altFromSpin->setValue(4);
    t->altFileEdit->setText(good);
    t->altOpenButton->click();
    QCOMPARE(f->window.temporaryReleases, 1);  // the scene and mask pages let theirs go
    QVERIFY(t->altCopyButton->isEnabled());
    // The range is bounded and its first program described from the other file.
    QCOMPARE(t->altToSpin->value(), 4);
    t->altFromSpin->setValue(1);
    t->altToSpin->setValue(1);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("first there"));

    // Copying program 1 of the other file onto program 1 is no useless action.
    f->ui.clear();
    t->altCopyButton->click();
    QVERIFY2(f->ui.messages.isEmpty(), qPrintable(f->ui.messageTexts().join('/')));
    QCOMPARE(programText(c(), 0), QStringLiteral("r1 | s0 0 10 0 effff"));

    // A file the reader refuses: the previous configuration is gone and Copy stays off.
    t->altFileEdit->setText(bad);
    t->altOpenButton->click();
    QCOMPARE(f->window.temporaryReleases, 2);
    QVERIFY(!page->tmpDev);
    QVERIFY(!t->altCopyButton->isEnabled());

    t->altFileEdit->setText(good);
    t->altOpenButton->click();
    kd620_controller_class *opened = page->tmpDev;
    QVERIFY(opened);
    // Every Open reads into a fresh configuration.
    t->altOpenButton->click();
    QVERIFY(page->tmpDev);
    QVERIFY(t->altCopyButton->isEnabled());
    t->altReleaseButton->click();
    QVERIFY(!page->tmpDev);
    QVERIFY(!t->altCopyButton->isEnabled());
    // The window releases it the same way.
    t->altOpenButton->click();
    QVERIFY(page->tmpDev);
    page->destTmpDev();
    QVERIFY(!page->tmpDev);
    QVERIFY(!t->altCopyButton->isEnabled());
    // The page takes an open configuration down with it.
    t->altOpenButton->click();
    QVERIFY(page->tmpDev);
    QVERIFY(currentController == f->controller.get());
}

void tst_program_copying::browse()
{
    kd620_controller_class other;
    putProgram(other, 0, {{0, 0, 10, 0}});
    const QString good = writeFile(other, QStringLiteral("chosen.kdg"));
    makePage();
    aprogram_settings_copying *t = tab();
    // Cancelled: nothing changes.
    t->altBrowseButton->click();
    QCOMPARE(f->ui.fileCaptions, QStringList({"Choose a project description file for Kd620 controller"}));
    QVERIFY(t->altFileEdit->text().isEmpty());
    QVERIFY(!page->tmpDev);
    // Chosen: the name is shown and the file opened.
    f->ui.fileAnswers.enqueue(good);
    t->altBrowseButton->click();
    QCOMPARE(t->altFileEdit->text(), good);
    QVERIFY(page->tmpDev);
    QVERIFY(t->altCopyButton->isEnabled());
}

void tst_program_copying::clearingTheOtherConfiguration()
{
    kd620_controller_class other;
    other.programDescs[0] = QStringLiteral("there");
    putProgram(other, 0, {{0, 0, 10, 0}});
    const QString path = writeFile(other, QStringLiteral("other.cfg625"));
    makePage();
    tab()->clrCfg();  // nothing open: nothing happens
    tab()->altFileEdit->setText(path);
    tab()->altOpenButton->click();
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("there"));
    tab()->clrCfg();
    QVERIFY(page->tmpDev);
    QVERIFY(!tab()->altCopyButton->isEnabled());
    QCOMPARE(page->programDescEdit->text(), QString());
    QCOMPARE(page->tmpDev->programDescs[0], QString());
    QCOMPARE(page->tmpDev->programList.count(), 0);
}

void tst_program_copying::readerRules_data()
{
    QTest::addColumn<int>("slot");            // first step slot; -1: address 0xFFFFFFFF
    QTest::addColumn<int>("addressOffset");   // added to the slot's address
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("recurrences");
    QTest::addColumn<raw_steps>("records");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QList<int>>("scenes");
    QTest::addColumn<int>("expectedRecurrences");
    QTest::addColumn<int>("fadeDown");        // tenths

    const raw_steps three = {{1, 0, 10, 0xFFFF}, {2, 0, 10, 0xFFFF}, {3, 0, 10, 25}};
    QTest::newRow("no steps address") << -1 << 0 << 3 << 1 << three << false << QList<int>() << 0 << 0;
    QTest::newRow("address below the table") << 0 << -8 << 3 << 1 << three << false << QList<int>() << 0 << 0;
    QTest::newRow("address past the table") << 0 << 0x10000 << 3 << 1 << three << false << QList<int>() << 0 << 0;
    QTest::newRow("fade-down, runs twice") << 10 << 0 << 3 << 2 << three << true << QList<int>{1, 2, 3} << 2 << 25;
    QTest::newRow("unaligned address reads from its slot")
        << 10 << 5 << 3 << 2 << three << true << QList<int>{1, 2, 3} << 2 << 25;
    QTest::newRow("fade-down with recurrences 0 runs once")
        << 10 << 0 << 3 << 0 << three << true << QList<int>{1, 2, 3} << 1 << 25;
    QTest::newRow("repeat endlessly") << 10 << 0 << 2 << 4 << raw_steps{{1, 0, 10, 0xFFFF}, {2, 0, 10, 0xFFFE}} << true
                                      << QList<int>{1, 2} << 0 << 0;
    QTest::newRow("recurrences above 100 read as 1") << 10 << 0 << 3 << 150 << three << true << QList<int>{1, 2, 3} << 1
                                                     << 25;
    QTest::newRow("the count ends it first") << 10 << 0 << 2 << 3 << three << true << QList<int>{1, 2} << 3 << 0;
    QTest::newRow("a last step ends it before the count")
        << 10 << 0 << 9 << 3 << three << true << QList<int>{1, 2, 3} << 3 << 25;
    QTest::newRow("a scene that does not exist ends it")
        << 10 << 0 << 3 << 3 << raw_steps{{1, 0, 10, 0xFFFF}, {3072, 0, 10, 0xFFFF}, {3, 0, 10, 25}} << true
        << QList<int>{1} << 3 << 0;
    QTest::newRow("the table's end ends it") << 8190 << 0 << 3 << 1 << three << true << QList<int>{1, 2} << 1 << 0;
    raw_steps many(1200, {5, 0, 10, 0xFFFF});
    QTest::newRow("at most 999 steps") << 0 << 0 << 1200 << 1 << many << true << QList<int>(999, 5) << 1 << 0;
}

void tst_program_copying::readerRules()
{
    QFETCH(int, slot);
    QFETCH(int, addressOffset);
    QFETCH(int, count);
    QFETCH(int, recurrences);
    QFETCH(raw_steps, records);
    QFETCH(bool, present);
    QFETCH(QList<int>, scenes);
    QFETCH(int, expectedRecurrences);
    QFETCH(int, fadeDown);

    QByteArray bytes = emptyConfigurationImage();
    u8 *image = reinterpret_cast<u8 *>(bytes.data());
    const int program = 7;
    writeU32(image, programFirstStep(program), slot < 0 ? 0xFFFFFFFFu : stepSlotAddress(u32(slot)) + u32(addressOffset));
    writeU16(image, programStepCount(program), u16(count));
    writeU16(image, programRecurrences(program), u16(recurrences));
    for (int i = 0; i < records.size() && slot >= 0 && u32(slot + i) < StepSlotCount; ++i) {
        const raw_step &r = records[i];
        program_step_record{u16(r.scene), u16(r.fadeUp), u16(r.duration), u16(r.endWord)}.write(image, u32(slot + i));
        writeU16(image, stepEvent(u32(slot + i)), u16(0x400 + i));
    }

    const std::optional<copied_program> read = image_program_reader(image).read(program);
    QCOMPARE(read.has_value(), present);
    if (!present)
        return;
    QList<int> readScenes;
    for (int i = 0; i < read->steps.size(); ++i) {
        readScenes << read->steps[i].scene;
        QCOMPARE(read->steps[i].event, u16(0x400 + i));
        QCOMPARE(read->steps[i].fadeDown, QTime(0, 0));
    }
    QCOMPARE(readScenes, scenes);
    QCOMPARE(int(read->recurrences), expectedRecurrences);
    QCOMPARE(timeToTenths(read->fadeDown), fadeDown);
}

QTEST_MAIN(tst_program_copying)
#include "tst_program_copying.moc"
