#include "programs/aseq_settings_widget.h"

#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_layout.h"
#include "programs/aseq_conf_widget.h"
#include "widgets/table_setup.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>

using image_layout::SequenceCount;

namespace {

// The list of sequences along the left edge. Its column is as wide as the descriptions it
// elides after an edit.
constexpr int ListX = 10;
constexpr int ListY = 10;
constexpr int ListHeight = 630;
constexpr int ListColumnWidth = 127;  // holds "no description" whole in every language

// Everything else stands in a column to the right of the list.
constexpr int RightX = 205;
constexpr int LabelHeight = 22;
constexpr int SequenceLabelY = 10;
constexpr int StepTableY = 36;
constexpr int StepTableHeight = 230;
constexpr int StepCountY = 276;
constexpr int StepCountLabelWidth = 220;
constexpr int StepCountSpinWidth = 70;
constexpr int EditorY = 310;
constexpr int EditorWidth = 610;  // room for the action editor's buttons
constexpr int EditorHeight = 270;
constexpr int DescriptionY = 610;
constexpr int DescriptionLabelWidth = 130;
constexpr int DescriptionLineWidth = 470;

// The buttons beside the step table, from its top down.
constexpr int ButtonGap = 12;
constexpr int ButtonWidth = 100;
struct button_entry {
    const char *text;
    int y;
    int height;
};
const button_entry InsertEntry = {QT_TRANSLATE_NOOP("aseq_settings_widget", "Insert"), StepTableY, 30};
const button_entry DeleteEntry = {QT_TRANSLATE_NOOP("aseq_settings_widget", "Delete"), StepTableY + 40, 30};
const button_entry FinishEntry = {QT_TRANSLATE_NOOP("aseq_settings_widget", "Finish\nprev. step"), StepTableY + 80, 46};

// The width a table needs to show its columns and the vertical scroll bar without a
// horizontal one.
int tableWidth(const QTableView *table, int columnsWidth)
{
    // Not isVisible(): the page is not shown yet while it is built.
    const int header = table->verticalHeader()->isHidden() ? 0 : table->verticalHeader()->sizeHint().width();
    return columnsWidth + header + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table)
        + 2 * table->frameWidth();
}

} // namespace

aseq_settings_widget::aseq_settings_widget(QWidget *tabPage)
    : page_base(tabPage)
{
    createWidgets();
    stepTable->actionEditor = actionEditor;
    stepTable->page = this;
    connectSignals();
    refresh();
}

void aseq_settings_widget::createWidgets()
{
    createSequenceTable();
    createStepControls();

    actionEditor = new aevents_conf_widget(SequencePageKind, this);
    actionEditor->setGeometry(RightX, EditorY, EditorWidth, EditorHeight);

    QFont description = descriptionFont();
    description.setWeight(QFont::Normal);
    descLabel = new QLabel(tr("Seq. description:"), this);
    descLabel->setFont(listFont());
    descLabel->setGeometry(RightX, DescriptionY, DescriptionLabelWidth, LabelHeight);
    seqDescEdit = new QLineEdit(this);
    seqDescEdit->setFont(description);
    seqDescEdit->setMaxLength(controller_configuration_class::DescriptionLength);
    seqDescEdit->setGeometry(RightX + DescriptionLabelWidth, DescriptionY, DescriptionLineWidth, LabelHeight);
}

void aseq_settings_widget::createSequenceTable()
{
    QFont font = listFont();
    font.setWeight(QFont::Normal);
    font.setItalic(false);

    // The rows come last, once the list is set up: its row numbers are measured once.
    sequenceTable = new QTableWidget(0, 1, this);
    sequenceTable->setFont(font);
    sequenceTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Sequences")));
    table_setup setup;
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = true;  // the sequence numbers 1..128
    setup.selectionMode = QAbstractItemView::SingleSelection;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(sequenceTable, setup);
    sequenceTable->setColumnWidth(0, ListColumnWidth);
    sequenceTable->setRowCount(int(SequenceCount));
    sequenceTable->setGeometry(ListX, ListY, tableWidth(sequenceTable, ListColumnWidth), ListHeight);
    sequenceTable->setCurrentCell(0, 0);
    sequenceModel = sequenceTable->model();
}

void aseq_settings_widget::createStepControls()
{
    sequenceLabel = new QLabel(tr("Sequence No. %1").arg(1), this);
    sequenceLabel->setFont(listFont());
    sequenceLabel->setGeometry(RightX, SequenceLabelY, StepCountLabelWidth, LabelHeight);

    stepTable = new aseq_conf_widget(this);
    int columns = 0;
    for (int c = 0; c < aseq_conf_widget::ColumnCount; ++c)
        columns += stepTable->columnWidth(c);
    const int stepTableWidth = tableWidth(stepTable, columns);
    stepTable->setGeometry(RightX, StepTableY, stepTableWidth, StepTableHeight);

    const int buttonX = RightX + stepTableWidth + ButtonGap;
    auto button = [&](const button_entry &entry) {
        auto *b = new QPushButton(tr(entry.text), this);
        b->setFont(listFont());
        b->setGeometry(buttonX, entry.y, ButtonWidth, entry.height);
        return b;
    };
    insertButton = button(InsertEntry);
    deleteButton = button(DeleteEntry);
    finishButton = button(FinishEntry);

    stepCountLabel = new QLabel(tr("Number of steps in sequence:"), this);
    stepCountLabel->setFont(listFont());
    stepCountLabel->setGeometry(RightX, StepCountY, StepCountLabelWidth, LabelHeight);
    stepCountSpin = new QSpinBox(this);
    stepCountSpin->setFont(listFont());
    stepCountSpin->setRange(0, int(image_layout::DelayCount));
    // A typed count takes effect once confirmed: every step on the way would take or free
    // delays.
    stepCountSpin->setKeyboardTracking(false);
    stepCountSpin->setGeometry(RightX + StepCountLabelWidth, StepCountY, StepCountSpinWidth, LabelHeight + 2);
}

void aseq_settings_widget::connectSignals()
{
    connect(stepCountSpin, &QSpinBox::valueChanged, this, &aseq_settings_widget::stepCountChange);
    // Inserting a step moves the current row's actions on to the new step: an open action
    // edit ends on its own action before they move.
    connect(insertButton, &QPushButton::clicked, actionEditor->actionTable, &aevents_tableview_widget::endEditing);
    connect(insertButton, &QPushButton::clicked, stepTable, &aseq_conf_widget::insertStep);
    connect(deleteButton, &QPushButton::clicked, stepTable, &aseq_conf_widget::deleteStep);
    connect(finishButton, &QPushButton::clicked, stepTable, &aseq_conf_widget::cleanPrevStep);
    connect(sequenceTable, &QTableWidget::currentCellChanged, this, &aseq_settings_widget::seqNumberChange);
    stepTable->connectRowReports();
    connect(seqDescEdit, &QLineEdit::editingFinished, this, &aseq_settings_widget::disableDescEdition);
    connect(stepTable, &aseq_conf_widget::changeStepNumber, this, &aseq_settings_widget::stepCountChanged);
    connect(stepTable, &aseq_conf_widget::refreshEvents, this, &aseq_settings_widget::refresh);
}

// ============================================================ slots

void aseq_settings_widget::refresh()
{
    const int q = currentSequence;
    sequenceLabel->setText(tr("Sequence No. %1").arg(q + 1));
    tableSeqRefresh();
    stepTable->setSequence(q);
    actionEditor->refresh();
    seqDescEdit->setText(currentController->eventDescs[sequenceStartEvent(u32(q))]);
    const QModelIndex current = stepTable->currentIndex();
    if (current.isValid())
        stepRowChange(current, current);
    else
        actionEditor->setEvent(NoEvent);
    stepTable->refresh();
}

QString aseq_settings_widget::sequenceText(int q) const
{
    const QString &description = currentController->eventDescs[sequenceStartEvent(u32(q))];
    // The same words as every other list of descriptions.
    return description.isEmpty() ? page_base::tr("no description") : description;
}

void aseq_settings_widget::tableSeqRefresh()
{
    const QBrush plain = QGuiApplication::palette().base();
    const QBrush inUse(inUseColour());
    for (int q = 0; q < int(SequenceCount); ++q) {
        const QModelIndex index = sequenceModel->index(q, 0);
        // Whole: the list elides what does not fit when it paints.
        sequenceModel->setData(index, sequenceText(q));
        sequenceModel->setData(index, currentController->sequenceDelays[q].isEmpty() ? plain : inUse,
                               Qt::BackgroundRole);
    }
}

void aseq_settings_widget::seqNumberChange(int row, int column, int, int)
{
    if (row < 0 || row >= int(SequenceCount))
        return;
    currentSequence = row;
    if (sequenceTable->currentRow() != row) {
        // This slot follows the list's own current cell: it is running already.
        const QSignalBlocker blocker(sequenceTable);
        sequenceTable->setCurrentCell(row, qMax(0, column));
    }
    // The rows change under the table: the action editor follows the page's refresh, not
    // each row that comes and goes.
    stepTable->disconnectRowReports();
    stepTable->load(row);
    stepCountSpin->setValue(stepTable->stepCount());
    stepTable->connectRowReports();
    refresh();
}

void aseq_settings_widget::stepCountChange(int n)
{
    stepTable->setRows(n);
    tableSeqRefresh();
}

void aseq_settings_widget::stepCountChanged(int n)
{
    const QSignalBlocker blocker(stepCountSpin);
    stepCountSpin->setValue(n);
}

void aseq_settings_widget::stepRowChange(const QModelIndex &current, const QModelIndex &)
{
    actionEditor->setEvent(current.isValid() ? stepTable->rowEvent(current.row()) : NoEvent);
}

void aseq_settings_widget::disableDescEdition()
{
    const int q = currentSequence;
    const QString text = seqDescEdit->text();  // as typed
    currentController->eventDescs[sequenceStartEvent(u32(q))] = text;
    const QString shown = descriptionText(text, QFontMetrics(sequenceTable->font()), sequenceTable->columnWidth(0));
    sequenceModel->setData(sequenceModel->index(q, 0), shown);
}
