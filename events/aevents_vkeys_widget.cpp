#include "events/aevents_vkeys_widget.h"

#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"

#include <QItemSelectionModel>
#include <QTableWidget>

namespace {

constexpr int RowCount = EventTimer - EventInternal;
constexpr int PowerOnRow = 0;

} // namespace

aevents_vkeys_widget::aevents_vkeys_widget(QWidget *parent)
    : aevents_page_base(InternalEventsPageKind, parent)
{
    createWidgets();
    connectSignals();
    setCurrentEvent(EventInternal);
    refresh();
}

void aevents_vkeys_widget::createWidgets()
{
    createFrame(StandardLayout, RowCount, {tr("Internal Events")}, {StandardColumnWidth});
}

void aevents_vkeys_widget::connectSignals()
{
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_vkeys_widget::inputChange);
    connectFrame();
}

int aevents_vkeys_widget::eventOfRow(int row) const
{
    return EventInternal + row;
}

QString aevents_vkeys_widget::rowText(int row) const
{
    const QString &description = currentController->eventDescs[size_t(eventOfRow(row))];
    // The first internal event is the controller's power-on: its description alone names it.
    if (row == PowerOnRow)
        return description.isEmpty() ? tr("Power On") : description;
    if (description.isEmpty())
        return undescribedRow.arg(row + 1) + noDescription;
    return describedRow.arg(row + 1) + description;
}

QString aevents_vkeys_widget::titleText() const
{
    const int row = qMax(0, eventList->currentRow());
    return row == PowerOnRow ? tr("Power On") : tr("Internal Event %1").arg(row + 1);
}

void aevents_vkeys_widget::inputChange(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    leaveNoActionSelected();
    refresh();
}
