#include "events/aevents_conf_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_tableview_widget.h"
#include "tests/support/action_cell_edit.h"
#include "tests/support/page_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

// The DMX Output page: the rows of the channel range it is given, kept within the
// channels 1..512, the current event as the range changes, and an edit left open across
// that change.
class tst_aevents_dmxout_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void startsOnChannel32();
    void rowsOfTheRange_data();
    void rowsOfTheRange();
    void rowsWrittenDirectly();
    void rowChangeShowsTheEvent();
    void rangeChangeTakesUpTheCurrentRow_data();
    void rangeChangeTakesUpTheCurrentRow();
    void rangeChangeEndsAnOpenEdit_data();
    void rangeChangeEndsAnOpenEdit();
    void confirmedDescriptionRewritesItsRow();

private:
    std::unique_ptr<page_fixture> f;

    aevents_dmxout_widget *page() { return new aevents_dmxout_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }
    static QStringList rowTexts(aevents_dmxout_widget *p)
    {
        QStringList texts;
        for (int row = 0; row < p->eventList->rowCount(); ++row)
            texts << p->eventList->item(row, 0)->text();
        return texts;
    }
};

void tst_aevents_dmxout_widget::startsOnChannel32()
{
    aevents_dmxout_widget *p = page();
    QCOMPARE(p->eventPageKind(), 5);
    QCOMPARE(p->firstChannel, 32);
    QCOMPARE(p->lastChannel, 32);
    QCOMPARE(rowTexts(p), (QStringList{"Dmx Ch. 32 (On) - no description", "Dmx Ch. 32 (Off) - no description"}));
    QCOMPARE(p->currentEvent, 0xC3E);
    QCOMPARE(p->actionEditor->eventCode, 0xC3E);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Dmx Ch. 32 (On)"));
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("DMX Channel"));
    QCOMPARE(p->eventList->geometry(), QRect(10, 20, 200, 570));
}

void tst_aevents_dmxout_widget::rowsOfTheRange_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("firstEvent");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("lastText");
    QTest::newRow("events off") << 65 << 64 << 1 << 0xC80 << "Dmx Ch. 65 (On) - no description"
                                << "Dmx Ch. 65 (On) - no description";
    QTest::newRow("3 to 4") << 3 << 4 << 4 << 0xC04 << "Dmx Ch. 3 (On) - no description"
                            << "Dmx Ch. 4 (Off) - no description";
    QTest::newRow("all channels") << 1 << 512 << 1024 << 0xC00 << "Dmx Ch. 1 (On) - no description"
                                  << "Dmx Ch. 512 (Off) - no description";
    // A range from a file or the controller past the last channel lists DMX output events only.
    QTest::newRow("last past 512") << 500 << 0xFFFF << 26 << 0xC00 + 2 * 499 << "Dmx Ch. 500 (On) - no description"
                                   << "Dmx Ch. 512 (Off) - no description";
    QTest::newRow("first past 512") << 0xFFFF << 0xFFFF << 2 << 0xFFE << "Dmx Ch. 512 (On) - no description"
                                    << "Dmx Ch. 512 (Off) - no description";
    QTest::newRow("first below 1") << -5 << 1 << 2 << 0xC00 << "Dmx Ch. 1 (On) - no description"
                                   << "Dmx Ch. 1 (Off) - no description";
    QTest::newRow("last far below first") << 10 << -100 << 1 << 0xC12 << "Dmx Ch. 10 (On) - no description"
                                          << "Dmx Ch. 10 (On) - no description";
}

void tst_aevents_dmxout_widget::rowsOfTheRange()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, rows);
    QFETCH(int, firstEvent);
    QFETCH(QString, firstText);
    QFETCH(QString, lastText);
    aevents_dmxout_widget *p = page();
    p->setChannelRange(first, last);
    QVERIFY(p->firstChannel >= 1 && p->firstChannel <= 512);
    QVERIFY(p->lastChannel <= 512);
    p->refresh();
    QCOMPARE(p->eventList->rowCount(), rows);
    QCOMPARE(p->eventList->item(0, 0)->text(), firstText);
    QCOMPARE(p->eventList->item(rows - 1, 0)->text(), lastText);
    QCOMPARE(p->currentEvent, firstEvent);
    QCOMPARE(p->actionEditor->eventCode, firstEvent);
}

void tst_aevents_dmxout_widget::rowsWrittenDirectly()
{
    // The members are public: what is written there is kept within 1..512 when listed too.
    c().eventDescs[0xFFF] = QStringLiteral("last off");
    aevents_dmxout_widget *p = page();
    p->firstChannel = 511;
    p->lastChannel = 4000;
    p->refresh();
    QCOMPARE(p->eventList->rowCount(), 4);
    QCOMPARE(p->eventList->item(3, 0)->text(), QStringLiteral("Dmx Ch. 512 (Off) - last off"));
    p->eventList->setCurrentCell(3, 0);
    QCOMPARE(p->currentEvent, 0xFFF);
    QCOMPARE(p->descLine->text(), QStringLiteral("last off"));
}

void tst_aevents_dmxout_widget::rowChangeShowsTheEvent()
{
    c().eventActions.appendAction(0xC06);
    aevents_dmxout_widget *p = page();
    p->setChannelRange(3, 4);
    p->refresh();
    QList<int> events;
    QStringList titles;
    for (int row = 0; row < 4; ++row) {
        p->eventList->setCurrentCell(row, 0);
        events << p->currentEvent;
        titles << p->titleLabel->text();
    }
    QCOMPARE(events, (QList<int>{0xC04, 0xC05, 0xC06, 0xC07}));
    QCOMPARE(titles, (QStringList{"Dmx Ch. 3 (On)", "Dmx Ch. 3 (Off)", "Dmx Ch. 4 (On)", "Dmx Ch. 4 (Off)"}));
    QCOMPARE(p->eventList->item(2, 0)->background().color(), QColor(230, 255, 230));
    p->eventList->setCurrentCell(2, 0);
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 1);
}

void tst_aevents_dmxout_widget::rangeChangeTakesUpTheCurrentRow_data()
{
    QTest::addColumn<int>("row");  // current before the change, in the range 3..8
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("event");
    QTest::newRow("shrinks past the row") << 9 << 3 << 4 << 3 << 0xC07;
    QTest::newRow("shrinks to one row") << 5 << 65 << 64 << 0 << 0xC80;
    QTest::newRow("moves, row stays") << 1 << 10 << 12 << 1 << 0xC13;
    QTest::newRow("unchanged") << 4 << 3 << 8 << 4 << 0xC08;
}

void tst_aevents_dmxout_widget::rangeChangeTakesUpTheCurrentRow()
{
    QFETCH(int, row);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, currentRow);
    QFETCH(int, event);
    aevents_dmxout_widget *p = page();
    p->setChannelRange(3, 8);
    p->refresh();
    p->eventList->setCurrentCell(row, 0);
    p->actionEditor->actionTable->setCurrentCell(-1, 0);
    QSignalSpy rowChanges(p->eventList->selectionModel(), &QItemSelectionModel::currentRowChanged);

    p->setChannelRange(first, last);
    p->refresh();
    QCOMPARE(p->eventList->currentRow(), currentRow);
    QCOMPARE(p->currentEvent, event);
    QCOMPARE(p->actionEditor->eventCode, event);
    const int channel = (event - 0xC00) / 2 + 1;
    QCOMPARE(p->titleLabel->text(),
             QStringLiteral("Dmx Ch. %1 (%2)").arg(channel).arg(event % 2 ? QStringLiteral("Off") : QStringLiteral("On")));
    QVERIFY(p->eventList->selectionModel()->isRowSelected(currentRow, QModelIndex()));
    QVERIFY(rowChanges.count() <= 1);
}

void tst_aevents_dmxout_widget::rangeChangeEndsAnOpenEdit_data()
{
    // The editor is opened on action 1 of channel 32 On (0xC3E); the range then moves to
    // channel 40, whose On event (0xC4E) has actions too. "daytime": "Daytime only" picked;
    // "states": "When set" ticked on A1.
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("oldLimits");
    QTest::newRow("daytime: stored into its own action") << "daytime" << "fe ff ff ffffffff";
    QTest::newRow("states: closed without storing") << "states" << "ff ff ff ffffffff";
}

void tst_aevents_dmxout_widget::rangeChangeEndsAnOpenEdit()
{
    QFETCH(QString, editor);
    for (int event : {0xC3E, 0xC4E}) {
        for (int j = 0; j < 2; ++j)
            c().eventActions.appendAction(event);
    }
    aevents_dmxout_widget *p = page();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    aevents_tableview_widget *t = p->actionEditor->actionTable;
    const int column = editor == QLatin1String("daytime") ? aevents_tableview_widget::DaytimeColumn
                                                         : aevents_tableview_widget::StatesColumn;
    QPointer<QWidget> open = openCellEditor(t, 1, column);
    QVERIFY(open);
    QVERIFY(makeTheChoice(open));

    p->setChannelRange(40, 41);
    p->refresh();
    QCOMPARE(p->currentEvent, 0xC4E);
    QVERIFY2(!open || !open->isVisible(), "the editor is still open");
    endTheEdit(t, open);
    QTEST(actionLimits(0xC3E, 1), "oldLimits");
    QCOMPARE(actionLimits(0xC4E, 1), QStringLiteral("ff ff ff ffffffff"));
}

void tst_aevents_dmxout_widget::confirmedDescriptionRewritesItsRow()
{
    aevents_dmxout_widget *p = page();
    p->setChannelRange(3, 4);
    p->refresh();
    p->eventList->setCurrentCell(3, 0);
    p->descLine->setText(QStringLiteral(" Hazer "));
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0xC07], QStringLiteral("Hazer"));
    QCOMPARE(p->eventList->item(3, 0)->text(), QStringLiteral("Dmx Ch. 4 (Off) - Hazer"));
    p->descLine->setText(QString());
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(p->eventList->item(3, 0)->text(), QStringLiteral("Dmx Ch. 4 (Off) - no description"));
}

QTEST_MAIN(tst_aevents_dmxout_widget)
#include "tst_aevents_dmxout_widget.moc"
