#include "tests/support/text_fit.h"

#include "model/controller_configuration_class.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtMath>

#include <algorithm>

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The pixels a line takes as Qt draws it: its exact advance rounded up. QFontMetrics rounds
// to the nearest pixel, so a text a fraction wider than its room would pass for fitting
// while Qt elides or clips it.
int drawnWidth(const QFont &font, const QString &line)
{
    return qCeil(QFontMetricsF(font).horizontalAdvance(line));
}

int widestLine(const QFont &font, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, drawnWidth(font, line));
    return widest;
}

QString nameOf(const QWidget *widget)
{
    return QLatin1String(widget->metaObject()->className());
}

// A label with a buddy shows its '&' as the underline of the letter after it.
QString drawnText(const QLabel *label)
{
    return label->buddy() ? withoutMnemonic(label->text()) : label->text();
}

// The room a label gives its text across: inside its frame, margins and indent.
int labelRoom(const QLabel *label)
{
    return label->contentsRect().width() - 2 * label->margin() - qMax(label->indent(), 0);
}

QList<text_place> labelTexts(const QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int room = labelRoom(label);
    const QString text = drawnText(label);
    if (!label->wordWrap())
        return {text_place{label->text(), widestLine(label->font(), text), room}};
    // A word longer than the line runs over both edges; lines below the label's height are
    // not drawn. The last line needs neither the leading below it nor the lowest row of its
    // box, which no letter reaches (a layout may round it away).
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), int(label->alignment()) | Qt::TextWordWrap, text);
    const int height = label->contentsRect().height() - 2 * label->margin();
    return {text_place{label->text(), wrapped.width(), room, QStringLiteral("widest word")},
            text_place{label->text(), wrapped.height() - qMax(metrics.leading(), 0) - 1, height,
                       QStringLiteral("lines' height")}};
}

// What a spin box shows, against the room of its line: the line's contents less the
// margins a line edit keeps beside its text.
text_place spinBoxText(const QAbstractSpinBox *spin)
{
    const QLineEdit *line = spin->findChild<QLineEdit *>();
    const QMargins margins = line ? line->textMargins() : QMargins();
    const int room = line ? line->contentsRect().width() - margins.left() - margins.right() - 4 : spin->width();
    return text_place{spin->text(), drawnWidth(spin->font(), spin->text()), room,
                      QStringLiteral("in a %1").arg(nameOf(spin))};
}

// The font a header draws a section's title in: the header's own, or the one the model
// gives the section.
QFont sectionFont(const QHeaderView *header, int section)
{
    const QVariant font = header->model()->headerData(section, header->orientation(), Qt::FontRole);
    return font.isValid() ? qvariant_cast<QFont>(font).resolve(header->font()) : header->font();
}

// Whether the header draws a section's title bold: a header that highlights its sections
// (and answers clicks) does so for the sections of the current selection.
bool drawsSectionsBold(const QHeaderView *header)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(header->parentWidget());
    return header->highlightSections() && header->sectionsClickable()
        && (!view || view->selectionMode() != QAbstractItemView::NoSelection);
}

// The part of a section that shows, in the header's coordinates: a column's section as far
// as the table shows it (a table too narrow for its columns cuts the last ones at its
// edge), a row's section across the whole header.
QRect shownSection(const QHeaderView *header, int section)
{
    if (header->orientation() == Qt::Vertical)
        return QRect(0, header->sectionViewportPosition(section), header->width(), header->sectionSize(section));
    const int start = header->sectionViewportPosition(section);
    const int end = qMin(start + header->sectionSize(section), header->viewport()->width());
    return QRect(QPoint(qMax(start, 0), 0), QPoint(end - 1, header->height() - 1));
}

// How far from the left and the right edge of the shown section the header's style draws a
// text that wide: inside the place the style gives the section's label, aligned as the
// section asks.
QPair<int, int> textGaps(const QHeaderView *header, int section, const QRect &shown, int width)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = shown;
    option.section = section;
    option.orientation = header->orientation();
    const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    const QVariant asked = header->model()->headerData(section, header->orientation(), Qt::TextAlignmentRole);
    const Qt::Alignment alignment = asked.isValid() ? Qt::Alignment(asked.toInt()) : header->defaultAlignment();
    const QRect text = QStyle::alignedRect(header->layoutDirection(), alignment & Qt::AlignHorizontal_Mask,
                                           QSize(width, label.height()), label);
    return {text.left() - shown.left(), shown.right() - text.right()};
}

} // namespace

QList<text_place> sectionTexts(const QHeaderView *header)
{
    QList<text_place> places;
    const QAbstractItemModel *model = header->model();
    if (!model || header->isHidden())
        return places;
    // The forms' style draws a text its margin inside the section's edges, and the section's
    // border takes a pixel of that: a text keeps two more pixels from each edge to read apart.
    const int gap = QApplication::style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const bool bold = drawsSectionsBold(header);
    const QString owner = nameOf(header->parentWidget() ? header->parentWidget() : header);
    const QString kind = header->orientation() == Qt::Horizontal ? QStringLiteral("column") : QStringLiteral("row");
    for (int section = 0; section < header->count(); ++section) {
        const QString title = model->headerData(section, header->orientation()).toString();
        if (title.isEmpty() || header->isSectionHidden(section))
            continue;
        QFont font = sectionFont(header, section);
        font.setBold(font.bold() || bold);
        const int width = widestLine(font, title);
        // The room is the width the text would have with its narrower gap on both sides.
        const auto [left, right] = textGaps(header, section, shownSection(header, section), width);
        places << text_place{title, width + 2 * gap, width + 2 * qMin(left, right),
                             QStringLiteral("%1 header of %2%3")
                                 .arg(kind, owner, bold ? QStringLiteral(", bold as the current one's") : QString())};
    }
    return places;
}

text_place columnsAcross(const QTableView *view)
{
    const QHeaderView *header = view->horizontalHeader();
    QStringList titles;
    int needed = 0;
    for (int column = 0; view->model() && column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        titles << view->model()->headerData(column, Qt::Horizontal).toString();
        needed += header->sectionSize(column);
    }
    const QWidget *owner = view->parentWidget() ? view->parentWidget() : view;
    return text_place{titles.join(QStringLiteral(" | ")), needed, view->viewport()->width(),
                      QStringLiteral("the columns across %1").arg(nameOf(owner))};
}

QList<text_place> fixedTexts(QWidget *root)
{
    QList<text_place> places;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!label->text().isEmpty() && label->textFormat() != Qt::RichText)
                places << labelTexts(label);
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            const int iconRoom = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            places << text_place{button->text(), widestLine(widget->font(), withoutMnemonic(button->text())) + iconRoom + 6,
                                 button->width()};
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {  // check and radio boxes
            if (!button->text().isEmpty())
                places << text_place{button->text(), button->sizeHint().width(), button->width()};
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            if (!box->title().isEmpty())
                places << text_place{box->title(), drawnWidth(widget->font(), withoutMnemonic(box->title())) + 16,
                                     box->width()};
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
            for (int i = 0; i < combo->count(); ++i)
                places << text_place{combo->itemText(i), drawnWidth(widget->font(), combo->itemText(i)) + arrow + 8,
                                     combo->width()};
        } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
            if (spin->isVisibleTo(root) && !spin->text().isEmpty())
                places << spinBoxText(spin);
        } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            QStringList titles;
            for (int i = 0; i < tabs->count(); ++i)
                titles << tabs->tabText(i);
            places << text_place{titles.join(QStringLiteral(" | ")), tabs->tabBar()->sizeHint().width(), tabs->width()};
        } else if (auto *view = qobject_cast<QTableView *>(widget)) {
            if (view->model())
                places << sectionTexts(view->horizontalHeader());
        }
    }
    return places;
}

namespace {

// The options the view's delegate paints a cell with: the view's font and alignment, then
// what the item itself asks for (its font, alignment, check box and picture).
QStyleOptionViewItem cellOption(const QAbstractItemView *view, const QModelIndex &index)
{
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.font = view->font();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = view->textElideMode();
    option.index = index;
    const QVariant font = index.data(Qt::FontRole);
    if (font.isValid())
        option.font = qvariant_cast<QFont>(font).resolve(option.font);
    option.fontMetrics = QFontMetrics(option.font);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid())
        option.displayAlignment = Qt::Alignment(alignment.toInt());
    if (index.data(Qt::CheckStateRole).isValid())
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
    if (index.data(Qt::DecorationRole).isValid()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        const int side = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
        option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(side, side);
    }
    const QVariant display = index.data(Qt::DisplayRole);
    if (display.isValid() && !display.isNull()) {
        option.features |= QStyleOptionViewItem::HasDisplay;
        auto *delegate = qobject_cast<QStyledItemDelegate *>(view->itemDelegateForIndex(index));
        option.text = delegate ? delegate->displayText(display, option.locale) : display.toString();
    }
    return option;
}

// True when text is one of the descriptions, or the start of one shortened with an ellipsis.
bool isDescription(const QString &text, const QStringList &descriptions)
{
    const QString start = text.endsWith(QChar(0x2026)) ? text.chopped(1) : text;
    const auto it = std::lower_bound(descriptions.cbegin(), descriptions.cend(), start);
    return it != descriptions.cend() && (text == start ? *it == start : it->startsWith(start));
}

// The words a row shows after its name where its item has no description, in the
// installed language, as the pages with such rows translate them.
QStringList noDescriptionTexts()
{
    QStringList texts;
    for (const char *context : {"page_base", "aevents_inputs_widget", "aevents_dmxout_widget", "aevents_ired_widget",
                                "aevents_vkeys_widget", "aprogram_settings_widget"})
        texts << QCoreApplication::translate(context, "no description");
    texts.removeDuplicates();
    return texts;
}

// What of a cell's text must show whole. A row that names its item and then adds what the
// user wrote ("Input 3 (On) - <description>", or "no description") may lose the end to the
// ellipsis, as long as the name and the dash show; a description standing alone may be
// shortened too; every other text shows whole.
QString wholePart(const QString &text, const QStringList &descriptions, const QStringList &noDescription)
{
    static const QString dash = QStringLiteral(" - ");
    const int named = int(text.indexOf(dash));
    if (named > 0) {
        const QString added = text.mid(named + dash.size());
        if (isDescription(added, descriptions) || noDescription.contains(added))
            return text.left(named + dash.size()) + QChar(0x2026);
    }
    return isDescription(text, descriptions) ? QString() : text;
}

// Whether the view shortens a line of the text to fit that room: what QFontMetrics elides
// differs from the line. A view that elides nothing clips the same lines.
bool elidedIn(const QFontMetrics &metrics, const QString &text, int room)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) {
        return metrics.elidedText(line, Qt::ElideRight, room) != line;
    });
}

} // namespace

QList<text_place> cellTexts(const QAbstractItemView *view, const QStringList &descriptions)
{
    QList<text_place> places;
    const QAbstractItemModel *model = view->model();
    if (!model)
        return places;
    const QStringList noDescription = noDescriptionTexts();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QString owner = nameOf(view->parentWidget() ? view->parentWidget() : view);
    const auto *table = qobject_cast<const QTableView *>(view);
    const bool wordWrap = table && table->wordWrap();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QRect cell = view->visualRect(index);
            if (!cell.isValid() || view->indexWidget(index))
                continue;
            const QStyleOptionViewItem option = cellOption(view, index);
            QString whole = wholePart(option.text, descriptions, noDescription);
            // A row of one line in a view that wraps words loses whole words, not the end.
            const bool wrapsWords = wordWrap && cell.height() < 2 * option.fontMetrics.lineSpacing();
            if (wrapsWords && !whole.isEmpty())
                whole = option.text;
            if (whole.isEmpty())
                continue;
            const QRect text = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
            // The view elides a line against the exact width of its text, in the room the
            // style leaves inside the cell's margins: cut is what it would shorten.
            const int room = text.width() - 2 * margin;
            const bool cut = elidedIn(option.fontMetrics, whole, room);
            places << text_place{option.text, widestLine(option.font, whole) + 2 * margin, text.width(),
                                 QStringLiteral("row %1, column %2 of %3%4")
                                     .arg(row).arg(column).arg(owner, wrapsWords ? QStringLiteral(", words wrapped") : QString()),
                                 cut};
        }
    }
    return places;
}

QStringList cutTexts(const QList<text_place> &places)
{
    QStringList cut;
    for (const text_place &place : places) {
        if (!place.fits())
            cut << QStringLiteral("\"%1\" needs %2 pixels, has %3 (%4%5)")
                       .arg(place.text)
                       .arg(place.needed)
                       .arg(place.room)
                       .arg(place.where, place.elided ? QStringLiteral(", elided") : QString());
    }
    cut.removeDuplicates();
    return cut;
}

namespace {

// What of a shown widget another must not run into, in its parent's coordinates.
struct covered_part {
    QRect rect;
    bool text = false;  // the part a text (and a box's indicator) covers, not the whole widget
};

// A text needs a little room beside it to read apart from its neighbour.
constexpr int TextGap = 2;
// Controls may meet frame on frame.
constexpr int FrameWidth = 2;

// The part of a label, check or radio box that its text covers; the whole widget for the
// other controls; nothing for the widgets that show nothing another could run into.
covered_part coveredPart(const QWidget *widget)
{
    const Qt::LayoutDirection direction = widget->layoutDirection();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const QFontMetrics metrics = label->fontMetrics();
        const QRect inside = label->contentsRect();
        const QString text = drawnText(label);
        const QSize size = label->wordWrap()
            ? metrics.boundingRect(QRect(0, 0, labelRoom(label), QWIDGETSIZE_MAX), Qt::TextWordWrap, text).size()
            : QSize(widestLine(label->font(), text), metrics.height() * int(text.count(QLatin1Char('\n')) + 1));
        const QRect drawn = QStyle::alignedRect(direction, label->alignment(), size, inside) & inside;
        return {drawn.translated(label->pos()), true};
    }
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget)) {
        auto *button = static_cast<const QAbstractButton *>(widget);
        if (button->text().isEmpty())
            return {button->geometry(), false};
        const QRect inside = button->rect();
        const QSize hint = button->sizeHint().boundedTo(inside.size());
        return {(QStyle::alignedRect(direction, Qt::AlignLeft | Qt::AlignVCenter, hint, inside) & inside)
                    .translated(button->pos()),
                true};
    }
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractItemView *>(widget))
        return {widget->geometry(), false};
    return {};
}

QString described(const QWidget *widget)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(nameOf(widget), text);
}

// Whether two parts crowd each other: a text with less than the gap beside it, controls
// that overlap by more than a frame.
bool crowd(const covered_part &a, const covered_part &b)
{
    if (a.text || b.text) {
        const QRect both = a.rect.adjusted(-TextGap, 0, TextGap, 0) & b.rect;
        return both.width() > 0 && both.height() > 0;
    }
    const QRect both = a.rect & b.rect;
    return both.width() > FrameWidth && both.height() > FrameWidth;
}

} // namespace

QStringList crowdedTexts(QWidget *root)
{
    QStringList crowded;
    QList<QWidget *> parents = root->findChildren<QWidget *>();
    parents.prepend(root);
    for (const QWidget *parent : parents) {
        QList<QPair<const QWidget *, covered_part>> shown;
        for (const QObject *child : parent->children()) {
            auto *widget = qobject_cast<const QWidget *>(child);
            if (!widget || widget->isWindow() || !widget->isVisibleTo(root))
                continue;
            const covered_part covered = coveredPart(widget);
            if (covered.rect.isValid())
                shown << qMakePair(widget, covered);
        }
        for (int a = 0; a < shown.size(); ++a) {
            for (int b = a + 1; b < shown.size(); ++b) {
                if (crowd(shown[a].second, shown[b].second))
                    crowded << QStringLiteral("%1 runs into %2 in %3")
                                   .arg(described(shown[a].first), described(shown[b].first), nameOf(parent));
            }
        }
    }
    return crowded;
}

namespace {

// Whether the parent places its children itself, inside its own drawing (a list's viewport
// among them: its editors are measured against their cells): where they lie is the
// parent's business, not the form's.
bool compound(const QWidget *parent)
{
    return qobject_cast<const QAbstractScrollArea *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent)
        || qobject_cast<const QComboBox *>(parent) || qobject_cast<const QTabBar *>(parent)
        || qobject_cast<const QAbstractButton *>(parent) || qobject_cast<const QLineEdit *>(parent)
        || qobject_cast<const QTabWidget *>(parent)
        || qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
}

// The part of a group box its style keeps for the box's contents: inside the frame, below
// the title (and the check box of a checkable box).
QRect groupBoxContents(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!box->title().isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, box);
}

// Where a parent's children may lie, in its own coordinates.
QRect contentsOf(const QWidget *parent)
{
    if (auto *box = qobject_cast<const QGroupBox *>(parent))
        return groupBoxContents(box);
    return parent->contentsRect();
}

} // namespace

QStringList controlsBeyondTheirFrames(QWidget *root)
{
    QStringList beyond;
    QList<QWidget *> parents = root->findChildren<QWidget *>();
    parents.prepend(root);
    for (const QWidget *parent : parents) {
        if (!parent->isVisibleTo(root) && parent != root)
            continue;
        if (compound(parent))
            continue;
        const QRect contents = contentsOf(parent);
        for (const QObject *child : parent->children()) {
            auto *widget = qobject_cast<const QWidget *>(child);
            if (!widget || widget->isWindow() || !widget->isVisibleTo(root))
                continue;
            const covered_part covered = coveredPart(widget);
            if (!covered.rect.isValid())
                continue;
            const QRect room = covered.text ? contents.adjusted(TextGap, 0, -TextGap, 0)
                                            : contents.adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth);
            if (!room.contains(covered.rect))
                beyond << QStringLiteral("%1 covers %2,%3 to %4,%5 beyond %6,%7 to %8,%9 of %10")
                              .arg(described(widget))
                              .arg(covered.rect.left()).arg(covered.rect.top())
                              .arg(covered.rect.right()).arg(covered.rect.bottom())
                              .arg(room.left()).arg(room.top()).arg(room.right()).arg(room.bottom())
                              .arg(nameOf(parent) + (parent->objectName().isEmpty() ? QString()
                                                                                      : QLatin1Char(' ') + parent->objectName()));
        }
    }
    return beyond;
}

QStringList unreadableFonts(QWidget *root)
{
    QStringList found;
    auto check = [&found](const QFont &font, const QString &where) {
        if (font.pointSizeF() > 0 && font.pointSizeF() < SmallestReadablePointSize)
            found << QStringLiteral("%1: %2 pt").arg(where).arg(font.pointSizeF());
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            text = box->title();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            text = combo->currentText();
        if (!text.isEmpty())
            check(widget->font(), QStringLiteral("\"%1\" (%2)").arg(text, nameOf(widget)));
        if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
            check(view->font(), nameOf(view));
            if (auto *table = qobject_cast<QTableView *>(view))
                check(table->horizontalHeader()->font(), QStringLiteral("header of ") + view->objectName());
            const QAbstractItemModel *model = view->model();
            for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row) {
                for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                    const QVariant font = model->index(row, column, view->rootIndex()).data(Qt::FontRole);
                    if (font.isValid())
                        check(qvariant_cast<QFont>(font), QStringLiteral("cell %1,%2").arg(row).arg(column));
                }
            }
        }
    }
    return found;
}

namespace {

QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

} // namespace

QStringList smallHeadings(QWidget *root)
{
    QStringList found;
    for (const QLabel *heading : root->findChildren<QLabel *>()) {
        const bool words = std::any_of(heading->text().cbegin(), heading->text().cend(),
                                       [](QChar c) { return c.isLetter(); });
        if (!heading->font().bold() || !words || !heading->parentWidget())
            continue;
        const qreal size = heading->font().pointSizeF();
        for (const QObject *child : heading->parentWidget()->children()) {
            auto *below = qobject_cast<const QWidget *>(child);
            if (!below || below == heading || below->isWindow() || shownText(below).isEmpty()
                || below->y() < heading->geometry().center().y())
                continue;
            if (below->font().pointSizeF() > size)
                found << QStringLiteral("heading \"%1\" at %2 pt above \"%3\" at %4 pt")
                             .arg(heading->text()).arg(size).arg(shownText(below)).arg(below->font().pointSizeF());
        }
    }
    return found;
}

QStringList editorsBeyondTheirCells(const QAbstractItemView *view)
{
    QStringList found;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QWidget *editor = view->indexWidget(index);
            if (!editor || editor->isWindow() || !editor->isVisible())
                continue;
            const QRect cell = view->visualRect(index);
            if (!cell.contains(editor->geometry()))
                found << QStringLiteral("%1 in row %2, column %3: %4,%5 %6 x %7 beyond its cell %8,%9 %10 x %11")
                             .arg(nameOf(editor)).arg(row).arg(column)
                             .arg(editor->x()).arg(editor->y()).arg(editor->width()).arg(editor->height())
                             .arg(cell.x()).arg(cell.y()).arg(cell.width()).arg(cell.height());
        }
    }
    return found;
}

QStringList descriptionsOf(const controller_configuration_class &c)
{
    QStringList texts;
    auto add = [&texts](const auto &array) {
        for (const QString &text : array) {
            if (!text.isEmpty())
                texts << text;
        }
    };
    add(c.sceneDescs);
    add(c.maskDescs);
    add(c.programDescs);
    add(c.eventDescs);
    add(c.stateDescs);
    add(c.inputDescs);
    add(c.rcuKeyDescs);
    texts.sort();
    return texts;
}

bool noneListed(const QStringList &lines)
{
    for (const QString &line : lines)
        qInfo("%s", qPrintable(line));
    return lines.isEmpty();
}
