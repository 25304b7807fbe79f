#include "programs/aprogram_conf_delegate.h"

#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_layout.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/program_time_edit.h"
#include "widgets/font_fitting.h"
#include "widgets/inf_time_class.h"
#include "widgets/my_time_edit.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>

namespace {

constexpr int LastScene = int(image_layout::SceneCount);
// Steps fire internal events only: internal event n (1..1024) is code EventInternal - 1 + n.
constexpr int LastInternalEvent = EventTimer - EventInternal;
constexpr int InternalEventBase = EventInternal - 1;
constexpr qint64 LongestDuration = program_step_record::LongestDuration;

const QString NoFadeDownText = QStringLiteral(" - ");

program_list_class &programs()
{
    return currentController->programList;
}

} // namespace

aprogram_conf_delegate::aprogram_conf_delegate(aprogram_conf_widget *table)
    : QItemDelegate(table)
    , table(table)
{
}

void aprogram_conf_delegate::setProgramRunMode(int recurrences)
{
    runMode = recurrences;
}

void aprogram_conf_delegate::setProgramNumber(int program)
{
    programNumber = program;
}

bool aprogram_conf_delegate::isOpenEditor(QWidget *editor) const
{
    // An editor starts at the top left corner of its cell.
    return table->indexWidget(table->indexAt(editor->geometry().topLeft() + QPoint(1, 1))) == editor;
}

bool aprogram_conf_delegate::isLastRow(int row) const
{
    return row + 1 == table->stepModel->rowCount();
}

qint64 aprogram_conf_delegate::endOf(const QModelIndex &index)
{
    const QModelIndex cell = index.siblingAtColumn(aprogram_conf_widget::ProgramTimeColumn);
    const QVariant tenths = cell.data(aprogram_conf_widget::ProgramTenthsRole);
    return tenths.isValid() ? tenths.toLongLong() : -1;
}

aprogram_conf_delegate::end_range aprogram_conf_delegate::endRange(int row, qint64 end) const
{
    const program_list_class &list = programs();
    const qint64 duration = timeToTenths(list.lastTime(programNumber, row));
    // The step itself may shrink to nothing and grow to the longest finite duration.
    qint64 back = duration;
    qint64 forward = qMax<qint64>(0, LongestDuration - duration);
    if (!isLastRow(row)) {
        // The next step gives what this one takes, and takes what this one gives; an
        // infinite next step keeps its duration, but bounds the move all the same.
        const qint64 next = timeToTenths(list.lastTime(programNumber, row + 1));
        forward = qMin(forward, next);
        if (!list.isLastTimeInf(programNumber, row + 1))
            back = qMin(back, qMax<qint64>(0, LongestDuration - next));
    } else {
        // The program may end anywhere up to the end of the day it ends on.
        const qint64 endOfDay = end - end % program_time_edit::TenthsPerDay + program_time_edit::TenthsPerDay - 1;
        forward = qMin(forward, endOfDay - end);
    }
    return {end - back, end + forward};
}

// --- editors --------------------------------------------------------------------------

QWidget *aprogram_conf_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                              const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    switch (index.column()) {
    case aprogram_conf_widget::SceneColumn: editor = createSceneEditor(parent); break;
    case aprogram_conf_widget::FadeUpColumn: {
        auto *time = new MyTimeEdit(parent);
        time->setTimeRange(QTime(0, 0), tenthsToTime(program_step_record::LongestFadeUp));
        editor = time;
        break;
    }
    case aprogram_conf_widget::DurationColumn: editor = createDurationEditor(parent); break;
    case aprogram_conf_widget::FadeDownColumn: editor = createFadeDownEditor(parent, index.row()); break;
    case aprogram_conf_widget::ProgramTimeColumn: editor = createProgramTimeEditor(parent, index); break;
    case aprogram_conf_widget::EventColumn: editor = createEventEditor(parent); break;
    default: break;
    }
    // Enter, Tab, Escape and the loss of focus end the edit as on any item view.
    if (editor)
        editor->installEventFilter(const_cast<aprogram_conf_delegate *>(this));
    return editor;
}

QWidget *aprogram_conf_delegate::createSceneEditor(QWidget *parent) const
{
    auto *scene = new QSpinBox(parent);
    scene->setRange(1, LastScene);
    scene->setPrefix(QStringLiteral("   "));
    connect(scene, &QSpinBox::valueChanged, this, &aprogram_conf_delegate::changeDesc);
    return scene;
}

QWidget *aprogram_conf_delegate::createDurationEditor(QWidget *parent) const
{
    auto *duration = new infTime_class(parent);
    // Keys go to the time; the box is a click (or a Tab) away.
    duration->setFocusProxy(duration->timeEdit);
    auto *self = const_cast<aprogram_conf_delegate *>(this);
    duration->timeEdit->installEventFilter(self);
    duration->checkBox->installEventFilter(self);
    // The box shows at once what infinity makes of the program times; the store follows
    // only when the edit is committed.
    connect(duration->checkBox, &QCheckBox::stateChanged, table, qOverload<int>(&aprogram_conf_widget::refresh));
    connect(duration, &infTime_class::leaved, table, &aprogram_conf_widget::stopEditing);
    return duration;
}

QWidget *aprogram_conf_delegate::createFadeDownEditor(QWidget *parent, int row) const
{
    // Only the last step of a program that ends has a fade-down the controller plays.
    if (!isLastRow(row) || runMode == 0) {
        auto *label = new QLabel(NoFadeDownText, parent);
        label->setAutoFillBackground(true);  // covers the cell's own text
        return label;
    }
    auto *time = new MyTimeEdit(parent);
    time->setTimeRange(QTime(0, 0), tenthsToTime(program_step_record::LongestFadeDown));
    return time;
}

program_time_edit *aprogram_conf_delegate::createProgramTimeEditor(QWidget *parent, const QModelIndex &index) const
{
    const qint64 end = endOf(index);
    if (end < 0)
        return nullptr;  // undetermined: an infinite step ends nothing
    const end_range range = endRange(index.row(), end);
    if (range.earliest >= range.latest)
        return nullptr;  // the end cannot move
    return new program_time_edit(range.earliest, range.latest, parent);
}

QWidget *aprogram_conf_delegate::createEventEditor(QWidget *parent) const
{
    auto *event = new QSpinBox(parent);
    event->setRange(0, LastInternalEvent);
    event->setSpecialValueText(tr("not set"));
    connect(event, &QSpinBox::valueChanged, this, &aprogram_conf_delegate::changeEvent);
    return event;
}

// --- loading and storing ----------------------------------------------------------------

void aprogram_conf_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const program_list_class &list = programs();
    const int row = index.row();
    if (auto *inf = qobject_cast<infTime_class *>(editor)) {
        const bool infinite = list.isLastTimeInf(programNumber, row);
        {
            // Loading is no tick: the table refreshes only when the user changes the box.
            const QSignalBlocker quiet(inf->checkBox);
            inf->checkBox->setChecked(infinite);
        }
        inf->editEnable(inf->checkBox->checkState());
        inf->timeEdit->setTime(infinite ? QTime(0, 0) : list.lastTime(programNumber, row));
    } else if (auto *end = qobject_cast<program_time_edit *>(editor)) {
        end->setEnd(endOf(index));
    } else if (auto *time = qobject_cast<MyTimeEdit *>(editor)) {
        time->setTime(index.column() == aprogram_conf_widget::FadeUpColumn ? list.riseTime(programNumber, row)
                                                                            : list.fallTime(programNumber, row));
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        if (index.column() == aprogram_conf_widget::SceneColumn) {
            spin->setValue(list.scene(programNumber, row) + 1);
        } else {
            const int code = list.stepEvent(programNumber, row);
            // Codes below the internal events open at 0, those above at the last one.
            spin->setValue(code == NoEvent ? 0 : code - InternalEventBase);
        }
    }
}

void aprogram_conf_delegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    program_list_class &list = programs();
    const int row = index.row();
    // Everything is read from the editor before the table refreshes: a box shown by the
    // refresh runs the event loop, and the view may close the editor meanwhile.
    if (auto *inf = qobject_cast<infTime_class *>(editor)) {
        inf->timeEdit->interpretText();  // typed, not yet taken
        if (inf->checkBox->isChecked())
            list.setLastTimeInf(programNumber, row);  // the duration stays behind the flag
        else
            list.setLastTime(programNumber, row, inf->timeEdit->time());
    } else if (auto *end = qobject_cast<program_time_edit *>(editor)) {
        end->interpretText();
        storeProgramTime(end, index);
    } else if (auto *time = qobject_cast<MyTimeEdit *>(editor)) {
        time->interpretText();
        if (index.column() == aprogram_conf_widget::FadeUpColumn)
            list.setRiseTime(programNumber, row, time->time());
        else
            list.setFallTime(programNumber, row, time->time());
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->interpretText();
        const int value = spin->value();
        if (index.column() == aprogram_conf_widget::SceneColumn) {
            if (list.setScene(programNumber, row, value - 1) == 0)
                emit const_cast<aprogram_conf_delegate *>(this)->changeDesc(value);
        } else {
            list.setStepEvent(programNumber, row, value == 0 ? NoEvent : InternalEventBase + value);
        }
    }
    // The cells show the store, whatever was stored (the fade-down label stores nothing).
    table->refresh();
}

void aprogram_conf_delegate::storeProgramTime(const program_time_edit *editor, const QModelIndex &index) const
{
    const qint64 end = endOf(index);
    if (end < 0)
        return;
    program_list_class &list = programs();
    const int row = index.row();
    // Signed offsets in tenths, never times of day: the end may pass midnight either way.
    const qint64 delta = editor->end() - end;
    if (delta == 0)
        return;
    auto moved = [&list, this](int step, qint64 by) {
        const qint64 tenths = timeToTenths(list.lastTime(programNumber, step)) + by;
        list.setLastTime(programNumber, step, tenthsToTime(u32(qBound<qint64>(0, tenths, LongestDuration))));
    };
    moved(row, delta);
    if (!isLastRow(row) && !list.isLastTimeInf(programNumber, row + 1))
        moved(row + 1, -delta);
}

void aprogram_conf_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                  const QModelIndex &) const
{
    // On the cell, over none beside it: a time or number editor lowers its font for its
    // widest text (all three digits of the milliseconds). Only where even the smallest
    // readable font does not fit does it reach over the next cell rather than hide a digit.
    QRect rect = option.rect;
    auto *box = qobject_cast<QAbstractSpinBox *>(editor);
    if (!box || !fitSpinBoxFont(box, rect.size()))
        rect.setWidth(qMax(rect.width(), editor->sizeHint().width()));
    editor->setGeometry(rect);
}

bool aprogram_conf_delegate::eventFilter(QObject *object, QEvent *event)
{
    // The parts of the duration editor report only their focus loss, as the editor's own,
    // and only while the editor is open: closing it moves the focus back to the table. A box
    // of the table's refresh (the zero-time rule) takes the focus without ending the edit:
    // the refresh may run inside the commit or inside the box's own signal, and the editor
    // must outlive both. Their keys reach the editor when they do not use them.
    if (auto *duration = qobject_cast<infTime_class *>(object->parent())) {
        return event->type() == QEvent::FocusOut && !table->isRefreshing() && isOpenEditor(duration)
            && QItemDelegate::eventFilter(duration, event);
    }
    return QItemDelegate::eventFilter(object, event);
}
