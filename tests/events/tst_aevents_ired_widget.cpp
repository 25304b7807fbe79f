#include "events/aevents_conf_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_tableview_widget.h"
#include "tests/support/page_fixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The Remote Control page: its rows named by the event's or the key's description, the
// description line, the title, the release of the enabling key and the reload after the
// remote-control settings were read anew.
class tst_aevents_ired_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void startsOnButton1Pressed();
    void rowTexts_data();
    void rowTexts();
    void titleFollowsTheRow_data();
    void titleFollowsTheRow();
    void descriptionLineOffersTheKeys();
    void longTextsAreElided();
    void rowColoursFollowRefresh();
    void rowChangeClearsTheAction();
    void enablingKeyIsReleased_data();
    void enablingKeyIsReleased();
    void afterReloadShowsNewKeyDescriptions();

private:
    std::unique_ptr<page_fixture> f;

    aevents_ired_widget *page() { return new aevents_ired_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }
    static QString rowText(aevents_ired_widget *p, int row) { return p->eventList->item(row, 0)->text(); }
    static void confirm(QLineEdit *line, const QString &text)
    {
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
    }
};

void tst_aevents_ired_widget::startsOnButton1Pressed()
{
    aevents_ired_widget *p = page();
    QCOMPARE(p->eventPageKind(), 4);
    QCOMPARE(p->actionEditor->pageKind, 4);
    QCOMPARE(p->eventList->rowCount(), 192);
    QCOMPARE(p->eventList->columnCount(), 1);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("R. C. Buttons"));
    QCOMPARE(p->eventList->columnWidth(0), 180);
    QCOMPARE(p->eventList->geometry(), QRect(10, 20, 200, 570));
    QCOMPARE(p->titleLabel->geometry(), QRect(400, 40, 170, 20));
    QCOMPARE(p->actionEditor->geometry(), QRect(220, 75, 610, 520));
    QCOMPARE(p->targetDescLine->geometry(), QRect(220, 565, 611, 21));
    QCOMPARE(p->eventList->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(p->currentEvent, 0x1280);
    QCOMPARE(p->actionEditor->eventCode, 0x1280);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Button No. 1 - pressed"));
    QCOMPARE(p->descLabel->text(), QStringLiteral("Event description:"));
}

void tst_aevents_ired_widget::rowTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("eventDescription");
    QTest::addColumn<QString>("keyDescription");
    QTest::addColumn<QString>("text");
    QTest::newRow("first, none") << 0 << "" << "" << "Button No. 1 pressed - no description";
    QTest::newRow("last, none") << 191 << "" << "" << "Button No. 64 released - no description";
    QTest::newRow("repeated, none") << 7 << "" << "" << "Button No. 3 repeated - no description";
    QTest::newRow("key's, pressed") << 3 << "" << "Play" << "Btn 2 pres. - Play";
    QTest::newRow("key's, repeated") << 4 << "" << "Play" << "Btn 2 rept. - Play";
    QTest::newRow("key's, released") << 5 << "" << "Play" << "Btn 2 rlsd. - Play";
    QTest::newRow("event's own") << 4 << "Volume up" << "Play" << "Btn 2 rept. - Volume up";
    QTest::newRow("event's own, no key's") << 190 << "Stop all" << "" << "Btn 64 rept. - Stop all";
}

void tst_aevents_ired_widget::rowTexts()
{
    QFETCH(int, row);
    QFETCH(QString, eventDescription);
    QFETCH(QString, keyDescription);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x1280 + row)] = eventDescription;
    c().rcuKeyDescs[size_t(row / 3)] = keyDescription;
    aevents_ired_widget *p = page();
    QCOMPARE(rowText(p, row), text);
}

void tst_aevents_ired_widget::titleFollowsTheRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title");
    QTest::newRow("row 4") << 4 << "Button No. 2 - repeated";
    QTest::newRow("row 5") << 5 << "Button No. 2 - released";
    QTest::newRow("row 189") << 189 << "Button No. 64 - pressed";
}

void tst_aevents_ired_widget::titleFollowsTheRow()
{
    QFETCH(int, row);
    QFETCH(QString, title);
    aevents_ired_widget *p = page();
    p->eventList->setCurrentCell(row, 0);
    QCOMPARE(p->currentEvent, 0x1280 + row);
    QCOMPARE(p->actionEditor->eventCode, 0x1280 + row);
    QCOMPARE(p->titleLabel->text(), title);
}

void tst_aevents_ired_widget::descriptionLineOffersTheKeys()
{
    c().rcuKeyDescs[1] = QStringLiteral("Play");
    aevents_ired_widget *p = page();
    QCOMPARE(p->descLine->text(), QString());
    p->eventList->setCurrentCell(5, 0);
    QCOMPARE(p->descLine->text(), QStringLiteral("Play : rlsd."));

    // Confirming the offered text makes it the event's own.
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x1285], QStringLiteral("Play : rlsd."));
    QCOMPARE(rowText(p, 5), QStringLiteral("Btn 2 rlsd. - Play : rlsd."));

    // Stored trimmed; a line of blanks falls back on the key's, then on "no description".
    confirm(p->descLine, QStringLiteral("  Pause \t"));
    QCOMPARE(c().eventDescs[0x1285], QStringLiteral("Pause"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Pause"));
    QCOMPARE(rowText(p, 5), QStringLiteral("Btn 2 rlsd. - Pause"));
    confirm(p->descLine, QStringLiteral("   "));
    QCOMPARE(c().eventDescs[0x1285], QString());
    QCOMPARE(rowText(p, 5), QStringLiteral("Btn 2 rlsd. - Play"));
    c().rcuKeyDescs[1].clear();
    confirm(p->descLine, QString());
    QCOMPARE(rowText(p, 5), QStringLiteral("Button No. 2 released - no description"));
}

void tst_aevents_ired_widget::longTextsAreElided()
{
    c().rcuKeyDescs[0] = QString(100, QLatin1Char('W'));
    aevents_ired_widget *p = page();
    const QFontMetrics metrics(p->eventList->font());
    const QString elided = rowText(p, 1);
    QVERIFY(elided.startsWith(QStringLiteral("Btn 1 rept. - W")));
    QVERIFY(elided.endsWith(QChar(0x2026)));
    QVERIFY(metrics.horizontalAdvance(elided) <= 360);
}

void tst_aevents_ired_widget::rowColoursFollowRefresh()
{
    c().eventActions.appendAction(0x1282);
    aevents_ired_widget *p = page();
    QCOMPARE(p->eventList->item(2, 0)->background().color(), QColor(230, 255, 230));
    QCOMPARE(p->eventList->item(1, 0)->background(), QGuiApplication::palette().base());
    c().eventActions.appendAction(0x1281);
    QCOMPARE(p->eventList->item(1, 0)->background(), QGuiApplication::palette().base());
    p->refresh();
    QCOMPARE(p->eventList->item(1, 0)->background().color(), QColor(230, 255, 230));
}

void tst_aevents_ired_widget::rowChangeClearsTheAction()
{
    c().eventActions.appendAction(0x1280);
    c().eventActions.appendAction(0x1290);
    c().sceneDescs[0] = QStringLiteral("Opening look");
    aevents_ired_widget *p = page();
    aevents_tableview_widget *table = p->actionEditor->actionTable;
    table->setCurrentCell(0, 0);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Opening look"));
    p->eventList->setCurrentCell(0x10, 0);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->currentRow(), -1);
    QCOMPARE(p->targetDescLine->text(), QString());
}

void tst_aevents_ired_widget::enablingKeyIsReleased_data()
{
    QTest::addColumn<int>("enabling");
    QTest::addColumn<QList<int>>("pressedTypes");   // action types of 0x1289 (button 4 pressed)
    QTest::addColumn<QList<int>>("releasedTypes");  // of 0x128B
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("enablingAfter");

    QTest::newRow("none left, from pressed") << 27 << QList<int>{0} << QList<int>{} << 9 << 20 << -1;
    QTest::newRow("none left, from repeated") << 27 << QList<int>{} << QList<int>{} << 10 << 0 << -1;
    QTest::newRow("none left, from released") << 27 << QList<int>{} << QList<int>{1} << 11 << 0 << -1;
    QTest::newRow("between its own rows") << 27 << QList<int>{} << QList<int>{} << 9 << 10 << -1;
    QTest::newRow("enabling left, not first") << 27 << QList<int>{} << QList<int>{0, 2} << 9 << 20 << 27;
    QTest::newRow("enabling on pressed") << 27 << QList<int>{2} << QList<int>{} << 11 << 20 << 27;
    QTest::newRow("from another key") << 27 << QList<int>{} << QList<int>{} << 12 << 0 << 27;
    QTest::newRow("an input is never released") << 3 << QList<int>{} << QList<int>{} << 9 << 0 << 3;
    QTest::newRow("input 4 from row 3") << 3 << QList<int>{} << QList<int>{} << 3 << 0 << 3;
}

void tst_aevents_ired_widget::enablingKeyIsReleased()
{
    QFETCH(int, enabling);
    QFETCH(QList<int>, pressedTypes);
    QFETCH(QList<int>, releasedTypes);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, enablingAfter);
    for (int type : pressedTypes)
        c().eventActions.setType(0x1289, c().eventActions.appendAction(0x1289), type);
    for (int type : releasedTypes)
        c().eventActions.setType(0x128B, c().eventActions.appendAction(0x128B), type);
    aevents_ired_widget *p = page();
    p->eventList->setCurrentCell(from, 0);
    c().eventActions.enablingInput = enabling;
    p->eventList->setCurrentCell(to, 0);
    QCOMPARE(c().eventActions.enablingInput, enablingAfter);
}

void tst_aevents_ired_widget::afterReloadShowsNewKeyDescriptions()
{
    c().eventDescs[0x1283] = QStringLiteral("Own");
    c().eventActions.appendAction(0x1284);
    c().sceneDescs[0] = QStringLiteral("Opening look");
    aevents_ired_widget *p = page();
    p->eventList->setCurrentCell(4, 0);
    p->actionEditor->actionTable->setCurrentCell(0, 0);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Opening look"));
    // The settings page read new key descriptions; the enabling key has no Enabling action left.
    c().rcuKeyDescs[1] = QStringLiteral("Next");
    c().rcuKeyDescs[63] = QStringLiteral("Off");
    c().eventActions.enablingInput = 25;

    p->afterReload();
    QCOMPARE(p->currentEvent, 0x1284);
    QCOMPARE(p->eventList->currentRow(), 4);
    QCOMPARE(rowText(p, 3), QStringLiteral("Btn 2 pres. - Own"));
    QCOMPARE(rowText(p, 4), QStringLiteral("Btn 2 rept. - Next"));
    QCOMPARE(rowText(p, 191), QStringLiteral("Btn 64 rlsd. - Off"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Next : rept."));
    QCOMPARE(p->actionEditor->actionTable->currentRow(), -1);
    QCOMPARE(p->targetDescLine->text(), QString());
    QCOMPARE(c().eventActions.enablingInput, -1);
}

QTEST_MAIN(tst_aevents_ired_widget)
#include "tst_aevents_ired_widget.moc"
