// The Settings/Other page: controller-wide settings without a page of their own. Every edit
// goes straight into the configuration image of the window's controller.
#include "app/gui_class.h"
#include "model/event_code.h"
#include "model/application_identity.h"

#include "widgets/font_fitting.h"
#include "widgets/my_time_edit.h"
#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "programs/aprogram_settings_widget.h"
#include "settings/asettings_clock_widget.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/monitor_window_mask.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// The event generator's kinds: the first event code of each, and how the code of one
// event is formed (base + stride x (number - 1) + sub-event).
struct event_kind {
    const char *name;
    u16 base;
    int subEventMode;  // prepEvMode(): 1 "N/A", 2 On/Off, 3 Start/Repeat/Stop
    int maxNumber;
};

constexpr event_kind EventKinds[] = {
    {QT_TRANSLATE_NOOP("gui_class", "Input"), EventInput, 2, 24},
    {QT_TRANSLATE_NOOP("gui_class", "Seq. start"), EventSequence, 1, 128},
    {QT_TRANSLATE_NOOP("gui_class", "Delay"), EventDelay, 1, 512},
    {QT_TRANSLATE_NOOP("gui_class", "Internal Event"), EventInternal, 1, 1024},
    {QT_TRANSLATE_NOOP("gui_class", "DMX Out"), EventDmxOut, 2, 512},
    {QT_TRANSLATE_NOOP("gui_class", "Timer"), EventTimer, 1, 1024},
    {QT_TRANSLATE_NOOP("gui_class", "R. C. Key"), EventRcuKey, 3, 64},
};

// What a time editor's arrows and frame take of its width.
constexpr int TimeEditArrowsWidth = 32;
constexpr u16 SunEventsOff = 0xFFFF;
constexpr u16 ExtraEntriesOff = 0xFFFF;
constexpr u16 MostOrdinaryPrograms = 512;

// Defaults of a location stored out of range.
constexpr int DefaultTimeZone = 1;
constexpr int DefaultLongitude = 20;
constexpr int DefaultLatitude = 50;

QSpinBox *newSpin(QWidget *parent, int x, int y, int w, int h, int minimum, int maximum, int value)
{
    auto *spin = new QSpinBox(parent);
    spin->setGeometry(x, y, w, h);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QLabel *newLabel(const QString &text, QWidget *parent, int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    return label;
}

QString sunTableFilter()
{
    return gui_class::tr("CSV sheets (*.csv)") + QStringLiteral(";;") + gui_class::tr("All files (*)");
}

QString sunTableStartDir(const kd620_controller_class &controller)
{
    return controller.currentFile.isEmpty() ? QStringLiteral("./") : controller.currentFile;
}

// Where the table's save dialog starts: the folder of the last file, and when that was a
// configuration file, a table named after it. The configuration file itself would be
// offered for the table, which is written under another name.
QString sunTableSaveStart(const kd620_controller_class &controller)
{
    const QString start = sunTableStartDir(controller);
    const QFileInfo last(start);
    if (last.isDir())
        return start;
    return last.path() + QLatin1Char('/') + last.completeBaseName() + QLatin1String(".csv");
}

void showCritical(const QString &text)
{
    showMessage(message_icon::Critical, application_identity::name(), text);
}

} // namespace

void gui_class::createOtherPageGroups()
{
    auto newGroup = [this](const QString &title, int x, int y, int w, int h) {
        auto *group = new QGroupBox(title, tab_settings_other);
        group->setGeometry(x, y, w, h);
        return group;
    };
    dateTimeGroup = newGroup(tr("Date and Time"), 320, 20, 500, 180);
    clockSettings = new asettings_clock_widget(dateTimeGroup);
    delayTimesGroup = newGroup(tr("Enable / Disable Delay Times"), 30, 500, 350, 110);
    generatorGroup = newGroup(tr("Events Generator"), 320, 370, 500, 110);
    miscGroup = newGroup(tr("Miscellaneous"), 30, 260, 260, 220);
    sunGroup = newGroup(tr("Enable Sunrise / Sunset Events"), 320, 220, 500, 130);
    sunGroup->setCheckable(true);
    sunGroup->setChecked(false);
    monitor = new ctrl_monitor(tab_settings_other);
    monitor->setGeometry(30, 20, 260, 220);
}

void gui_class::createOtherPageWidgets()
{
    // Delay times. The largest time is that of 0xFFFF tenths.
    startUpLabel = newLabel(tr("Start-up Time"), delayTimesGroup, 25, 40, 150, 22);
    shutDownLabel = newLabel(tr("Shut-down Time"), delayTimesGroup, 25, 70, 150, 22);
    startUpTimeEdit = new MyTimeEdit(delayTimesGroup);
    shutDownTimeEdit = new MyTimeEdit(delayTimesGroup);
    startUpTimeEdit->setGeometry(190, 40, 110, 22);
    shutDownTimeEdit->setGeometry(190, 70, 110, 22);
    for (MyTimeEdit *edit : {startUpTimeEdit, shutDownTimeEdit}) {
        edit->setMaximumTime(tenthsToTime(0xFFFF));
        edit->setDisplayFormat(QStringLiteral("hh:mm:ss.zzz"));
        // The whole time beside the arrows, in the fonts of this system.
        fitFontToWidth(edit, {QStringLiteral("00:00:00.000")}, edit->width() - TimeEditArrowsWidth);
    }

    // Sunrise and sunset.
    const QString degrees = QStringLiteral(" ") + QChar(0xB0);
    latitudeLabel = newLabel(tr("Location latitude:"), sunGroup, 30, 30, 180, 20);
    latitudeSpin = newSpin(sunGroup, 220, 28, 70, 24, -60, 60, DefaultLatitude);
    latitudeSpin->setSuffix(degrees);
    longitudeLabel = newLabel(tr("Location longitude:"), sunGroup, 30, 60, 180, 20);
    longitudeSpin = newSpin(sunGroup, 220, 58, 70, 24, -180, 180, DefaultLongitude);
    longitudeSpin->setSuffix(degrees);
    timeZoneLabel = newLabel(tr("Time zone:"), sunGroup, 30, 90, 180, 20);
    timeZoneSpin = newSpin(sunGroup, 200, 88, 90, 24, -12, 12, DefaultTimeZone);
    timeZoneSpin->setPrefix(tr("GMT +"));
    auto newButton = [this](const QString &text, QWidget *parent, int x, int y, int w, int h) {
        auto *button = new QPushButton(text, parent);
        button->setGeometry(x, y, w, h);
        button->setFont(otherPageButtonFont);
        return button;
    };
    calculateButton = newButton(tr("Calculate"), sunGroup, 330, 26, 120, 26);
    readSunTimesButton = newButton(tr("Read from file"), sunGroup, 330, 56, 120, 26);
    saveSunTimesButton = newButton(tr("Save to file"), sunGroup, 330, 86, 120, 26);
    // Built after the group was unchecked: disabled as the group disables its children,
    // so that checking it enables them again.
    for (QWidget *child : sunGroup->findChildren<QWidget *>()) {
        child->setEnabled(sunGroup->isChecked());
        child->setAttribute(Qt::WA_ForceDisabled, false);
    }

    // Events generator.
    chooseEventLabel = newLabel(tr("Choose event:"), generatorGroup, 60, 30, 150, 22);
    eventKindCombo = new QComboBox(generatorGroup);
    eventKindCombo->setGeometry(30, 60, 120, 22);
    for (const event_kind &kind : EventKinds)
        eventKindCombo->addItem(tr(kind.name), kind.base);
    eventKindCombo->setCurrentIndex(0);
    subEventCombo = new QComboBox(generatorGroup);
    subEventCombo->setGeometry(170, 60, 81, 22);
    prepEvMode(2);
    eventNumberSpin = newSpin(generatorGroup, 270, 60, 71, 22, 1, 24, 1);
    generateButton = newButton(tr("Generate"), generatorGroup, 360, 60, 91, 22);

    extraEntriesCheck = new QCheckBox(tr("Enable extra entries\ninto existing programs"), miscGroup);
    extraEntriesCheck->setGeometry(30, 130, 220, 44);

    // The values above are set before these connections: building the page writes
    // nothing into the image.
    connect(startUpTimeEdit, &QDateTimeEdit::timeChanged, this, &gui_class::enableTimeChanged);
    connect(shutDownTimeEdit, &QDateTimeEdit::timeChanged, this, &gui_class::disableTimeChanged);
    connect(sunGroup, &QGroupBox::toggled, this, &gui_class::sunEventsEnable);
    connect(calculateButton, &QPushButton::clicked, this, &gui_class::recalculate);
    connect(readSunTimesButton, &QPushButton::clicked, this, &gui_class::getSunEventsTimes);
    connect(saveSunTimesButton, &QPushButton::clicked, this, &gui_class::saveSunEventsTimes);
    connect(latitudeSpin, &QSpinBox::valueChanged, this, &gui_class::saveLatit);
    connect(longitudeSpin, &QSpinBox::valueChanged, this, &gui_class::saveLongit);
    connect(timeZoneSpin, &QSpinBox::valueChanged, this, &gui_class::saveTZone);
    connect(eventKindCombo, &QComboBox::currentIndexChanged, this, &gui_class::evTypeChanged);
    connect(generateButton, &QPushButton::clicked, this, &gui_class::Wygeneruj);
    connect(extraEntriesCheck, &QCheckBox::stateChanged, this, &gui_class::entriesEnable);
}

void gui_class::refreshOtherPage()
{
    clockSettings->refresh();
    monitor->redraw(MonitorAll);
    mirrorExtraEntries();
    const u8 *image = controller->confData;
    {
        // Only the user's toggle switches sun events: mirroring must keep the delays.
        const QSignalBlocker block(sunGroup);
        sunGroup->setChecked(readU16(image, image_layout::SunEventDelays) != SunEventsOff);
    }
    // Judged on the stored values: the spin boxes clamp what they are given.
    const int latitude = readI32(image, image_layout::Latitude);
    const int longitude = readI32(image, image_layout::Longitude);
    const int timeZone = readI32(image, image_layout::TimeZone);
    latitudeSpin->setValue(latitude);
    longitudeSpin->setValue(longitude);
    timeZoneSpin->setValue(timeZone);
    if (timeZone < -12 || timeZone > 12)
        timeZoneSpin->setValue(DefaultTimeZone);
    if (longitude < -180 || longitude > 180)
        longitudeSpin->setValue(DefaultLongitude);
    if (latitude < -60 || latitude > 60)
        latitudeSpin->setValue(DefaultLatitude);
}

void gui_class::mirrorExtraEntries()
{
    const bool on = readU16(controller->confData, image_layout::OrdinaryProgramCount) <= MostOrdinaryPrograms;
    extraEntriesCheck->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void gui_class::saveLatit(int latitude)
{
    writeI32(controller->confData, image_layout::Latitude, latitude);
}

void gui_class::saveLongit(int longitude)
{
    writeI32(controller->confData, image_layout::Longitude, longitude);
}

void gui_class::saveTZone(int zone)
{
    writeI32(controller->confData, image_layout::TimeZone, zone);
    // A negative number shows its own minus sign: GMT -3.
    timeZoneSpin->setPrefix(zone >= 0 ? tr("GMT +") : tr("GMT "));
}

void gui_class::sunEventsEnable(bool on)
{
    writeU16(controller->confData, image_layout::SunEventDelays, on ? 0 : SunEventsOff);
}

void gui_class::recalculate()
{
    // The offset of local time from mean solar time, in minutes.
    const int offset = 4 * longitudeSpin->value() - 60 * timeZoneSpin->value();
    controller->calculateSunEvents(latitudeSpin->value(), offset);
}

void gui_class::getSunEventsTimes()
{
    const QString name =
        userInteraction().chooseOpenFile(tr("Choose a file containing sunrise and sunset times"),
                                         sunTableStartDir(*controller), sunTableFilter(), dialog_parent::None);
    if (name.isEmpty())
        return;
    switch (controller->readSunTable(name)) {
    case 0:
    case -2:  // the user cancelled inside the reader
        return;
    case -1: showCritical(tr("Cannot open file %1!").arg(name)); return;
    default: showCritical(tr("Cannot read times!")); return;
    }
}

void gui_class::saveSunEventsTimes()
{
    const QString caption = tr("Choose a file to save sunrise and sunset times");
    QString selectedFilter;
    // The name chosen may take the extension: the question about replacing a file is asked
    // about the name written.
    QString name = userInteraction().chooseSaveFileUnconfirmed(caption, sunTableSaveStart(*controller),
                                                               sunTableFilter(), dialog_parent::None, &selectedFilter);
    if (name.isEmpty())
        return;
    if (selectedFilter == tr("CSV sheets (*.csv)") && !name.endsWith(QLatin1String(".csv")))
        name += QLatin1String(".csv");
    if (!confirmReplace(name, caption, dialog_parent::None))
        return;
    switch (controller->writeSunTable(name)) {
    case 0:
        // The next file dialog starts in this folder; a folder that refused the table is
        // not remembered.
        controller->currentFile = QFileInfo(name).path();
        return;
    case -1: showCritical(tr("Cannot open file \"%1\" to write!").arg(name)); return;
    default: showCritical(tr("Cannot save times!")); return;
    }
}

void gui_class::enableTimeChanged(QTime time)
{
    writeU16(controller->confData, image_layout::StartUpTime, u16(timeToTenths(time)));
}

void gui_class::disableTimeChanged(QTime time)
{
    writeU16(controller->confData, image_layout::ShutDownTime, u16(timeToTenths(time)));
}

void gui_class::prepEvMode(int mode)
{
    subEventCombo->clear();
    switch (mode) {
    case 1:
        subEventCombo->addItem(tr("N/A"), 1);
        subEventCombo->setEnabled(false);
        break;
    case 2:
        for (const QString &text : {tr("On"), tr("Off")})
            subEventCombo->addItem(text, 2);
        subEventCombo->setEnabled(true);
        break;
    case 3:
        for (const QString &text : {tr("Start"), tr("Repeat"), tr("Stop")})
            subEventCombo->addItem(text, 3);
        subEventCombo->setEnabled(true);
        break;
    default: break;
    }
    subEventCombo->setCurrentIndex(0);
}

void gui_class::evTypeChanged(int index)
{
    const u16 base = u16(eventKindCombo->itemData(index).toUInt());
    for (const event_kind &kind : EventKinds) {
        if (kind.base == base) {
            prepEvMode(kind.subEventMode);
            eventNumberSpin->setRange(1, kind.maxNumber);
            return;
        }
    }
}

void gui_class::Wygeneruj()
{
    if (!controller->isConnected()) {
        showCritical(tr("Not connected!", "QMessageBox"));
        return;
    }
    const int sub = subEventCombo->currentIndex();
    const int stride = subEventCombo->itemData(sub).toInt();
    const u16 base = u16(eventKindCombo->itemData(eventKindCombo->currentIndex()).toUInt());
    const u16 code = u16((eventNumberSpin->value() - 1) * stride + sub + base);
    if (controller->fireEvent(code))
        return;
    showMessage(message_icon::Warning, tr("USB Interface"), tr("Control error!"));
}

void gui_class::entriesEnable(int state)
{
    programPage->showEntriesTab(state == Qt::Checked);
    u8 *image = controller->confData;
    if (state != Qt::Unchecked) {
        if (readU16(image, image_layout::OrdinaryProgramCount) > MostOrdinaryPrograms)
            writeU16(image, image_layout::OrdinaryProgramCount, MostOrdinaryPrograms);
        return;
    }
    controller->clearExtraEntries();
    writeU16(image, image_layout::OrdinaryProgramCount, ExtraEntriesOff);
}

void gui_class::extPanelEnable(int state)
{
    writeU16(controller->confData, image_layout::ExternalPanel, state == Qt::Checked ? 0 : 0xFFFF);
}

void gui_class::ClearExec(u16 flags)
{
    controller->ClearConfig(u32(flags));
}
