#include "settings/asettings_dmx_widget.h"

#include "settings/asettings_dmx_set_widget.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

asettings_dmx_widget::asettings_dmx_widget(QWidget *parent)
    : stand_in_page(tr("The settings of each DMX output channel are not built yet: they are kept as the "
                       "configuration holds them."),
                    parent)
{
    table = new QTableWidget(0, 1, this);
    table->setGeometry(10, 40, 300, 600);
    table->setHorizontalHeaderLabels({tr("Channel")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);

    channelLabel = new QLabel(this);
    channelLabel->setGeometry(330, 40, 300, 24);
    setWidget = new asettings_dmx_set_widget(this);
    setWidget->move(330, 70);
    connect(setWidget, &asettings_dmx_set_widget::channelLimitChanged, this, &asettings_dmx_widget::resizeTable);

    resizeTable(setWidget->spinChnlMax->value());
    table->setCurrentCell(currentChannel, 0);
    refreshTable();
}

void asettings_dmx_widget::resizeTable(int channels)
{
    table->setRowCount(channels);
    for (int row = 0; row < channels; ++row)
        table->setItem(row, 0, new QTableWidgetItem(tr("DMX Ch. %1").arg(row + 1)));
}

void asettings_dmx_widget::refreshTable()
{
    channelLabel->setText(tr("DMX Channel: %1").arg(currentChannel + 1));
    resizeTable(table->rowCount());
}
