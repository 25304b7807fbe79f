#include "settings/asettings_dmx_widget.h"

#include "link/kd620_controller_class.h"
#include "model/dmx_out_channel_settings.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/asettings_dmx_set_widget.h"
#include "widgets/table_setup.h"

#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr QPoint EditorPlace(350, 100);
constexpr int SettingsColumnWidth = 140;

} // namespace

asettings_dmx_widget::asettings_dmx_widget(QWidget *parent)
    : page_base(parent)
{
    createWidgets();
    connectSignals();
    currentChnl = 0;
    setWidget->selectChannel(0);
    connect(setWidget->spinChnlMax, &QSpinBox::valueChanged, this, &asettings_dmx_widget::limitChnls);
    refreshTable();
}

void asettings_dmx_widget::createWidgets()
{
    // A sibling on the tab page, not a child: the editor keeps its own place there.
    setWidget = new asettings_dmx_set_widget(parentWidget());
    setWidget->move(EditorPlace);

    chnlModel = new QStandardItemModel(setWidget->spinChnlMax->value(), ColumnCount, this);
    chnlModel->setHorizontalHeaderLabels(
        {tr("DMX Channel", "column title"), tr("Channel Settings", "column title")});

    // Set up before it gets its rows: a row header still shown would measure every row number.
    chnlTable = new QTableView(this);
    chnlTable->setFont(listFont());
    table_setup setup;
    setup.geometry = QRect(10, 20, 300, 570);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = false;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(chnlTable, setup);
    chnlTable->setModel(chnlModel);
    chnlTable->setColumnWidth(SettingsColumn, SettingsColumnWidth);
    // The channel names take the room the summaries leave.
    chnlTable->horizontalHeader()->setSectionResizeMode(ChannelColumn, QHeaderView::Stretch);
    chnlTable->selectRow(0);

    chnlLabel = new QLabel(tr("DMX Channel: 1"), this);
    chnlLabel->setFont(listFont());
    chnlLabel->setGeometry(500, 40, 150, 20);
}

void asettings_dmx_widget::connectSignals()
{
    connect(setWidget, &asettings_dmx_set_widget::changed, this, &asettings_dmx_widget::refreshRow);
    connect(chnlTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &asettings_dmx_widget::dmxChannelChange);
}

QString asettings_dmx_widget::channelSettingsText(unsigned channel)
{
    if (channel >= image_layout::ChannelCount)
        return QStringLiteral("???");
    const dmx_out_channel_settings s = dmx_out_channel_settings::read(currentController->confData, channel);
    QString text = QStringLiteral("(%1,%2) ").arg(s.minimal).arg(s.maximal);
    if (s.isTriggered())
        return text + QStringLiteral("[%1,%2] H").arg(s.hysteresisDown).arg(s.hysteresisUp);
    return text + (s.hysteresisUp == dmx_out_channel_settings::NonLinear ? QStringLiteral("[--,--] N")
                                                                         : QStringLiteral("[--,--] L"));
}

void asettings_dmx_widget::setRowTexts(int row)
{
    chnlModel->setData(chnlModel->index(row, ChannelColumn), tr("DMX Ch. %1").arg(row + 1));
    chnlModel->setData(chnlModel->index(row, SettingsColumn), channelSettingsText(unsigned(row)));
}

void asettings_dmx_widget::refreshTable()
{
    chnlLabel->setText(tr("DMX Channel: %1").arg(currentChnl + 1));
    setWidget->loadChannel();
    for (int row = 0; row < chnlModel->rowCount(); ++row)
        setRowTexts(row);
}

void asettings_dmx_widget::refreshRow()
{
    chnlModel->setData(chnlModel->index(currentChnl, SettingsColumn), channelSettingsText(unsigned(currentChnl)));
}

void asettings_dmx_widget::dmxChannelChange(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid())
        return;
    currentChnl = current.row();
    chnlLabel->setText(tr("DMX Channel: %1").arg(currentChnl + 1));
    setWidget->selectChannel(unsigned(currentChnl));
}

void asettings_dmx_widget::limitChnls(int n)
{
    const int rows = chnlModel->rowCount();
    if (rows < n) {
        chnlModel->insertRows(rows, n - rows);
    } else if (n < rows) {
        // Removing the current row makes the last remaining row current, which the view
        // reports: the label and the editor move to that channel.
        chnlModel->removeRows(n, rows - n);
        if (!chnlTable->selectionModel()->hasSelection())
            chnlTable->selectRow(currentChnl);
    }
    writeU16(currentController->confData, image_layout::OutputChannelLimit, u16(n));
    emit channelsInUseChanged(n);
    refreshTable();
}
