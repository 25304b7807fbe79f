#include "events/aevents_tableview_delegate.h"

#include "model/event_code.h"

aevents_tableview_delegate::aevents_tableview_delegate(int pageKind, QObject *parent)
    : QItemDelegate(parent)
    , pageKind(pageKind)
{
}

void aevents_tableview_delegate::setEvent(int code)
{
    if (isEventCode(code))
        eventCode = code;
}

QWidget *aevents_tableview_delegate::createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return nullptr;  // read-only until the cell editors exist
}
