#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_delegate.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_copying.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/sim/sim_live_engine.h"
#include "tests/support/page_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

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

void putProgram(kd620_controller_class &c, int program, const step_list &steps, int recurrences = 1)
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

// n steps alike.
step_list steps(int n, const test_step &s)
{
    return step_list(n, s);
}

QStringList column(const aprogram_conf_widget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->stepModel->rowCount(); ++row)
        texts << table->stepModel->index(row, col).data().toString();
    return texts;
}

// A box that runs something while it is shown, as the event loop of a modal box would.
class reentering_interaction : public scripted_interaction
{
public:
    std::function<void()> whileShown;
    int showMessage(const message_request &request) override
    {
        if (whileShown)
            whileShown();
        return scripted_interaction::showMessage(request);
    }
};

} // namespace

Q_DECLARE_METATYPE(step_list)

class tst_program_page : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newConfiguration();
    void programTimes_data();
    void programTimes();
    void cellTexts();
    void eventColumn_data();
    void eventColumn();
    void zeroTimeRule_data();
    void zeroTimeRule();
    void zeroTimeBoxOnTheStepTable();
    void refreshInsideTheBoxWaits();
    void fadeDownBeyondTheEndWord_data();
    void fadeDownBeyondTheEndWord();
    void selectingPrograms();
    void rowColourFollowsTheSteps();
    void stepCountSpin();
    void stepCountFromTheTableIsOnlyShown();
    void recurrences();
    void extraEntriesShortenTheList_data();
    void extraEntriesShortenTheList();
    void descriptionLine();
    void descriptionLineOnOtherTabs();
    void entriesTab();
    void livePreview_data();
    void livePreview();
    void liveFollowsEditsOfTheCurrentStep_data();
    void liveFollowsEditsOfTheCurrentStep();
    void typedSceneShowsItsDescription();
    void keys_data();
    void keys();
    void otherKeysMoveTheCell();
    void closedEditorRefreshes();
    void durationEditorEndsWhenTheMouseLeaves();
    void pageBelongsToItsTabPage();

private:
    aprogram_settings_widget *makePage();
    kd620_controller_class &c() { return *f->controller; }

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
};

void tst_program_page::init()
{
    f = std::make_unique<page_fixture>();
    page = nullptr;
}

void tst_program_page::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

aprogram_settings_widget *tst_program_page::makePage()
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
    return page;
}

void tst_program_page::newConfiguration()
{
    makePage();
    QCOMPARE(page->programTable->rowCount(), 512);
    QCOMPARE(page->programTable->horizontalHeaderItem(0)->text(), QStringLiteral("Program"));
    const QColor base = QApplication::palette().color(QPalette::Base);
    for (int row : {0, 255, 511}) {
        QCOMPARE(page->programTable->item(row, 0)->text(), QStringLiteral("no description"));
        QCOMPARE(page->programTable->item(row, 0)->background().color(), base);
    }
    QCOMPARE(page->currentProgram, 0);
    QCOMPARE(page->programTable->currentRow(), 0);
    QCOMPARE(page->programNumberLabel->text(), QStringLiteral("1"));
    QCOMPARE(page->stepCountSpin->value(), 0);
    QCOMPARE(page->recurrencesSpin->value(), 1);
    QCOMPARE(page->stepTable->stepModel->rowCount(), 0);
    QCOMPARE(page->gridStepCount, 0);
    QCOMPARE(page->ordinaryPrograms, 512);
    QCOMPARE(page->programDescEdit->text(), QString());
    QVERIFY(!page->programDescEdit->isReadOnly());
    QCOMPARE(page->programDescEdit->maxLength(), 100);
    QVERIFY(page->sceneDescEdit->isReadOnly());

    QStringList tabs;
    for (int i = 0; i < page->programTabs->count(); ++i)
        tabs << page->programTabs->tabText(i);
    QCOMPARE(tabs, QStringList({"Single Steps", "Groupped Steps", "Copying"}));
    QCOMPARE(page->programTabs->currentIndex(), 0);

    QStringList headers;
    for (int i = 0; i < aprogram_conf_widget::StepColumnCount; ++i)
        headers << page->stepTable->stepModel->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(headers,
             QStringList({"Scene No.", "Fade Up Time", "Duration | inf.", "Fade Down Time", "Prog. Time", "Event"}));
    QCOMPARE(page->stepTable->columnWidth(aprogram_conf_widget::SceneColumn), 62);
    QCOMPARE(page->stepTable->columnWidth(aprogram_conf_widget::DurationColumn), 140);
    QCOMPARE(page->stepTable->columnWidth(aprogram_conf_widget::EventColumn), 70);
    QCOMPARE(page->stepTable->width(), page->stepTable->columnsWidth());
    QCOMPARE(page->stepTable->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(page->stepTable->selectionMode(), QAbstractItemView::ExtendedSelection);

    // The spins bound what the store can hold.
    QCOMPARE(page->stepCountSpin->maximum(), 999);
    page->recurrencesSpin->setValue(0);
    QCOMPARE(page->recurrencesSpin->text(), QStringLiteral("infinite"));
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_page::programTimes_data()
{
    QTest::addColumn<step_list>("program");
    QTest::addColumn<int>("recurrences");
    QTest::addColumn<QStringList>("times");      // every row; empty: only the total is checked
    QTest::addColumn<QStringList>("fadeDowns");  // likewise
    QTest::addColumn<QString>("total");          // the last row

    const test_step plain{0, 20, 100, 50};
    QTest::newRow("one run: the last step adds its fade-down")
        << steps(3, plain) << 1 << QStringList{"00:00:12.0", "00:00:24.0", "00:00:41.0"}
        << QStringList{" - ", " - ", "00:00:05.0"} << "00:00:41.0";
    QTest::newRow("endless: no fade-down") << steps(3, plain) << 0
                                           << QStringList{"00:00:12.0", "00:00:24.0", "00:00:36.0"}
                                           << QStringList{" - ", " - ", " - "} << "00:00:36.0";

    // Whole days of the longest durations (65534 tenths) and one step for the rest.
    auto lasting = [](qint64 tenths) {
        step_list program;
        for (; tenths > 0xFFFE; tenths -= 0xFFFE)
            program << test_step{0, 0, 0xFFFE, 0};
        return program << test_step{0, 0, int(tenths), 0};
    };
    QTest::newRow("a whole day shows its day count") << lasting(864000) << 0 << QStringList() << QStringList()
                                                     << "1+00:00:00.0";
    QTest::newRow("a tenth less is still the first day")
        << lasting(863999) << 0 << QStringList() << QStringList() << "23:59:59.9";
    QTest::newRow("two days and three hours") << lasting(2 * 864000 + 3 * 36000) << 0 << QStringList()
                                              << QStringList() << "2+03:00:00.0";
    QTest::newRow("infinite in row 2 of 4")
        << step_list{{0, 0, 10, 0}, {0, 0, 20, 0}, {0, 0, Infinite, 0}, {0, 0, 10, 30}} << 1
        << QStringList{"00:00:01.0", "00:00:03.0", "undetermined", "undetermined"}
        << QStringList{" - ", " - ", " - ", "00:00:03.0"} << "undetermined";
}

void tst_program_page::programTimes()
{
    QFETCH(step_list, program);
    QFETCH(int, recurrences);
    QFETCH(QStringList, times);
    QFETCH(QStringList, fadeDowns);
    QFETCH(QString, total);
    putProgram(c(), 0, program, recurrences);
    makePage();
    aprogram_conf_widget *table = page->stepTable;
    QCOMPARE(table->stepModel->rowCount(), program.size());

    const QStringList shown = column(table, aprogram_conf_widget::ProgramTimeColumn);
    QCOMPARE(shown.last(), total);
    if (!times.isEmpty())
        QCOMPARE(shown, times);
    if (!fadeDowns.isEmpty())
        QCOMPARE(column(table, aprogram_conf_widget::FadeDownColumn), fadeDowns);

    // Under the text: the end as a time of day (invalid while undetermined), and in tenths.
    for (int row = 0; row < program.size(); ++row) {
        const QModelIndex cell = table->stepModel->index(row, aprogram_conf_widget::ProgramTimeColumn);
        const QTime time = cell.data(aprogram_conf_widget::ProgramTimeRole).toTime();
        const qint64 tenths = cell.data(aprogram_conf_widget::ProgramTenthsRole).toLongLong();
        if (shown[row] == QLatin1String("undetermined")) {
            QVERIFY(!time.isValid());
            QCOMPARE(tenths, qint64(-1));
        } else {
            QCOMPARE(aprogram_conf_widget::programTimeText(tenths), shown[row]);
            QCOMPARE(time, tenthsToTime(u32(tenths % 864000)));
        }
    }
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_page::cellTexts()
{
    putProgram(c(), 0, {{4, 25, 100, 0, 0x400}, {3071, 0, Infinite, 0, NoEvent}, {0, 1, 600, 12, 0x7FF}});
    makePage();
    aprogram_conf_widget *table = page->stepTable;
    QCOMPARE(column(table, aprogram_conf_widget::SceneColumn), QStringList({"   5", "   3072", "   1"}));
    QCOMPARE(column(table, aprogram_conf_widget::FadeUpColumn),
             QStringList({"00:00:02.5", "00:00:00.0", "00:00:00.1"}));
    QCOMPARE(column(table, aprogram_conf_widget::DurationColumn),
             QStringList({"00:00:10.0", "  infinite", "00:01:00.0"}));
    QCOMPARE(column(table, aprogram_conf_widget::EventColumn), QStringList({"1", "not set", "1024"}));
    QCOMPARE(aprogram_conf_widget::programTimeText(863999), QStringLiteral("23:59:59.9"));
    QCOMPARE(aprogram_conf_widget::programTimeText(864000), QStringLiteral("1+00:00:00.0"));
}

void tst_program_page::eventColumn_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("first internal event") << 0x400 << "1";
    QTest::newRow("last internal event") << 0x7FF << "1024";
    QTest::newRow("a timer") << 0x800 << "not set";
    QTest::newRow("a DMX input") << 0x3FF << "not set";
    QTest::newRow("none") << 0xFFFF << "not set";
}

void tst_program_page::eventColumn()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    putProgram(c(), 0, {{0, 0, 10, 0, code}});
    makePage();
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::EventColumn), QStringList{text});
}

void tst_program_page::zeroTimeRule_data()
{
    QTest::addColumn<step_list>("program");
    QTest::addColumn<QList<int>>("answers");  // 0 "O.K.", 1 "Fix all steps"
    QTest::addColumn<int>("boxes");

    const test_step zero{0, 0, 0, 0};
    const test_step fine{0, 0, 10, 0};
    QTest::newRow("O.K. asks again for the next step") << steps(2, zero) << QList<int>{0, 0} << 2;
    QTest::newRow("Fix all steps: one question") << steps(2, zero) << QList<int>{1} << 1;
    QTest::newRow("O.K., then Fix all steps")
        << (steps(2, zero) << fine << zero) << QList<int>{0, 1} << 2;
    QTest::newRow("a box closed without an answer counts as O.K.")
        << (step_list{zero, fine, zero}) << QList<int>{-1, 0} << 2;
    QTest::newRow("an infinite step is not touched")
        << step_list{{0, 0, Infinite, 0}, fine} << QList<int>{} << 0;
    QTest::newRow("a fade-up alone is enough") << step_list{{0, 1, 0, 0}} << QList<int>{} << 0;
}

void tst_program_page::zeroTimeRule()
{
    QFETCH(step_list, program);
    QFETCH(QList<int>, answers);
    QFETCH(int, boxes);
    makePage();
    putProgram(c(), 0, program);
    for (int a : answers)
        f->ui.answers.enqueue(a);

    page->refresh();

    QCOMPARE(f->ui.messages.size(), boxes);
    for (const message_request &box : f->ui.messages) {
        QCOMPARE(box.icon, message_icon::Warning);
        QCOMPARE(box.title, QStringLiteral("Rule broken!"));
        QCOMPARE(box.text, QStringLiteral("Both times cannot equal 0!\nDuration will be fixed."));
        QCOMPARE(box.customButtons.size(), 2);
        QCOMPARE(box.customButtons[0].text, QStringLiteral("O.K."));
        QCOMPARE(box.customButtons[1].text, QStringLiteral("Fix all steps"));
        QCOMPARE(box.defaultCustomButton, 0);
        QVERIFY(box.noEscapeButton);
        QCOMPARE(box.parentWidget.data(), static_cast<QObject *>(page->stepTable));
    }
    // Every such step is repaired whatever the answers; the others keep their times.
    for (int row = 0; row < program.size(); ++row) {
        const test_step &s = program[row];
        const program_list_class &list = c().programList;
        if (s.duration == Infinite) {
            QVERIFY(list.isLastTimeInf(0, row));
            QCOMPARE(list.lastTime(0, row), QTime(0, 0));
        } else if (s.fadeUp == 0 && s.duration == 0) {
            QCOMPARE(list.lastTime(0, row), QTime(0, 0, 1));
            QCOMPARE(page->stepTable->stepModel->index(row, aprogram_conf_widget::DurationColumn).data().toString(),
                     QStringLiteral("00:00:01.0"));
        } else {
            QCOMPARE(list.lastTime(0, row), tenthsToTime(u32(s.duration)));
        }
    }
    // Repaired once: showing the program again asks nothing.
    f->ui.messages.clear();
    page->refresh();
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_page::zeroTimeBoxOnTheStepTable()
{
    // The real box: modal over the step table, "Fix all steps" answers for every step.
    makePage();
    widget_user_interaction boxes;
    installUserInteraction(&boxes);
    putProgram(c(), 0, steps(3, {0, 0, 0, 0}));
    int shown = 0;
    QWidget *parent = nullptr;
    std::function<void()> answer = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, answer);
            return;
        }
        ++shown;
        parent = box->parentWidget();
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == QLatin1String("Fix all steps"))
                b->click();
        }
    };
    QTimer::singleShot(0, answer);
    page->refresh();
    installUserInteraction(&f->ui);
    QCOMPARE(shown, 1);
    QCOMPARE(parent, static_cast<QWidget *>(page->stepTable));
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::DurationColumn), QStringList(3, "00:00:01.0"));
}

void tst_program_page::refreshInsideTheBoxWaits()
{
    // While a box is up the window may ask the page to refresh (its event loop runs). That
    // refresh runs once the first has ended, never inside it: no box opens inside a box.
    makePage();
    reentering_interaction boxes;
    putProgram(c(), 0, steps(3, {0, 0, 0, 0}));
    int depth = 0;
    int deepest = 0;
    boxes.whileShown = [&] {
        deepest = qMax(deepest, ++depth);
        c().programDescs[0] = QStringLiteral("changed meanwhile");
        page->refresh();
        page->stepTable->refresh();
        --depth;
    };
    page->refresh();
    installUserInteraction(&f->ui);

    QCOMPARE(deepest, 1);
    QCOMPARE(boxes.messages.size(), 3);
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::DurationColumn), QStringList(3, "00:00:01.0"));
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::ProgramTimeColumn),
             QStringList({"00:00:01.0", "00:00:02.0", "00:00:03.0"}));
    // The refresh asked for meanwhile did run.
    QCOMPARE(page->programTable->item(0, 0)->text(), QStringLiteral("changed meanwhile"));
}

void tst_program_page::fadeDownBeyondTheEndWord_data()
{
    QTest::addColumn<int>("recurrences");
    QTest::addColumn<int>("fadeDown");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("0xFFFE: reset to zero") << 1 << 0xFFFE << "00:00:00.0" << 0;
    QTest::newRow("0xFFFD: kept") << 1 << 0xFFFD << "01:49:13.3" << 0xFFFD;
    QTest::newRow("endless: not shown, not touched") << 0 << 0xFFFE << " - " << 0xFFFE;
}

void tst_program_page::fadeDownBeyondTheEndWord()
{
    QFETCH(int, recurrences);
    QFETCH(int, fadeDown);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, fadeDown}}, recurrences);
    makePage();
    QCOMPARE(page->stepTable->stepModel->index(1, aprogram_conf_widget::FadeDownColumn).data().toString(), shown);
    QCOMPARE(timeToTenths(c().programList.fallTime(0, 1)), stored);
}

void tst_program_page::selectingPrograms()
{
    putProgram(c(), 2, steps(3, {7, 0, 10, 0}), 0);
    putProgram(c(), 9, steps(12, {1, 0, 10, 0}), 5);
    c().programDescs[9] = QStringLiteral("finale");
    makePage();

    struct expected_program {
        int row;
        int steps;
        int recurrences;
        QString recurrencesText;
        QString description;
    };
    const expected_program cases[] = {
        {2, 3, 0, "infinite", ""}, {9, 12, 5, "5", "finale"}, {4, 0, 1, "1", ""}, {2, 3, 0, "infinite", ""}};
    for (const expected_program &e : cases) {
        page->programTable->setCurrentCell(e.row, 0);
        QCOMPARE(page->currentProgram, e.row);
        QCOMPARE(page->programNumberLabel->text(), QString::number(e.row + 1));
        QCOMPARE(page->stepCountSpin->value(), e.steps);
        QCOMPARE(page->stepTable->stepModel->rowCount(), e.steps);
        QCOMPARE(page->stepTable->programNumber, e.row);
        QCOMPARE(page->gridStepCount, e.steps);
        QCOMPARE(page->recurrencesSpin->value(), e.recurrences);
        QCOMPARE(page->recurrencesSpin->text(), e.recurrencesText);
        QCOMPARE(page->stepTable->runMode, e.recurrences);
        QCOMPARE(page->programDescEdit->text(), e.description);
    }
    // The endless program's last row shows no fade-down.
    QCOMPARE(page->stepTable->stepModel->index(2, aprogram_conf_widget::FadeDownColumn).data().toString(),
             QStringLiteral(" - "));
    // Selecting stored nothing new: the empty program only joined the store.
    QCOMPARE(c().programList.stepCount(2), 3);
    QCOMPARE(c().programList.recurrences(2), 0);
    QCOMPARE(c().programList.recurrences(9), 5);
    QCOMPARE(c().programList.stepCount(4), 0);

    const QColor green(230, 255, 230);
    const QColor base = QApplication::palette().color(QPalette::Base);
    QCOMPARE(page->programTable->item(2, 0)->background().color(), green);
    QCOMPARE(page->programTable->item(9, 0)->background().color(), green);
    QCOMPARE(page->programTable->item(4, 0)->background().color(), base);
    QCOMPARE(page->programTable->item(0, 0)->background().color(), base);
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_page::rowColourFollowsTheSteps()
{
    makePage();
    const QColor green(230, 255, 230);
    page->stepCountSpin->setValue(2);
    QCOMPARE(c().programList.stepCount(0), 2);
    // The list is redrawn at the next refresh, not at every edit.
    page->refresh();
    QCOMPARE(page->programTable->item(0, 0)->background().color(), green);
    page->stepCountSpin->setValue(0);
    page->refresh();
    QCOMPARE(page->programTable->item(0, 0)->background().color(), QApplication::palette().color(QPalette::Base));
}

void tst_program_page::stepCountSpin()
{
    makePage();
    page->programTable->setCurrentCell(6, 0);
    page->stepCountSpin->setValue(5);
    QCOMPARE(c().programList.stepCount(6), 5);
    QCOMPARE(page->stepTable->stepModel->rowCount(), 5);
    QCOMPARE(page->gridStepCount, 5);
    // New steps: scene 1, one second each.
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::SceneColumn), QStringList(5, "   1"));
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::ProgramTimeColumn).last(), QStringLiteral("00:00:05.0"));

    page->stepCountSpin->setValue(999);
    QCOMPARE(c().programList.stepCount(6), 999);
    QCOMPARE(page->stepTable->stepModel->rowCount(), 999);
    page->stepCountSpin->setValue(1000);
    QCOMPARE(page->stepCountSpin->value(), 999);

    page->stepCountSpin->setValue(0);
    QCOMPARE(c().programList.stepCount(6), 0);
    QCOMPARE(page->stepTable->stepModel->rowCount(), 0);
    QCOMPARE(page->gridStepCount, 0);

    // The window's reload after a read: counts out of range are held within 0..999.
    page->sceneCountChange(-3, true);
    QCOMPARE(c().programList.stepCount(6), 0);
    page->sceneCountChange(1200, true);
    QCOMPARE(c().programList.stepCount(6), 999);
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_page::stepCountFromTheTableIsOnlyShown()
{
    putProgram(c(), 0, steps(4, {0, 0, 10, 0}));
    makePage();
    // The step operations report a new count; the spin shows it and stores nothing.
    c().programList.removeStep(0, 0);
    emit page->stepTable->changeStepNumber(3);
    QCOMPARE(page->stepCountSpin->value(), 3);
    QCOMPARE(page->stepTable->stepModel->rowCount(), 4);
    emit page->stepTable->changeStepNumber(-1);
    QCOMPARE(page->stepCountSpin->value(), 0);
    QCOMPARE(c().programList.stepCount(0), 3);
    // The spin still acts on the user's changes.
    page->stepCountSpin->setValue(6);
    QCOMPARE(c().programList.stepCount(0), 6);
}

void tst_program_page::recurrences()
{
    putProgram(c(), 0, steps(2, {0, 10, 10, 40}));
    makePage();
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::ProgramTimeColumn).last(), QStringLiteral("00:00:08.0"));
    page->recurrencesSpin->setValue(0);
    QCOMPARE(c().programList.recurrences(0), 0);
    QCOMPARE(page->stepTable->runMode, 0);
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::FadeDownColumn), QStringList(2, " - "));
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::ProgramTimeColumn).last(), QStringLiteral("00:00:04.0"));
    page->recurrencesSpin->setValue(100);
    QCOMPARE(c().programList.recurrences(0), 100);
    QCOMPARE(column(page->stepTable, aprogram_conf_widget::FadeDownColumn).last(), QStringLiteral("00:00:04.0"));
    page->recurrencesSpin->setValue(101);
    QCOMPARE(c().programList.recurrences(0), 100);
}

void tst_program_page::extraEntriesShortenTheList_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("eight") << 8;
}

void tst_program_page::extraEntriesShortenTheList()
{
    QFETCH(int, entries);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("entries.cfg625"));
    {
        // A file written by our writer: program 1 has steps, entries enter it at step 2.
        controller_configuration_class other;
        other.programList.setStepCount(0, 3);
        for (int k = 0; k < entries; ++k)
            other.extraEntries << new extra_entry_class{0, 1, u16(511 - k)};
        writeU16(other.confData, image_layout::OrdinaryProgramCount, u16(512 - entries));
        other.write_confDataToFile(file, false);
    }
    makePage();
    QCOMPARE(c().read_confDataFromFile(file), 0);
    QCOMPARE(c().extraEntries.size(), entries);
    page->refresh();
    QCOMPARE(page->ordinaryPrograms, 512 - entries);
    QCOMPARE(page->programTable->rowCount(), 512 - entries);
    QCOMPARE(page->programTable->item(0, 0)->background().color(), QColor(230, 255, 230));
}

void tst_program_page::descriptionLine()
{
    makePage();
    page->programTable->setCurrentCell(3, 0);
    QCOMPARE(page->programDescEdit->text(), QString());
    QCOMPARE(page->programTable->item(3, 0)->text(), QStringLiteral("no description"));

    // Leaving the line stores its text for the current program; the row shows it
    // shortened to the column.
    const QString longText = QStringLiteral("A long evening with the whole band on the stage and every light on");
    page->programDescEdit->setText(longText);
    emit page->programDescEdit->editingFinished();
    QCOMPARE(c().programDescs[3], longText);
    const QString row = page->programTable->item(3, 0)->text();
    QVERIFY2(row.endsWith(QChar(0x2026)) && row.size() < longText.size(), qPrintable(row));
    QVERIFY(longText.startsWith(row.chopped(1)));
    // A refresh writes it whole; the list shortens it for display.
    page->refresh();
    QCOMPARE(page->programTable->item(3, 0)->text(), longText);

    // The other programs keep theirs; an empty text shows "no description" again.
    page->programTable->setCurrentCell(4, 0);
    QCOMPARE(page->programDescEdit->text(), QString());
    page->programTable->setCurrentCell(3, 0);
    QCOMPARE(page->programDescEdit->text(), longText);
    page->programDescEdit->clear();
    emit page->programDescEdit->editingFinished();
    QCOMPARE(c().programDescs[3], QString());
    QCOMPARE(page->programTable->item(3, 0)->text(), QStringLiteral("no description"));
    QCOMPARE(c().programDescs[4], QString());

    // relabel() shortens every row, as after a file read.
    c().programDescs[0] = longText;
    page->relabel();
    QVERIFY(page->programTable->item(0, 0)->text().endsWith(QChar(0x2026)));
    QCOMPARE(page->programTable->item(1, 0)->text(), QStringLiteral("no description"));
}

void tst_program_page::descriptionLineOnOtherTabs()
{
    c().programDescs[0] = QStringLiteral("opening");
    c().programDescs[1] = QStringLiteral("closing");
    makePage();
    page->copyingPage->copyFromSpin->setValue(2);
    page->programTabs->setCurrentIndex(aprogram_settings_widget::CopyingTab);
    // There the line shows the copy range's first program and cannot be edited.
    QVERIFY(page->programDescEdit->isReadOnly());
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("closing"));
    emit page->programDescEdit->editingFinished();
    QCOMPARE(c().programDescs[0], QStringLiteral("opening"));
    QCOMPARE(c().programDescs[1], QStringLiteral("closing"));

    page->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
    QVERIFY(!page->programDescEdit->isReadOnly());
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("opening"));
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    QVERIFY(!page->programDescEdit->isReadOnly());
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("opening"));

    // Typed, and another tab chosen before the edit was finished: the text is kept for the
    // program it was typed for.
    page->programDescEdit->end(false);
    QTest::keyClicks(page->programDescEdit, QStringLiteral(" act"));
    page->programTabs->setCurrentIndex(aprogram_settings_widget::CopyingTab);
    QCOMPARE(c().programDescs[0], QStringLiteral("opening act"));
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("closing"));
    emit page->programDescEdit->editingFinished();
    QCOMPARE(c().programDescs[0], QStringLiteral("opening act"));
    QCOMPARE(c().programDescs[1], QStringLiteral("closing"));
}

void tst_program_page::entriesTab()
{
    makePage();
    auto texts = [this] {
        QStringList t;
        for (int i = 0; i < page->programTabs->count(); ++i)
            t << page->programTabs->tabText(i);
        return t;
    };
    page->showEntriesTab(true);
    page->showEntriesTab(true);
    QCOMPARE(texts(), QStringList({"Single Steps", "Groupped Steps", "Copying", "Test entries"}));
    QCOMPARE(page->programTabs->widget(aprogram_settings_widget::EntriesTab), page->entriesPage);
    page->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    QVERIFY(page->programDescEdit->isReadOnly());
    page->showEntriesTab(false);
    QCOMPARE(texts(), QStringList({"Single Steps", "Groupped Steps", "Copying"}));
    page->showEntriesTab(false);
    QCOMPARE(page->programTabs->count(), 3);
}

void tst_program_page::livePreview_data()
{
    QTest::addColumn<int>("uiMode");
    QTest::addColumn<int>("row");     // the step table's current row; -1 none
    QTest::addColumn<int>("scene");   // the scene sent, -1 none
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("tab");     // the page's tab shown
    const int live = kd620_controller_class::UiModeLive;
    const int steps = aprogram_settings_widget::SingleStepsTab;
    QTest::newRow("Live: the step's scene") << live << 1 << 9 << "blue wash" << steps;
    QTest::newRow("Live: another step") << live << 0 << 5 << "red wash" << steps;
    QTest::newRow("Live: a scene beyond the last is never sent") << live << 2 << -1 << "" << steps;
    QTest::newRow("Normal: nothing sent") << int(kd620_controller_class::UiModeNormal) << 1 << -1 << "blue wash"
                                          << steps;
    QTest::newRow("no mode: nothing sent") << int(kd620_controller_class::UiModeNone) << 1 << -1 << "blue wash"
                                           << steps;
    // Only a step table that is shown previews its step.
    QTest::newRow("Live, step table not shown: nothing sent")
        << live << 1 << -1 << "blue wash" << int(aprogram_settings_widget::GroupedStepsTab);
}

void tst_program_page::livePreview()
{
    QFETCH(int, uiMode);
    QFETCH(int, row);
    QFETCH(int, scene);
    QFETCH(QString, description);
    QFETCH(int, tab);
    putProgram(c(), 0, {{5, 0, 10, 0}, {9, 0, 10, 0}, {4000, 0, 10, 0}});
    c().sceneDescs[5] = QStringLiteral("red wash");
    c().sceneDescs[9] = QStringLiteral("blue wash");
    for (int ch = 0; ch < 512; ++ch) {
        c().confData[image_layout::sceneLevel(5, u32(ch))] = u8(ch);
        c().confData[image_layout::sceneLevel(9, u32(ch))] = u8(255 - ch);
    }
    makePage();
    QVERIFY(f->connectAndReset());
    c().uiMode = uiMode;
    sim_live_engine &live = *f->bus.device(1).findEngine<sim_live_engine>();
    page->programTabs->setCurrentIndex(tab);

    page->stepTable->setCurrentIndex(page->stepTable->stepModel->index(row, 0));

    QCOMPARE(page->sceneDescEdit->text(), description);
    if (scene < 0) {
        QCOMPARE(live.scenesReceived, 0);
        QCOMPARE(f->bus.logTexts(), QStringList());
        return;
    }
    QCOMPARE(live.scenesReceived, 1);
    QCOMPARE(live.levels, QByteArray(reinterpret_cast<const char *>(c().confData + image_layout::sceneLevel(u32(scene), 0)),
                                     512));
    QVERIFY(f->controller->isConnected());

    // Losing the current row (the program is emptied) sends nothing.
    f->reset();
    page->stepCountSpin->setValue(0);
    QCOMPARE(page->sceneDescEdit->text(), QString());
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_program_page::liveFollowsEditsOfTheCurrentStep_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("scene");  // the current step's scene afterwards
    QTest::addColumn<int>("sent");   // scenes the controller got for the edit
    QTest::newRow("Delete, Yes!") << "delete" << 4 << 1;
    QTest::newRow("Scene No. edited") << "scene" << 4 << 1;
    QTest::newRow("Insert at the current row") << "insert" << 0 << 1;
    QTest::newRow("Groupped Steps, then back") << "grouped" << 4 << 1;
    QTest::newRow("Paste at the current row") << "paste" << 4 << 1;
    QTest::newRow("Paste with Replace") << "replace" << 4 << 1;
    // The current step keeps its scene: the stage is not sent it again.
    QTest::newRow("Scenes' Sequence below it") << "sequence" << 2 << 0;
    QTest::newRow("Delete, No") << "keep" << 2 << 0;
}

// In Live mode the controller shows the current step's scene, however the step came by it.
void tst_program_page::liveFollowsEditsOfTheCurrentStep()
{
    QFETCH(QString, edit);
    QFETCH(int, scene);
    QFETCH(int, sent);
    // Steps 1..3 on scenes 1, 3 and 5, whose levels all differ.
    putProgram(c(), 0, {{0, 0, 10, 0}, {2, 0, 10, 0}, {4, 0, 10, 0}});
    for (int s : {0, 2, 4}) {
        for (int ch = 0; ch < 512; ++ch)
            c().confData[image_layout::sceneLevel(u32(s), u32(ch))] = u8(ch * (s + 1) + s);
    }
    auto levelsOf = [this](int s) {
        return QByteArray(reinterpret_cast<const char *>(c().confData + image_layout::sceneLevel(u32(s), 0)), 512);
    };
    makePage();
    QVERIFY(f->connectAndReset());
    c().uiMode = kd620_controller_class::UiModeLive;
    sim_live_engine &live = *f->bus.device(1).findEngine<sim_live_engine>();
    aprogram_conf_widget *table = page->stepTable;
    auto select = [table](int row) { table->setCurrentIndex(table->stepModel->index(row, 0)); };
    if (edit == "paste" || edit == "replace") {
        select(2);
        table->copyStep();
        page->replaceBox->setChecked(edit == "replace");
    }
    select(1);
    QCOMPARE(live.levels, levelsOf(2));
    const int before = live.scenesReceived;

    if (edit == "delete" || edit == "keep") {
        f->ui.answers.enqueue(edit == "delete" ? 1 : 0);
        QTest::keyClick(table, Qt::Key_Delete);
    } else if (edit == "scene") {
        const QModelIndex index = table->stepModel->index(1, aprogram_conf_widget::SceneColumn);
        table->edit(index);
        auto *spin = qobject_cast<QSpinBox *>(table->indexWidget(index));
        QVERIFY(spin);
        spin->setValue(5);
        // Committed and closed as Enter does.
        emit table->confDelegate->commitData(spin);
        emit table->confDelegate->closeEditor(spin, QAbstractItemDelegate::SubmitModelCache);
    } else if (edit == "insert") {
        page->insertStepButton->click();
    } else if (edit == "grouped") {
        page->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
        page->gridBox(1)->setChecked(true);
        page->groupSceneSpin->setValue(5);
        page->setSceneButton->click();
        // Not while the step table is hidden behind the tab.
        QCOMPARE(live.scenesReceived, before);
        page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    } else if (edit == "paste" || edit == "replace") {
        page->pasteStepButton->click();
    } else if (edit == "sequence") {
        page->sequenceButton->click();
    }

    QCOMPARE(table->currentIndex().row(), 1);
    QCOMPARE(c().programList.scene(0, 1), scene);
    QCOMPARE(live.scenesReceived - before, sent);
    QCOMPARE(live.levels, levelsOf(scene));
    QVERIFY(c().isConnected());
}

void tst_program_page::typedSceneShowsItsDescription()
{
    putProgram(c(), 0, {{5, 0, 10, 0}});
    c().sceneDescs[2] = QStringLiteral("spot");
    c().sceneDescs[3071] = QStringLiteral("last");
    makePage();
    QVERIFY(f->connectAndReset());
    c().uiMode = kd620_controller_class::UiModeLive;
    page->currentSceneChanged(3);
    QCOMPARE(page->sceneDescEdit->text(), QStringLiteral("spot"));
    page->currentSceneChanged(3072);
    QCOMPARE(page->sceneDescEdit->text(), QStringLiteral("last"));
    page->currentSceneChanged(3073);
    QCOMPARE(page->sceneDescEdit->text(), QString());
    // A number being typed is no step yet: nothing is previewed.
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_program_page::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("operation");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << int(aprogram_conf_widget::DeleteOperation);
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << shift << int(aprogram_conf_widget::DeleteOperation);
    QTest::newRow("Insert") << int(Qt::Key_Insert) << none << int(aprogram_conf_widget::InsertOperation);
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << int(aprogram_conf_widget::InsertOperation);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << int(aprogram_conf_widget::CopyOperation);
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << int(aprogram_conf_widget::PasteOperation);
    QTest::newRow("Ctrl+C on the keypad") << int(Qt::Key_C) << int(ctrl | Qt::KeypadModifier)
                                          << int(aprogram_conf_widget::CopyOperation);
    QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << int(ctrl | shift) << int(aprogram_conf_widget::NoOperation);
    QTest::newRow("Ctrl+Alt+V") << int(Qt::Key_V) << int(ctrl | Qt::AltModifier)
                                << int(aprogram_conf_widget::NoOperation);
    QTest::newRow("C") << int(Qt::Key_C) << none << int(aprogram_conf_widget::NoOperation);
    QTest::newRow("Down") << int(Qt::Key_Down) << none << int(aprogram_conf_widget::NoOperation);
}

void tst_program_page::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, operation);
    QCOMPARE(int(aprogram_conf_widget::keyOperation(key, Qt::KeyboardModifiers(modifiers))), operation);
}

void tst_program_page::otherKeysMoveTheCell()
{
    putProgram(c(), 0, steps(3, {0, 0, 10, 0}));
    makePage();
    aprogram_conf_widget *table = page->stepTable;
    table->setCurrentIndex(table->stepModel->index(0, 0));
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentIndex().row(), 1);
    // Ctrl+C is the table's step copy: the view's own copy of the cell text does not run.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(table->currentIndex().row(), 1);
}

void tst_program_page::closedEditorRefreshes()
{
    putProgram(c(), 0, steps(2, {0, 0, 10, 0}));
    makePage();
    aprogram_conf_widget *table = page->stepTable;
    auto sceneShown = [table] { return table->stepModel->index(0, 0).data().toString(); };
    table->setCurrentIndex(table->stepModel->index(0, aprogram_conf_widget::SceneColumn));
    c().programList.setScene(0, 0, 41);

    // Another editor closed in another column: nothing to redraw.
    QLineEdit line;
    table->refresh(&line);
    QCOMPARE(sceneShown(), QStringLiteral("   1"));
    // A time editor: the program times may have changed.
    QTimeEdit time;
    table->refresh(&time);
    QCOMPARE(sceneShown(), QStringLiteral("   42"));
    // Any editor in the duration column.
    c().programList.setScene(0, 0, 7);
    table->setCurrentIndex(table->stepModel->index(1, aprogram_conf_widget::DurationColumn));
    c().programList.setScene(0, 0, 8);
    table->refresh(&line);
    QCOMPARE(sceneShown(), QStringLiteral("   9"));
}

void tst_program_page::durationEditorEndsWhenTheMouseLeaves()
{
    putProgram(c(), 0, steps(2, {0, 0, 10, 0}));
    makePage();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    aprogram_conf_widget *table = page->stepTable;
    const QModelIndex index = table->stepModel->index(0, aprogram_conf_widget::DurationColumn);
    table->setCurrentIndex(index);
    table->edit(index);
    QWidget *editor = table->indexWidget(index);
    QVERIFY(editor);

    // Still over the editor: the edit goes on.
    QCursor::setPos(editor->mapToGlobal(editor->rect().center()));
    table->stopEditing(editor);
    QCOMPARE(table->indexWidget(index), editor);
    // On its border or outside: the edit ends.
    QCursor::setPos(editor->mapToGlobal(QPoint(0, editor->height() / 2)));
    table->stopEditing(editor);
    QVERIFY(!table->indexWidget(index));
}

void tst_program_page::pageBelongsToItsTabPage()
{
    makePage();
    QCOMPARE(page->parentWidget(), f->tabPage.get());
    QCOMPARE(page->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(page->programTable->geometry(), QRect(10, 20, 175, 625));
    QCOMPARE(page->programTabs->geometry(), QRect(190, 0, 655, 610));
    QCOMPARE(page->programDescEdit->geometry(), QRect(202, 645, 631, 21));
    QVERIFY(page->rect().contains(page->programDescEdit->geometry()));
    QVERIFY(page->stepTable->stepModel->parent() == page->stepTable);
    QVERIFY(page->isAncestorOf(page->entriesPage));
    QVERIFY(page->isAncestorOf(page->stepTable));
    // Fonts: lists and buttons, description lines.
    QCOMPARE(page->programTable->font().family(), QStringLiteral("MS Shell Dlg"));
    QCOMPARE(page->stepTable->font().family(), QStringLiteral("MS Shell Dlg"));
    QCOMPARE(page->editSceneButton->font().family(), QStringLiteral("MS Shell Dlg"));
    QCOMPARE(page->programDescEdit->font().family(), QStringLiteral("Arial Narrow"));
    QCOMPARE(page->sceneDescEdit->font().family(), QStringLiteral("Arial Narrow"));
    QCOMPARE(page->replaceBox->layoutDirection(), Qt::RightToLeft);

    // The tab page owns the page and everything on it: one delete, no leak, nothing twice.
    page->showEntriesTab(true);
    QPointer<aprogram_settings_widget> guard(page);
    QPointer<QWidget> entries(page->entriesPage);
    f->tabPage.reset();
    QVERIFY(guard.isNull());
    QVERIFY(entries.isNull());
    page = nullptr;
    f->tabPage = std::make_unique<QWidget>();
}

QTEST_MAIN(tst_program_page)
#include "tst_program_page.moc"
