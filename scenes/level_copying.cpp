#include "scenes/level_settings_page.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "model/user_interaction.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/level_set.h"
#include "widgets/window_services.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <cstring>

// Copying scenes (masks) within the configuration and from another configuration file,
// and copying the checked channels of one with relocation.

namespace {

constexpr int DescriptionLength = 100;
// A channel moves at least 1 and at most to the last of the 512.
constexpr int MaxRelocation = int(image_layout::ChannelCount) - 1;

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place, bool rightAligned = false)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(page_base::listFont());
    if (rightAligned)
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QSpinBox *addNumberSpin(QWidget *parent, const QRect &place, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setGeometry(place);
    spin->setRange(1, maximum);
    spin->setValue(1);
    return spin;
}

QPushButton *addButton(QWidget *parent, const QString &text, const QRect &place)
{
    auto *button = new QPushButton(text, parent);
    button->setGeometry(place);
    button->setFont(page_base::listFont());
    return button;
}

} // namespace

// --- Construction -----------------------------------------------------------------------

void level_settings_page::createCopyingGroups()
{
    auto *current = new QGroupBox(tr("Current Configuration"), copyingTab);
    current->setGeometry(10, 60, 631, 161);
    addLabel(current, tr("Copy from range:"), QRect(60, 42, 131, 21), true);
    copyFrom = addNumberSpin(current, QRect(200, 40, 71, 22), kind.count);
    addLabel(current, tr("to"), QRect(290, 42, 21, 17));
    copyTo = addNumberSpin(current, QRect(330, 40, 71, 22), kind.count);
    copySceneButton = addButton(current, tr("Copy"), QRect(200, 80, 101, 23));
    sourceDescEdit = new QLineEdit(current);
    sourceDescEdit->setGeometry(10, 120, 611, 21);
    sourceDescEdit->setFont(descriptionFont());
    sourceDescEdit->setReadOnly(true);
    sourceDescEdit->setMaxLength(DescriptionLength);

    auto *other = new QGroupBox(tr("Another Configuration"), copyingTab);
    other->setGeometry(10, 240, 631, 171);
    addLabel(other, tr("File:"), QRect(20, 42, 51, 17), true);
    altFileEdit = new QLineEdit(other);
    altFileEdit->setGeometry(90, 40, 331, 21);
    altBrowseButton = addButton(other, tr("Browse"), QRect(440, 39, 75, 23));
    altOpenButton = addButton(other, tr("Open"), QRect(530, 39, 75, 23));
    altReleaseButton = addButton(other, tr("Release"), QRect(530, 92, 75, 23));
    addLabel(other, tr("Copy from range:"), QRect(60, 92, 131, 21), true);
    altFrom = addNumberSpin(other, QRect(200, 90, 71, 22), kind.count);
    addLabel(other, tr("to"), QRect(290, 92, 21, 17));
    altTo = addNumberSpin(other, QRect(330, 90, 71, 22), kind.count);
    altCopyButton = addButton(other, tr("Copy"), QRect(200, 130, 101, 23));
    altCopyButton->setEnabled(false);  // until a file has been read
}

void level_settings_page::createRelocationControls()
{
    QWidget *tab = grouppedChannelsTab;
    copyEnableBox = new QCheckBox(tr("Enable"), tab);
    copyEnableBox->setGeometry(320, 550, 100, 19);
    (new QLabel(tr("copying"), tab))->setGeometry(320, 570, 81, 17);
    addLabel(tab, tr("with relocation"), QRect(340, 590, 111, 21));
    relocationSpin = addNumberSpin(tab, QRect(490, 590, 51, 21), MaxRelocation);
    relocationSpin->setEnabled(false);
    groupCopyButton = addButton(tab, tr("Copy"), QRect(430, 560, 111, 23));
    groupCopyButton->setEnabled(false);
}

// --- Copying numbers ----------------------------------------------------------------------

// Copies numbers first..last of a source configuration onto the current number and those
// after it, one at a time in increasing order, each read just before it is written: within
// one configuration a range reaching beyond the destination passes on what it has already
// overwritten. Stops after the last number. The channels beyond those in use, the fourth
// times word and (for the kinds that keep it) the duration stay as they were.
void level_settings_page::copyRange(kd620_controller_class &source, int first, int last)
{
    u8 *image = currentController->confData;
    for (int src = first, dst = currentScene; dst < kind.count && src <= last; ++src, ++dst) {
        std::memmove(kind.levels(image, dst), kind.levels(source.confData, src), size_t(chnlsInUse));
        const scene_times_record from = kind.times(source.confData, src);
        scene_times_record to = kind.times(image, dst);
        to.fadeUp = from.fadeUp;
        to.fadeDown = from.fadeDown;
        if (!kind.copyKeepsDuration)
            to.duration = from.duration;
        kind.setTimes(image, dst, to);
        kind.description(*currentController, dst) = kind.description(source, src);
    }
    relabel();
    refresh();
}

void level_settings_page::copyScene()
{
    const int first = copyFrom->value() - 1;
    if (currentScene == first) {
        showMessage(message_icon::Information, tr("Useless action!"), texts.uselessCopy, message_button::Ok,
                    message_button::NoButton, mainWindow);
        return;
    }
    copyRange(*currentController, first, copyTo->value() - 1);
}

void level_settings_page::sourceDesc(int value)
{
    if (kind.contains(value - 1))
        sourceDescEdit->setText(kind.description(*currentController, value - 1));
    copyTo->setMinimum(value);
}

// --- Another configuration ----------------------------------------------------------------

void level_settings_page::browseFile()
{
    const QString start = altFileEdit->text().isEmpty() ? QStringLiteral("./") : altFileEdit->text();
    const QString chosen = userInteraction().chooseOpenFile(
        tr("Choose a project description file for Kd620 controller"), start, texts.fileFilter, dialog_parent::None);
    if (chosen.isEmpty())
        return;
    altFileEdit->setText(chosen);
    readFile();
}

// Every Open reads into a new temporary configuration, released when the reader fails: a
// copy never takes a blank configuration, nor the previous file's under the new name.
void level_settings_page::readFile()
{
    destTmpDev();
    // At most one temporary configuration in the whole application.
    if (window_services *window = windowServices())
        window->destTmpDev();
    tmpDev = new kd620_controller_class;
    // The window goes on naming the configuration it edits.
    tmpDev->retitlesWindow = false;
    if (tmpDev->read_confDataFromFile(altFileEdit->text()) == 0)
        altCopyButton->setEnabled(true);
    else
        destTmpDev();
    lowLimit_2(altFrom->value());
}

void level_settings_page::lowLimit_2(int value)
{
    altTo->setMinimum(value);
    if (tmpDev && kind.contains(altFrom->value() - 1))
        sourceDescEdit->setText(kind.description(*tmpDev, altFrom->value() - 1));
}

// The other configuration is another file: no destination can be its own source.
void level_settings_page::copyAltScene()
{
    if (!tmpDev)
        return;
    copyRange(*tmpDev, altFrom->value() - 1, altTo->value() - 1);
}

void level_settings_page::destTmpDev()
{
    if (!tmpDev)
        return;
    delete tmpDev;
    tmpDev = nullptr;
    altCopyButton->setEnabled(false);
}

void level_settings_page::clrCfg()
{
    if (!tmpDev)
        return;
    tmpDev->ClearConfig(controller_configuration_class::ClearEverything);
    altCopyButton->setEnabled(false);
    sourceDescEdit->clear();
}

// --- Copying channels with relocation -----------------------------------------------------

// At most one of value setting and copying with relocation is switched on.
void level_settings_page::copyEnabled(bool on)
{
    if (on)
        valueEnableBox->setChecked(false);
}

void level_settings_page::sliderEnabled(bool on)
{
    if (on)
        copyEnableBox->setChecked(false);
}

// Each level is read just before it is copied: a checked channel that received a level
// earlier in the run passes that one on.
void level_settings_page::copyGroup()
{
    const int distance = relocationSpin->value();
    const u8 *levels = kind.levels(currentController->confData, currentScene);
    for (int channel = 0; channel + distance < chnlsInUse; ++channel) {
        if (channelBox(channel)->checkState() == Qt::Checked)
            sliders->sCh(channel + distance, levels[channel]);
    }
    refresh();
}
