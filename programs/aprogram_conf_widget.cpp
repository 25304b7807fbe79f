#include "programs/aprogram_conf_widget.h"

#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "programs/aprogram_conf_delegate.h"
#include "widgets/font_fitting.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QCursor>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyle>
#include <QTimeEdit>

namespace {

// "Scene No." whole in bold, as the column titles are drawn while a row is selected.
constexpr int SceneColumnWidth = 62;
constexpr int DurationColumnWidth = 140;
constexpr int EventColumnWidth = 70;
// Room beside the columns for the row numbers and the vertical scroll bar.
constexpr int TableFrameWidth = 50;

constexpr qint64 TenthsPerDay = 864000;
// A step whose fade-up and duration are both zero is given this duration.
const QTime ZeroStepDuration(0, 0, 1);

enum class zero_time_answer { Ok = 0, FixAll = 1 };

} // namespace

aprogram_conf_widget::aprogram_conf_widget(aprogram_settings_widget *page, QWidget *parent)
    : QTableView(parent)
    , page(page)
{
    stepModel = new QStandardItemModel(0, StepColumnCount, this);
    stepModel->setHorizontalHeaderLabels({tr("Scene No."), tr("Fade Up Time"), tr("Duration | inf."),
                                          tr("Fade Down Time"), tr("Prog. Time"), tr("Event")});
    setModel(stepModel);

    table_setup setup;
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    // A cell is edited as on any table: double-click, F2 or a typed key opens its editor.
    setup.editTriggers = QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed;
    setup.selectionMode = QAbstractItemView::ExtendedSelection;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(this, setup);

    confDelegate = new aprogram_conf_delegate(this);
    setItemDelegate(confDelegate);
    connect(confDelegate, &QAbstractItemDelegate::closeEditor, this, qOverload<QWidget *>(&aprogram_conf_widget::refresh));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &aprogram_conf_widget::indexChanged);

    setColumnWidth(SceneColumn, SceneColumnWidth);
    setColumnWidth(DurationColumn, DurationColumnWidth);
    setColumnWidth(EventColumn, EventColumnWidth);
    setFont(page_base::listFont());
    fitHeaderFont();
    refresh();
}

aprogram_conf_widget::~aprogram_conf_widget() = default;

void aprogram_conf_widget::fitHeaderFont()
{
    // The columns keep their widths; the header texts shrink to them where the font is wider
    // than the one the widths were made for.
    QHeaderView *header = horizontalHeader();
    // Besides the style's margins, two pixels on each side keep a text off the section's edge.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    // The titles are drawn bold while a row is selected: they are fitted bold.
    QFont font = header->font();
    font.setBold(true);
    header->setFont(font);
    for (int column = 0; column < StepColumnCount; ++column)
        fitFontToWidth(header, {stepModel->headerData(column, Qt::Horizontal).toString()},
                       columnWidth(column) - margins);
    font = header->font();
    font.setBold(false);
    header->setFont(font);
}

int aprogram_conf_widget::columnsWidth() const
{
    int width = TableFrameWidth;
    for (int column = 0; column < StepColumnCount; ++column)
        width += columnWidth(column);
    return width;
}

QString aprogram_conf_widget::timeText(QTime time)
{
    // One digit of tenths: the controller counts its times in tenths of a second.
    return time.toString(QStringLiteral("hh:mm:ss.zzz")).left(10);
}

QString aprogram_conf_widget::programTimeText(qint64 tenths)
{
    const qint64 days = tenths / TenthsPerDay;
    const QString time = timeText(tenthsToTime(u32(tenths % TenthsPerDay)));
    return days > 0 ? QStringLiteral("%1+").arg(days) + time : time;
}

QString aprogram_conf_widget::eventText(int code)
{
    // Steps fire internal events only; they are numbered from 1 as the Events tab lists them.
    if (code >= EventInternal && code < EventTimer)
        return QString::number(code - EventInternal + 1);
    return tr("not set");
}

void aprogram_conf_widget::setProgram(int program)
{
    programNumber = program;
    runMode = currentController->programList.recurrences(program);
    confDelegate->setProgramNumber(program);
    confDelegate->setProgramRunMode(runMode);
}

void aprogram_conf_widget::setRunMode(int recurrences)
{
    runMode = recurrences;
    confDelegate->setProgramRunMode(recurrences);
    refresh();
}

void aprogram_conf_widget::setRows(int count)
{
    const int rows = stepModel->rowCount();
    if (rows < count) {
        for (int row = rows; row < count; ++row) {
            QList<QStandardItem *> items;
            for (int column = 0; column < StepColumnCount; ++column)
                items << new QStandardItem;
            stepModel->appendRow(items);
        }
    } else if (count >= 0 && rows > count) {
        stepModel->removeRows(count, rows - count);
    }
    refresh();
}

aprogram_conf_widget::key_operation aprogram_conf_widget::keyOperation(int key, Qt::KeyboardModifiers modifiers)
{
    // Copy and paste want Ctrl alone, so Ctrl+Shift+C stays free; Delete and Insert work
    // with any modifier.
    const Qt::KeyboardModifiers exact = modifiers & ~Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_Delete: return DeleteOperation;
    case Qt::Key_Insert: return InsertOperation;
    case Qt::Key_C: return exact == Qt::ControlModifier ? CopyOperation : NoOperation;
    case Qt::Key_V: return exact == Qt::ControlModifier ? PasteOperation : NoOperation;
    default: return NoOperation;
    }
}

void aprogram_conf_widget::keyPressEvent(QKeyEvent *event)
{
    const key_operation operation = keyOperation(event->key(), event->modifiers());
    // A key that an open editor does not use comes on to the table. The edit belongs to the
    // step it was opened on: it is stored there before the operation moves the steps, as
    // when a click on one of the page's buttons takes the focus from the editor.
    if (operation != NoOperation && !closeEditorWithFocus()) {
        event->accept();
        return;
    }
    switch (operation) {
    case DeleteOperation: deleteStep(); break;
    case InsertOperation: insertStep(); break;
    case CopyOperation: copyStep(); break;
    case PasteOperation: pasteStep(); break;
    case NoOperation: QTableView::keyPressEvent(event); return;
    }
    event->accept();
}

bool aprogram_conf_widget::closeEditorWithFocus()
{
    if (state() != EditingState)
        return true;
    // The editor is the viewport's child that holds the focus, or one of whose parts does.
    QWidget *editor = focusWidget();
    while (editor && editor->parentWidget() != viewport())
        editor = editor->parentWidget();
    if (editor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        setFocus();
    }
    // Should an editor stay open all the same, no step moves under it.
    return state() != EditingState;
}

void aprogram_conf_widget::stopEditing(QWidget *editor)
{
    // While the table refreshes (a box of the zero-time rule may cover the editor), the
    // editor stays open: the edit that led to the refresh is not done yet.
    if (!editor || refreshing)
        return;
    const QPoint at = editor->mapFromGlobal(QCursor::pos());
    // Over the editor's own parts (its time field, its check box) the edit goes on.
    if (at.x() > 0 && at.x() < editor->width() && at.y() > 0 && at.y() < editor->height())
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void aprogram_conf_widget::refresh(int)
{
    refresh();
}

void aprogram_conf_widget::refresh()
{
    if (refreshing) {
        refreshAgain = true;
        return;
    }
    refreshing = true;
    do {
        refreshAgain = false;
        fillRows();
    } while (refreshAgain);
    refreshing = false;
    emit refreshed();
}

void aprogram_conf_widget::refresh(QWidget *editor)
{
    // Time editors change what the program times add up to; the duration editor is a
    // compound widget, recognised by its column.
    if (qobject_cast<QTimeEdit *>(editor) || currentIndex().column() == DurationColumn)
        refresh();
}

void aprogram_conf_widget::indexChanged(const QModelIndex &, const QModelIndex &)
{
    refresh();
}

void aprogram_conf_widget::fillRows()
{
    program_clock clock;
    bool fixAll = false;
    // Both bounds are read again for every row: the zero-time question lets the event loop
    // run, and the program or the rows may change meanwhile.
    for (int row = 0; row < stepModel->rowCount() && row < currentController->programList.stepCount(programNumber);
         ++row)
        fillRow(row, clock, fixAll);
}

void aprogram_conf_widget::fillRow(int row, program_clock &clock, bool &fixAll)
{
    program_list_class &programs = currentController->programList;
    const int p = programNumber;

    setCellText(row, SceneColumn, QStringLiteral("   ") + QString::number(programs.scene(p, row) + 1));

    const QTime rise = programs.riseTime(p, row);
    qint64 rowSum = timeToTenths(rise);
    clock.add(rowSum);
    setCellText(row, FadeUpColumn, timeText(rise));

    if (programs.isLastTimeInf(p, row)) {
        setCellText(row, DurationColumn, tr("  infinite"));
        clock.stop();
    } else {
        QTime duration = programs.lastTime(p, row);
        rowSum += timeToTenths(duration);
        if (rowSum == 0) {
            // The controller cannot play a step that takes no time at all.
            if (!fixAll)
                fixAll = askZeroTimeFix();
            duration = ZeroStepDuration;
            programs.setLastTime(p, row, duration);
        }
        clock.add(timeToTenths(duration));
        setCellText(row, DurationColumn, timeText(duration));
    }

    if (row + 1 == stepModel->rowCount() && runMode != 0) {
        QTime fall = programs.fallTime(p, row);
        // The last step's end word carries the fade-down; its two highest values are markers.
        if (timeToTenths(fall) > program_step_record::LongestFadeDown) {
            fall = QTime(0, 0);
            programs.setFallTime(p, row, fall);
        }
        clock.add(timeToTenths(fall));
        setCellText(row, FadeDownColumn, timeText(fall));
    } else {
        setCellText(row, FadeDownColumn, QStringLiteral(" - "));
    }

    QStandardItem *time = cell(row, ProgramTimeColumn);
    if (clock.determined()) {
        time->setText(programTimeText(clock.tenths));
        time->setData(tenthsToTime(u32(clock.tenths % TenthsPerDay)), ProgramTimeRole);
    } else {
        time->setText(tr("undetermined"));
        time->setData(QTime(), ProgramTimeRole);
    }
    time->setData(clock.tenths, ProgramTenthsRole);

    setCellText(row, EventColumn, eventText(programs.stepEvent(p, row)));
}

bool aprogram_conf_widget::askZeroTimeFix()
{
    message_request request;
    request.icon = message_icon::Warning;
    request.title = tr("Rule broken!");
    request.text = tr("Both times cannot equal 0!\nDuration will be fixed.");
    request.customButtons = {{tr("O.K.")}, {tr("Fix all steps")}};
    request.defaultCustomButton = int(zero_time_answer::Ok);
    request.noEscapeButton = true;
    request.parentWidget = this;
    return userInteraction().showMessage(request) == int(zero_time_answer::FixAll);
}

QStandardItem *aprogram_conf_widget::cell(int row, int column) const
{
    QStandardItem *item = stepModel->item(row, column);
    if (!item) {
        item = new QStandardItem;
        stepModel->setItem(row, column, item);
    }
    return item;
}

void aprogram_conf_widget::setCellText(int row, int column, const QString &text)
{
    cell(row, column)->setText(text);
}
