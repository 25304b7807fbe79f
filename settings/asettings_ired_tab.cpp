#include "settings/asettings_ired_tab.h"

#include "link/kd620_controller_class.h"
#include "model/rcu_settings_file.h"
#include "model/user_interaction.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int KeyCount = controller_configuration_class::RcuKeyCount;
constexpr int MaxAddress = 31;
constexpr int MaxCode = 63;
constexpr u8 None = 0xFF;
constexpr int DescriptionLength = 100;
// Room the cell's margins take from the Description column's width.
constexpr int CellMargins = 8;

struct key_column_entry {
    struct {
        const char *source;
        const char *comment;
    } header;
    int width;
};

const key_column_entry KeyColumns[asettings_ired_tab::KeyColumnCount] = {
    {QT_TRANSLATE_NOOP3("asettings_ired_tab", "Button", "column name"), 62},  // "Przycisk" whole in bold
    {QT_TRANSLATE_NOOP3("asettings_ired_tab", "Code", "column name"), 50},
    {QT_TRANSLATE_NOOP3("asettings_ired_tab", "Description", "column name"), 240},
};

QFont buttonFont()
{
    return QFont(QStringLiteral("MS Shell Dlg"), 10, QFont::Normal);
}

QString codeText(u8 code)
{
    return code <= MaxCode ? QStringLiteral("  %1").arg(code) : QStringLiteral("  - -");
}

// The system address and the selected button's code are set alike: a box that leaves the
// value unused, a forced value with its Set button, and a button that learns it from the remote.
struct forced_value_texts {
    QString title, unused, caption, set, get;
};

struct forced_value_group {
    QGroupBox *box;
    QCheckBox *unusedBox;
    QLabel *caption;
    QSpinBox *spin;
    QPushButton *setButton;
    QPushButton *getButton;
};

forced_value_group createForcedValueGroup(QWidget *parent, int top, const forced_value_texts &texts, int maximum)
{
    forced_value_group group;
    group.box = new QGroupBox(texts.title, parent);
    group.box->setGeometry(400, top, 390, 140);
    group.unusedBox = new QCheckBox(texts.unused, group.box);
    group.unusedBox->setGeometry(15, 28, 250, 24);
    group.caption = new QLabel(texts.caption, group.box);
    group.caption->setGeometry(15, 62, 100, 26);
    group.spin = new QSpinBox(group.box);
    group.spin->setGeometry(120, 62, 70, 26);
    group.spin->setRange(0, maximum);
    group.setButton = new QPushButton(texts.set, group.box);
    group.setButton->setGeometry(210, 60, 100, 30);
    group.getButton = new QPushButton(texts.get, group.box);
    group.getButton->setGeometry(15, 98, 175, 30);
    for (QPushButton *button : {group.setButton, group.getButton})
        button->setFont(buttonFont());
    return group;
}

} // namespace

asettings_ired_tab::asettings_ired_tab(QWidget *parent)
    : QTabWidget(parent)
{
    createWidgets();
    // Ticked before it is connected: the address controls stay enabled until the user
    // changes the box.
    noRcuBox->setChecked(true);
    connectSignals();
    refreshTable();
}

asettings_ired_tab::~asettings_ired_tab() = default;

void asettings_ired_tab::createWidgets()
{
    page_base::useNormalWeight(this);
    keyModel = new QStandardItemModel(KeyCount, KeyColumnCount, this);
    for (int column = 0; column < KeyColumnCount; ++column)
        keyModel->setHorizontalHeaderItem(column, new QStandardItem(tr(KeyColumns[column].header.source, KeyColumns[column].header.comment)));
    // Set up before it gets its rows: a row header still shown would measure every row number.
    keyTable = new QTableView(this);
    keyTable->setFont(page_base::listFont());
    table_setup setup;
    setup.geometry = QRect(10, 20, 370, 570);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = false;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(keyTable, setup);
    keyTable->setModel(keyModel);
    for (int column = 0; column < KeyColumnCount; ++column)
        keyTable->setColumnWidth(column, KeyColumns[column].width);

    createButtons();
    createAddressGroup();
    createButtonGroup();

    descriptionCaption = new QLabel(tr("Button description"), this);
    descriptionCaption->setGeometry(10, 605, 160, 26);
    descriptionCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    descEdit = new QLineEdit(this);
    descEdit->setGeometry(180, 603, 640, 30);
    descEdit->setFont(QFont(QStringLiteral("Arial Narrow"), 12, QFont::Normal));
    descEdit->setMaxLength(DescriptionLength);
}

void asettings_ired_tab::createButtons()
{
    struct button_entry {
        QPushButton *&button;
        QString text;
        QRect geometry;
    };
    const button_entry entries[] = {
        {readFileButton, tr("Read from file"), QRect(400, 20, 170, 30)},
        {saveFileButton, tr("Save to file"), QRect(400, 56, 170, 30)},
        {clearButton, tr("Clear settings"), QRect(400, 92, 170, 30)},
        {readDeviceButton, tr("Read from controller"), QRect(600, 20, 190, 30)},
        {sendDeviceButton, tr("Send to controller"), QRect(600, 56, 190, 30)},
    };
    for (const button_entry &entry : entries) {
        entry.button = new QPushButton(entry.text, this);
        entry.button->setGeometry(entry.geometry);
        entry.button->setFont(buttonFont());
    }

    currentAddressCaption = new QLabel(tr("Current system address:"), this);
    currentAddressCaption->setGeometry(400, 145, 220, 24);
    currentAddressCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addressLabel = new QLabel(tr("undetermined"), this);
    addressLabel->setGeometry(630, 145, 160, 24);
}

void asettings_ired_tab::createAddressGroup()
{
    const forced_value_group group = createForcedValueGroup(
        this, 180, {tr("System Address"), tr("Do not use RCU"), tr("Forced"), tr("Set"), tr("Get from RCU")},
        MaxAddress);
    addressGroup = group.box;
    noRcuBox = group.unusedBox;
    forcedCaption = group.caption;
    addrSpin = group.spin;
    setAddrButton = group.setButton;
    getAddrButton = group.getButton;
}

void asettings_ired_tab::createButtonGroup()
{
    const forced_value_group group = createForcedValueGroup(
        this, 335, {tr("Selected Button"), tr("Not used"), tr("Forced code"), tr("Set"), tr("Get code from RCU")},
        MaxCode);
    buttonGroup = group.box;
    notUsedBox = group.unusedBox;
    forcedCodeCaption = group.caption;
    codeSpin = group.spin;
    setCodeButton = group.setButton;
    getCodeButton = group.getButton;
}

void asettings_ired_tab::connectSignals()
{
    connect(keyTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &asettings_ired_tab::buttonChange);
    connect(readFileButton, &QPushButton::clicked, this, &asettings_ired_tab::readRCUcfg);
    connect(saveFileButton, &QPushButton::clicked, this, &asettings_ired_tab::saveRCUcfg);
    connect(clearButton, &QPushButton::clicked, this, &asettings_ired_tab::clearRCUcfg);
    connect(setAddrButton, &QPushButton::clicked, this, &asettings_ired_tab::forceAddr);
    connect(setCodeButton, &QPushButton::clicked, this, &asettings_ired_tab::forceCode);
    connect(getCodeButton, &QPushButton::clicked, this, &asettings_ired_tab::getCode);
    connect(getAddrButton, &QPushButton::clicked, this, &asettings_ired_tab::getAddr);
    connect(noRcuBox, &QCheckBox::stateChanged, this, &asettings_ired_tab::useRCState);
    connect(notUsedBox, &QCheckBox::stateChanged, this, &asettings_ired_tab::unusedState);
    connect(readDeviceButton, &QPushButton::clicked, this, &asettings_ired_tab::readRCUdev);
    connect(descEdit, &QLineEdit::editingFinished, this, &asettings_ired_tab::disableDescEdition);
    // Sending is the controller object's alone; the page shows nothing new afterwards.
    connect(sendDeviceButton, &QPushButton::clicked, currentController, &kd620_controller_class::writeRCU);
}

// ============================================================ showing the settings

void asettings_ired_tab::refreshTable()
{
    const kd620_controller_class &c = *currentController;
    for (int key = 0; key < KeyCount; ++key) {
        const QString texts[] = {tr("Btn %1").arg(key + 1), codeText(c.rcuKeyCodes[key])};
        for (int column : {ButtonColumn, CodeColumn}) {
            if (QStandardItem *item = keyModel->item(key, column))
                item->setText(texts[column]);
            else
                keyModel->setItem(key, column, new QStandardItem(texts[column]));
        }
        setDescriptionCell(key);
    }
    addressLabel->setText(addressText());
    const int key = currentKey();
    descEdit->setText(key < 0 ? QString() : c.rcuKeyDescs[size_t(key)]);
}

void asettings_ired_tab::setDescriptionCell(int key)
{
    const QFontMetrics metrics(keyTable->font());
    const int width = keyTable->columnWidth(DescriptionColumn) - CellMargins;
    const QString text = page_base::descriptionText(currentController->rcuKeyDescs[size_t(key)], metrics, width);
    if (QStandardItem *item = keyModel->item(key, DescriptionColumn))
        item->setText(text);
    else
        keyModel->setItem(key, DescriptionColumn, new QStandardItem(text));
}

int asettings_ired_tab::currentKey() const
{
    const QModelIndex current = keyTable->selectionModel()->currentIndex();
    return current.isValid() && current.row() < KeyCount ? current.row() : -1;
}

QString asettings_ired_tab::addressText() const
{
    const u8 address = currentController->rcuAddress;
    return address <= MaxAddress ? QStringLiteral("%1").arg(address) : tr("undetermined");
}

void asettings_ired_tab::buttonChange(const QModelIndex &, const QModelIndex &)
{
    const int key = currentKey();
    descEdit->setText(key < 0 ? QString() : currentController->rcuKeyDescs[size_t(key)]);
}

// ============================================================ editing

void asettings_ired_tab::clearRCUcfg()
{
    kd620_controller_class &c = *currentController;
    for (int key = 0; key < KeyCount; ++key) {
        c.rcuKeyCodes[key] = None;
        c.rcuKeyDescs[size_t(key)].clear();
    }
    c.rcuAddress = None;
    refreshTable();
}

void asettings_ired_tab::forceAddr()
{
    // Only stored: it reaches the controller with "Send to controller".
    const int forced = addrSpin->value();
    const u8 value = noRcuBox->isChecked() || forced > MaxAddress ? None : u8(forced);
    currentController->rcuAddress = value;
    emit remoteEventsEnabled(value != None);
    refreshTable();
}

void asettings_ired_tab::forceCode()
{
    const int key = currentKey();
    if (key < 0)
        return;
    const int code = notUsedBox->isChecked() ? None : codeSpin->value();
    if (code == None)
        currentController->rcuKeyCodes[key] = None;
    else if (currentController->setRcuKeyCode(key, code) < 0)
        return;
    refreshTable();
}

void asettings_ired_tab::useRCState(int state)
{
    const bool ticked = state == Qt::Checked;
    addrSpin->setDisabled(ticked);
    getAddrButton->setDisabled(ticked);
    if (state == Qt::Unchecked)
        emit remoteEventsEnabled(false);
}

void asettings_ired_tab::unusedState(int state)
{
    const bool ticked = state == Qt::Checked;
    codeSpin->setDisabled(ticked);
    getCodeButton->setDisabled(ticked);
}

void asettings_ired_tab::disableDescEdition()
{
    const int key = currentKey();
    if (key < 0)
        return;
    currentController->rcuKeyDescs[size_t(key)] = descEdit->text();
    setDescriptionCell(key);
}

// ============================================================ the controller

void asettings_ired_tab::getAddr()
{
    // A failed learning leaves the address as it was; the link tells the user why.
    currentController->readRcuAddress();
    addressLabel->setText(addressText());
    emit remoteEventsEnabled(currentController->rcuAddress != None);
}

void asettings_ired_tab::getCode()
{
    // Without a current row the key number is out of range and the link refuses it.
    currentController->learnRcuKey(currentKey());
    refreshTable();
}

void asettings_ired_tab::readRCUdev()
{
    currentController->readRCU();
    announceReadAddress();
    refreshTable();
}

void asettings_ired_tab::announceReadAddress()
{
    emit keysReloaded();
    emit remoteEventsEnabled(currentController->rcuAddress <= MaxAddress);
}

// ============================================================ the ".rcu" file

QString asettings_ired_tab::rcuFilter() const
{
    return tr("Varidex RCU Settings (*.rcu)");
}

QString asettings_ired_tab::fileFilters() const
{
    return rcuFilter() + QLatin1String(";;") + tr("All files (*)");
}

QString asettings_ired_tab::withExtension(const QString &name, const QString &chosenFilter) const
{
    const QLatin1String extension(rcu_settings_file::Extension);
    if (chosenFilter == rcuFilter() && !name.endsWith(extension))
        return name + extension;
    return name;
}

QString asettings_ired_tab::saveStartPath() const
{
    if (lastRcuFile.isEmpty())
        return QStringLiteral("./");
    // The folder of the last file: cut before its last separator, unless that is its first
    // character (a file in the root).
    const qsizetype separator = qMax(lastRcuFile.lastIndexOf(QLatin1Char('/')), lastRcuFile.lastIndexOf(QLatin1Char('\\')));
    return separator > 0 ? lastRcuFile.left(separator) : lastRcuFile;
}

void asettings_ired_tab::saveRCUcfg()
{
    const QString caption = tr("Choose a RCU settings file for KD625 controller");
    QString chosenFilter;
    // The name chosen may take the extension: the question about replacing a file is asked
    // about the name written.
    const QString chosen = userInteraction().chooseSaveFileUnconfirmed(caption, saveStartPath(), fileFilters(),
                                                                       dialog_parent::None, &chosenFilter);
    if (chosen.isEmpty())
        return;
    const QString fileName = withExtension(chosen, chosenFilter);
    if (!confirmReplace(fileName, caption, dialog_parent::None))
        return;
    if (!rcu_settings_file::save(fileName, *currentController)) {
        showMessage(message_icon::Critical, tr("File error"), tr("Cannot open file \"%1\" to write!").arg(fileName),
                    message_button::Ok, message_button::NoButton, this);
        return;
    }
    lastRcuFile = fileName;
}

void asettings_ired_tab::readRCUcfg()
{
    QString chosenFilter;
    const QString chosen = userInteraction().chooseOpenFile(
        tr("Choose a RCU settings file for KD620 controller"), lastRcuFile.isEmpty() ? QStringLiteral("./") : lastRcuFile,
        fileFilters(), dialog_parent::None, &chosenFilter);
    if (chosen.isEmpty())
        return;
    const QString fileName = withExtension(chosen, chosenFilter);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(message_icon::Critical, tr("File error"), tr("Cannot open file \"%1\"!").arg(fileName),
                    message_button::Ok, message_button::NoButton, this);
        return;
    }
    rcu_settings_file::read(file, fileName, *currentController, this);
    announceReadAddress();
    refreshTable();
}
