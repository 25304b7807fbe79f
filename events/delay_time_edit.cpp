#include "events/delay_time_edit.h"

#include "model/delay_entry_class.h"
#include "model/time_codec.h"
#include "widgets/my_time_edit.h"
#include "widgets/font_fitting.h"
#include "widgets/page_base.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

const QRect DefinedGeometry(20, 10, 111, 18);
const QRect TimeGeometry(20, 40, 111, 22);
const QRect OkGeometry(140, 8, 70, 23);
const QRect CancelGeometry(140, 40, 70, 23);
const QTime ShortestTime(0, 0, 0, 100);
// The time field's longest time, which MyTimeEdit holds at 23:59:59.9.
const QTime LongestShownTime(23, 59, 59, 900);
// What the time field's arrows and frame take of its width.
constexpr int TimeFieldArrowsWidth = 32;

bool shownAsTime(u32 tenths)
{
    return tenths >= 1 && tenths <= delay_entry_class::WholeDay;
}

} // namespace

delayTimeEdit::delayTimeEdit(QWidget *parent)
    : QWidget(parent)
{
    createWidgets();
    connectSignals();
}

void delayTimeEdit::createWidgets()
{
    setFont(page_base::listFont());
    definedBox = new QCheckBox(tr("Defined"), this);
    definedBox->setGeometry(DefinedGeometry);

    timeField = new MyTimeEdit(this);
    timeField->setGeometry(TimeGeometry);
    // The format first: the field's minimum is set in it.
    timeField->setDisplayFormat(QStringLiteral("HH'h' mm'm' ss.zzz's'"));
    timeField->setMinimumTime(ShortestTime);
    // The whole time beside the arrows, in the fonts of this system.
    fitFontToWidth(timeField, {QStringLiteral("00h 00m 00.000s")}, timeField->width() - TimeFieldArrowsWidth);
    timeField->setEnabled(false);

    okButton = new QPushButton(QStringLiteral("O.K."), this);
    okButton->setGeometry(OkGeometry);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setGeometry(CancelGeometry);
}

void delayTimeEdit::connectSignals()
{
    connect(definedBox, &QCheckBox::stateChanged, this, &delayTimeEdit::newCheckState);
    connect(cancelButton, &QPushButton::clicked, this, &delayTimeEdit::slotAbort);
    connect(okButton, &QPushButton::clicked, this, &delayTimeEdit::slotSave);
    // Any change of the time makes the time shown the one stored.
    connect(timeField, &QTimeEdit::timeChanged, this, [this] { showsWholeDay = false; });
}

void delayTimeEdit::newCheckState(int state)
{
    timeField->setEnabled(state == Qt::Checked);
}

u32 delayTimeEdit::value()
{
    if (!definedBox->isChecked())
        return Undefined;
    if (showsWholeDay)
        return delay_entry_class::WholeDay;
    return u32(timeToTenths(timeField->time()));
}

void delayTimeEdit::setValue(u32 tenths)
{
    if (!shownAsTime(tenths)) {
        showsWholeDay = false;
        definedBox->setChecked(false);
        return;
    }
    if (tenths == delay_entry_class::WholeDay) {
        timeField->setTime(LongestShownTime);
        showsWholeDay = true;
    } else {
        timeField->setTime(tenthsToTime(tenths));
        showsWholeDay = false;
    }
    definedBox->setChecked(true);
}

void delayTimeEdit::slotAbort()
{
    emit abort(this);
}

void delayTimeEdit::slotSave()
{
    emit save(this);
    emit abort(this);
}
