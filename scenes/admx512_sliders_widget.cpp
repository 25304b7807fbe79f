#include "scenes/admx512_sliders_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "scenes/admx_slider_widget.h"
#include "scenes/level_set.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>

namespace {

constexpr int LastFirstChannel = int(image_layout::ChannelCount) - admx512_sliders_widget::StripCount;
constexpr int MaxLevel = 255;

} // namespace

admx512_sliders_widget::admx512_sliders_widget(kd620_controller_class *controller, int channelCount, QWidget *parent,
                                               bool isMask)
    : QWidget(parent)
    , controller(controller)
    , kind(isMask ? level_set::masks() : level_set::scenes())
{
    hide();  // its controls show on the parent
    levels = kind.levels(controller->confData, 0);

    auto *stripPanel = new QWidget(parent);
    stripPanel->setGeometry(20, 150, 1000, admx_slider_widget::PanelHeight);
    for (int i = 0; i < StripCount; ++i)
        strips[i] = new admx_slider_widget(i + 1, StripSpacing * i, 0, stripPanel);

    scrollBar = new QScrollBar(Qt::Horizontal, parent);
    scrollBar->setGeometry(30, 350, 587, 20);
    scrollBar->setMaximum(channelCount - StripCount);
    scrollBar->setMinimum(0);
    scrollBar->setSingleStep(1);
    scrollBar->setSliderPosition(0);

    captionPanel = new QWidget(parent);
    captionPanel->setGeometry(280, 30, 88, 31);
    auto *captionRow = new QHBoxLayout(captionPanel);
    captionRow->setSpacing(6);
    // The texts keep off the panel's edges as they keep off a neighbour.
    captionRow->setContentsMargins(2, 0, 2, 0);
    captionLabel = new QLabel(isMask ? tr("Mask") : tr("Scene: "));
    numberLabel = new QLabel(QString::number(shownNumber + 1));
    captionRow->addWidget(captionLabel);
    captionRow->addWidget(numberLabel);

    // Every strip takes its new channel before setSliders moves it, so a scroll never
    // writes the newly shown levels into the channels shown before.
    for (admx_slider_widget *strip : strips) {
        connect(scrollBar, &QScrollBar::valueChanged, strip, &admx_slider_widget::setChannel);
        connect(strip, &admx_slider_widget::chValCh, this, &admx512_sliders_widget::sCh);
    }
    connect(scrollBar, &QScrollBar::valueChanged, this, &admx512_sliders_widget::setSliders);
    if (kind.live) {
        connect(this, &admx512_sliders_widget::liveNewValue, controller, &kd620_controller_class::send_new_val);
        connect(this, &admx512_sliders_widget::livePrepareScene, controller, &kd620_controller_class::send_sc_prep);
    }
}

u8 &admx512_sliders_widget::level(int channel) const
{
    return levels[image_layout::ChannelCount * u32(shownNumber) + u32(channel)];
}

void admx512_sliders_widget::sCh(int channel, int level)
{
    if (channel < 0 || channel >= int(image_layout::ChannelCount))
        return;
    level = qBound(0, level, MaxLevel);
    u8 &stored = this->level(channel);
    if (stored == level)
        return;
    stored = u8(level);
    emit liveNewValue(shownNumber, channel);
    // A strip that shows the channel follows; its report finds the level stored already.
    if (channel >= firstStripChannel && channel < firstStripChannel + StripCount)
        strips[channel - firstStripChannel]->slider->setValue(level);
}

void admx512_sliders_widget::setSceneNumber(int number)
{
    if (!kind.contains(number))
        return;
    // The number changes first: the strips' reports while they reload then compare against
    // the new number's levels and write nothing.
    shownNumber = number;
    numberLabel->setText(QString::number(number + 1));
    setSliders(scrollBar->sliderPosition());
    // Strips behind another tab show nothing on the stage: the scene there is the shown
    // page's. (This widget itself stays hidden: its controls are its parent's.)
    if (scrollBar->isVisibleTo(window()))
        emit livePrepareScene(number);
}

void admx512_sliders_widget::setSliders(int first)
{
    if (first < 0 || first > LastFirstChannel)
        return;
    firstStripChannel = first;
    for (int i = 0; i < StripCount; ++i)
        strips[i]->slider->setValue(level(first + i));
}
