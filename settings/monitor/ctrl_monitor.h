#pragma once

#include "model/types.h"

#include <QGroupBox>
#include <QPointer>

class pokaz;
class QPushButton;

// The monitor: opens and closes the windows that watch the controller's inputs, internal
// states and DMX output. It needs a connected controller to open a window, and closes
// every window when the connection goes.
class ctrl_monitor : public QGroupBox
{
    Q_OBJECT

public:
    explicit ctrl_monitor(QWidget *parent);
    // Windows still open go with the monitor.
    ~ctrl_monitor() override;

    // monitor_window_mask of the open windows.
    u16 openWindows = 0;

    QPushButton *inputsButton = nullptr;
    QPushButton *statesButton = nullptr;
    QPushButton *dmxOutButton = nullptr;

public slots:
    // Redraws the open windows of the mask.
    void redraw(u16 mask);
    // Closes the windows of the mask and offers their buttons again.
    void stopShows(u16 mask);
    // Each opens its window, or closes it when it is open.
    void shInputsClicked();
    void shDmxOutClicked();
    void shStatesClicked();
    void connChange(bool connected);

signals:
    // Windows were closed.
    void forceRefresh();
    void clrMenu(u16 mask);

private:
    struct window_slot {
        u16 bit;
        QPushButton *button;
        QPointer<pokaz> window;
    };
    window_slot *slotOf(u16 bit);
    void toggle(u16 bit, const QString &title);

    window_slot windows[3];
};
