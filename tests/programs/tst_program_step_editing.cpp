// Editing the steps of a program on the step table: the cell editors and what they store,
// the program-time boundary, and the step operations (insert, delete, copy, paste, scenes'
// sequence) with their questions.
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_delegate.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/program_time_edit.h"
#include "tests/support/page_fixture.h"
#include "widgets/font_fitting.h"
#include "widgets/inf_time_class.h"
#include "widgets/my_time_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QStyle>
#include <QStyleOptionButton>

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
constexpr int Day = 864000;

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

// Steps numbered by their scenes 0, 1, 2, ...: a step's scene tells where it came from.
step_list numbered(int n, int firstScene = 0)
{
    step_list program;
    for (int i = 0; i < n; ++i)
        program << test_step{firstScene + i, 0, 10, 0};
    return program;
}

QList<int> scenesOf(const kd620_controller_class &c, int program)
{
    QList<int> scenes;
    for (int i = 0; i < c.programList.stepCount(program); ++i)
        scenes << c.programList.scene(program, i);
    return scenes;
}

QList<int> durationsOf(const kd620_controller_class &c, int program)
{
    QList<int> tenths;
    for (int i = 0; i < c.programList.stepCount(program); ++i)
        tenths << timeToTenths(c.programList.lastTime(program, i));
    return tenths;
}

// Every field of one step as one line: scene, fade-up, duration ("inf" when infinite),
// fade-down (times in tenths) and event code.
QString stepText(const test_step &s)
{
    const QString duration = s.duration == Infinite ? QStringLiteral("inf") : QString::number(s.duration);
    return QStringLiteral("s%1 up%2 d%3 down%4 e%5").arg(s.scene).arg(s.fadeUp).arg(duration).arg(s.fadeDown)
        .arg(s.event, 0, 16);
}

QStringList stepTexts(const step_list &steps)
{
    QStringList texts;
    for (const test_step &s : steps)
        texts << stepText(s);
    return texts;
}

QStringList stepTexts(const kd620_controller_class &c, int program)
{
    const program_list_class &list = c.programList;
    step_list steps;
    for (int i = 0; i < list.stepCount(program); ++i)
        steps << test_step{list.scene(program, i), timeToTenths(list.riseTime(program, i)),
                           list.isLastTimeInf(program, i) ? Infinite : timeToTenths(list.lastTime(program, i)),
                           timeToTenths(list.fallTime(program, i)), list.stepEvent(program, i)};
    return stepTexts(steps);
}

QStringList column(const aprogram_conf_widget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->stepModel->rowCount(); ++row)
        texts << table->stepModel->index(row, col).data().toString();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(step_list)

class tst_program_step_editing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The cell editors.
    void editorsByColumn_data();
    void editorsByColumn();
    void sceneEditor();
    void eventEditor_data();
    void eventEditor();
    void fadeTimeEditors_data();
    void fadeTimeEditors();
    void durationEditorInfinite();
    void durationEditorTickedKeepsTheTime();
    void tickingRefreshesAtOnce();
    void fadeDownLabelStoresNothing();
    void programTimeBoundary_data();
    void programTimeBoundary();
    void programTimeWithoutEditor_data();
    void programTimeWithoutEditor();
    void durationsStayFinite_data();
    void durationsStayFinite();
    void programTimeOverMidnight();
    void overMidnightRefusesTheGap();

    // The editors on the real table: opening, committing, cancelling.
    void editorOpens_data();
    void editorOpens();
    void enterCommits();
    void escapeCancels();
    void focusLossCommits();
    void durationEditorEnterAndFocus();
    void zeroTimeBoxWhileStoring_data();
    void zeroTimeBoxWhileStoring();
    void zeroTimeBoxWhileTicking();

    // The step operations.
    void insert_data();
    void insert();
    void insertIntoAFullProgram_data();
    void insertIntoAFullProgram();
    void deleteAsks_data();
    void deleteAsks();
    void copyKeepsTheGaps();
    void copyOfARowWithoutAStep();
    void paste_data();
    void paste();
    void pasteKeepsEventsAndDropsFadeDowns();
    void pasteIntoAFullProgram_data();
    void pasteIntoAFullProgram();
    void pasteIntoAMissingProgram();
    void scenesSequence_data();
    void scenesSequence();
    void keysRunTheOperations();
    void keyOperationInAnOpenEditor_data();
    void keyOperationInAnOpenEditor();
    void buttonsRunTheOperations();

private:
    aprogram_settings_widget *makePage();
    void showPage();
    kd620_controller_class &c() { return *f->controller; }
    aprogram_conf_widget *table() const { return page->stepTable; }
    QModelIndex cell(int row, int col) const { return table()->stepModel->index(row, col); }
    // Opens the cell's editor as the view does; null when the cell has none.
    QWidget *openEditor(int row, int col);
    // Commits and closes the open editor of the cell, as Enter does.
    void commit(QWidget *editor);
    // Selects exactly `rows`, with `current` as the current row (-1: none).
    void select(const QList<int> &rows, int current);
    void checkBoxes(const QString &title, const QString &text);

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
};

void tst_program_step_editing::init()
{
    f = std::make_unique<page_fixture>();
    page = nullptr;
    // A commit or close the view refuses means an editor was ended twice.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("does not belong to this view")));
}

void tst_program_step_editing::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

aprogram_settings_widget *tst_program_step_editing::makePage()
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
    return page;
}

void tst_program_step_editing::showPage()
{
    f->tabPage->show();
    QApplication::setActiveWindow(f->tabPage.get());
    QVERIFY(QTest::qWaitForWindowActive(f->tabPage.get()));
}

QWidget *tst_program_step_editing::openEditor(int row, int col)
{
    const QModelIndex index = cell(row, col);
    table()->setCurrentIndex(index);
    table()->edit(index);
    return table()->indexWidget(index);
}

void tst_program_step_editing::commit(QWidget *editor)
{
    emit table()->confDelegate->commitData(editor);
    emit table()->confDelegate->closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
}

void tst_program_step_editing::select(const QList<int> &rows, int current)
{
    QItemSelectionModel *selection = table()->selectionModel();
    selection->clear();
    if (current >= 0)
        selection->setCurrentIndex(cell(current, 0), QItemSelectionModel::NoUpdate);
    for (int row : rows)
        selection->select(cell(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void tst_program_step_editing::checkBoxes(const QString &title, const QString &text)
{
    QVERIFY(!f->ui.messages.isEmpty());
    for (const message_request &box : f->ui.messages) {
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
        QCOMPARE(box.parentWidget.data(), static_cast<QObject *>(table()));
    }
}

// --- the cell editors ---------------------------------------------------------------------

void tst_program_step_editing::editorsByColumn_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("recurrences");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");

    using t = aprogram_conf_widget;
    QTest::newRow("scene") << 0 << int(t::SceneColumn) << 1 << "QSpinBox" << "1" << "3072";
    QTest::newRow("fade-up") << 0 << int(t::FadeUpColumn) << 1 << "MyTimeEdit" << "00:00:00.000" << "01:49:13.500";
    QTest::newRow("duration") << 0 << int(t::DurationColumn) << 1 << "infTime_class" << "00:00:00.000"
                              << "01:49:13.400";
    QTest::newRow("fade-down, last row") << 2 << int(t::FadeDownColumn) << 1 << "MyTimeEdit" << "00:00:00.000"
                                         << "01:49:13.300";
    QTest::newRow("fade-down, another row") << 1 << int(t::FadeDownColumn) << 1 << "QLabel" << "" << "";
    QTest::newRow("fade-down, endless program") << 2 << int(t::FadeDownColumn) << 0 << "QLabel" << "" << "";
    QTest::newRow("program time") << 1 << int(t::ProgramTimeColumn) << 1 << "program_time_edit" << "00:00:01.000"
                                  << "00:00:03.000";
    QTest::newRow("event") << 0 << int(t::EventColumn) << 1 << "QSpinBox" << "0" << "1024";
}

void tst_program_step_editing::editorsByColumn()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, recurrences);
    QFETCH(QString, kind);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}, {0, 0, 10, 0}}, recurrences);
    makePage();
    QWidget *editor = openEditor(row, col);
    QVERIFY(editor);
    QCOMPARE(QString::fromLatin1(editor->metaObject()->className()), kind);
    QCOMPARE(editor->parentWidget(), table()->viewport());
    // The editor covers its cell and no other, and shows all its text: its font is lowered
    // for it, never below a readable size.
    const QRect rect = table()->visualRect(cell(row, col));
    QCOMPARE(editor->geometry(), rect);
    QVERIFY(editor->font().pointSizeF() >= SmallestFittedPointSize);
    if (auto *box = qobject_cast<QAbstractSpinBox *>(editor)) {
        const QLineEdit *line = box->findChild<QLineEdit *>();
        QVERIFY(line);
        QVERIFY2(line->fontMetrics().horizontalAdvance(box->text()) <= line->contentsRect().width() - 4,
                 qPrintable(box->text()));
    }

    auto timeText = [](QTime t) { return t.toString(QStringLiteral("hh:mm:ss.zzz")); };
    if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        QCOMPARE(QString::number(spin->minimum()), minimum);
        QCOMPARE(QString::number(spin->maximum()), maximum);
        if (col == aprogram_conf_widget::SceneColumn) {
            QCOMPARE(spin->prefix(), QStringLiteral("   "));
            QCOMPARE(spin->text(), QStringLiteral("   1"));
        } else {
            QCOMPARE(spin->specialValueText(), QStringLiteral("not set"));
            QCOMPARE(spin->text(), QStringLiteral("not set"));
        }
    } else if (auto *inf = qobject_cast<infTime_class *>(editor)) {
        QCOMPARE(timeText(inf->timeEdit->minimumTime()), minimum);
        QCOMPARE(timeText(inf->timeEdit->maximumTime()), maximum);
        QVERIFY(!inf->checkBox->isChecked());
        QCOMPARE(inf->timeEdit->time(), QTime(0, 0, 1));
    } else if (auto *time = qobject_cast<QTimeEdit *>(editor)) {
        QCOMPARE(timeText(time->minimumTime()), minimum);
        QCOMPARE(timeText(time->maximumTime()), maximum);
    } else if (auto *label = qobject_cast<QLabel *>(editor)) {
        QCOMPARE(label->text(), QStringLiteral(" - "));
    }
}

void tst_program_step_editing::sceneEditor()
{
    putProgram(c(), 0, {{4, 0, 10, 0}, {0, 0, 10, 0}});
    c().sceneDescs[3071] = QStringLiteral("last scene");
    c().sceneDescs[9] = QStringLiteral("tenth");
    makePage();
    QSignalSpy desc(table()->confDelegate, &aprogram_conf_delegate::changeDesc);
    auto *spin = qobject_cast<QSpinBox *>(openEditor(0, aprogram_conf_widget::SceneColumn));
    QVERIFY(spin);
    QCOMPARE(spin->value(), 5);
    QCOMPARE(spin->text(), QStringLiteral("   5"));

    // Turning the box shows each scene's description on the page; nothing is stored yet.
    desc.clear();
    spin->setValue(10);
    QCOMPARE(page->sceneDescEdit->text(), QStringLiteral("tenth"));
    QCOMPARE(c().programList.scene(0, 0), 4);
    spin->setValue(4000);  // held within the scenes
    QCOMPARE(spin->value(), 3072);
    desc.clear();
    commit(spin);
    QCOMPARE(c().programList.scene(0, 0), 3071);
    QCOMPARE(desc.count(), 1);
    QCOMPARE(desc.at(0).at(0).toInt(), 3072);
    QCOMPARE(page->sceneDescEdit->text(), QStringLiteral("last scene"));
    QCOMPARE(column(table(), aprogram_conf_widget::SceneColumn), QStringList({"   3072", "   1"}));
}

void tst_program_step_editing::eventEditor_data()
{
    QTest::addColumn<int>("stored");   // the step's code before the edit
    QTest::addColumn<int>("opens");    // the value the editor opens with
    QTest::addColumn<int>("entered");  // the value committed
    QTest::addColumn<int>("code");     // the code stored
    QTest::addColumn<QString>("text"); // the cell afterwards

    QTest::newRow("none opens at 0; 0 stays none") << 0xFFFF << 0 << 0 << 0xFFFF << "not set";
    QTest::newRow("1 is the first internal event") << 0xFFFF << 0 << 1 << 0x400 << "1";
    QTest::newRow("1024 is the last") << 0x400 << 1 << 1024 << 0x7FF << "1024";
    QTest::newRow("n is 0x3FF + n") << 0x7FF << 1024 << 17 << 0x410 << "17";
    QTest::newRow("0 clears an event") << 0x404 << 5 << 0 << 0xFFFF << "not set";
    QTest::newRow("a DMX input code opens at 0") << 0x3FF << 0 << 2 << 0x401 << "2";
    QTest::newRow("code 0 opens at 0") << 0x000 << 0 << 0 << 0xFFFF << "not set";
    QTest::newRow("a timer code opens at 1024") << 0x800 << 1024 << 1024 << 0x7FF << "1024";
    QTest::newRow("a sequence code opens at 1024") << 0x1200 << 1024 << 3 << 0x402 << "3";
}

void tst_program_step_editing::eventEditor()
{
    QFETCH(int, stored);
    QFETCH(int, opens);
    QFETCH(int, entered);
    QFETCH(int, code);
    QFETCH(QString, text);
    putProgram(c(), 0, {{0, 0, 10, 0, stored}});
    makePage();
    QSignalSpy events(table()->confDelegate, &aprogram_conf_delegate::changeEvent);
    auto *spin = qobject_cast<QSpinBox *>(openEditor(0, aprogram_conf_widget::EventColumn));
    QVERIFY(spin);
    QCOMPARE(spin->value(), opens);
    events.clear();
    spin->setValue(entered);
    QCOMPARE(events.isEmpty(), entered == opens);
    commit(spin);
    QCOMPARE(c().programList.stepEvent(0, 0), code);
    QCOMPARE(cell(0, aprogram_conf_widget::EventColumn).data().toString(), text);
}

void tst_program_step_editing::fadeTimeEditors_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QTime>("entered");
    QTest::addColumn<int>("fadeUp");     // stored afterwards, tenths
    QTest::addColumn<int>("fadeDown");
    QTest::addColumn<QString>("total");  // the last program time

    using t = aprogram_conf_widget;
    QTest::newRow("fade-up") << int(t::FadeUpColumn) << QTime(0, 0, 2, 500) << 25 << 30 << "00:00:07.5";
    QTest::newRow("fade-up, its longest") << int(t::FadeUpColumn) << QTime(1, 49, 13, 500) << 0xFFFF << 30
                                          << "01:49:18.5";
    QTest::newRow("fade-up past its longest is held") << int(t::FadeUpColumn) << QTime(5, 0) << 0xFFFF << 30
                                                      << "01:49:18.5";
    QTest::newRow("fade-down") << int(t::FadeDownColumn) << QTime(0, 1) << 0 << 600 << "01:02.0";
    QTest::newRow("fade-down past its longest is held")
        << int(t::FadeDownColumn) << QTime(2, 0) << 0 << 0xFFFD << "01:49:15.3";
}

void tst_program_step_editing::fadeTimeEditors()
{
    QFETCH(int, col);
    QFETCH(QTime, entered);
    QFETCH(int, fadeUp);
    QFETCH(int, fadeDown);
    QFETCH(QString, total);
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 30}});
    makePage();
    auto *time = qobject_cast<MyTimeEdit *>(openEditor(1, col));
    QVERIFY(time);
    QCOMPARE(time->time(), col == aprogram_conf_widget::FadeUpColumn ? QTime(0, 0) : QTime(0, 0, 3));
    time->setTime(entered);
    commit(time);
    QCOMPARE(timeToTenths(c().programList.riseTime(0, 1)), fadeUp);
    QCOMPARE(timeToTenths(c().programList.fallTime(0, 1)), fadeDown);
    QVERIFY(column(table(), aprogram_conf_widget::ProgramTimeColumn).last().endsWith(total));
}

void tst_program_step_editing::durationEditorInfinite()
{
    putProgram(c(), 0, {{0, 0, Infinite, 0}, {0, 0, 10, 0}});
    c().programList.step(0, 0)->duration = QTime(0, 0, 7);  // kept behind the flag
    makePage();
    auto *inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QVERIFY(inf->checkBox->isChecked());
    QVERIFY(!inf->timeEdit->isEnabled());
    QCOMPARE(inf->timeEdit->time(), QTime(0, 0));

    // Unticked and committed: a duration of 0, which the zero-time rule raises to 1 s.
    inf->checkBox->setChecked(false);
    QVERIFY(inf->timeEdit->isEnabled());
    QVERIFY(c().programList.isLastTimeInf(0, 0));  // the box alone stores nothing
    commit(inf);
    QVERIFY(!c().programList.isLastTimeInf(0, 0));
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 1));
    QCOMPARE(f->ui.messageTitles(), QStringList{"Rule broken!"});
    QCOMPARE(column(table(), aprogram_conf_widget::DurationColumn), QStringList({"00:00:01.0", "00:00:01.0"}));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn), QStringList({"00:00:01.0", "00:00:02.0"}));
}

void tst_program_step_editing::durationEditorTickedKeepsTheTime()
{
    putProgram(c(), 0, {{0, 0, 70, 0}, {0, 0, 10, 0}});
    makePage();
    auto *inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QCOMPARE(inf->timeEdit->time(), QTime(0, 0, 7));
    inf->timeEdit->setTime(QTime(0, 0, 9));
    inf->checkBox->setChecked(true);
    commit(inf);
    QVERIFY(c().programList.isLastTimeInf(0, 0));
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 7));
    QCOMPARE(column(table(), aprogram_conf_widget::DurationColumn), QStringList({"  infinite", "00:00:01.0"}));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn), QStringList(2, "undetermined"));

    // An edited time, committed unticked, is stored.
    inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    inf->checkBox->setChecked(false);
    inf->timeEdit->setTime(QTime(0, 1, 5, 500));
    commit(inf);
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 1, 5, 500));
    QVERIFY(!c().programList.isLastTimeInf(0, 0));
}

void tst_program_step_editing::tickingRefreshesAtOnce()
{
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    auto *inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    // A change behind the table's back shows as soon as the box changes.
    c().programList.setScene(0, 1, 41);
    inf->checkBox->setChecked(true);
    QCOMPARE(cell(1, aprogram_conf_widget::SceneColumn).data().toString(), QStringLiteral("   42"));
    c().programList.setScene(0, 1, 42);
    inf->checkBox->setChecked(false);
    QCOMPARE(cell(1, aprogram_conf_widget::SceneColumn).data().toString(), QStringLiteral("   43"));
    QVERIFY(!c().programList.isLastTimeInf(0, 0));
}

void tst_program_step_editing::fadeDownLabelStoresNothing()
{
    putProgram(c(), 0, {{0, 0, 10, 40}, {0, 0, 10, 50}}, 0);
    makePage();
    for (int row : {0, 1}) {
        QWidget *label = openEditor(row, aprogram_conf_widget::FadeDownColumn);
        QVERIFY(qobject_cast<QLabel *>(label));
        c().programList.setScene(0, 0, 8);
        commit(label);
        // Nothing stored; the table shows the store again all the same.
        QCOMPARE(timeToTenths(c().programList.fallTime(0, 0)), 40);
        QCOMPARE(timeToTenths(c().programList.fallTime(0, 1)), 50);
        QCOMPARE(cell(0, aprogram_conf_widget::SceneColumn).data().toString(), QStringLiteral("   9"));
        c().programList.setScene(0, 0, 0);
    }
}

void tst_program_step_editing::programTimeBoundary_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QTime>("earliest");
    QTest::addColumn<QTime>("latest");
    QTest::addColumn<QTime>("entered");
    QTest::addColumn<QList<int>>("durations");
    QTest::addColumn<QStringList>("times");

    QTest::newRow("first row, later") << 0 << QTime(0, 0) << QTime(0, 0, 20) << QTime(0, 0, 14)
                                      << QList<int>{140, 60, 100}
                                      << QStringList{"00:00:14.0", "00:00:20.0", "00:00:30.0"};
    QTest::newRow("first row, earlier") << 0 << QTime(0, 0) << QTime(0, 0, 20) << QTime(0, 0, 3)
                                        << QList<int>{30, 170, 100}
                                        << QStringList{"00:00:03.0", "00:00:20.0", "00:00:30.0"};
    QTest::newRow("middle row") << 1 << QTime(0, 0, 10) << QTime(0, 0, 30) << QTime(0, 0, 24)
                                << QList<int>{100, 140, 60}
                                << QStringList{"00:00:10.0", "00:00:24.0", "00:00:30.0"};
    QTest::newRow("middle row, the next step to nothing")
        << 1 << QTime(0, 0, 10) << QTime(0, 0, 30) << QTime(0, 0, 30) << QList<int>{100, 200, 10}
        << QStringList{"00:00:10.0", "00:00:30.0", "00:00:31.0"};
    QTest::newRow("last row lengthens the program")
        << 2 << QTime(0, 0, 20) << QTime(1, 49, 33, 400) << QTime(0, 1) << QList<int>{100, 100, 400}
        << QStringList{"00:00:10.0", "00:00:20.0", "00:01:00.0"};
    QTest::newRow("last row shortens it") << 2 << QTime(0, 0, 20) << QTime(1, 49, 33, 400) << QTime(0, 0, 25)
                                          << QList<int>{100, 100, 50}
                                          << QStringList{"00:00:10.0", "00:00:20.0", "00:00:25.0"};
}

void tst_program_step_editing::programTimeBoundary()
{
    QFETCH(int, row);
    QFETCH(QTime, earliest);
    QFETCH(QTime, latest);
    QFETCH(QTime, entered);
    QFETCH(QList<int>, durations);
    QFETCH(QStringList, times);
    putProgram(c(), 0, step_list(3, {0, 0, 100, 0}));
    makePage();
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn),
             QStringList({"00:00:10.0", "00:00:20.0", "00:00:30.0"}));
    auto *end = qobject_cast<program_time_edit *>(openEditor(row, aprogram_conf_widget::ProgramTimeColumn));
    QVERIFY(end);
    QVERIFY(!end->overMidnight());
    QCOMPARE(end->time(), QTime(0, 0, 10 * (row + 1)));
    QCOMPARE(end->minimumTime(), earliest);
    QCOMPARE(end->maximumTime(), latest);
    end->setTime(entered);
    commit(end);
    QCOMPARE(durationsOf(c(), 0), durations);
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn), times);
}

void tst_program_step_editing::programTimeWithoutEditor_data()
{
    QTest::addColumn<step_list>("program");
    QTest::addColumn<int>("row");
    QTest::newRow("undetermined") << step_list{{0, 0, Infinite, 0}, {0, 0, 10, 0}} << 1;
    QTest::newRow("the infinite step itself") << step_list{{0, 0, 10, 0}, {0, 0, Infinite, 0}} << 1;
    QTest::newRow("no duration and the next has none")
        << step_list{{0, 10, 0, 0}, {0, 10, 0, 0}, {0, 0, 10, 0}} << 0;
    QTest::newRow("the last step ends the day with no duration")
        << step_list{{0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0}, {0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0},
                     {0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0}, {0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0},
                     {0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0}, {0, 0, 0xFFFE, 0}, {0, 0xFFFF, 0, 0},
                     {0, Day - 1 - 6 * (0xFFFE + 0xFFFF) - 10 - 0xFFFE, 0xFFFE, 0}, {0, 10, 0, 0}}
        << 13;
}

void tst_program_step_editing::programTimeWithoutEditor()
{
    QFETCH(step_list, program);
    QFETCH(int, row);
    putProgram(c(), 0, program, 0);
    makePage();
    QVERIFY(f->ui.messages.isEmpty());
    const QString before = cell(row, aprogram_conf_widget::ProgramTimeColumn).data().toString();
    QVERIFY(!openEditor(row, aprogram_conf_widget::ProgramTimeColumn));
    QCOMPARE(cell(row, aprogram_conf_widget::ProgramTimeColumn).data().toString(), before);
}

void tst_program_step_editing::durationsStayFinite_data()
{
    // 0xFFFF tenths would read as infinite: no move makes a duration longer than 0xFFFE.
    QTest::addColumn<step_list>("program");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("earliest");  // tenths from the start
    QTest::addColumn<int>("latest");

    // Every step has a fade-up of a tenth, so a duration may become zero.
    QTest::newRow("this step near its longest") << step_list{{0, 1, 0xFFF0, 0}, {0, 1, 100, 0}} << 0
                                                << 1 + 0xFFF0 - (0xFFFE - 100) << 1 + 0xFFFE;
    QTest::newRow("the next step near its longest")
        << step_list{{0, 1, 100, 0}, {0, 1, 0xFFF0, 0}} << 0 << 101 - 14 << 1 + 0xFFFE;
    QTest::newRow("the next step infinite gives no bound back")
        << step_list{{0, 1, 100, 0}, {0, 1, Infinite, 0}} << 0 << 1 << 101 + 10;
    QTest::newRow("the last step near its longest") << step_list{{0, 1, 100, 0}, {0, 1, 0xFFF0, 0}} << 1 << 102
                                                    << 102 + 0xFFFE;
}

void tst_program_step_editing::durationsStayFinite()
{
    QFETCH(step_list, program);
    QFETCH(int, row);
    QFETCH(int, earliest);
    QFETCH(int, latest);
    const bool nextInfinite = program.size() > 1 && program[1].duration == Infinite;
    auto put = [&] {
        putProgram(c(), 0, program);
        // The infinite step's stored duration bounds the move forward.
        if (nextInfinite)
            c().programList.step(0, 1)->duration = QTime(0, 0, 1);
    };
    put();
    makePage();
    auto endShown = [&] {
        return cell(row, aprogram_conf_widget::ProgramTimeColumn).data(aprogram_conf_widget::ProgramTenthsRole).toLongLong();
    };
    const aprogram_conf_delegate::end_range range = table()->confDelegate->endRange(row, endShown());
    QCOMPARE(range.earliest, qint64(earliest));
    QCOMPARE(range.latest, qint64(latest));

    // Either end committed: every duration stays finite and within its word.
    for (int target : {earliest, latest}) {
        put();
        table()->refresh();
        auto *edit = qobject_cast<program_time_edit *>(openEditor(row, aprogram_conf_widget::ProgramTimeColumn));
        QVERIFY(edit);
        QCOMPARE(edit->earliestEnd(), qint64(earliest));
        QCOMPARE(edit->latestEnd(), qint64(latest));
        edit->setEnd(target);
        commit(edit);
        for (int step = 0; step < program.size(); ++step)
            QVERIFY(timeToTenths(c().programList.lastTime(0, step)) <= 0xFFFE);
        QCOMPARE(endShown(), qint64(target));
        QCOMPARE(c().programList.isLastTimeInf(0, 1), nextInfinite);
    }
    QVERIFY(f->ui.messages.isEmpty());
}

// A program whose third step ends 5 minutes past the first midnight: 20 minutes long, the
// next step 10 minutes. Its end may move from 23:45:00.0 to 1+00:15:00.0.
static step_list pastMidnight()
{
    step_list program;
    for (int i = 0; i < 13; ++i)
        program << test_step{0, 0, 0xFFFE, 0};
    const int before = Day + 3000 - 12000;
    program << test_step{0, 0, before - 13 * 0xFFFE, 0};
    program << test_step{1, 0, 12000, 0} << test_step{2, 0, 6000, 0} << test_step{3, 0, 100, 0};
    return program;
}

void tst_program_step_editing::programTimeOverMidnight()
{
    putProgram(c(), 0, pastMidnight());
    makePage();
    const int row = 14;
    QCOMPARE(cell(row, aprogram_conf_widget::ProgramTimeColumn).data().toString(), QStringLiteral("1+00:05:00.0"));
    auto *end = qobject_cast<program_time_edit *>(openEditor(row, aprogram_conf_widget::ProgramTimeColumn));
    QVERIFY(end);
    QVERIFY(end->overMidnight());
    QCOMPARE(end->earliestEnd(), qint64(Day - 9000));
    QCOMPARE(end->latestEnd(), qint64(Day + 9000));
    QCOMPARE(end->time(), QTime(0, 5));

    // Back over midnight: the step shortens by 15 minutes, the next lengthens by as much.
    end->setTime(QTime(23, 50));
    QCOMPARE(end->end(), qint64(Day - 6000));
    commit(end);
    QCOMPARE(durationsOf(c(), 0).mid(row), QList<int>({3000, 15000, 100}));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn).mid(row),
             QStringList({"23:50:00.0", "1+00:15:00.0", "1+00:15:10.0"}));

    // And forward again, to the furthest end.
    end = qobject_cast<program_time_edit *>(openEditor(row, aprogram_conf_widget::ProgramTimeColumn));
    QVERIFY(end);
    QCOMPARE(end->earliestEnd(), qint64(Day - 9000));
    QCOMPARE(end->latestEnd(), qint64(Day + 9000));
    end->setTime(QTime(0, 14));
    commit(end);
    QCOMPARE(durationsOf(c(), 0).mid(row), QList<int>({17400, 600, 100}));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn).mid(row),
             QStringList({"1+00:14:00.0", "1+00:15:00.0", "1+00:15:10.0"}));
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_program_step_editing::overMidnightRefusesTheGap()
{
    putProgram(c(), 0, pastMidnight());
    makePage();
    showPage();
    auto *end = qobject_cast<program_time_edit *>(openEditor(14, aprogram_conf_widget::ProgramTimeColumn));
    QVERIFY(end);
    QVERIFY(end->allows(QTime(23, 45)) && end->allows(QTime(0, 15)) && end->allows(QTime(0, 0)));
    QVERIFY(!end->allows(QTime(23, 44, 59, 900)) && !end->allows(QTime(0, 15, 0, 100)) && !end->allows(QTime(12, 0)));

    // A time between the ends is no acceptable input; one of the allowed ends is.
    auto state = [end](const QString &text) {
        QString input = text;
        int pos = 0;
        return static_cast<const QAbstractSpinBox *>(end)->validate(input, pos);
    };
    QCOMPARE(state(QStringLiteral("12:00:00.000")), QValidator::Intermediate);
    QCOMPARE(state(QStringLiteral("23:44:00.000")), QValidator::Intermediate);
    QCOMPARE(state(QStringLiteral("23:46:00.000")), QValidator::Acceptable);
    QCOMPARE(state(QStringLiteral("00:10:00.000")), QValidator::Acceptable);

    // Typed: the minutes of an allowed end are taken at once.
    QTRY_VERIFY(end->hasFocus());
    end->setTime(QTime(23, 50));
    end->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(end, QStringLiteral("46"));
    QCOMPARE(end->time(), QTime(23, 46));
    QCOMPARE(end->end(), qint64(Day - 8400));
    // Typed and left between the ends: the editor goes back to its time.
    end->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(end, QStringLiteral("12"));
    QCOMPARE(end->text(), QStringLiteral("12:46:00.000"));
    QCOMPARE(end->time(), QTime(23, 46));
    end->interpretText();
    QCOMPARE(end->time(), QTime(23, 46));

    // Stepped: the hours turn over midnight; past the allowed ends the step stops at them.
    end->setCurrentSection(QDateTimeEdit::HourSection);
    end->stepBy(1);
    QCOMPARE(end->time(), QTime(0, 15));
    end->setTime(QTime(0, 10));
    end->stepBy(-1);
    QCOMPARE(end->time(), QTime(23, 45));
    end->setTime(QTime(23, 59));
    end->setCurrentSection(QDateTimeEdit::MinuteSection);
    end->stepBy(1);  // the minutes wrap to 23:00, which is no allowed end
    QCOMPARE(end->time(), QTime(0, 15));
}

// --- the editors on the real table ----------------------------------------------------------

void tst_program_step_editing::editorOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("F2") << "F2";
    QTest::newRow("a typed digit") << "digit";
}

void tst_program_step_editing::editorOpens()
{
    QFETCH(QString, how);
    putProgram(c(), 0, {{4, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    const QModelIndex index = cell(1, aprogram_conf_widget::SceneColumn);
    table()->setFocus();
    table()->setCurrentIndex(index);
    if (how == QLatin1String("double-click")) {
        const QPoint at = table()->visualRect(index).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    } else if (how == QLatin1String("F2")) {
        QTest::keyClick(table(), Qt::Key_F2);
    } else {
        QTest::keyClick(table(), Qt::Key_7);
    }
    auto *spin = qobject_cast<QSpinBox *>(table()->indexWidget(index));
    QVERIFY(spin);
    QTRY_VERIFY(spin->hasFocus());
    if (how == QLatin1String("digit")) {
        // The key that opened the editor is its first input.
        QCOMPARE(spin->text(), QStringLiteral("   7"));
        QTest::keyClick(spin, Qt::Key_Return);
        QTRY_COMPARE(c().programList.scene(0, 1), 6);
    }
}

void tst_program_step_editing::enterCommits()
{
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    auto *time = qobject_cast<QTimeEdit *>(openEditor(0, aprogram_conf_widget::FadeUpColumn));
    QVERIFY(time);
    QTRY_VERIFY(time->hasFocus());
    time->setCurrentSection(QDateTimeEdit::SecondSection);
    QTest::keyClick(time, Qt::Key_Up);
    QTest::keyClick(time, Qt::Key_Up);
    QCOMPARE(c().programList.riseTime(0, 0), QTime(0, 0));  // not stored while editing
    QTest::keyClick(time, Qt::Key_Enter);
    QTRY_COMPARE(c().programList.riseTime(0, 0), QTime(0, 0, 2));
    QVERIFY(!table()->indexWidget(cell(0, aprogram_conf_widget::FadeUpColumn)));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn), QStringList({"00:00:03.0", "00:00:04.0"}));
}

void tst_program_step_editing::escapeCancels()
{
    putProgram(c(), 0, {{0, 0, 10, 0, 0x400}, {0, 0, 10, 0}});
    makePage();
    showPage();
    const QModelIndex index = cell(0, aprogram_conf_widget::EventColumn);
    auto *spin = qobject_cast<QSpinBox *>(openEditor(0, aprogram_conf_widget::EventColumn));
    QVERIFY(spin);
    QTRY_VERIFY(spin->hasFocus());
    spin->setValue(99);
    QTest::keyClick(spin, Qt::Key_Escape);
    QVERIFY(!table()->indexWidget(index));
    QCOMPARE(c().programList.stepEvent(0, 0), 0x400);
    QCOMPARE(index.data().toString(), QStringLiteral("1"));

    // The duration editor too: its keys go to its time, Escape ends the edit unstored.
    auto *inf = qobject_cast<infTime_class *>(openEditor(1, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QTRY_VERIFY(inf->timeEdit->hasFocus());
    inf->timeEdit->setTime(QTime(0, 0, 30));
    QTest::keyClick(inf->timeEdit, Qt::Key_Escape);
    QVERIFY(!table()->indexWidget(cell(1, aprogram_conf_widget::DurationColumn)));
    QCOMPARE(c().programList.lastTime(0, 1), QTime(0, 0, 1));
}

void tst_program_step_editing::focusLossCommits()
{
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    auto *spin = qobject_cast<QSpinBox *>(openEditor(1, aprogram_conf_widget::SceneColumn));
    QVERIFY(spin);
    QTRY_VERIFY(spin->hasFocus());
    QTest::keyClicks(spin, QStringLiteral("12"));
    // Leaving for another widget of the page stores the edit.
    page->programDescEdit->setFocus();
    QCOMPARE(c().programList.scene(0, 1), 11);
    QVERIFY(!table()->indexWidget(cell(1, aprogram_conf_widget::SceneColumn)));
    QCOMPARE(page->sceneDescEdit->text(), c().sceneDescs[11]);

    // Choosing another cell stores it as well.
    spin = qobject_cast<QSpinBox *>(openEditor(0, aprogram_conf_widget::SceneColumn));
    QVERIFY(spin);
    spin->setValue(30);
    table()->setCurrentIndex(cell(1, aprogram_conf_widget::EventColumn));
    QCOMPARE(c().programList.scene(0, 0), 29);
}

void tst_program_step_editing::durationEditorEnterAndFocus()
{
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    const QModelIndex index = cell(0, aprogram_conf_widget::DurationColumn);
    auto *inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QTRY_VERIFY(inf->timeEdit->hasFocus());
    inf->timeEdit->setTime(QTime(0, 0, 4));
    // From the time to its box: still one edit.
    inf->checkBox->setFocus();
    QCOMPARE(table()->indexWidget(index), inf);
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 1));
    inf->timeEdit->setFocus();
    QTest::keyClick(inf->timeEdit, Qt::Key_Return);
    QTRY_VERIFY(!table()->indexWidget(index));
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 4));

    // Ticked, then the focus leaves the pair: stored as infinite.
    inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QTRY_VERIFY(inf->timeEdit->hasFocus());
    inf->checkBox->setFocus();
    QTest::keyClick(inf->checkBox, Qt::Key_Space);
    QVERIFY(inf->checkBox->isChecked());
    page->programDescEdit->setFocus();
    QVERIFY(!table()->indexWidget(index));
    QVERIFY(c().programList.isLastTimeInf(0, 0));
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 4));
}

void tst_program_step_editing::zeroTimeBoxWhileStoring_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("focus to another widget") << "focus";
    QTest::newRow("the mouse leaves the editor") << "leave";
}

void tst_program_step_editing::zeroTimeBoxWhileStoring()
{
    // A duration of 0 stored with no fade-up: the refresh after the store shows the real
    // zero-time box, modal, while the view is still committing the editor. The box takes
    // the focus from the editor; the editor must stay whole until the store is done.
    QFETCH(QString, how);
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    widget_user_interaction boxes;
    installUserInteraction(&boxes);
    const QModelIndex index = cell(0, aprogram_conf_widget::DurationColumn);
    QPointer<infTime_class> inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QTRY_VERIFY(inf->timeEdit->hasFocus());
    inf->timeEdit->setTime(QTime(0, 0));

    int shown = 0;
    std::function<void()> answer = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        ++shown;
        // While the box is up the pointer may leave the editor: nothing is stored twice.
        table()->stopEditing(inf);
        QCoreApplication::processEvents();
        box->buttons().first()->click();
    };
    QTimer::singleShot(0, answer);
    if (how == QLatin1String("Enter")) {
        QTest::keyClick(inf->timeEdit, Qt::Key_Return);
    } else if (how == QLatin1String("focus")) {
        page->programDescEdit->setFocus();
    } else {
        QCursor::setPos(table()->viewport()->mapToGlobal(QPoint(2, table()->viewport()->height() - 2)));
        table()->stopEditing(inf);
    }
    QTRY_VERIFY(!table()->indexWidget(index));
    installUserInteraction(&f->ui);
    QCOMPARE(shown, 1);
    QCOMPARE(c().programList.lastTime(0, 0), QTime(0, 0, 1));
    QCOMPARE(c().programList.lastTime(0, 1), QTime(0, 0, 1));
    QCOMPARE(column(table(), aprogram_conf_widget::ProgramTimeColumn), QStringList({"00:00:01.0", "00:00:02.0"}));
    QTRY_VERIFY(inf.isNull());
}

void tst_program_step_editing::zeroTimeBoxWhileTicking()
{
    // Ticking the box refreshes the table, which repairs a zero step that appeared behind
    // its back, with the real box. The box takes the focus; the edit goes on.
    putProgram(c(), 0, {{0, 0, 10, 0}, {0, 0, 10, 0}});
    makePage();
    showPage();
    widget_user_interaction boxes;
    installUserInteraction(&boxes);
    const QModelIndex index = cell(0, aprogram_conf_widget::DurationColumn);
    QPointer<infTime_class> inf = qobject_cast<infTime_class *>(openEditor(0, aprogram_conf_widget::DurationColumn));
    QVERIFY(inf);
    QTRY_VERIFY(inf->timeEdit->hasFocus());
    c().programList.setLastTime(0, 1, QTime(0, 0));

    int shown = 0;
    std::function<void()> answer = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        ++shown;
        table()->stopEditing(inf);
        QCoreApplication::processEvents();
        box->buttons().first()->click();
    };
    QTimer::singleShot(0, answer);
    // On its indicator: a box without text takes clicks there only, however wide the
    // editor's layout makes it.
    QStyleOptionButton option;
    option.initFrom(inf->checkBox);
    const QRect indicator = inf->checkBox->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, inf->checkBox);
    QTest::mouseClick(inf->checkBox, Qt::LeftButton, {}, indicator.center());
    installUserInteraction(&f->ui);
    QCOMPARE(shown, 1);
    QCoreApplication::processEvents();
    QVERIFY(!inf.isNull());
    QCOMPARE(table()->indexWidget(index), inf.data());
    QVERIFY(inf->checkBox->isChecked());
    QCOMPARE(c().programList.lastTime(0, 1), QTime(0, 0, 1));
    QVERIFY(!c().programList.isLastTimeInf(0, 0));
    // The edit then ends as usual.
    commit(inf);
    QVERIFY(c().programList.isLastTimeInf(0, 0));
}

// --- the step operations --------------------------------------------------------------------

void tst_program_step_editing::insert_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("scenes");  // afterwards; -1 for the new step's scene 0
    QTest::newRow("before the current row") << 3 << 1 << QList<int>{1, 0, 2, 3};
    QTest::newRow("before the first") << 3 << 0 << QList<int>{0, 1, 2, 3};
    QTest::newRow("no current row: first") << 3 << -1 << QList<int>{0, 1, 2, 3};
    QTest::newRow("into an empty program") << 0 << -1 << QList<int>{0};
    QTest::newRow("998 steps: no question") << 998 << 997 << QList<int>{};
}

void tst_program_step_editing::insert()
{
    QFETCH(int, steps);
    QFETCH(int, current);
    QFETCH(QList<int>, scenes);
    putProgram(c(), 0, numbered(steps, 1));
    makePage();
    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);
    select({}, current);
    table()->insertStep();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(c().programList.stepCount(0), steps + 1);
    QCOMPARE(table()->stepModel->rowCount(), steps + 1);
    QCOMPARE(page->stepCountSpin->value(), steps + 1);
    QCOMPARE(count.count(), 1);
    QCOMPARE(count.at(0).at(0).toInt(), steps + 1);
    if (!scenes.isEmpty())
        QCOMPARE(scenesOf(c(), 0), scenes);
    // The new step: scene 1, one second, no event.
    const int row = qMax(0, current);
    QCOMPARE(c().programList.scene(0, row), 0);
    QCOMPARE(c().programList.lastTime(0, row), QTime(0, 0, 1));
    QCOMPARE(c().programList.stepEvent(0, row), int(NoEvent));
    QCOMPARE(cell(row, aprogram_conf_widget::SceneColumn).data().toString(), QStringLiteral("   1"));
}

void tst_program_step_editing::insertIntoAFullProgram_data()
{
    QTest::addColumn<int>("answer");  // -1: the box closed without an answer
    QTest::addColumn<bool>("inserted");
    QTest::newRow("No") << 0 << false;
    QTest::newRow("Yes!") << 1 << true;
    QTest::newRow("closed") << -1 << false;
}

void tst_program_step_editing::insertIntoAFullProgram()
{
    QFETCH(int, answer);
    QFETCH(bool, inserted);
    putProgram(c(), 0, numbered(999, 1));
    makePage();
    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);
    select({}, 5);
    f->ui.answers.enqueue(answer);
    table()->insertStep();

    QCOMPARE(f->ui.messages.size(), 1);
    const message_request &box = f->ui.messages.first();
    checkBoxes(QStringLiteral("Confirmation"),
               QStringLiteral("This action will remove last step from program.\n\tReally want to do so?"));
    QCOMPARE(box.icon, message_icon::Question);
    QCOMPARE(box.customButtons.size(), 2);
    QCOMPARE(box.customButtons[0].text, QStringLiteral("No"));
    QCOMPARE(box.customButtons[1].text, QStringLiteral("Yes!"));
    QCOMPARE(box.defaultCustomButton, 0);
    QVERIFY(box.noEscapeButton);

    const QList<int> scenes = scenesOf(c(), 0);
    QCOMPARE(scenes.size(), 999);
    QCOMPARE(table()->stepModel->rowCount(), 999);
    QVERIFY(count.isEmpty());  // the count did not change
    if (inserted) {
        QCOMPARE(scenes[4], 5);
        QCOMPARE(scenes[5], 0);
        QCOMPARE(scenes[6], 6);
        QCOMPARE(scenes.last(), 998);  // the former last (999) dropped
    } else {
        for (int i = 0; i < 999; ++i)
            QCOMPARE(scenes[i], i + 1);
    }
}

void tst_program_step_editing::deleteAsks_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("answers");  // in the order asked: bottom up
    QTest::addColumn<int>("questions");
    QTest::addColumn<QList<int>>("scenes");   // afterwards
    QTest::addColumn<int>("signalled");       // the count signalled, -2 none

    const QList<int> rows{1, 3, 4};
    QTest::newRow("No, Yes!, No: only the middle one") << rows << QList<int>{0, 1, 0} << 3
                                                       << QList<int>{0, 1, 2, 4, 5} << 5;
    QTest::newRow("All at the first: all three") << rows << QList<int>{2} << 1 << QList<int>{0, 2, 5} << 3;
    QTest::newRow("Yes!, then All") << rows << QList<int>{1, 2} << 2 << QList<int>{0, 2, 5} << 3;
    QTest::newRow("No to all: nothing, no signal")
        << rows << QList<int>{0, 0, 0} << 3 << QList<int>{0, 1, 2, 3, 4, 5} << -2;
    QTest::newRow("closed boxes keep the steps")
        << rows << QList<int>{-1, -1, -1} << 3 << QList<int>{0, 1, 2, 3, 4, 5} << -2;
    QTest::newRow("nothing selected: no question, no signal")
        << QList<int>{} << QList<int>{} << 0 << QList<int>{0, 1, 2, 3, 4, 5} << -2;
}

void tst_program_step_editing::deleteAsks()
{
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, answers);
    QFETCH(int, questions);
    QFETCH(QList<int>, scenes);
    QFETCH(int, signalled);
    putProgram(c(), 0, numbered(6));
    makePage();
    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);
    select(selected, selected.isEmpty() ? 0 : selected.first());
    for (int a : answers)
        f->ui.answers.enqueue(a);
    table()->deleteStep();

    QCOMPARE(f->ui.messages.size(), questions);
    if (questions > 0) {
        checkBoxes(QStringLiteral("Confirmation"),
                   QStringLiteral("About to remove a step from program.\n\tReally want to do so?"));
        const message_request &box = f->ui.messages.first();
        QCOMPARE(box.icon, message_icon::Question);
        QCOMPARE(box.customButtons.size(), 3);
        QCOMPARE(box.customButtons[2].text, QStringLiteral("All"));
        QCOMPARE(box.defaultCustomButton, 0);
        QVERIFY(box.noEscapeButton);
    }
    QCOMPARE(scenesOf(c(), 0), scenes);
    QCOMPARE(table()->stepModel->rowCount(), scenes.size());
    QCOMPARE(page->stepCountSpin->value(), scenes.size());
    if (signalled == -2) {
        QVERIFY(count.isEmpty());
    } else {
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.at(0).at(0).toInt(), signalled);
    }
}

void tst_program_step_editing::copyKeepsTheGaps()
{
    step_list program = numbered(10);
    program[3].event = 0x405;
    program[6] = {6, 20, Infinite, 0, 0x406};
    putProgram(c(), 0, program);
    makePage();
    select({2, 3, 6}, 2);
    table()->copyStep();
    const QList<step_clip_class> &clips = table()->stepClipboard;
    QCOMPARE(clips.size(), 3);
    QCOMPARE(clips[0].gap, 0);
    QCOMPARE(clips[1].gap, 0);
    QCOMPARE(clips[2].gap, 2);  // rows 4 and 5 between; rows 7 to 9 after add nothing
    QCOMPARE(clips[0].step.scene, 2);
    QCOMPARE(clips[1].step.scene, 3);
    QCOMPARE(clips[2].step.scene, 6);
    QCOMPARE(clips[2].step.infinite, 1);
    QCOMPARE(clips[2].step.fadeUp, QTime(0, 0, 2));
    for (const step_clip_class &clip : clips)
        QCOMPARE(clip.step.event, NoEvent);
    QVERIFY(f->ui.messages.isEmpty());

    // Copying nothing empties the clipboard.
    select({}, 2);
    table()->copyStep();
    QVERIFY(table()->stepClipboard.isEmpty());
}

void tst_program_step_editing::copyOfARowWithoutAStep()
{
    putProgram(c(), 0, numbered(4));
    makePage();
    select({0}, 0);
    table()->copyStep();
    QCOMPARE(table()->stepClipboard.size(), 1);
    // A row the store does not hold (the store lost a step behind the table's back).
    c().programList.removeStep(0, 3);
    select({1, 3}, 1);
    table()->copyStep();
    QVERIFY(table()->stepClipboard.isEmpty());
    QCOMPARE(f->ui.messages.size(), 1);
    checkBoxes(QStringLiteral("Copying failed!"), QStringLiteral("Invalid selection!"));
    QCOMPARE(f->ui.messages.first().icon, message_icon::Warning);
}

void tst_program_step_editing::paste_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QList<int>>("scenes");  // afterwards; the copied steps are 102, 103, 106

    QTest::newRow("insert at row 4 of 8: 11 steps, the gap unused")
        << 8 << 4 << false << QList<int>{0, 1, 2, 3, 102, 103, 106, 4, 5, 6, 7};
    QTest::newRow("Replace at row 4 of 8: the end reached, 9 steps")
        << 8 << 4 << true << QList<int>{0, 1, 2, 3, 102, 103, 6, 7, 106};
    QTest::newRow("Replace at row 0 of 10: the gap kept, 10 steps")
        << 10 << 0 << true << QList<int>{102, 103, 2, 3, 106, 5, 6, 7, 8, 9};
    QTest::newRow("insert with no current row: at the top")
        << 3 << -1 << false << QList<int>{102, 103, 106, 0, 1, 2};
    QTest::newRow("Replace with no current row: from row 0")
        << 6 << -1 << true << QList<int>{102, 103, 2, 3, 106, 5};
    QTest::newRow("insert after the last row") << 2 << 1 << false << QList<int>{0, 102, 103, 106, 1};
    QTest::newRow("into an empty program") << 0 << -1 << false << QList<int>{102, 103, 106};
    QTest::newRow("Replace into an empty program") << 0 << -1 << true << QList<int>{102, 103, 106};
}

void tst_program_step_editing::paste()
{
    QFETCH(int, steps);
    QFETCH(int, current);
    QFETCH(bool, replace);
    QFETCH(QList<int>, scenes);
    putProgram(c(), 5, numbered(10, 100));
    putProgram(c(), 0, numbered(steps));
    makePage();
    // Copied in another program: the clipboard stays across programs.
    page->programTable->setCurrentCell(5, 0);
    select({2, 3, 6}, 2);
    table()->copyStep();
    page->programTable->setCurrentCell(0, 0);
    QCOMPARE(table()->programNumber, 0);

    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);
    page->replaceBox->setChecked(replace);
    select({}, current);
    table()->pasteStep();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(scenesOf(c(), 0), scenes);
    QCOMPARE(table()->stepModel->rowCount(), scenes.size());
    QCOMPARE(page->stepCountSpin->value(), scenes.size());
    // Signalled in any case, also when the count stayed.
    QCOMPARE(count.count(), 1);
    QCOMPARE(count.at(0).at(0).toInt(), scenes.size());
    QCOMPARE(column(table(), aprogram_conf_widget::SceneColumn).first(), QStringLiteral("   %1").arg(scenes.first() + 1));
}

void tst_program_step_editing::pasteKeepsEventsAndDropsFadeDowns()
{
    putProgram(c(), 0, {{7, 5, 30, 40, 0x500}, {8, 0, 10, 0, 0x501}, {9, 0, 10, 0, 0x502}});
    makePage();
    select({0}, 0);
    table()->copyStep();
    // Replace over the step firing an event: it keeps its event.
    page->replaceBox->setChecked(true);
    select({}, 2);
    table()->pasteStep();
    program_step_class *replaced = c().programList.step(0, 2);
    QCOMPARE(replaced->scene, 7);
    QCOMPARE(replaced->fadeUp, QTime(0, 0, 0, 500));
    QCOMPARE(replaced->duration, QTime(0, 0, 3));
    QCOMPARE(replaced->fadeDown, QTime(0, 0));
    QCOMPARE(replaced->event, 0x502);
    // Inserted: no event.
    page->replaceBox->setChecked(false);
    select({}, 1);
    table()->pasteStep();
    program_step_class *inserted = c().programList.step(0, 1);
    QCOMPARE(inserted->scene, 7);
    QCOMPARE(inserted->event, NoEvent);
    QCOMPARE(inserted->fadeDown, QTime(0, 0));
    QCOMPARE(c().programList.stepEvent(0, 0), 0x500);
    QCOMPARE(timeToTenths(c().programList.fallTime(0, 0)), 40);
}

void tst_program_step_editing::pasteIntoAFullProgram_data()
{
    QTest::addColumn<int>("steps");    // of the program pasted into, scenes 0, 1, 2, ...
    QTest::addColumn<int>("copied");   // steps of scenes 500, 501, ... on the clipboard
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("answer");   // to Insert's question; -2: not asked, -1: box closed
    QTest::addColumn<bool>("refused"); // "Program steps limit exceed!"
    QTest::addColumn<QList<int>>("head");  // the first and the last scenes afterwards
    QTest::addColumn<QList<int>>("tail");

    const QList<int> fullHead{0, 1};
    const QList<int> fullTail{997, 998};
    QTest::newRow("full, one at row 0, No: nothing changes")
        << 999 << 1 << 0 << false << 0 << false << fullHead << fullTail;
    QTest::newRow("full, one at row 0, box closed: nothing changes")
        << 999 << 1 << 0 << false << -1 << false << fullHead << fullTail;
    QTest::newRow("full, one at row 0, Yes!: the last step drops out")
        << 999 << 1 << 0 << false << 1 << false << QList<int>{500, 0, 1} << QList<int>{996, 997};
    QTest::newRow("998 steps, three at row 0, Yes!: the last two drop out")
        << 998 << 3 << 0 << false << 1 << false << QList<int>{500, 501, 502, 0} << QList<int>{994, 995};
    QTest::newRow("full, two at row 997, Yes!: both in")
        << 999 << 2 << 997 << false << 1 << false << fullHead << QList<int>{995, 996, 500, 501};
    // A copied step would land past the last step: the paste is refused whole, unasked.
    QTest::newRow("full, two at the last row: refused")
        << 999 << 2 << 998 << false << -2 << true << fullHead << fullTail;
    QTest::newRow("full, Replace two at the last row: refused")
        << 999 << 2 << 998 << true << -2 << true << fullHead << fullTail;
    QTest::newRow("998 steps, Replace two at the last row: the program filled, unasked")
        << 998 << 2 << 997 << true << -2 << false << fullHead << QList<int>{996, 500, 501};
}

void tst_program_step_editing::pasteIntoAFullProgram()
{
    QFETCH(int, steps);
    QFETCH(int, copied);
    QFETCH(int, current);
    QFETCH(bool, replace);
    QFETCH(int, answer);
    QFETCH(bool, refused);
    QFETCH(QList<int>, head);
    QFETCH(QList<int>, tail);
    putProgram(c(), 1, numbered(copied, 500));
    putProgram(c(), 0, numbered(steps));
    makePage();
    page->programTable->setCurrentCell(1, 0);
    QList<int> rows;
    for (int i = 0; i < copied; ++i)
        rows << i;
    select(rows, 0);
    table()->copyStep();
    page->programTable->setCurrentCell(0, 0);
    page->replaceBox->setChecked(replace);
    select({}, current);
    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);
    if (answer != -2)
        f->ui.answers.enqueue(answer);
    const QStringList before = stepTexts(c(), 0);

    table()->pasteStep();

    QCOMPARE(f->ui.messages.size(), answer != -2 || refused ? 1 : 0);
    if (answer != -2) {
        checkBoxes(QStringLiteral("Confirmation"),
                   QStringLiteral("This action will remove last step from program.\n\tReally want to do so?"));
        QCOMPARE(f->ui.messages.first().icon, message_icon::Question);
    }
    if (refused) {
        checkBoxes(QStringLiteral("Paste failed!"), QStringLiteral("Program steps limit exceed!"));
        QCOMPARE(f->ui.messages.first().icon, message_icon::Warning);
    }
    const QList<int> scenes = scenesOf(c(), 0);
    QCOMPARE(scenes.size(), 999);
    QCOMPARE(scenes.mid(0, head.size()), head);
    QCOMPARE(scenes.mid(scenes.size() - tail.size()), tail);
    const bool pasted = !refused && answer != 0 && answer != -1;
    if (!pasted) {
        QCOMPARE(stepTexts(c(), 0), before);  // not one step written
        QVERIFY(count.isEmpty());
    }
    // The table shows the program as it is.
    QCOMPARE(table()->stepModel->rowCount(), 999);
    QCOMPARE(column(table(), aprogram_conf_widget::SceneColumn).last(), QStringLiteral("   %1").arg(tail.last() + 1));
}

void tst_program_step_editing::pasteIntoAMissingProgram()
{
    putProgram(c(), 0, numbered(2, 30));
    makePage();
    select({1}, 1);
    table()->copyStep();
    // Program 7 is no program of the store yet.
    table()->setProgram(7);
    table()->setRows(0);
    QCOMPARE(c().programList.stepCount(7), -1);
    QSignalSpy count(table(), &aprogram_conf_widget::changeStepNumber);

    // Insert and delete change nothing and pass the missing program on as -1.
    table()->insertStep();
    QCOMPARE(count.count(), 1);
    QCOMPARE(count.takeFirst().at(0).toInt(), -1);
    QCOMPARE(c().programList.stepCount(7), -1);
    table()->fillSteps();
    QCOMPARE(c().programList.stepCount(7), -1);

    table()->pasteStep();
    QCOMPARE(c().programList.stepCount(7), 1);
    QCOMPARE(c().programList.recurrences(7), 1);
    QCOMPARE(c().programList.scene(7, 0), 31);
    QCOMPARE(table()->stepModel->rowCount(), 1);
    QCOMPARE(count.count(), 1);
    QCOMPARE(count.at(0).at(0).toInt(), 1);
}

void tst_program_step_editing::scenesSequence_data()
{
    QTest::addColumn<step_list>("program");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("scenes");

    QTest::newRow("numbered from the current row") << step_list{{7}, {4}, {0}, {0}, {9}} << 1
                                                   << QList<int>{7, 4, 5, 6, 7};
    QTest::newRow("stops at the last scene") << step_list{{3069}, {0}, {0}, {1}, {2}, {3}} << 0
                                             << QList<int>{3069, 3070, 3071, 1, 2, 3};
    QTest::newRow("from the last row: nothing") << step_list{{7}, {4}} << 1 << QList<int>{7, 4};
    QTest::newRow("no current row: nothing") << step_list{{7}, {4}} << -1 << QList<int>{7, 4};
    QTest::newRow("the last scene: nothing") << step_list{{3071}, {4}} << 0 << QList<int>{3071, 4};
}

void tst_program_step_editing::scenesSequence()
{
    QFETCH(step_list, program);
    QFETCH(int, current);
    QFETCH(QList<int>, scenes);
    putProgram(c(), 0, program);
    makePage();
    select({}, current);
    table()->fillSteps();
    QCOMPARE(scenesOf(c(), 0), scenes);
    QStringList shown;
    for (int s : scenes)
        shown << QStringLiteral("   %1").arg(s + 1);
    QCOMPARE(column(table(), aprogram_conf_widget::SceneColumn), shown);
}

void tst_program_step_editing::keysRunTheOperations()
{
    putProgram(c(), 0, numbered(4));
    makePage();
    showPage();
    table()->setFocus();
    select({1}, 1);

    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(table()->stepClipboard.size(), 1);
    select({}, 3);
    QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 1, 2, 1, 3}));
    QTest::keyClick(table(), Qt::Key_Insert);
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 1, 2, 0, 1, 3}));
    select({0}, 0);
    f->ui.answers.enqueue(1);
    QTest::keyClick(table(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(scenesOf(c(), 0), QList<int>({1, 2, 0, 1, 3}));
    QCOMPARE(page->stepCountSpin->value(), 5);
    // Ctrl+Shift+C copies nothing, and opens no editor.
    select({2}, 2);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(table()->stepClipboard.first().step.scene, 1);
    // The keys of the operations never open an editor.
    for (int col = 0; col < aprogram_conf_widget::StepColumnCount; ++col)
        QVERIFY(!table()->indexWidget(cell(2, col)));
}

void tst_program_step_editing::keyOperationInAnOpenEditor_data()
{
    // An editor opened by the view on a step; a value typed into it; then a key of a step
    // operation that the editor does not use, so it reaches the table, and Return. The edit
    // belongs to the step the editor was opened on, wherever the operation moves it.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("onTheBox");  // the duration editor's focus on its check box
    QTest::addColumn<int>("section");    // a time editor's section typed into; -1 for a spin box
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<step_list>("expected");

    using t = aprogram_conf_widget;
    const test_step s0{0, 0, 10, 0};
    const test_step added{0, 0, 10, 0};
    const test_step s2{2, 0, 10, 0};
    const int none = -1;
    QTest::newRow("scene, Insert") << 1 << int(t::SceneColumn) << false << none << "12" << int(Qt::Key_Insert)
                                   << QList<int>{} << step_list{s0, added, {11, 0, 10, 0}, s2};
    QTest::newRow("fade-up, Insert") << 1 << int(t::FadeUpColumn) << false << int(QDateTimeEdit::SecondSection)
                                     << "09" << int(Qt::Key_Insert) << QList<int>{}
                                     << step_list{s0, added, {1, 90, 10, 0}, s2};
    QTest::newRow("duration, Insert") << 1 << int(t::DurationColumn) << false << int(QDateTimeEdit::SecondSection)
                                      << "09" << int(Qt::Key_Insert) << QList<int>{}
                                      << step_list{s0, added, {1, 0, 90, 0}, s2};
    QTest::newRow("fade-down of the last step, Insert")
        << 2 << int(t::FadeDownColumn) << false << int(QDateTimeEdit::SecondSection) << "05" << int(Qt::Key_Insert)
        << QList<int>{} << step_list{s0, {1, 0, 10, 0}, added, {2, 0, 10, 50}};
    // Row 1 ends at 2 s; its end moved to 2.5 s takes half a second from row 2.
    QTest::newRow("program time, Insert")
        << 1 << int(t::ProgramTimeColumn) << false << int(QDateTimeEdit::MSecSection) << "500"
        << int(Qt::Key_Insert) << QList<int>{} << step_list{s0, added, {1, 0, 15, 0}, {2, 0, 5, 0}};
    QTest::newRow("event, Insert") << 1 << int(t::EventColumn) << false << none << "7" << int(Qt::Key_Insert)
                                   << QList<int>{} << step_list{s0, added, {1, 0, 10, 0, 0x406}, s2};
    // The check box uses no Delete: the edited step is stored, then deleted after "Yes!".
    QTest::newRow("duration from its box, Delete")
        << 1 << int(t::DurationColumn) << true << int(QDateTimeEdit::SecondSection) << "09"
        << int(Qt::Key_Delete) << QList<int>{1} << step_list{s0, s2};
    QTest::newRow("duration from its box, Insert")
        << 1 << int(t::DurationColumn) << true << int(QDateTimeEdit::SecondSection) << "09"
        << int(Qt::Key_Insert) << QList<int>{} << step_list{s0, added, {1, 0, 90, 0}, s2};
}

void tst_program_step_editing::keyOperationInAnOpenEditor()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, onTheBox);
    QFETCH(int, section);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QList<int>, answers);
    QFETCH(step_list, expected);
    putProgram(c(), 0, numbered(3));
    makePage();
    showPage();
    QWidget *editor = openEditor(row, col);
    QVERIFY(editor);
    QWidget *typing = editor;
    if (auto *inf = qobject_cast<infTime_class *>(editor))
        typing = inf->timeEdit;
    QTRY_VERIFY(typing->hasFocus());
    if (auto *time = qobject_cast<QDateTimeEdit *>(typing))
        time->setSelectedSection(QDateTimeEdit::Section(section));
    QTest::keyClicks(typing, typed);
    if (onTheBox) {
        auto *box = qobject_cast<infTime_class *>(editor)->checkBox;
        box->setFocus();
        typing = box;
    }
    for (int answer : answers)
        f->ui.answers.enqueue(answer);

    QTest::keyClick(typing, Qt::Key(key));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_Return);
    // The keys go on to the table, whichever part of the editor had the focus.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table()));
    QCoreApplication::processEvents();

    QCOMPARE(stepTexts(c(), 0), stepTexts(expected));
    QVERIFY(f->ui.answers.isEmpty());
    // The table shows the store, and no editor is left open.
    QStringList scenes;
    for (const test_step &s : std::as_const(expected))
        scenes << QStringLiteral("   %1").arg(s.scene + 1);
    QCOMPARE(column(table(), aprogram_conf_widget::SceneColumn), scenes);
    for (int r = 0; r < table()->stepModel->rowCount(); ++r) {
        for (int col = 0; col < aprogram_conf_widget::StepColumnCount; ++col)
            QVERIFY(!table()->indexWidget(cell(r, col)));
    }
}

void tst_program_step_editing::buttonsRunTheOperations()
{
    putProgram(c(), 0, numbered(4));
    makePage();
    for (QWidget *w : {static_cast<QWidget *>(page->sequenceButton), static_cast<QWidget *>(page->insertStepButton),
                       static_cast<QWidget *>(page->deleteStepButton), static_cast<QWidget *>(page->copyStepButton),
                       static_cast<QWidget *>(page->pasteStepButton), static_cast<QWidget *>(page->replaceBox)})
        QVERIFY(w->isEnabled());

    select({0, 1}, 0);
    page->copyStepButton->click();
    QCOMPARE(table()->stepClipboard.size(), 2);
    select({}, 3);
    page->replaceBox->click();
    page->pasteStepButton->click();
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 1, 2, 0, 1}));
    select({}, 1);
    page->insertStepButton->click();
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 0, 1, 2, 0, 1}));
    select({}, 2);
    page->sequenceButton->click();
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 0, 1, 2, 3, 4}));
    select({5}, 5);
    f->ui.answers.enqueue(1);
    page->deleteStepButton->click();
    QCOMPARE(scenesOf(c(), 0), QList<int>({0, 0, 1, 2, 3}));
    QCOMPARE(page->stepCountSpin->value(), 5);
    QCOMPARE(c().programList.stepCount(0), 5);
}

QTEST_MAIN(tst_program_step_editing)
#include "tst_program_step_editing.moc"
