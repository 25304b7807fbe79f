#include "events/DTL_Box.h"
#include "events/DTL_widget.h"
#include "widgets/font_fitting.h"
#include "widgets/font_substitutes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// The daytime-limit editor: its time boxes in units of 10 minutes, typed and stepped, its
// modes and the text it gives the cell, and the mouse leaving it.
class tst_DTL_widget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typedTimes_data();
    void typedTimes();
    void steppedTimes_data();
    void steppedTimes();
    void setValueShowsUnits_data();
    void setValueShowsUnits();
    void newEditorAndModes();
    void text_data();
    void text();
    void leavingCommitsInManualModeOnly();
    void modeListCoversTheEditor();
};

void tst_DTL_widget::initTestCase()
{
    substituteWindowsFonts();  // the editor measured in the faces the program shows
}

void tst_DTL_widget::typedTimes_data()
{
    QTest::addColumn<int>("before");  // value in units
    QTest::addColumn<QTime>("typed");
    QTest::addColumn<int>("after");
    QTest::addColumn<QTime>("shown");

    QTest::newRow("23:57 after 23:50 is the end of the day") << 143 << QTime(23, 57) << 144 << QTime(23, 59);
    QTest::newRow("2:03 after 2:00") << 12 << QTime(2, 3) << 12 << QTime(2, 0);
    QTest::newRow("2:07 after 2:00") << 12 << QTime(2, 7) << 13 << QTime(2, 10);
    QTest::newRow("2:03 after 2:10") << 13 << QTime(2, 3) << 11 << QTime(1, 50);
    QTest::newRow("2:05 after 2:10") << 13 << QTime(2, 5) << 12 << QTime(2, 0);
    QTest::newRow("a whole unit is taken as it is") << 12 << QTime(17, 30) << 105 << QTime(17, 30);
    QTest::newRow("one minute more is one unit more") << 12 << QTime(2, 1) << 13 << QTime(2, 10);
    QTest::newRow("one minute less is one unit less") << 12 << QTime(1, 59) << 11 << QTime(1, 50);
    QTest::newRow("23:59 at the end of the day stays") << 144 << QTime(23, 59) << 144 << QTime(23, 59);
    QTest::newRow("23:58 from the end of the day") << 144 << QTime(23, 58) << 143 << QTime(23, 50);
    QTest::newRow("0:04 after 0:00") << 0 << QTime(0, 4) << 0 << QTime(0, 0);
}

void tst_DTL_widget::typedTimes()
{
    QFETCH(int, before);
    QFETCH(QTime, typed);
    DTL_Box box(nullptr);
    box.setDisplayFormat(QStringLiteral("h:mm"));
    box.setValue(before);
    // A typed time arrives as the box's new time once editing ends.
    box.setTime(typed);
    QTEST(int(box.value), "after");
    QTEST(box.time(), "shown");
}

void tst_DTL_widget::steppedTimes_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("shown");

    const int minutes = QDateTimeEdit::MinuteSection;
    const int hours = QDateTimeEdit::HourSection;
    QTest::newRow("minute up from 23:50") << 143 << minutes << int(Qt::Key_Up) << 144 << "23:59";
    QTest::newRow("minute up at 23:59 stays") << 144 << minutes << int(Qt::Key_Up) << 144 << "23:59";
    QTest::newRow("minute down from 23:59") << 144 << minutes << int(Qt::Key_Down) << 143 << "23:50";
    QTest::newRow("minute down at 0:00 stays") << 0 << minutes << int(Qt::Key_Down) << 0 << "0:00";
    QTest::newRow("minute up from 2:00") << 12 << minutes << int(Qt::Key_Up) << 13 << "2:10";
    QTest::newRow("hour up from 2:10") << 13 << hours << int(Qt::Key_Up) << 19 << "3:10";
}

void tst_DTL_widget::steppedTimes()
{
    QFETCH(int, before);
    QFETCH(int, section);
    QFETCH(int, key);
    DTL_Box box(nullptr);
    box.setDisplayFormat(QStringLiteral("h:mm"));
    box.setValue(before);
    box.setCurrentSection(QDateTimeEdit::Section(section));
    QTest::keyClick(&box, Qt::Key(key));
    QTEST(int(box.value), "after");
    QTEST(box.text(), "shown");
}

void tst_DTL_widget::setValueShowsUnits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QTime>("shown");
    QTest::newRow("0") << 0 << QTime(0, 0);
    QTest::newRow("16") << 16 << QTime(2, 40);
    QTest::newRow("143") << 143 << QTime(23, 50);
    QTest::newRow("144") << 144 << QTime(23, 59);
}

void tst_DTL_widget::setValueShowsUnits()
{
    QFETCH(int, value);
    DTL_Box box(nullptr);
    box.setValue(value);
    QCOMPARE(int(box.value), value);
    QTEST(box.time(), "shown");
    QCOMPARE(box.keyboardTracking(), false);
}

void tst_DTL_widget::newEditorAndModes()
{
    DTL_widget editor(nullptr);
    editor.resize(130, 22);
    editor.show();
    QCOMPARE(editor.modeBox->currentIndex(), int(DTL_widget::NotSet));
    QCOMPARE(editor.text(), QStringLiteral("Not set"));
    QVERIFY(!editor.manualBox->isChecked());
    QCOMPARE(editor.fromValue(), u8(0xFF));

    // "Set manually" shows the whole day with the check box checked.
    editor.modeBox->setCurrentIndex(DTL_widget::SetManually);
    QVERIFY(editor.manualBox->isChecked());
    QVERIFY(editor.manualBox->isVisible() && editor.fromBox->isVisible() && editor.toBox->isVisible());
    QVERIFY(!editor.modeBox->isVisible());
    QCOMPARE(editor.fromValue(), u8(0));
    QCOMPARE(int(editor.toBox->value), 144);
    QCOMPARE(editor.fromBox->text(), QStringLiteral("0:00"));
    QCOMPARE(editor.toBox->text(), QStringLiteral("23:59"));

    // Clearing the check box goes back to "Not set".
    QTest::mouseClick(editor.manualBox, Qt::LeftButton);
    QVERIFY(!editor.manualBox->isChecked());
    QCOMPARE(editor.modeBox->currentIndex(), int(DTL_widget::NotSet));
    QVERIFY(editor.modeBox->isVisible());
    QVERIFY(!editor.fromBox->isVisible() && !editor.toBox->isVisible() && !editor.manualBox->isVisible());
    QCOMPARE(editor.fromValue(), u8(0xFF));

    // The other modes leave the boxes alone.
    editor.modeBox->setCurrentIndex(DTL_widget::NightTimeOnly);
    QVERIFY(editor.modeBox->isVisible());
    QCOMPARE(editor.text(), QStringLiteral("Night-time only"));
    editor.modeBox->setCurrentIndex(DTL_widget::DaytimeOnly);
    QCOMPARE(editor.text(), QStringLiteral("Daytime only"));
}

void tst_DTL_widget::text_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    QTest::newRow("2:40 to the end of the day") << 16 << 144 << "2:40 - 24:00 ";
    QTest::newRow("8:00 to 17:30") << 48 << 105 << "8:00 - 17:30 ";
    QTest::newRow("a whole night") << 132 << 12 << "22:00 - 2:00 ";
}

void tst_DTL_widget::text()
{
    QFETCH(int, from);
    QFETCH(int, to);
    DTL_widget editor(nullptr);
    editor.modeBox->setCurrentIndex(DTL_widget::SetManually);
    editor.fromBox->setValue(from);
    editor.toBox->setValue(to);
    QTEST(editor.text(), "text");
}

void tst_DTL_widget::leavingCommitsInManualModeOnly()
{
    DTL_widget editor(nullptr);
    editor.resize(130, 22);
    editor.show();
    QSignalSpy leaved(&editor, &DTL_widget::leaved);
    QEvent leave(QEvent::Leave);

    QApplication::sendEvent(&editor, &leave);
    QCOMPARE(leaved.count(), 0);  // the view's focus handling ends the other modes

    editor.modeBox->setCurrentIndex(DTL_widget::SetManually);
    // Moving onto a time box leaves the editor's own area but not the editor.
    editor.toBox->setAttribute(Qt::WA_UnderMouse, true);
    QApplication::sendEvent(&editor, &leave);
    QCOMPARE(leaved.count(), 0);
    editor.toBox->setAttribute(Qt::WA_UnderMouse, false);
    QApplication::sendEvent(&editor, &leave);
    QCOMPARE(leaved.count(), 1);
    QCOMPARE(leaved.first().first().value<QWidget *>(), &editor);
}

void tst_DTL_widget::modeListCoversTheEditor()
{
    QWidget view;
    view.resize(400, 100);
    auto *editor = new DTL_widget(&view);
    const QRect cell(30, 22, 130, 22);
    editor->setCellGeometry(cell);
    view.show();
    QVERIFY(editor->autoFillBackground());
    // The list covers the cell, and no further.
    QCOMPARE(editor->geometry(), cell);
    QCOMPARE(editor->modeBox->geometry(), editor->rect());

    // The time boxes stand inside the cell and show their whole time, in a font lowered for
    // it but readable: the editor covers none of the cells beside it.
    editor->modeBox->setCurrentIndex(DTL_widget::SetManually);
    QCOMPARE(editor->geometry(), cell);
    for (DTL_Box *box : {editor->fromBox, editor->toBox})
        QVERIFY(box->font().pointSizeF() >= SmallestFittedPointSize);
    for (DTL_Box *box : {editor->fromBox, editor->toBox}) {
        QVERIFY(editor->rect().contains(box->geometry()));
        // The widest time fits beside the step buttons (the line edit keeps 2 pixels a side).
        auto *line = box->findChild<QLineEdit *>();
        QVERIFY(line);
        QVERIFY2(line->fontMetrics().horizontalAdvance(QStringLiteral("23:59")) <= line->contentsRect().width() - 4,
                 qPrintable(QStringLiteral("line edit %1 px wide").arg(line->width())));
    }
    QVERIFY(editor->fromBox->geometry().right() < editor->toBox->geometry().left());

    // Back to the list: the cell again.
    editor->manualBox->setChecked(false);
    QCOMPARE(editor->geometry(), cell);

    // A cell too narrow for the time even in the smallest readable font: the editor grows to
    // the right for the boxes rather than cut their time.
    const QRect narrow(30, 22, 60, 22);
    editor->setCellGeometry(narrow);
    editor->modeBox->setCurrentIndex(DTL_widget::SetManually);
    QCOMPARE(editor->geometry().topLeft(), narrow.topLeft());
    QVERIFY(editor->width() > narrow.width());
    for (DTL_Box *box : {editor->fromBox, editor->toBox}) {
        QVERIFY(editor->rect().contains(box->geometry()));
        auto *line = box->findChild<QLineEdit *>();
        QVERIFY(line->fontMetrics().horizontalAdvance(QStringLiteral("23:59")) <= line->contentsRect().width() - 4);
    }
}

QTEST_MAIN(tst_DTL_widget)
#include "tst_DTL_widget.moc"
