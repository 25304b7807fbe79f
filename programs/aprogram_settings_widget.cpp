#include "programs/aprogram_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "programs/aprogram_conf_delegate.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_copying.h"
#include "widgets/table_first_fill.h"
#include "widgets/table_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace {

constexpr int ProgramCount = int(image_layout::ProgramCount);
constexpr int SceneCount = int(image_layout::SceneCount);
constexpr int MostSteps = int(image_layout::MaxStepsPerProgram);
constexpr int MostRecurrences = 100;
constexpr int ProgramColumnWidth = 127;  // holds "no description" whole in every language
// The description line lies below the tabs, lower than the other pages reach.
constexpr int ProgramPageHeight = 670;

// Single Steps: the step table, the row of buttons under it, and the rows below.
constexpr int StepTableX = 20;
constexpr int StepTableY = 40;
constexpr int StepTableHeight = 327;
constexpr int ButtonRowY = 375;
constexpr int ButtonHeight = 26;
constexpr int CountRowY = 437;
// The rows between the counts and the scene description hold the chained event and the
// fade-down time after a break.
constexpr int SceneDescRowY = 545;

} // namespace

aprogram_settings_widget::aprogram_settings_widget(kd620_controller_class *, QWidget *parent)
    : page_base(parent)
{
    resize(PageWidth, ProgramPageHeight);
    createWidgets();
    connectSignals();
    refresh();
}

aprogram_settings_widget::~aprogram_settings_widget()
{
    delete tmpDev;
}

void aprogram_settings_widget::createWidgets()
{
    createFrame();
    createSingleStepsTab();
    createOtherTabs();
}

void aprogram_settings_widget::createFrame()
{
    programTabs = new QTabWidget(this);
    programTabs->setGeometry(190, 0, 655, 610);
    singleStepsPage = new QWidget;
    groupedStepsPage = new QWidget;
    copyingPage = new aprogram_settings_copying(this);
    programTabs->addTab(singleStepsPage, tr("Single Steps"));
    programTabs->addTab(groupedStepsPage, tr("Groupped Steps"));
    programTabs->addTab(copyingPage, tr("Copying"));
    // Shown as the fourth tab only while extra entries are enabled.
    entriesPage = new QWidget(this);
    entriesPage->hide();

    // The rows come last, once the list has its font: its row numbers are measured once.
    programTable = new QTableWidget(0, 1, this);
    table_setup setup;
    setup.geometry = QRect(10, 20, 175, 625);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(programTable, setup);
    programTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Program")));
    programTable->setColumnWidth(0, ProgramColumnWidth);
    programTable->setFont(listFont());
    programTable->setRowCount(ProgramCount);
    // Selected before the list is connected: choosing the first program runs nothing.
    programTable->selectRow(0);

    auto *descriptionLabel = new QLabel(tr("Program description:"), this);
    descriptionLabel->move(210, 615);
    programDescEdit = new QLineEdit(this);
    programDescEdit->setGeometry(202, 645, 631, 21);
    programDescEdit->setMaxLength(controller_configuration_class::DescriptionLength);
    programDescEdit->setFont(descriptionFont());
}

void aprogram_settings_widget::createSingleStepsTab()
{
    QWidget *tab = singleStepsPage;
    auto label = [tab](const QString &text, int x, int y) {
        auto *l = new QLabel(text, tab);
        l->move(x, y);
        return l;
    };

    // The number follows the caption with a blank's room, however long the caption reads.
    const QLabel *caption = label(tr("Program:"), StepTableX, 12);
    const int numberX = StepTableX + qMax(65, caption->sizeHint().width() + caption->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    programNumberLabel = label(QStringLiteral("1"), numberX, 12);
    programNumberLabel->setMinimumWidth(40);

    stepTable = new aprogram_conf_widget(this, tab);
    stepTable->setGeometry(StepTableX, StepTableY, stepTable->columnsWidth(), StepTableHeight);

    struct button_entry {
        QPushButton *&button;
        QString text;
        int x;
        int width;
    };
    const button_entry buttons[] = {
        {sequenceButton, tr("Scenes' Sequence"), 20, 125},
        {editSceneButton, tr("Edit current scene"), 150, 125},
        {insertStepButton, tr("Insert"), 280, 85},
        {deleteStepButton, tr("Delete"), 370, 85},
        {copyStepButton, tr("Copy"), 460, 85},
        {pasteStepButton, tr("Paste"), 550, 85},
    };
    for (const button_entry &entry : buttons) {
        entry.button = new QPushButton(entry.text, tab);
        entry.button->setGeometry(entry.x, ButtonRowY, entry.width, ButtonHeight);
        entry.button->setFont(listFont());
    }

    replaceBox = new QCheckBox(tr("Replace"), tab);
    replaceBox->setLayoutDirection(Qt::RightToLeft);  // the box to the right of its text
    replaceBox->setGeometry(550, ButtonRowY + ButtonHeight + 4, 85, 22);
    replaceBox->setFont(listFont());

    label(tr("Number of scenes in program:"), StepTableX, CountRowY + 3);
    stepCountSpin = new QSpinBox(tab);
    stepCountSpin->setGeometry(230, CountRowY, 70, 24);
    stepCountSpin->setRange(0, MostSteps);
    // The count changes the program only once the user has finished typing it.
    stepCountSpin->setKeyboardTracking(false);

    label(tr("Recurrences number:"), 330, CountRowY + 3);
    recurrencesSpin = new QSpinBox(tab);
    recurrencesSpin->setGeometry(485, CountRowY, 90, 24);
    recurrencesSpin->setRange(0, MostRecurrences);
    recurrencesSpin->setSpecialValueText(tr("infinite"));
    // As the step table starts: one run, so the first program shown sets both alike.
    recurrencesSpin->setValue(1);

    createChainWidgets();

    label(tr("Current scene description:"), StepTableX, SceneDescRowY + 3);
    sceneDescEdit = new QLineEdit(tab);
    sceneDescEdit->setGeometry(200, SceneDescRowY, 435, 21);
    sceneDescEdit->setReadOnly(true);
    sceneDescEdit->setMaxLength(controller_configuration_class::DescriptionLength);
    sceneDescEdit->setFont(descriptionFont());
}

void aprogram_settings_widget::createOtherTabs()
{
    createGroupedStepsTab();
    createEntriesTab();
}

void aprogram_settings_widget::connectSignals()
{
    using page = aprogram_settings_widget;
    connect(programTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &page::programNumberChange);
    connect(programTabs, &QTabWidget::currentChanged, this, &page::tabChanged);
    connect(programDescEdit, &QLineEdit::editingFinished, this, &page::disableDescEdition);
    connect(stepTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &page::sceneRowChange);
    connect(stepTable->confDelegate, &aprogram_conf_delegate::changeDesc, this, &page::currentSceneChanged);
    connect(stepTable, &aprogram_conf_widget::changeStepNumber, this, &page::stepCountChanged);
    connect(stepTable, &aprogram_conf_widget::refreshed, this, &page::stepsRefreshed);
    connect(sequenceButton, &QPushButton::clicked, stepTable, &aprogram_conf_widget::fillSteps);
    connect(insertStepButton, &QPushButton::clicked, stepTable, &aprogram_conf_widget::insertStep);
    connect(deleteStepButton, &QPushButton::clicked, stepTable, &aprogram_conf_widget::deleteStep);
    connect(copyStepButton, &QPushButton::clicked, stepTable, &aprogram_conf_widget::copyStep);
    connect(pasteStepButton, &QPushButton::clicked, stepTable, &aprogram_conf_widget::pasteStep);
    connect(stepCountSpin, &QSpinBox::valueChanged, this, qOverload<int>(&page::sceneCountChange));
    connect(recurrencesSpin, &QSpinBox::valueChanged, this, &page::programRunModeChange);
    connect(copyingPage, &aprogram_settings_copying::programsCopied, this, &page::relabelScenes);
    connect(copyingPage, &aprogram_settings_copying::programsCopied, this, &page::relabel);
    connect(copyingPage, &aprogram_settings_copying::programsCopied, this, &page::refresh);
}

void aprogram_settings_widget::showEntriesTab(bool on)
{
    if (on) {
        if (programTabs->indexOf(entriesPage) < 0)
            programTabs->addTab(entriesPage, tr("Test entries"));
    } else if (programTabs->widget(EntriesTab) == entriesPage) {
        programTabs->removeTab(EntriesTab);
        entriesPage->hide();
    }
}

// --- slots ------------------------------------------------------------------------------

void aprogram_settings_widget::sceneCountChange(int count, bool all)
{
    count = qBound(0, count, MostSteps);
    followStepCount(count, all);
    currentController->programList.setStepCount(u32(currentProgram), count);
    stepTable->setProgram(currentProgram);
    stepTable->setRows(count);
}

void aprogram_settings_widget::sceneCountChange(int count)
{
    sceneCountChange(count, false);
}

void aprogram_settings_widget::programNumberChange(const QModelIndex &current, const QModelIndex &)
{
    // The list loses its current row only when it loses every row: the program stays.
    if (!current.isValid())
        return;
    currentProgram = current.row();
    stepTable->clearSelection();
    sceneCountChange(stepsOf(currentProgram), true);
    refresh();
}

void aprogram_settings_widget::programRunModeChange(int recurrences)
{
    stepTable->setRunMode(recurrences);
    currentController->programList.setRecurrences(currentProgram, recurrences);
}

void aprogram_settings_widget::disableDescEdition()
{
    // Where the line shows another program's description it cannot be edited, and leaving
    // it must not copy that text into the current program.
    if (describedProgram < 0)
        return;
    const QString text = programDescEdit->text();
    currentController->programDescs[size_t(describedProgram)] = text;
    programDescEdit->setModified(false);
    if (describedProgram < programTable->rowCount())
        setCellText(programTable, describedProgram, 0,
                    descriptionText(text, QFontMetrics(programTable->font()), programTable->columnWidth(0)));
}

void aprogram_settings_widget::currentSceneChanged(int scene)
{
    const bool valid = scene >= 1 && scene <= SceneCount;
    sceneDescEdit->setText(valid ? currentController->sceneDescs[size_t(scene - 1)] : QString());
}

void aprogram_settings_widget::sceneRowChange(const QModelIndex &current, const QModelIndex &)
{
    QString text;
    int scene = -1;
    if (current.row() >= 0) {
        // A step the store does not hold counts as scene 1.
        scene = qMax(0, currentController->programList.scene(currentProgram, current.row()));
        if (scene < SceneCount)
            text = currentController->sceneDescs[size_t(scene)];
    }
    sceneDescEdit->setText(text);
    followedRow = current.row();
    followedScene = scene;
    if (scene >= 0)
        previewScene(scene);
}

void aprogram_settings_widget::stepsRefreshed()
{
    // The table refreshes on its own when its current row changes, before the page hears of
    // the new row: that row is previewed once, when the page does.
    const int row = stepTable->currentIndex().row();
    if (row < 0 || row != followedRow)
        return;
    // A step the store does not hold counts as scene 1, as when the row became current.
    const int scene = qMax(0, currentController->programList.scene(stepTable->programNumber, row));
    sceneDescEdit->setText(scene < SceneCount ? currentController->sceneDescs[size_t(scene)] : QString());
    if (scene == followedScene)
        return;
    // An edit made while the step table is hidden in Live mode reaches the controller when
    // the table is shown again.
    if (currentController->uiMode == kd620_controller_class::UiModeLive && !stepTableShown())
        return;
    followedScene = scene;
    previewScene(scene);
}

void aprogram_settings_widget::previewScene(int scene)
{
    // Only the page shown previews its step: a step made current behind another tab (a
    // read that removed the old one) must not take the stage from the page that is shown.
    if (stepTableShown() && currentController->uiMode == kd620_controller_class::UiModeLive && scene >= 0
        && scene < SceneCount)
        currentController->send_sc_prep(scene);
}

bool aprogram_settings_widget::stepTableShown() const
{
    return stepTable->isVisibleTo(window());
}

void aprogram_settings_widget::stepCountChanged(int count)
{
    // Shown only: the step table has already changed the program.
    const QSignalBlocker quiet(stepCountSpin);
    stepCountSpin->setValue(qMax(0, count));
}

void aprogram_settings_widget::tabChanged(int index)
{
    refresh();
    const int program = selectedProgram();
    switch (index) {
    case SingleStepsTab:
    case GroupedStepsTab: showDescription(program, program == currentProgram); break;
    default: break;
    }
}

void aprogram_settings_widget::destTmpDev()
{
    delete tmpDev;
    tmpDev = nullptr;
    copyingPage->altCopyButton->setEnabled(false);
}

void aprogram_settings_widget::refresh()
{
    if (refreshing) {
        refreshAgain = true;
        return;
    }
    refreshing = true;
    do {
        refreshAgain = false;
        refreshTabs();
        refreshProgramTable();
    } while (refreshAgain);
    refreshing = false;
}

void aprogram_settings_widget::relabel()
{
    const QFontMetrics metrics(programTable->font());
    const int width = programTable->columnWidth(0);
    // Rows the list does not have yet get their texts at its next refresh.
    const int rows = qMin(ordinaryPrograms, programTable->rowCount());
    for (int row = 0; row < rows; ++row)
        setCellText(programTable, row, 0, descriptionText(currentController->programDescs[size_t(row)], metrics, width));
}

// --- refreshing -----------------------------------------------------------------------

void aprogram_settings_widget::refreshTabs()
{
    switch (programTabs->currentIndex()) {
    case SingleStepsTab: refreshSingleSteps(); break;
    case GroupedStepsTab:
        followStepCount(stepsOf(currentProgram), false);
        gridProgramLabel->setText(QStringLiteral("Program: %1").arg(currentProgram + 1));
        showDescription(currentProgram, true);
        break;
    case CopyingTab: copyingPage->refresh(); break;
    case EntriesTab: refreshEntries(); break;
    default: break;
    }
}

void aprogram_settings_widget::refreshSingleSteps()
{
    program_list_class &programs = currentController->programList;
    stepTable->setProgram(currentProgram);
    programNumberLabel->setText(QString::number(currentProgram + 1));
    const int steps = stepsOf(currentProgram);
    // The grid's boxes follow when its own tab is shown.
    gridStepCount = steps;
    stepTable->setRows(steps);
    // Setting the spins runs their slots when the values change: the grid's count is
    // already recorded, and the recurrences reach the step table before it is refreshed.
    stepCountSpin->setValue(steps);
    recurrencesSpin->setValue(programs.recurrences(currentProgram));
    stepTable->refresh(0);
    refreshChain();
    showDescription(currentProgram, true);
    refreshBreakTime();
    const int row = stepTable->currentIndex().row();
    if (row >= 0) {
        const int scene = qMax(0, programs.scene(currentProgram, row));
        sceneDescEdit->setText(scene < SceneCount ? currentController->sceneDescs[size_t(scene)] : QString());
    }
}

void aprogram_settings_widget::refreshProgramTable()
{
    ordinaryPrograms = ProgramCount - int(currentController->extraEntries.size());
    programTable->setRowCount(qMax(0, ordinaryPrograms));
    const QBrush base = QApplication::palette().brush(QPalette::Current, QPalette::Base);
    const QBrush inUse(inUseColour());
    const int rows = programTable->rowCount();
    const table_first_fill fill(programTable);
    for (int row = 0; row < rows; ++row) {
        const QString &description = currentController->programDescs[size_t(row)];
        // Written whole: the list shortens it for display.
        setCellText(programTable, row, 0, description.isEmpty() ? tr("no description") : description,
                    stepsOf(row) > 0 ? inUse : base);
    }
}

int aprogram_settings_widget::stepsOf(int program) const
{
    return qMax(0, currentController->programList.stepCount(program));
}

void aprogram_settings_widget::showDescription(int program, bool editable)
{
    if (describedProgram >= 0 && programDescEdit->isModified())
        disableDescEdition();
    const bool shown = program >= 0 && program < ProgramCount;
    describedProgram = shown && editable ? program : -1;
    programDescEdit->setReadOnly(describedProgram < 0);
    programDescEdit->setText(shown ? currentController->programDescs[size_t(program)] : QString());
}

void aprogram_settings_widget::showOtherDescription(const QString &text)
{
    showDescription(-1, false);
    programDescEdit->setText(text);
}

int aprogram_settings_widget::selectedProgram() const
{
    const int row = programTable->currentRow();
    return row >= 0 ? row : currentProgram;
}
