#include "widgets/page_base.h"

#include "widgets/elided_text_item.h"

#include <QFontMetrics>
#include <QTableWidget>

page_base::page_base(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, PageWidth, PageHeight);
    useNormalWeight(this);
}

QFont page_base::listFont()
{
    return QFont(QStringLiteral("MS Shell Dlg"), 10);
}

QFont page_base::descriptionFont()
{
    return QFont(QStringLiteral("Arial Narrow"), 10);
}

QColor page_base::inUseColour()
{
    return QColor(230, 255, 230);
}

QColor page_base::sequenceOwnedColour()
{
    return QColor(243, 228, 186);
}

void page_base::useNormalWeight(QWidget *page)
{
    QFont normal = page->font();
    normal.setBold(false);
    page->setFont(normal);
}

QString page_base::descriptionText(const QString &description, const QFontMetrics &metrics, int width)
{
    return description.isEmpty() ? tr("no description") : metrics.elidedText(description, Qt::ElideRight, width);
}

void page_base::setCellText(QTableWidget *table, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = table->item(row, column))
        item->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

void page_base::setCellText(QTableWidget *table, int row, int column, const QString &text,
                            const QBrush &background)
{
    if (QTableWidgetItem *item = table->item(row, column)) {
        item->setText(text);
        item->setBackground(background);
        return;
    }
    auto *item = new QTableWidgetItem(text);
    item->setBackground(background);
    table->setItem(row, column, item);
}

void page_base::setElidedCellText(QTableWidget *table, int row, int column, const QString &text,
                                  const QFontMetrics &metrics, int width, const QBrush &background)
{
    if (QTableWidgetItem *item = table->item(row, column)) {
        setElidedCellText(table, row, column, text, metrics, width);
        item->setBackground(background);
        return;
    }
    auto *item = new elided_text_item(text, metrics, width);
    item->setBackground(background);
    table->setItem(row, column, item);
}

void page_base::setElidedCellText(QTableWidget *table, int row, int column, const QString &text,
                                  const QFontMetrics &metrics, int width)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item)
        table->setItem(row, column, new elided_text_item(text, metrics, width));
    else if (auto *elided = dynamic_cast<elided_text_item *>(item))
        elided->setElidedText(text, metrics, width);
    else
        item->setText(metrics.elidedText(text, Qt::ElideRight, width));
}
