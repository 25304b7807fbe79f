#pragma once

#include "model/dmx_out_channel_settings.h"
#include "ui_dmxOutputSet.h"

#include <QWidget>

// The editor of one DMX output channel (its minimal and maximal value and its
// characteristic: linear, non-linear, or triggered between two hysteresis levels) and of
// what holds for all channels: the number of channels in use, the channels whose On and
// Off events the controller generates, and the mark between frames.
//
// Every edit goes into the image of currentController at once. The channel count is only
// shown here: the DMX output page acts on its spin box. The DMX output events page and its
// tab belong to the main window, which connects the three dmxOut... signals to them.
class asettings_dmx_set_widget : public QWidget, public Ui::dmxOutputSet
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit asettings_dmx_set_widget(QWidget *parent);

    // ============================================================ the channel shown
    // 0..511.
    int currentChnl = 0;

    // Shows channel n (a value of 512 or more keeps the channel shown) and loads it.
    void selectChannel(unsigned n);
    // Shows the current channel and the settings of all channels from the image. A channel
    // whose minimal value is not below its maximal value is stored as 0..255; one whose
    // DOWN level is not below its UP level becomes linear.
    void loadChannel();

    // The mark-between-frames code the spin box's value is stored as (always 0..90), and
    // the value a stored code shows as.
    static u16 mbftCodeOf(int value);
    static int mbftValueOf(u16 code);

public slots:
    // ============================================================ the channel's values
    void setMax(int v);
    void setMin(int v);
    void setHistUp(int v);
    void setHistDown(int v);
    // ============================================================ its characteristic
    void setLinear(bool on);
    void setNonLinear(bool on);
    void setTriggered(bool on);
    // ============================================================ all channels
    // The 1-based range of channels that generate events.
    void fromChnlChanged(int n);
    void toChnlChanged(int n);
    // On: the stored range (or channel 64 alone when events were off) is shown, offered on
    // the DMX output events page and its tab is enabled. Off: the first-channel word
    // becomes 0xFFFF and the tab is disabled. The group box's check is left as it is.
    void eventGenEnable(bool on);
    void setMbft(int v);

signals:
    // A value or the characteristic of the current channel was stored.
    void changed();
    // Events generation was switched: the DMX output events page lists channels
    // first..last (1-based; none when first > last), its tab follows `enabled`, and the
    // page is redrawn when enabled.
    void dmxOutEventsChanged(bool enabled, int first, int last);
    // The range changed while on: the page lists channels first..last from its next redraw.
    void dmxOutRangeChanged(int first, int last);
    // A channel was loaded: the DMX output events tab follows the stored range.
    void dmxOutTabEnabled(bool enabled);

private:
    void connectSignals();
    // The hysteresis boxes write the levels only while the characteristic is Triggered.
    void connectHysteresis();
    void disconnectHysteresis();
    // Linear or non-linear: both levels dropped, their boxes blank.
    void setUntriggered(u8 characteristic);
    void showMinMax(u8 minimal, u8 maximal);
    void selectCharacteristic(QRadioButton *button, void (asettings_dmx_set_widget::*setUp)(bool));
    void showLevels(u8 down, u8 up);
    void loadEventRange();
    void loadMbft();
    // The settings of the current channel, read and written in the image.
    dmx_out_channel_settings channel() const;
    void store(const dmx_out_channel_settings &settings);

    QMetaObject::Connection histDownConnection;
    QMetaObject::Connection histUpConnection;
};
