#include "settings/monitor/btn_lbl.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

namespace {

constexpr int ButtonHeight = 21;

} // namespace

btn_lbl::btn_lbl(QWidget *parent)
    : QWidget(parent)
{
    label = new QLabel(this);
    button = new QPushButton(tr("Descr."), this);
    button->setCheckable(true);
    // The title shows in the disabled colours.
    label->setEnabled(false);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(3);
    QPalette background = palette();
    background.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(243, 228, 186)));
    setPalette(background);
    setAutoFillBackground(true);
    connect(button, &QPushButton::toggled, this, &btn_lbl::changeState);
}

btn_lbl::~btn_lbl()
{
    delete label;
    delete button;
}

void btn_lbl::changeState(bool on)
{
    showDescriptions = on;
}

QRect btn_lbl::labelGeometry(const QSize &size)
{
    return QRect(0, 0, size.width() - 2, size.height() - ButtonHeight - 3);
}

void btn_lbl::resizeEvent(QResizeEvent *event)
{
    const int w = event->size().width();
    const int h = event->size().height();
    label->setGeometry(labelGeometry(event->size()));
    button->setGeometry(0, h - ButtonHeight - 2, w - 2, ButtonHeight);
    QWidget::resizeEvent(event);
}
