#pragma once

#include <QLabel>
#include <QList>
#include <QPalette>

// A cell of the DMX output window: the value of one output channel, its colour going from
// light blue (0) to light yellow (255). A press of the left button shows the descriptions of
// the channel's On and Off events.
class dmx_value_class : public QLabel
{
    Q_OBJECT

public:
    // The colours of the cells: palette i for values 4i..4i + 3.
    static constexpr int PaletteCount = 64;
    static QList<QPalette> makeValuePalettes();

    // A cell for the 0-based channel, coloured from the palettes (owned by the monitor).
    dmx_value_class(int channel, const QList<QPalette> *palettes, QWidget *parent);

    const int channel;
    // The value shown, -1 before the first.
    qint16 lastValue = -1;

    // Shows a value 0..255; nothing happens when it is the one shown.
    void showValue(int value);
    // "On: ..." and "Off: ..." from the channel's event descriptions, or "no description...".
    QString tooltipText() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QList<QPalette> *palettes;
};
