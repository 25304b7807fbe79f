#include "settings/monitor/ctrl_monitor.h"

#include "widgets/stand_in_page.h"
#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"

#include <QPushButton>

ctrl_monitor::ctrl_monitor(QWidget *parent)
    : QGroupBox(tr("Monitor"), parent)
{
    inputsButton = new QPushButton(tr("Show inputs"), this);
    statesButton = new QPushButton(tr("Show states"), this);
    dmxOutButton = new QPushButton(tr("Show DMX output"), this);
    inputsButton->setGeometry(40, 30, 180, 26);
    statesButton->setGeometry(40, 64, 180, 26);
    dmxOutButton->setGeometry(40, 98, 180, 26);
    resize(260, 220);
    stand_in_page::addNote(tr("The monitor windows do not show the controller's reports yet."), this, 20, 140);
    windows[0] = {MonitorInputs, inputsButton, nullptr};
    windows[1] = {MonitorDmxOut, dmxOutButton, nullptr};
    windows[2] = {MonitorStates, statesButton, nullptr};

    connect(inputsButton, &QPushButton::clicked, this, &ctrl_monitor::shInputsClicked);
    connect(statesButton, &QPushButton::clicked, this, &ctrl_monitor::shStatesClicked);
    connect(dmxOutButton, &QPushButton::clicked, this, &ctrl_monitor::shDmxOutClicked);
    connect(currentController, &kd620_controller_class::setConnectionStatus, this, &ctrl_monitor::connChange);
}

ctrl_monitor::~ctrl_monitor()
{
    for (window_slot &w : windows)
        delete w.window.data();
}

ctrl_monitor::window_slot *ctrl_monitor::slotOf(u16 bit)
{
    for (window_slot &w : windows) {
        if (w.bit == bit)
            return &w;
    }
    return nullptr;
}

void ctrl_monitor::redraw(u16 mask)
{
}

void ctrl_monitor::stopShows(u16 mask)
{
    for (window_slot &w : windows) {
        if (!(mask & w.bit))
            continue;
        if (w.window) {
            pokaz *window = w.window;
            w.window = nullptr;
            window->disconnect(this);
            window->deleteLater();
            window->hide();
        }
        w.button->setEnabled(true);
        openWindows &= u16(~w.bit);
    }
    emit forceRefresh();
    emit clrMenu(mask);
}

void ctrl_monitor::toggle(u16 bit, const QString &title)
{
    window_slot &w = *slotOf(bit);
    if (openWindows & bit) {
        stopShows(bit);
        return;
    }
    if (!currentController->isConnected()) {
        showMessage(message_icon::Critical, tr("Controller error"), tr("Not connected!"));
        return;
    }
    w.window = new pokaz(bit, title);
    connect(w.window, &pokaz::closedByUser, this, &ctrl_monitor::stopShows);
    w.window->show();
    w.button->setEnabled(false);
    openWindows |= bit;
}

void ctrl_monitor::shInputsClicked()
{
    toggle(MonitorInputs, tr("Inputs"));
}

void ctrl_monitor::shDmxOutClicked()
{
    toggle(MonitorDmxOut, tr("DMX output"));
}

void ctrl_monitor::shStatesClicked()
{
    toggle(MonitorStates, tr("Internal states"));
}

void ctrl_monitor::connChange(bool)
{
    // The connection can change again while this signal is still being delivered: the
    // controller's state counts, not the argument.
    if (!currentController->isConnected() && openWindows)
        stopShows(MonitorAll);
}
