// The monitor's box, its windows' life and their redrawing. Opening: ctrl_monitor_open.cpp;
// polling: ctrl_monitor_poll.cpp.
#include "settings/monitor/ctrl_monitor.h"

#include "link/kd620_controller_class.h"
#include "link/monitor_protocol.h"
#include "model/user_interaction.h"
#include "settings/monitor/btn_lbl.h"
#include "settings/monitor/dmx_value_class.h"
#include "settings/monitor/in_key_class.h"
#include "settings/monitor/internal_states_text.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"
#include "settings/monitor/request_guard.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>

const ctrl_monitor::window_entry ctrl_monitor::WindowEntries[] = {
    {MonitorInputs, &ctrl_monitor::inputsButton, &ctrl_monitor::inputsWindow,
     QT_TRANSLATE_NOOP("ctrl_monitor", "Show inputs' states"), 70, &ctrl_monitor::shInputsClicked},
    {MonitorDmxOut, &ctrl_monitor::dmxButton, &ctrl_monitor::dmxWindow,
     QT_TRANSLATE_NOOP("ctrl_monitor", "Show output DMX values"), 120, &ctrl_monitor::shDmxOutClicked},
    {MonitorStates, &ctrl_monitor::statesButton, &ctrl_monitor::statesWindow,
     QT_TRANSLATE_NOOP("ctrl_monitor", "Show internal states"), 170, &ctrl_monitor::shStatesClicked},
};

// --- Construction ----------------------------------------------------------------------------

ctrl_monitor::ctrl_monitor(QWidget *parent)
    : QGroupBox(parent)
    , valuePalettes(dmx_value_class::makeValuePalettes())
{
    createWidgets();
    connectSignals();
}

ctrl_monitor::~ctrl_monitor()
{
    ticker.stopTicking();
    ticker.wait();
    for (const window_entry &entry : WindowEntries)
        delete (this->*entry.window).data();
}

void ctrl_monitor::createWidgets()
{
    setTitle(tr("Controller Monitoring"));
    rateLabel = new QLabel(tr("Refresh rate (ms)"), this);
    rateLabel->setGeometry(20, 35, 130, 24);
    rateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rateSpin = new QSpinBox(this);
    rateSpin->setGeometry(160, 35, 70, 25);
    rateSpin->setRange(1, 100);
    // The spin box counts hundreds of milliseconds and reads as milliseconds.
    rateSpin->setSuffix(QStringLiteral("00"));
    rateSpin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rateSpin->setValue(1);
    ticker.period = rateSpin->value() * 100;
    for (const window_entry &entry : WindowEntries) {
        auto *button = new QPushButton(tr(entry.buttonText), this);
        button->setGeometry(30, entry.buttonY, 200, 40);
        this->*entry.button = button;
    }
    setAutoFillBackground(true);
}

void ctrl_monitor::connectSignals()
{
    connect(rateSpin, &QSpinBox::valueChanged, this, &ctrl_monitor::changeRefresh);
    for (const window_entry &entry : WindowEntries)
        connect(this->*entry.button, &QPushButton::clicked, this, entry.open);
    connect(currentController, &kd620_controller_class::setConnectionStatus, this, &ctrl_monitor::connChange);
}

// --- Refresh rate, stopping -----------------------------------------------------------------

void ctrl_monitor::changeRefresh(int hundredsOfMs)
{
    ticker.period = hundredsOfMs * 100;
}

void ctrl_monitor::stopShows(u16 mask)
{
    const bool dmxWasOpen = (openWindows & mask & MonitorDmxOut) && dmxWindow;
    for (const window_entry &entry : WindowEntries) {
        if (!(mask & entry.bit))
            continue;
        closeWindow(this->*entry.window);
        (this->*entry.button)->setEnabled(true);
    }
    openWindows &= u16(~mask);
    if (dmxWasOpen && currentController->isConnected()) {
        // The controller goes on sending DMX values until told to stop. Its result is not
        // looked at: the window is closed either way.
        const request_guard guard(requestRunning);
        currentController->monitorRequest(MON_STOP, nullptr);
    }
    if (!openWindows) {
        disconnect(&ticker, &timeCount_class::overflow, this, &ctrl_monitor::reload);
        ticker.stopTicking();
    }
    emit forceRefresh();
    emit clrMenu(mask);
}

void ctrl_monitor::stopShInputs()
{
    stopShows(MonitorInputs);
}

void ctrl_monitor::stopShDmxOut()
{
    stopShows(MonitorDmxOut);
}

void ctrl_monitor::stopShStates()
{
    stopShows(MonitorStates);
}

void ctrl_monitor::connChange(bool)
{
    // The connection can change again while this signal is still being delivered: the
    // controller's state counts, not the argument.
    if (!currentController->isConnected() && openWindows)
        stopShows(MonitorAll);
}

void ctrl_monitor::closeWindow(QPointer<pokaz> &window)
{
    if (!window)
        return;
    pokaz *closing = window;
    window = nullptr;
    // Its close presses its Stop button: that stop is this one.
    closing->pbStop->disconnect(this);
    closing->close();
    closing->deleteLater();
}

void ctrl_monitor::discardWindow(QPointer<pokaz> &window)
{
    delete window.data();
    window = nullptr;
}

// --- Redrawing ---------------------------------------------------------------------------------

void ctrl_monitor::redraw(u16 mask)
{
    const u16 due = mask & openWindows;
    if ((due & MonitorInputs) && inputsWindow)
        redrawInputs();
    if ((due & MonitorDmxOut) && dmxWindow)
        redrawDmxOutput();
    if ((due & MonitorStates) && statesWindow)
        redrawStates();
}

void ctrl_monitor::redrawInputs()
{
    QTableWidget *table = inputsWindow->table;
    for (int i = 0; i < int(inputTypes.size()); ++i) {
        if (auto *lamp = qobject_cast<inKey_class *>(table->cellWidget(i / 4, i % 4)))
            lamp->showState(inputsWindow->cache[size_t(i)] == 0 ? 1 : 0, inputTypes[size_t(i)]);
    }
}

void ctrl_monitor::redrawDmxOutput()
{
    QTableWidget *table = dmxWindow->table;
    for (int c = 0; c < monitor::DmxValues; ++c) {
        if (auto *cell = qobject_cast<dmx_value_class *>(table->cellWidget(c / 10, c % 10)))
            cell->showValue(dmxWindow->cache[size_t(c)]);
    }
}

void ctrl_monitor::redrawStates()
{
    QTableWidget *table = statesWindow->table;
    for (int row = 0; row < InternalStatesRowCount; ++row) {
        auto *title = qobject_cast<btn_lbl *>(table->cellWidget(row, 0));
        auto *box = qobject_cast<QTextEdit *>(table->cellWidget(row, 1));
        if (!title || !box)
            continue;
        const QString text = internalStatesRowText(statesWindow->cache.data(), statesWindow->reportLength, row,
                                                   title->showDescriptions, *currentController);
        // The list is rewritten every period: the view stays where the user scrolled it.
        QScrollBar *bar = box->verticalScrollBar();
        const int position = bar->value();
        // Plain text: a description is never read as markup.
        box->setPlainText(text);
        bar->setValue(position);
    }
}
