#pragma once

#include "model/types.h"
#include "ui_monitorek.h"

#include <QWidget>

#include <vector>

class QTableWidget;

// One monitor window: a "Stop monitoring" button across the top and a table below it that
// the monitor (ctrl_monitor) creates and fills. The window keeps the data it shows, so the
// monitor can redraw it at any time and draw only what changed after a read.
//
// Closing the window in any way presses its Stop button, whose click reaches the monitor's
// stop slot as a queued call; the window deletes itself once closed.
class pokaz : public QWidget, public Ui::monitorek
{
    Q_OBJECT

public:
    // type: the window's monitor_window_mask bit.
    pokaz(int type, QWidget *parent);
    ~pokaz() override;

    // --- What the window shows -------------------------------------------------------------
    const int type;
    // The last data read: the inputs window one byte per input (0 bit set, 0xFF bit clear),
    // the DMX output window one value per channel, the internal-states window the last
    // report. Empty until the monitor provides it.
    std::vector<u8> cache;
    // Internal-states window: the length the controller announced for the report in the
    // cache; its lists end there.
    int reportLength = 0;

    // --- Widgets ---------------------------------------------------------------------------
    // A child of the window; null until the monitor creates it (createTable).
    QTableWidget *table = nullptr;
    QTableWidget *createTable(int rows, int columns);

    // Internal-states window: the title column holds each row's title in two lines above
    // its "Descr." toggle, wide enough for the longest word of every language
    // ("Programme"); the text column takes the window's width less this margin, the title
    // column and the table's frame.
    static constexpr int StatesTitleWidth = 72;
    static constexpr int StatesTitleMargin = StatesTitleWidth + 5;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
