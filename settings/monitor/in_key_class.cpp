#include "settings/monitor/in_key_class.h"

#include "link/kd620_controller_class.h"
#include "model/input_type.h"
#include "settings/monitor/monitor_fonts.h"

#include <QMouseEvent>
#include <QRadialGradient>
#include <QToolTip>

namespace {

// The lit look of a lamp: white in its upper left, the colour at the edge.
QBrush lampBrush(const QColor &colour)
{
    QRadialGradient gradient(30, 25, 40);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, colour);
    return QBrush(gradient);
}

QPalette lampPalette()
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::AlternateBase, lampBrush(QColor::fromRgbF(0.2f, 1.0f, 0.2f)));  // on
    palette.setBrush(QPalette::All, QPalette::Window, lampBrush(QColor::fromRgbF(1.0f, 0.25f, 0.25f)));       // off
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(200, 200, 200)));                           // unused
    return palette;
}

} // namespace

inKey_class::inKey_class(int index, QWidget *parent)
    : QLabel(parent)
    , index(index)
{
    setFrameShape(QFrame::WinPanel);
    setFrameShadow(QFrame::Raised);
    setPalette(lampPalette());
    setAutoFillBackground(true);
    setFont(monitorCellFont());
    setText(tr("%1: Off").arg(index + 1));
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    setEnabled(true);
}

void inKey_class::showState(int state, int type)
{
    const bool on = type == InputNormallyClosed ? state != 1 : state != 0;
    if (type == InputUnused) {
        setText(tr("Undef."));
        setBackgroundRole(QPalette::Base);
        setFrameShadow(QFrame::Plain);
    } else {
        setText(on ? tr("%1: On").arg(index + 1) : tr("%1: Off").arg(index + 1));
        setBackgroundRole(on ? QPalette::AlternateBase : QPalette::Window);
        setFrameShadow(on ? QFrame::Sunken : QFrame::Raised);
    }
    update();
}

QString inKey_class::tooltipText() const
{
    const QString &description = currentController->inputDescs[size_t(index)];
    return description.isEmpty() ? tr("no description...") : description;
}

void inKey_class::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QToolTip::showText(event->globalPosition().toPoint() + QPoint(0, 5), tooltipText(), this);
}

void inKey_class::mouseReleaseEvent(QMouseEvent *)
{
    QToolTip::showText(QPoint(), QString());
}
