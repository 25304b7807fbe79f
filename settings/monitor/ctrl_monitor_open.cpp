// Opening the monitor windows.
#include "settings/monitor/ctrl_monitor.h"

#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "link/monitor_protocol.h"
#include "model/image_access.h"
#include "model/user_interaction.h"
#include "settings/monitor/btn_lbl.h"
#include "settings/monitor/dmx_value_class.h"
#include "settings/monitor/in_key_class.h"
#include "settings/monitor/internal_states_report.h"
#include "settings/monitor/internal_states_text.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"
#include "settings/monitor/request_guard.h"
#include "widgets/font_fitting.h"
#include "widgets/table_setup.h"
#include "widgets/window_services.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>

namespace {

// Older firmware is watched through one window at a time, and has no internal-states report.
const QString OneWindowGate = QStringLiteral("F/W ver. 3.00.0003");
const QString StatesGate = QStringLiteral("F/W ver. 3.00.0004");

// Input bytes of the cache before the first read: neither "set" (0) nor "clear" (0xFF), so
// the first read draws every lamp.
constexpr u8 InputNotRead = 0x80;

constexpr int InputRows = 6;
constexpr int InputColumns = 4;
constexpr int DmxRows = 7;
constexpr int DmxColumns = 10;
// The internal-states window at its first size: the text column and the rows.
constexpr int StatesTextWidth = 270;
constexpr int StatesRowHeight = 60;
// The grid line a table draws at the right and bottom of each cell, inside its column and row.
constexpr int GridLine = 1;

bool firmwareBelow(const QString &gate)
{
    return firmwareOlderThan(currentController->firmwareText(), gate);
}

} // namespace

bool ctrl_monitor::openingAllowed(u16 bit)
{
    if (openWindows & bit) {
        stopShows(bit);
        return false;
    }
    if (!currentController->isConnected()) {
        showMessage(message_icon::Information, tr("Controller error"), tr("Not connected!"), message_button::Ok,
                    message_button::NoButton, this);
        return false;
    }
    if (bit == MonitorStates) {
        if (firmwareBelow(StatesGate)) {
            showMessage(message_icon::Information, tr("Improper version"),
                        tr("This feature requests firmware version 3.00.0004 or higher!"));
            return false;
        }
    } else if (firmwareBelow(OneWindowGate) && openWindows) {
        stopShows(openWindows);
    }
    return true;
}

pokaz *ctrl_monitor::newWindow(u16 bit, const QString &title, void (ctrl_monitor::*stop)())
{
    auto *window = new pokaz(bit, mainWindow);
    window->setWindowTitle(title);
    // Queued: a stop runs after the click or close that caused it has been handled.
    connect(window->pbStop, &QPushButton::clicked, this, stop, Qt::QueuedConnection);
    return window;
}

void ctrl_monitor::startTicker()
{
    if (ticker.running)
        return;
    ticker.period = rateSpin->value() * 100;
    // The ticker emits in its own thread: each tick reaches reload() as a queued call.
    connect(&ticker, &timeCount_class::overflow, this, &ctrl_monitor::reload, Qt::UniqueConnection);
    ticker.startTicking();
}

// --- Inputs window ------------------------------------------------------------------------------

void ctrl_monitor::shInputsClicked()
{
    if (requestRunning || !openingAllowed(MonitorInputs))
        return;
    const request_guard guard(requestRunning);
    if (!inputsWindow) {
        inputsWindow = newWindow(MonitorInputs, tr("Inputs' states"), &ctrl_monitor::stopShInputs);
        inputsWindow->setFixedSize(240, 324);
        inputsWindow->createTable(InputRows, InputColumns);
    }
    u8 types[monitor::InputConfigSize] = {};
    if (currentController->monitorRequest(MON_INPUT_CONFIG, types) != 0 || !inputsWindow) {
        discardWindow(inputsWindow);
        return;
    }
    for (int i = 0; i < int(inputTypes.size()); ++i)
        inputTypes[size_t(i)] = i32(readU32(types, u32(4 * i)));
    inputsWindow->cache.assign(inputTypes.size(), InputNotRead);
    inputsButton->setEnabled(false);
    openWindows |= MonitorInputs;
    layOutInputs(inputsWindow);

    pollOnce();
    if (!inputsWindow)
        return;
    startTicker();
    inputsWindow->table->show();
    redraw(MonitorInputs);
    inputsWindow->show();
}

void ctrl_monitor::layOutInputs(pokaz *window)
{
    QTableWidget *table = window->table;
    setUpTable(table, table_setup{QRect(), false, 50, false, false, QAbstractItemView::NoEditTriggers,
                                  QAbstractItemView::NoSelection});
    table->move(0, 21);
    for (int c = 0; c < InputColumns; ++c)
        table->setColumnWidth(c, 59);
    for (int r = 0; r < InputRows; ++r) {
        table->setRowHeight(r, 50);
        for (int c = 0; c < InputColumns; ++c)
            table->setCellWidget(r, c, new inKey_class(InputColumns * r + c, window));
    }
}

// --- DMX output window --------------------------------------------------------------------------

void ctrl_monitor::shDmxOutClicked()
{
    if (requestRunning || !openingAllowed(MonitorDmxOut))
        return;
    const request_guard guard(requestRunning);
    if (!dmxWindow) {
        dmxWindow = newWindow(MonitorDmxOut, tr("Output DMX values"), &ctrl_monitor::stopShDmxOut);
        dmxWindow->cache.assign(monitor::DmxValues, 0);
        dmxWindow->createTable(DmxRows, DmxColumns);
    }
    if (currentController->monitorRequest(MON_START, nullptr) != 0 || !dmxWindow) {
        // Nothing else changes; the next click tries again.
        discardWindow(dmxWindow);
        return;
    }
    dmxWindow->setFixedSize(430, 235);
    dmxButton->setEnabled(false);
    openWindows |= MonitorDmxOut;
    buildDmxGrid(dmxWindow);
    if (!dmxWindow)
        return;
    startTicker();
    dmxWindow->table->show();
    redraw(MonitorDmxOut);
    dmxWindow->show();
}

void ctrl_monitor::buildDmxGrid(pokaz *window)
{
    QTableWidget *table = window->table;
    setUpTable(table, table_setup{QRect(), false, 26, true, true, QAbstractItemView::NoEditTriggers,
                                  QAbstractItemView::NoSelection});
    table->move(0, 21);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < DmxColumns; ++c) {
        table->setColumnWidth(c, 40);
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(QStringLiteral("+%1").arg(c + 1)));
    }
    for (int r = 0; r < DmxRows; ++r) {
        table->setRowHeight(r, 26);
        auto *header = new QTableWidgetItem(QString::number(DmxColumns * r));
        header->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setVerticalHeaderItem(r, header);
        for (int c = 0; c < DmxColumns; ++c) {
            const int channel = DmxColumns * r + c;
            if (channel < monitor::DmxValues)
                table->setCellWidget(r, c, new dmx_value_class(channel, &valuePalettes, window));
        }
    }
    pollOnce();
}

// --- Internal-states window ---------------------------------------------------------------------

void ctrl_monitor::shStatesClicked()
{
    if (requestRunning || !openingAllowed(MonitorStates))
        return;
    const request_guard guard(requestRunning);
    if (!statesWindow) {
        statesWindow = newWindow(MonitorStates, tr("Internal states"), &ctrl_monitor::stopShStates);
        // An empty report until the first one arrives.
        statesWindow->cache.assign(internal_states_report::BufferSize, 0);
        statesWindow->reportLength = internal_states_report::HeaderBytes;
        statesWindow->createTable(InternalStatesRowCount, 2);
    }
    // A window of its own that the user can resize. It keeps drawing in the main window's
    // font, as the two other monitor windows inside the main window do, so its titles are
    // measured in the same font wherever the program runs.
    statesWindow->setWindowFlags(Qt::Window);
    statesWindow->setAttribute(Qt::WA_WindowPropagation);
    statesWindow->setMinimumSize(200, 82);
    statesWindow->resize(pokaz::StatesTitleMargin + StatesTextWidth, 324);
    statesButton->setEnabled(false);
    openWindows |= MonitorStates;
    layOutStates(statesWindow);

    pollOnce();
    if (!statesWindow)
        return;
    startTicker();
    statesWindow->table->show();
    statesWindow->show();
}

void ctrl_monitor::layOutStates(pokaz *window)
{
    static const char *const titles[InternalStatesRowCount] = {
        QT_TRANSLATE_NOOP("ctrl_monitor", "Active states"), QT_TRANSLATE_NOOP("ctrl_monitor", "Active scenes"),
        QT_TRANSLATE_NOOP("ctrl_monitor", "Active programs"), QT_TRANSLATE_NOOP("ctrl_monitor", "Active masks"),
        QT_TRANSLATE_NOOP("ctrl_monitor", "Active delays")};
    QTableWidget *table = window->table;
    setUpTable(table, table_setup{QRect(), false, StatesRowHeight, false, false, QAbstractItemView::NoEditTriggers,
                                  QAbstractItemView::NoSelection});
    table->move(0, 21);
    table->setColumnWidth(0, pokaz::StatesTitleWidth);
    table->setColumnWidth(1, StatesTextWidth);
    QPalette textPalette;
    textPalette.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(243, 255, 243)));
    for (int row = 0; row < InternalStatesRowCount; ++row) {
        table->setRowHeight(row, StatesRowHeight);
        auto *title = new btn_lbl(window);
        title->label->setText(tr(titles[row]));
        // Within the label of the title cell, the cell being the narrow column's width and
        // the row's height less the grid lines.
        const QSize cell(pokaz::StatesTitleWidth - GridLine, StatesRowHeight - GridLine);
        fitWrappedLabelFont(title->label, btn_lbl::labelGeometry(cell).size());
        auto *box = new QTextEdit(window);
        box->setLineWrapMode(QTextEdit::WidgetWidth);
        box->setReadOnly(true);
        box->setPalette(textPalette);
        box->setAutoFillBackground(true);
        table->setCellWidget(row, 0, title);
        table->setCellWidget(row, 1, box);
    }
}
