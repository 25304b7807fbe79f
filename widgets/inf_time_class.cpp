#include "widgets/inf_time_class.h"

#include "widgets/my_time_edit.h"
#include "model/time_codec.h"

#include <QCheckBox>
#include <QHBoxLayout>

infTime_class::infTime_class(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(3);
    layout->setContentsMargins(1, 1, 1, 1);
    timeEdit = new MyTimeEdit(this);
    layout->addWidget(timeEdit);
    checkBox = new QCheckBox(this);
    layout->addWidget(checkBox);
    timeEdit->setTimeRange(QTime(0, 0), tenthsToTime(0xFFFE));
    checkBox->setText(QString());
    connect(checkBox, &QCheckBox::stateChanged, this, &infTime_class::editEnable);
    // Users follow the time of the pair, as the editor rounds it to whole tenths.
    connect(timeEdit, &MyTimeEdit::timeChanged, this, [this](QTime &time) { emit timeChanged(time); });
}

infTime_class::~infTime_class()
{
    delete timeEdit;
    delete checkBox;
}

void infTime_class::editEnable(int state)
{
    timeEdit->setEnabled(state != Qt::Checked);
}

// Moving between the editor and the box also leaves this widget's own area; only a move
// out of the whole widget counts.
void infTime_class::leaveEvent(QEvent *)
{
    if (!checkBox->underMouse() && !timeEdit->underMouse())
        emit leaved(this);
}
