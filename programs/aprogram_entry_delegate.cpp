#include "programs/aprogram_entry_delegate.h"

#include "link/kd620_controller_class.h"
#include "programs/aprogram_settings_widget.h"

#include <QSpinBox>

namespace {

// The entry a row of the table shows, or null when the list has changed under the editor.
extra_entry_class *entryAt(const QModelIndex &index)
{
    return currentController->extraEntries.value(index.row(), nullptr);
}

// The first step an entry may start at is the source's second.
constexpr int FirstStartStep = 2;

// A spin box that reads as the cell will once its value is stored: the words of the
// cell's format before and after the number.
void readAsCell(QSpinBox *spin, const QString &cellFormat)
{
    const qsizetype number = cellFormat.indexOf(QLatin1String("%1"));
    spin->setPrefix(cellFormat.left(number));
    spin->setSuffix(cellFormat.mid(number + 2));
}

} // namespace

aprogram_entry_delegate::aprogram_entry_delegate(aprogram_settings_widget *page)
    : QItemDelegate(page), page(page)
{
}

QString aprogram_entry_delegate::programFormat()
{
    return tr("Program %1");
}

QString aprogram_entry_delegate::stepFormat()
{
    return tr("Step %1");
}

QWidget *aprogram_entry_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                               const QModelIndex &index) const
{
    const extra_entry_class *entry = entryAt(index);
    if (!entry)
        return nullptr;
    switch (index.column()) {
    case aprogram_settings_widget::EntrySourceColumn: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(1, qMax(1, page->ordinaryPrograms));
        readAsCell(spin, programFormat());
        connect(spin, &QSpinBox::valueChanged, this, &aprogram_entry_delegate::changeDesc);
        return spin;
    }
    case aprogram_settings_widget::EntryStepColumn: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(FirstStartStep, qMax(FirstStartStep, page->entrySourceSteps(*entry)));
        readAsCell(spin, stepFormat());
        return spin;
    }
    default: return nullptr;  // the program an entry occupies follows from its row
    }
}

void aprogram_entry_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    const extra_entry_class *entry = entryAt(index);
    if (!spin || !entry)
        return;
    const QSignalBlocker quiet(spin);  // loading is no choice of the user's
    spin->setValue(index.column() == aprogram_settings_widget::EntrySourceColumn ? entry->source + 1
                                                                                 : entry->start + 1);
}

void aprogram_entry_delegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    extra_entry_class *entry = entryAt(index);
    if (!spin || !entry)
        return;
    spin->interpretText();
    const int value = spin->value();
    if (index.column() == aprogram_settings_widget::EntrySourceColumn) {
        entry->source = u16(value - 1);
        model->setData(index, programFormat().arg(value), Qt::DisplayRole);
    } else {
        entry->start = u16(value - 1);
        model->setData(index, stepFormat().arg(value), Qt::DisplayRole);
    }
    // Every row is judged again: a new source may make a start step valid or invalid.
    page->refresh();
}
