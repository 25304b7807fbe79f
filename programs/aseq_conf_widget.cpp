#include "programs/aseq_conf_widget.h"

#include "events/action_room.h"
#include "events/aevents_conf_widget.h"
#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "programs/aseq_conf_delegate.h"
#include "programs/aseq_delay_chain.h"
#include "programs/aseq_settings_widget.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QDebug>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStandardItemModel>

namespace {

struct column_entry {
    const char *header;
    int width;
};
const column_entry Columns[aseq_conf_widget::ColumnCount] = {
    {QT_TRANSLATE_NOOP("aseq_conf_widget", "Step No."), 100},
    {QT_TRANSLATE_NOOP("aseq_conf_widget", "Delay Time"), 170},
    {QT_TRANSLATE_NOOP("aseq_conf_widget", "Global Time"), 190},
};

const QString TimeFormat = QStringLiteral("h:mm:ss:zzz");
constexpr quint64 TenthsPerDay = 864000;

// The time of a step whose delay got no time yet; from there on the sequence's timing is
// not known.
QString undefinedText()
{
    return QStringLiteral("undefined");
}

} // namespace

aseq_conf_widget::aseq_conf_widget(QWidget *parent)
    : QTableView(parent)
{
    stepModel = new QStandardItemModel(0, ColumnCount, this);
    for (int c = 0; c < ColumnCount; ++c)
        stepModel->setHorizontalHeaderItem(c, new QStandardItem(tr(Columns[c].header)));
    setModel(stepModel);
    setFont(page_base::listFont());

    table_setup setup;
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = false;
    setup.editTriggers = editTriggers();  // the view's own: a double click or F2 edits a delay
    setup.selectionMode = QAbstractItemView::ExtendedSelection;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(this, setup);
    for (int c = 0; c < ColumnCount; ++c)
        setColumnWidth(c, Columns[c].width);

    delegate = new aseq_conf_delegate(this);
    setItemDelegate(delegate);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, qOverload<QWidget *>(&aseq_conf_widget::refresh));

    load(0);
}

aseq_delay_chain aseq_conf_widget::chain() const
{
    return aseq_delay_chain(*currentController, sequence);
}

int aseq_conf_widget::rowsFor(int n)
{
    return n > 0 ? n + 1 : 0;
}

int aseq_conf_widget::stepCount() const
{
    return chain().stepCount();
}

u16 aseq_conf_widget::rowEvent(int row) const
{
    return chain().rowEvent(row);
}

int aseq_conf_widget::currentStepRow() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() >= stepCount())
        return -1;
    return current.row();
}

void aseq_conf_widget::setSequence(int q)
{
    sequence = q;
    delegate->setSequence(q);
    const int n = stepCount();
    emit changeStepNumber(n);
    setRows(n);
}

QString aseq_conf_widget::timeText(u32 tenths)
{
    return tenthsToTime(tenths).toString(TimeFormat);
}

QString aseq_conf_widget::globalTimeText(quint64 tenths)
{
    const int days = int(tenths / TenthsPerDay);
    const QString dayText = days > 0 ? tr("%n day(s) ", nullptr, days) : QString();
    return dayText + timeText(u32(tenths % TenthsPerDay));
}

void aseq_conf_widget::connectRowReports()
{
    if (page) {
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, page, &aseq_settings_widget::stepRowChange,
                Qt::UniqueConnection);
    }
}

void aseq_conf_widget::disconnectRowReports()
{
    if (page)
        disconnect(selectionModel(), &QItemSelectionModel::currentRowChanged, page, &aseq_settings_widget::stepRowChange);
}

void aseq_conf_widget::refresh(QWidget *)
{
    refresh();
}

void aseq_conf_widget::refresh()
{
    const QList<u16> &steps = chain().steps();
    const int n = int(steps.size());
    if (n == 0)
        return;
    const int rows = stepModel->rowCount();
    if (rows != n + 1)
        qDebug() << "Niezgodność rozmiarów!" << n << rows;

    auto setText = [&](int row, int column, const QString &text) {
        if (row < rows)
            stepModel->setData(stepModel->index(row, column), text);
    };
    quint64 total = 0;
    bool timingKnown = true;
    for (int r = 0; r < n; ++r) {
        setText(r, StepColumn, QStringLiteral("   %1").arg(r + 1));
        const u16 d = steps[r];
        if (d >= image_layout::DelayCount) {
            setText(r, DelayTimeColumn, QString());
            setText(r, GlobalTimeColumn, undefinedText());
            continue;
        }
        const u32 time = delay_entry_class(readU32(currentController->confData, image_layout::delayEntry(d))).time();
        setText(r, DelayTimeColumn, timeText(time));
        timingKnown &= time != delay_entry_class::UnsetTime;
        if (timingKnown)
            total += time;
        setText(r, GlobalTimeColumn, timingKnown ? globalTimeText(total) : undefinedText());
    }
    setText(n, StepColumn, tr("finish"));
    setText(n, DelayTimeColumn, QString());
    setText(n, GlobalTimeColumn, QString());
}

void aseq_conf_widget::setRows(int n)
{
    aseq_delay_chain steps = chain();
    // Every new step is started by a Delay Start action: each needs its record.
    const int newDelays = steps.delaysToResize(n);
    if (!action_room::roomForActions(currentController->eventActions, newDelays, this)
        || !mayTakeOver(steps, newDelays)) {
        emit changeStepNumber(steps.stepCount());  // the count box goes back to the steps kept
        return;
    }
    if (actionEditor)
        actionEditor->setEvent(NoEvent);
    const bool allGotDelays = steps.resize(n);
    n = steps.stepCount();
    if (n > 0) {
        stepModel->setRowCount(rowsFor(n));
    } else {
        // Without rows there is no step to follow: the action editor already shows none.
        disconnectRowReports();
        stepModel->setRowCount(0);
        connectRowReports();
    }
    if (!allGotDelays)
        warnNoFreeDelay();
    refresh();
}

void aseq_conf_widget::load(int q)
{
    sequence = q;
    clearSelection();
    stepModel->setRowCount(rowsFor(stepCount()));
    refresh();
}

void aseq_conf_widget::insertStep()
{
    const int row = currentStepRow();
    if (row < 0)
        return;
    aseq_delay_chain steps = chain();
    const int newDelays = steps.delaysToInsert(row);
    if (!action_room::roomForActions(currentController->eventActions, newDelays, this)
        || !mayTakeOver(steps, newDelays))
        return;
    if (!steps.insertStep(row)) {
        warnNoFreeDelay();
        return;
    }
    const int n = steps.stepCount();
    if (stepModel->rowCount() != rowsFor(n)) {
        emit changeStepNumber(n);
        setRows(n);
    }
    if (actionEditor)
        actionEditor->setEvent(steps.rowEvent(row));
    refresh();
}

void aseq_conf_widget::deleteStep()
{
    const int row = currentStepRow();
    if (row < 0)
        return;
    aseq_delay_chain steps = chain();
    const u16 event = steps.deleteStep(row);
    const int n = steps.stepCount();
    if (stepModel->rowCount() != rowsFor(n)) {
        emit changeStepNumber(n);
        setRows(n);
    }
    if (actionEditor)
        actionEditor->setEvent(event);
    refresh();
}

void aseq_conf_widget::cleanPrevStep()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() == 0)
        return;
    aseq_delay_chain steps = chain();
    if (!action_room::roomForActions(currentController->eventActions,
                                     steps.actionsToFinishPreviousStep(current.row()), this))
        return;
    steps.finishPreviousStep(current.row());
    refresh();
    emit refreshEvents();
}

void aseq_conf_widget::warnNoFreeDelay()
{
    showMessage(message_icon::Warning, tr("Action failed!"), tr("To many delays defined!"), message_button::Ok,
                message_button::NoButton, this);
}

bool aseq_conf_widget::mayTakeOver(aseq_delay_chain &steps, int count)
{
    const QList<u16> taken = steps.takeOvers(count);
    if (taken.isEmpty())
        return true;
    enum answer { AnswerNo, AnswerYes };
    message_request question;
    question.icon = message_icon::Question;
    question.title = tr("Confirmation");
    question.text = tr("Not enough free delays without a time or end actions of their own are left.\n"
                       "%n delay(s) from Delay %1 on would become steps of this sequence, losing their times "
                       "and end actions.\nReally want to do so?",
                       nullptr, int(taken.size()))
                        .arg(taken.first() + 1);
    question.customButtons = {{tr("No"), button_role::No}, {tr("Yes!"), button_role::Yes}};
    question.defaultCustomButton = AnswerNo;
    question.parentWidget = this;
    if (userInteraction().showMessage(question) != AnswerYes)
        return false;
    steps.allowTakeOvers(taken);
    return true;
}
