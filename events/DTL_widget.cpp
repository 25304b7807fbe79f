#include "events/DTL_widget.h"

#include "events/DTL_Box.h"
#include "widgets/font_fitting.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

const char *const ModeTexts[] = {
    QT_TRANSLATE_NOOP("DTL_widget", "Not set"),
    QT_TRANSLATE_NOOP("DTL_widget", "Daytime only"),
    QT_TRANSLATE_NOOP("DTL_widget", "Night-time only"),
    QT_TRANSLATE_NOOP("DTL_widget", "Set manually"),
};

const QString TimeFormat = QStringLiteral("h:mm");

} // namespace

DTL_widget::DTL_widget(QWidget *parent)
    : QWidget(parent)
{
    // The editor hides the cell's own text.
    setAutoFillBackground(true);

    manualBox = new QCheckBox(this);
    fromBox = new DTL_Box(this);
    fromBox->setDisplayFormat(TimeFormat);
    fromBox->setValue(0);
    toBox = new DTL_Box(this);
    toBox->setDisplayFormat(TimeFormat);
    toBox->setValue(DTL_Box::EndOfDay);
    // Built last, the list lies over the others.
    modeBox = new QComboBox(this);
    for (const char *text : ModeTexts)
        modeBox->addItem(tr(text));
    placeChildren();

    connect(manualBox, &QCheckBox::stateChanged, this, &DTL_widget::ability);
    connect(modeBox, &QComboBox::currentIndexChanged, this, &DTL_widget::chgMode);
}

int DTL_widget::timeBoxWidth() const
{
    // The boxes share the cell; only where their time does not fit there even in the
    // smallest readable font are they as wide as they ask to be.
    if (cell.isValid() && boxesFitCell)
        return (cell.width() - FromBoxX) / 2;
    return qMax(int(TimeBoxWidth), fromBox->sizeHint().width());
}

void DTL_widget::fitBoxesToCell()
{
    if (!cell.isValid())
        return;
    const QSize box((cell.width() - FromBoxX) / 2, TimeBoxHeight);
    boxesFitCell = fitSpinBoxFont(fromBox, box) && fitSpinBoxFont(toBox, box);
}

QSize DTL_widget::sizeHint() const
{
    return QSize(FromBoxX + 2 * timeBoxWidth(), TimeBoxHeight);
}

void DTL_widget::setCellGeometry(const QRect &rect)
{
    cell = rect;
    fitBoxesToCell();
    applyCellGeometry();
}

void DTL_widget::applyCellGeometry()
{
    if (!cell.isValid())
        return;
    const int width = modeBox->isHidden() ? qMax(cell.width(), sizeHint().width()) : cell.width();
    setGeometry(cell.x(), cell.y(), width, cell.height());
}

void DTL_widget::placeChildren()
{
    // The boxes stand side by side in the middle of the cell's height; the list covers the
    // cell whatever size the view gives it, so the cell's text never shows beside it.
    const int boxY = qMax(0, (height() - TimeBoxHeight) / 2);
    const int boxWidth = timeBoxWidth();
    manualBox->setGeometry(CheckBoxX, qMax(0, (height() - CheckBoxSize) / 2), CheckBoxSize, CheckBoxSize);
    fromBox->setGeometry(FromBoxX, boxY, boxWidth, TimeBoxHeight);
    toBox->setGeometry(FromBoxX + boxWidth, boxY, boxWidth, TimeBoxHeight);
    modeBox->setGeometry(0, 0, cell.isValid() ? cell.width() : width(), height());
}

void DTL_widget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeChildren();
}

void DTL_widget::setCheckState(int state)
{
    manualBox->setCheckState(Qt::CheckState(state));
}

void DTL_widget::interpretTypedTimes()
{
    fromBox->interpretText();
    toBox->interpretText();
}

u8 DTL_widget::fromValue() const
{
    return manualBox->isChecked() ? fromBox->value : u8(0xFF);
}

QString DTL_widget::text() const
{
    const int mode = modeBox->currentIndex();
    if (mode != SetManually)
        return mode >= 0 && mode < SetManually ? tr(ModeTexts[mode]) : QString();
    const QString end = toBox->value >= DTL_Box::EndOfDay ? QStringLiteral("24:00") : toBox->time().toString(TimeFormat);
    return QStringLiteral("%1 - %2 ").arg(fromBox->time().toString(TimeFormat), end);
}

void DTL_widget::chgMode(int index)
{
    if (index != SetManually)
        return;
    toBox->show();
    fromBox->show();
    manualBox->setChecked(true);
    manualBox->show();
    modeBox->hide();
    applyCellGeometry();
}

void DTL_widget::ability(int state)
{
    if (state == Qt::Checked)
        return;
    toBox->hide();
    fromBox->hide();
    manualBox->hide();
    modeBox->show();
    modeBox->setCurrentIndex(NotSet);
    applyCellGeometry();
}

void DTL_widget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    // Moving onto a child also leaves the editor: only a leave past all of them counts.
    if (modeBox->currentIndex() == SetManually && !fromBox->underMouse() && !toBox->underMouse()
        && !manualBox->underMouse())
        emit leaved(this);
}
