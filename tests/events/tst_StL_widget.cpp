#include "events/StL_widget.h"
#include "events/setStateClass.h"
#include "tests/support/page_fixture.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

// The state-limit editor: its 68 rows, loading an action's limits into them and packing the
// choices back, "Clear all", and the signals of its buttons.
class tst_StL_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void rows();
    void packing_data();
    void packing();
    void loadingReadsEveryCode();
    void buttons();

private:
    std::unique_ptr<page_fixture> f;
};

typedef QList<uint> word_list;
typedef QMap<int, int> state_codes;  // state index -> code; the others Ignore

void tst_StL_widget::rows()
{
    f->controller->stateDescs[5] = QStringLiteral("Stage lights");
    StL_widget editor(f->tabPage.get());
    QCOMPARE(editor.objectName(), QStringLiteral("StateConds"));
    QCOMPARE(editor.windowTitle(), QStringLiteral("State limits"));
    QCOMPARE(editor.size(), QSize(872, 216));
    QCOMPARE(editor.twStates->rowCount(), 68);
    QCOMPARE(editor.twStates->columnCount(), 3);
    QVERIFY(editor.twStates->horizontalHeader()->isHidden());
    QVERIFY(editor.twStates->verticalHeader()->isHidden());
    QCOMPARE(editor.twStates->columnWidth(1), 312);
    QCOMPARE(editor.twStates->rowHeight(67), 28);
    QCOMPARE(editor.pbSet->text(), QStringLiteral("Set"));
    QCOMPARE(editor.pbCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(editor.pbClear->text(), QStringLiteral("Clear all"));

    const QList<QPair<int, QString>> names = {{0, "State A1"}, {3, "State A4"}, {4, "State B1"},
                                              {19, "State C8"}, {20, "State D1"}, {67, "State I8"}};
    for (const auto &[row, name] : names)
        QCOMPARE(editor.twStates->item(row, 0)->text(), name);
    QCOMPARE(editor.twStates->item(5, 2)->text(), QStringLiteral("Stage lights"));
    QCOMPARE(editor.twStates->item(6, 2)->text(), QStringLiteral("no description..."));
    QCOMPARE(editor.twStates->item(6, 2)->flags(), Qt::ItemIsEnabled);
    QVERIFY(editor.stateRow(0) && editor.stateRow(67));
}

void tst_StL_widget::packing_data()
{
    QTest::addColumn<state_codes>("codes");
    QTest::addColumn<int>("statesA");
    QTest::addColumn<word_list>("words");

    const uint all = 0xFFFFFFFF;
    QTest::newRow("everything ignored") << state_codes{} << 0xFF << word_list{all, all, all, all};
    QTest::newRow("A1 set, B1 unset") << state_codes{{0, setStateClass::WhenSet}, {4, setStateClass::WhenUnset}}
                                      << 0xFE << word_list{0xFFFFFFFC, all, all, all};
    QTest::newRow("A4 unset") << state_codes{{3, setStateClass::WhenUnset}} << 0x3F << word_list{all, all, all, all};
    QTest::newRow("the last of each word")
        << state_codes{{19, setStateClass::WhenSet}, {35, setStateClass::WhenUnset}, {51, setStateClass::WhenSet},
                       {67, setStateClass::WhenUnset}}
        << 0xFF << word_list{0xBFFFFFFF, 0x3FFFFFFF, 0xBFFFFFFF, 0x3FFFFFFF};
    QTest::newRow("the first of each word")
        << state_codes{{20, setStateClass::WhenSet}, {36, setStateClass::WhenUnset}, {52, setStateClass::WhenSet}}
        << 0xFF << word_list{all, 0xFFFFFFFE, 0xFFFFFFFC, 0xFFFFFFFE};
}

void tst_StL_widget::packing()
{
    QFETCH(state_codes, codes);
    QFETCH(int, statesA);
    QFETCH(word_list, words);
    StL_widget editor(f->tabPage.get());
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        editor.stateRow(it.key())->setCode(it.value());
    u32 stored[4];
    QCOMPARE(editor.store(stored), statesA);
    QCOMPARE((word_list{stored[0], stored[1], stored[2], stored[3]}), words);

    // Loading the packed limits selects the same buttons again.
    StL_widget other(f->tabPage.get());
    other.load(statesA, stored);
    for (int i = 0; i < 68; ++i)
        QCOMPARE(other.stateRow(i)->code(), codes.value(i, setStateClass::Ignore));
}

void tst_StL_widget::loadingReadsEveryCode()
{
    // Codes 0..3 of A1..A4: bit 0 set ignores (so 1 reads as Ignore), else bit 1 is "When set".
    StL_widget editor(f->tabPage.get());
    const u32 words[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    editor.load(0b11100100, words);
    QVERIFY(editor.stateRow(0)->whenUnsetButton->isChecked());
    QVERIFY(editor.stateRow(1)->ignoreButton->isChecked());
    QVERIFY(editor.stateRow(2)->whenSetButton->isChecked());
    QVERIFY(editor.stateRow(3)->ignoreButton->isChecked());
    u32 stored[4];
    QCOMPARE(editor.store(stored), 0b11101100);  // code 1 is stored back as 3
}

void tst_StL_widget::buttons()
{
    StL_widget editor(f->tabPage.get());
    QSignalSpy saved(&editor, &StL_widget::save);
    QSignalSpy aborted(&editor, &StL_widget::abort);
    editor.stateRow(10)->whenSetButton->setChecked(true);
    editor.stateRow(0)->whenUnsetButton->setChecked(true);

    QTest::mouseClick(editor.pbClear, Qt::LeftButton);
    for (int i = 0; i < 68; ++i)
        QVERIFY(editor.stateRow(i)->ignoreButton->isChecked());
    QCOMPARE(saved.count() + aborted.count(), 0);

    QTest::mouseClick(editor.pbCancel, Qt::LeftButton);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(aborted.count(), 1);
    QTest::mouseClick(editor.pbSet, Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(aborted.count(), 2);  // "Set" stores, then closes
    QCOMPARE(saved.first().first().value<QWidget *>(), &editor);
}

QTEST_MAIN(tst_StL_widget)
#include "tst_StL_widget.moc"
