#include "settings/monitor/dmx_value_class.h"

#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "settings/monitor/monitor_fonts.h"

#include <QMouseEvent>
#include <QToolTip>

QList<QPalette> dmx_value_class::makeValuePalettes()
{
    QList<QPalette> palettes;
    for (int i = 0; i < PaletteCount; ++i) {
        QPalette palette;
        palette.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(192 + i, 192 + i, 255 - i)));
        palettes << palette;
    }
    return palettes;
}

dmx_value_class::dmx_value_class(int channel, const QList<QPalette> *palettes, QWidget *parent)
    : QLabel(parent)
    , channel(channel)
    , palettes(palettes)
{
    setAutoFillBackground(true);
    setFont(monitorCellFont());
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Window);
}

void dmx_value_class::showValue(int value)
{
    value = qBound(0, value, 255);
    if (value == lastValue)
        return;
    setPalette(palettes->at(value / 4));
    setText(QString::number(value));
    update();
    lastValue = qint16(value);
}

QString dmx_value_class::tooltipText() const
{
    const u32 on = EventDmxOut + 2 * u32(channel);
    const QString &onText = currentController->eventDescs[on];
    const QString &offText = currentController->eventDescs[on + 1];
    QString text;
    if (!onText.isEmpty())
        text = tr("On") + QStringLiteral(": ") + onText;
    if (!offText.isEmpty()) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += tr("Off") + QStringLiteral(": ") + offText;
    }
    return text.isEmpty() ? tr("no description...") : text;
}

void dmx_value_class::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QToolTip::showText(event->globalPosition().toPoint() + QPoint(0, 5), tooltipText(), this);
}

void dmx_value_class::mouseReleaseEvent(QMouseEvent *)
{
    QToolTip::showText(QPoint(), QString());
}
