#include "widgets/row_numbers.h"

#include <QApplication>
#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTableView>

namespace {

// The application's style for a header of row numbers, with the texts' room across widened
// on both sides: the size a section asks for, the label's place and the label drawn there.
class row_number_style : public QProxyStyle
{
public:
    row_number_style()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_HeaderSection)
            result.rwidth() += 2 * RowNumberOffEdge;
        return result;
    }

    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        const QRect rect = QProxyStyle::subElementRect(element, option, widget);
        return element == SE_HeaderLabel ? inset(rect) : rect;
    }

    // The section is drawn by the style underneath, which places its label without asking
    // this one: the label is moved in here.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *header = qstyleoption_cast<const QStyleOptionHeader *>(option);
        if (element != CE_HeaderLabel || !header) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionHeader label = *header;
        label.rect = inset(header->rect);
        QProxyStyle::drawControl(element, &label, painter, widget);
    }

private:
    static QRect inset(const QRect &rect) { return rect.adjusted(RowNumberOffEdge, 0, -RowNumberOffEdge, 0); }
};

} // namespace

void keepRowNumbersOffEdges(QTableView *table)
{
    QHeaderView *header = table->verticalHeader();
    if (dynamic_cast<row_number_style *>(header->style()))
        return;
    auto *style = new row_number_style;
    style->setParent(header);
    header->setStyle(style);
}
