// The program page's "Test entries" tab: adding, removing and editing extra entries, what
// their rows show, and that the program store writes what the rows promise.

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aprogram_entry_delegate.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/support/built_translation.h"
#include "tests/support/page_fixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

using row_texts = QStringList;

} // namespace

class tst_program_entries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addWithoutQuestion_data();
    void addWithoutQuestion();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void holeCycle();
    void removingTheLastEntry();
    void removeWithoutRowAndRemoveAll();
    void addRefusedWhenEveryProgramIsTaken();
    void rowsAndWhatTheStoreWrites_data();
    void rowsAndWhatTheStoreWrites();
    void editingAnEntry();
    void oneFormPerColumnTranslated_data();
    void oneFormPerColumnTranslated();
    void descriptions();

private:
    void makePage(bool entriesTabShown = true);
    kd620_controller_class &c() { return *f->controller; }
    QList<extra_entry_class *> &entries() { return c().extraEntries; }
    row_texts row(int r) const
    {
        row_texts texts;
        for (int col = 0; col < aprogram_settings_widget::EntryColumnCount; ++col)
            texts << page->entriesModel->index(r, col).data().toString();
        return texts;
    }
    void add() { page->addEntryButton->click(); }
    void selectEntry(int r) { page->entriesView->setCurrentIndex(page->entriesModel->index(r, 0)); }
    // Packs the store into the image and rebuilds it, as a save and a reopen do.
    void commitAndRebuild()
    {
        QCOMPARE(c().programList.commitToImage(c().confData, entries()), 0);
        QCOMPARE(c().programList.rebuildFromImage(c().confData, entries()), 0);
    }
    u16 slotStepCount(int program) const
    {
        return readU16(f->image(), image_layout::programStepCount(u32(program)));
    }

    std::unique_ptr<page_fixture> f;
    aprogram_settings_widget *page = nullptr;
};

void tst_program_entries::init()
{
    f = std::make_unique<page_fixture>();
    // Extra entries on, as the main window's box does.
    writeU16(f->image(), image_layout::OrdinaryProgramCount, 512);
    page = nullptr;
}

void tst_program_entries::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_program_entries::makePage(bool entriesTabShown)
{
    page = new aprogram_settings_widget(f->controller.get(), f->tabPage.get());
    if (entriesTabShown) {
        page->showEntriesTab(true);
        page->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    }
}

void tst_program_entries::addWithoutQuestion_data()
{
    QTest::addColumn<int>("firstProgramSteps");
    QTest::addColumn<row_texts>("texts");
    QTest::newRow("program 1 long enough") << 3 << row_texts{"Program 1", "Step 2", "512"};
    QTest::newRow("program 1 of one step") << 1 << row_texts{"Program 1", "Program too short", "---"};
    QTest::newRow("program 1 empty") << 0 << row_texts{"Program 1", "Program too short", "---"};
}

void tst_program_entries::addWithoutQuestion()
{
    QFETCH(int, firstProgramSteps);
    QFETCH(row_texts, texts);
    c().programList.setStepCount(0u, firstProgramSteps);
    makePage();
    QCOMPARE(page->entriesView->horizontalHeader()->count(), 3);
    QCOMPARE(page->entriesModel->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Start Program"));
    QCOMPARE(page->entriesModel->headerData(1, Qt::Horizontal).toString(), QStringLiteral("From step"));
    QCOMPARE(page->entriesModel->headerData(2, Qt::Horizontal).toString(), QStringLiteral("As program"));

    add();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(entries().size(), 1);
    QCOMPARE(entries()[0]->source, u16(0));
    QCOMPARE(entries()[0]->start, u16(1));
    QCOMPARE(entries()[0]->asProgram, u16(511));
    QCOMPARE(page->entriesModel->rowCount(), 1);
    QCOMPARE(row(0), texts);
    QCOMPARE(page->ordinaryPrograms, 511);
    QCOMPARE(page->programTable->rowCount(), 511);
}

void tst_program_entries::overwriteQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("added");
    QTest::newRow("no") << 0 << false;
    QTest::newRow("yes, I do") << 1 << true;
}

void tst_program_entries::overwriteQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, added);
    c().programList.setStepCount(0u, 4);
    c().programList.setStepCount(510u, 2);  // program 511
    makePage();
    add();
    // Program 511 is the last ordinary one, and it is the one shown.
    page->programTable->setCurrentCell(510, 0);
    QCOMPARE(page->currentProgram, 510);

    f->ui.answers << answer;
    add();
    QCOMPARE(f->ui.messages.size(), 1);
    const message_request &question = f->ui.messages[0];
    QCOMPARE(question.title, QStringLiteral("Program exists!"));
    QCOMPARE(question.text, QStringLiteral("Do you want to overwrite program No. 511?"));
    QCOMPARE(question.icon, message_icon::Question);
    QCOMPARE(question.customButtons.size(), 2);
    QCOMPARE(question.customButtons[0].text, QStringLiteral("No"));
    QCOMPARE(question.customButtons[1].text, QStringLiteral("Yes, I do!"));
    QCOMPARE(question.defaultCustomButton, 0);
    QVERIFY(question.noEscapeButton);
    QCOMPARE(question.parentWidget.data(), static_cast<QObject *>(page));

    QCOMPARE(entries().size(), added ? 2 : 1);
    QCOMPARE(page->entriesModel->rowCount(), added ? 2 : 1);
    QCOMPARE(page->programTable->rowCount(), added ? 510 : 511);
    QCOMPARE(page->currentProgram, added ? 509 : 510);
    QCOMPARE(page->programTable->currentRow(), added ? 509 : 510);
    if (added)
        QCOMPARE(row(1), (row_texts{"Program 1", "Step 2", "511"}));
    // The program's steps stay in the store, hidden while the entry holds its slot.
    QCOMPARE(c().programList.stepCount(510), 2);
}

void tst_program_entries::holeCycle()
{
    c().programList.setStepCount(0u, 3);
    makePage();
    add();
    add();
    add();
    QCOMPARE(page->programTable->rowCount(), 509);

    selectEntry(1);
    page->removeEntryButton->click();
    QCOMPARE(entries().size(), 3);
    QVERIFY(entries()[1]->isHole());
    QCOMPARE(row(0), (row_texts{"Program 1", "Step 2", "512"}));
    QCOMPARE(row(1), (row_texts{"Not defined", "---", "---"}));
    QCOMPARE(row(2), (row_texts{"Program 1", "Step 2", "510"}));
    QCOMPARE(page->programTable->rowCount(), 509);

    // Saved and opened again right away: the middle hole stays a hole.
    commitAndRebuild();
    QCOMPARE(slotStepCount(510), u16(0));
    page->refresh();
    QCOMPARE(entries().size(), 3);
    QVERIFY(entries()[1]->isHole());
    QCOMPARE(row(1), (row_texts{"Not defined", "---", "---"}));
    QCOMPARE(page->programTable->rowCount(), 509);

    // "Add" fills it again, without a question even though program 511 has steps.
    c().programList.setStepCount(510u, 5);
    add();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(entries().size(), 3);
    QCOMPARE(entries()[1]->source, u16(0));
    QCOMPARE(entries()[1]->start, u16(1));
    QCOMPARE(entries()[1]->asProgram, u16(510));
    QCOMPARE(row(1), (row_texts{"Program 1", "Step 2", "511"}));
    QCOMPARE(page->programTable->rowCount(), 509);
}

void tst_program_entries::removingTheLastEntry()
{
    c().programList.setStepCount(0u, 3);
    makePage();
    add();
    add();
    add();
    selectEntry(2);
    page->removeEntryButton->click();
    QCOMPARE(entries().size(), 2);
    QCOMPARE(page->entriesModel->rowCount(), 2);
    QCOMPARE(page->programTable->rowCount(), 510);

    // A hole that becomes the last entry stays until it is removed itself; a save and
    // reopen drops it.
    selectEntry(0);
    page->removeEntryButton->click();
    selectEntry(1);
    page->removeEntryButton->click();
    QCOMPARE(entries().size(), 1);
    QVERIFY(entries()[0]->isHole());
    commitAndRebuild();
    QCOMPARE(entries().size(), 0);
    page->refresh();
    QCOMPARE(page->entriesModel->rowCount(), 0);
    QCOMPARE(page->programTable->rowCount(), 512);
}

void tst_program_entries::removeWithoutRowAndRemoveAll()
{
    makePage();
    add();
    add();
    page->entriesView->setCurrentIndex(QModelIndex());
    page->removeEntryButton->click();
    QCOMPARE(entries().size(), 2);

    page->removeAllButton->click();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(entries().size(), 0);
    QCOMPARE(page->entriesModel->rowCount(), 0);
    QCOMPARE(page->programTable->rowCount(), 512);
}

void tst_program_entries::addRefusedWhenEveryProgramIsTaken()
{
    for (int k = 0; k < 511; ++k)
        entries() << new extra_entry_class{0, 1, u16(511 - k)};
    makePage();
    QCOMPARE(page->programTable->rowCount(), 1);

    add();
    QCOMPARE(f->ui.messageTitles(), QStringList({"Unrealisable action!"}));
    QCOMPARE(f->ui.messages[0].text, QStringLiteral("Program number limit exceeded!"));
    QCOMPARE(f->ui.messages[0].icon, message_icon::Information);
    QCOMPARE(f->ui.messages[0].parentWidget.data(), static_cast<QObject *>(page));
    QCOMPARE(entries().size(), 511);
    QCOMPARE(page->ordinaryPrograms, 1);
    QCOMPARE(page->programTable->rowCount(), 1);
    QCOMPARE(page->currentProgram, 0);
    // The store still fits them all in the image.
    QCOMPARE(c().programList.commitToImage(c().confData, entries()), 0);
    QCOMPARE(readU16(f->image(), image_layout::OrdinaryProgramCount), u16(1));

    // A hole among them is filled as usual.
    f->ui.clear();
    entries()[300]->source = extra_entry_class::Hole;
    add();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(entries()[300]->source, u16(0));
    QCOMPARE(entries().size(), 511);
}

void tst_program_entries::rowsAndWhatTheStoreWrites_data()
{
    QTest::addColumn<int>("sourceSteps");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("start");
    QTest::addColumn<row_texts>("texts");
    QTest::addColumn<int>("slotSteps");  // of program 511, written by the store

    QTest::newRow("second step") << 5 << 2 << 1 << row_texts{"Program 3", "Step 2", "511"} << 4;
    QTest::newRow("last step") << 5 << 2 << 4 << row_texts{"Program 3", "Step 5", "511"} << 1;
    QTest::newRow("past the end") << 5 << 2 << 5 << row_texts{"Program 3", "Invalid step", "---"} << 0;
    QTest::newRow("first step") << 5 << 2 << 0 << row_texts{"Program 3", "Invalid step", "---"} << 0;
    QTest::newRow("far past the end") << 5 << 2 << 0xFFFE << row_texts{"Program 3", "Invalid step", "---"} << 0;
    QTest::newRow("one step") << 1 << 2 << 1 << row_texts{"Program 3", "Program too short", "---"} << 0;
    QTest::newRow("no steps") << 0 << 2 << 1 << row_texts{"Program 3", "Program too short", "---"} << 0;
    QTest::newRow("hole") << 5 << 0xFFFF << 1 << row_texts{"Not defined", "---", "---"} << 0;
    // Program 512 is the first entry's slot: no ordinary program, whatever the store holds.
    QTest::newRow("source is an entry") << 5 << 511 << 1 << row_texts{"Program 512", "Program too short", "---"} << 0;
}

void tst_program_entries::rowsAndWhatTheStoreWrites()
{
    QFETCH(int, sourceSteps);
    QFETCH(int, source);
    QFETCH(int, start);
    QFETCH(row_texts, texts);
    QFETCH(int, slotSteps);
    c().programList.setStepCount(2u, 5);
    c().programList.setStepCount(0u, 3);
    entries() << new extra_entry_class{0, 1, 511} << new extra_entry_class{u16(source), u16(start), 510};
    c().programList.setStepCount(u32(source < 512 ? source : 2), sourceSteps);
    makePage();
    QCOMPARE(row(0), (row_texts{"Program 1", "Step 2", "512"}));
    QCOMPARE(row(1), texts);

    QCOMPARE(c().programList.commitToImage(c().confData, entries()), 0);
    QCOMPARE(slotStepCount(510), u16(slotSteps));
    QCOMPARE(slotStepCount(511), u16(2));
    const u32 firstStep = readU32(f->image(), image_layout::programFirstStep(510));
    if (slotSteps)
        QCOMPARE(firstStep, readU32(f->image(), image_layout::programFirstStep(2)) + 8 * u32(start));
    else
        QCOMPARE(firstStep, 0xFFFFFFFFu);
}

void tst_program_entries::editingAnEntry()
{
    c().programList.setStepCount(0u, 3);
    c().programList.setStepCount(6u, 9);
    c().programDescs[6] = QStringLiteral("finale");
    makePage();
    add();
    add();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));

    // Closed editors are deleted later: gone before the next is looked for.
    auto flush = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    // The view commits an edit ended with Return once the editor has seen the key.
    auto commit = [flush](QSpinBox *spin) {
        QTest::keyClick(spin, Qt::Key_Return);
        QCoreApplication::processEvents();
        flush();
    };
    auto editCell = [this, flush](int r, int column) -> QSpinBox * {
        flush();
        const QModelIndex index = page->entriesModel->index(r, column);
        page->entriesView->setCurrentIndex(index);
        page->entriesView->edit(index);
        return page->entriesView->viewport()->findChild<QSpinBox *>();
    };

    // The source: any ordinary program, and the description line follows the choice.
    QSpinBox *spin = editCell(1, aprogram_settings_widget::EntrySourceColumn);
    QVERIFY(spin);
    QCOMPARE(spin->prefix(), QStringLiteral("Program "));
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 510);
    QCOMPARE(spin->value(), 1);
    spin->setValue(7);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("finale"));
    QVERIFY(page->programDescEdit->isReadOnly());
    commit(spin);
    QCOMPARE(entries()[1]->source, u16(6));
    QCOMPARE(row(1), (row_texts{"Program 7", "Step 2", "511"}));

    // The start: any step of the source but the first.
    spin = editCell(1, aprogram_settings_widget::EntryStepColumn);
    QVERIFY(spin);
    QCOMPARE(spin->prefix(), QStringLiteral("Step "));
    QCOMPARE(spin->minimum(), 2);
    QCOMPARE(spin->maximum(), 9);
    QCOMPARE(spin->value(), 2);
    spin->setValue(9);
    commit(spin);
    QCOMPARE(entries()[1]->start, u16(8));
    QCOMPARE(row(1), (row_texts{"Program 7", "Step 9", "511"}));

    // The source loses steps: the start is no longer one of them.
    c().programList.setStepCount(6u, 8);
    page->refresh();
    QCOMPARE(row(1), (row_texts{"Program 7", "Invalid step", "---"}));

    // A source too short offers only step 2; the program column has no editor.
    spin = editCell(0, aprogram_settings_widget::EntryStepColumn);
    QVERIFY(spin);
    QCOMPARE(spin->minimum(), 2);
    QCOMPARE(spin->maximum(), 3);
    QTest::keyClick(spin, Qt::Key_Escape);
    c().programList.setStepCount(0u, 1);
    spin = editCell(0, aprogram_settings_widget::EntryStepColumn);
    QVERIFY(spin);
    QCOMPARE(spin->maximum(), 2);
    QTest::keyClick(spin, Qt::Key_Escape);
    flush();
    page->entriesView->edit(page->entriesModel->index(0, aprogram_settings_widget::EntryProgramColumn));
    QVERIFY(!page->entriesView->viewport()->findChild<QSpinBox *>());
}

void tst_program_entries::oneFormPerColumnTranslated_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sourceHeader");
    QTest::addColumn<QString>("program");  // the word before a program's number
    QTest::addColumn<QString>("stepHeader");
    QTest::addColumn<QString>("step");
    QTest::newRow("en") << "en" << "Start Program" << "Program" << "From step" << "Step";
    QTest::newRow("pl") << "pl" << "Program" << "Program" << "Od kroku" << "Krok";
    QTest::newRow("de") << "de" << "Programm" << "Programm" << "Ab Schritt" << "Schritt";
}

// In the user's language a column names a program or a step one way: in its title, in the
// rows the page writes, in the editor and in the cell the editor leaves.
void tst_program_entries::oneFormPerColumnTranslated()
{
    QFETCH(QString, code);
    QFETCH(QString, sourceHeader);
    QFETCH(QString, program);
    QFETCH(QString, stepHeader);
    QFETCH(QString, step);
    const built_translation language(code);
    QVERIFY(language.loaded());
    c().programList.setStepCount(0u, 3);
    c().programList.setStepCount(3u, 5);
    makePage();
    add();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    QCOMPARE(page->entriesModel->headerData(0, Qt::Horizontal).toString(), sourceHeader);
    QCOMPARE(page->entriesModel->headerData(1, Qt::Horizontal).toString(), stepHeader);
    QCOMPARE(row(0).mid(0, 2), (row_texts{program + " 1", step + " 2"}));

    // Each editor reads as its cell, before and after the value is stored.
    auto edit = [this](int column, int value) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QModelIndex index = page->entriesModel->index(0, column);
        page->entriesView->setCurrentIndex(index);
        page->entriesView->edit(index);
        auto *spin = page->entriesView->viewport()->findChild<QSpinBox *>();
        if (!spin)
            return QStringList();
        const QString before = spin->text();
        spin->setValue(value);
        const QString chosen = spin->text();
        QTest::keyClick(spin, Qt::Key_Return);
        QCoreApplication::processEvents();
        return QStringList{before, chosen};
    };
    QCOMPARE(edit(aprogram_settings_widget::EntrySourceColumn, 4), QStringList({program + " 1", program + " 4"}));
    QCOMPARE(row(0).mid(0, 2), (row_texts{program + " 4", step + " 2"}));
    QCOMPARE(edit(aprogram_settings_widget::EntryStepColumn, 3), QStringList({step + " 2", step + " 3"}));
    QCOMPARE(row(0).mid(0, 2), (row_texts{program + " 4", step + " 3"}));
}

void tst_program_entries::descriptions()
{
    c().programList.setStepCount(0u, 3);
    c().programList.setStepCount(2u, 3);
    c().programDescs[0] = QStringLiteral("opening");
    c().programDescs[2] = QStringLiteral("interval");
    makePage();
    add();
    add();
    add();
    entries()[2]->source = 2;
    page->refresh();
    QCOMPARE(page->programDescEdit->text(), QString());
    selectEntry(2);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("interval"));
    QVERIFY(page->programDescEdit->isReadOnly());
    selectEntry(0);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("opening"));
    page->removeEntryButton->click();  // a hole
    QCOMPARE(page->programDescEdit->text(), QString());
    page->showEntryDesc(3);
    QCOMPARE(page->programDescEdit->text(), QStringLiteral("interval"));
    page->showEntryDesc(513);
    QCOMPARE(page->programDescEdit->text(), QString());
    // Leaving the line writes no description into any program.
    emit page->programDescEdit->editingFinished();
    QCOMPARE(c().programDescs[0], QStringLiteral("opening"));
    QCOMPARE(c().programDescs[2], QStringLiteral("interval"));
}

QTEST_MAIN(tst_program_entries)
#include "tst_program_entries.moc"
