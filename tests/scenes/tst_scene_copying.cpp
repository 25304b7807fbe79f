#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/admx_slider_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

using namespace image_layout;

namespace {

// Marks every scene or mask of an image with its own levels, times and description, so a
// copy shows which number ended where.
u8 markLevel(int number, int channel)
{
    return u8((number * 7 + channel * 3 + 1) & 0xFF);
}

void markAll(kd620_controller_class &c, bool masks, int salt = 0)
{
    const int count = masks ? int(MaskCount) : int(SceneCount);
    for (int n = 0; n < count; ++n) {
        const u32 levels = masks ? maskLevel(u32(n), 0) : sceneLevel(u32(n), 0);
        for (int channel = 0; channel < int(ChannelCount); ++channel)
            c.confData[levels + u32(channel)] = u8(markLevel(n + salt, channel));
        const u32 times = masks ? maskTimes(u32(n)) : sceneTimes(u32(n));
        scene_times_record{u16(n + salt), u16(1000 + n + salt), u16(2000 + n + salt), u16(0xA000 + n)}.write(c.confData,
                                                                                                           times);
        (masks ? c.maskDescs[size_t(n)] : c.sceneDescs[size_t(n)]) =
            QStringLiteral("%1 %2").arg(masks ? "mask" : "scene").arg(n + 1 + salt);
    }
}

struct number_state {
    QByteArray levels;
    scene_times_record times;
    QString description;
};

number_state stateOf(const kd620_controller_class &c, bool masks, int n)
{
    const u32 levels = masks ? maskLevel(u32(n), 0) : sceneLevel(u32(n), 0);
    const u32 times = masks ? maskTimes(u32(n)) : sceneTimes(u32(n));
    return {QByteArray(reinterpret_cast<const char *>(c.confData + levels), int(ChannelCount)),
            scene_times_record::read(c.confData, times), masks ? c.maskDescs[size_t(n)] : c.sceneDescs[size_t(n)]};
}

using copy_map = std::map<int, int>;  // 1-based destination -> 1-based source

} // namespace

Q_DECLARE_METATYPE(copy_map)

class tst_scene_copying : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls();
    void copyWithin_data();
    void copyWithin();
    void rangesStayOrdered();
    void copyingTabShowsTheSource();
    void anotherConfiguration_data();
    void anotherConfiguration();
    void failedOpenLeavesNothingToCopy();
    void browse_data();
    void browse();
    void clearedOtherConfiguration();
    void pageTakesItsConfigurationAlong();
    void relocation_data();
    void relocation();
    void enableBoxesExcludeEachOther();
    void oneTemporaryConfigurationInTheWindow();

private:
    level_settings_page *makePage(bool masks);
    QString writeOtherFile(bool masks);
    std::unique_ptr<page_fixture> f;
    level_settings_page *page = nullptr;
    QTemporaryDir dir;
};

void tst_scene_copying::init()
{
    f = std::make_unique<page_fixture>();
}

void tst_scene_copying::cleanup()
{
    page = nullptr;
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

level_settings_page *tst_scene_copying::makePage(bool masks)
{
    if (masks)
        page = new amask_settings_widget(f->controller.get(), f->tabPage.get());
    else
        page = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    return page;
}

// Another configuration, written by our own writer: every number marked with a salt of 500.
QString tst_scene_copying::writeOtherFile(bool masks)
{
    kd620_controller_class other;
    markAll(other, masks, 500);
    const QString path = dir.filePath(QStringLiteral("other.cfg625"));
    other.write_confDataToFile(path, false);
    f->ui.clear();
    return path;
}

void tst_scene_copying::controls()
{
    makePage(false);
    QCOMPARE(page->copyFrom->maximum(), 3072);
    QCOMPARE(page->altTo->maximum(), 3072);
    QCOMPARE(page->copyFrom->value(), 1);
    QVERIFY(page->sourceDescEdit->isReadOnly());
    QVERIFY(!page->altCopyButton->isEnabled());
    QVERIFY(page->altOpenButton->isEnabled());
    QVERIFY(!page->copyEnableBox->isChecked());
    QVERIFY(!page->relocationSpin->isEnabled());
    QVERIFY(!page->groupCopyButton->isEnabled());
    QCOMPARE(page->relocationSpin->minimum(), 1);
    QCOMPARE(page->relocationSpin->maximum(), 511);
    page->copyEnableBox->setChecked(true);
    QVERIFY(page->relocationSpin->isEnabled());
    QVERIFY(page->groupCopyButton->isEnabled());

    page = nullptr;
    f->tabPage = std::make_unique<QWidget>();
    makePage(true);
    QCOMPARE(page->copyFrom->maximum(), 256);
    QCOMPARE(page->altFrom->maximum(), 256);
}

void tst_scene_copying::copyWithin_data()
{
    QTest::addColumn<bool>("masks");
    QTest::addColumn<int>("current");  // 1-based
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("channels");
    QTest::addColumn<copy_map>("copies");
    QTest::addColumn<bool>("useless");

    QTest::newRow("onto its own first source") << false << 2 << 2 << 5 << 64 << copy_map{} << true;
    // One at a time, each read just before it is written: overwritten scenes pass on.
    QTest::newRow("overlapping passes on") << false << 3 << 2 << 5 << 64 << copy_map{{3, 2}, {4, 2}, {5, 2}, {6, 2}}
                                           << false;
    QTest::newRow("downwards") << false << 1 << 5 << 7 << 64 << copy_map{{1, 5}, {2, 6}, {3, 7}} << false;
    QTest::newRow("only the first source is compared") << false << 3 << 1 << 3 << 64
                                                       << copy_map{{3, 1}, {4, 2}, {5, 1}} << false;
    QTest::newRow("stops at 3072") << false << 3070 << 1 << 10 << 64 << copy_map{{3070, 1}, {3071, 2}, {3072, 3}}
                                   << false;
    QTest::newRow("24 channels in use") << false << 10 << 1 << 1 << 24 << copy_map{{10, 1}} << false;
    QTest::newRow("masks: onto its own first source") << true << 4 << 4 << 4 << 64 << copy_map{} << true;
    QTest::newRow("masks 1..3 onto 10") << true << 10 << 1 << 3 << 64 << copy_map{{10, 1}, {11, 2}, {12, 3}} << false;
    QTest::newRow("masks stop at 256") << true << 255 << 7 << 9 << 32 << copy_map{{255, 7}, {256, 8}} << false;
}

void tst_scene_copying::copyWithin()
{
    QFETCH(bool, masks);
    QFETCH(int, current);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, channels);
    QFETCH(copy_map, copies);
    QFETCH(bool, useless);
    kd620_controller_class &c = *f->controller;
    markAll(c, masks);
    const int count = masks ? 256 : 3072;
    std::vector<number_state> before;
    for (int n = 0; n < count; ++n)
        before.push_back(stateOf(c, masks, n));
    makePage(masks);
    page->limitChnls(channels);
    page->sceneTable->setCurrentCell(current - 1, 0);
    page->copyFrom->setValue(from);
    page->copyTo->setValue(to);
    page->copySceneButton->click();

    if (useless) {
        QCOMPARE(f->ui.messageTitles(), QStringList({"Useless action!"}));
        QCOMPARE(f->ui.messages.first().text,
                 masks ? QStringLiteral("Choose different source mask!") : QStringLiteral("Choose different source scene!"));
        QCOMPARE(f->ui.messages.first().icon, message_icon::Information);
        QCOMPARE(f->ui.messages.first().parentWidget.data(), &f->window.window);
    } else {
        QCOMPARE(f->ui.messages.size(), 0);
    }
    for (int n = 0; n < count; ++n) {
        const number_state now = stateOf(c, masks, n);
        const auto copy = copies.find(n + 1);
        if (copy == copies.end()) {
            QVERIFY2(now.levels == before[size_t(n)].levels, qPrintable(QString::number(n + 1)));
            QCOMPARE(now.description, before[size_t(n)].description);
            continue;
        }
        const number_state &source = before[size_t(copy->second - 1)];
        const number_state &old = before[size_t(n)];
        // The channels in use come from the source, the others stay.
        QCOMPARE(now.levels.left(channels), source.levels.left(channels));
        QCOMPARE(now.levels.mid(channels), old.levels.mid(channels));
        QCOMPARE(now.times.fadeUp, source.times.fadeUp);
        QCOMPARE(now.times.fadeDown, source.times.fadeDown);
        // A mask keeps its duration; neither kind's fourth word is touched.
        QCOMPARE(now.times.duration, masks ? old.times.duration : source.times.duration);
        QCOMPARE(now.times.reserved, old.times.reserved);
        QCOMPARE(now.description, source.description);
    }
    // The list shows the copied descriptions; the page still shows its current number.
    QCOMPARE(page->currentScene, current - 1);
    QCOMPARE(page->sceneTable->item(current - 1, 0)->text(), stateOf(c, masks, current - 1).description);
    QCOMPARE(page->descEdit->text(), stateOf(c, masks, current - 1).description);
}

void tst_scene_copying::rangesStayOrdered()
{
    markAll(*f->controller, false);
    makePage(false);
    page->copyTo->setValue(5);
    page->copyFrom->setValue(9);
    QCOMPARE(page->copyTo->minimum(), 9);
    QCOMPARE(page->copyTo->value(), 9);
    QCOMPARE(page->sourceDescEdit->text(), QStringLiteral("scene 9"));
    page->copyFrom->setValue(3);
    QCOMPARE(page->copyTo->value(), 9);

    page->altFrom->setValue(20);
    QCOMPARE(page->altTo->value(), 20);
    // Without another configuration there is no description to show for it.
    QCOMPARE(page->sourceDescEdit->text(), QStringLiteral("scene 3"));
}

void tst_scene_copying::copyingTabShowsTheSource()
{
    makePage(true);
    page->copyFrom->setValue(4);
    f->controller->maskDescs[3] = QStringLiteral("changed since");
    page->sceneTabs->setCurrentIndex(level_settings_page::GrouppedChannelsTab);
    QCOMPARE(page->sourceDescEdit->text(), QString());
    page->sceneTabs->setCurrentIndex(level_settings_page::CopyingTab);
    QCOMPARE(page->sourceDescEdit->text(), QStringLiteral("changed since"));
}

void tst_scene_copying::anotherConfiguration_data()
{
    QTest::addColumn<bool>("masks");
    QTest::newRow("scenes") << false;
    QTest::newRow("masks") << true;
}

// A file written by our writer, opened and copied from: the window goes on editing (and
// naming) the configuration it started with.
void tst_scene_copying::anotherConfiguration()
{
    QFETCH(bool, masks);
    const QString path = writeOtherFile(masks);
    kd620_controller_class *current = f->controller.get();
    markAll(*current, masks);
    makePage(masks);
    page->altFrom->setValue(2);
    page->altFileEdit->setText(path);
    page->altOpenButton->click();

    QVERIFY(page->tmpDev);
    QVERIFY(page->tmpDev != current);
    QCOMPARE(currentController, current);
    QVERIFY(page->altCopyButton->isEnabled());
    QCOMPARE(f->window.temporaryReleases, 1);
    QCOMPARE(f->ui.messageTexts(), QStringList({"Data read from file\n    successful!"}));
    QCOMPARE(f->ui.windowTitles, QStringList());
    QCOMPARE(page->altTo->minimum(), 2);
    QCOMPARE(page->sourceDescEdit->text(), masks ? QStringLiteral("mask 502") : QStringLiteral("scene 502"));

    page->sceneTable->setCurrentCell(4, 0);
    page->altTo->setValue(3);
    page->altCopyButton->click();
    QCOMPARE(stateOf(*current, masks, 4).description, QStringLiteral("%1 502").arg(masks ? "mask" : "scene"));
    QCOMPARE(stateOf(*current, masks, 5).levels.left(64), stateOf(*page->tmpDev, masks, 2).levels.left(64));
    QCOMPARE(stateOf(*current, masks, 6).description, QStringLiteral("%1 7").arg(masks ? "mask" : "scene"));
    QCOMPARE(stateOf(*current, masks, 5).times.fadeUp, u16(502));
    // The other configuration is untouched by the copy; the current one kept its own other
    // numbers.
    QCOMPARE(stateOf(*page->tmpDev, masks, 4).description, QStringLiteral("%1 505").arg(masks ? "mask" : "scene"));

    // Release: nothing to copy, the file name stays; Open reads it again into a new object.
    page->altReleaseButton->click();
    QVERIFY(!page->tmpDev);
    QVERIFY(!page->altCopyButton->isEnabled());
    QCOMPARE(page->altFileEdit->text(), path);
    page->altOpenButton->click();
    QVERIFY(page->tmpDev);
    QVERIFY(page->altCopyButton->isEnabled());
    QCOMPARE(currentController, current);
}

// A file that cannot be read: the reader says why, once; nothing is left to copy from, not
// even the file read before.
void tst_scene_copying::failedOpenLeavesNothingToCopy()
{
    const QString path = writeOtherFile(false);
    makePage(false);
    page->altFileEdit->setText(path);
    page->altOpenButton->click();
    QVERIFY(page->altCopyButton->isEnabled());
    f->ui.clear();

    page->altFileEdit->setText(dir.filePath(QStringLiteral("missing.cfg625")));
    page->altOpenButton->click();
    QCOMPARE(f->ui.messages.size(), 1);
    QCOMPARE(f->ui.messages.first().icon, message_icon::Critical);
    QCOMPARE(f->ui.messages.first().text, QStringLiteral("Data read from file\n       failed!\n\nFile corrupted."));
    QCOMPARE(f->ui.windowTitles, QStringList());
    QVERIFY(!page->tmpDev);
    QVERIFY(!page->altCopyButton->isEnabled());
    const QByteArray before(reinterpret_cast<const char *>(f->image()), int(ImageSize));
    page->copyAltScene();
    QVERIFY(before == QByteArray(reinterpret_cast<const char *>(f->image()), int(ImageSize)));
}

void tst_scene_copying::browse_data()
{
    QTest::addColumn<bool>("masks");
    QTest::addColumn<QString>("filter");
    QTest::newRow("scenes") << false << "Varidex 620 project/config files (*.kdg;*.cfg;*.cfg620);;All files (*)";
    QTest::newRow("masks") << true << "Varidex 620 project/config files (*.kdg;*.cfg);;All files (*)";
}

void tst_scene_copying::browse()
{
    QFETCH(bool, masks);
    QFETCH(QString, filter);
    const QString path = writeOtherFile(masks);
    makePage(masks);

    // Cancelled: nothing read.
    page->altBrowseButton->click();
    QCOMPARE(f->ui.fileCaptions, QStringList({"Choose a project description file for Kd620 controller"}));
    QCOMPARE(f->ui.openFileDirs, QStringList({"./"}));
    QCOMPARE(f->ui.openFileFilters, QStringList({filter}));
    QVERIFY(!page->tmpDev);
    QCOMPARE(page->altFileEdit->text(), QString());

    f->ui.fileAnswers.enqueue(path);
    page->altBrowseButton->click();
    QCOMPARE(page->altFileEdit->text(), path);
    QVERIFY(page->tmpDev);
    QVERIFY(page->altCopyButton->isEnabled());
    // The next dialog starts at the file chosen.
    page->altBrowseButton->click();
    QCOMPARE(f->ui.openFileDirs.last(), path);
    QVERIFY(page->tmpDev);
}

void tst_scene_copying::clearedOtherConfiguration()
{
    const QString path = writeOtherFile(false);
    makePage(false);
    page->altFileEdit->setText(path);
    page->altOpenButton->click();
    QVERIFY(!page->sourceDescEdit->text().isEmpty());
    kd620_controller_class *other = page->tmpDev;
    page->clrCfg();
    QCOMPARE(page->tmpDev, other);
    QVERIFY(!page->altCopyButton->isEnabled());
    QCOMPARE(page->sourceDescEdit->text(), QString());
    QCOMPARE(other->sceneDescs[1], QString());
    QCOMPARE(other->confData[sceneLevel(1, 0)], u8(0));
}

// The page owns its other configuration: it goes with the page (a rebuilt window keeps none).
void tst_scene_copying::pageTakesItsConfigurationAlong()
{
    const QString path = writeOtherFile(true);
    makePage(true);
    page->altFileEdit->setText(path);
    page->altOpenButton->click();
    QPointer<kd620_controller_class> other = page->tmpDev;
    QVERIFY(other);
    page = nullptr;
    f->tabPage.reset();
    QVERIFY(other.isNull());
    QCOMPARE(currentController, f->controller.get());
}

void tst_scene_copying::relocation_data()
{
    QTest::addColumn<bool>("masks");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("distance");
    QTest::addColumn<QList<int>>("checked");        // 1-based
    QTest::addColumn<QList<QList<int>>>("expected");  // {channel, the old level of channel}

    // A channel that received a level earlier in the run passes it on.
    QTest::newRow("1 and 2 by 1") << false << 64 << 1 << QList<int>{1, 2} << QList<QList<int>>{{2, 1}, {3, 1}};
    QTest::newRow("beyond the count stays") << false << 24 << 20 << QList<int>{4, 5}
                                            << QList<QList<int>>{{24, 4}, {25, 25}};
    QTest::newRow("masks") << true << 64 << 10 << QList<int>{1, 30} << QList<QList<int>>{{11, 1}, {40, 30}, {2, 2}};
}

void tst_scene_copying::relocation()
{
    QFETCH(bool, masks);
    QFETCH(int, channels);
    QFETCH(int, distance);
    QFETCH(QList<int>, checked);
    QFETCH(QList<QList<int>>, expected);
    markAll(*f->controller, masks);
    makePage(masks);
    page->limitChnls(channels);
    page->sceneTable->setCurrentCell(6, 0);
    for (int channel : checked)
        page->channelBox(channel - 1)->setCheckState(Qt::Checked);
    page->copyEnableBox->setChecked(true);
    page->relocationSpin->setValue(distance);
    page->groupCopyButton->click();
    const u32 levels = masks ? maskLevel(6, 0) : sceneLevel(6, 0);
    for (const QList<int> &pair : expected)
        QCOMPARE(int(f->image()[levels + u32(pair[0] - 1)]), int(markLevel(6, pair[1] - 1)));
    // Only the current number changed, and a strip showing a copied channel moved.
    QCOMPARE(int(f->image()[(masks ? maskLevel(5, 0) : sceneLevel(5, 0)) + u32(expected[0][0] - 1)]),
             int(markLevel(5, expected[0][0] - 1)));
    QCOMPARE(page->sliders->strips[0]->slider->value(), int(f->image()[levels]));
}

void tst_scene_copying::enableBoxesExcludeEachOther()
{
    makePage(false);
    page->valueEnableBox->setChecked(true);
    page->copyEnableBox->setChecked(true);
    QVERIFY(!page->valueEnableBox->isChecked());
    QVERIFY(!page->valueStrip->slider->isEnabled());
    QVERIFY(page->groupCopyButton->isEnabled());
    page->valueEnableBox->setChecked(true);
    QVERIFY(!page->copyEnableBox->isChecked());
    QVERIFY(!page->groupCopyButton->isEnabled());
    QVERIFY(!page->relocationSpin->isEnabled());
    QVERIFY(page->valueStrip->slider->isEnabled());
    page->valueEnableBox->setChecked(false);
    QVERIFY(!page->copyEnableBox->isChecked());
}

// In the window, opening a file on the mask page releases the scene page's, and the
// configuration saved afterwards is still the one the window started with.
void tst_scene_copying::oneTemporaryConfigurationInTheWindow()
{
    const QString path = writeOtherFile(false);
    page = nullptr;
    f.reset();
    auto w = std::make_unique<main_window_fixture>();
    w->controller->sceneDescs[0] = QStringLiteral("our own");
    ascene_settings_widget *scenes = w->window->scenePage;
    amask_settings_widget *masks = w->window->maskPage;
    scenes->altFileEdit->setText(path);
    scenes->altOpenButton->click();
    QVERIFY(scenes->tmpDev);
    QVERIFY(scenes->altCopyButton->isEnabled());

    masks->altFileEdit->setText(path);
    masks->altOpenButton->click();
    QVERIFY(!scenes->tmpDev);
    QVERIFY(!scenes->altCopyButton->isEnabled());
    QVERIFY(masks->tmpDev);
    QVERIFY(masks->altCopyButton->isEnabled());
    QCOMPARE(currentController, w->controller.get());

    const QString saved = dir.filePath(QStringLiteral("saved.cfg625"));
    w->controller->write_confDataToFile(saved, false);
    kd620_controller_class reread;
    QCOMPARE(reread.read_confDataFromFile(saved), 0);
    QCOMPARE(reread.sceneDescs[0], QStringLiteral("our own"));
    const QStringList problems = main_window_fixture::tearDown(w);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    f = std::make_unique<page_fixture>();
}

QTEST_MAIN(tst_scene_copying)
#include "tst_scene_copying.moc"
