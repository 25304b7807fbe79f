#pragma once

#include "widgets/page_base.h"

class QLabel;
class QModelIndex;
class QStandardItemModel;
class QTableView;
class asettings_dmx_set_widget;

// The DMX Output settings page: one row for each DMX output channel in use with a summary
// of its settings, the selected channel's number, and beside them the channel editor,
// which edits the selected channel and what holds for all channels.
//
// The page owns the number of channels in use: when the editor's count changes, it resizes
// the table, stores the count, and says so (channelsInUseChanged) so the window narrows the
// scene and mask pages' channel ranges.
class asettings_dmx_widget : public page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    // The page fills the tab page given; the editor stands beside it on the same tab page.
    explicit asettings_dmx_widget(QWidget *parent);

    enum column { ChannelColumn, SettingsColumn, ColumnCount };

    // ============================================================ widgets
    QTableView *chnlTable = nullptr;
    QStandardItemModel *chnlModel = nullptr;
    QLabel *chnlLabel = nullptr;
    // The channel of the table's current row, 0-based.
    int currentChnl = 0;
    asettings_dmx_set_widget *setWidget = nullptr;

    // ============================================================ the configuration shown
    // Reloads the editor and rewrites every row.
    void refreshTable();
    // "(min,max) " and "[down,up] H", "[--,--] N" or "[--,--] L", from the stored bytes as
    // they are; "???" for a channel of 512 or more.
    static QString channelSettingsText(unsigned channel);

public slots:
    // Rewrites the summary of the current channel.
    void refreshRow();
    // The table's current row: the label and the editor show that channel.
    void dmxChannelChange(const QModelIndex &current, const QModelIndex &previous);
    // n (24..64) channels in use: as many rows, the count stored, the scene and mask pages told.
    void limitChnls(int n);

signals:
    // The number of channels in use is now n: the scene and mask pages' channel ranges
    // become 1..n.
    void channelsInUseChanged(int n);

private:
    void createWidgets();
    void connectSignals();
    void setRowTexts(int row);
};
