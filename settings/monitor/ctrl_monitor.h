#pragma once

#include "model/types.h"
#include "settings/monitor/time_count_class.h"

#include <QGroupBox>
#include <QList>
#include <QPalette>
#include <QPointer>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QSpinBox;
class pokaz;

// The monitor: the "Controller Monitoring" box of the Settings/Other page. It opens up to
// three windows that watch the connected controller live (the inputs' states, the DMX
// output values, the internal states), reads the controller for them at the chosen refresh
// rate and hands them what it read.
//
// The ticker thread paces the reads; every request is made here, in the user-interface
// thread. A request may show a box, whose event loop runs further ticks and queued stops
// meanwhile: a polling cycle or an opening never starts another while one runs, and the
// windows are held through guarded pointers and looked at again after every request (a
// dropped connection closes them from inside the request).
class ctrl_monitor : public QGroupBox
{
    Q_OBJECT

public:
    // --- Construction ----------------------------------------------------------------------
    explicit ctrl_monitor(QWidget *parent);
    // Stops the ticker and waits for its thread; closes the windows still open.
    ~ctrl_monitor() override;

    // --- Widgets ---------------------------------------------------------------------------
    QPushButton *inputsButton = nullptr;
    QPushButton *dmxButton = nullptr;
    QPushButton *statesButton = nullptr;
    QLabel *rateLabel = nullptr;
    // The refresh rate in hundreds of milliseconds (1..100, shown as 100..10000).
    QSpinBox *rateSpin = nullptr;

    // --- What the monitor keeps ------------------------------------------------------------
    timeCount_class ticker;
    // monitor_window_mask of the open windows; a window's bit is set exactly while it is
    // open and shown, and its button is disabled exactly then.
    u16 openWindows = 0;
    // The controller's own input types, read when the inputs window opens.
    std::array<i32, 24> inputTypes{};
    // Null while the window does not exist.
    QPointer<pokaz> inputsWindow;
    QPointer<pokaz> dmxWindow;
    QPointer<pokaz> statesWindow;
    // The colour of a DMX cell by value (dmx_value_class).
    const QList<QPalette> valuePalettes;

    // Closes the windows of the mask (a monitor_window_mask), offers their buttons again
    // and tells the main window (forceRefresh(), then clrMenu(mask)).
    void stopShows(u16 mask);
    // Redraws the open windows of the mask from the data they keep.
    void redraw(u16 mask);
    // Lays out the DMX output window's table with its 64 cells, then reads the values.
    void buildDmxGrid(pokaz *window);

signals:
    void forceRefresh();
    void clrMenu(u16 mask);

public slots:
    // The refresh rate changed: the ticker's next sleep takes it.
    void changeRefresh(int hundredsOfMs);
    // One polling cycle: reads the controller for every open window.
    void reload();
    // Each opens its window, or closes it when it is open.
    void shInputsClicked();
    void shDmxOutClicked();
    void shStatesClicked();
    // The windows' Stop buttons.
    void stopShInputs();
    void stopShDmxOut();
    void stopShStates();
    // Losing the connection closes every window.
    void connChange(bool connected);

private:
    // The three windows in their fixed order, with their buttons.
    struct window_entry {
        u16 bit;
        QPushButton *ctrl_monitor::*button;
        QPointer<pokaz> ctrl_monitor::*window;
        const char *buttonText;
        int buttonY;
        void (ctrl_monitor::*open)();
    };
    static const window_entry WindowEntries[];

    void createWidgets();
    void connectSignals();

    // Opening: the steps every opener begins with (close an open window, the connection,
    // the firmware gates). False when the opener stops there.
    bool openingAllowed(u16 bit);
    pokaz *newWindow(u16 bit, const QString &title, void (ctrl_monitor::*stop)());
    // Closes a window the monitor holds; its close does not report back as a stop.
    void closeWindow(QPointer<pokaz> &window);
    // Deletes a window whose opening failed.
    void discardWindow(QPointer<pokaz> &window);
    void startTicker();
    void layOutInputs(pokaz *window);
    void layOutStates(pokaz *window);

    // Polling (ctrl_monitor_poll.cpp): the cycle and its three reads. A read that fails
    // closes its window, so a controller that keeps failing shows its box once; false ends
    // the cycle.
    void pollOnce();
    bool pollInputs();
    bool pollDmxOutput();
    void pollStates();

    void redrawInputs();
    void redrawDmxOutput();
    void redrawStates();

    // True while a polling cycle, an opening or a stop's request runs.
    bool requestRunning = false;
    // The report is read here and copied into the window only while it still exists.
    std::vector<u8> reportScratch;
};
