#pragma once

#include <QItemDelegate>
#include <QPointer>

class delayTimeEdit;

// The item delegate of the Delays page's list: the time cell of a delay that no sequence
// owns opens the popup time editor (delayTimeEdit); "O.K." stores its time in the delay,
// keeping the delay's owner, and nothing else does. The number cell and a sequence's delay
// open nothing.
class aevents_dlyd_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // page: the Delays page, the parent of the popup; parent: the page's list.
    aevents_dlyd_delegate(QWidget *page, QObject *parent);

    // Where the popup opens: this far right of and below the main window's top-left corner.
    static const QPoint PopupOffset;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

public slots:
    // Closes an open time editor without storing: another configuration replaced the one
    // it was opened on, or a clear emptied its delay.
    void endEditing();

private:
    QWidget *const page;
    mutable QPointer<delayTimeEdit> openEditor;
};
