#include "link/kd620_controller_class.h"
#include "scenes/ascene_groups_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_fixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

const QColor green(230, 255, 230);

// One step of a coupling script: choose a scene (1-based) or a group (1-based), add, or
// remove the member in a row (0-based, -1: no row chosen), answering the next box with a
// custom button's index.
struct coupling_step {
    enum kind { Scene, Group, Add, Remove, Answer } what;
    int value = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<coupling_step>)

class tst_coupled_scenes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void construction();
    void script_data();
    void script();
    void membersAreListedInOrder();
    void removeMember();
    void tooManyCoupledScenes();
    void lastSceneStaysChosen();
    void showsWhatTheConfigurationHolds();
    void fullyPopulatedConfiguration();

private:
    ascene_groups_widget *groups() const { return page->coupledScenes; }
    QList<u16> &group(int g) { return f->controller->couplingGroups[g]; }
    QColor groupColour(int g) const { return groups()->groupTable->item(g, 0)->background().color(); }
    QColor base() const { return QApplication::palette().brush(QPalette::Base).color(); }
    void run(const QList<coupling_step> &steps);
    std::unique_ptr<page_fixture> f;
    ascene_settings_widget *page = nullptr;
};

void tst_coupled_scenes::init()
{
    f = std::make_unique<page_fixture>();
}

void tst_coupled_scenes::cleanup()
{
    page = nullptr;
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_coupled_scenes::run(const QList<coupling_step> &steps)
{
    for (const coupling_step &step : steps) {
        switch (step.what) {
        case coupling_step::Scene: page->sceneTable->setCurrentCell(step.value - 1, 0); break;
        case coupling_step::Group: groups()->groupTable->setCurrentCell(step.value - 1, 0); break;
        case coupling_step::Add: groups()->addMemberButton->click(); break;
        case coupling_step::Remove:
            groups()->memberTable->setCurrentCell(step.value, 0);
            groups()->removeMemberButton->click();
            break;
        case coupling_step::Answer: f->ui.answers.enqueue(step.value); break;
        }
    }
}

void tst_coupled_scenes::construction()
{
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    QCOMPARE(page->sceneTabs->widget(ascene_settings_widget::CoupledScenesTab), groups());
    QCOMPARE(page->sceneTabs->tabText(ascene_settings_widget::CoupledScenesTab), QStringLiteral("Coupled Scenes"));
    QCOMPARE(groups()->sceneTable, page->sceneTable);
    QCOMPARE(groups()->groupTable->rowCount(), 15);
    QCOMPARE(groups()->groupTable->horizontalHeaderItem(0)->text(), QStringLiteral("Group No."));
    QVERIFY(groups()->groupTable->verticalHeader()->isHidden());
    QCOMPARE(groups()->groupTable->currentRow(), 0);
    QCOMPARE(groups()->groupTable->geometry(), QRect(30, 100, 116, 480));
    QCOMPARE(groups()->memberTable->rowCount(), 64);
    QCOMPARE(groups()->memberTable->horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
    QCOMPARE(groups()->memberTable->columnWidth(0), 80);
    QCOMPARE(groups()->memberTable->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(groups()->addMemberButton->text(), QStringLiteral("Add selected scene"));
    QCOMPARE(groups()->removeMemberButton->text(), QStringLiteral("Remove selected member"));
    QCOMPARE(groups()->membersLabel->text(), QStringLiteral("Group 1 members:"));
    for (int g = 0; g < 15; ++g) {
        QCOMPARE(groups()->groupTable->item(g, 0)->text(), QStringLiteral("Group %1").arg(g + 1));
        QCOMPARE(groupColour(g), base());
    }
    for (int row = 0; row < 64; ++row)
        QCOMPARE(groups()->memberTable->item(row, 0)->text(), QString());
}

void tst_coupled_scenes::script_data()
{
    using S = coupling_step;
    QTest::addColumn<QList<coupling_step>>("steps");
    QTest::addColumn<QList<QList<int>>>("groups");  // 1-based scenes of groups 1..15
    QTest::addColumn<QStringList>("boxes");         // titles
    QTest::addColumn<int>("sceneRow");               // the scene list's current row after

    const QList<S> addTwo{{S::Group, 3}, {S::Scene, 5}, {S::Add}, {S::Add}};
    auto groupsWith = [](QList<QPair<int, QList<int>>> entries) {
        QList<QList<int>> all(15);
        for (const auto &entry : entries)
            all[entry.first - 1] = entry.second;
        return all;
    };
    QTest::newRow("add advances to the next scene") << addTwo << groupsWith({{3, {5, 6}}}) << QStringList() << 6;
    QTest::newRow("again: nothing to do") << addTwo + QList<S>{{S::Scene, 6}, {S::Add}} << groupsWith({{3, {5, 6}}})
                                          << QStringList({"Nothing to do!"}) << 5;
    QTest::newRow("move, cancelled") << addTwo + QList<S>{{S::Group, 1}, {S::Scene, 5}, {S::Answer, 0}, {S::Add}}
                                     << groupsWith({{3, {5, 6}}}) << QStringList({"Are you sure?"}) << 4;
    QTest::newRow("move, unanswered") << addTwo + QList<S>{{S::Group, 1}, {S::Scene, 5}, {S::Add}}
                                      << groupsWith({{3, {5, 6}}}) << QStringList({"Are you sure?"}) << 4;
    QTest::newRow("move, Yes, I do!") << addTwo + QList<S>{{S::Group, 15}, {S::Scene, 6}, {S::Answer, 1}, {S::Add}}
                                      << groupsWith({{3, {5}}, {15, {6}}}) << QStringList({"Are you sure?"}) << 6;
}

void tst_coupled_scenes::script()
{
    QFETCH(QList<coupling_step>, steps);
    QFETCH(QList<QList<int>>, groups);
    QFETCH(QStringList, boxes);
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    run(steps);
    for (int g = 0; g < 15; ++g) {
        QList<int> scenes;
        for (u16 s : group(g))
            scenes << s + 1;
        QCOMPARE(scenes, groups[g]);
        QCOMPARE(groupColour(g), scenes.isEmpty() ? base() : green);
    }
    QCOMPARE(f->ui.messageTitles(), boxes);
    QTEST(page->sceneTable->currentRow(), "sceneRow");
    QCOMPARE(page->currentScene, page->sceneTable->currentRow());
    for (const message_request &box : f->ui.messages)
        QCOMPARE(box.parentWidget.data(), this->groups());
    if (boxes == QStringList({"Are you sure?"})) {
        const message_request &box = f->ui.messages.first();
        QCOMPARE(box.icon, message_icon::Question);
        QVERIFY(box.text.startsWith(QStringLiteral("Scene 5 is coupled with group 3!\nDo you really move it to group 1?"))
                || box.text == QStringLiteral("Scene 6 is coupled with group 3!\nDo you really move it to group 15?"));
        QCOMPARE(box.customButtons.size(), 2);
        QCOMPARE(box.customButtons[0].text, QStringLiteral("Cancel"));
        QCOMPARE(box.customButtons[1].text, QStringLiteral("Yes, I do!"));
        QCOMPARE(box.defaultCustomButton, 0);
    }
    if (boxes == QStringList({"Nothing to do!"}))
        QCOMPARE(f->ui.messages.first().text, QStringLiteral("Scene 6 already coupled with group 3!"));
}

void tst_coupled_scenes::membersAreListedInOrder()
{
    using S = coupling_step;
    f->controller->sceneDescs[8] = QStringLiteral("ninth");
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    run({{S::Group, 2}, {S::Scene, 9}, {S::Add}, {S::Scene, 3}, {S::Add}, {S::Scene, 3000}, {S::Add}});
    QCOMPARE(group(1), (QList<u16>{2, 8, 2999}));
    QCOMPARE(groups()->membersLabel->text(), QStringLiteral("Group 2 members:"));
    QCOMPARE(groups()->memberTable->item(0, 0)->text(), QStringLiteral("Scene 3"));
    QCOMPARE(groups()->memberTable->item(0, 1)->text(), QStringLiteral("no description"));
    QCOMPARE(groups()->memberTable->item(1, 0)->text(), QStringLiteral("Scene 9"));
    QCOMPARE(groups()->memberTable->item(1, 1)->text(), QStringLiteral("ninth"));
    QCOMPARE(groups()->memberTable->item(2, 0)->text(), QStringLiteral("Scene 3000"));
    QCOMPARE(groups()->memberTable->item(3, 0)->text(), QString());

    // Another group shows its own (no) members.
    run({{S::Group, 4}});
    QCOMPARE(groups()->membersLabel->text(), QStringLiteral("Group 4 members:"));
    QCOMPARE(groups()->memberTable->item(0, 0)->text(), QString());
}

void tst_coupled_scenes::removeMember()
{
    using S = coupling_step;
    group(6) = {40, 10, 20};
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    run({{S::Group, 7}});
    QCOMPARE(group(6), (QList<u16>{10, 20, 40}));  // shown, so sorted
    // No row chosen, or an empty row: nothing happens.
    run({{S::Remove, -1}, {S::Remove, 3}, {S::Remove, 63}});
    QCOMPARE(group(6), (QList<u16>{10, 20, 40}));
    run({{S::Remove, 1}});
    QCOMPARE(group(6), (QList<u16>{10, 40}));
    QCOMPARE(groups()->memberTable->item(1, 0)->text(), QStringLiteral("Scene 41"));
    QCOMPARE(groups()->memberTable->item(2, 0)->text(), QString());
    // The row stays where it was and so points at the next member.
    QCOMPARE(groups()->memberTable->currentRow(), 1);
    groups()->removeMemberButton->click();
    groups()->removeMemberButton->click();
    QCOMPARE(group(6), (QList<u16>{10}));
    run({{S::Remove, 0}});
    QVERIFY(group(6).isEmpty());
    QCOMPARE(groupColour(6), base());
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_coupled_scenes::tooManyCoupledScenes()
{
    using S = coupling_step;
    for (int s = 0; s < 64; ++s)
        group(s % 2 == 0 ? 0 : 5) << u16(100 + s);
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    run({{S::Group, 2}, {S::Scene, 1}, {S::Add}});
    QCOMPARE(f->ui.messageTitles(), QStringList({"Unrealisable action!"}));
    QCOMPARE(f->ui.messages.first().text, QStringLiteral("To many coupled scenes!"));
    QVERIFY(group(1).isEmpty());
    QCOMPARE(page->sceneTable->currentRow(), 0);

    // A move keeps the count, so it is never refused.
    f->ui.clear();
    run({{S::Scene, 101}, {S::Answer, 1}, {S::Add}});
    QCOMPARE(f->ui.messageTitles(), QStringList({"Are you sure?"}));
    QCOMPARE(group(1), QList<u16>{100});
    QCOMPARE(f->controller->coupledSceneCount(), 64);

    // A group that holds all 64: the button does nothing at all.
    for (QList<u16> &g : f->controller->couplingGroups)
        g.clear();
    for (int s = 0; s < 64; ++s)
        group(2) << u16(s);
    f->ui.clear();
    run({{S::Group, 3}, {S::Scene, 1}, {S::Add}, {S::Scene, 70}, {S::Add}});
    QCOMPARE(f->ui.messages.size(), 0);
    QCOMPARE(group(2).size(), 64);
}

// After the last scene there is no next one: the list stays on it, and so does the page.
void tst_coupled_scenes::lastSceneStaysChosen()
{
    using S = coupling_step;
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    run({{S::Scene, 3071}, {S::Add}, {S::Add}});
    QCOMPARE(group(0), (QList<u16>{3070, 3071}));
    QCOMPARE(page->sceneTable->currentRow(), 3071);
    QCOMPARE(page->currentScene, 3071);
    run({{S::Add}});
    QCOMPARE(f->ui.messageTitles(), QStringList({"Nothing to do!"}));
}

// The tab shows the groups as the configuration holds them when it is chosen and when the
// page refreshes (after a file was read, say).
void tst_coupled_scenes::showsWhatTheConfigurationHolds()
{
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    group(0) = {7};
    QCOMPARE(groups()->memberTable->item(0, 0)->text(), QString());
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::CoupledScenesTab);
    QCOMPARE(groups()->memberTable->item(0, 0)->text(), QStringLiteral("Scene 8"));
    QCOMPARE(groupColour(0), green);
    group(0).clear();
    page->refresh();
    QCOMPARE(groups()->memberTable->item(0, 0)->text(), QString());
    QCOMPARE(groupColour(0), base());
}

// The test configuration couples as many scenes as the tables hold, each in one group: it
// loads without a complaint, and nothing more can be coupled.
void tst_coupled_scenes::fullyPopulatedConfiguration()
{
    populateConfiguration(*f->controller);
    QCOMPARE(f->ui.messages.size(), 0);
    QCOMPARE(f->controller->coupledSceneCount(), 64);
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    QCOMPARE(groups()->memberTable->item(7, 0)->text(), QStringLiteral("Scene 25"));
    for (int g = 0; g < 15; ++g)
        QCOMPARE(groupColour(g), green);
    using S = coupling_step;
    run({{S::Group, 2}, {S::Scene, 1}, {S::Add}});
    QCOMPARE(f->ui.messageTitles(), QStringList({"Unrealisable action!"}));
    QCOMPARE(f->controller->coupledSceneCount(), 64);
}

QTEST_MAIN(tst_coupled_scenes)
#include "tst_coupled_scenes.moc"
