#include "events/aevents_page_base.h"

#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "link/kd620_controller_class.h"
#include "widgets/table_first_fill.h"
#include "widgets/table_setup.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

const aevents_page_base::frame_layout aevents_page_base::StandardLayout = {
    QRect(10, 20, 200, 570),  QRect(400, 40, 150, 20),  QRect(220, 75, 610, 520),
    QRect(220, 565, 611, 21), QRect(10, 615, 180, 21), QRect(200, 615, 631, 21),
};

aevents_page_base::aevents_page_base(int kind, QWidget *parent)
    : page_base(parent)
    , pageKind(kind)
{
}

void aevents_page_base::createFrame(const frame_layout &layout, int rows, const QStringList &headers,
                                    const QList<int> &columnWidths)
{
    QFont description = descriptionFont();
    description.setWeight(QFont::Normal);
    description.setItalic(false);

    eventList = new QTableWidget(this);
    eventList->setFont(listFont());
    table_setup setup;
    setup.geometry = layout.list;
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = false;
    setup.selectionMode = QAbstractItemView::SingleSelection;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(eventList, setup);
    eventList->setColumnCount(int(headers.size()));
    eventList->setRowCount(rows);
    for (int c = 0; c < headers.size(); ++c) {
        eventList->setHorizontalHeaderItem(c, new QTableWidgetItem(headers[c]));
        eventList->setColumnWidth(c, columnWidths.value(c, StandardColumnWidth));
    }
    eventList->setCurrentCell(0, 0);
    eventListModel = eventList->model();

    actionEditor = new aevents_conf_widget(pageKind, this);
    actionEditor->setGeometry(layout.editor);

    targetDescLine = new QLineEdit(this);
    targetDescLine->setGeometry(layout.targetDescription);
    targetDescLine->setReadOnly(true);
    targetDescLine->setFont(description);
    targetDescLine->setMaxLength(controller_configuration_class::DescriptionLength);
    targetDescLine->raise();  // over the editor, whose rectangle holds it

    descLine = new QLineEdit(this);
    descLine->setGeometry(layout.descriptionLine);
    descLine->setFont(description);
    descLine->setMaxLength(controller_configuration_class::DescriptionLength);

    titleLabel = new QLabel(this);
    titleLabel->setGeometry(layout.title);
    titleLabel->setFont(listFont());
    descLabel = new QLabel(tr("Event description:"), this);
    descLabel->setGeometry(layout.descriptionLabel);
    descLabel->setFont(listFont());
    descLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void aevents_page_base::connectFrame()
{
    connect(descLine, &QLineEdit::editingFinished, this, &aevents_page_base::changeDesc);
    connect(actionEditor->actionTable, &aevents_tableview_widget::actionChgd, this, &aevents_page_base::descChange);
}

void aevents_page_base::refresh()
{
    refreshRows();
    actionEditor->refresh();
    titleLabel->setText(titleText());
    descLine->setText(descriptionLineText());
}

QString aevents_page_base::descriptionLineText() const
{
    if (!isEventCode(currentEvent))
        return QString();
    return currentController->eventDescs[size_t(currentEvent)].trimmed();
}

void aevents_page_base::refreshRows()
{
    const QFontMetrics metrics(eventList->font());
    const table_first_fill fill(eventList);
    for (int row = 0; row < eventList->rowCount(); ++row) {
        const int event = eventOfRow(row);
        setElidedCellText(eventList, row, 0, rowText(row), metrics, rowTextWidth(), rowBrush(event));
        colourRow(row, event);  // the row's other cells, where a list has them
    }
}

void aevents_page_base::setRowText(int row, const QString &text, const QFontMetrics &metrics)
{
    setElidedCellText(eventList, row, 0, text, metrics, rowTextWidth());
}

int aevents_page_base::rowTextWidth() const
{
    return 2 * eventList->columnWidth(0);
}

QBrush aevents_page_base::rowBrush(int event)
{
    return currentController->eventActions.count(u32(event)) > 0 ? QBrush(inUseColour())
                                                                  : QGuiApplication::palette().base();
}

void aevents_page_base::colourRow(int row, int event)
{
    const QBrush brush = rowBrush(event);
    for (int c = 0; c < eventList->columnCount(); ++c) {
        if (QTableWidgetItem *item = eventList->item(row, c))
            item->setBackground(brush);
    }
}

void aevents_page_base::setCurrentEvent(int event)
{
    currentEvent = event;
    actionEditor->setEvent(u16(event));
}

void aevents_page_base::leaveNoActionSelected()
{
    actionEditor->actionTable->setCurrentCell(-1, 0);
    targetDescLine->clear();
}

void aevents_page_base::descChange(int type, int number)
{
    targetDescLine->setText(kd620_controller_class::getDescription(u32(type), number));
}

void aevents_page_base::changeDesc()
{
    if (!isEventCode(currentEvent))
        return;
    const QString text = descLine->text().trimmed();
    currentController->eventDescs[size_t(currentEvent)] = text;
    descLine->setText(text);
    descriptionStored();
}

void aevents_page_base::descriptionStored()
{
    const int row = eventList->currentRow();
    if (row >= 0)
        setRowText(row, rowText(row), QFontMetrics(eventList->font()));
}
