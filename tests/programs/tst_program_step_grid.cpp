// The program page's "Groupped Steps" tab: the 1000 step boxes, how they follow the step
// count, the selection tool and the setters.

#include "link/kd620_controller_class.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/support/built_translation.h"
#include "tests/support/page_fixture.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/my_time_edit.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

using step_numbers = QList<int>;  // counted from 1

enum selection_mode { Select, Deselect, Invert };

} // namespace

class tst_program_step_grid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theGrid();
    void emptyProgram();
    void boxesOfExistingSteps();
    void programLabelOneForm_data();
    void programLabelOneForm();
    void shownBoxesTakeClicksOfExistingStepsOnly();
    void selectSome_data();
    void selectSome();
    void rangeEndsFollowEachOther();
    void selectingAnotherProgramKeepsTicks();
    void shrinkingWithTheSpinClearsTicks();
    void gridFollowsStepsChangedElsewhere();
    void setScene();
    void setFadeUp();
    void setDuration();
    void settersStopAtTheStepCount();

private:
    void makePage();
    kd620_controller_class &c() { return *f->controller; }
    void showProgram(int program) { page->programTable->setCurrentCell(program, 0); }
    void showGrid() { page->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab); }
    step_numbers ticked() const
    {
        step_numbers steps;
        for (int k = 0; k < 1000; ++k) {
            if (page->gridBox(k)->isChecked())
                steps << k + 1;
        }
        return steps;
    }
    int enabledBoxes() const
    {
        int n = 0;
        for (int k = 0; k < 1000; ++k)
            n += page->gridBox(k)->isEnabled() ? 1 : 0;
        return n;
    }
    void tick(const step_numbers &steps)
    {
        for (int s : steps)
            page->gridBox(s - 1)->setChecked(true);
    }

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
};

void tst_program_step_grid::init()
{
    f = std::make_unique<page_fixture>();
    page = nullptr;
}

void tst_program_step_grid::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_program_step_grid::makePage()
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
}

void tst_program_step_grid::theGrid()
{
    makePage();
    QTableWidget *grid = page->stepGrid;
    QCOMPARE(grid->rowCount(), 100);
    QCOMPARE(grid->columnCount(), 10);
    QCOMPARE(grid->gridStyle(), Qt::DotLine);
    QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
    // Ten columns of one width, 22 pixels or as many more as the title "10" needs in the
    // header's font (the window's fit test measures it).
    QCOMPARE(grid->columnWidth(9), grid->columnWidth(0));
    QVERIFY(grid->columnWidth(9) >= 22);
    QCOMPARE(grid->rowHeight(99), 24);
    QCOMPARE(grid->verticalHeaderItem(0)->text(), QStringLiteral("0"));
    QCOMPARE(grid->verticalHeaderItem(2)->text(), QStringLiteral("20"));
    QCOMPARE(grid->verticalHeaderItem(99)->text(), QStringLiteral("990"));
    // Box k stands in row k / 10, column k % 10.
    QCOMPARE(grid->cellWidget(2, 2), page->gridBox(22));
    QCOMPARE(grid->cellWidget(99, 9), page->gridBox(999));
    QCOMPARE(page->gridProgramLabel->text(), QStringLiteral("Program: 1"));
    QVERIFY(page->deselectRadio->isChecked());
    QVERIFY(!page->everySpin->isEnabled());
    QVERIFY(!page->selFrom->isEnabled() && !page->selTo->isEnabled());
    QCOMPARE(page->groupSceneSpin->minimum(), 1);
    QCOMPARE(page->groupSceneSpin->maximum(), 3072);
    QCOMPARE(page->groupFadeUpEdit->maximumTime(), QTime(1, 49, 13, 400));
    QCOMPARE(page->groupDurationEdit->maximumTime(), QTime(1, 49, 13, 400));
    QVERIFY(!page->infiniteBox->isChecked());

    page->everyBox->setChecked(true);
    page->inRangeBox->setChecked(true);
    QVERIFY(page->everySpin->isEnabled());
    QVERIFY(page->selFrom->isEnabled() && page->selTo->isEnabled());
    QCOMPARE(page->everySpin->minimum(), 2);
    QCOMPARE(page->everySpin->maximum(), 256);
}

void tst_program_step_grid::emptyProgram()
{
    makePage();
    showGrid();
    QCOMPARE(enabledBoxes(), 0);
    QCOMPARE(page->selFrom->maximum(), 1);
    QCOMPARE(page->selTo->maximum(), 1);
    page->selectRadio->setChecked(true);
    page->executeButton->click();
    QCOMPARE(ticked(), step_numbers());
}

void tst_program_step_grid::boxesOfExistingSteps()
{
    c().programList.setStepCount(3u, 25);
    c().programList.setStepCount(4u, 999);
    makePage();
    showGrid();
    showProgram(3);
    QCOMPARE(page->gridProgramLabel->text(), QStringLiteral("Program: 4"));
    QCOMPARE(enabledBoxes(), 25);
    QVERIFY(page->gridBox(24)->isEnabled());
    QVERIFY(!page->gridBox(25)->isEnabled());
    QCOMPARE(page->selTo->maximum(), 25);
    // Row "20", column 3 is step 23.
    page->selectRadio->setChecked(true);
    page->inRangeBox->setChecked(true);
    page->selFrom->setValue(23);
    page->selTo->setValue(23);
    page->executeButton->click();
    QCOMPARE(ticked(), step_numbers({23}));
    QVERIFY(qobject_cast<QCheckBox *>(page->stepGrid->cellWidget(2, 2))->isChecked());

    // The longest program leaves the last box disabled.
    showProgram(4);
    QCOMPARE(enabledBoxes(), 999);
    QVERIFY(!page->gridBox(999)->isEnabled());
}

// The grid as a user clicks it: a box of an existing step ticks, one past the program's last
// step does not, and a box the step count reaches later takes clicks from then on.
void tst_program_step_grid::programLabelOneForm_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"en", "pl", "de"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// The label names the program in the same untranslated words before and after the tab's
// first refresh, in every language.
void tst_program_step_grid::programLabelOneForm()
{
    QFETCH(QString, code);
    const built_translation language(code);
    QVERIFY(language.loaded());
    c().programList.setStepCount(3u, 2);
    makePage();
    QCOMPARE(page->gridProgramLabel->text(), QStringLiteral("Program: 1"));
    showGrid();
    showProgram(3);
    QCOMPARE(page->gridProgramLabel->text(), QStringLiteral("Program: 4"));
}

void tst_program_step_grid::shownBoxesTakeClicksOfExistingStepsOnly()
{
    c().programList.setStepCount(3u, 25);
    makePage();
    showProgram(3);
    showGrid();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    const auto clickBox = [this](int k) {
        page->stepGrid->scrollTo(page->stepGrid->model()->index(k / 10, k % 10));
        QCheckBox *box = page->gridBox(k);
        QTRY_VERIFY(box->isVisible());
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    };
    clickBox(24);
    clickBox(25);
    QCOMPARE(ticked(), step_numbers({25}));

    page->stepCountSpin->setValue(26);
    clickBox(25);
    QCOMPARE(ticked(), step_numbers({25, 26}));
}

void tst_program_step_grid::selectSome_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<step_numbers>("before");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("from");  // 0: not in range
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("every");  // 0: every box
    QTest::addColumn<step_numbers>("after");

    QTest::newRow("select all") << 4 << step_numbers() << int(Select) << 0 << 0 << 0 << step_numbers({1, 2, 3, 4});
    QTest::newRow("select 2 to 10 every 3") << 12 << step_numbers() << int(Select) << 2 << 10 << 3 << step_numbers({2, 5, 8});
    QTest::newRow("select every 4") << 10 << step_numbers({2}) << int(Select) << 0 << 0 << 4 << step_numbers({1, 2, 5, 9});
    QTest::newRow("select one") << 10 << step_numbers() << int(Select) << 4 << 4 << 0 << step_numbers({4});
    QTest::newRow("select the last") << 10 << step_numbers() << int(Select) << 10 << 10 << 2 << step_numbers({10});
    QTest::newRow("reversed range") << 10 << step_numbers() << int(Select) << 8 << 3 << 0 << step_numbers();
    QTest::newRow("deselect all") << 6 << step_numbers({1, 3, 6}) << int(Deselect) << 0 << 0 << 0 << step_numbers();
    QTest::newRow("deselect a range") << 6 << step_numbers({1, 3, 6}) << int(Deselect) << 2 << 5 << 0 << step_numbers({1, 6});
    QTest::newRow("invert all") << 5 << step_numbers({2, 4}) << int(Invert) << 0 << 0 << 0 << step_numbers({1, 3, 5});
    QTest::newRow("invert every 2 in range") << 9 << step_numbers({3, 4}) << int(Invert) << 3 << 8 << 2 << step_numbers({4, 5, 7});
}

void tst_program_step_grid::selectSome()
{
    QFETCH(int, steps);
    QFETCH(step_numbers, before);
    QFETCH(int, mode);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, every);
    QFETCH(step_numbers, after);
    c().programList.setStepCount(0u, steps);
    makePage();
    showGrid();
    tick(before);
    QRadioButton *radios[] = {page->selectRadio, page->deselectRadio, page->invertRadio};
    radios[mode]->setChecked(true);
    page->inRangeBox->setChecked(from > 0);
    if (from > 0) {
        page->selFrom->setValue(from);
        page->selTo->setValue(to);
    }
    page->everyBox->setChecked(every > 0);
    if (every > 0)
        page->everySpin->setValue(every);
    page->executeButton->click();
    QCOMPARE(ticked(), after);
    // The store knows nothing of ticks.
    QCOMPARE(c().programList.stepCount(0), steps);
}

void tst_program_step_grid::rangeEndsFollowEachOther()
{
    c().programList.setStepCount(0u, 50);
    makePage();
    f->tabPage->show();
    showGrid();
    page->inRangeBox->setChecked(true);
    page->selTo->setValue(10);
    page->selFrom->setValue(20);
    // The arrows alone correct nothing; an accepted value does.
    QCOMPARE(page->selTo->value(), 10);
    QTest::keyClick(page->selFrom, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->selTo->value(), 20);

    page->selTo->setValue(5);
    QTest::keyClick(page->selTo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->selFrom->value(), 5);
    QCOMPARE(page->selTo->value(), 5);
    // An end within the range leaves the other alone.
    page->selTo->setValue(30);
    QTest::keyClick(page->selTo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->selFrom->value(), 5);
}

void tst_program_step_grid::selectingAnotherProgramKeepsTicks()
{
    c().programList.setStepCount(0u, 10);
    c().programList.setStepCount(1u, 5);
    makePage();
    showGrid();
    page->selectRadio->setChecked(true);
    page->executeButton->click();
    QCOMPARE(ticked().size(), 10);

    showProgram(1);
    QCOMPARE(enabledBoxes(), 5);
    QCOMPARE(page->gridStepCount, 5);
    QCOMPARE(ticked().size(), 10);  // disabled, still ticked
    QCOMPARE(page->selTo->maximum(), 5);

    // Back to the longer program: the ticks count again.
    showProgram(0);
    QCOMPARE(enabledBoxes(), 10);
    QCOMPARE(ticked().size(), 10);
    page->invertRadio->setChecked(true);
    page->executeButton->click();
    QCOMPARE(ticked(), step_numbers());
}

void tst_program_step_grid::shrinkingWithTheSpinClearsTicks()
{
    c().programList.setStepCount(0u, 10);
    makePage();
    showGrid();
    tick({1, 4, 6, 10});
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    page->stepCountSpin->setValue(5);
    QCOMPARE(c().programList.stepCount(0), 5);
    showGrid();
    QCOMPARE(enabledBoxes(), 5);
    QCOMPARE(ticked(), step_numbers({1, 4}));

    // Growing again enables the boxes, empty.
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    page->stepCountSpin->setValue(8);
    showGrid();
    QCOMPARE(enabledBoxes(), 8);
    QCOMPARE(ticked(), step_numbers({1, 4}));
    // Setting the count to 0 leaves the range ends at 1.
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    page->stepCountSpin->setValue(0);
    QCOMPARE(page->selFrom->maximum(), 1);
    QCOMPARE(page->selTo->maximum(), 1);
    showGrid();
    QCOMPARE(enabledBoxes(), 0);
    QCOMPARE(ticked(), step_numbers());
}

void tst_program_step_grid::gridFollowsStepsChangedElsewhere()
{
    c().programList.setStepCount(0u, 6);
    makePage();
    showGrid();
    tick({5, 6});
    // The step table removes and inserts steps; its tab records the new count.
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    c().programList.removeStep(0, 5);
    c().programList.removeStep(0, 4);
    page->refresh();
    QCOMPARE(page->gridStepCount, 4);
    showGrid();
    QCOMPARE(enabledBoxes(), 4);
    QCOMPARE(ticked(), step_numbers());

    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
    c().programList.insertStep(0, 0);
    c().programList.insertStep(0, 0);
    c().programList.insertStep(0, 0);
    page->refresh();
    showGrid();
    QCOMPARE(enabledBoxes(), 7);
    QVERIFY(page->gridBox(6)->isEnabled());
    page->selectRadio->setChecked(true);
    page->executeButton->click();
    QCOMPARE(ticked().size(), 7);
}

void tst_program_step_grid::setScene()
{
    c().programList.setStepCount(0u, 4);
    for (int k = 0; k < 4; ++k)
        c().programList.setScene(0, k, 7);
    makePage();
    showGrid();
    tick({1, 3});
    page->groupSceneSpin->setValue(1);
    page->setSceneButton->click();
    QCOMPARE(c().programList.scene(0, 0), 0);
    QCOMPARE(c().programList.scene(0, 1), 7);
    QCOMPARE(c().programList.scene(0, 2), 0);
    QCOMPARE(c().programList.scene(0, 3), 7);
    // The step table shows it at once; the boxes keep their ticks.
    QCOMPARE(page->stepTable->stepModel->index(2, aprogram_conf_widget::SceneColumn).data().toString().trimmed(),
             QStringLiteral("1"));
    QCOMPARE(ticked(), step_numbers({1, 3}));

    page->groupSceneSpin->setValue(3072);
    page->setSceneButton->click();
    QCOMPARE(c().programList.scene(0, 2), 3071);
}

void tst_program_step_grid::setFadeUp()
{
    c().programList.setStepCount(0u, 3);
    makePage();
    showGrid();
    tick({2, 3});
    page->groupFadeUpEdit->setTime(QTime(0, 0, 2, 500));
    page->setFadeUpButton->click();
    QCOMPARE(c().programList.riseTime(0, 0), QTime(0, 0));
    QCOMPARE(c().programList.riseTime(0, 1), QTime(0, 0, 2, 500));
    QCOMPARE(c().programList.riseTime(0, 2), QTime(0, 0, 2, 500));
}

void tst_program_step_grid::setDuration()
{
    c().programList.setStepCount(0u, 3);
    for (int k = 0; k < 3; ++k)
        c().programList.setLastTime(0, k, QTime(0, 0, 5));
    makePage();
    showGrid();
    tick({1, 2});

    page->infiniteBox->setChecked(true);
    page->groupDurationEdit->setTime(QTime(0, 1, 0));
    page->setDurationButton->click();
    for (int k : {0, 1}) {
        QVERIFY(c().programList.isLastTimeInf(0, k));
        QCOMPARE(c().programList.lastTime(0, k), QTime(0, 0, 5));  // kept under the mark
    }
    QVERIFY(!c().programList.isLastTimeInf(0, 2));

    page->infiniteBox->setChecked(false);
    page->setDurationButton->click();
    for (int k : {0, 1}) {
        QVERIFY(!c().programList.isLastTimeInf(0, k));
        QCOMPARE(c().programList.lastTime(0, k), QTime(0, 1, 0));
    }
    QCOMPARE(c().programList.lastTime(0, 2), QTime(0, 0, 5));
}

void tst_program_step_grid::settersStopAtTheStepCount()
{
    c().programList.setStepCount(0u, 8);
    c().programList.setStepCount(1u, 3);
    makePage();
    showGrid();
    page->selectRadio->setChecked(true);
    page->executeButton->click();
    showProgram(1);
    // Boxes 4 to 8 are ticked but stand for no step of this program.
    page->groupSceneSpin->setValue(12);
    page->setSceneButton->click();
    QCOMPARE(c().programList.stepCount(1), 3);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(c().programList.scene(1, k), 11);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(c().programList.scene(0, k), 0);
}

QTEST_MAIN(tst_program_step_grid)
#include "tst_program_step_grid.moc"
