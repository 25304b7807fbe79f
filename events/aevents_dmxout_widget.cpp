#include "events/aevents_dmxout_widget.h"

#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"

#include <QItemSelectionModel>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int LastChannel = int(image_layout::ChannelCount);

int channelOfEvent(int event)
{
    return (event - EventDmxOut) / 2 + 1;
}

bool isOffEvent(int event)
{
    return (event - EventDmxOut) % 2 == 1;
}

} // namespace

aevents_dmxout_widget::aevents_dmxout_widget(QWidget *parent)
    : aevents_page_base(DmxOutputPageKind, parent)
{
    createWidgets();
    connectSignals();
    setCurrentEvent(EventDmxOut);
    refresh();
}

void aevents_dmxout_widget::createWidgets()
{
    const QList<int> widths = {StandardColumnWidth};
    frame_layout layout = StandardLayout;
    layout.list.setWidth(StandardColumnWidth + 20);
    createFrame(layout, 1, {tr("DMX Channel", "table column")}, widths);
}

void aevents_dmxout_widget::connectSignals()
{
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_dmxout_widget::dmxEventChange);
    connectFrame();
}

void aevents_dmxout_widget::setChannelRange(int first, int last)
{
    firstChannel = std::clamp(first, 1, LastChannel);
    lastChannel = std::min(last, LastChannel);
}

int aevents_dmxout_widget::listedFirst() const
{
    return std::clamp(firstChannel, 1, LastChannel);
}

int aevents_dmxout_widget::listedRowCount() const
{
    const int last = std::min(lastChannel, LastChannel);
    return std::max(1, 2 * (last - listedFirst() + 1));
}

int aevents_dmxout_widget::eventOfRow(int row) const
{
    return EventDmxOut + 2 * (listedFirst() - 1) + row;
}

void aevents_dmxout_widget::refresh()
{
    applyRange();
    aevents_page_base::refresh();
}

void aevents_dmxout_widget::applyRange()
{
    const int rows = listedRowCount();
    if (rows != eventList->rowCount()) {
        // Removing the current row moves it; the slot would refresh in the middle of the
        // change. The row that stays current is taken up once the count is set.
        changingRows = true;
        eventList->setRowCount(rows);
        changingRows = false;
    }
    if (eventList->currentRow() < 0 || eventList->currentRow() >= rows) {
        changingRows = true;
        eventList->setCurrentCell(0, 0);
        changingRows = false;
    }
    const int event = eventOfRow(eventList->currentRow());
    if (event != currentEvent) {
        setCurrentEvent(event);
        leaveNoActionSelected();
    }
}

QString aevents_dmxout_widget::rowText(int row) const
{
    const int event = eventOfRow(row);
    const int channel = channelOfEvent(event);
    const QString &description = currentController->eventDescs[size_t(event)];
    return (isOffEvent(event) ? tr("Dmx Ch. %1 (Off) - ").arg(channel) : tr("Dmx Ch. %1 (On) - ").arg(channel))
        + (description.isEmpty() ? tr("no description") : description);
}

QString aevents_dmxout_widget::titleText() const
{
    return tr("Dmx Ch. %1 (%2)").arg(channelOfEvent(currentEvent)).arg(isOffEvent(currentEvent) ? tr("Off") : tr("On"));
}

void aevents_dmxout_widget::dmxEventChange(const QModelIndex &current, const QModelIndex &)
{
    if (changingRows || !current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    leaveNoActionSelected();
    refresh();
}
