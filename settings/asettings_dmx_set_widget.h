#pragma once

#include "ui_dmxOutputSet.h"

#include <QWidget>

// The editor of the DMX output settings: the number of channels in use and the range of
// channels whose events the controller generates. The per-channel settings are not built
// yet.
class asettings_dmx_set_widget : public QWidget, public Ui::dmxOutputSet
{
    Q_OBJECT

public:
    explicit asettings_dmx_set_widget(QWidget *parent);

public slots:
    // True: the event channel boxes show the stored range (a stored first channel of 512 or
    // more becomes the boxes' maximum, in both words), and DMX output events are offered.
    // False: the events are off (first-channel word 0xFFFF) and no channel is offered.
    void eventGenEnable(bool enable);

signals:
    // The DMX output events page offers channels first..last (1-based; empty when first >
    // last), and its events tab is enabled or not.
    void dmxOutEventsChanged(bool enabled, int first, int last);
    // The number of channels in use changed (stored in the image already).
    void channelLimitChanged(int channels);

private:
    void storeChannelLimit(int channels);
};
