#include "model/application_identity.h"
#include "widgets/font_fitting.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/inf_time_class.h"
#include "widgets/my_time_edit.h"
#include "widgets/self_destructive_message.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QString text(QTime t)
{
    return t.toString(QStringLiteral("hh:mm:ss.zzz"));
}

// Records, in arrival order, both time signals of one editor: "inherited" from
// QDateTimeEdit::timeChanged(QTime), "own" from MyTimeEdit::timeChanged(QTime&).
struct signal_log
{
    QStringList entries;

    explicit signal_log(MyTimeEdit &edit)
    {
        QObject::connect(&edit, &QDateTimeEdit::timeChanged,
                         [this](QTime t) { entries << QStringLiteral("inherited ") + text(t); });
        QObject::connect(&edit, &MyTimeEdit::timeChanged,
                         [this](QTime &t) { entries << QStringLiteral("own ") + text(t); });
    }

    QStringList take() { return std::exchange(entries, {}); }
};

// The times of the own signal, whose reference argument a signal spy cannot hold.
struct own_times
{
    QList<QTime> times;

    explicit own_times(MyTimeEdit &edit)
    {
        QObject::connect(&edit, &MyTimeEdit::timeChanged, [this](QTime &t) { times << t; });
    }
};

} // namespace

class tst_shared_widgets : public QObject
{
    Q_OBJECT

private slots:
    void timeEditRounding_data();
    void timeEditRounding();
    void timeEditSignalOrder();
    void timeEditArrowSteps();
    void timeEditConstructedWithTime();

    void infTimeRangeAndCheckBox();
    void infTimeLeave();

    void spinBoxAccepts_data();
    void spinBoxAccepts();
    void spinBoxFocusOut();

    void messageClosesItself();
    void messageClosedByOk();

    void wrappedLabelFit_data();
    void wrappedLabelFit();
};

void tst_shared_widgets::timeEditRounding_data()
{
    QTest::addColumn<QTime>("set");
    QTest::addColumn<QTime>("shown");

    const auto at = [](int ms) { return QTime(12, 34, 56, ms); };
    QTest::newRow("000 stays") << at(0) << at(0);
    QTest::newRow("001 up") << at(1) << at(100);
    QTest::newRow("050 up") << at(50) << at(100);
    QTest::newRow("051 down") << at(51) << at(0);
    QTest::newRow("099 down") << at(99) << at(0);
    QTest::newRow("100 stays") << at(100) << at(100);
    QTest::newRow("101 up") << at(101) << at(200);
    QTest::newRow("850 up") << at(850) << at(900);
    QTest::newRow("899 down") << at(899) << at(800);
    QTest::newRow("900 stays") << at(900) << at(900);
    QTest::newRow("901 held at 900") << at(901) << at(900);
    QTest::newRow("950 held at 900") << at(950) << at(900);
    QTest::newRow("999 held at 900") << at(999) << at(900);
    QTest::newRow("no carry at end of day") << QTime(23, 59, 59, 950) << QTime(23, 59, 59, 900);
}

// Whatever the editor is given, it shows whole 100 ms and its own signal reports that once.
void tst_shared_widgets::timeEditRounding()
{
    QFETCH(QTime, set);
    QFETCH(QTime, shown);

    MyTimeEdit edit;
    QCOMPARE(edit.displayFormat(), QStringLiteral("hh:mm:ss.zzz"));
    own_times own(edit);
    edit.setTime(set);

    QCOMPARE(edit.time(), shown);
    QCOMPARE(edit.editor->time(), shown);
    QCOMPARE(edit.text(), text(shown));
    QCOMPARE(own.times, QList<QTime>{shown});
}

// A receiver connected once, right after construction: on the first rounding the rounded
// time comes first and the unrounded one last; the rounding re-makes the internal connection
// behind the receiver, so from then on the rounded time comes last. The own signal sees only
// rounded times, once per change.
void tst_shared_widgets::timeEditSignalOrder()
{
    MyTimeEdit edit;
    signal_log log(edit);

    edit.setTime(QTime(0, 0, 1, 1));
    QCOMPARE(log.take(), QStringList({"inherited 00:00:01.100", "own 00:00:01.100",
                                      "inherited 00:00:01.001"}));
    QCOMPARE(edit.time(), QTime(0, 0, 1, 100));

    edit.setTime(QTime(0, 0, 2, 201));
    QCOMPARE(log.take(), QStringList({"inherited 00:00:02.201", "inherited 00:00:02.300",
                                      "own 00:00:02.300"}));

    edit.setTime(QTime(0, 0, 3, 960));
    QCOMPARE(log.take(), QStringList({"inherited 00:00:03.960", "inherited 00:00:03.900",
                                      "own 00:00:03.900"}));

    // A whole 100 ms needs no rounding: each signal once.
    edit.setTime(QTime(0, 0, 4, 300));
    QCOMPARE(log.take(), QStringList({"inherited 00:00:04.300", "own 00:00:04.300"}));

    // Setting the time it already holds is no change.
    edit.setTime(QTime(0, 0, 4, 300));
    QCOMPARE(log.take(), QStringList());
}

// One arrow step on the millisecond section moves a whole 100 ms either way.
void tst_shared_widgets::timeEditArrowSteps()
{
    MyTimeEdit edit;
    edit.setTime(QTime(1, 0, 0, 100));
    edit.setCurrentSection(QDateTimeEdit::MSecSection);
    own_times own(edit);

    QTest::keyClick(&edit, Qt::Key_Up);
    QCOMPARE(edit.time(), QTime(1, 0, 0, 200));
    QTest::keyClick(&edit, Qt::Key_Down);
    QCOMPARE(edit.time(), QTime(1, 0, 0, 100));
    QTest::keyClick(&edit, Qt::Key_Down);
    QCOMPARE(edit.time(), QTime(1, 0, 0, 0));

    QCOMPARE(own.times, QList<QTime>({QTime(1, 0, 0, 200), QTime(1, 0, 0, 100), QTime(1, 0, 0, 0)}));
}

void tst_shared_widgets::timeEditConstructedWithTime()
{
    MyTimeEdit edit(QTime(8, 15, 30, 449));
    QCOMPARE(edit.time(), QTime(8, 15, 30, 500));
    QCOMPARE(edit.displayFormat(), QStringLiteral("hh:mm:ss.zzz"));
}

void tst_shared_widgets::infTimeRangeAndCheckBox()
{
    infTime_class inf;
    QSignalSpy times(&inf, &infTime_class::timeChanged);
    QCOMPARE(inf.timeEdit->minimumTime(), QTime(0, 0));
    QCOMPARE(inf.timeEdit->maximumTime(), QTime(1, 49, 13, 400));
    QVERIFY(inf.checkBox->text().isEmpty());
    QVERIFY(!inf.checkBox->isChecked());
    QVERIFY(inf.timeEdit->isEnabled());

    inf.timeEdit->setTime(QTime(2, 0));
    QCOMPARE(inf.timeEdit->time(), QTime(1, 49, 13, 400));
    inf.timeEdit->setTime(QTime(0, 10, 0, 30));
    QCOMPARE(inf.timeEdit->time(), QTime(0, 10, 0, 100));
    // The pair reports its time as the editor rounds it, once per change.
    QCOMPARE(times.count(), 2);
    QCOMPARE(times.at(0).at(0).toTime(), QTime(1, 49, 13, 400));
    QCOMPARE(times.at(1).at(0).toTime(), QTime(0, 10, 0, 100));

    inf.checkBox->setChecked(true);
    QVERIFY(!inf.timeEdit->isEnabled());
    inf.checkBox->setCheckState(Qt::PartiallyChecked);
    QVERIFY(inf.timeEdit->isEnabled());
    inf.checkBox->setChecked(false);
    QVERIFY(inf.timeEdit->isEnabled());

    QCOMPARE(times.count(), 2);
}

// Leaving the widget counts only when the pointer is over neither of its parts; the
// under-mouse state is what the toolkit keeps for each part as the pointer moves.
void tst_shared_widgets::infTimeLeave()
{
    infTime_class inf;
    QSignalSpy leaved(&inf, &infTime_class::leaved);
    QEvent leave(QEvent::Leave);

    inf.timeEdit->setAttribute(Qt::WA_UnderMouse, true);
    QApplication::sendEvent(&inf, &leave);
    inf.timeEdit->setAttribute(Qt::WA_UnderMouse, false);
    inf.checkBox->setAttribute(Qt::WA_UnderMouse, true);
    QApplication::sendEvent(&inf, &leave);
    QCOMPARE(leaved.count(), 0);

    inf.checkBox->setAttribute(Qt::WA_UnderMouse, false);
    QApplication::sendEvent(&inf, &leave);
    QCOMPARE(leaved.count(), 1);
    QCOMPARE(leaved.at(0).at(0).value<QWidget *>(), &inf);
}

void tst_shared_widgets::spinBoxAccepts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("valueAfter");

    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << 5;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 5;
    QTest::newRow("arrow up") << int(Qt::Key_Up) << int(Qt::NoModifier) << false << 6;
}

void tst_shared_widgets::spinBoxAccepts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, accepted);
    QFETCH(int, valueAfter);

    guardedSpinBox box;
    box.setRange(1, 100);
    box.setValue(5);
    QSignalSpy spy(&box, &guardedSpinBox::valueAccepted);

    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(spy.at(0).at(0).toInt(), 5);
    QCOMPARE(box.value(), valueAfter);
}

// Leaving the box reports its value, also when nothing changed; typed text that the box
// has not taken yet is reported as the value held before it.
void tst_shared_widgets::spinBoxFocusOut()
{
    guardedSpinBox box;
    box.setRange(1, 100);
    box.setValue(5);
    QSignalSpy spy(&box, &guardedSpinBox::valueAccepted);

    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &out);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5);

    box.setKeyboardTracking(false);
    box.findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("42"));
    QCOMPARE(box.value(), 5);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 5);
    QCOMPARE(box.value(), 42);

    QApplication::sendEvent(&box, &out);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).toInt(), 42);
}

// The constructor returns only once the box has closed. A watchdog closes a box that
// does not close itself, so a fault fails the test instead of hanging it.
void tst_shared_widgets::messageClosesItself()
{
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Ok);
    });
    watchdog.start(5000);

    selfDestructiveMessage box(QMessageBox::Information, application_identity::name(),
                               QStringLiteral("Done."), nullptr, 50);

    QVERIFY(!watchdogFired);
    QCOMPARE(box.result(), 0);
    QVERIFY(box.isHidden());
    QCOMPARE(box.windowTitle(), application_identity::name());
    QCOMPARE(box.text(), QStringLiteral("Done."));
    QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box.windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
}

void tst_shared_widgets::messageClosedByOk()
{
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
            clicked = true;
        }
    });

    selfDestructiveMessage box(QMessageBox::Warning, application_identity::name(),
                               QStringLiteral("Soon gone."), nullptr, 20000);

    QVERIFY(clicked);
    QCOMPARE(box.result(), int(QMessageBox::Ok));
}

void tst_shared_widgets::wrappedLabelFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("shrinks");
    QTest::addColumn<bool>("fits");
    QTest::newRow("fits as it is") << "Active states" << QSize(120, 60) << false << true;
    QTest::newRow("a word wider than a line") << "Aktive Verzögerungen" << QSize(70, 60) << true << true;
    QTest::newRow("two lines below the label") << "Active programs" << QSize(71, 35) << true << true;
    QTest::newRow("too narrow even in the smallest font") << "Verzögerungen" << QSize(30, 60) << true << false;
}

// A word-wrapping label's font shrinks until the label, as Qt measures it, holds its widest
// word across and its lines down; a text that fits keeps the font, one that cannot fit stops
// at the smallest font.
void tst_shared_widgets::wrappedLabelFit()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(bool, shrinks);
    QFETCH(bool, fits);
    QLabel label;
    label.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignCenter);
    label.setMargin(3);
    label.setText(text);
    label.resize(size);
    fitWrappedLabelFont(&label, size);
    QCOMPARE(label.font().pointSizeF() < 10, shrinks);
    QVERIFY(label.font().pointSizeF() >= 6);
    // Qt's own measure of the label: its widest word across, its lines down.
    QCOMPARE(label.minimumSizeHint().width() <= size.width() && label.heightForWidth(size.width()) <= size.height(),
             fits);
}

QTEST_MAIN(tst_shared_widgets)
#include "tst_shared_widgets.moc"
