// The program page's "Test entries" tab: extra entries that enter an existing program at a
// later step, each taking one of the highest program numbers. The page edits the
// controller's entry list only; the program store writes it into the image.

#include "programs/aprogram_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "model/extra_entry_class.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"
#include "programs/aprogram_entry_delegate.h"
#include "widgets/table_setup.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>

namespace {

constexpr int ProgramCount = int(image_layout::ProgramCount);
// At least one ordinary program stays: the entries take every slot but the first.
constexpr int MostEntries = ProgramCount - 1;
constexpr int OverwriteYes = 1;

QList<extra_entry_class *> &entries()
{
    return currentController->extraEntries;
}

// The ordinary programs as the list stands now; the page's count follows at its refresh.
int ordinaryCount()
{
    return qMax(0, ProgramCount - int(entries().size()));
}

} // namespace

void aprogram_settings_widget::createEntriesTab()
{
    QWidget *tab = entriesPage;
    auto *label = new QLabel(tr("Extra entries into existing programs:"), tab);
    label->move(20, 15);

    entriesModel = new QStandardItemModel(0, EntryColumnCount, this);
    entriesModel->setHorizontalHeaderLabels({tr("Start Program"), tr("From step"), tr("As program")});
    entriesView = new QTableView(tab);
    entriesView->setModel(entriesModel);
    table_setup setup;
    setup.geometry = QRect(20, 40, 400, 520);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setup.editTriggers = QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                         | QAbstractItemView::AnyKeyPressed;
    setUpTable(entriesView, setup);
    entriesView->setColumnWidth(EntrySourceColumn, 130);
    entriesView->setColumnWidth(EntryStepColumn, 130);
    entriesView->setColumnWidth(EntryProgramColumn, 100);
    entriesView->setFont(listFont());
    entryDelegate = new aprogram_entry_delegate(this);
    entriesView->setItemDelegate(entryDelegate);

    struct button_entry {
        QPushButton *&button;
        QString text;
        int y;
    };
    const button_entry buttons[] = {
        {addEntryButton, tr("Add"), 40},
        {removeEntryButton, tr("Remove"), 75},
        {removeAllButton, tr("Remove all"), 110},
    };
    for (const button_entry &entry : buttons) {
        entry.button = new QPushButton(entry.text, tab);
        entry.button->setGeometry(440, entry.y, 110, 26);
        entry.button->setFont(listFont());
    }

    using page = aprogram_settings_widget;
    connect(entriesView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            qOverload<const QModelIndex &, const QModelIndex &>(&page::showEntryDesc));
    connect(entryDelegate, &aprogram_entry_delegate::changeDesc, this, qOverload<int>(&page::showEntryDesc));
    connect(addEntryButton, &QPushButton::clicked, this, &page::addEntry);
    connect(removeEntryButton, &QPushButton::clicked, this, &page::delEntry);
    connect(removeAllButton, &QPushButton::clicked, this, &page::clrEntries);
}

int aprogram_settings_widget::entrySourceSteps(const extra_entry_class &entry) const
{
    if (entry.isHole() || entry.source >= ordinaryCount())
        return 0;
    return stepsOf(entry.source);
}

// --- the entry list -------------------------------------------------------------------

void aprogram_settings_widget::addEntry()
{
    int index = 0;
    while (index < entries().size() && !entries().at(index)->isHole())
        ++index;

    const bool reused = index < entries().size();
    if (!reused) {
        // Appending to a full list would take the slot of program 1, and then slots that do
        // not exist.
        if (index >= MostEntries) {
            showMessage(message_icon::Information, tr("Unrealisable action!"),
                        tr("Program number limit exceeded!"), message_button::Ok, message_button::NoButton, this);
            return;
        }
        const int slot = ProgramCount - 1 - index;
        if (stepsOf(slot) > 0 && !askOverwrite(slot + 1))
            return;
    }

    extra_entry_class *entry = reused ? entries().at(index) : new extra_entry_class;
    entry->source = 0;
    entry->start = 1;
    entry->asProgram = u16(ProgramCount - 1 - index);
    if (!reused) {
        entries().append(entry);
        // The last ordinary program becomes the entry's: the one before it is shown instead.
        if (programTable->currentRow() == ordinaryPrograms - 1)
            programTable->setCurrentCell(ordinaryPrograms - 2, 0);
    }
    refresh();
}

bool aprogram_settings_widget::askOverwrite(int program)
{
    message_request request;
    request.icon = message_icon::Question;
    request.title = tr("Program exists!");
    request.text = tr("Do you want to overwrite program No. %1?").arg(program);
    request.customButtons = {{tr("No")}, {tr("Yes, I do!")}};
    request.defaultCustomButton = 0;
    request.noEscapeButton = true;
    request.parentWidget = this;
    return userInteraction().showMessage(request) == OverwriteYes;
}

void aprogram_settings_widget::delEntry()
{
    const int row = entriesView->currentIndex().row();
    if (row < 0 || row >= entries().size())
        return;
    if (row == entries().size() - 1)
        delete entries().takeLast();       // its slot is an ordinary program again
    else
        entries().at(row)->source = extra_entry_class::Hole;  // the entries behind keep their slots
    refresh();
}

void aprogram_settings_widget::clrEntries()
{
    currentController->clearExtraEntries();
    refresh();
}

// --- showing them ---------------------------------------------------------------------

void aprogram_settings_widget::refreshEntries()
{
    const int count = int(entries().size());
    if (entriesModel->rowCount() < count)
        entriesModel->insertRows(0, count - entriesModel->rowCount());
    else if (entriesModel->rowCount() > count)
        entriesModel->removeRows(0, entriesModel->rowCount() - count);
    for (int row = 0; row < count; ++row)
        showEntryRow(row, *entries().at(row));

    const int row = entriesView->currentIndex().row();
    const extra_entry_class *selected = entries().value(row, nullptr);
    showDescription(selected && !selected->isHole() ? int(selected->source) : -1, false);
}

// An entry the controller cannot play shows why, and no program number: the program store
// writes its slot as an empty program.
void aprogram_settings_widget::showEntryRow(int row, const extra_entry_class &entry)
{
    QString source = tr("Not defined");
    QString step = QStringLiteral("---");
    QString program = QStringLiteral("---");
    if (!entry.isHole()) {
        source = aprogram_entry_delegate::programFormat().arg(entry.source + 1);
        const int steps = entrySourceSteps(entry);
        if (steps < 2) {
            step = tr("Program too short");
        } else if (entry.isPlayable(u32(ordinaryCount()), steps)) {
            step = aprogram_entry_delegate::stepFormat().arg(entry.start + 1);
            program = QString::number(ProgramCount - row);
        } else {
            step = tr("Invalid step");
        }
    }
    const QString texts[EntryColumnCount] = {source, step, program};
    for (int column = 0; column < EntryColumnCount; ++column) {
        entriesModel->setData(entriesModel->index(row, column), texts[column], Qt::DisplayRole);
        if (QStandardItem *item = entriesModel->item(row, column); item && column == EntryProgramColumn)
            item->setEditable(false);
    }
}

void aprogram_settings_widget::showEntryDesc(const QModelIndex &current, const QModelIndex &)
{
    if (current.row() < 0)
        return;
    const extra_entry_class *entry = entries().value(current.row(), nullptr);
    showDescription(entry && !entry->isHole() ? int(entry->source) : -1, false);
}

void aprogram_settings_widget::showEntryDesc(int program)
{
    showDescription(program >= 1 && program <= ProgramCount ? program - 1 : -1, false);
}
