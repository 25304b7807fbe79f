#include "settings/asettings_descs_widget.h"

#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "settings/showDesc_class.h"
#include "widgets/text_width.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>

namespace {

using configuration = controller_configuration_class;

// A category: its name in the combo box, its fixed row count, the format of its item names,
// and where in the current controller its row 0 edits.
struct category_entry {
    const char *name;
    int rows;
    const char *itemFormat;
    QString *(*firstDescription)(kd620_controller_class &);
};

template <u16 FirstEvent>
QString *eventDescriptions(kd620_controller_class &c)
{
    return &c.eventDescs[FirstEvent];
}

const category_entry categories[] = {
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "States"), configuration::StateCount,
     QT_TRANSLATE_NOOP("asettings_descs_widget", "State "), [](kd620_controller_class &c) { return c.stateDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Inputs"), int(image_layout::InputCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Input %1"),
     [](kd620_controller_class &c) { return c.inputDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "RCU inputs"), configuration::RcuKeyCount,
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Button %1"),
     [](kd620_controller_class &c) { return c.rcuKeyDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Scenes"), int(image_layout::SceneCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Scene %1"),
     [](kd620_controller_class &c) { return c.sceneDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Masks"), int(image_layout::MaskCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Mask %1"), [](kd620_controller_class &c) { return c.maskDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Programs"), int(image_layout::ProgramCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Program %1"),
     [](kd620_controller_class &c) { return c.programDescs.data(); }},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Timers"), int(image_layout::TimerRowCount), QT_TRANSLATE_NOOP("asettings_descs_widget", "Timer %1"),
     eventDescriptions<EventTimer>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Delays ( Events: delay end )"), int(image_layout::DelayCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Delay %1"), eventDescriptions<EventDelay>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Sequences ( Events: sequence start )"), int(image_layout::SequenceCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Sequence %1"), eventDescriptions<EventSequence>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Events: DMX output"), 2 * int(image_layout::ChannelCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Channel %1: %2"), eventDescriptions<EventDmxOut>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Events: internal"), EventTimer - EventInternal,
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Internal event %1"), eventDescriptions<EventInternal>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Events: input state changed"), 2 * int(image_layout::InputCount),
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Input %1: %2"), eventDescriptions<EventInput>},
    {QT_TRANSLATE_NOOP("asettings_descs_widget", "Events: RCU keys events"), 3 * configuration::RcuKeyCount,
     QT_TRANSLATE_NOOP("asettings_descs_widget", "Btn %1: %2"), eventDescriptions<EventRcuKey>},
};
static_assert(std::size(categories) == asettings_descs_widget::CategoryCount);

// Each event category's rows are the codes of one range of events, and stay inside it.
static_assert(EventTimer + image_layout::TimerRowCount <= EventDmxOut);
static_assert(EventDmxOut + 2 * image_layout::ChannelCount <= EventDelay);
static_assert(EventDelay + image_layout::DelayCount <= EventSequence);
static_assert(EventSequence + image_layout::SequenceCount <= EventRcuKey);
static_assert(EventRcuKey + 3 * configuration::RcuKeyCount <= EventInput);
static_assert(EventInput + 2 * image_layout::InputCount <= EventCount);

// The States category's first rows are A1-A4; then eight states per letter from B.
constexpr int StatesOfA = 4;
constexpr int StatesPerLetter = 8;

} // namespace

asettings_descs_widget::asettings_descs_widget(QWidget *parent)
    : page_base(parent)
{
    for (const category_entry &entry : categories)
        nameFormats << tr(entry.name);
    for (const category_entry &entry : categories)
        descArrays << entry.firstDescription(*currentController);
    createWidgets();
    nameFormats.clear();
    for (const category_entry &entry : categories)
        nameFormats << tr(entry.itemFormat);
    chgCategory(StatesCategory);
    connectSignals();
    refresh();
}

void asettings_descs_widget::createWidgets()
{
    categoryLabel = new QLabel(tr("Choose description category: "), this);
    categoryLabel->setFont(listFont());
    categoryLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    categoryLabel->setGeometry(10, 10, 240, 24);
    categoryCombo = new QComboBox(this);
    categoryCombo->setFont(listFont());
    categoryCombo->setGeometry(260, 10, 320, 24);
    categoryCombo->addItems(nameFormats);

    descTable = new showDesc_class(rowCount(StatesCategory), 2, this);
    descTable->setGeometry(10, 44, PageWidth - 20, PageHeight - 54);
    descTable->setColumnWidth(showDesc_class::ItemColumn, ItemColumnWidth);
    descTable->setColumnWidth(showDesc_class::DescriptionColumn, 600);
    // The item names number the rows already; the descriptions take the rest of the width.
    descTable->verticalHeader()->hide();
    descTable->horizontalHeader()->setStretchLastSection(true);
}

void asettings_descs_widget::connectSignals()
{
    connect(categoryCombo, &QComboBox::currentIndexChanged, this, &asettings_descs_widget::chgCategory);
}

int asettings_descs_widget::rowCount(int category)
{
    return category >= 0 && category < CategoryCount ? categories[category].rows : 0;
}

void asettings_descs_widget::chgCategory(int i)
{
    if (i < 0 || i >= CategoryCount)
        return;
    descTable->setRowCount(rowCount(i));
    descTable->setColumnWidth(showDesc_class::ItemColumn, itemColumnWidth(i));
    descTable->setCurrentCell(0, showDesc_class::DescriptionColumn);
    descTable->category = i;
    descTable->descArray = descArrays[i];
    refresh();
}

int asettings_descs_widget::itemColumnWidth(int category) const
{
    // The last rows of a category have the longest numbers and, for the keys, each of the
    // three words; the names stand whole beside the margins the style keeps in a cell.
    const int rows = rowCount(category);
    QStringList names;
    for (int row = qMax(0, rows - 3); row < rows; ++row)
        names << itemName(category, row);
    return columnWidthFor(descTable, names, ItemColumnWidth);
}

QString asettings_descs_widget::stateName(int row)
{
    if (row < StatesOfA)
        return QStringLiteral("A%1").arg(row + 1);
    const int state = row + StatesOfA;  // counts from A1 as if A had eight states too
    return QStringLiteral("%1%2").arg(QChar('A' + state / StatesPerLetter)).arg(state % StatesPerLetter + 1);
}

QString asettings_descs_widget::itemName(int category, int row) const
{
    const QString &format = nameFormats[category];
    switch (category) {
    case StatesCategory: return format + stateName(row);
    case DmxOutEventsCategory:
    case InputEventsCategory: return format.arg(row / 2 + 1).arg(row % 2 == 0 ? tr("on") : tr("off"));
    case RcuKeyEventsCategory: {
        const QString kinds[] = {tr("pressed"), tr("repeated"), tr("released")};
        return format.arg(row / 3 + 1).arg(kinds[row % 3]);
    }
    default: return format.arg(row + 1);
    }
}

void asettings_descs_widget::refresh()
{
    QAbstractItemModel *model = descTable->model();
    const int category = descTable->category;
    for (int row = 0; row < descTable->rowCount(); ++row) {
        model->setData(model->index(row, showDesc_class::ItemColumn), itemName(category, row));
        model->setData(model->index(row, showDesc_class::DescriptionColumn), descTable->descriptionOf(row));
    }
}
