#pragma once

#include <QItemDelegate>

// Edits the type of an input in the Inputs settings table: a combo box of "Unused",
// "Normal Open" and "Normal Close" whose choice is stored in the image at once. The
// "Input" column shows a label that changes nothing; the description has no editor.
class asettings_inputs_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit asettings_inputs_delegate(QObject *parent);

    // The combo box's items, by their index.
    enum type_item { UnusedItem, NormalOpenItem, NormalCloseItem };

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};
