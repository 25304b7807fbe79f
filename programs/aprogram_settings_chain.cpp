// The program page's chained event and fade-down time after a break: two words of the
// configuration image per program, written at once by the slots here.

#include "programs/aprogram_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "widgets/inf_time_class.h"
#include "widgets/my_time_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

constexpr int ChainRowY = 477;
constexpr int BreakRowY = 511;
constexpr int EditorX = 230;
constexpr int LabelX = 20;
constexpr int LabelGap = 5;
// A fade-down after a break switched on starts at one second.
constexpr u16 DefaultBreakTenths = 10;
constexpr u16 LongestBreakTenths = 0xFFFE;
const QString NoNumberText = QStringLiteral("- -");

// What a type of chained event numbers: its first and last number; none for "Nothing".
struct chain_range {
    int first = 0;
    int last = 0;
    bool numbered() const { return last > 0; }
};

chain_range chainRange(u16 base)
{
    switch (base) {
    case EventDelay: return {1, int(image_layout::DelayCount)};
    case EventInternal: return {1, EventTimer - EventInternal};
    case EventSequence: return {1, int(image_layout::SequenceCount)};
    default: return {};
    }
}

// The type a stored code belongs to (0 for a code of no type the page offers), and its
// number from 1.
struct chain_choice {
    int base = 0;
    int number = 0;
};

chain_choice chainChoice(u16 code)
{
    if (code >= EventInternal && code < EventTimer)
        return {EventInternal, code - EventInternal + 1};
    if (code >= EventDelay && code < EventSequence)
        return {EventDelay, code - EventDelay + 1};
    if (code >= EventSequence && code < EventRcuKey)
        return {EventSequence, code - EventSequence + 1};
    if (code >= EventRcuKey)
        return {NoEvent, 0};
    return {};
}

u8 *image()
{
    return currentController->confData;
}

} // namespace

void aprogram_settings_widget::createChainWidgets()
{
    QWidget *tab = singleStepsPage;
    // Each row's label has the room up to its editor, in every language.
    auto rowLabel = [tab](const QString &text, int y) {
        auto *label = new QLabel(text, tab);
        label->setGeometry(LabelX, y, EditorX - LabelGap - LabelX, label->sizeHint().height());
        return label;
    };
    rowLabel(tr("Chained event:"), ChainRowY + 3);
    chainTypeCombo = new QComboBox(tab);
    chainTypeCombo->setGeometry(EditorX, ChainRowY, 150, 24);
    const struct {
        QString text;
        int base;
    } types[] = {
        {tr("Nothing"), NoEvent},
        {tr("Sequence start"), EventSequence},
        {tr("Delay"), EventDelay},
        {tr("Internal Event"), EventInternal},
    };
    for (const auto &type : types)
        chainTypeCombo->addItem(type.text, type.base);
    chainNumberSpin = new QSpinBox(tab);
    chainNumberSpin->setGeometry(EditorX + 160, ChainRowY, 80, 24);
    showChainRange(NoEvent);

    rowLabel(tr("Fade down time after break:"), BreakRowY + 3);
    breakTimeEdit = new infTime_class(tab);
    breakTimeEdit->setGeometry(EditorX - 1, BreakRowY - 1, 150, 26);
    breakTimeEdit->checkBox->setChecked(true);
    auto *offLabel = new QLabel(tr("Do not use"), tab);
    offLabel->move(EditorX + 155, BreakRowY + 3);

    connect(chainTypeCombo, &QComboBox::currentIndexChanged, this, &aprogram_settings_widget::chainTypeChanged);
    connect(chainNumberSpin, &QSpinBox::editingFinished, this, &aprogram_settings_widget::chainNoChanged);
    connect(breakTimeEdit->checkBox, &QCheckBox::stateChanged, this, &aprogram_settings_widget::breakTimeOff);
    connect(breakTimeEdit, &infTime_class::leaved, this, qOverload<QWidget *>(&aprogram_settings_widget::newBreakTime));
}

// --- chained event ------------------------------------------------------------------------

void aprogram_settings_widget::chainTypeChanged(int index)
{
    const u16 base = index < 0 ? 0 : u16(chainTypeCombo->itemData(index).toInt());
    showChainRange(base);
    storeChain(base, chainNumberSpin->value());
}

void aprogram_settings_widget::chainNoChanged()
{
    const int index = chainTypeCombo->currentIndex();
    const u16 base = index < 0 ? 0 : u16(chainTypeCombo->itemData(index).toInt());
    storeChain(base, chainNumberSpin->value());
}

void aprogram_settings_widget::showChainRange(u16 base)
{
    const chain_range range = chainRange(base);
    chainNumberSpin->setSpecialValueText(QString());
    chainNumberSpin->setEnabled(true);
    chainNumberSpin->setRange(range.first, range.last);
    if (!range.numbered()) {
        chainNumberSpin->setSpecialValueText(NoNumberText);
        chainNumberSpin->setEnabled(false);
    }
}

void aprogram_settings_widget::storeChain(u16 base, int number)
{
    u16 code = NoEvent;
    if (base == EventDelay)
        code = checkedDelay(number);
    else if (base < EventEnd)
        code = u16(base + number - 1);  // the empty type's number 0 gives NoEvent too
    writeU16(image(), image_layout::programChainedEvent(u32(currentProgram)), code);
}

// A delay that a sequence owns runs as the sequence's step: chaining the program to it
// would fire the program's chain at the sequence's pace. It is replaced by the first delay
// that nothing starts and no sequence owns, or by no chain when there is none.
u16 aprogram_settings_widget::checkedDelay(int number)
{
    const int delay = qBound(1, number, int(image_layout::DelayCount)) - 1;
    auto owned = [](int d) {
        return delay_entry_class(readU32(image(), image_layout::delayEntry(u32(d)))).sequence()
            < image_layout::SequenceCount;
    };
    if (!owned(delay))
        return delayEndEvent(u32(delay));

    int replacement = -1;
    for (int d = 0; d < int(image_layout::DelayCount) && replacement < 0; ++d) {
        if (!currentController->delaysInUse.contains(u16(d)) && !owned(d))
            replacement = d;
    }
    u16 code = NoEvent;
    if (replacement >= 0) {
        const QSignalBlocker quiet(chainNumberSpin);
        chainNumberSpin->setValue(replacement + 1);
        code = delayEndEvent(u32(replacement));
    } else {
        // The type becomes "Nothing", with its greyed number, whether or not the combo
        // is connected at this moment.
        {
            const QSignalBlocker quiet(chainTypeCombo);
            chainTypeCombo->setCurrentIndex(0);
        }
        showChainRange(NoEvent);
    }
    showMessage(message_icon::Information, tr("Delay already in use!"),
                tr("Delay #%1 is blocked by sequence!\nCorrected!").arg(delay + 1), message_button::Ok,
                message_button::NoButton, this);
    return code;
}

// A code of the three types shows as that type and number and is stored again (a delay
// a sequence has taken over since is corrected here); any other code shows as no type or
// as "Nothing" and is replaced by no chain.
void aprogram_settings_widget::refreshChain()
{
    const QSignalBlocker quietType(chainTypeCombo);
    const QSignalBlocker quietNumber(chainNumberSpin);
    const u16 code = readU16(image(), image_layout::programChainedEvent(u32(currentProgram)));
    const chain_choice choice = chainChoice(code);
    const int index = choice.base ? chainTypeCombo->findData(choice.base, Qt::UserRole, Qt::MatchExactly) : -1;
    chainTypeCombo->setCurrentIndex(index);
    const chain_range range = chainRange(u16(choice.base));
    if (range.numbered()) {
        chainNumberSpin->setRange(range.first, range.last);
        chainNumberSpin->setValue(choice.number);
    }
    chainTypeChanged(index);
}

// --- fade-down after a break --------------------------------------------------------------

void aprogram_settings_widget::newBreakTime(QTime &time)
{
    const u16 tenths = u16(qMin(timeToTenths(time), int(LongestBreakTenths)));
    writeU16(image(), image_layout::programBreakFadeDown(u32(currentProgram)), tenths);
}

void aprogram_settings_widget::newBreakTime(QWidget *)
{
    if (breakTimeEdit->checkBox->isChecked()) {
        writeU16(image(), image_layout::programBreakFadeDown(u32(currentProgram)), program_tables::NoBreakFadeDown);
        return;
    }
    QTime shown = breakTimeEdit->timeEdit->time();
    newBreakTime(shown);
}

void aprogram_settings_widget::breakTimeOff(int state)
{
    MyTimeEdit *editor = breakTimeEdit->timeEdit;
    if (state == Qt::Checked) {
        disconnectBreakTimeEditor();
        disconnect(breakTimeEdit, &infTime_class::leaved, this, nullptr);
        editor->setTime(tenthsToTime(DefaultBreakTenths));
        editor->setEnabled(false);
        writeU16(image(), image_layout::programBreakFadeDown(u32(currentProgram)), program_tables::NoBreakFadeDown);
        return;
    }
    writeU16(image(), image_layout::programBreakFadeDown(u32(currentProgram)), DefaultBreakTenths);
    editor->setTime(tenthsToTime(DefaultBreakTenths));
    editor->setEnabled(true);
    connectBreakTimeEditor();
    disconnect(breakTimeEdit, &infTime_class::leaved, this, nullptr);
    connect(breakTimeEdit, &infTime_class::leaved, this, qOverload<QWidget *>(&aprogram_settings_widget::newBreakTime));
}

// The editor stays connected to its own rounding; only the page's receiver comes and goes.
void aprogram_settings_widget::connectBreakTimeEditor()
{
    disconnectBreakTimeEditor();
    connect(breakTimeEdit->timeEdit, &MyTimeEdit::timeChanged, this,
            qOverload<QTime &>(&aprogram_settings_widget::newBreakTime));
}

void aprogram_settings_widget::disconnectBreakTimeEditor()
{
    disconnect(breakTimeEdit->timeEdit, &MyTimeEdit::timeChanged, this, nullptr);
}

void aprogram_settings_widget::refreshBreakTime()
{
    disconnectBreakTimeEditor();
    disconnect(breakTimeEdit->checkBox, nullptr, this, nullptr);
    disconnect(breakTimeEdit, nullptr, this, nullptr);

    const u16 stored = readU16(image(), image_layout::programBreakFadeDown(u32(currentProgram)));
    const bool unused = stored == program_tables::NoBreakFadeDown;
    MyTimeEdit *editor = breakTimeEdit->timeEdit;
    editor->setTime(tenthsToTime(unused ? DefaultBreakTenths : stored));
    breakTimeEdit->checkBox->setChecked(unused);
    editor->setEnabled(!unused);
    if (!unused)
        connectBreakTimeEditor();

    connect(breakTimeEdit->checkBox, &QCheckBox::stateChanged, this, &aprogram_settings_widget::breakTimeOff);
    connect(breakTimeEdit, &infTime_class::leaved, this, qOverload<QWidget *>(&aprogram_settings_widget::newBreakTime));
}
