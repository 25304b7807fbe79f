#pragma once

#include <QItemDelegate>

class aprogram_settings_widget;

// The item delegate of the program page's extra-entries table: a spin box for an entry's
// source program ("Program n", any ordinary program) and one for its start step ("Step n",
// any step of the source but the first). The program an entry occupies is not edited.
// Each value goes into the controller's entry list when the edit is committed; the page
// then rewrites its tables.
class aprogram_entry_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // The delegate of `page`, which owns it.
    explicit aprogram_entry_delegate(aprogram_settings_widget *page);

    aprogram_settings_widget *page = nullptr;

    // How the cells of the source and start-step columns name a number counted from 1:
    // "Program %1", "Step %1". The editors show the same words around the number they offer.
    static QString programFormat();
    static QString stepFormat();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    // The source program being chosen, counted from 1.
    void changeDesc(int program);
};
