#pragma once

#include "model/types.h"

#include <QWidget>

class QLabel;
class QScrollBar;
class admx_slider_widget;
class kd620_controller_class;
struct level_set;

// Ten channel strips over the 512 levels of one scene or one mask, a scroll bar that pages
// them over the channels in use, and a caption with the number shown. Levels are read and
// written in place in the configuration image. A scene instance reports every level it
// writes and every scene it switches to, so a controller in the Live working mode follows
// at once; a mask instance reports nothing.
//
// Like a strip, the object is a hidden child of the parent it places its controls on.
class admx512_sliders_widget : public QWidget
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    // channelCount (24..64) sets the scroll range until the page changes it.
    admx512_sliders_widget(kd620_controller_class *controller, int channelCount, QWidget *parent, bool isMask);

    static constexpr int StripCount = 10;
    static constexpr int StripSpacing = 60;

    // --- The levels it shows --------------------------------------------------------------
    u8 *levels;                 // levels of number 0 of its kind; number n at + 512 n
    int firstStripChannel = 0;  // 0-based channel of the first strip, 0..502
    int shownNumber = 0;        // 0-based scene or mask shown
    kd620_controller_class *controller;

    // --- Widgets --------------------------------------------------------------------------
    QWidget *captionPanel = nullptr;
    QLabel *captionLabel = nullptr;
    QLabel *numberLabel = nullptr;
    admx_slider_widget *strips[StripCount] = {};
    QScrollBar *scrollBar = nullptr;  // the page sets its maximum to the channel count - 10

signals:
    void livePrepareScene(int number);
    void liveNewValue(int number, int channel);

public slots:
    // Stores a level of the shown number (0-based channel) when it differs.
    void sCh(int channel, int level);
    // Shows another number (0-based); in the Live mode the controller shows it too while
    // the strips are shown (or will be when their window is).
    void setSceneNumber(int number);
    // Loads the strips from the 0-based first channel; outside 0..502 nothing happens.
    void setSliders(int first);

private:
    const level_set &kind;
    u8 &level(int channel) const;
};
