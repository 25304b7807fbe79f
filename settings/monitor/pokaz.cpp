#include "settings/monitor/pokaz.h"

#include "settings/monitor/monitor_window_mask.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QResizeEvent>
#include <QTableWidget>

namespace {

// Below the Stop button; the internal-states window's rows share the table's height.
constexpr int TableTop = 21;
constexpr int StopButtonHeight = 23;
constexpr int StatesRows = 5;

} // namespace

pokaz::pokaz(int type, QWidget *parent)
    : QWidget(parent)
    , type(type)
{
    // Without window flags: the inputs and DMX output windows are drawn inside their parent;
    // the internal-states window is made a window of its own by the monitor.
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/vd_sh.png")));
}

pokaz::~pokaz() = default;

QTableWidget *pokaz::createTable(int rows, int columns)
{
    delete table;
    table = new QTableWidget(rows, columns, this);
    table->move(0, TableTop);
    table->resize(width() - 2, height() - TableTop - 1);
    return table;
}

void pokaz::resizeEvent(QResizeEvent *event)
{
    const int w = event->size().width();
    const int h = event->size().height();
    if (table)
        table->resize(w - 2, h - TableTop - 1);
    pbStop->resize(w - 2, StopButtonHeight);
    if (type == MonitorStates && table && table->columnCount() > 1) {
        table->setColumnWidth(1, w - StatesTitleMargin);
        const int rowHeight = (table->height() - 2) / StatesRows;
        for (int row = 0; row < table->rowCount(); ++row)
            table->setRowHeight(row, rowHeight);
    }
    QWidget::resizeEvent(event);
}

void pokaz::closeEvent(QCloseEvent *event)
{
    // However the window is closed, the monitor hears it as the Stop button.
    pbStop->click();
    event->accept();
}
