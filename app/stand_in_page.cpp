#include "app/stand_in_page.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>

namespace {

// The size of a tab page of the main window's tab widgets.
constexpr int PageWidth = 845;
constexpr int PageHeight = 650;

} // namespace

stand_in_page::stand_in_page(const QString &note, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, PageWidth, PageHeight);
    useNormalWeight(this);
    addNote(note, this);
}

void stand_in_page::useNormalWeight(QWidget *page)
{
    QFont normal = page->font();
    normal.setBold(false);
    page->setFont(normal);
}

QWidget *stand_in_page::addNote(const QString &note, QWidget *page, int x, int y)
{
    auto *label = new QLabel(note, page);
    label->setObjectName(QStringLiteral("standInNote"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: rgb(110, 110, 110); font-style: italic; font-weight: normal;"));
    const int width = (page->width() > x + 20 ? page->width() : PageWidth) - x - 10;
    label->setGeometry(x, y, width, label->heightForWidth(width));
    return label;
}

QString stand_in_page::descriptionText(const QString &description, const QFontMetrics &metrics, int width)
{
    return description.isEmpty() ? tr("no description") : metrics.elidedText(description, Qt::ElideRight, width);
}

void stand_in_page::setCellText(QTableWidget *table, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = table->item(row, column))
        item->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

QStringList &standInCalls()
{
    static QStringList calls;
    return calls;
}

void recordStandInCall(const QString &call)
{
    standInCalls().append(call);
}
