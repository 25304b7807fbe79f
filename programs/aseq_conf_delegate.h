#pragma once

#include <QItemDelegate>

// Edits the delay time of a step in the step table of the sequence page: a time editor in
// the Delay Time cell of a step that has a delay, writing the delay's time at once. The
// owner of the delay stays as it was.
class aseq_conf_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit aseq_conf_delegate(QObject *parent);

    // The sequence whose delays the delegate edits; values outside 0..127 are ignored.
    void setSequence(int q);

    int sequence = 0;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    // The delay of the step a Delay Time cell shows, or -1 for any other cell (another
    // column, the finish row, a step without a delay).
    int delayOfCell(const QModelIndex &index) const;
};
