#pragma once

#include <QItemDelegate>

class showDesc_class;

// Edits a description of the Descriptions page in a line edit: it starts from the stored
// description and stores the text as typed (blanks kept, up to the longest a description
// holds) when the edit is committed. Item names have no editor.
class showDesc_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // The parent is the table the delegate edits.
    explicit showDesc_delegate(QObject *parent);

    showDesc_class *table = nullptr;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};
