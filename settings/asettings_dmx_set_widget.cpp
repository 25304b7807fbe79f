#include "settings/asettings_dmx_set_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QSignalBlocker>

asettings_dmx_set_widget::asettings_dmx_set_widget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(spinChnlMax, &QSpinBox::valueChanged, this, &asettings_dmx_set_widget::storeChannelLimit);
}

void asettings_dmx_set_widget::storeChannelLimit(int channels)
{
    writeU16(currentController->confData, image_layout::OutputChannelLimit, u16(channels));
    emit channelLimitChanged(channels);
}

void asettings_dmx_set_widget::eventGenEnable(bool enable)
{
    u8 *image = currentController->confData;
    if (!enable) {
        writeU16(image, image_layout::DmxEventFirstChannel, 0xFFFF);
        emit dmxOutEventsChanged(false, 65, 64);
        return;
    }
    const QSignalBlocker blockFirst(spinEvFirst);
    const QSignalBlocker blockLast(spinEvLast);
    if (readU16(image, image_layout::DmxEventFirstChannel) >= image_layout::ChannelCount) {
        const u16 last = u16(spinEvFirst->maximum() - 1);
        writeU16(image, image_layout::DmxEventFirstChannel, last);
        writeU16(image, image_layout::DmxEventLastChannel, last);
    }
    spinEvFirst->setValue(readU16(image, image_layout::DmxEventFirstChannel) + 1);
    spinEvLast->setValue(readU16(image, image_layout::DmxEventLastChannel) + 1);
    emit dmxOutEventsChanged(true, spinEvFirst->value(), spinEvLast->value());
}
