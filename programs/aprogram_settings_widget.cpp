#include "programs/aprogram_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "programs/aprogram_conf_widget.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {

constexpr int EntriesTabIndex = 3;

} // namespace

aprogram_settings_widget::aprogram_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : stand_in_page(tr("The program editor is not built yet: programs are kept as the configuration holds them."),
                    parent)
{
    currentController = controller;

    programTable = new QTableWidget(ordinaryPrograms, 1, this);
    programTable->setGeometry(10, 40, 260, 600);
    programTable->horizontalHeader()->setStretchLastSection(true);
    programTable->verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    programTable->horizontalHeader()->hide();
    programTable->setEditTriggers(QAbstractItemView::NoEditTriggers);

    programTabs = new QTabWidget(this);
    programTabs->setGeometry(285, 40, 550, 560);
    auto *stepsTab = new QWidget;
    stepTable = new aprogram_conf_widget(stepsTab);
    stepTable->setGeometry(10, 10, 300, 500);
    programTabs->addTab(stepsTab, tr("Steps"));
    programTabs->addTab(new QWidget, tr("Copying"));
    programTabs->addTab(new QWidget, tr("Chained Events"));
    entriesTab = new QWidget(this);
    entriesTab->hide();

    editSceneButton = new QPushButton(tr("Edit current scene"), this);
    editSceneButton->setGeometry(285, 610, 160, 26);

    relabel();
    refresh();
}

void aprogram_settings_widget::showEntriesTab(bool show)
{
    if (show) {
        if (programTabs->indexOf(entriesTab) < 0)
            programTabs->addTab(entriesTab, tr("Test entries"));
    } else if (programTabs->widget(EntriesTabIndex) == entriesTab) {
        programTabs->removeTab(EntriesTabIndex);
        entriesTab->hide();
    }
}

void aprogram_settings_widget::refresh()
{
}

void aprogram_settings_widget::relabel()
{
    programTable->setRowCount(qBound(0, ordinaryPrograms, int(image_layout::ProgramCount)));
    const QFontMetrics metrics(programTable->font());
    const int width = programTable->columnWidth(0) - 8;
    for (int row = 0; row < programTable->rowCount(); ++row) {
        setCellText(programTable, row, 0,
                    descriptionText(currentController->programDescs[size_t(row)], metrics, width));
    }
}

void aprogram_settings_widget::sceneCountChange(int count, bool all)
{
    currentController->programList.setStepCount(u32(qMax(0, currentProgram)), count);
    stepCount = count;
    stepTable->setStepRows(count);
    for (int step = 0; step < count; ++step) {
        const int scene = currentController->programList.scene(currentProgram, step);
        stepTable->setItem(step, 0, new QTableWidgetItem(tr("Scene %1").arg(scene + 1)));
    }
}

void aprogram_settings_widget::destTmpDev()
{
    delete tmpDev;
    tmpDev = nullptr;
}
