#include "scenes/level_settings_page.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/load_clamps.h"
#include "model/scene_times_record.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "scenes/admx512_sliders_widget.h"
#include "scenes/admx_slider_widget.h"
#include "scenes/level_set.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/my_time_edit.h"
#include "widgets/row_numbers.h"
#include "widgets/table_first_fill.h"
#include "widgets/table_setup.h"
#include "widgets/text_width.h"
#include "widgets/window_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int MaxChannels = int(image_layout::MaxOutputChannels);
constexpr int MinChannels = int(image_layout::MinOutputChannels);
constexpr int GridColumns = 10;
constexpr int GridRows = (MaxChannels + GridColumns - 1) / GridColumns;
constexpr int GridColumnWidth = 22;
constexpr int GridRowHeight = 24;
// Holds "no description" whole in every language in the fonts the list was drawn for, and
// fits beside the row numbers up to 3072.
constexpr int SceneColumnWidth = 121;
// The Scenes tab is a page of the main tab widget itself, taller than the pages inside the
// Events and Settings tabs; the page's tabs fill it to its right and bottom edges.
constexpr int ScenesTabHeight = 672;
constexpr int SceneTabsLeft = 190;
constexpr int DescriptionLength = 100;
constexpr int MinEveryStep = 2;
constexpr int MaxEveryStep = 16;
// The duration a scene or mask gets when "Infinite" is unchecked or its times break the rule: 1.0 s.
constexpr u16 RepairedDuration = 10;
const char TimeFormat[] = "hh'[h] 'mm'[m] 'ss'.'zzz'[s]'";

// The number of DMX output channels the image holds, as the settings keep it (24..64).
int imageChannelCount(const kd620_controller_class &controller)
{
    return clampedOutputChannelLimit(readU16(controller.confData, image_layout::OutputChannelLimit));
}

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

MyTimeEdit *addTimeEdit(QWidget *parent, const QRect &place, u16 maximumTenths)
{
    auto *edit = new MyTimeEdit(parent);
    edit->setGeometry(place);
    edit->setDisplayFormat(QString::fromLatin1(TimeFormat));
    edit->setMinimumTime(QTime(0, 0));
    edit->setMaximumTime(tenthsToTime(maximumTenths));
    return edit;
}

} // namespace

// --- Construction -----------------------------------------------------------------------

level_settings_page::level_settings_page(kd620_controller_class *controller, QWidget *parent, const level_set &kind,
                                         const level_page_texts &texts)
    : page_base(parent)
    , kind(kind)
    , texts(texts)
{
    resize(PageWidth, ScenesTabHeight);
    currentController = controller;
    createWidgets();
    connectSignals();
}

level_settings_page::~level_settings_page()
{
    // The other configuration goes with the page: a rebuilt window must not keep one.
    delete tmpDev;
    tmpDev = nullptr;
    // The children go after this object has stopped being a page: nothing they signal on
    // their way out may reach its slots.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

void level_settings_page::createWidgets()
{
    createSceneList();
    createTabs();
    createSingleChannelsTab();
    createGrouppedChannelsTab();
    createCopyingGroups();
    createSheetGroup();
}

void level_settings_page::createSceneList()
{
    // The rows come last, once the list has its font: its row numbers are measured once.
    sceneTable = new QTableWidget(0, ListColumnCount, this);
    table_setup setup;
    setup.geometry = QRect(10, 20, 175, 625);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(sceneTable, setup);
    sceneTable->setFont(listFont());
    sceneTable->setWordWrap(false);  // one line a row, elided at its right end
    sceneTable->setHorizontalHeaderItem(DescriptionColumn, new QTableWidgetItem(texts.listHeader));
    // Where the font in use draws "no description" wider, the column and the list grow by
    // as much.
    const int columnWidth = columnWidthFor(sceneTable, {page_base::tr("no description")}, SceneColumnWidth);
    sceneTable->setColumnWidth(DescriptionColumn, columnWidth);
    sceneTable->resize(sceneTable->width() + columnWidth - SceneColumnWidth, sceneTable->height());
    sceneTable->setRowCount(kind.count);
    // Before the selection is connected: the first refresh shows number 1 without a change.
    sceneTable->setCurrentCell(0, DescriptionColumn);
}

void level_settings_page::createTabs()
{
    sceneTabs = new QTabWidget(this);
    sceneTabs->setGeometry(SceneTabsLeft, 0, PageWidth - SceneTabsLeft, ScenesTabHeight);
    singleChannelsTab = new QWidget;
    grouppedChannelsTab = new QWidget;
    copyingTab = new QWidget;
    sceneTabs->addTab(singleChannelsTab, tr("Single Channels"));
    sceneTabs->addTab(grouppedChannelsTab, tr("Groupped Channels"));
    sceneTabs->addTab(copyingTab, tr("Copying"));
}

void level_settings_page::createSingleChannelsTab()
{
    QWidget *tab = singleChannelsTab;
    sliders = new admx512_sliders_widget(currentController, imageChannelCount(*currentController), tab, !kind.live);

    addLabel(tab, tr("Fade Up Time:"), QRect(140, 400, 120, 20));
    addLabel(tab, tr("Duration:"), QRect(140, 430, 120, 20));
    addLabel(tab, tr("Fade Down Time:"), QRect(140, 460, 120, 20));
    riseTimeEdit = addTimeEdit(tab, QRect(260, 400, 170, 20), scene_times_record::Infinite);
    // One tenth below the value that means infinite.
    lastTimeEdit = addTimeEdit(tab, QRect(260, 430, 170, 20), scene_times_record::Infinite - 1);
    fallTimeEdit = addTimeEdit(tab, QRect(260, 460, 170, 20), scene_times_record::Infinite);
    infiniteBox = new QCheckBox(tr("Infinite"), tab);
    infiniteBox->setGeometry(435, 430, 140, 20);

    clearChannelsButton = new QPushButton(texts.clearButton, tab);
    clearChannelsButton->setGeometry(465, 510, 140, 24);
    clearChannelsButton->setFont(listFont());

    addLabel(tab, tr("Description:"), QRect(10, 590, 111, 21));
    descEdit = new QLineEdit(tab);
    descEdit->setGeometry(10, 620, 631, 21);
    descEdit->setFont(descriptionFont());
    descEdit->setMaxLength(DescriptionLength);
}

void level_settings_page::createGrouppedChannelsTab()
{
    QWidget *tab = grouppedChannelsTab;
    channelGrid = new QTableWidget(GridRows, GridColumns, tab);
    table_setup setup;
    setup.geometry = QRect(10, 20, 276, 602);
    setup.stretchLastColumn = false;
    setup.rowHeight = GridRowHeight;
    setup.showHorizontalHeader = true;
    setup.selectionMode = QAbstractItemView::NoSelection;
    setUpTable(channelGrid, setup);
    channelGrid->setShowGrid(true);
    channelGrid->setGridStyle(Qt::DotLine);
    channelGrid->setSizeIncrement(0, 0);
    // Narrower than the style's smallest section: ten channels side by side.
    // The widest title ("10") keeps its gaps to the sections' edges in the header's font.
    const int columnWidth = qMax(GridColumnWidth, sectionWidthFor(channelGrid->horizontalHeader(),
                                                                  QString::number(GridColumns), RowNumberOffEdge));
    channelGrid->horizontalHeader()->setMinimumSectionSize(columnWidth);
    for (int column = 0; column < GridColumns; ++column)
        channelGrid->setColumnWidth(column, columnWidth);
    QStringList rowLabels;
    for (int row = 0; row < GridRows; ++row)
        rowLabels << QString::number(row * GridColumns);
    channelGrid->setVerticalHeaderLabels(rowLabels);
    for (int cell = 0; cell < GridRows * GridColumns; ++cell) {
        auto *item = new QTableWidgetItem;
        if (cell < MaxChannels) {
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            item->setCheckState(Qt::Unchecked);
        } else {
            item->setFlags(Qt::NoItemFlags);  // no channel there
        }
        channelGrid->setItem(cell / GridColumns, cell % GridColumns, item);
    }

    groupSceneLabel = new QLabel(texts.numberLabel.arg(1), tab);
    groupSceneLabel->setGeometry(408, 20, 91, 20);
    groupSceneLabel->setAlignment(Qt::AlignCenter);

    createSelectionGroup();

    valueEnableBox = new QCheckBox(tr("Enable"), tab);
    valueEnableBox->setGeometry(320, 380, 100, 19);
    addLabel(tab, tr("values setting"), QRect(320, 400, 150, 17));
    addLabel(tab, tr("with slider"), QRect(320, 420, 101, 17));
    valueStrip = new admx_slider_widget(0, 480, 330, tab);
    // Before any connection: the strip shows the cleared level a whole mask takes.
    valueStrip->slider->setValue(kind.clearLevel);
    valueStrip->slider->setEnabled(false);
    valueStrip->spinBox->setEnabled(false);
    createRelocationControls();
}

void level_settings_page::createSelectionGroup()
{
    auto *selection = new QGroupBox(tr("Selection"), grouppedChannelsTab);
    selection->setGeometry(310, 60, 301, 261);
    selectRadio = new QRadioButton(tr("Select"), selection);
    // Three abreast within the frame, the longest translation too.
    selectRadio->setGeometry(10, 30, 90, 20);
    deselectRadio = new QRadioButton(tr("Deselect"), selection);
    deselectRadio->setGeometry(105, 30, 90, 20);
    deselectRadio->setChecked(true);
    invertRadio = new QRadioButton(tr("Invert"), selection);
    invertRadio->setGeometry(200, 30, 90, 20);

    auto *choose = new QGroupBox(tr("Choose all or..."), selection);
    choose->setGeometry(10, 60, 281, 151);
    everyBox = new QCheckBox(tr("Choose every"), choose);
    everyBox->setGeometry(50, 40, 121, 21);
    everyStep = new QSpinBox(choose);
    everyStep->setGeometry(200, 40, 52, 22);
    everyStep->setRange(MinEveryStep, MaxEveryStep);
    everyStep->setValue(MinEveryStep);
    everyStep->setEnabled(false);
    rangeBox = new QCheckBox(tr("In range"), choose);
    rangeBox->setGeometry(50, 80, 101, 19);
    addLabel(choose, tr("from "), QRect(50, 110, 31, 20))->setFont(listFont());
    const int channels = imageChannelCount(*currentController);
    selFrom = new guardedSpinBox(choose);
    selFrom->setGeometry(90, 110, 52, 22);
    selFrom->setRange(1, channels);
    selFrom->setValue(1);
    selFrom->setEnabled(false);
    addLabel(choose, tr("to"), QRect(160, 110, 21, 20))->setFont(listFont());
    selTo = new guardedSpinBox(choose);
    selTo->setGeometry(200, 110, 52, 22);
    selTo->setRange(1, channels);
    selTo->setValue(MaxChannels);
    selTo->setEnabled(false);

    executeButton = new QPushButton(tr("Execute!"), selection);
    executeButton->setGeometry(90, 220, 121, 23);
    executeButton->setFont(listFont());
}

void level_settings_page::connectSignals()
{
    connect(descEdit, &QLineEdit::editingFinished, this, &level_settings_page::disableDescEdition);
    connect(clearChannelsButton, &QPushButton::clicked, this, &level_settings_page::clearAllChnls);
    connect(altReleaseButton, &QPushButton::clicked, this, &level_settings_page::destTmpDev);
    connectSheetGroup();
    connect(sceneTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &level_settings_page::sceneChange);
    connect(this, &level_settings_page::sceneChanged, sliders, &admx512_sliders_widget::setSceneNumber);
    // An edit the editor rounds is reported twice by its inherited timeChanged, the unrounded
    // time first when that reaches the page before the editor has rounded; a time rounded
    // to 0 would then break the rule twice. The editor's own signal reports each change once,
    // rounded.
    connect(riseTimeEdit, &MyTimeEdit::timeChanged, this, &level_settings_page::riseTimeChange);
    connect(lastTimeEdit, &MyTimeEdit::timeChanged, this, &level_settings_page::lastTimeChange);
    connect(fallTimeEdit, &MyTimeEdit::timeChanged, this, &level_settings_page::fallTimeChange);
    connect(infiniteBox, &QCheckBox::stateChanged, this, &level_settings_page::lastTimeInfChange);
    connect(sceneTabs, &QTabWidget::currentChanged, this, &level_settings_page::tabChanged);
    connect(everyBox, &QCheckBox::toggled, everyStep, &QWidget::setEnabled);
    connect(rangeBox, &QCheckBox::toggled, selFrom, &QWidget::setEnabled);
    connect(rangeBox, &QCheckBox::toggled, selTo, &QWidget::setEnabled);
    connect(executeButton, &QPushButton::clicked, this, &level_settings_page::selectSome);
    connect(valueStrip, &admx_slider_widget::chValCh, this, &level_settings_page::groupSetValue);
    connect(selFrom, &guardedSpinBox::valueAccepted, this, &level_settings_page::validStart);
    connect(selTo, &guardedSpinBox::valueAccepted, this, &level_settings_page::validEnd);
    connect(valueEnableBox, &QCheckBox::toggled, valueStrip->slider, &QWidget::setEnabled);
    connect(copyEnableBox, &QCheckBox::toggled, relocationSpin, &QWidget::setEnabled);
    connect(copyEnableBox, &QCheckBox::toggled, groupCopyButton, &QWidget::setEnabled);
    connect(valueEnableBox, &QCheckBox::toggled, valueStrip->slider, &QWidget::setEnabled);
    connect(valueEnableBox, &QCheckBox::toggled, valueStrip->spinBox, &QWidget::setEnabled);
    connect(copyEnableBox, &QCheckBox::toggled, this, &level_settings_page::copyEnabled);
    connect(valueEnableBox, &QCheckBox::toggled, this, &level_settings_page::sliderEnabled);
    connect(groupCopyButton, &QPushButton::clicked, this, &level_settings_page::copyGroup);
    connect(copySceneButton, &QPushButton::clicked, this, &level_settings_page::copyScene);
    connect(copyFrom, &QSpinBox::valueChanged, this, &level_settings_page::sourceDesc);
    connect(altFrom, &QSpinBox::valueChanged, this, &level_settings_page::lowLimit_2);
    connect(altBrowseButton, &QPushButton::clicked, this, &level_settings_page::browseFile);
    connect(altOpenButton, &QPushButton::clicked, this, &level_settings_page::readFile);
    connect(altCopyButton, &QPushButton::clicked, this, &level_settings_page::copyAltScene);
}

// --- The configuration it shows ---------------------------------------------------------

scene_times_record level_settings_page::times() const
{
    return kind.times(currentController->confData, currentScene);
}

void level_settings_page::setTimes(const scene_times_record &times)
{
    kind.setTimes(currentController->confData, currentScene, times);
}

QString &level_settings_page::description(int number) const
{
    return kind.description(*currentController, number);
}

QTableWidgetItem *level_settings_page::channelBox(int channel) const
{
    if (channel < 0 || channel >= MaxChannels)
        return nullptr;
    return channelGrid->item(channel / GridColumns, channel % GridColumns);
}

// --- Slots --------------------------------------------------------------------------------

void level_settings_page::refresh()
{
    showCurrent();
    // A page behind another tab shows nothing on the stage: the scene there is the shown
    // page's.
    if (kind.live && currentController->uiMode == kd620_controller_class::UiModeLive && isVisibleTo(window()))
        currentController->send_sc_prep(currentScene);
}

void level_settings_page::showCurrent()
{
    showTimes();
    showRows();
    descEdit->setText(description(currentScene));
    sliders->setSliders(sliders->firstStripChannel);
    // Showing the times stored nothing; a scene whose times break its rule is still
    // repaired. A mask's times stay as stored: its rule guards only the setting of its
    // duration to 0, so all three of them may be 0.
    if (kind.durationInRule)
        CheckTimes();
    refreshMore();
}

void level_settings_page::showTimes()
{
    const scene_times_record shown = times();
    const QSignalBlocker infiniteQuiet(infiniteBox);
    const QSignalBlocker riseQuiet(riseTimeEdit);
    const QSignalBlocker lastQuiet(lastTimeEdit);
    const QSignalBlocker fallQuiet(fallTimeEdit);
    infiniteBox->setChecked(shown.isInfinite());
    lastTimeEdit->setTime(tenthsToTime(shown.isInfinite() ? RepairedDuration : shown.duration));
    lastTimeEdit->setEnabled(!shown.isInfinite());
    riseTimeEdit->setTime(tenthsToTime(shown.fadeUp));
    fallTimeEdit->setTime(tenthsToTime(shown.fadeDown));
}

// Every row's full description (the list elides it) and colour. Items are only written
// where they change: a dragged value strip refreshes the page at every step.
void level_settings_page::showRows()
{
    const QBrush brushes[] = {QApplication::palette().brush(QPalette::Base), QBrush(inUseColour()),
                              QBrush(QColor(255, 255, 180)), QBrush(QColor(200, 255, 255))};
    const QString noDescription = page_base::tr("no description");
    const table_first_fill fill(sceneTable);
    for (int number = 0; number < kind.count; ++number) {
        const QString &text = description(number);
        const QString &shown = text.isEmpty() ? noDescription : text;
        const QBrush &background = brushes[kind.colourOf(currentController->confData, number)];
        setCellText(sceneTable, number, DescriptionColumn, shown, background);
    }
}

QString level_settings_page::elidedRowText(int number) const
{
    const QFontMetrics metrics(sceneTable->font());
    return descriptionText(description(number), metrics, sceneTable->columnWidth(DescriptionColumn) - 8);
}

void level_settings_page::relabel()
{
    const QFontMetrics metrics(sceneTable->font());
    const int width = sceneTable->columnWidth(DescriptionColumn) - 8;
    for (int number = 0; number < kind.count; ++number)
        setCellText(sceneTable, number, DescriptionColumn, descriptionText(description(number), metrics, width));
}

void level_settings_page::sceneChange(const QModelIndex &current, const QModelIndex &)
{
    if (restoringRow)
        return;
    // No row (a caller made a row beyond the last one current) is nothing to show: the page
    // keeps the one it shows.
    if (!current.isValid() || !kind.contains(current.row())) {
        keepCurrentRow();
        return;
    }
    currentScene = current.row();
    groupSceneLabel->setText(texts.chosenLabel.arg(currentScene + 1));
    emit sceneChanged(currentScene);
    refresh();
}

void level_settings_page::keepCurrentRow()
{
    const QScopedValueRollback<bool> restoring(restoringRow, true);
    sceneTable->setCurrentCell(currentScene, DescriptionColumn);
}

void level_settings_page::tabChanged(int index)
{
    if (index == SingleChannelsTab)
        refresh();
    else if (index == CopyingTab)
        sourceDescEdit->setText(description(copyFrom->value() - 1));
    else if (index != GrouppedChannelsTab)
        ownTabChosen(index);
}

void level_settings_page::riseTimeChange(QTime)
{
    scene_times_record stored = times();
    stored.fadeUp = timeToTenths16(riseTimeEdit->time());
    setTimes(stored);
    if (stored.fadeUp == 0 && kind.durationInRule)
        CheckTimes();
}

void level_settings_page::lastTimeChange(QTime)
{
    scene_times_record stored = times();
    if (stored.isInfinite())
        return;
    stored.duration = timeToTenths16(lastTimeEdit->time());
    setTimes(stored);
    if (stored.duration == 0)
        CheckTimes();
}

void level_settings_page::fallTimeChange(QTime)
{
    scene_times_record stored = times();
    stored.fadeDown = timeToTenths16(fallTimeEdit->time());
    setTimes(stored);
    if (stored.fadeDown == 0 && kind.durationInRule)
        CheckTimes();
}

// Unchecking "Infinite" always gives 1.0 s, whatever the duration was before.
void level_settings_page::lastTimeInfChange(int state)
{
    const bool infinite = state != Qt::Unchecked;
    scene_times_record stored = times();
    stored.duration = infinite ? scene_times_record::Infinite : RepairedDuration;
    setTimes(stored);
    lastTimeEdit->setTime(tenthsToTime(RepairedDuration));
    lastTimeEdit->setEnabled(!infinite);
}

void level_settings_page::CheckTimes()
{
    scene_times_record stored = times();
    if (!kind.timesRuleBroken(stored))
        return;
    showMessage(message_icon::Warning, tr("Rule broken!"), tr("All times cannot equal 0!\nDuration will be fixed."),
                message_button::Ok, message_button::NoButton, mainWindow);
    stored.duration = RepairedDuration;
    setTimes(stored);
    lastTimeEdit->setTime(tenthsToTime(RepairedDuration));
}

void level_settings_page::disableDescEdition()
{
    description(currentScene) = descEdit->text();
    setCellText(sceneTable, currentScene, DescriptionColumn, elidedRowText(currentScene));
}

// Also the channels beyond the count in use; a mask of the last range shows green afterwards.
void level_settings_page::clearAllChnls()
{
    u8 *levels = kind.levels(currentController->confData, currentScene);
    std::fill(levels, levels + image_layout::ChannelCount, kind.clearLevel);
    refresh();
}

// The range includes its last channel: "every 3" over 5..20 touches 5, 8, .., 20.
void level_settings_page::selectSome()
{
    const bool ranged = rangeBox->isChecked();
    const int first = ranged ? selFrom->value() - 1 : 0;
    const int last = ranged ? selTo->value() - 1 : chnlsInUse - 1;
    const int step = everyBox->isChecked() ? everyStep->value() : 1;
    for (int channel = first; channel <= last; channel += step) {
        QTableWidgetItem *box = channelBox(channel);
        if (!box)
            break;
        Qt::CheckState state = Qt::Unchecked;
        if (selectRadio->isChecked())
            state = Qt::Checked;
        else if (invertRadio->isChecked())
            state = box->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
        box->setCheckState(state);
    }
}

void level_settings_page::validStart(int value)
{
    if (selTo->value() < value)
        selTo->setValue(value);
}

void level_settings_page::validEnd(int value)
{
    if (selFrom->value() > value)
        selFrom->setValue(value);
}

// The value strip reports every step while it is dragged: each step sets the whole
// selection, in channel order.
void level_settings_page::groupSetValue(int, int level)
{
    for (int channel = 0; channel < chnlsInUse; ++channel) {
        if (channelBox(channel)->checkState() == Qt::Checked)
            sliders->sCh(channel, level);
    }
    refresh();
}

void level_settings_page::limitChnls(int channels)
{
    // The settings keep the count within 24..64; the grid has boxes for 64 channels only.
    channels = std::clamp(channels, MinChannels, MaxChannels);
    if (channels == chnlsInUse)
        return;
    sliders->scrollBar->setMaximum(channels - admx512_sliders_widget::StripCount);
    selFrom->setMaximum(channels);
    selTo->setMaximum(channels);
    for (int channel = channels; channel < chnlsInUse; ++channel) {
        QTableWidgetItem *box = channelBox(channel);
        box->setCheckState(Qt::Unchecked);
        box->setFlags(box->flags() & ~Qt::ItemIsEnabled);
    }
    for (int channel = chnlsInUse; channel < channels; ++channel) {
        QTableWidgetItem *box = channelBox(channel);
        box->setFlags(box->flags() | Qt::ItemIsEnabled);
    }
    chnlsInUse = channels;
}
