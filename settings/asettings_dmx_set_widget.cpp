#include "settings/asettings_dmx_set_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "widgets/page_base.h"

#include <QSignalBlocker>

#include <algorithm>

namespace {

// The channels of the events range as the spin boxes show them (1-based).
constexpr int FirstEventChannel = 1;
constexpr int LastEventChannel = int(image_layout::MaxOutputChannels);
// The highest 0-based channel that has events: a stored range ending above it would name
// events past the DMX output range.
constexpr u16 LastChannelWithEvents = u16(image_layout::ChannelCount - 1);
constexpr u16 EventsOff = 0xFFFF;

// The fixed ranges of the value and level boxes, which a loaded channel starts from.
constexpr int LowestMinimal = 0, HighestMinimal = 254;
constexpr int LowestMaximal = 1, HighestMaximal = 255;
// While triggered: DOWN 1..UP - 1, UP DOWN + 1..254; choosing Triggered starts from these.
constexpr int LowestDown = 1, HighestUp = 254;
constexpr int StartDown = 50, StartUp = 200;

// Mark between frames: code 0 no delay (shown as the spin box's minimum), 1 = 10 µs, n of 2
// or more = n + 10 µs.
constexpr int NoDelayValue = 8;
constexpr int TenMicroseconds = 10;
constexpr u16 HighestMbftCode = 90;

u8 *image()
{
    return currentController->confData;
}

// The stored last channel of the events range, kept within the DMX output channels.
u16 storedLastEventChannel()
{
    return std::min(readU16(image(), image_layout::DmxEventLastChannel), LastChannelWithEvents);
}

bool eventsStoredOn()
{
    return readU16(image(), image_layout::DmxEventFirstChannel) < image_layout::ChannelCount;
}

} // namespace

asettings_dmx_set_widget::asettings_dmx_set_widget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    // A sibling of the page on the tab page: it takes the page's fonts itself.
    setFont(page_base::listFont());
    page_base::useNormalWeight(this);
    currentChnl = 0;
    sbFromCh->setRange(FirstEventChannel, LastEventChannel);
    sbToCh->setRange(FirstEventChannel, LastEventChannel);
    // The range boxes limit each other: a typed channel arrives once it is complete
    // (Return, leaving the box, the arrows). On the way to 10, the 1 typed first must not
    // pull the other box down to it.
    for (QSpinBox *box : {sbFromCh, sbToCh})
        box->setKeyboardTracking(false);
    spinChnlMax->setRange(int(image_layout::MinOutputChannels), int(image_layout::MaxOutputChannels));
    connectSignals();
}

void asettings_dmx_set_widget::connectSignals()
{
    connect(spinBoxMin, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::setMin);
    connect(spinBoxMax, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::setMax);
    connectHysteresis();
    connect(radioButtonLinear, &QRadioButton::toggled, this, &asettings_dmx_set_widget::setLinear);
    connect(radioButtonNonLinear, &QRadioButton::toggled, this, &asettings_dmx_set_widget::setNonLinear);
    connect(radioButtonTriggered, &QRadioButton::toggled, this, &asettings_dmx_set_widget::setTriggered);
    connect(sbMbft, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::setMbft);
    connect(sbFromCh, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::fromChnlChanged);
    connect(sbToCh, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::toChnlChanged);
    connect(gbEvGen, &QGroupBox::toggled, this, &asettings_dmx_set_widget::eventGenEnable);
}

void asettings_dmx_set_widget::connectHysteresis()
{
    if (!histDownConnection)
        histDownConnection =
            connect(spinBoxHDown, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::setHistDown);
    if (!histUpConnection)
        histUpConnection = connect(spinBoxHUp, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::setHistUp);
}

void asettings_dmx_set_widget::disconnectHysteresis()
{
    disconnect(histDownConnection);
    disconnect(histUpConnection);
    histDownConnection = {};
    histUpConnection = {};
}

dmx_out_channel_settings asettings_dmx_set_widget::channel() const
{
    return dmx_out_channel_settings::read(image(), u32(currentChnl));
}

void asettings_dmx_set_widget::store(const dmx_out_channel_settings &settings)
{
    settings.write(image(), u32(currentChnl));
}

// ---------------------------------------------------------------- the channel's values
// Each box limits the other so the minimal value stays below the maximal one, and a level
// box limits the other level so DOWN stays below UP. A limit only ever moves the other
// box's value while a channel is loaded, and the loading sets that value next: the other
// box stays silent meanwhile, so nothing but the final values is stored.

void asettings_dmx_set_widget::setMin(int v)
{
    {
        const QSignalBlocker block(spinBoxMin);
        spinBoxMin->setValue(v);
    }
    {
        const QSignalBlocker block(spinBoxMax);
        spinBoxMax->setMinimum(spinBoxMin->value() + 1);
    }
    dmx_out_channel_settings settings = channel();
    settings.minimal = u8(v);
    store(settings);
    emit changed();
}

void asettings_dmx_set_widget::setMax(int v)
{
    {
        const QSignalBlocker block(spinBoxMax);
        spinBoxMax->setValue(v);
    }
    {
        const QSignalBlocker block(spinBoxMin);
        spinBoxMin->setMaximum(spinBoxMax->value() - 1);
    }
    dmx_out_channel_settings settings = channel();
    settings.maximal = u8(v);
    store(settings);
    emit changed();
}

void asettings_dmx_set_widget::setHistUp(int v)
{
    {
        const QSignalBlocker block(spinBoxHUp);
        spinBoxHUp->setValue(v);
    }
    {
        const QSignalBlocker block(spinBoxHDown);
        spinBoxHDown->setMaximum(spinBoxHUp->value() - 1);
    }
    dmx_out_channel_settings settings = channel();
    settings.hysteresisUp = u8(v);
    store(settings);
    emit changed();
}

void asettings_dmx_set_widget::setHistDown(int v)
{
    {
        const QSignalBlocker block(spinBoxHDown);
        spinBoxHDown->setValue(v);
    }
    {
        const QSignalBlocker block(spinBoxHUp);
        spinBoxHUp->setMinimum(spinBoxHDown->value() + 1);
    }
    dmx_out_channel_settings settings = channel();
    settings.hysteresisDown = u8(v);
    store(settings);
    emit changed();
}

// ---------------------------------------------------------------- the characteristic

void asettings_dmx_set_widget::setLinear(bool on)
{
    if (on)
        setUntriggered(dmx_out_channel_settings::Linear);
}

void asettings_dmx_set_widget::setNonLinear(bool on)
{
    if (on)
        setUntriggered(dmx_out_channel_settings::NonLinear);
}

void asettings_dmx_set_widget::setUntriggered(u8 characteristic)
{
    disconnectHysteresis();
    dmx_out_channel_settings settings = channel();
    settings.hysteresisUp = characteristic;
    settings.hysteresisDown = dmx_out_channel_settings::NotTriggered;
    store(settings);
    // A one-value range at its special (blank) text: the boxes show nothing.
    for (QSpinBox *level : {spinBoxHUp, spinBoxHDown}) {
        level->setSpecialValueText(QStringLiteral(" "));
        level->setRange(1, 1);
    }
    emit changed();
}

void asettings_dmx_set_widget::setTriggered(bool on)
{
    if (!on)
        return;
    for (QSpinBox *level : {spinBoxHUp, spinBoxHDown})
        level->setSpecialValueText(QString());
    spinBoxHUp->setRange(StartDown + 1, HighestUp);
    spinBoxHDown->setRange(LowestDown, StartUp - 1);
    connectHysteresis();
    setHistUp(StartUp);
    setHistDown(StartDown);
    emit changed();
}

// ---------------------------------------------------------------- loading a channel

void asettings_dmx_set_widget::selectChannel(unsigned n)
{
    if (n < image_layout::ChannelCount)
        currentChnl = int(n);
    loadChannel();
}

void asettings_dmx_set_widget::loadChannel()
{
    dmx_out_channel_settings settings = channel();
    if (settings.minimal >= settings.maximal) {
        settings.minimal = 0;
        settings.maximal = 255;
        store(settings);
    }
    showMinMax(settings.minimal, settings.maximal);

    u8 down = settings.hysteresisDown;
    u8 up = settings.hysteresisUp;
    if (down == dmx_out_channel_settings::NotTriggered && up == dmx_out_channel_settings::NonLinear) {
        selectCharacteristic(radioButtonNonLinear, &asettings_dmx_set_widget::setNonLinear);
    } else if (down != dmx_out_channel_settings::NotTriggered && down < up) {
        selectCharacteristic(radioButtonTriggered, &asettings_dmx_set_widget::setTriggered);
    } else {
        if (down != dmx_out_channel_settings::NotTriggered)
            down = up = dmx_out_channel_settings::Linear;  // levels the controller cannot use
        selectCharacteristic(radioButtonLinear, &asettings_dmx_set_widget::setLinear);
    }
    showLevels(down, up);
    loadEventRange();
    loadMbft();
}

void asettings_dmx_set_widget::showMinMax(u8 minimal, u8 maximal)
{
    // Whatever limits the channel shown before left on the boxes, they show these values.
    for (QSpinBox *box : {spinBoxMin, spinBoxMax}) {
        const QSignalBlocker block(box);
        box->setRange(box == spinBoxMin ? LowestMinimal : LowestMaximal,
                      box == spinBoxMin ? HighestMinimal : HighestMaximal);
    }
    setMin(minimal);
    setMax(maximal);
}

void asettings_dmx_set_widget::selectCharacteristic(QRadioButton *button,
                                                    void (asettings_dmx_set_widget::*setUp)(bool))
{
    if (button->isChecked())
        (this->*setUp)(true);
    else
        button->setChecked(true);  // its toggled(true) runs the set-up
}

void asettings_dmx_set_widget::showLevels(u8 down, u8 up)
{
    if (radioButtonTriggered->isChecked()) {
        // Widest ranges first, so the boxes show the stored levels and not the limits the
        // set-up left; a level outside them (DOWN 0, UP 255) shows as the nearest value.
        const QSignalBlocker blockDown(spinBoxHDown);
        const QSignalBlocker blockUp(spinBoxHUp);
        spinBoxHDown->setRange(LowestDown, HighestUp - 1);
        spinBoxHUp->setRange(LowestDown + 1, HighestUp);
    }
    setHistDown(down);
    setHistUp(up);
}

void asettings_dmx_set_widget::loadEventRange()
{
    const QSignalBlocker blockGroup(gbEvGen);
    const QSignalBlocker blockFrom(sbFromCh);
    const QSignalBlocker blockTo(sbToCh);
    const bool on = eventsStoredOn();
    gbEvGen->setChecked(on);
    if (on) {
        sbFromCh->setValue(readU16(image(), image_layout::DmxEventFirstChannel) + 1);
        sbToCh->setValue(storedLastEventChannel() + 1);
    }
    emit dmxOutTabEnabled(on);
}

void asettings_dmx_set_widget::loadMbft()
{
    const QSignalBlocker block(sbMbft);
    sbMbft->setValue(mbftValueOf(readU16(image(), image_layout::MbftCode)));
}

// ---------------------------------------------------------------- events generation

void asettings_dmx_set_widget::fromChnlChanged(int n)
{
    if (sbToCh->value() < n)
        sbToCh->setValue(n);
    writeU16(image(), image_layout::DmxEventFirstChannel, u16(n - 1));
    emit dmxOutRangeChanged(n, sbToCh->value());
}

void asettings_dmx_set_widget::toChnlChanged(int n)
{
    if (sbFromCh->value() > n)
        sbFromCh->setValue(n);
    writeU16(image(), image_layout::DmxEventLastChannel, u16(n - 1));
    emit dmxOutRangeChanged(sbFromCh->value(), n);
}

void asettings_dmx_set_widget::eventGenEnable(bool on)
{
    if (!on) {
        writeU16(image(), image_layout::DmxEventFirstChannel, EventsOff);
        emit dmxOutEventsChanged(false, LastEventChannel + 1, LastEventChannel);
        return;
    }
    int first = 0;
    int last = 0;
    {
        const QSignalBlocker blockFrom(sbFromCh);
        const QSignalBlocker blockTo(sbToCh);
        if (eventsStoredOn()) {
            first = readU16(image(), image_layout::DmxEventFirstChannel) + 1;
            last = storedLastEventChannel() + 1;
            sbFromCh->setValue(first);
            sbToCh->setValue(last);
        } else {
            // Switched on from off: the highest channel alone.
            sbToCh->setValue(sbToCh->maximum());
            sbFromCh->setValue(sbToCh->maximum());
            first = last = sbToCh->maximum();
            writeU16(image(), image_layout::DmxEventFirstChannel, u16(first - 1));
            writeU16(image(), image_layout::DmxEventLastChannel, u16(last - 1));
        }
    }
    emit dmxOutEventsChanged(true, first, last);
}

// ---------------------------------------------------------------- mark between frames

u16 asettings_dmx_set_widget::mbftCodeOf(int value)
{
    // Below 10 µs there is no delay; 10 and 11 are the 10 µs code.
    if (value < TenMicroseconds)
        return 0;
    if (value <= TenMicroseconds + 1)
        return 1;
    return u16(std::min(value - TenMicroseconds, int(HighestMbftCode)));
}

int asettings_dmx_set_widget::mbftValueOf(u16 code)
{
    if (code == 0)
        return NoDelayValue;
    if (code == 1)
        return TenMicroseconds;
    return code + TenMicroseconds;
}

void asettings_dmx_set_widget::setMbft(int v)
{
    writeU16(image(), image_layout::MbftCode, mbftCodeOf(v));
}
