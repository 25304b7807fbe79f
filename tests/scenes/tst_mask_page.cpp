#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "model/time_codec.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/admx_slider_widget.h"
#include "scenes/amask_settings_widget.h"
#include "tests/support/page_fixture.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/my_time_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// One step of a times case: choose a mask (its 0-based number), set an editor to a time in
// tenths, or set "Infinite".
struct times_step {
    enum kind { Choose, Rise, Last, Fall, Infinite, Clear, Refresh } what;
    int value;
};

const QString ruleTitle = QStringLiteral("Rule broken!");
const QString ruleText = QStringLiteral("All times cannot equal 0!\nDuration will be fixed.");
const QColor green(230, 255, 230);
const QColor yellow(255, 255, 180);
const QColor cyan(200, 255, 255);

} // namespace

Q_DECLARE_METATYPE(QList<times_step>)

class tst_mask_page : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void construction();
    void showsTheCurrentMask();
    void rowColoursByRange();
    void clearWholeMask();
    void times_data();
    void times();
    void valueStripSetsTheMask();
    void nothingSentLive();
    void channelCount();
    void descriptionsAreMaskDescriptions();

private:
    amask_settings_widget *makePage();
    u8 *image() const { return f->image(); }
    scene_times_record storedTimes(int mask) const
    {
        return scene_times_record::read(f->image(), maskTimes(u32(mask)));
    }
    void storeTimes(int mask, u16 rise, u16 last, u16 fall, u16 fourth = 0xABCD)
    {
        scene_times_record{rise, last, fall, fourth}.write(f->image(), maskTimes(u32(mask)));
    }
    QColor rowColour(int mask) const { return page->maskTable->item(mask, 0)->background().color(); }
    QColor base() const { return QApplication::palette().brush(QPalette::Base).color(); }
    std::unique_ptr<page_fixture> f;
    amask_settings_widget *page = nullptr;
};

void tst_mask_page::init()
{
    f = std::make_unique<page_fixture>();
}

void tst_mask_page::cleanup()
{
    page = nullptr;
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

amask_settings_widget *tst_mask_page::makePage()
{
    page = new amask_settings_widget(f->controller.get(), f->tabPage.get());
    return page;
}

void tst_mask_page::construction()
{
    writeU16(image(), OutputChannelLimit, 24);
    makePage();
    QCOMPARE(page->parentWidget(), f->tabPage.get());
    // The mask names are the page's own members.
    QCOMPARE(page->maskTable, page->sceneTable);
    QCOMPARE(page->maskTabs, page->sceneTabs);
    QCOMPARE(page->groupMaskLabel, page->groupSceneLabel);
    QCOMPARE(page->maskTable->rowCount(), 256);
    QCOMPARE(page->maskTable->horizontalHeaderItem(0)->text(), QStringLiteral("Mask"));
    QCOMPARE(page->maskTable->geometry(), QRect(10, 20, 175, 625));
    QCOMPARE(page->maskTable->model()->headerData(255, Qt::Vertical).toString(), QStringLiteral("256"));
    QCOMPARE(page->maskTable->currentRow(), 0);
    QStringList tabs;
    for (int i = 0; i < page->maskTabs->count(); ++i)
        tabs << page->maskTabs->tabText(i);
    QCOMPARE(tabs, QStringList({"Single Channels", "Groupped Channels", "Copying"}));
    QCOMPARE(page->currentMask, 0);
    QCOMPARE(page->groupMaskLabel->text(), QStringLiteral("Mask: 1"));
    QCOMPARE(page->clearChannelsButton->text(), QStringLiteral("Clear whole mask"));
    QCOMPARE(page->sliders->captionLabel->text(), QStringLiteral("Mask"));
    QCOMPARE(page->sliders->scrollBar->maximum(), 14);
    QCOMPARE(page->selTo->maximum(), 24);
    QCOMPARE(page->chnlsInUse, 64);

    // The value strip shows 255 from the start, disabled until its box is checked.
    QCOMPARE(page->valueStrip->slider->value(), 255);
    QCOMPARE(page->valueStrip->spinBox->value(), 255);
    QVERIFY(!page->valueStrip->slider->isEnabled());
    QVERIFY(!page->valueStrip->spinBox->isEnabled());

    // A cleared configuration: every mask infinite with both fades 0.
    QVERIFY(page->infiniteBox->isChecked());
    QVERIFY(!page->lastTimeEdit->isEnabled());
    QCOMPARE(page->riseTimeEdit->time(), QTime(0, 0));
    QCOMPARE(page->fallTimeEdit->time(), QTime(0, 0));
    QCOMPARE(page->sliders->strips[0]->slider->value(), 255);
    QCOMPARE(f->ui.messages.size(), 0);
}

void tst_mask_page::showsTheCurrentMask()
{
    storeTimes(7, 12, 300, 34);
    image()[maskLevel(7, 2)] = 17;
    f->controller->maskDescs[7] = QStringLiteral("eighth");
    makePage();
    QSignalSpy changed(page, &amask_settings_widget::sceneChanged);
    page->maskTable->setCurrentCell(7, 0);
    QCOMPARE(page->currentMask, 7);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), 7);
    QCOMPARE(page->groupMaskLabel->text(), QStringLiteral("Mask 8"));
    QCOMPARE(page->sliders->numberLabel->text(), QStringLiteral("8"));
    QCOMPARE(page->sliders->strips[2]->slider->value(), 17);
    QCOMPARE(page->riseTimeEdit->time(), QTime(0, 0, 1, 200));
    QCOMPARE(page->lastTimeEdit->time(), QTime(0, 0, 30));
    QCOMPARE(page->fallTimeEdit->time(), QTime(0, 0, 3, 400));
    QCOMPARE(page->descEdit->text(), QStringLiteral("eighth"));
    QCOMPARE(storedTimes(7).reserved, u16(0xABCD));

    // Strips write the mask's levels, not a scene's.
    page->sliders->strips[3]->slider->setValue(99);
    QCOMPARE(image()[maskLevel(7, 3)], u8(99));
    QCOMPARE(image()[sceneLevel(7, 3)], u8(0));
}

// Rows tell the range while a mask holds its cleared levels; green is a mask that differs.
void tst_mask_page::rowColoursByRange()
{
    image()[maskLevel(4, 100)] = 254;    // mask 5, a channel beyond those in use
    image()[maskLevel(199, 0)] = 1;      // mask 200
    image()[maskLevel(150, 511)] = 0;    // mask 151
    makePage();
    for (int mask = 0; mask < 256; ++mask) {
        QColor expected = mask < 128 ? base() : mask < 192 ? yellow : cyan;
        if (mask == 4 || mask == 199 || mask == 150)
            expected = green;
        QVERIFY2(rowColour(mask) == expected, qPrintable(QString::number(mask + 1)));
    }

    // A strip that sets the level back turns the row back.
    page->maskTable->setCurrentCell(199, 0);
    page->sliders->strips[0]->slider->setValue(0);
    page->refresh();
    QCOMPARE(rowColour(199), cyan);
}

void tst_mask_page::clearWholeMask()
{
    image()[maskLevel(4, 3)] = 254;
    image()[maskLevel(4, 511)] = 0;
    image()[maskLevel(5, 3)] = 9;
    makePage();
    page->maskTable->setCurrentCell(4, 0);
    QCOMPARE(rowColour(4), green);
    page->clearChannelsButton->click();
    for (u32 channel = 0; channel < ChannelCount; ++channel)
        QCOMPARE(image()[maskLevel(4, channel)], u8(255));
    QCOMPARE(rowColour(4), base());
    QCOMPARE(image()[maskLevel(5, 3)], u8(9));

    // A mask of the last range takes 255 too, and so shows green.
    page->maskTable->setCurrentCell(199, 0);
    QCOMPARE(rowColour(199), cyan);
    page->clearChannelsButton->click();
    QCOMPARE(image()[maskLevel(199, 0)], u8(255));
    QCOMPARE(image()[maskLevel(199, 511)], u8(255));
    QCOMPARE(rowColour(199), green);
    QCOMPARE(page->sliders->strips[0]->slider->value(), 255);
}

void tst_mask_page::times_data()
{
    using S = times_step;
    QTest::addColumn<QList<times_step>>("steps");
    QTest::addColumn<QList<int>>("stored");  // fade-up, duration, fade-down of mask 2 before
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("boxes");          // "Rule broken!" boxes

    const QList<int> finite{5, 300, 7};
    QTest::newRow("both fades 0, duration set to 0: box, 1.0 s")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}, {S::Fall, 0}, {S::Last, 0}} << finite << QList<int>{0, 10, 0} << 1;
    QTest::newRow("a fade left: duration 0 without a box, then all three 0")
        << QList<S>{{S::Choose, 2}, {S::Fall, 0}, {S::Last, 0}, {S::Rise, 0}} << finite << QList<int>{0, 0, 0} << 0;
    QTest::newRow("setting fades to 0 never checks")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}, {S::Fall, 0}} << QList<int>{5, 0, 7} << QList<int>{0, 0, 0} << 0;
    QTest::newRow("stored all 0: shown as stored, no box")
        << QList<S>{{S::Choose, 2}} << QList<int>{0, 0, 0} << QList<int>{0, 0, 0} << 0;
    QTest::newRow("all three made 0, then Clear whole mask: kept, no box")
        << QList<S>{{S::Choose, 2}, {S::Fall, 0}, {S::Last, 0}, {S::Rise, 0}, {S::Clear, 0}} << finite
        << QList<int>{0, 0, 0} << 0;
    QTest::newRow("all three made 0, then another mask and back: kept, no box")
        << QList<S>{{S::Choose, 2}, {S::Fall, 0}, {S::Last, 0}, {S::Rise, 0}, {S::Choose, 5}, {S::Choose, 2},
                    {S::Refresh, 0}}
        << finite << QList<int>{0, 0, 0} << 0;
    QTest::newRow("duration 0 with a fade shown: no box")
        << QList<S>{{S::Choose, 2}} << QList<int>{0, 0, 3} << QList<int>{0, 0, 3} << 0;
    QTest::newRow("infinite, fades 0: no box")
        << QList<S>{{S::Choose, 2}, {S::Rise, 0}} << QList<int>{4, 0xFFFF, 0} << QList<int>{0, 0xFFFF, 0} << 0;
    QTest::newRow("unchecking Infinite stores 1.0 s")
        << QList<S>{{S::Choose, 2}, {S::Infinite, 0}} << QList<int>{0, 0xFFFF, 0} << QList<int>{0, 10, 0} << 0;
    QTest::newRow("checking Infinite stores 0xFFFF")
        << QList<S>{{S::Choose, 2}, {S::Infinite, 1}} << finite << QList<int>{5, 0xFFFF, 7} << 0;
}

void tst_mask_page::times()
{
    QFETCH(QList<times_step>, steps);
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, expected);
    QFETCH(int, boxes);
    storeTimes(2, u16(stored[0]), u16(stored[1]), u16(stored[2]));
    storeTimes(5, 4, 100, 4);
    makePage();
    for (const times_step &step : steps) {
        switch (step.what) {
        case times_step::Choose: page->maskTable->setCurrentCell(step.value, 0); break;
        case times_step::Rise: page->riseTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Last: page->lastTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Fall: page->fallTimeEdit->setTime(tenthsToTime(u32(step.value))); break;
        case times_step::Infinite: page->infiniteBox->setChecked(step.value != 0); break;
        case times_step::Clear: page->clearChannelsButton->click(); break;
        case times_step::Refresh: page->refresh(); break;
        }
    }
    QCOMPARE(page->currentMask, 2);
    const scene_times_record result = storedTimes(2);
    QCOMPARE(QList<int>({result.fadeUp, result.duration, result.fadeDown}), expected);
    QCOMPARE(result.reserved, u16(0xABCD));
    QCOMPARE(f->ui.messageTitles(), QStringList(boxes, ruleTitle));
    for (const message_request &box : f->ui.messages) {
        QCOMPARE(box.text, ruleText);
        QCOMPARE(box.icon, message_icon::Warning);
        QCOMPARE(box.parentWidget.data(), &f->window.window);
    }
    QCOMPARE(storedTimes(5).duration, u16(100));
}

void tst_mask_page::valueStripSetsTheMask()
{
    makePage();
    page->maskTable->setCurrentCell(3, 0);
    for (int channel : {1, 4})
        page->channelBox(channel)->setCheckState(Qt::Checked);
    page->valueEnableBox->setChecked(true);
    QVERIFY(page->valueStrip->slider->isEnabled());
    page->valueStrip->slider->setValue(40);
    QCOMPARE(image()[maskLevel(3, 1)], u8(40));
    QCOMPARE(image()[maskLevel(3, 4)], u8(40));
    QCOMPARE(image()[maskLevel(3, 2)], u8(255));
    QCOMPARE(image()[maskLevel(2, 1)], u8(255));
    QCOMPARE(rowColour(3), green);
}

// The mask page never talks to the controller, whatever the working mode.
void tst_mask_page::nothingSentLive()
{
    makePage();
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeLive);
    f->reset();
    page->maskTable->setCurrentCell(3, 0);
    page->sliders->strips[4]->slider->setValue(9);
    page->channelBox(0)->setCheckState(Qt::Checked);
    page->valueEnableBox->setChecked(true);
    page->valueStrip->slider->setValue(200);
    page->clearChannelsButton->click();
    page->refresh();
    QCOMPARE(f->bus.logTexts(), QStringList());
    QCOMPARE(image()[maskLevel(3, 4)], u8(255));
}

// The count reaches the mask page as it reaches the scene page, and is no one else's.
void tst_mask_page::channelCount()
{
    makePage();
    page->limitChnls(32);
    QCOMPARE(page->chnlsInUse, 32);
    QCOMPARE(page->sliders->scrollBar->maximum(), 22);
    QVERIFY(!(page->channelBox(40)->flags() & Qt::ItemIsEnabled));
    QVERIFY(!f->controller->channelsInUseSource);  // the send asks the scene page only
}

void tst_mask_page::descriptionsAreMaskDescriptions()
{
    f->controller->sceneDescs[1] = QStringLiteral("a scene");
    f->controller->maskDescs[1] = QStringLiteral("a mask");
    makePage();
    QCOMPARE(page->maskTable->item(1, 0)->text(), QStringLiteral("a mask"));
    QCOMPARE(page->maskTable->item(0, 0)->text(), QStringLiteral("no description"));
    page->maskTable->setCurrentCell(1, 0);
    page->descEdit->setText(QStringLiteral(" typed "));
    emit page->descEdit->editingFinished();
    QCOMPARE(f->controller->maskDescs[1], QStringLiteral(" typed "));
    QCOMPARE(f->controller->sceneDescs[1], QStringLiteral("a scene"));
}

QTEST_MAIN(tst_mask_page)
#include "tst_mask_page.moc"
