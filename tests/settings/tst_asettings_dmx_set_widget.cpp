#include "link/kd620_controller_class.h"
#include "model/dmx_out_channel_settings.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/asettings_dmx_set_widget.h"
#include "tests/support/page_fixture.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The DMX output channel editor: what a stored channel loads as (with its repairs), the
// characteristic and its levels, the limits the boxes put on each other, the events range
// with what it tells the window, and the mark between frames.
class tst_asettings_dmx_set_widget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<page_fixture>();
        editor = new asettings_dmx_set_widget(f->tabPage.get());
    }
    void cleanup()
    {
        editor = nullptr;
        const QStringList problems = page_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void form();
    void clearedChannelLoadsAsLinear();
    void loadingRepairsAndShows_data();
    void loadingRepairsAndShows();
    void characteristicEdits();
    void valuesLimitEachOther();
    void limitsOfTheChannelShownBeforeDoNotStick();
    void selectingBeyondTheChannelsKeepsTheChannel();
    void eventsGenerationOnAndOff();
    void storedRangeLoadsWithoutChanges();
    void rangeFromAFileEndsWithinTheChannels();
    void fromAndToFollowEachOther();
    void typedRangeTakenWhenComplete_data();
    void typedRangeTakenWhenComplete();
    void markBetweenFrames_data();
    void markBetweenFrames();

private:
    std::unique_ptr<page_fixture> f;
    asettings_dmx_set_widget *editor = nullptr;

    u8 *image() { return f->image(); }
    QList<int> storedBytes(u32 channel)
    {
        const dmx_out_channel_settings s = dmx_out_channel_settings::read(image(), channel);
        return {s.minimal, s.maximal, s.hysteresisDown, s.hysteresisUp};
    }
    void storeBytes(u32 channel, const QList<int> &bytes)
    {
        dmx_out_channel_settings s;
        s.minimal = u8(bytes[0]);
        s.maximal = u8(bytes[1]);
        s.hysteresisDown = u8(bytes[2]);
        s.hysteresisUp = u8(bytes[3]);
        s.write(image(), channel);
    }
    QString characteristic() const
    {
        if (editor->radioButtonTriggered->isChecked())
            return QStringLiteral("Triggered");
        if (editor->radioButtonNonLinear->isChecked())
            return QStringLiteral("Non-linear");
        return editor->radioButtonLinear->isChecked() ? QStringLiteral("Linear") : QStringLiteral("none");
    }
    static QList<int> range(const QSpinBox *box) { return {box->minimum(), box->maximum()}; }
    // The events range as stored, 1-based.
    QList<int> storedEventRange()
    {
        return {readU16(image(), image_layout::DmxEventFirstChannel) + 1,
                readU16(image(), image_layout::DmxEventLastChannel) + 1};
    }
};

void tst_asettings_dmx_set_widget::form()
{
    QCOMPARE(editor->objectName(), QStringLiteral("dmxOutputSet"));
    QCOMPARE(editor->size(), QSize(392, 412));
    QCOMPARE(editor->groupBoxTriggered->geometry(), QRect(140, 0, 251, 81));
    QCOMPARE(editor->gbEvGen->geometry(), QRect(0, 260, 251, 81));
    QCOMPARE(editor->gbMbft->geometry(), QRect(0, 350, 251, 51));
    QCOMPARE(editor->sbMbft->geometry(), QRect(140, 20, 101, 22));
    QVERIFY(editor->gbEvGen->isCheckable());
    QCOMPARE(editor->limitLabel->text(), QStringLiteral("Output Channels Limit "));
    QCOMPARE(editor->lbMbft->text(), QStringLiteral("Set MBFT to"));
    QCOMPARE(range(editor->sbFromCh), QList<int>({1, 64}));
    QCOMPARE(range(editor->sbToCh), QList<int>({1, 64}));
    QCOMPARE(range(editor->spinChnlMax), QList<int>({24, 64}));
    QCOMPARE(editor->spinChnlMax->value(), 64);
    QCOMPARE(range(editor->sbMbft), QList<int>({8, 100}));
    QCOMPARE(editor->sbMbft->singleStep(), 2);
    QCOMPARE(editor->sbMbft->suffix(), QString::fromUtf8(" \u00b5s"));
    QCOMPARE(editor->currentChnl, 0);
    // Built, nothing is loaded: the form's Non-linear, and the Triggered group closed.
    QVERIFY(editor->radioButtonNonLinear->isChecked());
    QVERIFY(!editor->groupBoxTriggered->isEnabled());
}

void tst_asettings_dmx_set_widget::clearedChannelLoadsAsLinear()
{
    QSignalSpy changed(editor, &asettings_dmx_set_widget::changed);
    editor->selectChannel(0);
    QCOMPARE(characteristic(), QStringLiteral("Linear"));
    QCOMPARE(editor->spinBoxMin->value(), 0);
    QCOMPARE(editor->spinBoxMax->value(), 255);
    QCOMPARE(editor->spinBoxHDown->text(), QStringLiteral(" "));
    QCOMPARE(editor->spinBoxHUp->text(), QStringLiteral(" "));
    QVERIFY(!editor->groupBoxTriggered->isEnabled());
    QCOMPARE(storedBytes(0), QList<int>({0, 255, 255, 255}));
    QVERIFY(!changed.isEmpty());
    // The cleared configuration's common settings: events off, 20 µs.
    QVERIFY(!editor->gbEvGen->isChecked());
    QCOMPARE(editor->sbMbft->value(), 20);
}

void tst_asettings_dmx_set_widget::loadingRepairsAndShows_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QString>("shownAs");
    QTest::addColumn<QList<int>>("shown");  // min, max, and DOWN, UP when triggered
    QTest::addColumn<QList<int>>("storedAfter");

    QTest::newRow("minimal above maximal") << QList<int>{200, 100, 255, 255} << "Linear" << QList<int>{0, 255}
                                           << QList<int>{0, 255, 255, 255};
    QTest::newRow("minimal equals maximal") << QList<int>{7, 7, 255, 0} << "Non-linear" << QList<int>{0, 255}
                                            << QList<int>{0, 255, 255, 0};
    QTest::newRow("DOWN 120 above UP 80") << QList<int>{10, 20, 120, 80} << "Linear" << QList<int>{10, 20}
                                          << QList<int>{10, 20, 255, 255};
    QTest::newRow("DOWN equals UP") << QList<int>{10, 20, 90, 90} << "Linear" << QList<int>{10, 20}
                                    << QList<int>{10, 20, 255, 255};
    QTest::newRow("any non-zero characteristic") << QList<int>{0, 255, 255, 100} << "Linear" << QList<int>{0, 255}
                                                 << QList<int>{0, 255, 255, 100};
    QTest::newRow("non-linear") << QList<int>{3, 250, 255, 0} << "Non-linear" << QList<int>{3, 250}
                                << QList<int>{3, 250, 255, 0};
    QTest::newRow("triggered") << QList<int>{0, 255, 150, 180} << "Triggered" << QList<int>{0, 255, 150, 180}
                               << QList<int>{0, 255, 150, 180};
    // Levels past the set-up's 199 and 51 still show as stored.
    QTest::newRow("triggered high") << QList<int>{0, 255, 250, 254} << "Triggered" << QList<int>{0, 255, 250, 254}
                                    << QList<int>{0, 255, 250, 254};
    QTest::newRow("triggered low") << QList<int>{0, 255, 1, 2} << "Triggered" << QList<int>{0, 255, 1, 2}
                                   << QList<int>{0, 255, 1, 2};
    // Outside the boxes' ranges: the nearest value shows, the stored level stays.
    QTest::newRow("triggered 0 and 255") << QList<int>{0, 255, 0, 255} << "Triggered" << QList<int>{0, 255, 1, 254}
                                         << QList<int>{0, 255, 0, 255};
}

void tst_asettings_dmx_set_widget::loadingRepairsAndShows()
{
    QFETCH(QList<int>, stored);
    QFETCH(QString, shownAs);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, storedAfter);
    storeBytes(9, stored);
    storeBytes(10, {1, 2, 3, 4});
    editor->selectChannel(9);
    QCOMPARE(editor->currentChnl, 9);
    QCOMPARE(characteristic(), shownAs);
    QList<int> values = {editor->spinBoxMin->value(), editor->spinBoxMax->value()};
    if (shownAs == QLatin1String("Triggered"))
        values << editor->spinBoxHDown->value() << editor->spinBoxHUp->value();
    else
        QCOMPARE(editor->spinBoxHDown->text() + editor->spinBoxHUp->text(), QStringLiteral("  "));
    QCOMPARE(values, shown);
    QCOMPARE(storedBytes(9), storedAfter);
    QCOMPARE(editor->groupBoxTriggered->isEnabled(), shownAs == QLatin1String("Triggered"));
    // Only the channel shown is touched.
    QCOMPARE(storedBytes(10), QList<int>({1, 2, 3, 4}));
    // Loading it again changes nothing more.
    editor->loadChannel();
    QCOMPARE(storedBytes(9), storedAfter);
}

void tst_asettings_dmx_set_widget::characteristicEdits()
{
    editor->selectChannel(4);
    QSignalSpy changed(editor, &asettings_dmx_set_widget::changed);

    editor->radioButtonTriggered->click();
    QCOMPARE(storedBytes(4), QList<int>({0, 255, 50, 200}));
    QVERIFY(editor->groupBoxTriggered->isEnabled());
    QCOMPARE(editor->spinBoxHDown->value(), 50);
    QCOMPARE(editor->spinBoxHUp->value(), 200);
    QVERIFY(!changed.isEmpty());

    editor->spinBoxHDown->setValue(120);
    QCOMPARE(range(editor->spinBoxHUp), QList<int>({121, 254}));
    editor->spinBoxHUp->setValue(254);
    QCOMPARE(range(editor->spinBoxHDown), QList<int>({1, 253}));
    QCOMPARE(storedBytes(4), QList<int>({0, 255, 120, 254}));

    editor->radioButtonLinear->click();
    QCOMPARE(storedBytes(4), QList<int>({0, 255, 255, 255}));
    QVERIFY(!editor->groupBoxTriggered->isEnabled());
    editor->radioButtonNonLinear->click();
    QCOMPARE(storedBytes(4), QList<int>({0, 255, 255, 0}));
    QCOMPARE(editor->spinBoxHDown->text() + editor->spinBoxHUp->text(), QStringLiteral("  "));

    // Triggered again starts from its first levels.
    editor->radioButtonTriggered->click();
    QCOMPARE(storedBytes(4), QList<int>({0, 255, 50, 200}));
}

void tst_asettings_dmx_set_widget::valuesLimitEachOther()
{
    editor->selectChannel(2);
    editor->spinBoxMin->setValue(40);
    QCOMPARE(range(editor->spinBoxMax), QList<int>({41, 255}));
    editor->spinBoxMax->setValue(41);
    QCOMPARE(range(editor->spinBoxMin), QList<int>({0, 40}));
    QCOMPARE(storedBytes(2), QList<int>({40, 41, 255, 255}));
    // The box's own limit holds against a typed value.
    editor->spinBoxMax->setValue(10);
    QCOMPARE(storedBytes(2), QList<int>({40, 41, 255, 255}));
}

void tst_asettings_dmx_set_widget::limitsOfTheChannelShownBeforeDoNotStick()
{
    storeBytes(1, {0, 100, 50, 100});
    storeBytes(2, {150, 200, 150, 180});
    editor->selectChannel(1);
    QCOMPARE(editor->spinBoxMin->maximum(), 99);
    QCOMPARE(editor->spinBoxHDown->maximum(), 99);
    editor->selectChannel(2);
    QCOMPARE(QList<int>({editor->spinBoxMin->value(), editor->spinBoxMax->value(), editor->spinBoxHDown->value(),
                         editor->spinBoxHUp->value()}),
             QList<int>({150, 200, 150, 180}));
    QCOMPARE(storedBytes(1), QList<int>({0, 100, 50, 100}));
    QCOMPARE(storedBytes(2), QList<int>({150, 200, 150, 180}));
}

void tst_asettings_dmx_set_widget::selectingBeyondTheChannelsKeepsTheChannel()
{
    storeBytes(511, {1, 2, 255, 0});
    editor->selectChannel(511);
    editor->selectChannel(512);
    QCOMPARE(editor->currentChnl, 511);
    QCOMPARE(editor->spinBoxMax->value(), 2);
    QCOMPARE(characteristic(), QStringLiteral("Non-linear"));
}

void tst_asettings_dmx_set_widget::eventsGenerationOnAndOff()
{
    editor->selectChannel(0);
    QSignalSpy events(editor, &asettings_dmx_set_widget::dmxOutEventsChanged);
    writeU16(image(), image_layout::DmxEventLastChannel, 0x1234);

    // The user ticks the group: from off, channel 64 alone.
    editor->gbEvGen->setChecked(true);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(63));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(63));
    QCOMPARE(editor->sbFromCh->value(), 64);
    QCOMPARE(editor->sbToCh->value(), 64);
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.takeFirst(), QVariantList({true, 64, 64}));

    editor->gbEvGen->setChecked(false);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(0xFFFF));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(63));
    QCOMPARE(events.takeFirst(), QVariantList({false, 65, 64}));

    // Switched on again with a stored range (as the window does after a read): that range.
    writeU16(image(), image_layout::DmxEventFirstChannel, 4);
    writeU16(image(), image_layout::DmxEventLastChannel, 20);
    editor->eventGenEnable(true);
    QCOMPARE(events.takeFirst(), QVariantList({true, 5, 21}));
    QCOMPARE(editor->sbFromCh->value(), 5);
    QCOMPARE(editor->sbToCh->value(), 21);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(4));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(20));
    // The check box is left to the next load.
    QVERIFY(!editor->gbEvGen->isChecked());
    editor->loadChannel();
    QVERIFY(editor->gbEvGen->isChecked());
}

void tst_asettings_dmx_set_widget::storedRangeLoadsWithoutChanges()
{
    QSignalSpy tab(editor, &asettings_dmx_set_widget::dmxOutTabEnabled);
    QSignalSpy events(editor, &asettings_dmx_set_widget::dmxOutEventsChanged);
    QSignalSpy range(editor, &asettings_dmx_set_widget::dmxOutRangeChanged);
    writeU16(image(), image_layout::DmxEventFirstChannel, 100);
    writeU16(image(), image_layout::DmxEventLastChannel, 300);
    editor->loadChannel();
    QVERIFY(editor->gbEvGen->isChecked());
    // Above the boxes' range they show 64, and the words stay.
    QCOMPARE(editor->sbFromCh->value(), 64);
    QCOMPARE(editor->sbToCh->value(), 64);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(100));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(300));
    QCOMPARE(tab.takeLast(), QVariantList{true});
    QVERIFY(events.isEmpty());
    QVERIFY(range.isEmpty());

    writeU16(image(), image_layout::DmxEventFirstChannel, 512);
    editor->loadChannel();
    QVERIFY(!editor->gbEvGen->isChecked());
    QCOMPARE(tab.takeLast(), QVariantList{false});
    QVERIFY(events.isEmpty());
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(512));
}

void tst_asettings_dmx_set_widget::rangeFromAFileEndsWithinTheChannels()
{
    // A last channel past the DMX output channels would name events beyond their range.
    QSignalSpy events(editor, &asettings_dmx_set_widget::dmxOutEventsChanged);
    for (u16 last : {u16(0xFFFF), u16(512), u16(511)}) {
        writeU16(image(), image_layout::DmxEventFirstChannel, 0);
        writeU16(image(), image_layout::DmxEventLastChannel, last);
        editor->eventGenEnable(true);
        QCOMPARE(events.takeLast(), QVariantList({true, 1, 512}));
        QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), last);
    }
}

void tst_asettings_dmx_set_widget::fromAndToFollowEachOther()
{
    writeU16(image(), image_layout::DmxEventFirstChannel, 0);
    writeU16(image(), image_layout::DmxEventLastChannel, 19);
    editor->loadChannel();
    QSignalSpy range(editor, &asettings_dmx_set_widget::dmxOutRangeChanged);
    QSignalSpy events(editor, &asettings_dmx_set_widget::dmxOutEventsChanged);

    editor->sbFromCh->setValue(30);
    QCOMPARE(editor->sbToCh->value(), 30);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(29));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(29));
    QCOMPARE(range.takeLast(), QVariantList({30, 30}));

    editor->sbToCh->setValue(10);
    QCOMPARE(editor->sbFromCh->value(), 10);
    QCOMPARE(readU16(image(), image_layout::DmxEventFirstChannel), u16(9));
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(9));
    QCOMPARE(range.takeLast(), QVariantList({10, 10}));

    editor->sbToCh->setValue(40);
    QCOMPARE(readU16(image(), image_layout::DmxEventLastChannel), u16(39));
    QCOMPARE(range.takeLast(), QVariantList({10, 40}));
    // The range alone: the events page is not redrawn, its tab not touched.
    QVERIFY(events.isEmpty());
}

void tst_asettings_dmx_set_widget::typedRangeTakenWhenComplete_data()
{
    QTest::addColumn<QList<int>>("stored");  // 1-based, before
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("completion");  // the key that completes each value
    QTest::addColumn<QList<int>>("afterFrom");
    QTest::addColumn<QList<int>>("afterTo");

    QTest::newRow("5 then 10, Return") << QList<int>{1, 64} << "5" << "10" << int(Qt::Key_Return)
                                       << QList<int>{5, 64} << QList<int>{5, 10};
    // To follows From up to 12, no further; From stays at 12 on the way to 20.
    QTest::newRow("12 past To 10, then 20, Return") << QList<int>{1, 10} << "12" << "20" << int(Qt::Key_Return)
                                                    << QList<int>{12, 12} << QList<int>{12, 20};
    QTest::newRow("5 then 10, leaving the boxes") << QList<int>{1, 64} << "5" << "10" << int(Qt::Key_Tab)
                                                  << QList<int>{5, 64} << QList<int>{5, 10};
    QTest::newRow("12 past To 10, then 20, leaving the boxes") << QList<int>{1, 10} << "12" << "20"
                                                               << int(Qt::Key_Tab) << QList<int>{12, 12}
                                                               << QList<int>{12, 20};
    // A complete value still moves the other box as far as the rule needs.
    QTest::newRow("To 3 below From 30") << QList<int>{30, 40} << "30" << "3" << int(Qt::Key_Return)
                                        << QList<int>{30, 40} << QList<int>{3, 3};
    // The arrows take what was typed and step from it.
    QTest::newRow("typed, then the up arrow") << QList<int>{2, 63} << "5" << "10" << int(Qt::Key_Up)
                                              << QList<int>{6, 63} << QList<int>{6, 11};
}

// Typed key by key into the real boxes, a channel is taken once it is complete: the keys
// on the way to it store nothing and never push the other box.
void tst_asettings_dmx_set_widget::typedRangeTakenWhenComplete()
{
    QFETCH(QList<int>, stored);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, completion);
    writeU16(image(), image_layout::DmxEventFirstChannel, u16(stored[0] - 1));
    writeU16(image(), image_layout::DmxEventLastChannel, u16(stored[1] - 1));
    editor->loadChannel();
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowActive(f->tabPage.get()));
    QSignalSpy range(editor, &asettings_dmx_set_widget::dmxOutRangeChanged);

    const auto type = [&](QSpinBox *box, const QString &text) {
        box->setFocus();
        QVERIFY(box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, text);
        QCOMPARE(storedEventRange(), stored);
        QVERIFY(range.isEmpty());
        QTest::keyClick(box, Qt::Key(completion));
        if (completion == Qt::Key_Tab)
            QVERIFY(!box->hasFocus());
        stored = storedEventRange();
        range.clear();
    };
    type(editor->sbFromCh, from);
    if (QTest::currentTestFailed())
        return;
    QTEST(storedEventRange(), "afterFrom");
    QTEST(QList<int>({editor->sbFromCh->value(), editor->sbToCh->value()}), "afterFrom");
    type(editor->sbToCh, to);
    if (QTest::currentTestFailed())
        return;
    QTEST(storedEventRange(), "afterTo");
    QTEST(QList<int>({editor->sbFromCh->value(), editor->sbToCh->value()}), "afterTo");
}

void tst_asettings_dmx_set_widget::markBetweenFrames_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("loadsAs");
    QTest::addColumn<QString>("text");
    QTest::newRow("no delay") << 8 << 0 << 8 << QStringLiteral("no delay");
    QTest::newRow("9 is no delay too") << 9 << 0 << 8 << QStringLiteral("no delay");
    QTest::newRow("10") << 10 << 1 << 10 << QString::fromUtf8("10 \u00b5s");
    QTest::newRow("11") << 11 << 1 << 10 << QString::fromUtf8("10 \u00b5s");
    QTest::newRow("13") << 13 << 3 << 13 << QString::fromUtf8("13 \u00b5s");
    QTest::newRow("20") << 20 << 10 << 20 << QString::fromUtf8("20 \u00b5s");
    QTest::newRow("100") << 100 << 90 << 100 << QString::fromUtf8("100 \u00b5s");
}

void tst_asettings_dmx_set_widget::markBetweenFrames()
{
    QFETCH(int, typed);
    QFETCH(int, code);
    QFETCH(int, loadsAs);
    QFETCH(QString, text);
    writeU16(image(), image_layout::MbftCode, 0x4444);
    editor->sbMbft->setValue(typed == 20 ? 22 : 20);
    editor->sbMbft->setValue(typed);
    QCOMPARE(int(readU16(image(), image_layout::MbftCode)), code);
    editor->sbMbft->setValue(50);
    writeU16(image(), image_layout::MbftCode, u16(code));
    editor->loadChannel();
    QCOMPARE(editor->sbMbft->value(), loadsAs);
    QCOMPARE(editor->sbMbft->text(), text);
    // Loading stores nothing.
    QCOMPARE(int(readU16(image(), image_layout::MbftCode)), code);
    // Whatever is typed, the code stays within 0..90.
    for (int value = 0; value <= 120; ++value)
        QVERIFY(asettings_dmx_set_widget::mbftCodeOf(value) <= 90);
}

QTEST_MAIN(tst_asettings_dmx_set_widget)
#include "tst_asettings_dmx_set_widget.moc"
