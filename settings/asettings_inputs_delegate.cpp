#include "settings/asettings_inputs_delegate.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/input_type.h"
#include "settings/asettings_inputs_widget.h"

#include <QComboBox>
#include <QLabel>

namespace {

// The combo box's items in index order, and the type each one stores.
constexpr input_type ItemTypes[] = {InputUnused, InputNormallyOpen, InputNormallyClosed};

u32 typeOffset(const QModelIndex &index)
{
    return image_layout::inputType(u32(index.row()));
}

} // namespace

asettings_inputs_delegate::asettings_inputs_delegate(QObject *parent)
    : QItemDelegate(parent)
{
}

QWidget *asettings_inputs_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                 const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    switch (index.column()) {
    case asettings_inputs_widget::InputColumn:
        editor = new QLabel(asettings_inputs_widget::tr("Input %1").arg(index.row() + 1), parent);
        break;
    case asettings_inputs_widget::TypeColumn: {
        auto *combo = new QComboBox(parent);
        for (input_type type : ItemTypes)
            combo->addItem(asettings_inputs_widget::typeText(type));
        editor = combo;
        break;
    }
    default: return nullptr;  // descriptions are edited on the Descriptions page
    }
    editor->installEventFilter(const_cast<asettings_inputs_delegate *>(this));
    return editor;
}

void asettings_inputs_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (index.column() != asettings_inputs_widget::TypeColumn)
        return;
    switch (readI32(currentController->confData, typeOffset(index))) {
    case InputNormallyOpen: static_cast<QComboBox *>(editor)->setCurrentIndex(NormalOpenItem); break;
    case InputNormallyClosed: static_cast<QComboBox *>(editor)->setCurrentIndex(NormalCloseItem); break;
    default: static_cast<QComboBox *>(editor)->setCurrentIndex(UnusedItem); break;
    }
}

void asettings_inputs_delegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                             const QModelIndex &index) const
{
    if (index.column() != asettings_inputs_widget::TypeColumn)
        return;
    auto *combo = static_cast<QComboBox *>(editor);
    const int item = combo->currentIndex();
    if (item < 0 || item >= int(std::size(ItemTypes)))
        return;
    writeI32(currentController->confData, typeOffset(index), ItemTypes[item]);
    model->setData(index, combo->currentText());
}

void asettings_inputs_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                     const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
