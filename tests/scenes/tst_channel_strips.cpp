#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/admx_slider_widget.h"
#include "tests/support/page_fixture.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace image_layout;

namespace {

// The whole area of scene or mask levels, to show that nothing in it changed.
QByteArray levelArea(const u8 *image, bool masks)
{
    const u32 offset = masks ? MaskLevels : SceneLevels;
    const u32 count = masks ? MaskCount : SceneCount;
    return QByteArray(reinterpret_cast<const char *>(image + offset), int(count * ChannelCount));
}

// What the strips show: "label=level" for each of the ten.
QStringList shownStrips(const admx512_sliders_widget &strips)
{
    QStringList shown;
    for (const admx_slider_widget *strip : strips.strips)
        shown << strip->stripLabel->text() + '=' + QString::number(strip->slider->value());
    return shown;
}

QStringList expectedStrips(const u8 *image, int scene, int firstChannel)
{
    QStringList shown;
    for (int i = 0; i < admx512_sliders_widget::StripCount; ++i)
        shown << QStringLiteral("%1=%2").arg(firstChannel + i + 1).arg(image[sceneLevel(u32(scene), u32(firstChannel + i))]);
    return shown;
}

} // namespace

class tst_channel_strips : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneStrip();
    void layout();
    void scrollRange_data();
    void scrollRange();
    void scrollingNeverWrites();
    void storeLevel_data();
    void storeLevel();
    void loadOutsideTheLevelsDoesNothing();
    void switchingScenesWritesNothing();
    void liveScene();
    void maskInstanceSendsNothing();
    void theParentOwnsTheStrips();

private:
    admx512_sliders_widget *makeStrips(int channels, bool isMask = false);
    u8 *image() const { return f->image(); }
    std::unique_ptr<page_fixture> f;
};

void tst_channel_strips::init()
{
    f = std::make_unique<page_fixture>();
}

void tst_channel_strips::cleanup()
{
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

admx512_sliders_widget *tst_channel_strips::makeStrips(int channels, bool isMask)
{
    return new admx512_sliders_widget(f->controller.get(), channels, f->tabPage.get(), isMask);
}

void tst_channel_strips::oneStrip()
{
    auto *strip = new admx_slider_widget(3, 40, 50, f->tabPage.get());
    QCOMPARE(strip->stripLabel->text(), QStringLiteral("3"));
    QCOMPARE(strip->panel->geometry(), QRect(40, 50, 67, 200));
    QCOMPARE(strip->panel->parentWidget(), f->tabPage.get());
    QCOMPARE(strip->slider->parentWidget(), strip->panel);
    QCOMPARE(strip->slider->orientation(), Qt::Vertical);
    QCOMPARE(strip->slider->maximum(), 255);
    QCOMPARE(strip->spinBox->maximum(), 255);
    QCOMPARE(strip->slider->tickPosition(), QSlider::TicksRight);
    QCOMPARE(strip->slider->tickInterval(), 10);
    QCOMPARE(strip->slider->focusPolicy(), Qt::StrongFocus);

    // Either control moves the other; each change is reported once, with the 0-based channel.
    QSignalSpy reports(strip, &admx_slider_widget::chValCh);
    strip->spinBox->setValue(77);
    QCOMPARE(strip->slider->value(), 77);
    strip->slider->setValue(12);
    QCOMPARE(strip->spinBox->value(), 12);
    QCOMPARE(reports.size(), 2);
    QCOMPARE(reports.at(0), QVariantList({2, 77}));
    QCOMPARE(reports.at(1), QVariantList({2, 12}));

    strip->setChannel(20);
    QCOMPARE(strip->channel, 23);
    QCOMPARE(strip->stripLabel->text(), QStringLiteral("23"));
    strip->slider->setValue(13);
    QCOMPARE(reports.last(), QVariantList({22, 13}));

    // The lone value strip: channel 0, labelled "Value", reports channel -1.
    auto *value = new admx_slider_widget(0, 480, 330, f->tabPage.get());
    QCOMPARE(value->stripLabel->text(), QStringLiteral("Value"));
    QSignalSpy valueReports(value, &admx_slider_widget::chValCh);
    value->slider->setValue(200);
    QCOMPARE(valueReports.size(), 1);
    QCOMPARE(valueReports.first(), QVariantList({-1, 200}));
}

void tst_channel_strips::layout()
{
    admx512_sliders_widget *strips = makeStrips(64);
    QCOMPARE(strips->scrollBar->geometry(), QRect(30, 350, 587, 20));
    QCOMPARE(strips->scrollBar->orientation(), Qt::Horizontal);
    QCOMPARE(strips->captionPanel->geometry(), QRect(280, 30, 88, 31));
    QCOMPARE(strips->captionLabel->text(), QStringLiteral("Scene: "));
    QCOMPARE(strips->numberLabel->text(), QStringLiteral("1"));
    QWidget *stripPanel = strips->strips[0]->panel->parentWidget();
    QCOMPARE(stripPanel->geometry(), QRect(20, 150, 1000, 200));
    for (int i = 0; i < admx512_sliders_widget::StripCount; ++i) {
        QCOMPARE(strips->strips[i]->panel->pos(), QPoint(60 * i, 0));
        QCOMPARE(strips->strips[i]->baseChannel, i + 1);
    }
    // The strip objects hold state only; none of them covers a control.
    QVERIFY(strips->isHidden());
    QVERIFY(strips->strips[0]->isHidden());

    admx512_sliders_widget *masks = makeStrips(64, true);
    QCOMPARE(masks->captionLabel->text(), QStringLiteral("Mask"));
    QCOMPARE(masks->levels, image() + MaskLevels);
    QCOMPARE(strips->levels, image() + SceneLevels);
}

void tst_channel_strips::scrollRange_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("maximum");
    QTest::newRow("24 channels") << 24 << 14;
    QTest::newRow("32 channels") << 32 << 22;
    QTest::newRow("64 channels") << 64 << 54;
}

void tst_channel_strips::scrollRange()
{
    QFETCH(int, channels);
    QFETCH(int, maximum);
    for (int channel = 0; channel < 64; ++channel)
        image()[sceneLevel(0, u32(channel))] = u8(channel + 100);
    admx512_sliders_widget *strips = makeStrips(channels);
    QCOMPARE(strips->scrollBar->minimum(), 0);
    QCOMPARE(strips->scrollBar->maximum(), maximum);
    QCOMPARE(strips->scrollBar->singleStep(), 1);

    // At the end the last strip shows the last channel in use.
    strips->scrollBar->setValue(strips->scrollBar->maximum());
    QCOMPARE(strips->firstStripChannel, maximum);
    QCOMPARE(shownStrips(*strips), expectedStrips(image(), 0, maximum));
    QCOMPARE(strips->strips[9]->stripLabel->text(), QString::number(channels));
}

// Every strip reports its new level while the strips reload; those reports find the level
// stored already, so a scroll writes nothing and sends nothing.
void tst_channel_strips::scrollingNeverWrites()
{
    for (int channel = 0; channel < 64; ++channel)
        image()[sceneLevel(4, u32(channel))] = u8(255 - 3 * channel);
    admx512_sliders_widget *strips = makeStrips(64);
    strips->setSceneNumber(4);
    const QByteArray before = levelArea(image(), false);
    QSignalSpy live(strips, &admx512_sliders_widget::liveNewValue);

    for (int position : {1, 2, 13, 54, 30, 0, 54})
        strips->scrollBar->setValue(position);
    strips->scrollBar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(live.size(), 0);
    QVERIFY(levelArea(image(), false) == before);
    QCOMPARE(shownStrips(*strips), expectedStrips(image(), 4, strips->scrollBar->value()));
}

void tst_channel_strips::storeLevel_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("channel");  // 0-based
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("movedStrip");  // -1: none
    QTest::addColumn<bool>("written");

    QTest::newRow("shown channel") << 0 << 3 << 10 << 99 << 3 << true;
    QTest::newRow("shown channel, scrolled to 54") << 54 << 60 << 0 << 7 << 6 << true;
    QTest::newRow("channel no strip shows") << 0 << 40 << 10 << 99 << -1 << true;
    QTest::newRow("channel beyond the count in use") << 0 << 300 << 1 << 2 << -1 << true;
    QTest::newRow("equal level") << 0 << 3 << 99 << 99 << -1 << false;
}

void tst_channel_strips::storeLevel()
{
    QFETCH(int, scroll);
    QFETCH(int, channel);
    QFETCH(int, stored);
    QFETCH(int, level);
    QFETCH(int, movedStrip);
    QFETCH(bool, written);
    const u32 scene = 9;
    image()[sceneLevel(scene, u32(channel))] = u8(stored);
    admx512_sliders_widget *strips = makeStrips(64);
    strips->setSceneNumber(int(scene));
    strips->scrollBar->setValue(scroll);
    QByteArray expected = levelArea(image(), false);
    expected[int(sceneLevel(scene, u32(channel)) - SceneLevels)] = char(level);
    const QStringList before = shownStrips(*strips);
    QSignalSpy live(strips, &admx512_sliders_widget::liveNewValue);

    strips->sCh(channel, level);
    QVERIFY(levelArea(image(), false) == expected);
    QCOMPARE(live.size(), written ? 1 : 0);
    if (written)
        QCOMPARE(live.first(), QVariantList({int(scene), channel}));
    QStringList after = before;
    if (movedStrip >= 0)
        after[movedStrip] = QStringLiteral("%1=%2").arg(channel + 1).arg(level);
    QCOMPARE(shownStrips(*strips), after);
}

void tst_channel_strips::loadOutsideTheLevelsDoesNothing()
{
    image()[sceneLevel(0, 5)] = 50;
    admx512_sliders_widget *strips = makeStrips(64);
    strips->setSliders(5);
    QCOMPARE(strips->strips[0]->slider->value(), 50);
    for (int first : {503, -1, 600}) {
        strips->setSliders(first);
        QCOMPARE(strips->firstStripChannel, 5);
        QCOMPARE(strips->strips[0]->slider->value(), 50);
    }
    // The last ten channels of a scene can still be loaded.
    image()[sceneLevel(0, 511)] = 61;
    strips->setSliders(502);
    QCOMPARE(strips->strips[9]->slider->value(), 61);
}

void tst_channel_strips::switchingScenesWritesNothing()
{
    for (int channel = 0; channel < 20; ++channel) {
        image()[sceneLevel(1, u32(channel))] = u8(channel * 10);
        image()[sceneLevel(2, u32(channel))] = u8(200 - channel);
    }
    admx512_sliders_widget *strips = makeStrips(64);
    strips->setSliders(0);
    const QByteArray before = levelArea(image(), false);
    QSignalSpy prepared(strips, &admx512_sliders_widget::livePrepareScene);
    QSignalSpy live(strips, &admx512_sliders_widget::liveNewValue);

    for (int scene : {1, 2, 1, 3071}) {
        strips->setSceneNumber(scene);
        QCOMPARE(strips->numberLabel->text(), QString::number(scene + 1));
        QCOMPARE(shownStrips(*strips), expectedStrips(image(), scene, 0));
    }
    QVERIFY(levelArea(image(), false) == before);
    QCOMPARE(live.size(), 0);
    QCOMPARE(prepared.size(), 4);
    QCOMPARE(prepared.last().first().toInt(), 3071);

    // A number outside the scenes is no scene to show.
    strips->setSceneNumber(3072);
    strips->setSceneNumber(-1);
    QCOMPARE(strips->shownNumber, 3071);
    QCOMPARE(prepared.size(), 4);
}

// In the Live working mode a switch sends the whole scene and a moved strip its one channel.
void tst_channel_strips::liveScene()
{
    image()[sceneLevel(6, 2)] = 1;
    admx512_sliders_widget *strips = makeStrips(64);
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeLive);
    strips->setSceneNumber(6);
    const QStringList log = f->bus.logTexts();
    QVERIFY2(log.contains(QStringLiteral("#1 LIVE_SCENE v=1 i=0")), qPrintable(log.join('\n')));
    QVERIFY(!log.join('\n').contains(QStringLiteral("LIVE_CHANNEL")));

    f->reset();
    strips->strips[2]->slider->setValue(0x42);
    QCOMPARE(f->bus.logTexts(), QStringList({"#1 STATUS v=0 i=0 in 8", "#1 LIVE_CHANNEL v=66 i=2"}));
    QCOMPARE(image()[sceneLevel(6, 2)], u8(0x42));
}

void tst_channel_strips::maskInstanceSendsNothing()
{
    admx512_sliders_widget *masks = makeStrips(64, true);
    QVERIFY(f->connectAndReset());
    f->controller->ch_mode(kd620_controller_class::UiModeLive);
    masks->setSceneNumber(200);
    masks->strips[0]->slider->setValue(9);
    masks->sCh(40, 3);
    QCOMPARE(f->bus.logTexts(), QStringList());
    QCOMPARE(image()[maskLevel(200, 0)], u8(9));
    QCOMPARE(image()[maskLevel(200, 40)], u8(3));
    QCOMPARE(image()[sceneLevel(200, 0)], u8(0));

    // A mask number is bounded by the masks, not the scenes.
    masks->setSceneNumber(256);
    QCOMPARE(masks->shownNumber, 200);
}

// A window rebuilt for a language change takes its strips with it.
void tst_channel_strips::theParentOwnsTheStrips()
{
    QPointer<admx512_sliders_widget> strips = makeStrips(64);
    QPointer<admx_slider_widget> first = strips->strips[0];
    QPointer<admx_slider_widget> value = new admx_slider_widget(0, 480, 330, f->tabPage.get());
    f->tabPage.reset();
    QVERIFY(strips.isNull());
    QVERIFY(first.isNull());
    QVERIFY(value.isNull());
}

QTEST_MAIN(tst_channel_strips)
#include "tst_channel_strips.moc"
