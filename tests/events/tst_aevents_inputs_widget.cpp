#include "events/aevents_conf_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_tableview_widget.h"
#include "tests/support/page_fixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The Inputs page: its rows and their fallbacks on the input's description, the
// description line, the colours, the row change and the release of the enabling input.
class tst_aevents_inputs_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void startsOnTheFirstInput();
    void rowTexts_data();
    void rowTexts();
    void descriptionLineOffersTheInputs();
    void descriptionsAreStoredTrimmed_data();
    void descriptionsAreStoredTrimmed();
    void longTextsAreElided();
    void rowColoursFollowRefresh();
    void rowChangeShowsTheEvent();
    void targetDescription_data();
    void targetDescription();
    void enablingInputIsReleased_data();
    void enablingInputIsReleased();
    void targetLineShowsOverTheEditor();

private:
    std::unique_ptr<page_fixture> f;

    aevents_inputs_widget *page() { return new aevents_inputs_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }
    static QString rowText(aevents_inputs_widget *p, int row) { return p->eventList->item(row, 0)->text(); }
    static void confirm(QLineEdit *line, const QString &text)
    {
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
    }
};

void tst_aevents_inputs_widget::startsOnTheFirstInput()
{
    aevents_inputs_widget *p = page();
    QCOMPARE(p->eventPageKind(), 0);
    QCOMPARE(p->eventList->rowCount(), 48);
    QCOMPARE(p->eventList->currentRow(), 0);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("Input"));
    QCOMPARE(p->currentEvent, 0x1340);
    QCOMPARE(p->actionEditor->eventCode, 0x1340);
    QCOMPARE(p->actionEditor->pageKind, 0);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Input 1 (On)"));
    QCOMPARE(p->descLabel->text(), QStringLiteral("Event description:"));
    QCOMPARE(p->eventList->geometry(), QRect(10, 20, 200, 570));
    QCOMPARE(p->actionEditor->geometry(), QRect(220, 75, 610, 520));
    QCOMPARE(p->descLine->maxLength(), 100);
    QVERIFY(p->targetDescLine->isReadOnly());
}

void tst_aevents_inputs_widget::rowTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("eventDescription");
    QTest::addColumn<QString>("inputDescription");
    QTest::addColumn<QString>("text");
    QTest::newRow("event's own") << 0 << "Door opens" << "Door" << "Input 1 (On) - Door opens";
    QTest::newRow("input's") << 0 << "" << "Door" << "Input 1 (On) - Door";
    QTest::newRow("none") << 1 << "" << "" << "Input 1 (Off) - no description";
    QTest::newRow("last row") << 47 << "" << "" << "Input 24 (Off) - no description";
    QTest::newRow("input 12 off") << 23 << "" << "Light barrier" << "Input 12 (Off) - Light barrier";
}

void tst_aevents_inputs_widget::rowTexts()
{
    QFETCH(int, row);
    QFETCH(QString, eventDescription);
    QFETCH(QString, inputDescription);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x1340 + row)] = eventDescription;
    c().inputDescs[size_t(row / 2)] = inputDescription;
    aevents_inputs_widget *p = page();
    QCOMPARE(rowText(p, row), text);
}

void tst_aevents_inputs_widget::descriptionLineOffersTheInputs()
{
    c().inputDescs[0] = QStringLiteral("Door");
    aevents_inputs_widget *p = page();
    QCOMPARE(p->descLine->text(), QStringLiteral("Door: On"));
    p->eventList->setCurrentCell(1, 0);
    QCOMPARE(p->descLine->text(), QStringLiteral("Door: Off"));
    QCOMPARE(rowText(p, 1), QStringLiteral("Input 1 (Off) - Door"));

    // Confirming the offered text makes it the event's own.
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x1341], QStringLiteral("Door: Off"));
    QCOMPARE(rowText(p, 1), QStringLiteral("Input 1 (Off) - Door: Off"));

    // Emptying it falls back on the input's description, then on "no description".
    confirm(p->descLine, QString());
    QCOMPARE(c().eventDescs[0x1341], QString());
    QCOMPARE(rowText(p, 1), QStringLiteral("Input 1 (Off) - Door"));
    c().inputDescs[0].clear();
    confirm(p->descLine, QStringLiteral(" "));
    QCOMPARE(rowText(p, 1), QStringLiteral("Input 1 (Off) - no description"));
    p->refresh();
    QCOMPARE(p->descLine->text(), QString());

    // An input without a description offers nothing.
    p->eventList->setCurrentCell(2, 0);
    QCOMPARE(p->descLine->text(), QString());
}

void tst_aevents_inputs_widget::descriptionsAreStoredTrimmed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("blanks around") << "  Stage door \t" << "Stage door";
    QTest::newRow("only blanks") << "    " << "";
    QTest::newRow("inner blanks kept") << "a  b" << "a  b";
}

void tst_aevents_inputs_widget::descriptionsAreStoredTrimmed()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    aevents_inputs_widget *p = page();
    p->eventList->setCurrentCell(5, 0);
    confirm(p->descLine, typed);
    QCOMPARE(c().eventDescs[0x1345], stored);
    QCOMPARE(p->descLine->text(), stored);
    // Showing it again stores nothing new.
    p->refresh();
    QCOMPARE(c().eventDescs[0x1345], stored);
}

void tst_aevents_inputs_widget::longTextsAreElided()
{
    c().eventDescs[0x1340] = QString(100, QLatin1Char('W'));
    c().eventDescs[0x1341] = QStringLiteral("short");
    aevents_inputs_widget *p = page();
    const QFontMetrics metrics(p->eventList->font());
    const QString elided = rowText(p, 0);
    QVERIFY(elided.endsWith(QChar(0x2026)));
    QVERIFY(elided.startsWith(QStringLiteral("Input 1 (On) - W")));
    QVERIFY(metrics.horizontalAdvance(elided) <= 360);
    QCOMPARE(rowText(p, 1), QStringLiteral("Input 1 (Off) - short"));

    // A description confirmed on the page is elided the same way.
    p->eventList->setCurrentCell(1, 0);
    confirm(p->descLine, QString(100, QLatin1Char('M')));
    QVERIFY(rowText(p, 1).endsWith(QChar(0x2026)));
    QVERIFY(metrics.horizontalAdvance(rowText(p, 1)) <= 360);
}

void tst_aevents_inputs_widget::rowColoursFollowRefresh()
{
    c().eventActions.appendAction(0x1343);
    aevents_inputs_widget *p = page();
    const QColor green(230, 255, 230);
    QCOMPARE(p->eventList->item(3, 0)->background().color(), green);
    QCOMPARE(p->eventList->item(2, 0)->background(), QGuiApplication::palette().base());

    // A change shows at the next refresh, not before.
    c().eventActions.appendAction(0x1342);
    c().eventActions.removeAction(0x1343, 0);
    QCOMPARE(p->eventList->item(2, 0)->background(), QGuiApplication::palette().base());
    p->refresh();
    QCOMPARE(p->eventList->item(2, 0)->background().color(), green);
    QCOMPARE(p->eventList->item(3, 0)->background(), QGuiApplication::palette().base());
}

void tst_aevents_inputs_widget::rowChangeShowsTheEvent()
{
    c().eventActions.appendAction(0x1340);
    c().eventActions.appendAction(0x1345);
    c().eventActions.appendAction(0x1345);
    c().eventDescs[0x1345] = QStringLiteral("  Gate  ");
    aevents_inputs_widget *p = page();
    aevents_tableview_widget *table = p->actionEditor->actionTable;
    // Choosing an action shows its target's description.
    c().sceneDescs[0] = QStringLiteral("Opening look");
    table->setCurrentCell(0, 0);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Opening look"));

    p->eventList->setCurrentCell(5, 0);
    QCOMPARE(p->currentEvent, 0x1345);
    QCOMPARE(p->actionEditor->eventCode, 0x1345);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->currentRow(), -1);
    QCOMPARE(p->targetDescLine->text(), QString());
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Input 3 (Off)"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Gate"));
    QCOMPARE(c().eventDescs[0x1345], QStringLiteral("  Gate  "));  // shown trimmed, stored as it was
}

void tst_aevents_inputs_widget::targetDescription_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("scene") << 0 << 4 << "scene 5";
    QTest::newRow("program") << 1 << 511 << "program 512";
    QTest::newRow("state") << 3 << 67 << "state I8";
    QTest::newRow("delay") << 5 << 2 << "delay 3 ends";
    QTest::newRow("sequence") << 6 << 1 << "sequence 2 starts";
    QTest::newRow("mask") << 7 << 255 << "mask 256";
    QTest::newRow("enabling") << 2 << 0 << "";
    QTest::newRow("all scenes") << 0 << -1 << "";
    QTest::newRow("beyond the scenes") << 0 << 3072 << "";
}

void tst_aevents_inputs_widget::targetDescription()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QString, text);
    c().sceneDescs[4] = QStringLiteral("scene 5");
    c().programDescs[511] = QStringLiteral("program 512");
    c().stateDescs[67] = QStringLiteral("state I8");
    c().eventDescs[0x1002] = QStringLiteral("delay 3 ends");
    c().eventDescs[0x1201] = QStringLiteral("sequence 2 starts");
    c().maskDescs[255] = QStringLiteral("mask 256");
    aevents_inputs_widget *p = page();
    p->targetDescLine->setText(QStringLiteral("old"));
    emit p->actionEditor->actionTable->actionChgd(type, number);
    QCOMPARE(p->targetDescLine->text(), text);
}

void tst_aevents_inputs_widget::enablingInputIsReleased_data()
{
    QTest::addColumn<QList<int>>("onTypes");   // action types of event 0x1342 (input 2 On)
    QTest::addColumn<QList<int>>("offTypes");  // of 0x1343
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("enablingAfter");

    // The enabling input is input 2 (index 1).
    QTest::newRow("an enabling action left, not the first") << QList<int>{0, 2} << QList<int>{} << 2 << 7 << 1;
    QTest::newRow("on the off edge") << QList<int>{} << QList<int>{2} << 2 << 7 << 1;
    QTest::newRow("none left, from on") << QList<int>{0} << QList<int>{} << 2 << 7 << -1;
    QTest::newRow("none left, from off") << QList<int>{} << QList<int>{0} << 3 << 0 << -1;
    QTest::newRow("between its own rows") << QList<int>{} << QList<int>{} << 2 << 3 << -1;
    QTest::newRow("from another input") << QList<int>{} << QList<int>{} << 6 << 7 << 1;
}

void tst_aevents_inputs_widget::enablingInputIsReleased()
{
    QFETCH(QList<int>, onTypes);
    QFETCH(QList<int>, offTypes);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, enablingAfter);
    for (int type : onTypes)
        c().eventActions.setType(0x1342, c().eventActions.appendAction(0x1342), type);
    for (int type : offTypes)
        c().eventActions.setType(0x1343, c().eventActions.appendAction(0x1343), type);
    aevents_inputs_widget *p = page();
    p->eventList->setCurrentCell(from, 0);
    c().eventActions.enablingInput = 1;
    p->eventList->setCurrentCell(to, 0);
    QCOMPARE(c().eventActions.enablingInput, enablingAfter);
}

void tst_aevents_inputs_widget::targetLineShowsOverTheEditor()
{
    aevents_inputs_widget *p = page();
    const QPoint inLine = p->targetDescLine->geometry().center();
    QVERIFY(p->actionEditor->geometry().contains(inLine));
    QWidget *top = p->childAt(inLine);
    QVERIFY(top == p->targetDescLine || p->targetDescLine->isAncestorOf(top));
}

QTEST_MAIN(tst_aevents_inputs_widget)
#include "tst_aevents_inputs_widget.moc"
