#include "events/aevents_dlyd_delegate.h"

#include "events/aevents_dlyd_widget.h"
#include "events/delay_lock.h"
#include "events/delay_time_edit.h"
#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "widgets/window_services.h"

using namespace image_layout;

const QPoint aevents_dlyd_delegate::PopupOffset(520, 110);

namespace {

// The delay a cell of the list edits: its time cell, of a delay no sequence owns; else -1.
int editableDelay(const QModelIndex &index)
{
    if (!index.isValid() || index.column() != aevents_dlyd_widget::TimeColumn)
        return -1;
    const int delay = index.row();
    if (delay < 0 || delay >= int(DelayCount) || delayLocked(currentController->confData, delay))
        return -1;
    return delay;
}

} // namespace

aevents_dlyd_delegate::aevents_dlyd_delegate(QWidget *page, QObject *parent)
    : QItemDelegate(parent)
    , page(page)
{
}

QWidget *aevents_dlyd_delegate::createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (editableDelay(index) < 0)
        return nullptr;
    auto *self = const_cast<aevents_dlyd_delegate *>(this);
    auto *editor = new delayTimeEdit(page);
    openEditor = editor;
    connect(editor, &delayTimeEdit::abort, self, [self](QWidget *w) { emit self->closeEditor(w); });
    connect(editor, &delayTimeEdit::save, self, &QAbstractItemDelegate::commitData);
    // The keys and focus of the editor are handled as for any item editor.
    editor->installEventFilter(self);
    return editor;
}

void aevents_dlyd_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *timeEdit = qobject_cast<delayTimeEdit *>(editor);
    const int delay = editableDelay(index);
    if (!timeEdit || delay < 0)
        return;
    // A popup window at a fixed place over the window, wherever the cell is. Placed once:
    // the view loads the editor again when the cell's text changes, and changing the flags
    // of a shown window would hide it.
    if (!editor->isWindow()) {
        editor->setWindowFlags(Qt::Popup);
        const QWidget *anchor = mainWindow ? mainWindow : page->window();
        editor->move(anchor->x() + PopupOffset.x(), anchor->y() + PopupOffset.y());
        editor->resize(delayTimeEdit::Width, delayTimeEdit::Height);
    }
    timeEdit->setValue(delay_entry_class(readU32(currentController->confData, delayEntry(u32(delay)))).time());
}

void aevents_dlyd_delegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *timeEdit = qobject_cast<delayTimeEdit *>(editor);
    const int delay = editableDelay(index);
    if (!timeEdit || !timeEdit->confirming() || delay < 0)
        return;
    const u32 tenths = timeEdit->value();
    u8 *image = currentController->confData;
    // The time only: the delay's owner stays. No time at all is stored as the unset time.
    delay_entry_class entry(readU32(image, delayEntry(u32(delay))));
    entry.setTime(tenths);
    writeU32(image, delayEntry(u32(delay)), entry.word);
    model->setData(index, aevents_dlyd_widget::delayText(tenths));
}

void aevents_dlyd_delegate::endEditing()
{
    // One the view closed already is hidden, waiting to be deleted.
    if (openEditor && openEditor->isVisible())
        emit closeEditor(openEditor);
}
