#include "settings/showDesc_delegate.h"

#include "model/description_bound.h"
#include "settings/showDesc_class.h"
#include "widgets/page_base.h"

#include <QLineEdit>

showDesc_delegate::showDesc_delegate(QObject *parent)
    : QItemDelegate(parent)
    , table(qobject_cast<showDesc_class *>(parent))
{
}

QWidget *showDesc_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    if (index.column() != showDesc_class::DescriptionColumn)
        return nullptr;
    // Every description a configuration holds is edited whole, and nothing longer is taken:
    // a longer one would be saved on a line the file's reader refuses.
    auto *editor = new QLineEdit(parent);
    editor->setMaxLength(int(description_bound::MaxLength));
    editor->setFont(page_base::descriptionFont());
    editor->installEventFilter(const_cast<showDesc_delegate *>(this));
    return editor;
}

void showDesc_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (index.column() == showDesc_class::DescriptionColumn)
        static_cast<QLineEdit *>(editor)->setText(table->descriptionOf(index.row()));
}

void showDesc_delegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (index.column() != showDesc_class::DescriptionColumn)
        return;
    const QString text = static_cast<QLineEdit *>(editor)->text();
    table->descriptionOf(index.row()) = text;
    model->setData(index, text);
}

void showDesc_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
