#include "scenes/dmx_sheet_group.h"

#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_reader.h"
#include "scenes/dmx_sheet_record_class.h"
#include "scenes/dmx_sheet_writer.h"
#include "scenes/level_set.h"
#include "widgets/page_base.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

// Answers of the column-limit question, in the order of its buttons.
enum column_answer { ColumnsYes, ColumnsRepair, ColumnsCancel };

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(page_base::listFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &text, const QRect &place)
{
    auto *button = new QPushButton(text, parent);
    button->setGeometry(place);
    button->setFont(page_base::listFont());
    return button;
}

QSpinBox *addSpinBox(QWidget *parent, const QRect &place)
{
    auto *box = new QSpinBox(parent);
    box->setGeometry(place);
    return box;
}

} // namespace

dmx_sheet_group::dmx_sheet_group(const dmx_sheet_kind &kind, QWidget *page, QWidget *copyingTab)
    : QGroupBox(copyingTab)
    , kind(kind)
    , page(page)
{
    createWidgets();
}

dmx_sheet_group::~dmx_sheet_group()
{
    dropRecords();
}

void dmx_sheet_group::createWidgets()
{
    setTitle(kind.ofMasks ? tr("Import / Export Masks") : tr("Import / Export Scenes"));
    setGeometry(10, 430, 631, 181);
    // The only radio buttons of the group: they exclude each other.
    sheetImportRadio = new QRadioButton(tr("Import"), this);
    sheetImportRadio->setGeometry(200, 20, 90, 24);
    sheetImportRadio->setChecked(true);
    sheetExportRadio = new QRadioButton(tr("Export"), this);
    sheetExportRadio->setGeometry(350, 20, 110, 24);

    addLabel(this, tr("File:"), QRect(20, 62, 51, 17));
    sheetFileEdit = new QLineEdit(this);
    sheetFileEdit->setGeometry(90, 60, 331, 21);
    sheetBrowseButton = addButton(this, tr("Browse"), QRect(440, 59, 75, 23));
    sheetChooseButton = addButton(this, tr("Choose"), QRect(530, 59, 75, 23));

    addLabel(this, tr("Copy from range:"), QRect(60, 102, 131, 21));
    sheetFrom = addSpinBox(this, QRect(200, 100, 71, 22));
    sheetFrom->setRange(1, kind.count());
    sheetFrom->setValue(1);
    addLabel(this, tr("to"), QRect(290, 102, 21, 17));
    sheetTo = addSpinBox(this, QRect(330, 100, 71, 22));
    sheetTo->setRange(1, kind.count());
    sheetTo->setValue(kind.count());

    addLabel(this, kind.ofMasks ? tr("Relocate masks:") : tr("Relocate scenes:"), QRect(60, 142, 131, 21));
    // Its range is set by the first sheet read.
    sheetRelocation = addSpinBox(this, QRect(200, 140, 71, 22));
    sheetRelocation->setValue(0);
    sheetActionButton = addButton(this, tr("Import"), QRect(440, 140, 101, 23));
    sheetActionButton->setEnabled(false);
}

bool dmx_sheet_group::importing() const
{
    return sheetImportRadio->isChecked();
}

QString dmx_sheet_group::exportTitle() const
{
    return kind.ofMasks ? tr("Export masks:") : tr("Export scenes:");
}

QString dmx_sheet_group::importTitle() const
{
    return kind.ofMasks ? tr("Import masks:") : tr("Import scenes:");
}

QString dmx_sheet_group::saveDialogTitle() const
{
    return kind.ofMasks ? tr("Choose file to save masks") : tr("Choose file to save scenes");
}

void dmx_sheet_group::tell(message_icon icon, const QString &title, const QString &text)
{
    showMessage(icon, title, text, message_button::Ok, message_button::NoButton, page);
}

void dmx_sheet_group::dropRecords()
{
    qDeleteAll(sheetRecords);
    sheetRecords.clear();
    sheetPassedOver = dmx_sheet_rows_passed_over();
}

// --- The four operations ------------------------------------------------------------------

void dmx_sheet_group::impOrExport()
{
    sheetRelocation->setEnabled(importing());
    sheetActionButton->setText(importing() ? tr("Import") : tr("Export"));
    // A sheet read narrowed the ranges to its numbers; the values stay where they can.
    sheetFrom->setRange(1, kind.count());
    sheetTo->setRange(1, kind.count());
    sheetActionButton->setEnabled(false);
    dropRecords();
}

void dmx_sheet_group::browseImpExp()
{
    const QString filter = tr("QVR DMX Sheets (*.dmx;*.csv)") + QLatin1String(";;") + tr("All files (*)");
    const QString start = sheetFileEdit->text().isEmpty() ? QStringLiteral("./") : sheetFileEdit->text();
    QString name;
    if (importing()) {
        name = userInteraction().chooseOpenFile(kind.ofMasks ? tr("Choose masks' value sheet")
                                                           : tr("Choose DMX value sheet"),
                                                start, filter, dialog_parent::None);
    } else {
        name = userInteraction().chooseSaveFile(saveDialogTitle(), start, filter, dialog_parent::None);
        if (!name.isEmpty())
            replaceConfirmedFile = name;
    }
    if (name.isEmpty())
        return;
    sheetFileEdit->setText(name);
    chooseFile();
}

void dmx_sheet_group::chooseFile()
{
    sheetActionButton->setEnabled(false);
    if (sheetFileEdit->text().isEmpty())
        return;
    if (importing())
        readSheet();
    else
        sheetActionButton->setEnabled(true);  // the file is tested when it is written
}

void dmx_sheet_group::migrate()
{
    if (importing())
        storeSheet();
    else
        exportSheet();
}

// --- Export -------------------------------------------------------------------------------

void dmx_sheet_group::exportSheet()
{
    const QString name = sheetFileEdit->text();
    if (name.isEmpty())
        return;
    const int from = sheetFrom->value();
    int to = sheetTo->value();
    if (from > to) {
        tell(message_icon::Critical, exportTitle(), tr("Invalid range!"));
        return;
    }
    // The save dialog asked before it named an existing file; a name typed in the field
    // gets the same question before that file is replaced.
    if (name != replaceConfirmedFile && !confirmReplace(name, saveDialogTitle(), dialog_parent::None))
        return;
    if (!confirmColumns(from, to))
        return;
    switch (writeDmxSheet(name, dmxSheetText(*currentController, kind, from, to))) {
    case sheet_write_result::CannotOpen:
        tell(message_icon::Critical, exportTitle(), tr("Cannot open file %1 to write!").arg(name));
        return;
    case sheet_write_result::CannotWrite:
        tell(message_icon::Critical, exportTitle(), tr("Cannot open writing stream!"));
        return;
    case sheet_write_result::Written:
        break;
    }
    const int exported = to - from + 1;
    tell(message_icon::Information, exportTitle(),
         kind.ofMasks ? tr("%n mask(s) exported!", nullptr, exported) : tr("%n scene(s) exported!", nullptr, exported));
}

// More value columns than a spreadsheet of old takes: go on, cut the range to them, or
// stop. False to stop.
bool dmx_sheet_group::confirmColumns(int from, int &to)
{
    if (to - from < dmx_sheet_format::SpreadsheetValueColumns)
        return true;
    message_request question;
    question.icon = message_icon::Question;
    question.title = exportTitle();
    question.text = kind.ofMasks ? tr("Required number of masks exceeds Excel limits!\nContinue anyway?")
                               : tr("Required number of scenes exceeds Excel limits!\nContinue anyway?");
    question.customButtons = {{tr("Yes!"), button_role::Yes},
                              {tr("Repair"), button_role::Action},
                              {tr("Cancel"), button_role::Reject}};
    question.defaultCustomButton = ColumnsYes;
    question.noEscapeButton = true;
    question.parentWidget = page;
    switch (userInteraction().showMessage(question)) {
    case ColumnsYes:
        return true;
    case ColumnsRepair:
        to = from + dmx_sheet_format::SpreadsheetValueColumns - 1;
        sheetTo->setValue(to);
        return true;
    default:
        return false;
    }
}

// --- Import -------------------------------------------------------------------------------

void dmx_sheet_group::readSheet()
{
    QFile file(sheetFileEdit->text());
    if (!file.open(QIODevice::ReadOnly)) {
        tell(message_icon::Critical, importTitle(), tr("Cannot open file %1!").arg(sheetFileEdit->text()));
        return;
    }
    dmx_sheet_reader reader(file, kind);
    const dmx_sheet_reader::result result = reader.read(sheetRecords);
    sheetPassedOver = reader.passedOver();
    switch (result) {
    case dmx_sheet_reader::InvalidSheet:
        tell(message_icon::Critical, importTitle(), tr("Invalid DMX sheet!"));
        return;
    case dmx_sheet_reader::NoMemory:
        tell(message_icon::Critical, importTitle(), tr("Not enough memory!"));
        return;
    case dmx_sheet_reader::NoColumns:
        tell(message_icon::Critical, importTitle(),
             withRowsPassedOver(kind.ofMasks ? tr("No valid masks found!") : tr("No valid scenes found!")));
        return;
    case dmx_sheet_reader::Read:
        break;
    }
    showRecordsRange();
    sheetActionButton->setEnabled(true);
}

// The ranges offer the numbers the sheet holds, and relocations that keep all of them
// within the scenes or masks.
void dmx_sheet_group::showRecordsRange()
{
    const int first = sheetRecords.first()->number;
    const int last = sheetRecords.last()->number;
    sheetFrom->setMinimum(first);
    sheetFrom->setValue(first);
    sheetTo->setMaximum(last);
    sheetTo->setValue(last);
    sheetRelocation->setRange(1 - first, kind.count() - last);
}

void dmx_sheet_group::storeSheet()
{
    const int from = sheetFrom->value();
    const int to = sheetTo->value();
    const int relocation = sheetRelocation->value();
    int stored = 0;
    for (const dmx_sheet_record_class *record : std::as_const(sheetRecords)) {
        if (record->number < from || record->number > to)
            continue;
        const int target = record->number - 1 + relocation;
        if (!kind.set.contains(target))
            continue;  // the relocation's range keeps every record in; never write past it
        storeRecord(*record, target);
        ++stored;
    }
    emit sheetStored();
    tell(message_icon::Information, importTitle(),
         withRowsPassedOver(kind.ofMasks ? tr("%n mask(s) imported!", nullptr, stored)
                                         : tr("%n scene(s) imported!", nullptr, stored)));
}

// What a row passed over would have set stays as it is.
void dmx_sheet_group::storeRecord(const dmx_sheet_record_class &record, int target)
{
    const level_set &set = kind.set;
    u8 *image = currentController->confData;
    scene_times_record times = set.times(image, target);
    if (!sheetPassedOver.fadeUp)
        times.fadeUp = record.fadeUp;
    if (!sheetPassedOver.duration)
        times.duration = record.duration;
    if (!sheetPassedOver.fadeDown)
        times.fadeDown = record.fadeDown;
    set.setTimes(image, target, times);  // keeps the record's fourth word
    u8 *levels = set.levels(image, target);
    for (size_t channel = 0; channel < record.levels.size(); ++channel) {
        if (!sheetPassedOver.channels.test(channel))
            levels[channel] = record.levels[channel];
    }
    if (!sheetPassedOver.description)
        set.description(*currentController, target) = record.description;
}

QString dmx_sheet_group::withRowsPassedOver(const QString &outcome) const
{
    if (sheetPassedOver.rows == 0)
        return outcome;
    return outcome + QLatin1Char('\n')
        + tr("%n row(s) of the sheet were too long to read: their values were not imported.", nullptr,
             sheetPassedOver.rows);
}
