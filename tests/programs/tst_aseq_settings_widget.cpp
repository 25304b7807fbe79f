#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aseq_conf_widget.h"
#include "programs/aseq_settings_widget.h"
#include "tests/support/action_cell_edit.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_fixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The Sequences page: the list of sequences with its descriptions and colours, choosing a
// sequence, the step count, the event each step row puts into the action editor, the
// description line, what the page leaves alone, and where an open daytime or state-limit
// editor of the action editor stores when the step, the sequence or the configuration
// changes under it.
class tst_aseq_settings_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup()
    {
        page = nullptr;
        const QStringList problems = page_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void construction();
    void listShowsDescriptionsAndSequencesInUse();
    void stepCountRecoloursTheListButInsertAndDeleteDoNot();
    void choosingASequence();
    void choosingASequenceChangesNothing_data();
    void choosingASequenceChangesNothing();
    void rowEvents_data();
    void rowEvents();
    void stepCountChangeLeavesTheEditorWithoutAnEvent();
    void emptySequenceButtonsChangeNothing();
    void typedStepCountTakesEffectWhenConfirmed();
    void descriptionIsStoredAsTyped_data();
    void descriptionIsStoredAsTyped();
    void longDescriptionElidedUntilTheNextRefresh();
    void actionEditorHidesTheStepLinks();
    void openActionEditorStoresIntoItsOwnAction_data();
    void openActionEditorStoresIntoItsOwnAction();
    void rebuiltPageLeavesNothingBehind();
    void stepsGrownAfterUndefinedOnesAreStoredAsShown();

private:
    static constexpr int Q = 3;
    kd620_controller_class &c() { return *f->controller; }
    aseq_settings_widget *makePage()
    {
        page = new aseq_settings_widget(f->tabPage.get());
        return page;
    }
    // Sequence q as a configuration file leaves it: steps with delays owned by q (or
    // 0xFFFF, a step without a delay), linked from the start through each step's end.
    void storeSequence(int q, const QList<u16> &steps)
    {
        u16 from = sequenceStartEvent(u32(q));
        for (u16 d : steps) {
            if (d >= image_layout::DelayCount) {
                from = NoEvent;
                c().sequenceDelays[q] << d;
                continue;
            }
            writeU32(f->image(), image_layout::delayEntry(d), delay_entry_class(10, u32(q)).word);
            if (from != NoEvent)
                addAction(from, ActionDelay, d, OperationOn);
            c().sequenceDelays[q] << d;
            c().delaysInUse << d;
            from = delayEndEvent(d);
        }
    }
    void addAction(u16 event, int type, int number, int operation)
    {
        event_actions_class &store = c().eventActions;
        const int j = store.appendAction(event);
        store.setType(event, j, type);
        store.setNo(event, j, number);
        store.setOperation(event, j, operation);
    }
    void selectStepRow(int row) { page->stepTable->setCurrentIndex(page->stepTable->model()->index(row, 0)); }
    // The limits of the Scene action on `scene` (0-based), wherever it stands now; "none"
    // when there is no such action.
    QString sceneActionLimits(int scene) const
    {
        const event_actions_class &store = f->controller->eventActions;
        for (int event = 0; event < int(EventCount); ++event) {
            for (int j = 0; j < store.count(u32(event)); ++j) {
                if (store.type(event, j) == ActionScene && store.no(event, j) == scene)
                    return actionLimits(event, j);
            }
        }
        return QStringLiteral("none");
    }
    // Every row of the step table as the user sees it: step number, delay time, global time
    // and the actions the action editor shows for the row.
    QStringList shownSteps()
    {
        QStringList rows;
        const QAbstractItemModel *m = page->stepTable->model();
        aevents_tableview_widget *actions = page->actionEditor->actionTable;
        for (int r = 0; r < m->rowCount(); ++r) {
            selectStepRow(r);
            QStringList texts;
            for (int a = 0; a < actions->rowCount(); ++a) {
                QStringList cells;
                for (int col : {aevents_tableview_widget::TypeColumn, aevents_tableview_widget::NoColumn,
                                aevents_tableview_widget::ActionColumn})
                    cells << (actions->item(a, col) ? actions->item(a, col)->text() : QString());
                texts << cells.join(QLatin1Char(' '));
            }
            rows << QStringLiteral("%1 | %2 | %3 | %4")
                        .arg(m->index(r, 0).data().toString(), m->index(r, 1).data().toString(),
                             m->index(r, 2).data().toString(), texts.join(QLatin1String("; ")));
        }
        return rows;
    }
    // Delays that a sequence owns but does not reach from its start event, as the lists
    // rebuilt from the image's actions find them.
    QStringList delaysOutOfReach()
    {
        c().eventActions.encodeToImage(c().confData);
        c().rebuildSequences();
        QStringList problems;
        for (u16 d = 0; d < image_layout::DelayCount; ++d) {
            const u32 owner = delay_entry_class(readU32(f->image(), image_layout::delayEntry(d))).sequence();
            if (owner < image_layout::SequenceCount && !c().sequenceDelays[owner].contains(d))
                problems << QStringLiteral("delay %1 of sequence %2").arg(d + 1).arg(owner + 1);
        }
        return problems;
    }
    QString listText(int q) const { return page->sequenceTable->item(q, 0)->text(); }
    QColor listColour(int q) const
    {
        return page->sequenceTable->model()->index(q, 0).data(Qt::BackgroundRole).value<QBrush>().color();
    }
    QColor plainColour() const { return QGuiApplication::palette().base().color(); }

    std::unique_ptr<page_fixture> f;
    aseq_settings_widget *page = nullptr;
};

void tst_aseq_settings_widget::construction()
{
    makePage();
    QCOMPARE(page->parentWidget(), f->tabPage.get());
    QTableWidget *list = page->sequenceTable;
    QCOMPARE(list->rowCount(), 128);
    QCOMPARE(list->columnCount(), 1);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Sequences"));
    QCOMPARE(list->model()->headerData(127, Qt::Vertical).toString(), QStringLiteral("128"));
    QCOMPARE(list->columnWidth(0), 127);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->font().family(), QStringLiteral("MS Shell Dlg"));
    QCOMPARE(list->font().pointSize(), 10);
    QVERIFY(!list->font().bold() && !list->font().italic());
    QCOMPARE(list->model(), page->sequenceModel);
    // The whole column and the numbers fit beside the scroll bar.
    QVERIFY(list->geometry().right() < page->stepTable->geometry().left());

    QCOMPARE(page->currentSequence, 0);
    QCOMPARE(page->sequenceLabel->text(), QStringLiteral("Sequence No. 1"));
    QCOMPARE(page->stepCountSpin->minimum(), 0);
    QCOMPARE(page->stepCountSpin->maximum(), 512);
    QVERIFY(!page->stepCountSpin->keyboardTracking());
    QCOMPARE(page->stepCountLabel->text(), QStringLiteral("Number of steps in sequence:"));
    QCOMPARE(page->insertButton->text(), QStringLiteral("Insert"));
    QCOMPARE(page->deleteButton->text(), QStringLiteral("Delete"));
    QCOMPARE(page->finishButton->text(), QStringLiteral("Finish\nprev. step"));
    for (QPushButton *b : {page->insertButton, page->deleteButton, page->finishButton}) {
        QVERIFY(b->isEnabled());
        QCOMPARE(b->font().family(), QStringLiteral("MS Shell Dlg"));
    }
    QCOMPARE(page->descLabel->text(), QStringLiteral("Seq. description:"));
    QCOMPARE(page->seqDescEdit->maxLength(), 100);
    QCOMPARE(page->seqDescEdit->font().family(), QStringLiteral("Arial Narrow"));
    QCOMPARE(page->actionEditor->pageKind, int(SequencePageKind));

    // The step table: its columns, and the table and the delegate on the page's sequence.
    aseq_conf_widget *table = page->stepTable;
    QCOMPARE(table->actionEditor, page->actionEditor);
    QCOMPARE(table->page, page);
    QAbstractItemModel *m = table->model();
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Step No."));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Delay Time"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Global Time"));
    QCOMPARE(table->columnWidth(0), 100);
    QCOMPARE(table->columnWidth(1), 170);
    QCOMPARE(table->columnWidth(2), 190);
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(table->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table->editTriggers(), QTableView().editTriggers());

    // Sequence 1 has no steps: no rows at all, and the action editor shows no event.
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(page->stepCountSpin->value(), 0);
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_aseq_settings_widget::listShowsDescriptionsAndSequencesInUse()
{
    storeSequence(2, {7});
    c().eventDescs[sequenceStartEvent(0)] = QStringLiteral("  intro  ");
    c().eventDescs[sequenceStartEvent(2)] = QStringLiteral("chase");
    const QString longText = QStringLiteral("a description far wider than the list's column of sequences");
    c().eventDescs[sequenceStartEvent(127)] = longText;
    makePage();
    QCOMPARE(listText(0), QStringLiteral("  intro  "));
    QCOMPARE(listText(1), QStringLiteral("no description"));
    QCOMPARE(listText(2), QStringLiteral("chase"));
    QCOMPARE(listText(127), longText);  // whole: the view elides it as it paints
    QCOMPARE(listColour(2), QColor(230, 255, 230));
    QCOMPARE(listColour(0), plainColour());
    QCOMPARE(listColour(127), plainColour());

    // A change behind the page's back shows at the next refresh.
    c().eventDescs[sequenceStartEvent(2)].clear();
    c().sequenceDelays[2].clear();
    storeSequence(5, {9});
    page->refresh();
    QCOMPARE(listText(2), QStringLiteral("no description"));
    QCOMPARE(listColour(2), plainColour());
    QCOMPARE(listColour(5), QColor(230, 255, 230));
}

void tst_aseq_settings_widget::stepCountRecoloursTheListButInsertAndDeleteDoNot()
{
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    page->stepCountSpin->setValue(1);
    QCOMPARE(listColour(Q), QColor(230, 255, 230));
    page->stepCountSpin->setValue(0);
    QCOMPARE(listColour(Q), plainColour());

    // Deleting the only step leaves the row green until the list is redrawn.
    page->stepCountSpin->setValue(1);
    selectStepRow(0);
    page->deleteButton->click();
    QVERIFY(c().sequenceDelays[Q].isEmpty());
    QCOMPARE(page->stepCountSpin->value(), 0);
    QCOMPARE(listColour(Q), QColor(230, 255, 230));
    page->refresh();
    QCOMPARE(listColour(Q), plainColour());
}

void tst_aseq_settings_widget::choosingASequence()
{
    storeSequence(Q, {20, 21, 22});
    c().eventDescs[sequenceStartEvent(Q)] = QStringLiteral("fourth");
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    QCOMPARE(page->currentSequence, Q);
    QCOMPARE(page->sequenceLabel->text(), QStringLiteral("Sequence No. 4"));
    QCOMPARE(page->stepCountSpin->value(), 3);
    QCOMPARE(page->stepTable->sequence, Q);
    QCOMPARE(page->stepTable->model()->rowCount(), 4);
    QCOMPARE(page->stepTable->model()->index(2, 2).data().toString(), QStringLiteral("0:00:03:000"));
    QCOMPARE(page->seqDescEdit->text(), QStringLiteral("fourth"));
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));

    // The window chooses sequence 1 after an open: the list follows, once.
    selectStepRow(1);
    QCOMPARE(page->actionEditor->eventCode, int(delayEndEvent(20)));
    page->seqNumberChange(0, 0, 0, 0);
    QCOMPARE(page->sequenceTable->currentRow(), 0);
    QCOMPARE(page->currentSequence, 0);
    QCOMPARE(page->sequenceLabel->text(), QStringLiteral("Sequence No. 1"));
    QCOMPARE(page->stepCountSpin->value(), 0);
    QCOMPARE(page->stepTable->model()->rowCount(), 0);
    QCOMPARE(page->seqDescEdit->text(), QString());
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));

    // A row outside the list (no current cell) leaves the page as it is.
    page->seqNumberChange(-1, -1, 0, 0);
    page->seqNumberChange(128, 0, 0, 0);
    QCOMPARE(page->currentSequence, 0);
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_aseq_settings_widget::choosingASequenceChangesNothing_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("same step count") << 1 << Q;
    QTest::newRow("more steps") << 0 << Q;
    QTest::newRow("fewer steps") << Q << 0;
    QTest::newRow("to an empty one") << Q << 6;
}

void tst_aseq_settings_widget::choosingASequenceChangesNothing()
{
    QFETCH(int, from);
    QFETCH(int, to);
    populateConfiguration(c());  // two steps for every sequence
    c().sequenceDelays[0] << 0xFFFF;
    c().sequenceDelays[6].clear();
    makePage();
    page->sequenceTable->setCurrentCell(from, 0);
    const configuration_snapshot before = configuration_snapshot::of(c());
    page->sequenceTable->setCurrentCell(to, 0);
    page->refresh();
    const configuration_snapshot after = configuration_snapshot::of(c());
    QVERIFY2(after == before, qPrintable(after.firstDifference(before)));
    QCOMPARE(page->stepCountSpin->value(), int(c().sequenceDelays[to].size()));
}

void tst_aseq_settings_widget::rowEvents_data()
{
    // Sequence Q holds steps 4, (none), 6.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("event");
    QTest::newRow("row 0: the start") << 0 << int(sequenceStartEvent(Q));
    QTest::newRow("row 1: end of step 1") << 1 << int(delayEndEvent(4));
    QTest::newRow("row 2: after a step without a delay") << 2 << int(NoEvent);
    QTest::newRow("finish row: end of the last step") << 3 << int(delayEndEvent(6));
}

void tst_aseq_settings_widget::rowEvents()
{
    QFETCH(int, row);
    QFETCH(int, event);
    storeSequence(Q, {4, 0xFFFF, 6});
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    QCOMPARE(page->stepTable->model()->rowCount(), 4);
    QCOMPARE(int(page->stepTable->rowEvent(row)), event);
    selectStepRow(row);
    QCOMPARE(page->actionEditor->eventCode, event);
    // A refresh keeps the row's event in the editor.
    page->refresh();
    QCOMPARE(page->stepTable->currentIndex().row(), row);
    QCOMPARE(page->actionEditor->eventCode, event);
    // Outside the rows there is no event.
    QCOMPARE(page->stepTable->rowEvent(-1), NoEvent);
    QCOMPARE(page->stepTable->rowEvent(4), NoEvent);
}

void tst_aseq_settings_widget::stepCountChangeLeavesTheEditorWithoutAnEvent()
{
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    page->stepCountSpin->setValue(3);
    selectStepRow(1);
    QCOMPARE(page->actionEditor->eventCode, int(delayEndEvent(c().sequenceDelays[Q][0])));

    // The current row stays, but the editor waits for a row to be chosen.
    page->stepCountSpin->setValue(4);
    QCOMPARE(page->stepTable->currentIndex().row(), 1);
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));
    selectStepRow(2);
    QCOMPARE(page->actionEditor->eventCode, int(delayEndEvent(c().sequenceDelays[Q][1])));
    page->stepCountSpin->setValue(5);
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));
    page->refresh();
    QCOMPARE(page->actionEditor->eventCode, int(delayEndEvent(c().sequenceDelays[Q][1])));

    // Shrinking below the current row makes the last remaining row current, which the
    // editor then shows.
    page->stepCountSpin->setValue(1);
    QCOMPARE(page->stepTable->model()->rowCount(), 2);
    const QModelIndex current = page->stepTable->currentIndex();
    QVERIFY(current.isValid());
    QCOMPARE(page->actionEditor->eventCode, int(page->stepTable->rowEvent(current.row())));
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_aseq_settings_widget::emptySequenceButtonsChangeNothing()
{
    populateConfiguration(c());
    f->ui.messages.clear();  // what the filling of the configuration said
    c().sequenceDelays[Q].clear();  // the delays stay in use elsewhere
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    const configuration_snapshot before = configuration_snapshot::of(c());
    for (QPushButton *b : {page->insertButton, page->deleteButton, page->finishButton})
        b->click();
    const configuration_snapshot after = configuration_snapshot::of(c());
    QVERIFY2(after == before, qPrintable(after.firstDifference(before)));
    QCOMPARE(page->stepTable->model()->rowCount(), 0);
    page->refresh();
    QCOMPARE(page->actionEditor->eventCode, int(NoEvent));
    QCOMPARE(f->ui.messageTexts(), QStringList());
}

void tst_aseq_settings_widget::typedStepCountTakesEffectWhenConfirmed()
{
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    QSpinBox *spin = page->stepCountSpin;
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("12"));
    // "1" on the way to "12" took no delay.
    QVERIFY(c().sequenceDelays[Q].isEmpty());
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(c().sequenceDelays[Q].size(), 12);
    QCOMPARE(c().delaysInUse.size(), 12);

    // An arrow step takes effect at once.
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(c().sequenceDelays[Q].size(), 11);
    QCOMPARE(page->stepTable->model()->rowCount(), 12);
}

void tst_aseq_settings_widget::descriptionIsStoredAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed");
    QTest::newRow("plain") << QStringLiteral("chase") << QStringLiteral("chase");
    QTest::newRow("blanks kept") << QStringLiteral(" two  words ") << QStringLiteral(" two  words ");
    QTest::newRow("cleared") << QString() << QStringLiteral("no description");
}

void tst_aseq_settings_widget::descriptionIsStoredAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, listed);
    c().eventDescs[sequenceStartEvent(Q)] = QStringLiteral("old");
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    QLineEdit *line = page->seqDescEdit;
    line->setFocus();
    line->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else
        QTest::keyClicks(line, typed);
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(c().eventDescs[sequenceStartEvent(Q)], typed);
    QCOMPARE(listText(Q), listed);
    // No other sequence's description changed.
    QCOMPARE(c().eventDescs[sequenceStartEvent(Q - 1)], QString());
    QCOMPARE(c().eventDescs[sequenceStartEvent(Q + 1)], QString());

    // The line shows the next sequence's own description.
    page->sequenceTable->setCurrentCell(Q + 1, 0);
    QCOMPARE(line->text(), QString());
    page->sequenceTable->setCurrentCell(Q, 0);
    QCOMPARE(line->text(), typed);
}

void tst_aseq_settings_widget::longDescriptionElidedUntilTheNextRefresh()
{
    makePage();
    const QString longText = QStringLiteral("a description far wider than the list's column of sequences");
    page->seqDescEdit->setText(longText + QString(60, QLatin1Char('x')));
    QCOMPARE(page->seqDescEdit->text().size(), 100);  // at most 100 characters
    page->seqDescEdit->setText(longText);
    emit page->seqDescEdit->editingFinished();
    QCOMPARE(c().eventDescs[sequenceStartEvent(0)], longText);
    const QString shown = listText(0);
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.size() < longText.size());
    QVERIFY(QFontMetrics(page->sequenceTable->font()).horizontalAdvance(shown) <= 127);
    page->refresh();
    QCOMPARE(listText(0), longText);
}

void tst_aseq_settings_widget::actionEditorHidesTheStepLinks()
{
    storeSequence(Q, {30, 31});
    addAction(sequenceStartEvent(Q), ActionScene, 4, OperationOn);
    addAction(delayEndEvent(31), ActionProgram, 2, OperationOn);
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    selectStepRow(0);
    QCOMPARE(c().eventActions.count(sequenceStartEvent(Q)), 2);
    QCOMPARE(page->actionEditor->actionTable->rowCount(), 1);
    selectStepRow(2);
    QCOMPARE(page->actionEditor->actionTable->rowCount(), 1);

    // "Finish prev. step" on the finish row: the editor shows the new Off action at once.
    addAction(delayEndEvent(30), ActionScene, 8, OperationOn);
    page->finishButton->click();
    QCOMPARE(page->actionEditor->eventCode, int(delayEndEvent(31)));
    QCOMPARE(page->actionEditor->actionTable->rowCount(), 2);
}

void tst_aseq_settings_widget::openActionEditorStoresIntoItsOwnAction_data()
{
    // Sequence Q runs on delays 4 and 6: its start event holds a Scene 10 action after its
    // chain link, the end of delay 4 a Scene 20 action. Sequence Q + 1 runs on delays 8 and 9,
    // its start event holds a Scene 30 action. The editor is opened on the action of the step
    // row given (0: Scene 10, 1: Scene 20); "daytime": "Daytime only" is picked; "states":
    // "When set" is ticked on A1. Then the change; then the user ends the edit: "Set" while
    // the state window is still open, a click on another cell of the action table for the
    // daytime editor. The Scene 30 action takes nothing of the edit.
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("stepRow");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("scene10");
    QTest::addColumn<QString>("scene20");

    const QString plain = QStringLiteral("ff ff ff ffffffff");
    const QString daytime = QStringLiteral("fe ff ff ffffffff");
    // The daytime choice stays with its own action; the state window closes without
    // storing, as on "Cancel".
    QTest::newRow("states, step row 1") << "states" << 0 << "step row" << plain << plain;
    QTest::newRow("daytime, step row 1") << "daytime" << 0 << "step row" << daytime << plain;
    // Another sequence, a step inserted before the edited action (which moves on with its
    // step) and one step more: the daytime choice is stored before they run. (The state
    // window closes there as the rows are rebuilt, storing nothing.)
    QTest::newRow("daytime, another sequence") << "daytime" << 0 << "sequence" << daytime << plain;
    QTest::newRow("daytime, a step inserted") << "daytime" << 0 << "insert step" << daytime << plain;
    QTest::newRow("daytime, one step more") << "daytime" << 0 << "step count" << daytime << plain;
    // Another configuration: nothing of the edit reaches the action now at that place.
    QTest::newRow("states, file opened") << "states" << 0 << "file open" << plain << plain;
    QTest::newRow("daytime, file opened") << "daytime" << 0 << "file open" << plain << plain;
    // A file refused changes nothing: the editor stays open on its action, and "Set" still
    // stores there.
    QTest::newRow("states, refused open") << "states" << 0 << "refused open" << QStringLiteral("ff ff fe ffffffff")
                                          << plain;
    QTest::newRow("daytime, refused open") << "daytime" << 0 << "refused open" << daytime << plain;
}

void tst_aseq_settings_widget::openActionEditorStoresIntoItsOwnAction()
{
    QFETCH(QString, editor);
    QFETCH(int, stepRow);
    QFETCH(QString, change);
    storeSequence(Q, {4, 6});
    addAction(sequenceStartEvent(Q), ActionScene, 9, OperationOn);
    addAction(delayEndEvent(4), ActionScene, 19, OperationOn);
    storeSequence(Q + 1, {8, 9});
    addAction(sequenceStartEvent(Q + 1), ActionScene, 29, OperationOn);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("same.cfg625"));
    if (change == QLatin1String("file open")) {
        c().write_confDataToFile(file, false);
        QVERIFY(QFile::exists(file));
    }
    makePage();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    clickCell(page->sequenceTable, Q, 0);
    clickCell(page->stepTable, stepRow, 0);
    aevents_tableview_widget *t = page->actionEditor->actionTable;
    QCOMPARE(t->eventCode, int(stepRow == 0 ? sequenceStartEvent(Q) : delayEndEvent(4)));
    QCOMPARE(t->rowCount(), 1);

    // The editor opened by the view on the row's action, and the user's choice in it.
    const int column = editor == QLatin1String("daytime") ? aevents_tableview_widget::DaytimeColumn
                                                         : aevents_tableview_widget::StatesColumn;
    QPointer<QWidget> open = openCellEditor(t, 0, column);
    QVERIFY(open);
    QVERIFY(makeTheChoice(open));

    if (change == QLatin1String("step row")) {
        clickCell(page->stepTable, 1, 0);
        QCOMPARE(t->eventCode, int(delayEndEvent(4)));
    } else if (change == QLatin1String("sequence")) {
        clickCell(page->sequenceTable, Q + 1, 0);
        QCOMPARE(t->eventCode, int(sequenceStartEvent(Q + 1)));
    } else if (change == QLatin1String("insert step")) {
        QTest::mouseClick(page->insertButton, Qt::LeftButton);
        QCOMPARE(c().sequenceDelays[Q].size(), 3);
    } else if (change == QLatin1String("step count")) {
        page->stepCountSpin->setFocus();
        QTest::keyClick(page->stepCountSpin, Qt::Key_Up);
        QCOMPARE(c().sequenceDelays[Q].size(), 3);
    } else if (change == QLatin1String("refused open")) {
        QCOMPARE(c().read_confDataFromFile(dir.filePath(QStringLiteral("missing.cfg625"))), -1);
    } else {
        QCOMPARE(c().read_confDataFromFile(file), 0);
    }
    if (change == QLatin1String("refused open"))
        QVERIFY2(open && open->isVisible(), "the editor has closed");
    else
        QVERIFY2(!open || !open->isVisible(), "the editor is still open");

    endTheEdit(t, open);

    QTEST(sceneActionLimits(9), "scene10");
    QTEST(sceneActionLimits(19), "scene20");
    QCOMPARE(sceneActionLimits(29), QStringLiteral("ff ff ff ffffffff"));
}

void tst_aseq_settings_widget::rebuiltPageLeavesNothingBehind()
{
    storeSequence(Q, {1, 2});
    makePage();
    page->sequenceTable->setCurrentCell(Q, 0);
    QPointer<aseq_settings_widget> gone = page;
    QPointer<aseq_conf_widget> table = page->stepTable;
    QPointer<aevents_conf_widget> editor = page->actionEditor;
    QPointer<QAbstractItemModel> steps = page->stepTable->model();
    page = nullptr;
    f->tabPage.reset();
    QVERIFY(gone.isNull());
    QVERIFY(table.isNull());
    QVERIFY(editor.isNull());
    QVERIFY(steps.isNull());
    // Taking the page down wrote nothing.
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{1, 2}));
    QCOMPARE(c().delaysInUse, (QList<u16>{1, 2}));
}

void tst_aseq_settings_widget::stepsGrownAfterUndefinedOnesAreStoredAsShown()
{
    makePage();
    // Sequence 1 takes all delays but one, so two of sequence 2's three steps get none.
    page->sequenceTable->setCurrentCell(0, 0);
    page->stepCountSpin->setValue(511);
    page->sequenceTable->setCurrentCell(1, 0);
    page->stepCountSpin->setValue(3);
    QCOMPARE(f->ui.messageTexts(), QStringList{"To many delays defined!"});
    QCOMPARE(page->stepTable->model()->index(1, 2).data().toString(), QStringLiteral("undefined"));
    QCOMPARE(page->stepTable->model()->index(2, 2).data().toString(), QStringLiteral("undefined"));

    // Sequence 1 gives its delays back; sequence 2 grows to 5 steps and gets actions on
    // step 5 and on its finish.
    page->sequenceTable->setCurrentCell(0, 0);
    page->stepCountSpin->setValue(0);
    page->sequenceTable->setCurrentCell(1, 0);
    page->stepCountSpin->setValue(5);
    QCOMPARE(f->ui.messageTexts(), QStringList{"To many delays defined!"});  // from the 3 steps alone
    QCOMPARE(page->stepTable->model()->rowCount(), 6);
    addAction(page->stepTable->rowEvent(4), ActionScene, 4, OperationOn);
    addAction(page->stepTable->rowEvent(5), ActionScene, 4, OperationOff);
    page->refresh();
    const QStringList shown = shownSteps();
    QCOMPARE(shown.size(), 6);
    for (int r = 0; r < 5; ++r) {
        QVERIFY2(!shown[r].contains(QLatin1String("undefined")), qPrintable(shown[r]));
        QVERIFY2(shown[r].contains(QLatin1String("| 0:00:00:100 |")), qPrintable(shown[r]));
    }
    QCOMPARE(shown[4], QStringLiteral("   5 | 0:00:00:100 | 0:00:00:500 | Scene 5 On"));
    QCOMPARE(shown[5], QStringLiteral("finish |  |  | Scene 5 Off"));

    // Saved and opened again, the page shows the same, and the sequence reaches every delay
    // it owns.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("steps.cfg625"));
    c().write_confDataToFile(file, false);
    QCOMPARE(c().read_confDataFromFile(file), 0);
    page->seqNumberChange(0, 0, 0, 0);
    page->sequenceTable->setCurrentCell(1, 0);
    QCOMPARE(page->stepCountSpin->value(), 5);
    QCOMPARE(shownSteps(), shown);
    QCOMPARE(delaysOutOfReach(), QStringList());
}

QTEST_MAIN(tst_aseq_settings_widget)
#include "tst_aseq_settings_widget.moc"
