#include "link/kd620_controller_class.h"
#include "model/description_bound.h"
#include "settings/asettings_descs_widget.h"
#include "settings/showDesc_class.h"
#include "settings/showDesc_delegate.h"
#include "tests/support/page_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

// The description a row edits, found in a controller.
using target = std::function<QString &(kd620_controller_class &)>;
Q_DECLARE_METATYPE(target)

// The Descriptions page: the thirteen categories with their rows, the item name of each row
// and the description it edits, and editing a description in place.
class tst_asettings_descs_widget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<page_fixture>();
        page = new asettings_descs_widget(f->tabPage.get());
    }
    void cleanup()
    {
        page = nullptr;
        const QStringList problems = page_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void firstDisplayShowsTheStates();
    void categories();
    void rowsNameAndEditTheirDescription_data();
    void rowsNameAndEditTheirDescription();
    void editingInPlace_data();
    void editingInPlace();
    void longestDescriptionSavedAndOpenedWhole();
    void itemNamesOpenNoEditor();
    void choosingACategoryStartsAtItsFirstDescription();
    void refreshShowsDescriptionsChangedElsewhere();

private:
    std::unique_ptr<page_fixture> f;
    asettings_descs_widget *page = nullptr;

    showDesc_class *table() const { return page->descTable; }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    void choose(int category) { page->categoryCombo->setCurrentIndex(category); }
    // Opens the editor on a cell as a double click does; null when there is none.
    QWidget *startEditing(int row, int column)
    {
        f->tabPage->show();
        const QModelIndex index = table()->model()->index(row, column);
        table()->scrollTo(index);
        table()->setCurrentIndex(index);
        table()->edit(index);
        return table()->indexWidget(index);
    }
};

void tst_asettings_descs_widget::firstDisplayShowsTheStates()
{
    QCOMPARE(page->categoryCombo->currentText(), QStringLiteral("States"));
    QCOMPARE(page->categoryLabel->text(), QStringLiteral("Choose description category: "));
    QVERIFY(page->categoryLabel->alignment() & Qt::AlignRight);
    QCOMPARE(table()->rowCount(), 68);
    QCOMPARE(table()->columnCount(), 2);
    QCOMPARE(table()->horizontalHeaderItem(0)->text(), QStringLiteral("Item"));
    QCOMPARE(table()->horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
    QCOMPARE(table()->columnWidth(0), 110);
    QVERIFY(table()->columnWidth(1) >= 600);
    QCOMPARE(table()->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table()->currentRow(), 0);
    QCOMPARE(table()->currentColumn(), 1);
    QCOMPARE(table()->category, 0);
    QStringList names;
    for (int row = 0; row < 68; ++row)
        names << cell(row, 0);
    QStringList expected = {"State A1", "State A2", "State A3", "State A4"};
    for (char letter = 'B'; letter <= 'I'; ++letter)
        for (int digit = 1; digit <= 8; ++digit)
            expected << QStringLiteral("State %1%2").arg(QChar(letter)).arg(digit);
    QCOMPARE(names, expected);
    QCOMPARE(cell(0, 1), QString());
    QCOMPARE(page->nameFormats.size(), 13);
    QCOMPARE(page->descArrays.size(), 13);
}

void tst_asettings_descs_widget::categories()
{
    QStringList texts;
    for (int i = 0; i < page->categoryCombo->count(); ++i)
        texts << page->categoryCombo->itemText(i);
    QCOMPARE(texts, QStringList({"States", "Inputs", "RCU inputs", "Scenes", "Masks", "Programs", "Timers",
                                 "Delays ( Events: delay end )", "Sequences ( Events: sequence start )",
                                 "Events: DMX output", "Events: internal", "Events: input state changed",
                                 "Events: RCU keys events"}));
    const QList<int> rows = {68, 24, 64, 3072, 256, 512, 1024, 512, 128, 1024, 1024, 48, 192};
    for (int category = 0; category < rows.size(); ++category) {
        choose(category);
        QCOMPARE(table()->rowCount(), rows[category]);
        QCOMPARE(asettings_descs_widget::rowCount(category), rows[category]);
    }
}

void tst_asettings_descs_widget::rowsNameAndEditTheirDescription_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<target>("edits");
    using c = kd620_controller_class;
    auto event = [](int code) { return target([code](c &k) -> QString & { return k.eventDescs[size_t(code)]; }); };
    QTest::newRow("A1") << 0 << 0 << "State A1" << target([](c &k) -> QString & { return k.stateDescs[0]; });
    QTest::newRow("A4") << 0 << 3 << "State A4" << target([](c &k) -> QString & { return k.stateDescs[3]; });
    QTest::newRow("B1") << 0 << 4 << "State B1" << target([](c &k) -> QString & { return k.stateDescs[4]; });
    QTest::newRow("B8") << 0 << 11 << "State B8" << target([](c &k) -> QString & { return k.stateDescs[11]; });
    QTest::newRow("C1") << 0 << 12 << "State C1" << target([](c &k) -> QString & { return k.stateDescs[12]; });
    QTest::newRow("I8") << 0 << 67 << "State I8" << target([](c &k) -> QString & { return k.stateDescs[67]; });
    QTest::newRow("input 24") << 1 << 23 << "Input 24" << target([](c &k) -> QString & { return k.inputDescs[23]; });
    QTest::newRow("button 64") << 2 << 63 << "Button 64"
                               << target([](c &k) -> QString & { return k.rcuKeyDescs[63]; });
    QTest::newRow("scene 3072") << 3 << 3071 << "Scene 3072"
                                << target([](c &k) -> QString & { return k.sceneDescs[3071]; });
    QTest::newRow("mask 256") << 4 << 255 << "Mask 256" << target([](c &k) -> QString & { return k.maskDescs[255]; });
    QTest::newRow("program 512") << 5 << 511 << "Program 512"
                                 << target([](c &k) -> QString & { return k.programDescs[511]; });
    QTest::newRow("sunrise") << 6 << 0 << "Timer 1" << event(0x800);
    QTest::newRow("sunset") << 6 << 1 << "Timer 2" << event(0x801);
    QTest::newRow("timer 1024") << 6 << 1023 << "Timer 1024" << event(0xBFF);
    QTest::newRow("delay 512") << 7 << 511 << "Delay 512" << event(0x11FF);
    QTest::newRow("sequence 1") << 8 << 0 << "Sequence 1" << event(0x1200);
    QTest::newRow("sequence 128") << 8 << 127 << "Sequence 128" << event(0x127F);
    QTest::newRow("channel 1 on") << 9 << 0 << "Channel 1: on" << event(0xC00);
    QTest::newRow("channel 1 off") << 9 << 1 << "Channel 1: off" << event(0xC01);
    QTest::newRow("channel 512 off") << 9 << 1023 << "Channel 512: off" << event(0xFFF);
    QTest::newRow("internal 1") << 10 << 0 << "Internal event 1" << event(0x400);
    QTest::newRow("internal 1024") << 10 << 1023 << "Internal event 1024" << event(0x7FF);
    QTest::newRow("input 1 on") << 11 << 0 << "Input 1: on" << event(0x1340);
    QTest::newRow("input 24 off") << 11 << 47 << "Input 24: off" << event(0x136F);
    QTest::newRow("btn 1 pressed") << 12 << 0 << "Btn 1: pressed" << event(0x1280);
    QTest::newRow("btn 1 repeated") << 12 << 1 << "Btn 1: repeated" << event(0x1281);
    QTest::newRow("btn 1 released") << 12 << 2 << "Btn 1: released" << event(0x1282);
    QTest::newRow("btn 64 released") << 12 << 191 << "Btn 64: released" << event(0x133F);
}

void tst_asettings_descs_widget::rowsNameAndEditTheirDescription()
{
    QFETCH(int, category);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(target, edits);
    QString &description = edits(*f->controller);
    description = QStringLiteral("stored");
    choose(category);
    page->refresh();
    QCOMPARE(cell(row, 0), name);
    QCOMPARE(page->itemName(category, row), name);
    QCOMPARE(cell(row, 1), QStringLiteral("stored"));
    QCOMPARE(&table()->descriptionOf(row), &description);
}

void tst_asettings_descs_widget::editingInPlace_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("blanks kept") << QStringLiteral("  word  ");
    QTest::newRow("150 characters") << QString(150, QLatin1Char('x'));
    QTest::newRow("emptied") << QString();
}

void tst_asettings_descs_widget::editingInPlace()
{
    QFETCH(QString, typed);
    f->controller->eventDescs[0xC05] = QStringLiteral("ch 3 off");
    choose(asettings_descs_widget::DmxOutEventsCategory);
    auto *line = qobject_cast<QLineEdit *>(startEditing(5, showDesc_class::DescriptionColumn));
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("ch 3 off"));
    line->setText(typed);
    QTest::keyClick(line, Qt::Key_Return);
    // The delegate commits once the editor has handled the key.
    QTRY_VERIFY(!table()->indexWidget(table()->model()->index(5, 1)));
    QCOMPARE(f->controller->eventDescs[0xC05], typed);
    QCOMPARE(cell(5, 1), typed);
    QCOMPARE(f->controller->eventDescs[0xC04], QString());
}

// The longest description the editor takes, of the character a file writes longest, is
// saved and opened whole, and so are the others.
void tst_asettings_descs_widget::longestDescriptionSavedAndOpenedWhole()
{
    const qsizetype longest = description_bound::MaxLength;
    choose(asettings_descs_widget::ScenesCategory);
    const auto type = [this](int row, const QString &text) {
        auto *line = qobject_cast<QLineEdit *>(startEditing(row, showDesc_class::DescriptionColumn));
        QVERIFY(line);
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!table()->indexWidget(table()->model()->index(row, 1)));
    };
    type(1, QStringLiteral("second scene"));
    type(0, QString(longest + 1, QLatin1Char('<')));
    QCOMPARE(f->controller->sceneDescs[0], QString(longest, QLatin1Char('<')));

    QTemporaryDir dir;
    const auto back = qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
    QVERIFY(QDir::setCurrent(dir.path()));  // where a report of the read would go
    const QString file = dir.filePath(QStringLiteral("show.cfg625"));
    f->controller->write_confDataToFile(file, false);
    kd620_controller_class opened;
    QCOMPARE(opened.read_confDataFromFile(file), 0);
    QCOMPARE(f->ui.messageTexts(), QStringList({QStringLiteral("Data write to file %1\nsuccessful!").arg(file),
                                                QStringLiteral("Data read from file\n    successful!")}));
    QCOMPARE(opened.sceneDescs[0].size(), longest);
    QVERIFY(opened.sceneDescs[0] == f->controller->sceneDescs[0]);
    QCOMPARE(opened.sceneDescs[1], QStringLiteral("second scene"));
}

void tst_asettings_descs_widget::itemNamesOpenNoEditor()
{
    QVERIFY(!startEditing(3, showDesc_class::ItemColumn));
    QVERIFY(table()->viewport()->findChildren<QLineEdit *>().isEmpty());
    QCOMPARE(cell(3, 0), QStringLiteral("State A4"));
}

void tst_asettings_descs_widget::choosingACategoryStartsAtItsFirstDescription()
{
    f->controller->sceneDescs[0] = QStringLiteral("opening");
    f->controller->sceneDescs[3071] = QStringLiteral("last");
    table()->setCurrentCell(40, 0);
    choose(asettings_descs_widget::ScenesCategory);
    QCOMPARE(table()->rowCount(), 3072);
    QCOMPARE(table()->currentRow(), 0);
    QCOMPARE(table()->currentColumn(), 1);
    QCOMPARE(cell(0, 1), QStringLiteral("opening"));
    QCOMPARE(cell(3071, 1), QStringLiteral("last"));
    QCOMPARE(cell(3071, 0), QStringLiteral("Scene 3072"));
    QCOMPARE(table()->category, int(asettings_descs_widget::ScenesCategory));
    // Back to fewer rows: none left over.
    choose(asettings_descs_widget::InputsCategory);
    QCOMPARE(table()->rowCount(), 24);
    QCOMPARE(cell(23, 0), QStringLiteral("Input 24"));
}

void tst_asettings_descs_widget::refreshShowsDescriptionsChangedElsewhere()
{
    choose(asettings_descs_widget::ProgramsCategory);
    f->controller->programDescs[2] = QStringLiteral("finale");
    QCOMPARE(cell(2, 1), QString());
    page->refresh();
    QCOMPARE(cell(2, 1), QStringLiteral("finale"));
    f->controller->ClearConfig(kd620_controller_class::ClearProgramDescs);
    page->refresh();
    QCOMPARE(cell(2, 1), QString());
}

QTEST_MAIN(tst_asettings_descs_widget)
#include "tst_asettings_descs_widget.moc"
