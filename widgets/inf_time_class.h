#pragma once

#include <QTime>
#include <QWidget>

class MyTimeEdit;
class QCheckBox;

// A time editor with a check box beside it; a checked box switches the editor off, which
// its users read as an infinite time. The range ends one tenth below 0xFFFF tenths, the
// value that stands for infinite.
class infTime_class : public QWidget
{
    Q_OBJECT

public:
    explicit infTime_class(QWidget *parent = nullptr);
    ~infTime_class() override;

    MyTimeEdit *timeEdit = nullptr;
    QCheckBox *checkBox = nullptr;

signals:
    // The editor's time, rounded to whole tenths, at every change of it.
    void timeChanged(QTime time);
    // The mouse left the widget and is over neither of its two parts.
    void leaved(QWidget *self);

public slots:
    // Disables the editor while the box is checked (2), enables it otherwise.
    void editEnable(int state);

protected:
    void leaveEvent(QEvent *event) override;
};
