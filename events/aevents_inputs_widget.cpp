#include "events/aevents_inputs_widget.h"

#include "events/enabling_input.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"

#include <QItemSelectionModel>
#include <QTableWidget>

namespace {

constexpr int RowCount = 2 * int(image_layout::InputCount);  // On, Off of each input

int inputOfRow(int row)
{
    return row / 2;
}

bool isOffRow(int row)
{
    return row % 2 == 1;
}

} // namespace

aevents_inputs_widget::aevents_inputs_widget(QWidget *parent)
    : aevents_page_base(InputsPageKind, parent)
{
    createWidgets();
    connectSignals();
    setCurrentEvent(EventInput);
    refresh();
}

void aevents_inputs_widget::createWidgets()
{
    createFrame(StandardLayout, RowCount, {tr("Input")}, {StandardColumnWidth});
}

void aevents_inputs_widget::connectSignals()
{
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_inputs_widget::inputChange);
    connectFrame();
}

int aevents_inputs_widget::eventOfRow(int row) const
{
    return EventInput + row;
}

QString aevents_inputs_widget::rowText(int row) const
{
    // An event without a description of its own is named after its input.
    QString description = currentController->eventDescs[size_t(eventOfRow(row))];
    if (description.isEmpty())
        description = currentController->inputDescs[size_t(inputOfRow(row))];
    if (description.isEmpty())
        description = tr("no description");
    const int input = inputOfRow(row) + 1;
    return (isOffRow(row) ? tr("Input %1 (Off) - ").arg(input) : tr("Input %1 (On) - ").arg(input)) + description;
}

QString aevents_inputs_widget::titleText() const
{
    const int row = qMax(0, eventList->currentRow());
    const int input = inputOfRow(row) + 1;
    return isOffRow(row) ? tr("Input %1 (Off)").arg(input) : tr("Input %1 (On)").arg(input);
}

QString aevents_inputs_widget::descriptionLineText() const
{
    const QString own = aevents_page_base::descriptionLineText();
    if (!own.isEmpty())
        return own;
    // Offers the input's description as a start for the event's own.
    const QString input = currentController->inputDescs[size_t(inputOfRow(currentEvent - EventInput))];
    if (input.isEmpty())
        return QString();
    return input + (isOffRow(eventList->currentRow()) ? tr(": Off") : tr(": On"));
}

void aevents_inputs_widget::inputChange(const QModelIndex &current, const QModelIndex &previous)
{
    if (!current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    // Leaving the enabling input: it stays enabling only while an Enabling action is left.
    if (previous.isValid()) {
        event_actions_class &store = currentController->eventActions;
        if (inputOfRow(previous.row()) == store.enablingInput)
            enabling_input::releaseIfUnused(store, store.enablingInput);
    }
    leaveNoActionSelected();
    refresh();
}
