// The program page's chained event and fade-down time after a break: the words they store
// in the configuration image and what the page shows of stored words.

#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/support/page_fixture.h"
#include "widgets/inf_time_class.h"
#include "widgets/my_time_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

enum chain_type { NothingType, SequenceType, DelayType, InternalType };

} // namespace

class tst_program_chain_break : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chainTypes();
    void chainCodes_data();
    void chainCodes();
    void storedChainsAsShown_data();
    void storedChainsAsShown();
    void delayOwnedBySequence();
    void everyDelayInUse_data();
    void everyDelayInUse();
    void delayTakenOverLater();
    void eachProgramItsOwnWords();
    void breakTimeSequence();
    void breakTimeShown_data();
    void breakTimeShown();
    void breakTimeLongest();
    void leavingTheBreakTime();
    void editorKeepsItsOwnConnections();

private:
    void makePage();
    kd620_controller_class &c() { return *f->controller; }
    u16 chainWord(int program) const
    {
        return readU16(f->image(), image_layout::programChainedEvent(u32(program)));
    }
    u16 breakWord(int program) const
    {
        return readU16(f->image(), image_layout::programBreakFadeDown(u32(program)));
    }
    void enterNumber(int n)
    {
        page->chainNumberSpin->setValue(n);
        emit page->chainNumberSpin->editingFinished();
    }
    void showProgram(int program)
    {
        page->programTable->setCurrentCell(program, 0);
    }
    // Delay d (0-based) becomes a step of sequence q.
    void ownDelay(int d, int q)
    {
        writeU32(f->image(), image_layout::delayEntry(u32(d)), delay_entry_class(10, u32(q)).word);
    }

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
};

void tst_program_chain_break::init()
{
    f = std::make_unique<page_fixture>();
    page = nullptr;
}

void tst_program_chain_break::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_program_chain_break::makePage()
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
}

void tst_program_chain_break::chainTypes()
{
    makePage();
    QStringList texts;
    QList<int> bases;
    for (int i = 0; i < page->chainTypeCombo->count(); ++i) {
        texts << page->chainTypeCombo->itemText(i);
        bases << page->chainTypeCombo->itemData(i).toInt();
    }
    QCOMPARE(texts, QStringList({"Nothing", "Sequence start", "Delay", "Internal Event"}));
    QCOMPARE(bases, QList<int>({0xFFFF, 0x1200, 0x1000, 0x400}));
    // A new configuration: no chain, no break time.
    QCOMPARE(page->chainTypeCombo->currentIndex(), int(NothingType));
    QVERIFY(!page->chainNumberSpin->isEnabled());
    QCOMPARE(page->chainNumberSpin->text(), QStringLiteral("- -"));
    QVERIFY(page->breakTimeEdit->checkBox->isChecked());
    QVERIFY(!page->breakTimeEdit->timeEdit->isEnabled());
    QCOMPARE(chainWord(0), u16(0xFFFF));
    QCOMPARE(breakWord(0), u16(0xFFFF));
}

void tst_program_chain_break::chainCodes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");  // 0: not entered
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("maximum");

    QTest::newRow("delay as chosen") << int(DelayType) << 0 << 0x1000 << 1 << 512;
    QTest::newRow("delay 512") << int(DelayType) << 512 << 0x11FF << 512 << 512;
    QTest::newRow("internal 1024") << int(InternalType) << 1024 << 0x7FF << 1024 << 1024;
    QTest::newRow("internal 1") << int(InternalType) << 1 << 0x400 << 1 << 1024;
    QTest::newRow("sequence 128") << int(SequenceType) << 128 << 0x127F << 128 << 128;
    QTest::newRow("sequence beyond its range") << int(SequenceType) << 300 << 0x127F << 128 << 128;
}

void tst_program_chain_break::chainCodes()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(int, shown);
    QFETCH(int, maximum);
    makePage();
    showProgram(4);
    page->chainTypeCombo->setCurrentIndex(type);
    QVERIFY(page->chainNumberSpin->isEnabled());
    QCOMPARE(page->chainNumberSpin->minimum(), 1);
    QCOMPARE(page->chainNumberSpin->maximum(), maximum);
    if (number)
        enterNumber(number);
    QCOMPARE(page->chainNumberSpin->value(), shown);
    QCOMPARE(chainWord(4), u16(code));
    QCOMPARE(chainWord(3), u16(0xFFFF));
    QVERIFY(f->ui.messages.isEmpty());

    // Shown again as it was stored.
    showProgram(3);
    QCOMPARE(page->chainTypeCombo->currentIndex(), int(NothingType));
    showProgram(4);
    QCOMPARE(page->chainTypeCombo->currentIndex(), type);
    QCOMPARE(page->chainNumberSpin->value(), shown);
    QCOMPARE(chainWord(4), u16(code));

    // "Nothing" greys the number and stores no chain.
    page->chainTypeCombo->setCurrentIndex(NothingType);
    QCOMPARE(chainWord(4), u16(0xFFFF));
    QVERIFY(!page->chainNumberSpin->isEnabled());
    QCOMPARE(page->chainNumberSpin->text(), QStringLiteral("- -"));
    QCOMPARE(page->chainNumberSpin->maximum(), 0);
}

void tst_program_chain_break::storedChainsAsShown_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("type");  // -1: no entry
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("kept");

    QTest::newRow("internal 1") << 0x400 << int(InternalType) << 1 << 0x400;
    QTest::newRow("internal 1024") << 0x7FF << int(InternalType) << 1024 << 0x7FF;
    QTest::newRow("delay 1") << 0x1000 << int(DelayType) << 1 << 0x1000;
    QTest::newRow("delay 512") << 0x11FF << int(DelayType) << 512 << 0x11FF;
    QTest::newRow("sequence 1") << 0x1200 << int(SequenceType) << 1 << 0x1200;
    QTest::newRow("sequence 128") << 0x127F << int(SequenceType) << 128 << 0x127F;
    QTest::newRow("none") << 0xFFFF << int(NothingType) << 0 << 0xFFFF;
    // Events no program chains to are repaired as soon as the program is shown.
    QTest::newRow("DMX input") << 0x0000 << -1 << 0 << 0xFFFF;
    QTest::newRow("timer") << 0x0800 << -1 << 0 << 0xFFFF;
    QTest::newRow("DMX output") << 0x0C00 << -1 << 0 << 0xFFFF;
    QTest::newRow("remote key") << 0x1280 << int(NothingType) << 0 << 0xFFFF;
    QTest::newRow("input") << 0x1300 << int(NothingType) << 0 << 0xFFFF;
    QTest::newRow("no event") << 0x2000 << int(NothingType) << 0 << 0xFFFF;
}

void tst_program_chain_break::storedChainsAsShown()
{
    QFETCH(int, stored);
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, kept);
    writeU16(f->image(), image_layout::programChainedEvent(7), u16(stored));
    makePage();
    QCOMPARE(chainWord(7), u16(stored));  // not shown yet
    showProgram(7);
    QCOMPARE(page->chainTypeCombo->currentIndex(), type);
    QCOMPARE(chainWord(7), u16(kept));
    QCOMPARE(page->chainNumberSpin->isEnabled(), number > 0);
    if (number > 0)
        QCOMPARE(page->chainNumberSpin->value(), number);
    else
        QCOMPARE(page->chainNumberSpin->text(), QStringLiteral("- -"));
    QVERIFY(f->ui.messages.isEmpty());

    // The controls are connected again after the refresh.
    page->chainTypeCombo->setCurrentIndex(InternalType);
    enterNumber(9);
    QCOMPARE(chainWord(7), u16(0x408));
}

void tst_program_chain_break::delayOwnedBySequence()
{
    ownDelay(4, 2);
    c().delaysInUse = {0, 1};
    makePage();
    showProgram(1);
    page->chainTypeCombo->setCurrentIndex(DelayType);
    enterNumber(5);

    QCOMPARE(f->ui.messageTitles(), QStringList({"Delay already in use!"}));
    QCOMPARE(f->ui.messages[0].text, QStringLiteral("Delay #5 is blocked by sequence!\nCorrected!"));
    QCOMPARE(f->ui.messages[0].icon, message_icon::Information);
    QCOMPARE(f->ui.messages[0].buttons, unsigned(message_button::Ok));
    QCOMPARE(f->ui.messages[0].parentWidget.data(), static_cast<QObject *>(page));
    QCOMPARE(page->chainNumberSpin->value(), 3);
    QCOMPARE(chainWord(1), u16(0x1002));

    // Shown again: "Delay" 3, and nothing to correct.
    f->ui.clear();
    showProgram(0);
    showProgram(1);
    QCOMPARE(page->chainTypeCombo->currentIndex(), int(DelayType));
    QCOMPARE(page->chainNumberSpin->value(), 3);
    QCOMPARE(chainWord(1), u16(0x1002));
    QVERIFY(f->ui.messages.isEmpty());

    // A free delay is taken as it is.
    enterNumber(6);
    QCOMPARE(chainWord(1), u16(0x1005));
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_chain_break::everyDelayInUse_data()
{
    QTest::addColumn<bool>("fromRefresh");
    QTest::newRow("chosen") << false;
    QTest::newRow("shown") << true;
}

void tst_program_chain_break::everyDelayInUse()
{
    QFETCH(bool, fromRefresh);
    ownDelay(0, 0);
    for (int d = 0; d < 512; ++d)
        c().delaysInUse << u16(d);
    if (fromRefresh)
        writeU16(f->image(), image_layout::programChainedEvent(2), 0x1000);
    makePage();
    showProgram(2);
    if (!fromRefresh)
        page->chainTypeCombo->setCurrentIndex(DelayType);

    QCOMPARE(f->ui.messageTexts(), QStringList({"Delay #1 is blocked by sequence!\nCorrected!"}));
    QCOMPARE(chainWord(2), u16(0xFFFF));
    QCOMPARE(page->chainTypeCombo->currentIndex(), int(NothingType));
    QVERIFY(!page->chainNumberSpin->isEnabled());
    QCOMPARE(page->chainNumberSpin->text(), QStringLiteral("- -"));
    // Still connected: a type chosen now is stored.
    page->chainTypeCombo->setCurrentIndex(SequenceType);
    QCOMPARE(chainWord(2), u16(0x1200));
}

void tst_program_chain_break::delayTakenOverLater()
{
    makePage();
    page->chainTypeCombo->setCurrentIndex(DelayType);
    enterNumber(3);
    QCOMPARE(chainWord(0), u16(0x1002));
    QVERIFY(f->ui.messages.isEmpty());

    // A sequence takes delay 3 over; the chain is corrected when the program is shown.
    ownDelay(2, 5);
    c().delaysInUse = {0, 2};
    showProgram(1);
    QVERIFY(f->ui.messages.isEmpty());
    showProgram(0);
    QCOMPARE(f->ui.messageTexts(), QStringList({"Delay #3 is blocked by sequence!\nCorrected!"}));
    QCOMPARE(page->chainNumberSpin->value(), 2);
    QCOMPARE(chainWord(0), u16(0x1001));
}

void tst_program_chain_break::eachProgramItsOwnWords()
{
    writeU16(f->image(), image_layout::programChainedEvent(510), 0x1234);
    writeU16(f->image(), image_layout::programBreakFadeDown(510), 77);
    makePage();
    showProgram(511);
    page->chainTypeCombo->setCurrentIndex(InternalType);
    page->breakTimeEdit->checkBox->setChecked(false);
    QCOMPARE(chainWord(511), u16(0x400));
    QCOMPARE(breakWord(511), u16(10));
    QCOMPARE(breakWord(510), u16(77));
    showProgram(510);
    QCOMPARE(page->chainTypeCombo->currentIndex(), int(SequenceType));
    QCOMPARE(page->chainNumberSpin->value(), 0x35);
    QCOMPARE(page->breakTimeEdit->timeEdit->time(), QTime(0, 0, 7, 700));
    QCOMPARE(chainWord(511), u16(0x400));
    QCOMPARE(breakWord(511), u16(10));
}

void tst_program_chain_break::breakTimeSequence()
{
    makePage();
    showProgram(9);
    MyTimeEdit *editor = page->breakTimeEdit->timeEdit;
    QCOMPARE(editor->time(), QTime(0, 0, 1));

    page->breakTimeEdit->checkBox->setChecked(false);
    QCOMPARE(breakWord(9), u16(10));
    QCOMPARE(editor->time(), QTime(0, 0, 1));
    QVERIFY(editor->isEnabled());

    editor->setTime(QTime(0, 0, 2, 500));
    QCOMPARE(breakWord(9), u16(25));
    // A time between tenths is rounded by the editor before it is stored.
    editor->setTime(QTime(0, 0, 3, 530));
    QCOMPARE(editor->time(), QTime(0, 0, 3, 600));
    QCOMPARE(breakWord(9), u16(36));

    page->breakTimeEdit->checkBox->setChecked(true);
    QCOMPARE(breakWord(9), u16(0xFFFF));
    QCOMPARE(editor->time(), QTime(0, 0, 1));
    QVERIFY(!editor->isEnabled());
    // Switched off, the editor stores nothing.
    editor->setTime(QTime(0, 0, 4));
    QCOMPARE(breakWord(9), u16(0xFFFF));

    // And on again: one second, and the editor stores again.
    page->breakTimeEdit->checkBox->setChecked(false);
    QCOMPARE(breakWord(9), u16(10));
    editor->setTime(QTime(0, 1, 0));
    QCOMPARE(breakWord(9), u16(600));
    QCOMPARE(breakWord(8), u16(0xFFFF));
}

void tst_program_chain_break::breakTimeShown_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("unused");
    QTest::addColumn<QTime>("shown");
    QTest::newRow("do not use") << 0xFFFF << true << QTime(0, 0, 1);
    QTest::newRow("zero") << 0 << false << QTime(0, 0);
    QTest::newRow("2.5 s") << 25 << false << QTime(0, 0, 2, 500);
    QTest::newRow("longest") << 0xFFFE << false << QTime(1, 49, 13, 400);
}

void tst_program_chain_break::breakTimeShown()
{
    QFETCH(int, stored);
    QFETCH(bool, unused);
    QFETCH(QTime, shown);
    writeU16(f->image(), image_layout::programBreakFadeDown(3), u16(stored));
    writeU16(f->image(), image_layout::programBreakFadeDown(4), 50);
    makePage();
    showProgram(4);
    showProgram(3);
    QCOMPARE(page->breakTimeEdit->checkBox->isChecked(), unused);
    QCOMPARE(page->breakTimeEdit->timeEdit->isEnabled(), !unused);
    QCOMPARE(page->breakTimeEdit->timeEdit->time(), shown);
    // Showing it stored nothing.
    QCOMPARE(breakWord(3), u16(stored));
    QCOMPARE(breakWord(4), u16(50));

    // The editor is connected exactly while a time is in use.
    page->breakTimeEdit->timeEdit->setTime(QTime(0, 0, 0, 300));
    QCOMPARE(breakWord(3), unused ? u16(0xFFFF) : u16(3));
}

void tst_program_chain_break::breakTimeLongest()
{
    makePage();
    page->breakTimeEdit->checkBox->setChecked(false);
    page->breakTimeEdit->timeEdit->setTime(QTime(1, 49, 13, 500));
    QCOMPARE(page->breakTimeEdit->timeEdit->time(), QTime(1, 49, 13, 400));
    QCOMPARE(breakWord(0), u16(0xFFFE));
    page->breakTimeEdit->timeEdit->setTime(QTime(5, 0));
    QCOMPARE(breakWord(0), u16(0xFFFE));
}

void tst_program_chain_break::leavingTheBreakTime()
{
    makePage();
    auto leave = [this] {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(page->breakTimeEdit, &event);
    };
    // Checked: "Do not use" stays stored, whatever the word held.
    writeU16(f->image(), image_layout::programBreakFadeDown(0), 44);
    leave();
    QCOMPARE(breakWord(0), u16(0xFFFF));

    // Unchecked: the shown time is stored.
    page->breakTimeEdit->checkBox->setChecked(false);
    page->breakTimeEdit->timeEdit->setTime(QTime(0, 0, 2, 500));
    writeU16(f->image(), image_layout::programBreakFadeDown(0), 44);
    leave();
    QCOMPARE(breakWord(0), u16(25));

    // After a refresh too.
    page->refresh();
    writeU16(f->image(), image_layout::programBreakFadeDown(0), 44);
    leave();
    QCOMPARE(breakWord(0), u16(25));
}

void tst_program_chain_break::editorKeepsItsOwnConnections()
{
    makePage();
    QSignalSpy forwarded(page->breakTimeEdit, &infTime_class::timeChanged);
    writeU16(f->image(), image_layout::programBreakFadeDown(0), 25);
    page->refresh();
    page->breakTimeEdit->checkBox->setChecked(true);
    page->breakTimeEdit->checkBox->setChecked(false);
    page->refresh();
    forwarded.clear();

    // The refreshes and the box cut only the page's own connections: the editor still
    // rounds, the widget still passes the time on, and the box still switches the editor.
    page->breakTimeEdit->timeEdit->setTime(QTime(0, 0, 6, 420));
    QCOMPARE(page->breakTimeEdit->timeEdit->time(), QTime(0, 0, 6, 500));
    QVERIFY(!forwarded.isEmpty());
    QCOMPARE(forwarded.last().at(0).toTime(), QTime(0, 0, 6, 500));
    QCOMPARE(breakWord(0), u16(65));
    page->breakTimeEdit->checkBox->setChecked(true);
    QVERIFY(!page->breakTimeEdit->timeEdit->isEnabled());
    page->breakTimeEdit->checkBox->setChecked(false);
    QVERIFY(page->breakTimeEdit->timeEdit->isEnabled());
    QCOMPARE(breakWord(0), u16(10));
}

QTEST_MAIN(tst_program_chain_break)
#include "tst_program_chain_break.moc"
