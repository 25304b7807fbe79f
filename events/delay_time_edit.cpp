#include "events/delay_time_edit.h"

#include "model/delay_entry_class.h"
#include "model/time_codec.h"
#include "widgets/my_time_edit.h"
#include "widgets/font_fitting.h"
#include "widgets/page_base.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

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

// Gives a press that closed a popup to the window now under it, as if the popup had not
// been there. A window that a modal dialog blocks gets nothing.
void passPressOn(const QMouseEvent &press)
{
    const QPoint global = press.globalPosition().toPoint();
    QWidget *target = QApplication::widgetAt(global);
    if (!target)
        return;
    QWidget *top = target->window();
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != top && !modal->isAncestorOf(top))
        return;
    QWindow *window = top->windowHandle();
    if (!window)
        return;
    const QPointF local = window->mapFromGlobal(global);
    QMouseEvent replay(QEvent::MouseButtonPress, local, local, press.globalPosition(), press.button(),
                       press.buttons(), press.modifiers(), press.pointingDevice());
    QCoreApplication::sendEvent(window, &replay);
}

} // namespace

delayTimeEdit::delayTimeEdit(QWidget *parent)
    : QWidget(parent)
{
    createWidgets();
    connectSignals();
    // A press outside the popup is passed on here, on every platform alike.
    setAttribute(Qt::WA_NoMouseReplay);
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
    okPressed = true;
    emit save(this);
    okPressed = false;
    emit abort(this);
}

void delayTimeEdit::mousePressEvent(QMouseEvent *event)
{
    if (windowType() != Qt::Popup || rect().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    // A press elsewhere ends the edit as "Cancel" does, at once (focus changes may come
    // later on some platforms), and then does what it was aimed at: the row clicked in the
    // list is chosen, the button clicked acts, with no second click.
    event->accept();
    slotAbort();
    if (isVisible())
        close();  // no view took the editor back: it closes as any popup does
    passPressOn(*event);
}
