#include "events/aevents_ired_widget.h"

#include "events/enabling_input.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QTableWidget>

namespace {

constexpr int KeyCount = controller_configuration_class::RcuKeyCount;
constexpr int EventsPerKey = 3;  // pressed, repeated, released
constexpr int RowCount = KeyCount * EventsPerKey;

int keyOfRow(int row)
{
    return row / EventsPerKey;
}

int kindOfRow(int row)
{
    return row % EventsPerKey;
}

// The words of a key's three events, long and short.
const char *const LongWords[EventsPerKey] = {
    QT_TRANSLATE_NOOP("aevents_ired_widget", "pressed"),
    QT_TRANSLATE_NOOP("aevents_ired_widget", "repeated"),
    QT_TRANSLATE_NOOP("aevents_ired_widget", "released"),
};
const char *const ShortWords[EventsPerKey] = {
    QT_TRANSLATE_NOOP("aevents_ired_widget", "pres."),
    QT_TRANSLATE_NOOP("aevents_ired_widget", "rept."),
    QT_TRANSLATE_NOOP("aevents_ired_widget", "rlsd."),
};

} // namespace

aevents_ired_widget::aevents_ired_widget(QWidget *parent)
    : aevents_page_base(RemoteControlPageKind, parent)
{
    createWidgets();
    connectSignals();
    setCurrentEvent(EventRcuKey);
    refresh();
}

void aevents_ired_widget::createWidgets()
{
    frame_layout layout = StandardLayout;
    layout.title.setWidth(170);
    createFrame(layout, RowCount, {tr("R. C. Buttons")}, {StandardColumnWidth});
}

void aevents_ired_widget::connectSignals()
{
    connectFrame();
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_ired_widget::inputChange);
}

int aevents_ired_widget::eventOfRow(int row) const
{
    return EventRcuKey + row;
}

QString aevents_ired_widget::rowText(int row) const
{
    const int button = keyOfRow(row) + 1;
    // An event without a description of its own is named after its key.
    QString description = currentController->eventDescs[size_t(eventOfRow(row))];
    if (description.isEmpty())
        description = currentController->rcuKeyDescs[size_t(keyOfRow(row))];
    if (description.isEmpty())
        return tr("Button No. %1 %2 - ").arg(button).arg(tr(LongWords[kindOfRow(row)])) + tr("no description");
    return tr("Btn %1 %2 - ").arg(button).arg(tr(ShortWords[kindOfRow(row)])) + description;
}

QString aevents_ired_widget::titleText() const
{
    const int row = currentEvent - EventRcuKey;
    return tr("Button No. %1").arg(keyOfRow(row) + 1) + QStringLiteral(" - %1").arg(tr(LongWords[kindOfRow(row)]));
}

QString aevents_ired_widget::descriptionLineText() const
{
    const QString own = aevents_page_base::descriptionLineText();
    if (!own.isEmpty())
        return own;
    // Offers the key's description as a start for the event's own.
    const int row = currentEvent - EventRcuKey;
    const QString &key = currentController->rcuKeyDescs[size_t(keyOfRow(row))];
    if (key.isEmpty())
        return QString();
    return key + QStringLiteral(" : ") + tr(ShortWords[kindOfRow(row)]);
}

void aevents_ired_widget::inputChange(const QModelIndex &current, const QModelIndex &previous)
{
    if (!current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    // Leaving the enabling key: it stays enabling only while an Enabling action is left on
    // one of its three events. An enabling input is never released here.
    if (previous.isValid()) {
        event_actions_class &store = currentController->eventActions;
        const int key = enabling_input::claimedBy(eventOfRow(previous.row()));
        if (key == store.enablingInput)
            enabling_input::releaseIfUnused(store, key);
    }
    leaveNoActionSelected();
    refresh();
}

void aevents_ired_widget::afterReload()
{
    const QModelIndex current = eventList->currentIndex();
    inputChange(current, current);
}
