// The program page's "Groupped Steps" tab: a box for each of the 999 steps a program can
// have (and one more), a tool that ticks, clears or inverts boxes, and setters that give
// every ticked step of the current program a scene, a fade-up time or a duration.

#include "programs/aprogram_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "programs/aprogram_conf_widget.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/my_time_edit.h"
#include "widgets/row_numbers.h"
#include "widgets/text_width.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {

constexpr int GridRows = 100;
constexpr int GridColumns = 10;
constexpr int GridBoxes = GridRows * GridColumns;
constexpr int GridColumnWidth = 22;
constexpr int GridRowHeight = 24;
constexpr int ToolsX = 300;
constexpr int ToolsWidth = 330;
constexpr int SetButtonX = ToolsX + 230;
constexpr int LongestStride = 256;
constexpr u16 LongestTimeTenths = 0xFFFE;  // 0xFFFF means infinite

program_list_class &programs()
{
    return currentController->programList;
}

} // namespace

QCheckBox *aprogram_settings_widget::gridBox(int k) const
{
    return gridBoxes.value(k, nullptr);
}

void aprogram_settings_widget::createGroupedStepsTab()
{
    QWidget *tab = groupedStepsPage;
    // The rows come last, once the grid is set up: its row numbers are measured once.
    stepGrid = new QTableWidget(0, GridColumns, tab);
    stepGrid->setGeometry(10, 20, 276, 554);
    stepGrid->setShowGrid(true);
    stepGrid->setGridStyle(Qt::DotLine);
    stepGrid->setSelectionMode(QAbstractItemView::NoSelection);
    stepGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The widest title ("10") keeps its gaps to the sections' edges in the header's font.
    const int columnWidth = qMax(GridColumnWidth, sectionWidthFor(stepGrid->horizontalHeader(),
                                                                  QString::number(GridColumns), RowNumberOffEdge));
    stepGrid->horizontalHeader()->setMinimumSectionSize(columnWidth);
    for (int column = 0; column < GridColumns; ++column)
        stepGrid->setColumnWidth(column, columnWidth);
    keepRowNumbersOffEdges(stepGrid);
    stepGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    stepGrid->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    stepGrid->setRowCount(GridRows);
    for (int row = 0; row < GridRows; ++row)
        stepGrid->setRowHeight(row, GridRowHeight);
    QStringList rowLabels;
    for (int row = 0; row < GridRows; ++row)
        rowLabels << QString::number(row * GridColumns);
    stepGrid->setVerticalHeaderLabels(rowLabels);
    // A box joins the grid disabled (no step is counted yet) and in its cell's size, so that
    // showing it in the grid does not measure it. It is disabled through the two attributes
    // setEnabled(false) leaves on a box without children: that call would also announce the
    // change, building an accessibility interface for each of the thousand boxes no one has
    // seen yet, which costs as much as the box itself. Enabling it later is the usual call.
    gridBoxes.reserve(GridBoxes);
    for (int k = 0; k < GridBoxes; ++k) {
        auto *box = new QCheckBox;
        box->resize(columnWidth, GridRowHeight);
        box->setAttribute(Qt::WA_ForceDisabled);
        box->setAttribute(Qt::WA_Disabled);
        stepGrid->setCellWidget(k / GridColumns, k % GridColumns, box);
        gridBoxes << box;
    }

    // The refresh writes the current program in these words, untranslated as on the
    // Copying tab; the first program shows in them too.
    gridProgramLabel = new QLabel(QStringLiteral("Program: %1").arg(1), tab);
    gridProgramLabel->setAlignment(Qt::AlignCenter);
    gridProgramLabel->setGeometry(ToolsX, 20, ToolsWidth, 20);

    createGridSelection();
    createGridSetters();
}

void aprogram_settings_widget::createGridSelection()
{
    auto *selection = new QGroupBox(tr("Selection"), groupedStepsPage);
    selection->setGeometry(ToolsX, 50, ToolsWidth, 230);
    selectRadio = new QRadioButton(tr("Select"), selection);
    selectRadio->move(15, 28);
    deselectRadio = new QRadioButton(tr("Deselect"), selection);
    deselectRadio->move(115, 28);
    deselectRadio->setChecked(true);
    invertRadio = new QRadioButton(tr("Invert"), selection);
    invertRadio->move(225, 28);

    auto *choice = new QGroupBox(tr("Choose all or..."), selection);
    choice->setGeometry(10, 58, ToolsWidth - 20, 120);
    everyBox = new QCheckBox(tr("Choose every"), choice);
    everyBox->move(10, 28);
    everySpin = new QSpinBox(choice);
    everySpin->setGeometry(150, 25, 70, 24);
    everySpin->setRange(2, LongestStride);
    everySpin->setEnabled(false);
    inRangeBox = new QCheckBox(tr("In range"), choice);
    inRangeBox->move(10, 60);
    auto *fromLabel = new QLabel(tr("from "), choice);
    fromLabel->setFont(listFont());
    fromLabel->move(30, 90);
    selFrom = new guardedSpinBox(choice);
    selFrom->setGeometry(75, 86, 70, 24);
    auto *toLabel = new QLabel(tr("to"), choice);
    toLabel->setFont(listFont());
    toLabel->move(160, 90);
    selTo = new guardedSpinBox(choice);
    selTo->setGeometry(185, 86, 70, 24);
    for (guardedSpinBox *end : {selFrom, selTo}) {
        end->setRange(1, GridBoxes);
        end->setValue(1);
        end->setEnabled(false);
    }

    executeButton = new QPushButton(tr("Execute!"), selection);
    executeButton->setGeometry(10, 190, 120, 28);
    executeButton->setFont(listFont());

    using page = aprogram_settings_widget;
    connect(selFrom, &guardedSpinBox::valueAccepted, this, &page::validStart);
    connect(selTo, &guardedSpinBox::valueAccepted, this, &page::validEnd);
    connect(everyBox, &QCheckBox::toggled, everySpin, &QSpinBox::setEnabled);
    connect(inRangeBox, &QCheckBox::toggled, selFrom, &QSpinBox::setEnabled);
    connect(inRangeBox, &QCheckBox::toggled, selTo, &QSpinBox::setEnabled);
    connect(executeButton, &QPushButton::clicked, this, &page::selectSome);
}

void aprogram_settings_widget::createGridSetters()
{
    QWidget *tab = groupedStepsPage;
    auto label = [tab](const QString &text, int y) {
        auto *l = new QLabel(text, tab);
        l->move(ToolsX, y);
    };
    auto setButton = [this, tab](int y) {
        auto *button = new QPushButton(tr("Set"), tab);
        button->setGeometry(SetButtonX, y - 1, 80, 26);
        button->setFont(listFont());
        return button;
    };
    const QTime longest = tenthsToTime(LongestTimeTenths);

    label(tr("Scene No.:"), 300);
    groupSceneSpin = new QSpinBox(tab);
    groupSceneSpin->setGeometry(ToolsX, 320, 100, 24);
    groupSceneSpin->setRange(1, int(image_layout::SceneCount));
    setSceneButton = setButton(320);

    label(tr("Fade Up Time:"), 365);
    groupFadeUpEdit = new MyTimeEdit(tab);
    groupFadeUpEdit->setGeometry(ToolsX, 385, 130, 24);
    groupFadeUpEdit->setTimeRange(QTime(0, 0), longest);
    groupFadeUpEdit->setTime(QTime(0, 0));
    setFadeUpButton = setButton(385);

    label(tr("Duration:"), 430);
    groupDurationEdit = new MyTimeEdit(tab);
    groupDurationEdit->setGeometry(ToolsX, 450, 130, 24);
    groupDurationEdit->setTimeRange(QTime(0, 0), longest);
    groupDurationEdit->setTime(QTime(0, 0));
    infiniteBox = new QCheckBox(tr("Infinite"), tab);
    infiniteBox->move(ToolsX + 140, 452);
    setDurationButton = setButton(450);

    using page = aprogram_settings_widget;
    connect(setSceneButton, &QPushButton::clicked, this, &page::setStepScene);
    connect(setFadeUpButton, &QPushButton::clicked, this, &page::setRiseTime);
    connect(setDurationButton, &QPushButton::clicked, this, &page::setLastTime);
}

// --- following the step count -----------------------------------------------------------

void aprogram_settings_widget::followStepCount(int count, bool all)
{
    count = qBound(0, count, GridBoxes);
    if (all) {
        // Another program: the ticks stay, to count again where its steps reach.
        for (int k = 0; k < GridBoxes; ++k)
            gridBoxes[k]->setEnabled(k < count);
    } else if (gridBoxCount < count) {
        for (int k = gridBoxCount; k < count; ++k)
            gridBoxes[k]->setEnabled(true);
    } else {
        for (int k = count; k < gridBoxCount; ++k) {
            gridBoxes[k]->setChecked(false);
            gridBoxes[k]->setEnabled(false);
        }
    }
    gridBoxCount = count;
    gridStepCount = count;
    selFrom->setMaximum(qMax(1, count));
    selTo->setMaximum(qMax(1, count));
}

// --- selection --------------------------------------------------------------------------

void aprogram_settings_widget::validStart(int value)
{
    if (selTo->value() < value)
        selTo->setValue(value);
}

void aprogram_settings_widget::validEnd(int value)
{
    if (value < selFrom->value())
        selFrom->setValue(value);
}

void aprogram_settings_widget::selectSome()
{
    const int count = qMin(gridStepCount, GridBoxes);
    if (count <= 0)
        return;
    int start = 0;
    int end = count;
    if (inRangeBox->isChecked()) {
        start = selFrom->value() - 1;
        end = qMin(selTo->value(), count);
    }
    const int stride = everyBox->isChecked() ? everySpin->value() : 1;
    for (int k = qMax(0, start); k < end; k += stride) {
        QCheckBox *box = gridBoxes[k];
        if (invertRadio->isChecked())
            box->setChecked(box->checkState() != Qt::Checked);
        else
            box->setChecked(selectRadio->isChecked());
    }
}

// --- setters ----------------------------------------------------------------------------

template <typename Setter>
void aprogram_settings_widget::setTickedSteps(Setter setter)
{
    const int count = qMin(gridStepCount, GridBoxes);
    for (int k = 0; k < count; ++k) {
        if (gridBoxes[k]->checkState() == Qt::Checked)
            setter(k);
    }
    stepTable->refresh(0);
}

void aprogram_settings_widget::setStepScene()
{
    const int scene = groupSceneSpin->value() - 1;
    setTickedSteps([this, scene](int k) { programs().setScene(currentProgram, k, scene); });
}

void aprogram_settings_widget::setRiseTime()
{
    const QTime time = groupFadeUpEdit->time();
    setTickedSteps([this, time](int k) { programs().setRiseTime(currentProgram, k, time); });
}

void aprogram_settings_widget::setLastTime()
{
    if (infiniteBox->isChecked()) {
        setTickedSteps([this](int k) { programs().setLastTimeInf(currentProgram, k); });
        return;
    }
    const QTime time = groupDurationEdit->time();
    setTickedSteps([this, time](int k) { programs().setLastTime(currentProgram, k, time); });
}
