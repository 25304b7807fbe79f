#include "scenes/admx_slider_widget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpacerItem>
#include <QSpinBox>

namespace {

constexpr int MaxLevel = 255;
constexpr int TickInterval = 10;

QSpacerItem *centringSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

admx_slider_widget::admx_slider_widget(int channel, int x, int y, QWidget *parent)
    : QWidget(parent)
    , baseChannel(channel)
    , channel(channel)
{
    hide();  // the panel is what shows

    stripLabel = new QLabel(labelText());
    slider = new QSlider(Qt::Vertical);
    slider->setRange(0, MaxLevel);
    slider->setValue(0);
    slider->setTickPosition(QSlider::TicksRight);
    slider->setTickInterval(TickInterval);
    slider->setSingleStep(1);
    slider->setFocusPolicy(Qt::StrongFocus);
    spinBox = new QSpinBox;
    spinBox->setRange(0, MaxLevel);
    spinBox->setSingleStep(1);
    spinBox->setValue(0);

    panel = new QWidget(parent);
    panel->setGeometry(x, y, PanelWidth, PanelHeight);
    auto *column = new QVBoxLayout(panel);
    auto *labelRow = new QHBoxLayout;
    labelRow->addItem(centringSpacer());
    labelRow->addWidget(stripLabel);
    labelRow->addItem(centringSpacer());
    column->addLayout(labelRow);
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addWidget(slider);
    column->addLayout(sliderRow);
    column->addWidget(spinBox);

    // Either control moves the other; the level is reported once, from the slider.
    connect(slider, &QSlider::valueChanged, spinBox, &QSpinBox::setValue);
    connect(spinBox, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    connect(slider, &QSlider::valueChanged, this, &admx_slider_widget::emitChannelChanges);
}

admx_slider_widget::~admx_slider_widget() = default;

void admx_slider_widget::setChannel(int offset)
{
    channel = baseChannel + offset;
    stripLabel->setText(labelText());
}

void admx_slider_widget::emitChannelChanges(int level)
{
    emit chValCh(channel - 1, level);
}

QString admx_slider_widget::labelText() const
{
    return channel == 0 ? tr("Value") : QStringLiteral("%1").arg(channel);
}
