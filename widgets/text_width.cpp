#include "widgets/text_width.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QtMath>

int drawnTextWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return qCeil(widest);
}

int cellTextMargins(const QAbstractItemView *view)
{
    // A cell of some width, laid out by the style as it lays out a row of plain text, its
    // text given the whole of the place the style keeps for text (as a text too wide for it
    // is); the style draws the text a focus frame's margin and a pixel further in on both
    // sides of that place.
    constexpr int SomeWidth = 200;
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.font = view->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.showDecorationSelected = true;
    option.text = QStringLiteral("0");
    option.rect = QRect(0, 0, SomeWidth, option.fontMetrics.height());
    QStyle *style = view->style();
    const int textRoom = style->subElementRect(QStyle::SE_ItemViewItemText, &option, view).width();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const auto *table = qobject_cast<const QTableView *>(view);
    const int grid = table && table->showGrid() ? 1 : 0;
    return SomeWidth - textRoom + 2 * textMargin + grid;
}

int columnWidthFor(const QAbstractItemView *view, const QStringList &texts, int atLeast)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = qMax(widest, drawnTextWidth(view->font(), text));
    return qMax(atLeast, widest + cellTextMargins(view));
}

namespace {

bool drawsTitlesBold(const QHeaderView *header)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(header->parentWidget());
    return header->highlightSections() && header->sectionsClickable()
        && (!view || view->selectionMode() != QAbstractItemView::NoSelection);
}

// The pixels between a text that wide, placed in a section that wide, and the nearer of
// the section's edges.
int nearerGap(const QHeaderView *header, int sectionWidth, int textWidth)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = QRect(0, 0, sectionWidth, header->height());
    option.orientation = header->orientation();
    const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    const QRect text = QStyle::alignedRect(header->layoutDirection(),
                                           header->defaultAlignment() & Qt::AlignHorizontal_Mask,
                                           QSize(textWidth, label.height()), label);
    return qMin(text.left() - option.rect.left(), option.rect.right() - text.right());
}

} // namespace

int sectionWidthFor(const QHeaderView *header, const QString &title, int offEdge)
{
    QFont font = header->font();
    font.setBold(font.bold() || drawsTitlesBold(header));
    const int textWidth = drawnTextWidth(font, title);
    const int gap = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + offEdge;
    // A centred text leaves the odd pixel on one side, and the border takes one: widen
    // until the nearer side has the gap (a few pixels at most).
    const int least = textWidth + 2 * gap;
    for (int width = least; width < least + 2 * gap; ++width) {
        if (nearerGap(header, width, textWidth) >= gap)
            return width;
    }
    return least + 2 * gap;
}
