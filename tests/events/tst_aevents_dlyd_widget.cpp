#include "events/StL_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_dlyd_delegate.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/delay_time_edit.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/support/action_cell_edit.h"
#include "tests/support/page_fixture.h"
#include "widgets/my_time_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

// The Delays page: the time texts and colours of its 512 rows, the row change, and the
// popup time editor on the real widgets: which cells open it, where it opens, and what
// "O.K.", "Cancel" and Escape store; and how both editor windows with a confirm button
// (the popup, and the state-limit window of its action table) are left.
class tst_aevents_dlyd_widget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnDelay1();
    void delayText_data();
    void delayText();
    void rowsShowTheDelays();
    void colours_data();
    void colours();
    void rowChangeShowsTheDelay();
    void refreshedByItsActionEditor();
    void descriptionIsStoredTrimmed();

    void editorOnlyForFreeTimeCells_data();
    void editorOnlyForFreeTimeCells();
    void doubleClickOpensThePopup();
    void popupLoadsTheDelay_data();
    void popupLoadsTheDelay();
    void okUnchangedStoresTheSameTime();
    void okKeepsTheOwnerBits();
    void uncheckingDefinedStoresUnset();
    void cancelChangesNothingAndRefreshes();
    void escapeChangesNothing();
    void wholeDay();
    void delayLockedMeanwhileIsNotStored();
    void leavingAnEditorWindow_data();
    void leavingAnEditorWindow();

private:
    std::unique_ptr<page_fixture> f;
    aevents_dlyd_widget *p = nullptr;

    kd620_controller_class &c() { return *f->controller; }
    void build() { p = new aevents_dlyd_widget(f->tabPage.get()); }
    u32 entry(int delay) const { return readU32(f->image(), image_layout::delayEntry(u32(delay))); }
    void setEntry(int delay, u32 word) { writeU32(f->image(), image_layout::delayEntry(u32(delay)), word); }
    QString cell(int row, int column) const { return p->eventList->item(row, column)->text(); }
    QBrush background(int row, int column) const { return p->eventList->item(row, column)->background(); }
    // Asks the list for an editor of a cell, as an edit trigger does; the popup, or null.
    delayTimeEdit *open(int row, int column = aevents_dlyd_widget::TimeColumn)
    {
        p->eventList->edit(p->eventList->model()->index(row, column));
        return p->findChild<delayTimeEdit *>();
    }
    // Lets the view delete the editor it closed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // A clear, then the reload of the page shown that the main window does after it.
    void clearAsTheWindowDoes(u32 co)
    {
        c().ClearConfig(co);
        p->refresh();
    }
    // A click as the user makes it: through the window system, so that an open popup sees
    // it first, as it sees a real one.
    static void clickThroughWindow(QWidget *widget, QPoint at)
    {
        QWidget *top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
    }
    static void clickCellThroughWindow(QTableView *table, int row, int column)
    {
        const QPoint at = table->visualRect(table->model()->index(row, column)).center();
        clickThroughWindow(table->viewport(), at);
    }
};

void tst_aevents_dlyd_widget::init()
{
    f = std::make_unique<page_fixture>();
    f->tabPage->show();
}

void tst_aevents_dlyd_widget::cleanup()
{
    p = nullptr;
    QVERIFY(page_fixture::tearDown(f).isEmpty());
}

void tst_aevents_dlyd_widget::startsOnDelay1()
{
    build();
    QCOMPARE(p->eventPageKind(), 3);
    QCOMPARE(p->actionEditor->pageKind, 3);
    QCOMPARE(p->eventList->rowCount(), 512);
    QCOMPARE(p->eventList->columnCount(), 2);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("Delay No."));
    QCOMPARE(p->eventList->horizontalHeaderItem(1)->text(), QStringLiteral("Delay Time"));
    QCOMPARE(p->eventList->columnWidth(0), 80);
    // The time column holds the longest time whole in the font in use, and the list grows
    // with it, short of the action editor.
    const int timeWidth = p->eventList->columnWidth(1);
    QVERIFY(timeWidth >= 80);
    QVERIFY(QFontMetrics(p->eventList->font()).horizontalAdvance(QStringLiteral("23h 59m 59.9s")) < timeWidth);
    QCOMPARE(p->eventList->geometry(), QRect(10, 20, 180 + timeWidth - 80, 570));
    QVERIFY(p->eventList->geometry().right() < p->actionEditor->x());
    QCOMPARE(p->titleLabel->geometry(), QRect(400, 40, 150, 20));
    QCOMPARE(p->actionEditor->geometry(), QRect(220, 75, 610, 520));
    QCOMPARE(p->targetDescLine->geometry(), QRect(220, 565, 611, 21));
    QCOMPARE(p->descLabel->text(), QStringLiteral("Delay description:"));
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Delay 1"));
    QCOMPARE(p->currentEvent, 0x1000);
    QCOMPARE(p->actionEditor->eventCode, 0x1000);
    QCOMPARE(p->eventList->currentRow(), 0);
    QCOMPARE(p->eventList->itemDelegate(), static_cast<QAbstractItemDelegate *>(p->delegate));
    // The list is edited as a table is by default.
    QTableWidget plain;
    QCOMPARE(p->eventList->editTriggers(), plain.editTriggers());
}

void tst_aevents_dlyd_widget::delayText_data()
{
    QTest::addColumn<uint>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1u << "0h 0m 0.1s";
    QTest::newRow("600") << 600u << "0h 1m 0.0s";
    QTest::newRow("36000") << 36000u << "1h 0m 0.0s";
    QTest::newRow("45296") << 45296u << "1h 15m 29.6s";
    QTest::newRow("863999") << 863999u << "23h 59m 59.9s";
    QTest::newRow("864000") << 864000u << "24h 0m 0.0s";
    QTest::newRow("864001") << 864001u << "not set";
    QTest::newRow("0") << 0u << "not set";
    QTest::newRow("0xFFFFF") << 0xFFFFFu << "not set";
    QTest::newRow("undefined") << 0xFFFFFFFFu << "not set";
}

void tst_aevents_dlyd_widget::delayText()
{
    QFETCH(uint, tenths);
    QFETCH(QString, text);
    QCOMPARE(aevents_dlyd_widget::delayText(tenths), text);
}

void tst_aevents_dlyd_widget::rowsShowTheDelays()
{
    setEntry(1, 0x00500000 | 863999);
    setEntry(511, 0xFFF00000 | 864000);
    setEntry(2, 0xFFF00000);  // a time of 0
    build();
    QCOMPARE(cell(0, 0), QStringLiteral("Delay 1"));
    QCOMPARE(cell(0, 1), QStringLiteral("not set"));
    QCOMPARE(cell(1, 1), QStringLiteral("23h 59m 59.9s"));
    QCOMPARE(cell(2, 1), QStringLiteral("not set"));
    QCOMPARE(cell(511, 0), QStringLiteral("Delay 512"));
    QCOMPARE(cell(511, 1), QStringLiteral("24h 0m 0.0s"));
    // A change shows at the next refresh; showing stores nothing.
    setEntry(0, 0xFFF00000 | 10);
    QCOMPARE(cell(0, 1), QStringLiteral("not set"));
    p->refresh();
    QCOMPARE(cell(0, 1), QStringLiteral("0h 0m 1.0s"));
    QCOMPARE(entry(0), 0xFFF00000u | 10);
    QCOMPARE(entry(2), 0xFFF00000u);
}

void tst_aevents_dlyd_widget::colours_data()
{
    QTest::addColumn<uint>("owner");
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<QString>("number");  // green, beige or base
    QTest::addColumn<QString>("time");
    QTest::newRow("free, unused") << 0xFFFu << false << "base" << "base";
    QTest::newRow("free, in use") << 0xFFFu << true << "green" << "green";
    QTest::newRow("sequence 5, in use") << 5u << true << "green" << "beige";
    QTest::newRow("sequence 5, unused") << 5u << false << "base" << "beige";
    QTest::newRow("sequence 127") << 127u << false << "base" << "beige";
    QTest::newRow("owner 200 is free") << 200u << true << "green" << "green";
    QTest::newRow("owner 128 is free") << 128u << false << "base" << "base";
}

void tst_aevents_dlyd_widget::colours()
{
    QFETCH(uint, owner);
    QFETCH(bool, inUse);
    QFETCH(QString, number);
    QFETCH(QString, time);
    setEntry(7, delay_entry_class(600, owner).word);
    if (inUse)
        c().delaysInUse << 3 << 7 << 7;
    // An action on the end event does not colour the row.
    c().eventActions.appendAction(0x1007);
    build();
    auto brush = [](const QString &name) {
        if (name == QLatin1String("green"))
            return QBrush(QColor(230, 255, 230));
        if (name == QLatin1String("beige"))
            return QBrush(QColor(243, 228, 186));
        return QGuiApplication::palette().base();
    };
    QCOMPARE(background(7, 0), brush(number));
    QCOMPARE(background(7, 1), brush(time));
    QCOMPARE(background(8, 0), QGuiApplication::palette().base());
}

void tst_aevents_dlyd_widget::rowChangeShowsTheDelay()
{
    c().eventActions.appendAction(0x11FF);
    c().eventDescs[0x11FF] = QStringLiteral(" last one ");
    c().sceneDescs[0] = QStringLiteral("Opening look");
    c().eventActions.appendAction(0x1000);
    build();
    p->actionEditor->actionTable->setCurrentCell(0, 0);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Opening look"));

    p->eventList->setCurrentCell(511, 0);
    QCOMPARE(p->currentEvent, 0x11FF);
    QCOMPARE(p->actionEditor->eventCode, 0x11FF);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Delay 512"));
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 1);
    QCOMPARE(p->actionEditor->actionTable->currentRow(), -1);
    QCOMPARE(p->targetDescLine->text(), QString());
    QCOMPARE(p->descLine->text(), QStringLiteral("last one"));
}

void tst_aevents_dlyd_widget::refreshedByItsActionEditor()
{
    build();
    QCOMPARE(background(9, 0), QGuiApplication::palette().base());
    c().delaysInUse << 9;
    emit p->actionEditor->forceRefresh();
    QCOMPARE(background(9, 0).color(), QColor(230, 255, 230));
    // Its own editor's requests stay on the page.
    QCOMPARE(f->window.delaysPageRefreshes, 0);
}

void tst_aevents_dlyd_widget::descriptionIsStoredTrimmed()
{
    build();
    p->eventList->setCurrentCell(3, 0);
    p->descLine->setText(QStringLiteral("  after the intro "));
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x1003], QStringLiteral("after the intro"));
    QCOMPARE(p->descLine->text(), QStringLiteral("after the intro"));
    QCOMPARE(cell(3, 0), QStringLiteral("Delay 4"));
    p->descLine->setText(QStringLiteral("    "));
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x1003], QString());
}

void tst_aevents_dlyd_widget::editorOnlyForFreeTimeCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<uint>("owner");
    QTest::addColumn<bool>("opens");
    QTest::newRow("number column") << 0 << 0xFFFu << false;
    QTest::newRow("sequence 0") << 1 << 0u << false;
    QTest::newRow("sequence 127") << 1 << 127u << false;
    QTest::newRow("owner 128") << 1 << 128u << true;
    QTest::newRow("owner 200") << 1 << 200u << true;
    QTest::newRow("no owner") << 1 << 0xFFFu << true;
}

void tst_aevents_dlyd_widget::editorOnlyForFreeTimeCells()
{
    QFETCH(int, column);
    QFETCH(uint, owner);
    QFETCH(bool, opens);
    setEntry(4, delay_entry_class(600, owner).word);
    build();
    delayTimeEdit *editor = open(4, column);
    QCOMPARE(editor != nullptr, opens);
    QCOMPARE(QApplication::activePopupWidget() != nullptr, opens);
    if (editor)
        editor->cancelButton->click();
    settle();
    QCOMPARE(entry(4), delay_entry_class(600, owner).word);
}

void tst_aevents_dlyd_widget::doubleClickOpensThePopup()
{
    setEntry(5, delay_entry_class(600, 0xFFF).word);
    f->window.window.move(30, 40);
    build();
    QWidget *viewport = p->eventList->viewport();
    const QPoint at = p->eventList->visualRect(p->eventList->model()->index(5, 1)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    auto *editor = p->findChild<delayTimeEdit *>();
    QVERIFY(editor);
    // A popup of the Delays page, at a fixed place over the main window.
    QCOMPARE(editor->parentWidget(), static_cast<QWidget *>(p));
    QVERIFY(editor->isWindow());
    QVERIFY(editor->windowFlags().testFlag(Qt::Popup));
    QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(editor));
    // The window's frame goes there (the offscreen platform gives even a popup a frame).
    QVERIFY(editor->windowHandle());
    QCOMPARE(editor->windowHandle()->framePosition(), QPoint(30 + 520, 40 + 110));
    QCOMPARE(editor->size(), QSize(230, 72));
    // Its layout.
    QCOMPARE(editor->definedBox->geometry(), QRect(20, 10, 111, 18));
    QCOMPARE(editor->timeField->geometry(), QRect(20, 40, 111, 22));
    QCOMPARE(editor->okButton->text(), QStringLiteral("O.K."));
    QCOMPARE(editor->cancelButton->text(), QStringLiteral("Cancel"));
    QCOMPARE(editor->timeField->displayFormat(), QStringLiteral("HH'h' mm'm' ss.zzz's'"));
    QCOMPARE(editor->timeField->minimumTime(), QTime(0, 0, 0, 100));
    // The whole time shows beside the arrows.
    QVERIFY(QFontMetrics(editor->timeField->font()).horizontalAdvance(QStringLiteral("00h 00m 00.000s"))
            <= editor->timeField->width() - 32);
    editor->cancelButton->click();
}

void tst_aevents_dlyd_widget::popupLoadsTheDelay_data()
{
    QTest::addColumn<uint>("tenths");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<QTime>("shown");
    QTest::newRow("one minute") << 600u << true << QTime(0, 1);
    QTest::newRow("a tenth") << 1u << true << QTime(0, 0, 0, 100);
    QTest::newRow("longest") << 863999u << true << QTime(23, 59, 59, 900);
    QTest::newRow("unset") << 0xFFFFFu << false << QTime();
    QTest::newRow("zero") << 0u << false << QTime();
}

void tst_aevents_dlyd_widget::popupLoadsTheDelay()
{
    QFETCH(uint, tenths);
    QFETCH(bool, defined);
    QFETCH(QTime, shown);
    setEntry(6, delay_entry_class(tenths, 0xFFF).word);
    build();
    delayTimeEdit *editor = open(6);
    QVERIFY(editor);
    QCOMPARE(editor->definedBox->isChecked(), defined);
    QCOMPARE(editor->timeField->isEnabled(), defined);
    if (defined) {
        QCOMPARE(editor->timeField->time(), shown);
        QCOMPARE(editor->value(), u32(tenths));
    } else {
        QCOMPARE(editor->value(), delayTimeEdit::Undefined);
    }
    editor->cancelButton->click();
}

void tst_aevents_dlyd_widget::okUnchangedStoresTheSameTime()
{
    setEntry(8, 0xFFF00000 | 600);
    build();
    delayTimeEdit *editor = open(8);
    QVERIFY(editor);
    QTest::mouseClick(editor->okButton, Qt::LeftButton);
    settle();
    QCOMPARE(entry(8), 0xFFF00000u | 600);
    QCOMPARE(cell(8, 1), QStringLiteral("0h 1m 0.0s"));
    QVERIFY(!p->findChild<delayTimeEdit *>());
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_aevents_dlyd_widget::okKeepsTheOwnerBits()
{
    setEntry(9, delay_entry_class(600, 200).word);
    setEntry(10, 0xFFF00000 | 600);
    build();
    delayTimeEdit *editor = open(9);
    QVERIFY(editor);
    editor->timeField->setTime(QTime(1, 2, 3, 400));
    editor->okButton->click();
    settle();
    QCOMPARE(entry(9), (200u << 20) | 37234u);
    QCOMPARE(cell(9, 1), QStringLiteral("1h 2m 3.4s"));
    QCOMPARE(entry(10), 0xFFF00000u | 600);
}

void tst_aevents_dlyd_widget::uncheckingDefinedStoresUnset()
{
    setEntry(11, 0xFFF00000 | 600);
    setEntry(12, delay_entry_class(600, 300).word);
    build();
    for (int delay : {11, 12}) {
        delayTimeEdit *editor = open(delay);
        QVERIFY(editor);
        QTest::mouseClick(editor->definedBox, Qt::LeftButton);
        QVERIFY(!editor->timeField->isEnabled());
        QTest::mouseClick(editor->okButton, Qt::LeftButton);
        settle();
        QCOMPARE(cell(delay, 1), QStringLiteral("not set"));
    }
    QCOMPARE(entry(11), 0xFFFFFFFFu);
    QCOMPARE(entry(12), (300u << 20) | 0xFFFFFu);
}

void tst_aevents_dlyd_widget::cancelChangesNothingAndRefreshes()
{
    setEntry(13, 0xFFF00000 | 600);
    build();
    delayTimeEdit *editor = open(13);
    QVERIFY(editor);
    editor->timeField->setTime(QTime(2, 0));
    QTest::mouseClick(editor->definedBox, Qt::LeftButton);
    // Meanwhile another delay changes behind the page's back: the refresh after closing
    // shows it.
    setEntry(14, 0xFFF00000 | 10);
    QTest::mouseClick(editor->cancelButton, Qt::LeftButton);
    settle();
    QCOMPARE(entry(13), 0xFFF00000u | 600);
    QCOMPARE(cell(13, 1), QStringLiteral("0h 1m 0.0s"));
    QCOMPARE(cell(14, 1), QStringLiteral("0h 0m 1.0s"));
    QVERIFY(!p->findChild<delayTimeEdit *>());
}

void tst_aevents_dlyd_widget::escapeChangesNothing()
{
    setEntry(15, 0xFFF00000 | 600);
    build();
    delayTimeEdit *editor = open(15);
    QVERIFY(editor);
    editor->timeField->setTime(QTime(3, 0));
    QTest::keyClick(editor, Qt::Key_Escape);
    settle();
    QCOMPARE(entry(15), 0xFFF00000u | 600);
    QVERIFY(!p->findChild<delayTimeEdit *>());
}

void tst_aevents_dlyd_widget::wholeDay()
{
    // 24 hours is shown as the longest time the field holds; left as it is, it stays.
    setEntry(16, 0xFFF00000 | 864000);
    build();
    delayTimeEdit *editor = open(16);
    QVERIFY(editor);
    QVERIFY(editor->definedBox->isChecked());
    QCOMPARE(editor->timeField->time(), QTime(23, 59, 59, 900));
    editor->okButton->click();
    settle();
    QCOMPARE(entry(16), 0xFFF00000u | 864000);
    QCOMPARE(cell(16, 1), QStringLiteral("24h 0m 0.0s"));

    // A time set in the field is stored as it shows.
    editor = open(16);
    editor->timeField->setTime(QTime(23, 59, 59, 800));
    editor->okButton->click();
    settle();
    QCOMPARE(entry(16), 0xFFF00000u | 863998);
}

void tst_aevents_dlyd_widget::delayLockedMeanwhileIsNotStored()
{
    setEntry(17, 0xFFF00000 | 600);
    build();
    delayTimeEdit *editor = open(17);
    QVERIFY(editor);
    editor->timeField->setTime(QTime(0, 5));
    setEntry(17, delay_entry_class(600, 4).word);
    editor->okButton->click();
    settle();
    QCOMPARE(entry(17), delay_entry_class(600, 4).word);
}

void tst_aevents_dlyd_widget::leavingAnEditorWindow_data()
{
    // Delay 5 (row 4) is not set; its end event holds Scene 1 and Scene 2, the Scene 2 row
    // is current in the action table. "states": the state-limit window is opened on Scene
    // 2 and "When set" ticked on A1; "time": the popup is opened on Delay 5, "Defined"
    // ticked and the time raised to 0h 3m 0.1s. Then the window is left by the path given;
    // a window still open afterwards is confirmed ("Set", "O.K."). Only the confirm button
    // stores; a click that closes a window does what it was aimed at as well; only a new
    // configuration closes a window that no click left.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<int>("listRow");    // current row of the delay list afterwards
    QTest::addColumn<int>("actionRow");  // current row of the action table afterwards
    QTest::addColumn<int>("actions");    // actions of Delay 5's end event afterwards, -1 no list
    QTest::addColumn<QString>("stored"); // Scene 2's limits, or Delay 5's time

    const QString plain = QStringLiteral("ff ff ff ffffffff");
    const QString ticked = QStringLiteral("ff ff fe ffffffff");
    const QString notSet = QStringLiteral("not set");
    const QString typed = QStringLiteral("0h 3m 0.1s");
    auto row = [](const char *window, const char *path, bool stays, int listRow, int actionRow, int actions,
                  const QString &stored) {
        QTest::addRow("%s, %s", window, path) << QString::fromLatin1(window) << QString::fromLatin1(path) << stays
                                              << listRow << actionRow << actions << stored;
    };
    // Delay 8 clicked in the list: it is shown, with its actions (none).
    row("states", "another event", false, 7, -1, 2, plain);
    row("time", "another event", false, 7, -1, 2, notSet);
    // The Scene 1 row clicked in the action table.
    row("states", "another row", false, 4, 0, 2, plain);
    row("time", "another row", false, 4, 0, 2, notSet);
    // Insert puts a new action before Scene 2; Del takes Scene 2 away.
    row("states", "insert", false, 4, 1, 3, plain);
    row("time", "insert", false, 4, 1, 3, notSet);
    row("states", "del", false, 4, 0, 1, QStringLiteral("none"));
    row("time", "del", false, 4, 0, 1, notSet);
    // A file refused (missing, or corrupted) changes nothing: the window stays.
    row("states", "missing file opened", true, 4, 1, 2, ticked);
    row("time", "missing file opened", true, 4, 1, 2, typed);
    row("states", "corrupted file opened", true, 4, 1, 2, ticked);
    row("time", "corrupted file opened", true, 4, 1, 2, typed);
    // Another configuration, opened or read: the window closes on what it was opened on.
    row("states", "good file opened", false, 4, 1, 2, plain);
    row("time", "good file opened", false, 4, 1, 2, notSet);
    row("states", "read from the controller", false, 4, 1, 2, plain);
    row("time", "read from the controller", false, 4, 1, 2, notSet);
    // A clear that leaves the edited action or delay as it was leaves the window working,
    // and its confirm stores; one that empties it closes the window without storing.
    row("states", "partial clear of another category", true, 4, 1, 2, ticked);
    row("time", "partial clear of another category", true, 4, 1, 2, typed);
    row("states", "clear of the action's category", false, 4, -1, -1, QStringLiteral("none"));
    row("time", "clear of the action's category", false, 4, -1, -1, notSet);
    // A clear of the limits changes Scene 2 (it held B1 unset), not the delay.
    row("states", "clear of the action's limits", false, 4, 1, 2, plain);
    row("time", "clear of the action's limits", true, 4, 1, 2, typed);
    // The window closed or hidden by other means than its buttons stores nothing.
    row("states", "window closed", false, 4, 1, 2, plain);
    row("time", "window closed", false, 4, 1, 2, notSet);
    row("time", "window hidden", false, 4, 1, 2, notSet);
}

void tst_aevents_dlyd_widget::leavingAnEditorWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, path);
    QFETCH(bool, staysOpen);
    const int event = 0x1004;
    setEntry(4, 0xFFFFFFFF);
    setEntry(7, 0xFFF00000 | 600);
    for (int n = 0; n < 2; ++n)
        c().eventActions.setNo(event, c().eventActions.appendAction(event), n);
    if (path == QLatin1String("clear of the action's limits")) {
        const u32 b1Unset[4] = {0xFFFFFFFC, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        c().eventActions.setStateLimit(event, 1, 0xFF, b1Unset);
    }

    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.cfg625"));
    const QString corrupted = dir.filePath(QStringLiteral("corrupted.cfg625"));
    if (path.endsWith(QLatin1String("file opened"))) {
        c().write_confDataToFile(good, false);
        QFile::copy(good, corrupted);
        QFile file(corrupted);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() / 2));
        QCOMPARE(file.write(QByteArray(64, '\x5A')), 64);
    } else if (path == QLatin1String("read from the controller")) {
        QVERIFY(f->connectAndReset());
        QVERIFY(c().packStores());
        f->bus.device(1).findEngine<sim_config_memory_engine>()->memory =
            QByteArray(reinterpret_cast<const char *>(c().confData), int(image_layout::ImageSize));
    }

    build();
    p->show();  // built on a window shown already
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    aevents_tableview_widget *t = p->actionEditor->actionTable;
    clickCell(p->eventList, 4, aevents_dlyd_widget::NumberColumn);
    QCOMPARE(t->rowCount(), 2);
    clickCell(t, 1, aevents_tableview_widget::TypeColumn);

    // The window, and the user's choice in it.
    QPointer<QWidget> open;
    if (window == QLatin1String("states")) {
        open = openCellEditor(t, 1, aevents_tableview_widget::StatesColumn);
        QVERIFY(open);
        QVERIFY(makeTheChoice(open));
    } else {
        clickCell(p->eventList, 4, aevents_dlyd_widget::TimeColumn);
        const QPoint at = p->eventList->visualRect(p->eventList->model()->index(4, 1)).center();
        QTest::mouseDClick(p->eventList->viewport(), Qt::LeftButton, {}, at);
        auto *time = p->findChild<delayTimeEdit *>();
        QVERIFY(time);
        QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(time));
        QTest::mouseClick(time->definedBox, Qt::LeftButton);
        time->timeField->setTime(QTime(0, 3, 0, 100));
        open = time;
    }

    if (path == QLatin1String("another event"))
        clickCellThroughWindow(p->eventList, 7, aevents_dlyd_widget::NumberColumn);
    else if (path == QLatin1String("another row"))
        clickCellThroughWindow(t, 0, aevents_tableview_widget::TypeColumn);
    else if (path == QLatin1String("insert"))
        clickThroughWindow(p->actionEditor->insButton, p->actionEditor->insButton->rect().center());
    else if (path == QLatin1String("del"))
        clickThroughWindow(p->actionEditor->delButton, p->actionEditor->delButton->rect().center());
    else if (path == QLatin1String("missing file opened"))
        QCOMPARE(c().read_confDataFromFile(dir.filePath(QStringLiteral("missing.cfg625"))), -1);
    else if (path == QLatin1String("corrupted file opened"))
        QCOMPARE(c().read_confDataFromFile(corrupted), -1);
    else if (path == QLatin1String("good file opened"))
        QCOMPARE(c().read_confDataFromFile(good), 0);
    else if (path == QLatin1String("read from the controller"))
        c().read_alldata();
    else if (path == QLatin1String("window closed"))
        open->close();
    else if (path == QLatin1String("window hidden"))
        open->hide();
    else if (path == QLatin1String("partial clear of another category"))
        clearAsTheWindowDoes(kd620_controller_class::ClearScenes);
    else if (path == QLatin1String("clear of the action's category"))
        clearAsTheWindowDoes(kd620_controller_class::ClearDelays);
    else
        clearAsTheWindowDoes(kd620_controller_class::ClearLimits);
    settle();
    QCOMPARE(open && open->isVisible(), staysOpen);

    if (auto *states = qobject_cast<StL_widget *>(open); states && staysOpen)
        QTest::mouseClick(states->pbSet, Qt::LeftButton);
    else if (auto *time = qobject_cast<delayTimeEdit *>(open); time && staysOpen)
        QTest::mouseClick(time->okButton, Qt::LeftButton);
    settle();
    QVERIFY(!open);

    QTEST(p->eventList->currentRow(), "listRow");
    QTEST(t->currentRow(), "actionRow");
    QTEST(c().eventActions.count(event), "actions");
    QString stored = aevents_dlyd_widget::delayText(delay_entry_class(entry(4)).time());
    if (window == QLatin1String("states")) {
        stored = QStringLiteral("none");
        for (int j = 0; j < c().eventActions.count(event); ++j) {
            if (c().eventActions.no(event, j) == 1)
                stored = actionLimits(event, j);
        }
    }
    QTEST(stored, "stored");
}

QTEST_MAIN(tst_aevents_dlyd_widget)
#include "tst_aevents_dlyd_widget.moc"
