#pragma once

#include "widgets/stand_in_page.h"

class asettings_dmx_set_widget;
class QLabel;
class QTableWidget;

// The DMX output settings: the channel table and the channel editor beside it. The
// per-channel settings are not built yet.
class asettings_dmx_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit asettings_dmx_widget(QWidget *parent);

    asettings_dmx_set_widget *setWidget = nullptr;
    // The selected channel, 0-based.
    int currentChannel = 0;

public slots:
    void refreshTable();

private:
    void resizeTable(int channels);

    QLabel *channelLabel = nullptr;
    QTableWidget *table = nullptr;
};
