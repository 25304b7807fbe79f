#include "events/aevents_clock_widget.h"

#include "events/aevents_clock_set_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/bcd_codec.h"
#include "model/image_access.h"
#include "model/user_interaction.h"
#include "widgets/font_fitting.h"
#include "widgets/table_first_fill.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringBuilder>
#include <QTableWidget>

#include <cstdlib>

using namespace image_layout;

namespace {

constexpr int RowCount = int(TimerRowCount);
constexpr int SunriseRow = 0;
constexpr int SunsetRow = 1;
constexpr int TimerColumnWidth = 80;
constexpr int SettingsColumnWidth = 120;
constexpr int FirstYear = 2000;
constexpr int MinutesPerHour = 60;

// The sun delay editor offers up to four hours either way, in minutes.
constexpr int MostSunDelayMinutes = 240;
constexpr int MostSunDelayUnits = MostSunDelayMinutes / SunDelayUnitMinutes;
// What a cell of the list takes of its width besides its text.
constexpr int CellMargins = 8;

const QPoint TimerEditorPosition(250, 10);
const QRect ClearButtonGeometry(790, 40, 50, 30);
const QRect SunDelayLabelGeometry(300, 42, 220, 24);
const QRect SunDelaySpinGeometry(530, 40, 90, 24);

// A field of two digits ("07"); the separators are not translated.
QString twoDigits(int value)
{
    return value <= 9 ? QStringLiteral("0%1").arg(value) : QStringLiteral("%1").arg(value);
}

QString timeField(u8 byte)
{
    return byte == timer_entry_class::Any ? QStringLiteral("--") : twoDigits(fromBcd(byte));
}

QString dateField(u8 byte)
{
    return byte == timer_entry_class::Any ? QStringLiteral("--.") : twoDigits(fromBcd(byte)) + QLatin1Char('.');
}

} // namespace

aevents_clock_widget::aevents_clock_widget(QWidget *parent)
    : aevents_page_base(ClockPageKind, parent)
{
    createWidgets();
    connectSignals();
    refresh();
}

void aevents_clock_widget::createWidgets()
{
    // The list is wider than on the other pages, the editor lower: the timer fields sit above it.
    const frame_layout clockLayout = {
        QRect(10, 20, 225, 570),  QRect(770, 100, 60, 40),  QRect(250, 100, 605, 520),
        QRect(250, 585, 581, 21), QRect(10, 615, 180, 21), QRect(200, 615, 631, 21),
    };
    createFrame(clockLayout, RowCount, {tr("Timer", "column name"), tr("Timer Settings", "column name")},
                {TimerColumnWidth, SettingsColumnWidth});
    titleLabel->setAlignment(Qt::AlignCenter);
    fitListFont();

    sunDelayLabel = new QLabel(this);
    sunDelayLabel->setGeometry(SunDelayLabelGeometry);
    sunDelayLabel->setFont(listFont());
    sunDelayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sunDelayLabel->hide();
    sunDelaySpin = new QSpinBox(this);
    sunDelaySpin->setGeometry(SunDelaySpinGeometry);
    sunDelaySpin->setFont(listFont());
    sunDelaySpin->setRange(-MostSunDelayMinutes, MostSunDelayMinutes);
    sunDelaySpin->setSingleStep(SunDelayUnitMinutes);
    sunDelaySpin->setSuffix(tr(" min."));
    // A typed delay arrives once it is complete (Return, leaving the box, the arrows): on
    // the way to -50, the -5 typed first must not be taken, nor refused, as a delay.
    sunDelaySpin->setKeyboardTracking(false);
    sunDelaySpin->hide();

    clearButton = new QPushButton(tr("Clear"), this);
    clearButton->setGeometry(ClearButtonGeometry);
    clearButton->setFont(listFont());

    timerEditor = new aevents_clock_set_widget(this);
    timerEditor->move(TimerEditorPosition);

    setCurrentEvent(EventSunrise);
    timerEditor->setTimer(EventSunrise);
}

void aevents_clock_widget::connectSignals()
{
    connect(timerEditor, &aevents_clock_set_widget::changed, this, &aevents_clock_widget::updateStr);
    connect(clearButton, &QPushButton::clicked, timerEditor, &aevents_clock_set_widget::clearAll);
    connect(eventList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &aevents_clock_widget::timerChange);
    connectFrame();
    connect(actionEditor->actionTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            qOverload<const QModelIndex &, const QModelIndex &>(&aevents_clock_widget::descChange));
    // A stored delay is shown with the spin box's signals blocked, so only the user's edits
    // arrive here.
    connect(sunDelaySpin, &QSpinBox::valueChanged, this, &aevents_clock_widget::sunService);
}

int aevents_clock_widget::eventOfRow(int row) const
{
    return EventTimer + row;
}

int aevents_clock_widget::currentRow() const
{
    return currentEvent - EventTimer;
}

bool aevents_clock_widget::isSunRow(int row)
{
    return row == SunriseRow || row == SunsetRow;
}

bool aevents_clock_widget::sunEventsOn()
{
    return readU16(currentController->confData, SunEventDelays) != SunEventsOff;
}

u32 aevents_clock_widget::sunDelayOffset(int row)
{
    return row == SunriseRow ? SunriseDelay : SunsetDelay;
}

QString aevents_clock_widget::timerText(int code)
{
    const int row = code - EventTimer;
    if (row < 0 || row >= RowCount)
        return QString();
    return timerText(currentController->timerTable[row]);
}

QString aevents_clock_widget::timerText(const timer_entry_class &timer)
{
    static const char *const weekDays[] = {
        QT_TR_NOOP("Mo"), QT_TR_NOOP("Tu"), QT_TR_NOOP("We"), QT_TR_NOOP("Th"),
        QT_TR_NOOP("Fr"), QT_TR_NOOP("Sa"), QT_TR_NOOP("Su"),
    };
    const QString weekDay = timer.weekDay >= 1 && timer.weekDay <= 7 ? tr(weekDays[timer.weekDay - 1])
                                                                      : QStringLiteral("--");
    const QString year = timer.year == timer_entry_class::Any ? QStringLiteral("----")
                                                              : QString::number(FirstYear + fromBcd(timer.year));
    // Built in one piece: the list writes a thousand of these.
    return timeField(timer.hour) % QLatin1Char(':') % timeField(timer.minute) % QLatin1Char(' ') % weekDay
        % QLatin1Char(' ') % dateField(timer.day) % dateField(timer.month) % year;
}

QString aevents_clock_widget::sunDelayText(int units)
{
    const QChar sign = units < 0 ? QLatin1Char('-') : units > 0 ? QLatin1Char('+') : QLatin1Char(' ');
    const int minutes = std::abs(units) * SunDelayUnitMinutes;
    return QStringLiteral("      ")
        + tr("%1%2 h %3 min.").arg(sign).arg(minutes / MinutesPerHour).arg(minutes % MinutesPerHour);
}

QString aevents_clock_widget::rowText(int row) const
{
    if (row == SunriseRow)
        return tr("Sunrise");
    if (row == SunsetRow)
        return tr("Sunset");
    return timerRow.arg(row + 1);
}

QString aevents_clock_widget::titleText() const
{
    const int row = currentRow();
    if (isSunRow(row))
        return rowText(row);
    return tr("Timer\nno. %1").arg(row + 1);
}

void aevents_clock_widget::fitListFont()
{
    // A timer with every field set, on each week day; and the widest sun delays.
    QStringList settings;
    timer_entry_class widest;
    widest.hour = 0x23;
    widest.minute = 0x59;
    widest.day = 0x28;
    widest.month = 0x08;
    widest.year = 0x88;
    for (u8 day = 1; day <= 7; ++day) {
        widest.weekDay = day;
        settings << timerText(widest);
    }
    settings << sunDelayText(-MostSunDelayUnits + 1) << sunDelayText(MostSunDelayUnits - 1) << tr("disabled");
    fitFontToWidth(eventList, settings, SettingsColumnWidth - CellMargins);
    fitFontToWidth(eventList, {rowText(SunriseRow), rowText(SunsetRow), rowText(RowCount - 1)},
                   TimerColumnWidth - CellMargins);
}

void aevents_clock_widget::fillTable()
{
    const bool sunOn = sunEventsOn();
    const u8 *image = currentController->confData;
    const table_first_fill fill(eventList);
    for (int row = 0; row < RowCount; ++row) {
        QString settings;
        if (!isSunRow(row))
            settings = timerText(eventOfRow(row));
        else if (sunOn)
            settings = sunDelayText(i8(image[sunDelayOffset(row)]));
        else
            settings = tr("disabled");
        const QBrush background = rowBrush(eventOfRow(row));
        setCellText(eventList, row, TimerColumn, rowText(row), background);
        setCellText(eventList, row, SettingsColumn, settings, background);
    }
}

void aevents_clock_widget::refresh()
{
    fillTable();
    showRowEditors();
    actionEditor->refresh();
    titleLabel->setText(titleText());
    descLine->setText(descriptionLineText());
}

void aevents_clock_widget::showRowEditors()
{
    const int row = currentRow();
    if (!isSunRow(row)) {
        sunDelaySpin->hide();
        sunDelayLabel->hide();
        timerEditor->loadFields();
        clearButton->show();
        return;
    }
    timerEditor->hide();
    clearButton->hide();
    if (!sunEventsOn()) {
        sunDelaySpin->hide();
        sunDelayLabel->hide();
        return;
    }
    {
        // Showing the stored delay stores nothing.
        const QSignalBlocker block(sunDelaySpin);
        sunDelaySpin->setValue(i8(currentController->confData[sunDelayOffset(row)]) * SunDelayUnitMinutes);
    }
    sunDelayLabel->setText(row == SunriseRow ? tr("Sunrise Event Delay") : tr("Sunset Event Delay"));
    sunDelaySpin->show();
    sunDelayLabel->show();
}

void aevents_clock_widget::timerChange(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid())
        return;
    setCurrentEvent(eventOfRow(current.row()));
    timerEditor->setTimer(currentEvent);
    leaveNoActionSelected();
    refresh();
}

void aevents_clock_widget::descChange(const QModelIndex &current, const QModelIndex &previous)
{
    actionEditor->actionTable->rowChgd(current, previous);
}

void aevents_clock_widget::updateStr()
{
    setCellText(eventList, currentRow(), SettingsColumn, timerText(currentEvent));
}

void aevents_clock_widget::sunService(int minutes)
{
    if (minutes < -MostSunDelayMinutes || minutes > MostSunDelayMinutes)
        return;
    const int row = currentRow() == SunriseRow ? SunriseRow : SunsetRow;
    const int other = row == SunriseRow ? SunsetRow : SunriseRow;
    u8 *image = currentController->confData;
    const u8 delay = u8(i8(minutes / SunDelayUnitMinutes));
    // Both delays at -5 minutes (0xFF each) would spell the word that switches the sun
    // events off: a delay edit must not do that, so the old delay stays and shows again.
    const u8 offByte = u8(SunEventsOff);
    if (delay == offByte && image[sunDelayOffset(other)] == offByte) {
        {
            const QSignalBlocker block(sunDelaySpin);
            sunDelaySpin->setValue(i8(image[sunDelayOffset(row)]) * SunDelayUnitMinutes);
        }
        showMessage(message_icon::Warning, sunDelayLabel->text(),
                    tr("Sunrise and sunset can't both be delayed by %1 min.: the controller reads that as "
                       "sunrise / sunset events switched off.\nThe delay stays as it was.")
                        .arg(-SunDelayUnitMinutes),
                    message_button::Ok, message_button::NoButton, this);
        return;
    }
    image[sunDelayOffset(row)] = delay;
    fillTable();
}

void aevents_clock_widget::descriptionStored()
{
}
