#include "widgets/font_fitting.h"

#include <QAbstractSpinBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QSpinBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <functional>

namespace {

constexpr qreal MinimumPointSize = 6;
constexpr qreal PointSizeStep = 0.5;
// A line edit keeps two pixels beside its text on either side.
constexpr int LineTextMargins = 4;

// True when the widget's font fits, or was lowered to a size that fits.
bool shrinkUntil(QWidget *widget, const std::function<bool(const QFont &)> &fits, qreal smallest = MinimumPointSize)
{
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return fits(font);  // a font sized in pixels is left as it is
    if (fits(font))
        return true;
    // Each smaller size is measured once.
    bool fitting = false;
    while (!fitting && font.pointSizeF() - PointSizeStep >= smallest) {
        font.setPointSizeF(font.pointSizeF() - PointSizeStep);
        fitting = fits(font);
    }
    widget->setFont(font);
    return fitting;
}

// The widest texts the box can show: its range's ends with prefix and suffix, its special
// text, or the latest time of day in its format (every digit as wide as the others).
QStringList widestTexts(const QAbstractSpinBox *box)
{
    if (auto *time = qobject_cast<const QDateTimeEdit *>(box))
        return {QTime(23, 59, 59, 999).toString(time->displayFormat())};
    if (auto *spin = qobject_cast<const QSpinBox *>(box)) {
        QStringList texts = {spin->prefix() + QString::number(spin->maximum()) + spin->suffix(),
                             spin->prefix() + QString::number(spin->minimum()) + spin->suffix()};
        if (!spin->specialValueText().isEmpty())
            texts << spin->specialValueText();
        return texts;
    }
    return {box->text()};
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

int spinBoxTextRoom(const QAbstractSpinBox *box, const QSize &size)
{
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.rect = QRect(QPoint(0, 0), size);
    option.frame = box->hasFrame();
    option.buttonSymbols = box->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    if (option.frame)
        option.subControls |= QStyle::SC_SpinBoxFrame;
    const QRect field = box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, box);
    return field.width() - LineTextMargins;
}

bool fitSpinBoxFont(QAbstractSpinBox *box, const QSize &size)
{
    const QStringList texts = widestTexts(box);
    const int room = spinBoxTextRoom(box, size);
    const QFont before = box->font();
    const bool ownFont = box->testAttribute(Qt::WA_SetFont);
    const bool fitting = shrinkUntil(
        box,
        [&texts, room](const QFont &font) {
            const QFontMetrics metrics(font);
            return std::all_of(texts.cbegin(), texts.cend(),
                               [&](const QString &text) { return metrics.horizontalAdvance(text) <= room; });
        },
        SmallestFittedPointSize);
    if (!fitting)
        box->setFont(ownFont ? before : QFont());  // a wider box shows its own font
    return fitting;
}
