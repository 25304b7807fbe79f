#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "tests/support/page_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The Internal Events page: "Power On" first, the rows' texts with and without a
// description, and the row change.
class tst_aevents_vkeys_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void startsOnPowerOn();
    void rowTexts_data();
    void rowTexts();
    void confirmedDescriptionRewritesItsRow_data();
    void confirmedDescriptionRewritesItsRow();
    void rowChangeShowsTheEvent();

private:
    std::unique_ptr<page_fixture> f;

    aevents_vkeys_widget *page() { return new aevents_vkeys_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }
};

void tst_aevents_vkeys_widget::startsOnPowerOn()
{
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventPageKind(), 2);
    QCOMPARE(p->eventList->rowCount(), 1024);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("Internal Events"));
    QCOMPARE(p->currentEvent, 0x400);
    QCOMPARE(p->actionEditor->eventCode, 0x400);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Power On"));
    QCOMPARE(p->eventList->item(0, 0)->text(), QStringLiteral("Power On"));
}

void tst_aevents_vkeys_widget::rowTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");
    QTest::newRow("power on") << 0 << "" << "Power On";
    QTest::newRow("power on described") << 0 << "Mains back" << "Mains back";
    QTest::newRow("row 1") << 1 << "" << "Internal Event 2 - no description";
    QTest::newRow("row 1 described") << 1 << "Curtain" << "Int. ev. 2 - Curtain";
    QTest::newRow("last row") << 1023 << "" << "Internal Event 1024 - no description";
}

void tst_aevents_vkeys_widget::rowTexts()
{
    QFETCH(int, row);
    QFETCH(QString, description);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x400 + row)] = description;
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventList->item(row, 0)->text(), text);
}

void tst_aevents_vkeys_widget::confirmedDescriptionRewritesItsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("power on") << 0 << " Mains " << "Mains";
    QTest::newRow("power on emptied") << 0 << "  " << "Power On";
    QTest::newRow("row 9") << 9 << "Fog " << "Int. ev. 10 - Fog";
    QTest::newRow("row 9 emptied") << 9 << "" << "Internal Event 10 - no description";
}

void tst_aevents_vkeys_widget::confirmedDescriptionRewritesItsRow()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x400 + row)] = QStringLiteral("old");
    aevents_vkeys_widget *p = page();
    p->eventList->setCurrentCell(row, 0);
    p->descLine->setText(typed);
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[size_t(0x400 + row)], typed.trimmed());
    QCOMPARE(p->eventList->item(row, 0)->text(), text);
}

void tst_aevents_vkeys_widget::rowChangeShowsTheEvent()
{
    c().eventActions.appendAction(0x400 + 700);
    c().eventDescs[0x400 + 700] = QStringLiteral("Interval");
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventList->item(700, 0)->background().color(), QColor(230, 255, 230));
    p->eventList->setCurrentCell(700, 0);
    QCOMPARE(p->currentEvent, 0x400 + 700);
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 1);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Internal Event 701"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Interval"));
    p->eventList->setCurrentCell(0, 0);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Power On"));
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 0);
}

QTEST_MAIN(tst_aevents_vkeys_widget)
#include "tst_aevents_vkeys_widget.moc"
