#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "model/time_codec.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/admx_slider_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "tests/support/page_fixture.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/my_time_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace image_layout;

namespace {

// One step of a times case: choose a scene (its 0-based number), set an editor to a time in
// tenths, or set "Infinite".
struct times_step {
    enum kind { Choose, Rise, Last, Fall, Infinite } what;
    int value;
};

const QString ruleTitle = QStringLiteral("Rule broken!");
const QString ruleText = QStringLiteral("All times cannot equal 0!\nDuration will be fixed.");
const QString sceneCycle = QStringLiteral("#1 LIVE_SCENE v=1 i=0|#1 STATUS v=0 i=0 in 8|#1 bulk out 524 0x11/0 @0x00000000|"
                                          "#1 STATUS v=0 i=0 in 8");

QString channelFrame(int level, int channel)
{
    return QStringLiteral("#1 STATUS v=0 i=0 in 8|#1 LIVE_CHANNEL v=%1 i=%2").arg(level).arg(channel);
}

} // namespace

Q_DECLARE_METATYPE(QList<times_step>)

class tst_scene_page : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void construction();
    void showsTheCurrentScene();
    void times_data();
    void times();
    void roundedTimeIsStoredOnce();
    void selection_data();
    void selection();
    void rangeBoundsFollowEachOther();
    void gridBoxesToggleByClick();
    void limitChannels();
    void rowColoursAndClearing();
    void descriptions();
    void typedDescriptionStaysWithItsScene();
    void valueStripSetsCheckedChannels();
    void invalidRowKeepsTheScene();
    void groupedTabChangesNothing();
    void liveEditing();
    void nothingSentInNormalMode();
    void liveOnAgain();
    void channelCountForTheSend();
    void rebuiltPageLeavesNothingBehind();

private:
    ascene_settings_widget *makePage();
    u8 *image() const { return f->image(); }
    scene_times_record storedTimes(int scene) const
    {
        return scene_times_record::read(f->image(), sceneTimes(u32(scene)));
    }
    void storeTimes(int scene, u16 rise, u16 last, u16 fall, u16 fourth = 0xABCD)
    {
        scene_times_record{rise, last, fall, fourth}.write(f->image(), sceneTimes(u32(scene)));
    }
    QList<int> checkedChannels() const;  // 1-based
    QStringList log() const { return f->bus.logTexts(); }
    std::unique_ptr<page_fixture> f;
    ascene_settings_widget *page = nullptr;
};

void tst_scene_page::init()
{
    f = std::make_unique<page_fixture>();
}

void tst_scene_page::cleanup()
{
    page = nullptr;
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

ascene_settings_widget *tst_scene_page::makePage()
{
    page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    return page;
}

QList<int> tst_scene_page::checkedChannels() const
{
    QList<int> checked;
    for (int channel = 0; channel < 64; ++channel)
        if (page->channelBox(channel)->checkState() == Qt::Checked)
            checked << channel + 1;
    return checked;
}

void tst_scene_page::construction()
{
    writeU16(image(), OutputChannelLimit, 24);
    makePage();
    QCOMPARE(page->parentWidget(), f->tabPage.get());
    QCOMPARE(page->sceneTable->rowCount(), 3072);
    QCOMPARE(page->sceneTable->columnCount(), 1);
    QCOMPARE(page->sceneTable->horizontalHeaderItem(0)->text(), QStringLiteral("Scene"));
    QCOMPARE(page->sceneTable->geometry(), QRect(10, 20, 175, 625));
    QCOMPARE(page->sceneTable->currentRow(), 0);
    QCOMPARE(page->sceneTable->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(page->sceneTable->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(page->sceneTable->model()->headerData(3071, Qt::Vertical).toString(), QStringLiteral("3072"));
    QStringList tabs;
    for (int i = 0; i < page->sceneTabs->count(); ++i)
        tabs << page->sceneTabs->tabText(i);
    QCOMPARE(tabs, QStringList({"Single Channels", "Groupped Channels", "Copying", "Coupled Scenes"}));
    QCOMPARE(page->currentScene, 0);
    QCOMPARE(page->groupSceneLabel->text(), QStringLiteral("Scene: 1"));

    // The page starts at 64 channels whatever the image holds; the strips and the range of
    // the selection take the image's count.
    QCOMPARE(page->chnlsInUse, 64);
    QCOMPARE(page->sliders->scrollBar->maximum(), 14);
    QCOMPARE(page->selFrom->maximum(), 24);
    QCOMPARE(page->selTo->maximum(), 24);
    QCOMPARE(page->selTo->value(), 24);
    QCOMPARE(checkedChannels(), QList<int>());
    for (int channel = 0; channel < 64; ++channel)
        QVERIFY(page->channelBox(channel)->flags() & Qt::ItemIsEnabled);
    QVERIFY(!page->channelBox(64));
    QCOMPARE(page->channelGrid->verticalHeaderItem(6)->text(), QStringLiteral("60"));

    // Selection and value setting start switched off.
    QVERIFY(page->deselectRadio->isChecked());
    QVERIFY(!page->everyStep->isEnabled());
    QVERIFY(!page->selFrom->isEnabled());
    QVERIFY(!page->selTo->isEnabled());
    QVERIFY(!page->valueStrip->slider->isEnabled());
    QVERIFY(!page->valueStrip->spinBox->isEnabled());
    QCOMPARE(page->valueStrip->stripLabel->text(), QStringLiteral("Value"));
    page->everyBox->setChecked(true);
    page->rangeBox->setChecked(true);
    page->valueEnableBox->setChecked(true);
    QVERIFY(page->everyStep->isEnabled());
    QVERIFY(page->selFrom->isEnabled() && page->selTo->isEnabled());
    QVERIFY(page->valueStrip->slider->isEnabled() && page->valueStrip->spinBox->isEnabled());
    QCOMPARE(page->descEdit->maxLength(), 100);
    QCOMPARE(page->lastTimeEdit->maximumTime(), QTime(1, 49, 13, 400));
    QCOMPARE(page->riseTimeEdit->maximumTime(), QTime(1, 49, 13, 500));
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_scene_page::showsTheCurrentScene()
{
    for (int channel = 0; channel < 64; ++channel)
        image()[sceneLevel(0, u32(channel))] = u8(channel);
    storeTimes(0, 15, 0xFFFF, 27);
    f->controller->sceneDescs[0] = QStringLiteral("  opening  ");
    f->controller->sceneDescs[3] = QStringLiteral("fourth");
    storeTimes(3, 1, 2, 3);
    image()[sceneLevel(3, 0)] = 9;
    makePage();
    QCOMPARE(page->riseTimeEdit->time(), QTime(0, 0, 1, 500));
    QCOMPARE(page->fallTimeEdit->time(), QTime(0, 0, 2, 700));
    QVERIFY(page->infiniteBox->isChecked());
    QVERIFY(!page->lastTimeEdit->isEnabled());
    QCOMPARE(page->lastTimeEdit->time(), QTime(0, 0, 1));
    QCOMPARE(page->descEdit->text(), QStringLiteral("  opening  "));
    QCOMPARE(page->sliders->strips[5]->slider->value(), 5);
    QCOMPARE(page->sceneTable->item(0, 0)->text(), QStringLiteral("  opening  "));
    QCOMPARE(page->sceneTable->item(1, 0)->text(), QStringLiteral("no description"));

    QSignalSpy changed(page, &ascene_settings_widget::sceneChanged);
    page->sceneTable->setCurrentCell(3, 0);
    QCOMPARE(page->currentScene, 3);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), 3);
    QCOMPARE(page->groupSceneLabel->text(), QStringLiteral("Scene 4"));
    QCOMPARE(page->sliders->numberLabel->text(), QStringLiteral("4"));
    QCOMPARE(page->sliders->strips[0]->slider->value(), 9);
    QVERIFY(!page->infiniteBox->isChecked());
    QVERIFY(page->lastTimeEdit->isEnabled());
    QCOMPARE(page->lastTimeEdit->time(), QTime(0, 0, 0, 200));
    QCOMPARE(page->descEdit->text(), QStringLiteral("fourth"));
    // Showing a scene stored nothing.
    QCOMPARE(storedTimes(0).duration, u16(0xFFFF));
    QCOMPARE(storedTimes(3).reserved, u16(0xABCD));
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_scene_page::times_data()
{
    using S = times_step;
    QTest::addColumn<QList<times_step>>("steps");
    QTest::addColumn<QList<int>>("stored");  // fade-up, duration, fade-down of scene 2 before
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("boxes");          // "Rule broken!" boxes
    QTest::addColumn<bool>("lastEnabled");
    QTest::addColumn<int>("otherDuration");  // of scene 5, stored 100 before

    const QList<int> finite{5, 300, 7};
    const QList<int> infinite{5, 0xFFFF, 7};
    QTest::newRow("infinite shows a disabled editor") << QList<S>{{S::Choose, 2}} << infinite << infinite << 0 << false << 100;
    QTest::newRow("unchecking Infinite stores 10")
        << QList<S>{{S::Choose, 2}, {S::Infinite, 0}} << infinite << QList<int>{5, 10, 7} << 0 << true << 100;
    QTest::newRow("checking Infinite stores 0xFFFF")
        << QList<S>{{S::Choose, 2}, {S::Infinite, 1}} << finite << infinite << 0 << false << 100;
    QTest::newRow("three times set")
        << QList<S>{{S::Choose, 2}, {S::Rise, 1}, {S::Last, 65534}, {S::Fall, 65535}} << finite
        << QList<int>{1, 65534, 65535} << 0 << true << 100;
    QTest::newRow("zeroing all three: one box, duration 10")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}, {S::Last, 0}, {S::Fall, 0}} << finite << QList<int>{0, 10, 0} << 1
        << true << 100;
    QTest::newRow("zeroing the duration last: one box")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}, {S::Fall, 0}, {S::Last, 0}} << finite << QList<int>{0, 10, 0} << 1
        << true << 100;
    QTest::newRow("infinite and both fades 0: no box")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}, {S::Fall, 0}} << infinite << QList<int>{0, 0xFFFF, 0} << 0 << false << 100;
    QTest::newRow("stored all 0: shown, one box, duration 10")
        << QList<S>{{S::Choose, 2}} << QList<int>{0, 0, 0} << QList<int>{0, 10, 0} << 1 << true << 100;
    QTest::newRow("stored all 0, duration editor showing 0 already")
        << QList<S>{{S::Choose, 5}, {S::Last, 0}, {S::Choose, 2}} << QList<int>{0, 0, 0} << QList<int>{0, 10, 0} << 1
        << true << 0;
}

void tst_scene_page::times()
{
    QFETCH(QList<times_step>, steps);
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, expected);
    QFETCH(int, boxes);
    QFETCH(bool, lastEnabled);
    storeTimes(2, u16(stored[0]), u16(stored[1]), u16(stored[2]));
    storeTimes(5, 4, 100, 4);
    makePage();
    for (const times_step &step : steps) {
        switch (step.what) {
        case times_step::Choose: page->sceneTable->setCurrentCell(step.value, 0); break;
        case times_step::Rise: page->riseTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Last: page->lastTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Fall: page->fallTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Infinite: page->infiniteBox->setChecked(step.value != 0); break;
        }
    }
    QCOMPARE(page->currentScene, 2);
    const scene_times_record result = storedTimes(2);
    QCOMPARE(QList<int>({result.fadeUp, result.duration, result.fadeDown}), expected);
    QCOMPARE(result.reserved, u16(0xABCD));
    QCOMPARE(f->ui.messageTitles(), QStringList(boxes, ruleTitle));
    for (const message_request &box : f->ui.messages) {
        QCOMPARE(box.text, ruleText);
        QCOMPARE(box.icon, message_icon::Warning);
        QCOMPARE(box.parentWidget.data(), &f->window.window);
    }
    QCOMPARE(page->lastTimeEdit->isEnabled(), lastEnabled);
    QCOMPARE(page->infiniteBox->isChecked(), !lastEnabled);
    const int shownDuration = result.duration == 0xFFFF ? 10 : result.duration;
    QCOMPARE(page->lastTimeEdit->time(), tenthsToTime(u32(shownDuration)));
    // The other scene kept its times.
    QCOMPARE(storedTimes(5).fadeUp, u16(4));
    QTEST(int(storedTimes(5).duration), "otherDuration");
}

// The editor rounds 2.34 s to 2.4 s and reports both times: the scene keeps the rounded one.
void tst_scene_page::roundedTimeIsStoredOnce()
{
    storeTimes(0, 5, 100, 5);
    makePage();
    page->lastTimeEdit->setTime(QTime(0, 0, 2, 340));
    QCOMPARE(page->lastTimeEdit->time(), QTime(0, 0, 2, 400));
    QCOMPARE(storedTimes(0).duration, u16(24));

    // Rounded down to 0 with both fades 0: the rule runs once and the duration stays 1.0 s.
    // (After its first rounding the editor reports the unrounded time before it rounds.)
    page->riseTimeEdit->setTime(QTime(0, 0));
    page->fallTimeEdit->setTime(QTime(0, 0));
    page->lastTimeEdit->setTime(QTime(0, 0, 0, 70));
    QCOMPARE(f->ui.messageTitles(), QStringList({ruleTitle}));
    QCOMPARE(storedTimes(0).duration, u16(10));
    QCOMPARE(page->lastTimeEdit->time(), QTime(0, 0, 1));
}

void tst_scene_page::selection_data()
{
    QTest::addColumn<int>("channels");       // in use
    QTest::addColumn<QString>("mode");       // select, deselect, invert
    QTest::addColumn<int>("every");          // 0: every channel
    QTest::addColumn<QList<int>>("range");   // from, to; empty: none
    QTest::addColumn<QList<int>>("checked"); // before
    QTest::addColumn<QList<int>>("expected");

    QList<int> first24;
    for (int channel = 1; channel <= 24; ++channel)
        first24 << channel;
    QList<int> odd32;
    for (int channel = 1; channel <= 32; channel += 2)
        odd32 << channel;
    QTest::newRow("select all of 24") << 24 << "select" << 0 << QList<int>() << QList<int>() << first24;
    QTest::newRow("every 3 over 5..20 touches 20")
        << 64 << "select" << 3 << QList<int>{5, 20} << QList<int>() << QList<int>{5, 8, 11, 14, 17, 20};
    QTest::newRow("invert 10..12") << 64 << "invert" << 0 << QList<int>{10, 12} << QList<int>{11, 40}
                                   << QList<int>{10, 12, 40};
    QTest::newRow("deselect every 2") << 64 << "deselect" << 2 << QList<int>() << QList<int>{1, 2, 3, 63, 64}
                                      << QList<int>{2, 64};
    QTest::newRow("select every 2 of 32") << 32 << "select" << 2 << QList<int>() << QList<int>() << odd32;
    QTest::newRow("one channel range") << 64 << "select" << 16 << QList<int>{64, 64} << QList<int>() << QList<int>{64};
}

void tst_scene_page::selection()
{
    QFETCH(int, channels);
    QFETCH(QString, mode);
    QFETCH(int, every);
    QFETCH(QList<int>, range);
    QFETCH(QList<int>, checked);
    makePage();
    page->limitChnls(channels);
    for (int channel : checked)
        page->channelBox(channel - 1)->setCheckState(Qt::Checked);
    (mode == "select" ? page->selectRadio : mode == "invert" ? page->invertRadio : page->deselectRadio)->setChecked(true);
    page->everyBox->setChecked(every > 0);
    if (every > 0)
        page->everyStep->setValue(every);
    page->rangeBox->setChecked(!range.isEmpty());
    if (!range.isEmpty()) {
        page->selFrom->setValue(range[0]);
        page->selTo->setValue(range[1]);
    }
    page->executeButton->click();
    QTEST(checkedChannels(), "expected");
    for (int channel = channels; channel < 64; ++channel)
        QVERIFY(!(page->channelBox(channel)->flags() & Qt::ItemIsEnabled));
}

// A bound confirmed beyond the other moves the other along; an unconfirmed one does not.
void tst_scene_page::rangeBoundsFollowEachOther()
{
    makePage();
    page->rangeBox->setChecked(true);
    page->selTo->setValue(20);
    page->selFrom->setValue(30);
    QCOMPARE(page->selTo->value(), 20);
    QTest::keyClick(page->selFrom, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->selTo->value(), 30);

    page->selTo->setValue(12);
    QTest::keyClick(page->selTo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->selFrom->value(), 12);
    QCOMPARE(page->selTo->value(), 12);
}

void tst_scene_page::gridBoxesToggleByClick()
{
    makePage();
    page->limitChnls(32);
    f->tabPage->show();
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::GrouppedChannelsTab);
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));
    auto click = [this](int channel) {
        const QRect cell = page->channelGrid->visualItemRect(page->channelBox(channel));
        QTest::mouseClick(page->channelGrid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    click(13);
    click(0);
    QCOMPARE(checkedChannels(), QList<int>({1, 14}));
    click(13);
    click(40);  // beyond the 32 channels in use
    QCOMPARE(checkedChannels(), QList<int>({1}));
}

void tst_scene_page::limitChannels()
{
    makePage();
    page->sliders->scrollBar->setValue(54);
    for (int channel = 0; channel < 64; ++channel)
        page->channelBox(channel)->setCheckState(Qt::Checked);
    for (int channel = 0; channel < 64; ++channel)
        image()[sceneLevel(0, u32(channel))] = u8(channel);

    page->limitChnls(32);
    QCOMPARE(page->chnlsInUse, 32);
    QCOMPARE(page->sliders->scrollBar->maximum(), 22);
    // The scroll bar keeps its value within its range and the strips follow it.
    QCOMPARE(page->sliders->firstStripChannel, 22);
    QCOMPARE(page->sliders->strips[9]->stripLabel->text(), QStringLiteral("32"));
    QCOMPARE(page->sliders->strips[9]->slider->value(), 31);
    QCOMPARE(page->selTo->maximum(), 32);
    QCOMPARE(page->selFrom->maximum(), 32);
    for (int channel = 0; channel < 64; ++channel) {
        const bool inUse = channel < 32;
        QCOMPARE(bool(page->channelBox(channel)->flags() & Qt::ItemIsEnabled), inUse);
        QCOMPARE(page->channelBox(channel)->checkState(), inUse ? Qt::Checked : Qt::Unchecked);
    }

    page->limitChnls(64);
    QCOMPARE(page->sliders->scrollBar->maximum(), 54);
    QCOMPARE(page->selTo->maximum(), 64);
    for (int channel = 32; channel < 64; ++channel) {
        QVERIFY(page->channelBox(channel)->flags() & Qt::ItemIsEnabled);
        QCOMPARE(page->channelBox(channel)->checkState(), Qt::Unchecked);
    }
    // Scrolling wrote nothing.
    for (int channel = 0; channel < 64; ++channel)
        QCOMPARE(image()[sceneLevel(0, u32(channel))], u8(channel));

    // A count beyond the grid is held at its bounds.
    page->limitChnls(500);
    QCOMPARE(page->chnlsInUse, 64);
    page->limitChnls(3);
    QCOMPARE(page->chnlsInUse, 24);
}

void tst_scene_page::rowColoursAndClearing()
{
    image()[sceneLevel(0, 0)] = 1;
    image()[sceneLevel(7, 511)] = 200;  // beyond the channels in use, still a level
    for (int channel = 0; channel < 512; ++channel)
        image()[sceneLevel(9, u32(channel))] = u8(channel % 3 + 1);
    makePage();
    const QColor base = QApplication::palette().base().color();
    auto colour = [this](int row) { return page->sceneTable->item(row, 0)->background().color(); };
    QCOMPARE(colour(0), page_base::inUseColour());
    QCOMPARE(colour(1), base);
    QCOMPARE(colour(7), page_base::inUseColour());
    QCOMPARE(colour(3071), base);

    // A level set behind the page's back shows at the next refresh.
    image()[sceneLevel(3071, 3)] = 4;
    page->refresh();
    QCOMPARE(colour(3071), page_base::inUseColour());

    page->sceneTable->setCurrentCell(9, 0);
    page->clearChannelsButton->click();
    for (int channel = 0; channel < 512; ++channel)
        QCOMPARE(image()[sceneLevel(9, u32(channel))], u8(0));
    QCOMPARE(colour(9), base);
    QCOMPARE(page->sliders->strips[0]->slider->value(), 0);
    QCOMPARE(image()[sceneLevel(0, 0)], u8(1));
    QCOMPARE(image()[sceneLevel(10, 0)], u8(0));
}

void tst_scene_page::descriptions()
{
    f->controller->sceneDescs[4] = QStringLiteral("old");
    makePage();
    page->sceneTable->setCurrentCell(4, 0);
    QCOMPARE(page->descEdit->text(), QStringLiteral("old"));

    // Stored as typed, not trimmed.
    page->descEdit->setText(QStringLiteral(" spot left "));
    emit page->descEdit->editingFinished();
    QCOMPARE(f->controller->sceneDescs[4], QStringLiteral(" spot left "));
    QCOMPARE(page->sceneTable->item(4, 0)->text(), QStringLiteral(" spot left "));

    page->descEdit->clear();
    emit page->descEdit->editingFinished();
    QCOMPARE(f->controller->sceneDescs[4], QString());
    QCOMPARE(page->sceneTable->item(4, 0)->text(), QStringLiteral("no description"));

    // A long description is elided in its row and kept whole.
    const QString longText = QStringLiteral("a description far wider than the list's column can show at once");
    page->descEdit->setText(longText);
    emit page->descEdit->editingFinished();
    QCOMPARE(f->controller->sceneDescs[4], longText);
    QVERIFY(page->sceneTable->item(4, 0)->text().endsWith(QChar(0x2026)));

    // relabel() rewrites every row from the descriptions.
    f->controller->sceneDescs[3071] = QStringLiteral("last");
    f->controller->sceneDescs[4].clear();
    page->relabel();
    QCOMPARE(page->sceneTable->item(3071, 0)->text(), QStringLiteral("last"));
    QCOMPARE(page->sceneTable->item(4, 0)->text(), QStringLiteral("no description"));
}

// The line loses the focus to the list before the list changes the scene.
void tst_scene_page::typedDescriptionStaysWithItsScene()
{
    makePage();
    f->tabPage->show();
    f->tabPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->tabPage.get()));
    page->descEdit->setFocus();
    QTest::keyClicks(page->descEdit, QStringLiteral("blue wash"));
    const QRect row = page->sceneTable->visualItemRect(page->sceneTable->item(2, 0));
    QTest::mouseClick(page->sceneTable->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(page->currentScene, 2);
    QCOMPARE(f->controller->sceneDescs[0], QStringLiteral("blue wash"));
    QCOMPARE(f->controller->sceneDescs[2], QString());
    QCOMPARE(page->descEdit->text(), QString());
    QCOMPARE(page->sceneTable->item(0, 0)->text(), QStringLiteral("blue wash"));
}

void tst_scene_page::valueStripSetsCheckedChannels()
{
    image()[sceneLevel(6, 2)] = 200;  // already at the level
    image()[sceneLevel(6, 3)] = 17;
    makePage();
    page->sceneTable->setCurrentCell(6, 0);
    for (int channel : {0, 1, 2})
        page->channelBox(channel)->setCheckState(Qt::Checked);
    QSignalSpy live(page->sliders, &admx512_sliders_widget::liveNewValue);

    page->valueEnableBox->setChecked(true);
    page->valueStrip->slider->setValue(200);
    QCOMPARE(image()[sceneLevel(6, 0)], u8(200));
    QCOMPARE(image()[sceneLevel(6, 1)], u8(200));
    QCOMPARE(image()[sceneLevel(6, 2)], u8(200));
    QCOMPARE(image()[sceneLevel(6, 3)], u8(17));
    QCOMPARE(image()[sceneLevel(5, 0)], u8(0));
    QCOMPARE(live.size(), 2);  // the channel already at 200 is not written
    QCOMPARE(page->sliders->strips[1]->slider->value(), 200);
    QCOMPARE(page->sceneTable->item(6, 0)->background().color(), page_base::inUseColour());

    // The spin box sets the same, every channel at once.
    page->valueStrip->spinBox->setValue(3);
    QCOMPARE(image()[sceneLevel(6, 0)], u8(3));
    QCOMPARE(image()[sceneLevel(6, 2)], u8(3));
}

// A caller can make a row beyond the last one current; that is no scene, and the page keeps
// the one it shows, its row included.
void tst_scene_page::invalidRowKeepsTheScene()
{
    storeTimes(4, 1, 2, 3);
    makePage();
    page->sceneTable->setCurrentCell(4, 0);
    QSignalSpy changed(page, &ascene_settings_widget::sceneChanged);
    page->sceneTable->setCurrentCell(3072, 0);
    QCOMPARE(page->currentScene, 4);
    QCOMPARE(page->sceneTable->currentRow(), 4);
    QVERIFY(page->sceneTable->selectionModel()->isRowSelected(4, QModelIndex()));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(page->sliders->shownNumber, 4);

    // Edits still reach that scene.
    page->fallTimeEdit->setTime(QTime(0, 0, 9));
    QCOMPARE(storedTimes(4).fadeDown, u16(90));
    page->sceneTable->setCurrentCell(5, 0);
    QCOMPARE(page->currentScene, 5);
}

void tst_scene_page::groupedTabChangesNothing()
{
    makePage();
    f->controller->sceneDescs[0] = QStringLiteral("changed behind its back");
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::GrouppedChannelsTab);
    QCOMPARE(page->sceneTable->item(0, 0)->text(), QStringLiteral("no description"));
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::SingleChannelsTab);
    QCOMPARE(page->sceneTable->item(0, 0)->text(), QStringLiteral("changed behind its back"));
}

// In the Live working mode the checked channels set with the value strip go one by one,
// then the whole scene.
void tst_scene_page::liveEditing()
{
    makePage();
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeLive);
    // Choosing a scene sends it twice: as the strips switch to it and as the page shows it.
    page->sceneTable->setCurrentCell(3, 0);
    QCOMPARE(log().join('|'), QStringLiteral("#1 SET_MODE v=4 i=0|#1 STATUS v=0 i=0 in 8|") + sceneCycle + '|' + sceneCycle);

    f->reset();
    for (int channel : {0, 1, 2})
        page->channelBox(channel)->setCheckState(Qt::Checked);
    page->valueEnableBox->setChecked(true);
    page->valueStrip->slider->setValue(200);
    QCOMPARE(log().join('|'),
             QStringList({channelFrame(200, 0), channelFrame(200, 1), channelFrame(200, 2), sceneCycle}).join('|'));

    // A strip on the Single Channels tab sends its channel alone.
    f->reset();
    page->sliders->strips[4]->slider->setValue(9);
    QCOMPARE(log().join('|'), channelFrame(9, 4));

    // Clearing sends the scene whole.
    f->reset();
    page->clearChannelsButton->click();
    QCOMPARE(log().join('|'), sceneCycle);
}

void tst_scene_page::nothingSentInNormalMode()
{
    makePage();
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeNormal);
    page->sceneTable->setCurrentCell(3, 0);
    page->channelBox(0)->setCheckState(Qt::Checked);
    page->valueEnableBox->setChecked(true);
    page->valueStrip->slider->setValue(200);
    page->sliders->strips[4]->slider->setValue(9);
    page->clearChannelsButton->click();
    page->sceneLiveOn();
    QCOMPARE(log(), QStringList());
}

void tst_scene_page::liveOnAgain()
{
    makePage();
    page->sceneTable->setCurrentCell(8, 0);
    QSignalSpy changed(page, &ascene_settings_widget::sceneChanged);
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeLive);
    page->sceneLiveOn();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), 8);
    QCOMPARE(log().join('|'), QStringLiteral("#1 SET_MODE v=4 i=0|#1 STATUS v=0 i=0 in 8|") + sceneCycle + '|' + sceneCycle);
}

void tst_scene_page::channelCountForTheSend()
{
    writeU16(image(), OutputChannelLimit, 50);
    makePage();
    QCOMPARE(f->controller->channelsInUse(), 64);
    page->limitChnls(40);
    QCOMPARE(f->controller->channelsInUse(), 40);
    f->tabPage.reset();
    QCOMPARE(f->controller->channelsInUse(), 50);
}

// The page, its strips and its editors go with the tab page; nothing they signal on the
// way out reaches the page.
void tst_scene_page::rebuiltPageLeavesNothingBehind()
{
    makePage();
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::CoupledScenesTab);
    page->descEdit->setFocus();
    QPointer<admx512_sliders_widget> strips = page->sliders;
    QPointer<admx_slider_widget> value = page->valueStrip;
    QPointer<admx_slider_widget> strip = page->sliders->strips[3];
    f->tabPage.reset();
    QVERIFY(strips.isNull());
    QVERIFY(value.isNull());
    QVERIFY(strip.isNull());
    QCOMPARE(f->controller->sceneDescs[0], QString());
}

QTEST_MAIN(tst_scene_page)
#include "tst_scene_page.moc"
