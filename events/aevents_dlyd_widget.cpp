#include "events/aevents_dlyd_widget.h"

#include "events/aevents_conf_widget.h"
#include "events/aevents_dlyd_delegate.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "widgets/table_first_fill.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <bitset>

using namespace image_layout;

namespace {

constexpr int RowCount = int(DelayCount);
constexpr int ColumnWidth = 80;
constexpr int ListWidth = 180;
// What a cell takes of its width besides its text.
constexpr int CellMargins = 8;
constexpr u32 TenthsPerHour = 36000;
constexpr u32 TenthsPerMinute = 600;
constexpr u32 TenthsPerSecond = 10;

// The list opens the time editor as a table view does by default.
constexpr QAbstractItemView::EditTriggers ListEditTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

} // namespace

aevents_dlyd_widget::aevents_dlyd_widget(QWidget *parent)
    : aevents_page_base(DelaysPageKind, parent)
{
    createWidgets();
    connectSignals();
    setCurrentEvent(EventDelay);
    refresh();
}

void aevents_dlyd_widget::createWidgets()
{
    // Two columns of 80 in a list 180 wide.
    // The time column holds the longest time whole; where the font in use is wider than the
    // one the list was drawn for, the column and the list grow into the room beside it.
    const int timeWidth = qMax(ColumnWidth, QFontMetrics(listFont()).horizontalAdvance(delayText(delay_entry_class::MaxTime))
                                                + CellMargins);
    frame_layout layout = StandardLayout;
    layout.list.setWidth(ListWidth + timeWidth - ColumnWidth);
    createFrame(layout, RowCount, {tr("Delay No."), tr("Delay Time")}, {ColumnWidth, timeWidth});
    eventList->setEditTriggers(ListEditTriggers);
    delegate = new aevents_dlyd_delegate(this, eventList);
    eventList->setItemDelegate(delegate);
    titleLabel->setText(tr("Delay %1").arg(1));
    descLabel->setText(tr("Delay description:"));
}

void aevents_dlyd_widget::connectSignals()
{
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_dlyd_widget::delayChange);
    // The view has closed the editor by now (it connected itself to the delegate first).
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, qOverload<QWidget *>(&aevents_dlyd_widget::refresh));
    connectFrame();
    // The action editor's own refresh requests reach every page's Delays page but this
    // one's: a deletion or a paste may change the delays in use shown here.
    connect(actionEditor, &aevents_conf_widget::forceRefresh, this, qOverload<>(&aevents_dlyd_widget::refresh));
    // Another configuration replaces the delay an open time editor was loaded from.
    if (currentController) {
        connect(currentController, &kd620_controller_class::readFileFinished, delegate,
                &aevents_dlyd_delegate::endEditing);
        connect(currentController, &kd620_controller_class::readKd620Finished, delegate,
                &aevents_dlyd_delegate::endEditing);
        // A clear of the delays empties the delay being edited; any other clear leaves it.
        connect(currentController, &kd620_controller_class::configurationCleared, delegate, [this](u32 co) {
            if (co & kd620_controller_class::ClearDelays)
                delegate->endEditing();
        });
    }
}

QString aevents_dlyd_widget::delayText(u32 tenths)
{
    if (tenths < 1 || tenths > delay_entry_class::WholeDay)
        return tr("not set");
    return QStringLiteral("%1h %2m %3.%4s")
        .arg(tenths / TenthsPerHour)
        .arg(tenths % TenthsPerHour / TenthsPerMinute)
        .arg(tenths % TenthsPerMinute / TenthsPerSecond)
        .arg(tenths % TenthsPerSecond);
}

int aevents_dlyd_widget::eventOfRow(int row) const
{
    return EventDelay + row;
}

QString aevents_dlyd_widget::rowText(int row) const
{
    return tr("Delay %1").arg(row + 1);
}

QString aevents_dlyd_widget::titleText() const
{
    return rowText(currentEvent - EventDelay);
}

void aevents_dlyd_widget::refresh(QWidget *)
{
    titleLabel->setText(titleText());
    fillRows();
    actionEditor->refresh();
    descLine->setText(descriptionLineText());
}

void aevents_dlyd_widget::refresh()
{
    refresh(nullptr);
}

void aevents_dlyd_widget::fillRows()
{
    std::bitset<DelayCount> inUse;
    for (u16 delay : currentController->delaysInUse) {
        if (delay < DelayCount)
            inUse.set(delay);
    }
    const u8 *image = currentController->confData;
    const QBrush base = QGuiApplication::palette().base();
    const QBrush used(inUseColour());
    const QBrush owned(sequenceOwnedColour());
    const table_first_fill fill(eventList);
    for (int row = 0; row < RowCount; ++row) {
        const delay_entry_class entry(readU32(image, delayEntry(u32(row))));
        // The colours follow the delays' use, not their end events' actions.
        const QBrush &number = inUse[size_t(row)] ? used : base;
        const QBrush &time = entry.sequence() < SequenceCount ? owned : number;
        setCellText(eventList, row, NumberColumn, rowText(row), number);
        setCellText(eventList, row, TimeColumn, delayText(entry.time()), time);
    }
}

void aevents_dlyd_widget::delayChange(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    leaveNoActionSelected();
    refresh();
}

void aevents_dlyd_widget::descriptionStored()
{
}
