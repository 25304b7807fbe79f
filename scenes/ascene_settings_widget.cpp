#include "scenes/ascene_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>

ascene_settings_widget::ascene_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : stand_in_page(tr("The scene editor is not built yet: scenes are kept as the configuration holds them."),
                    parent)
{
    currentController = controller;
    // The send asks about old firmware by the channels this page uses.
    controller->channelsInUseSource = [this] { return chnlsInUse; };

    sceneTable = new QTableWidget(int(image_layout::SceneCount), 1, this);
    sceneTable->setGeometry(10, 40, 260, 600);
    sceneTable->horizontalHeader()->setStretchLastSection(true);
    sceneTable->verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    sceneTable->horizontalHeader()->hide();
    sceneTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sceneTable->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < sceneTable->rowCount(); ++row)
        sceneTable->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));

    sceneTabs = new QTabWidget(this);
    sceneTabs->setGeometry(285, 40, 550, 600);
    for (const QString &title : {tr("Single Channels"), tr("Groupped Channels"), tr("Copying"), tr("Coupled Scenes")})
        sceneTabs->addTab(new QWidget, title);

    relabel();
    sceneTable->setCurrentCell(0, 0);
    refresh();
}

ascene_settings_widget::~ascene_settings_widget()
{
    // The controller outlives the page (a language change builds a new one).
    if (currentController)
        currentController->channelsInUseSource = nullptr;
}

int ascene_settings_widget::currentScene() const
{
    return qMax(0, sceneTable->currentRow());
}

void ascene_settings_widget::refresh()
{
    // While Live is chosen the controller shows the scene the page shows.
    if (currentController->uiMode == kd620_controller_class::UiModeLive)
        currentController->send_sc_prep(currentScene());
}

void ascene_settings_widget::relabel()
{
    const QFontMetrics metrics(sceneTable->font());
    const int width = sceneTable->columnWidth(0) - 8;
    for (int row = 0; row < sceneTable->rowCount(); ++row) {
        setCellText(sceneTable, row, 0, descriptionText(currentController->sceneDescs[size_t(row)], metrics, width));
    }
}

void ascene_settings_widget::sceneLiveOn()
{
    emit sceneChanged(currentScene());
    refresh();
}

void ascene_settings_widget::limitChnls(int channels)
{
    chnlsInUse = channels;
}

void ascene_settings_widget::destTmpDev()
{
    delete tmpDev;
    tmpDev = nullptr;
}
