#include "widgets/elided_text_item.h"

#include <QAbstractItemModel>
#include <QSignalBlocker>
#include <QTableWidget>

elided_text_item::elided_text_item(const QString &text, const QFontMetrics &metrics, int width)
    : QTableWidgetItem(text)
    , metrics(metrics)
    , width(width)
{
}

void elided_text_item::setElidedText(const QString &text, const QFontMetrics &newMetrics, int newWidth)
{
    if (!elided || newMetrics != metrics || newWidth != width) {
        // Elided differently from before: what the item shows is compared as for a plain item.
        if (elided)
            settle();
        QTableWidgetItem::setData(Qt::DisplayRole, newMetrics.elidedText(text, Qt::ElideRight, newWidth));
        return;
    }
    if (QTableWidgetItem::data(Qt::DisplayRole).toString() == text)
        return;
    shown.reset();
    QTableWidgetItem::setData(Qt::DisplayRole, text);
}

QString elided_text_item::shownText() const
{
    if (!shown)
        shown = metrics.elidedText(QTableWidgetItem::data(Qt::DisplayRole).toString(), Qt::ElideRight, width);
    return *shown;
}

QVariant elided_text_item::data(int role) const
{
    if (elided && isTextRole(role))
        return shownText();
    return QTableWidgetItem::data(role);
}

void elided_text_item::setData(int role, const QVariant &value)
{
    if (elided && isTextRole(role))
        settle();
    QTableWidgetItem::setData(role, value);
}

void elided_text_item::settle()
{
    const QString text = shownText();
    elided = false;
    shown.reset();
    QTableWidget *table = tableWidget();
    const QSignalBlocker quiet(table ? table->model() : nullptr);
    QTableWidgetItem::setData(Qt::DisplayRole, text);
}
