#include "programs/aseq_conf_delegate.h"

#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "programs/aseq_conf_widget.h"
#include "widgets/my_time_edit.h"

namespace {

// A step's delay lasts from one tenth of a second to a whole day less one tenth; the
// editor keeps whole tenths.
const QTime ShortestDelay(0, 0, 0, 100);
const QTime LongestDelay(23, 59, 59, 999);

} // namespace

aseq_conf_delegate::aseq_conf_delegate(QObject *parent)
    : QItemDelegate(parent)
{
}

void aseq_conf_delegate::setSequence(int q)
{
    if (q >= 0 && q < int(image_layout::SequenceCount))
        sequence = q;
}

int aseq_conf_delegate::delayOfCell(const QModelIndex &index) const
{
    if (!index.isValid() || index.column() != aseq_conf_widget::DelayTimeColumn || !currentController)
        return -1;
    const QList<u16> &steps = currentController->sequenceDelays[sequence];
    if (index.row() >= steps.size())
        return -1;
    const u16 d = steps[index.row()];
    return d < image_layout::DelayCount ? d : -1;
}

QWidget *aseq_conf_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (delayOfCell(index) < 0)
        return nullptr;
    auto *editor = new MyTimeEdit(parent);
    editor->setTimeRange(ShortestDelay, LongestDelay);
    editor->installEventFilter(const_cast<aseq_conf_delegate *>(this));
    return editor;
}

void aseq_conf_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const int d = delayOfCell(index);
    auto *timeEdit = qobject_cast<MyTimeEdit *>(editor);
    if (d < 0 || !timeEdit)
        return;
    const delay_entry_class entry(readU32(currentController->confData, image_layout::delayEntry(u32(d))));
    timeEdit->setTime(tenthsToTime(entry.time()));
}

void aseq_conf_delegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const int d = delayOfCell(index);
    auto *timeEdit = qobject_cast<MyTimeEdit *>(editor);
    if (d < 0 || !timeEdit)
        return;
    const u32 offset = image_layout::delayEntry(u32(d));
    delay_entry_class entry(readU32(currentController->confData, offset));
    entry.setTime(u32(timeToTenths(timeEdit->time())));
    writeU32(currentController->confData, offset, entry.word);
    model->setData(index, aseq_conf_widget::timeText(entry.time()));
}

void aseq_conf_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
