#include "widgets/font_fitting.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <functional>

namespace {

constexpr qreal MinimumPointSize = 6;
constexpr qreal PointSizeStep = 0.5;

void shrinkUntil(QWidget *widget, const std::function<bool(const QFont &)> &fits)
{
    QFont font = widget->font();
    if (font.pointSizeF() <= 0 || fits(font))
        return;  // a font sized in pixels is left as it is
    // Each smaller size is measured once.
    while (font.pointSizeF() - PointSizeStep >= MinimumPointSize) {
        font.setPointSizeF(font.pointSizeF() - PointSizeStep);
        if (fits(font))
            break;
    }
    widget->setFont(font);
}

} // namespace

void fitFontToWidth(QWidget *widget, const QStringList &texts, int width)
{
    shrinkUntil(widget, [&texts, width](const QFont &font) {
        const QFontMetrics metrics(font);
        return std::all_of(texts.cbegin(), texts.cend(),
                           [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; });
    });
}

void fitButtonFont(QPushButton *button)
{
    shrinkUntil(button, [button](const QFont &font) {
        const QFontMetrics metrics(font);
        QStyleOptionButton option;
        option.initFrom(button);
        option.fontMetrics = metrics;
        option.text = button->text();
        const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
        const QSize needed = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button);
        return needed.width() <= button->width();
    });
}

void fitWrappedLabelFont(QLabel *label, const QSize &size)
{
    const int inside = 2 * (label->frameWidth() + label->margin());
    const QSize room = size - QSize(inside, inside);
    shrinkUntil(label, [label, room](const QFont &font) {
        // A word longer than a line runs over the line's edges.
        const QRect text = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), QSize(room.width(), QWIDGETSIZE_MAX)),
                                                           int(label->alignment()) | Qt::TextWordWrap, label->text());
        return text.width() <= room.width() && text.height() <= room.height();
    });
}
