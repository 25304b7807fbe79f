#include "app/widget_user_interaction.h"
#include "events/aevents_clock_set_widget.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/support/message_summary.h"
#include "tests/support/page_fixture.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The Clock page: its rows and texts, the sun delays (shown without being stored, stored
// as 5-minute units, never turning the sun events off), the timer editor and Clear, the
// colours and the row change.
class tst_aevents_clock_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void startsOnSunrise();
    void rowAndTitleTexts_data();
    void rowAndTitleTexts();
    void timerText_data();
    void timerText();
    void sunDelayText_data();
    void sunDelayText();
    void sunRowsWithSunEventsOff();
    void showingADelayStoresNothing();
    void typedDelayIsStoredInUnits();
    void delayEditNeverTurnsSunEventsOff_data();
    void delayEditNeverTurnsSunEventsOff();
    void typedDelayTakenWhenComplete_data();
    void typedDelayTakenWhenComplete();
    void realRefusalBox();
    void delaysOutsideTheRangeAreIgnored();
    void timerRowShowsItsEditor();
    void fieldEditRewritesTheRowAtOnce();
    void clearButtonClearsTheTimer();
    void rowColours();
    void rowChangeShowsTheEvent();
    void choosingAnActionShowsItsTarget();
    void descriptionIsStoredTrimmed();

private:
    std::unique_ptr<page_fixture> f;

    aevents_clock_widget *page() { return new aevents_clock_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }
    static QString cell(aevents_clock_widget *p, int row, int column) { return p->eventList->item(row, column)->text(); }
    void setSunDelays(u8 sunrise, u8 sunset)
    {
        f->image()[image_layout::SunEventDelays] = sunrise;
        f->image()[image_layout::SunEventDelays + 1] = sunset;
    }
    // Types a value over the box's own and presses Return.
    static void type(QSpinBox *spin, const QString &text)
    {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
        QTest::keyClick(spin, Qt::Key_Return);
    }
    QSpinBox *field(aevents_clock_widget *p, const char *name)
    {
        return p->timerEditor->findChild<QSpinBox *>(QLatin1String(name));
    }
    static bool shown(QWidget *w) { return w->isVisibleTo(w->parentWidget()); }
};

void tst_aevents_clock_widget::startsOnSunrise()
{
    aevents_clock_widget *p = page();
    QCOMPARE(p->eventPageKind(), 1);
    QCOMPARE(p->actionEditor->pageKind, 1);
    QCOMPARE(p->eventList->rowCount(), 1024);
    QCOMPARE(p->eventList->columnCount(), 2);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("Timer"));
    QCOMPARE(p->eventList->horizontalHeaderItem(1)->text(), QStringLiteral("Timer Settings"));
    QCOMPARE(p->eventList->columnWidth(0), 80);
    QCOMPARE(p->eventList->columnWidth(1), 120);
    // A timer with every field set reads whole in the list's font, the last timer's name too.
    const QFontMetrics metrics(p->eventList->font());
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("23:59 We 28.08.2088")) < 120);
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Timer 1024")) < 80);
    QCOMPARE(p->eventList->geometry(), QRect(10, 20, 225, 570));
    QCOMPARE(p->actionEditor->geometry(), QRect(250, 100, 605, 520));
    QCOMPARE(p->targetDescLine->geometry(), QRect(250, 585, 581, 21));
    QCOMPARE(p->timerEditor->pos(), QPoint(250, 10));
    QCOMPARE(p->clearButton->geometry(), QRect(790, 40, 50, 30));
    QCOMPARE(p->sunDelaySpin->suffix(), QStringLiteral(" min."));
    QCOMPARE(p->sunDelaySpin->singleStep(), 5);
    QCOMPARE(p->eventList->currentRow(), 0);
    QCOMPARE(p->currentEvent, 0x800);
    QCOMPARE(p->actionEditor->eventCode, 0x800);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Sunrise"));
    QCOMPARE(p->titleLabel->alignment(), Qt::AlignCenter);
    QCOMPARE(p->descLabel->text(), QStringLiteral("Event description:"));
    // A sun row has no timer fields.
    QVERIFY(!shown(p->timerEditor));
    QVERIFY(!shown(p->clearButton));
}

void tst_aevents_clock_widget::rowAndTitleTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("sunrise") << 0 << "Sunrise" << "Sunrise";
    QTest::newRow("sunset") << 1 << "Sunset" << "Sunset";
    QTest::newRow("first timer") << 2 << "Timer 3" << "Timer\nno. 3";
    QTest::newRow("last timer") << 1023 << "Timer 1024" << "Timer\nno. 1024";
}

void tst_aevents_clock_widget::rowAndTitleTexts()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, title);
    aevents_clock_widget *p = page();
    QCOMPARE(cell(p, row, 0), text);
    p->eventList->setCurrentCell(row, 0);
    QCOMPARE(p->titleLabel->text(), title);
}

void tst_aevents_clock_widget::timerText_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("weekDay");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    QTest::newRow("every field") << 0x07 << 0x05 << 1 << 0x03 << 0x03 << 0x00 << "07:05 Mo 03.03.2000";
    QTest::newRow("all any") << 0xFF << 0xFF << 0xFF << 0xFF << 0xFF << 0xFF << "--:-- -- --.--.----";
    QTest::newRow("highest") << 0x23 << 0x59 << 7 << 0x31 << 0x12 << 0x99 << "23:59 Su 31.12.2099";
    QTest::newRow("week day 0") << 0x12 << 0x00 << 0 << 0xFF << 0xFF << 0xFF << "12:00 -- --.--.----";
    QTest::newRow("week day 8") << 0xFF << 0x30 << 8 << 0x01 << 0xFF << 0x24 << "--:30 -- 01.--.2024";
    QTest::newRow("week day 254") << 0x00 << 0x00 << 254 << 0xFF << 0x10 << 0xFF << "00:00 -- --.10.----";
    QTest::newRow("wednesday") << 0xFF << 0xFF << 3 << 0xFF << 0xFF << 0xFF << "--:-- We --.--.----";
}

void tst_aevents_clock_widget::timerText()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, weekDay);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, text);
    timer_entry_class &t = c().timerTable[40];
    t.hour = u8(hour);
    t.minute = u8(minute);
    t.weekDay = u8(weekDay);
    t.day = u8(day);
    t.month = u8(month);
    t.year = u8(year);
    QCOMPARE(aevents_clock_widget::timerText(0x800 + 40), text);
    aevents_clock_widget *p = page();
    QCOMPARE(cell(p, 40, 1), text);
}

void tst_aevents_clock_widget::sunDelayText_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("13") << 13 << "      +1 h 5 min.";
    QTest::newRow("-7") << -7 << "      -0 h 35 min.";
    QTest::newRow("0") << 0 << "       0 h 0 min.";
    QTest::newRow("-1") << -1 << "      -0 h 5 min.";
    QTest::newRow("48") << 48 << "      +4 h 0 min.";
    QTest::newRow("-48") << -48 << "      -4 h 0 min.";
}

void tst_aevents_clock_widget::sunDelayText()
{
    QFETCH(int, units);
    QFETCH(QString, text);
    QCOMPARE(aevents_clock_widget::sunDelayText(units), text);
}

void tst_aevents_clock_widget::sunRowsWithSunEventsOff()
{
    // A cleared configuration has the sun events off.
    QCOMPARE(readU16(f->image(), image_layout::SunEventDelays), u16(0xFFFF));
    c().eventActions.appendAction(0x801);
    aevents_clock_widget *p = page();
    QCOMPARE(cell(p, 0, 1), QStringLiteral("disabled"));
    QCOMPARE(cell(p, 1, 1), QStringLiteral("disabled"));
    QVERIFY(!shown(p->sunDelaySpin));
    QVERIFY(!shown(p->sunDelayLabel));
    // The sun events' actions stay editable.
    p->eventList->setCurrentCell(1, 0);
    QCOMPARE(p->actionEditor->eventCode, 0x801);
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 1);
    QVERIFY(!shown(p->sunDelaySpin));
}

void tst_aevents_clock_widget::showingADelayStoresNothing()
{
    setSunDelays(0x02, 0xFD);  // +10 min, -15 min
    aevents_clock_widget *p = page();
    QCOMPARE(cell(p, 0, 1), QStringLiteral("      +0 h 10 min."));
    QCOMPARE(cell(p, 1, 1), QStringLiteral("      -0 h 15 min."));
    QVERIFY(shown(p->sunDelaySpin));
    QVERIFY(shown(p->sunDelayLabel));
    QCOMPARE(p->sunDelaySpin->value(), 10);
    QCOMPARE(p->sunDelayLabel->text(), QStringLiteral("Sunrise Event Delay"));

    p->eventList->setCurrentCell(1, 0);
    QCOMPARE(p->sunDelaySpin->value(), -15);
    QCOMPARE(p->sunDelayLabel->text(), QStringLiteral("Sunset Event Delay"));
    p->eventList->setCurrentCell(0, 0);
    p->refresh();
    QCOMPARE(f->image()[image_layout::SunEventDelays], u8(0x02));
    QCOMPARE(f->image()[image_layout::SunEventDelays + 1], u8(0xFD));

    // A timer row hides the delay editor.
    p->eventList->setCurrentCell(2, 0);
    QVERIFY(!shown(p->sunDelaySpin));
    QVERIFY(!shown(p->sunDelayLabel));
}

void tst_aevents_clock_widget::typedDelayIsStoredInUnits()
{
    setSunDelays(0x00, 0x00);
    aevents_clock_widget *p = page();
    type(p->sunDelaySpin, QStringLiteral("-7"));
    QCOMPARE(i8(f->image()[image_layout::SunEventDelays]), i8(-1));
    QCOMPARE(f->image()[image_layout::SunEventDelays + 1], u8(0x00));
    QCOMPARE(cell(p, 0, 1), QStringLiteral("      -0 h 5 min."));
    // The spin box keeps the typed value until the next refresh.
    QCOMPARE(p->sunDelaySpin->value(), -7);
    p->refresh();
    QCOMPARE(p->sunDelaySpin->value(), -5);

    // The sunset row stores its own byte.
    p->eventList->setCurrentCell(1, 0);
    p->sunDelaySpin->setValue(125);
    QCOMPARE(i8(f->image()[image_layout::SunEventDelays + 1]), i8(25));
    QCOMPARE(cell(p, 1, 1), QStringLiteral("      +2 h 5 min."));
}

void tst_aevents_clock_widget::delayEditNeverTurnsSunEventsOff_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("sunrise");  // bytes before
    QTest::addColumn<int>("sunset");
    QTest::addColumn<bool>("stored");
    QTest::newRow("sunrise -5, sunset -5") << 0 << -5 << 0x02 << 0xFF << false;
    QTest::newRow("sunrise -7, sunset -5") << 0 << -7 << 0x02 << 0xFF << false;
    QTest::newRow("sunset -5, sunrise -5") << 1 << -5 << 0xFF << 0x04 << false;
    QTest::newRow("sunrise -5, sunset -10") << 0 << -5 << 0x02 << 0xFE << true;
    QTest::newRow("sunrise -10, sunset -5") << 0 << -10 << 0x02 << 0xFF << true;
}

void tst_aevents_clock_widget::delayEditNeverTurnsSunEventsOff()
{
    QFETCH(int, row);
    QFETCH(int, minutes);
    QFETCH(int, sunrise);
    QFETCH(int, sunset);
    QFETCH(bool, stored);
    setSunDelays(u8(sunrise), u8(sunset));
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(row, 0);
    const int shownBefore = p->sunDelaySpin->value();
    const QString rowBefore = cell(p, row, 1);
    p->sunDelaySpin->setValue(minutes);

    const u8 *image = f->image();
    QVERIFY(readU16(image, image_layout::SunEventDelays) != 0xFFFF);
    const u8 edited = image[image_layout::SunEventDelays + u32(row)];
    if (stored) {
        QCOMPARE(int(i8(edited)), minutes / 5);
        QCOMPARE(p->sunDelaySpin->value(), minutes);
        QVERIFY(f->ui.messages.isEmpty());
    } else {
        // The old delay stays and shows again, and a box says why.
        QCOMPARE(int(edited), row == 0 ? sunrise : sunset);
        QCOMPARE(p->sunDelaySpin->value(), shownBefore);
        QCOMPARE(cell(p, row, 1), rowBefore);
        QVERIFY(shown(p->sunDelaySpin));
        QCOMPARE(messageSummaries(f->ui),
                 QStringList{messageSummary(message_icon::Warning,
                                            row == 0 ? QStringLiteral("Sunrise Event Delay") : QStringLiteral("Sunset Event Delay"),
                                            QStringLiteral("Sunrise and sunset can't both be delayed by -5 min.: the controller "
                                                           "reads that as sunrise / sunset events switched off.\n"
                                                           "The delay stays as it was."))});
        QCOMPARE(f->ui.messages.first().parentWidget.data(), p);
    }
}

void tst_aevents_clock_widget::typedDelayTakenWhenComplete_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("sunrise");  // byte after Return
    QTest::addColumn<int>("boxes");
    // Sunset is at -5 min.: a sunrise delay typed through -5 is taken as a whole.
    QTest::newRow("-50") << "-50" << int(u8(-10)) << 0;
    QTest::newRow("-55") << "-55" << int(u8(-11)) << 0;
    QTest::newRow("-5, refused") << "-5" << 0x02 << 1;
}

// A typed delay is taken once it is complete, not on every key.
void tst_aevents_clock_widget::typedDelayTakenWhenComplete()
{
    QFETCH(QString, typed);
    QFETCH(int, sunrise);
    QFETCH(int, boxes);
    setSunDelays(0x02, 0xFF);
    aevents_clock_widget *p = page();
    p->sunDelaySpin->setFocus();
    p->sunDelaySpin->selectAll();
    QTest::keyClicks(p->sunDelaySpin, typed);
    QCOMPARE(f->image()[image_layout::SunEventDelays], u8(0x02));
    QCOMPARE(f->ui.messages.size(), 0);
    QTest::keyClick(p->sunDelaySpin, Qt::Key_Return);
    QCOMPARE(int(f->image()[image_layout::SunEventDelays]), sunrise);
    QCOMPARE(f->image()[image_layout::SunEventDelays + 1], u8(0xFF));
    QCOMPARE(int(f->ui.messages.size()), boxes);
}

// The real box: one, modal, over the page, when a typed -5 is refused; closing it leaves
// the delay and the box's value as they were.
void tst_aevents_clock_widget::realRefusalBox()
{
    setSunDelays(0x02, 0xFF);
    aevents_clock_widget *p = page();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowActive(f->tabPage.get()));
    widget_user_interaction boxes;
    installUserInteraction(&boxes);
    QStringList texts;
    QWidget *parent = nullptr;
    bool modal = false;
    QTimer answering;
    answering.setInterval(0);
    connect(&answering, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts << box->text();
        parent = box->parentWidget();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    answering.start();
    type(p->sunDelaySpin, QStringLiteral("-5"));
    QTest::qWait(10);
    answering.stop();
    installUserInteraction(&f->ui);
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts.first().startsWith(QStringLiteral("Sunrise and sunset can't both be delayed by -5 min.")));
    QVERIFY(modal);
    QCOMPARE(parent, static_cast<QWidget *>(p));
    QCOMPARE(f->image()[image_layout::SunEventDelays], u8(0x02));
    QCOMPARE(p->sunDelaySpin->value(), 10);
}

void tst_aevents_clock_widget::delaysOutsideTheRangeAreIgnored()
{
    setSunDelays(0x03, 0x00);
    aevents_clock_widget *p = page();
    p->sunService(245);
    p->sunService(-241);
    QCOMPARE(f->image()[image_layout::SunEventDelays], u8(0x03));
    p->sunService(-240);
    QCOMPARE(i8(f->image()[image_layout::SunEventDelays]), i8(-48));
    QCOMPARE(cell(p, 0, 1), QStringLiteral("      -4 h 0 min."));
}

void tst_aevents_clock_widget::timerRowShowsItsEditor()
{
    c().timerTable[5].hour = 0x18;
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(5, 0);
    QVERIFY(shown(p->timerEditor));
    QVERIFY(shown(p->clearButton));
    QCOMPARE(field(p, "spinBoxHour")->value(), 18);
    // Back on a sun row the timer editor goes.
    p->eventList->setCurrentCell(1, 0);
    QVERIFY(!shown(p->timerEditor));
    QVERIFY(!shown(p->clearButton));
}

void tst_aevents_clock_widget::fieldEditRewritesTheRowAtOnce()
{
    c().timerTable[6].minute = 0x00;
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(6, 0);
    QCOMPARE(cell(p, 6, 1), QStringLiteral("--:00 -- --.--.----"));
    field(p, "spinBoxMin")->setValue(45);
    QCOMPARE(c().timerTable[6].minute, u8(0x45));
    QCOMPARE(cell(p, 6, 1), QStringLiteral("--:45 -- --.--.----"));
    p->timerEditor->findChild<QCheckBox *>(QStringLiteral("checkBoxHourAny"))->click();
    QCOMPARE(cell(p, 6, 1), QStringLiteral("00:45 -- --.--.----"));
}

void tst_aevents_clock_widget::clearButtonClearsTheTimer()
{
    timer_entry_class &t = c().timerTable[7];
    t.hour = 0x08;
    t.weekDay = 2;
    t.year = 0x25;
    c().eventActions.appendAction(0x807);
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(7, 0);
    QTest::mouseClick(p->clearButton, Qt::LeftButton);
    QVERIFY(c().timerTable[7] == timer_entry_class());
    QCOMPARE(cell(p, 7, 1), QStringLiteral("--:-- -- --.--.----"));
    QCOMPARE(c().eventActions.count(0x807), 1);
}

void tst_aevents_clock_widget::rowColours()
{
    c().eventActions.appendAction(0x800);
    c().eventActions.appendAction(0x803);
    aevents_clock_widget *p = page();
    const QColor green(230, 255, 230);
    for (int column : {0, 1}) {
        QCOMPARE(p->eventList->item(0, column)->background().color(), green);
        QCOMPARE(p->eventList->item(3, column)->background().color(), green);
        QCOMPARE(p->eventList->item(1, column)->background(), QGuiApplication::palette().base());
        QCOMPARE(p->eventList->item(2, column)->background(), QGuiApplication::palette().base());
    }
    // A change shows at the next refresh.
    c().eventActions.appendAction(0x802);
    QCOMPARE(p->eventList->item(2, 0)->background(), QGuiApplication::palette().base());
    p->refresh();
    QCOMPARE(p->eventList->item(2, 1)->background().color(), green);
}

void tst_aevents_clock_widget::rowChangeShowsTheEvent()
{
    c().eventActions.appendAction(0x800);
    c().eventActions.appendAction(0x9FF);
    c().eventActions.appendAction(0x9FF);
    c().eventDescs[0x9FF] = QStringLiteral("  Lunch break  ");
    c().sceneDescs[0] = QStringLiteral("Opening look");
    aevents_clock_widget *p = page();
    aevents_tableview_widget *table = p->actionEditor->actionTable;
    table->setCurrentCell(0, 0);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Opening look"));

    p->eventList->setCurrentCell(0x1FF, 0);
    QCOMPARE(p->currentEvent, 0x9FF);
    QCOMPARE(p->actionEditor->eventCode, 0x9FF);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->currentRow(), -1);
    QCOMPARE(p->targetDescLine->text(), QString());
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Timer\nno. 512"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Lunch break"));
}

void tst_aevents_clock_widget::choosingAnActionShowsItsTarget()
{
    c().programDescs[3] = QStringLiteral("Night walk");
    const int j = c().eventActions.appendAction(0x810);
    c().eventActions.setType(0x810, j, 1);
    c().eventActions.setNo(0x810, j, 3);
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(0x10, 0);
    p->actionEditor->actionTable->setCurrentCell(0, 2);
    QCOMPARE(p->targetDescLine->text(), QStringLiteral("Night walk"));
}

void tst_aevents_clock_widget::descriptionIsStoredTrimmed()
{
    aevents_clock_widget *p = page();
    p->eventList->setCurrentCell(4, 0);
    const QString settings = cell(p, 4, 1);
    p->descLine->setText(QStringLiteral("  Doors open \t"));
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x804], QStringLiteral("Doors open"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Doors open"));
    // The list shows no descriptions.
    QCOMPARE(cell(p, 4, 0), QStringLiteral("Timer 5"));
    QCOMPARE(cell(p, 4, 1), settings);
    p->descLine->setText(QStringLiteral("   "));
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[0x804], QString());
}

QTEST_MAIN(tst_aevents_clock_widget)
#include "tst_aevents_clock_widget.moc"
