#include "programs/aprogram_settings_copying.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/image_program_reader.h"
#include "programs/program_copy_run.h"
#include "widgets/page_base.h"
#include "widgets/window_services.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <memory>

namespace {

constexpr int ProgramCount = int(image_layout::ProgramCount);
constexpr int SceneCount = int(image_layout::SceneCount);

// The answer of the overlap question that goes on, by button index.
constexpr int AnswerYes = 1;

// Rows and columns of the tab, in pixels.
constexpr int GroupX = 20;
constexpr int GroupWidth = 610;
constexpr int SpinWidth = 70;
constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 26;
constexpr int ButtonX = 490;
constexpr int RowHeight = 24;

QLabel *labelAt(const QString &text, QWidget *parent, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setFont(page_base::listFont());
    label->move(x, y + 3);
    return label;
}

QSpinBox *programSpinAt(QWidget *parent, int x, int y)
{
    auto *spin = new QSpinBox(parent);
    spin->setGeometry(x, y, SpinWidth, RowHeight);
    spin->setRange(1, ProgramCount);
    return spin;
}

QPushButton *buttonAt(const QString &text, QWidget *parent, int x, int y)
{
    auto *button = new QPushButton(text, parent);
    button->setFont(page_base::listFont());
    button->setGeometry(x, y, ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

aprogram_settings_copying::aprogram_settings_copying(aprogram_settings_widget *page, QWidget *parent)
    : QWidget(parent)
    , page(page)
{
    createWidgets();
    connectSignals();
}

void aprogram_settings_copying::createWidgets()
{
    copyProgramLabel = new QLabel(QStringLiteral("Program: 1"), this);
    copyProgramLabel->setAlignment(Qt::AlignCenter);
    copyProgramLabel->setGeometry(0, 15, 650, 20);

    labelAt(tr("Unused scenes pool starts from"), this, GroupX + 20, 52);
    scenePoolSpin = new QSpinBox(this);
    scenePoolSpin->setGeometry(260, 52, SpinWidth, RowHeight);
    scenePoolSpin->setRange(1, SceneCount);
    scenePoolSpin->setValue(1);

    reverseBox = new QCheckBox(tr("Reverse steps' order"), this);
    reverseBox->setFont(page_base::listFont());
    reverseBox->setGeometry(GroupX + 20, 88, 300, 22);

    createCurrentGroup();
    createAnotherGroup();
}

void aprogram_settings_copying::createCurrentGroup()
{
    currentGroup = new QGroupBox(tr("Current Configuration"), this);
    currentGroup->setGeometry(GroupX, 130, GroupWidth, 120);
    labelAt(tr("Copy from range:"), currentGroup, 20, 35);
    copyFromSpin = programSpinAt(currentGroup, 150, 35);
    labelAt(tr("to"), currentGroup, 235, 35);
    copyToSpin = programSpinAt(currentGroup, 260, 35);
    copyButton = buttonAt(tr("Copy"), currentGroup, ButtonX, 34);
    noScenesBox = new QCheckBox(tr("Do not copy scenes"), currentGroup);
    noScenesBox->setFont(page_base::listFont());
    noScenesBox->setGeometry(20, 75, 300, 22);
}

void aprogram_settings_copying::createAnotherGroup()
{
    anotherGroup = new QGroupBox(tr("Another Configuration"), this);
    anotherGroup->setGeometry(GroupX, 275, GroupWidth, 165);
    labelAt(tr("File:"), anotherGroup, 20, 35);
    altFileEdit = new QLineEdit(anotherGroup);
    altFileEdit->setGeometry(60, 35, ButtonX - 75, RowHeight);
    altBrowseButton = buttonAt(tr("Browse"), anotherGroup, ButtonX, 34);
    altOpenButton = buttonAt(tr("Open"), anotherGroup, ButtonX - ButtonWidth - 10, 74);
    altReleaseButton = buttonAt(tr("Release"), anotherGroup, ButtonX, 74);
    labelAt(tr("Copy from range:"), anotherGroup, 20, 120);
    altFromSpin = programSpinAt(anotherGroup, 150, 120);
    labelAt(tr("to"), anotherGroup, 235, 120);
    altToSpin = programSpinAt(anotherGroup, 260, 120);
    altCopyButton = buttonAt(tr("Copy"), anotherGroup, ButtonX, 119);
    altCopyButton->setEnabled(false);
}

void aprogram_settings_copying::connectSignals()
{
    using tab = aprogram_settings_copying;
    connect(copyFromSpin, &QSpinBox::valueChanged, this, &tab::lowLimit_1);
    connect(copyButton, &QPushButton::clicked, this, &tab::copyPgm);
    connect(altBrowseButton, &QPushButton::clicked, this, &tab::browseFile);
    connect(altOpenButton, &QPushButton::clicked, this, &tab::readFile);
    connect(altReleaseButton, &QPushButton::clicked, page, &aprogram_settings_widget::destTmpDev);
    connect(altFromSpin, &QSpinBox::valueChanged, this, &tab::lowLimit_2);
    connect(altCopyButton, &QPushButton::clicked, this, &tab::copyAltPgm);
}

void aprogram_settings_copying::refresh()
{
    copyProgramLabel->setText(QStringLiteral("Program: %1").arg(page->currentProgram + 1));
    page->showOtherDescription(currentController->programDescs[size_t(copyFromSpin->value() - 1)]);
}

// --- slots ------------------------------------------------------------------------------

void aprogram_settings_copying::lowLimit_1(int v)
{
    page->showOtherDescription(currentController->programDescs[size_t(qBound(1, v, ProgramCount) - 1)]);
    copyToSpin->setMinimum(v);
}

void aprogram_settings_copying::lowLimit_2(int v)
{
    altToSpin->setMinimum(v);
    if (const kd620_controller_class *other = page->tmpDev)
        page->showOtherDescription(other->programDescs[size_t(altFromSpin->value() - 1)]);
}

void aprogram_settings_copying::browseFile()
{
    const QString start = altFileEdit->text().isEmpty() ? QStringLiteral("./") : altFileEdit->text();
    const QString name = userInteraction().chooseOpenFile(
        tr("Choose a project description file for Kd620 controller"), start,
        tr("Varidex 625 project/config files (*.kdg;*.cfg;*.cfg625);;All files (*)"), dialog_parent::None);
    if (name.isEmpty())
        return;
    altFileEdit->setText(name);
    readFile();
}

void aprogram_settings_copying::readFile()
{
    // At most one other configuration exists among the pages, and each Open starts from a
    // fresh one: a file the reader refuses leaves nothing behind to copy from.
    if (window_services *window = windowServices())
        window->destTmpDev();
    page->destTmpDev();
    auto other = std::make_unique<kd620_controller_class>();
    // The window goes on naming the configuration it edits.
    other->retitlesWindow = false;
    if (other->read_confDataFromFile(altFileEdit->text()) != 0)
        return;
    page->tmpDev = other.release();
    altCopyButton->setEnabled(true);
    lowLimit_2(altFromSpin->value());
}

void aprogram_settings_copying::copyPgm()
{
    const int dest = destination();
    const int from = copyFromSpin->value() - 1;
    const int to = copyToSpin->value() - 1;
    const int count = to - from + 1;
    if (dest < 0 || count < 1)
        return;
    if (dest == from) {
        inform(tr("Useless action!"), tr("Choose another source!"));
        return;
    }
    if (!withinProgramCount(dest, count))
        return;
    if (dest <= to && dest + count - 1 >= from && !confirmOverlap())
        return;

    kd620_controller_class &current = *currentController;
    program_copy_run run(current, current, [&current](int s) -> std::optional<copied_program> {
        const program_class *p = current.programList.find(s);
        return p ? std::optional<copied_program>(copied_program::of(*p)) : std::nullopt;
    }, page->stepTable);
    run.keepScenes = noScenesBox->isChecked();
    finish(run, from, to, dest);
}

void aprogram_settings_copying::copyAltPgm()
{
    const kd620_controller_class *other = page->tmpDev;
    const int dest = destination();
    const int from = altFromSpin->value() - 1;
    const int to = altToSpin->value() - 1;
    const int count = to - from + 1;
    if (!other || dest < 0 || count < 1)
        return;
    if (!withinProgramCount(dest, count))
        return;

    const image_program_reader reader(other->confData);
    program_copy_run run(*other, *currentController, [reader](int s) { return reader.read(s); }, page->stepTable);
    // The other configuration's scene numbers mean nothing here: its scenes always come along.
    run.keepScenes = false;
    finish(run, from, to, dest);
}

void aprogram_settings_copying::clrCfg()
{
    if (!page->tmpDev)
        return;
    page->tmpDev->ClearConfig(kd620_controller_class::ClearEverything);
    altCopyButton->setEnabled(false);
    page->showOtherDescription(QString());
}

// --- helpers ----------------------------------------------------------------------------

int aprogram_settings_copying::destination() const
{
    return page->programTable->currentIndex().row();
}

bool aprogram_settings_copying::withinProgramCount(int dest, int count)
{
    // A range whose last destination is program 512 is accepted.
    if (dest + count <= ProgramCount)
        return true;
    inform(tr("Unrealisable action!"), tr("Program number limit exceeded!"));
    return false;
}

bool aprogram_settings_copying::confirmOverlap()
{
    message_request request;
    request.icon = message_icon::Warning;
    request.title = tr("You are warned!");
    request.text = tr("Ranges are overlapping!\nDo you really want to copy?");
    request.customButtons = {{tr("Cancel"), button_role::Reject}, {tr("Yes, I do!"), button_role::Accept}};
    request.defaultCustomButton = 0;
    request.noEscapeButton = true;
    request.parentWidget = page->stepTable;
    return userInteraction().showMessage(request) == AnswerYes;
}

void aprogram_settings_copying::inform(const QString &title, const QString &text)
{
    showMessage(message_icon::Information, title, text, message_button::Ok, message_button::NoButton,
                static_cast<QObject *>(page->stepTable));
}

void aprogram_settings_copying::finish(program_copy_run &run, int from, int to, int dest)
{
    run.firstPoolScene = scenePoolSpin->value() - 1;
    run.reverse = reverseBox->isChecked();
    if (run.run(from, to, dest) == program_copy_run::Completed)
        emit programsCopied();
}
