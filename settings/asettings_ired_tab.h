#pragma once

#include <QString>
#include <QTabWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

// The remote-control settings (Settings tab "Remote Control"): the system address of the
// remote control and the code and description of each of its 64 keys, shown as buttons 1
// to 64. Every edit goes into the controller object at once. The page also lets the
// controller learn the address and single codes from the remote control, reads the whole
// set from the controller or sends it there, clears it, and saves it to or reads it from a
// ".rcu" file. It holds no tabs of its own: its widgets stand on it directly.
//
// The Remote Control events tab and page belong to the main window, which connects
// remoteEventsEnabled() and keysReloaded() to them.
class asettings_ired_tab : public QTabWidget
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit asettings_ired_tab(QWidget *parent = nullptr);
    ~asettings_ired_tab() override;

    // Columns of the key table.
    enum key_column { ButtonColumn, CodeColumn, DescriptionColumn, KeyColumnCount };

    // Rewrites the 64 rows, the address label and the description line from the
    // controller object.
    void refreshTable();

    // ============================================================ the key table
    QTableView *keyTable = nullptr;
    QStandardItemModel *keyModel = nullptr;

    // ============================================================ the buttons
    QPushButton *readFileButton = nullptr;
    QPushButton *saveFileButton = nullptr;
    QPushButton *readDeviceButton = nullptr;
    QPushButton *sendDeviceButton = nullptr;
    QPushButton *clearButton = nullptr;

    // ============================================================ address and key groups
    QCheckBox *noRcuBox = nullptr;
    QCheckBox *notUsedBox = nullptr;
    QGroupBox *addressGroup = nullptr;
    QGroupBox *buttonGroup = nullptr;
    QPushButton *getAddrButton = nullptr;
    QPushButton *setAddrButton = nullptr;
    QLabel *currentAddressCaption = nullptr;
    QLabel *forcedCaption = nullptr;
    QLabel *forcedCodeCaption = nullptr;
    QLabel *addressLabel = nullptr;
    QLabel *descriptionCaption = nullptr;
    QSpinBox *addrSpin = nullptr;
    QSpinBox *codeSpin = nullptr;
    QPushButton *getCodeButton = nullptr;
    QPushButton *setCodeButton = nullptr;
    QLineEdit *descEdit = nullptr;

    // The last ".rcu" file saved from the page; the file dialogs start there.
    QString lastRcuFile;

public slots:
    void buttonChange(const QModelIndex &current, const QModelIndex &previous);
    void readRCUcfg();
    void saveRCUcfg();
    void clearRCUcfg();
    void forceAddr();
    void forceCode();
    void getCode();
    void getAddr();
    void useRCState(int state);
    void unusedState(int state);
    void readRCUdev();
    void disableDescEdition();

signals:
    // The Remote Control events tab is to be enabled or disabled.
    void remoteEventsEnabled(bool enabled);
    // The codes, the address or the key descriptions were read anew: the Remote Control
    // events page shows its keys afresh.
    void keysReloaded();

private:
    void createWidgets();
    void createButtons();
    void createAddressGroup();
    void createButtonGroup();
    void connectSignals();

    // The selected key (0..63), -1 while no row is current.
    int currentKey() const;
    // The address label's text for the stored address.
    QString addressText() const;
    void setDescriptionCell(int key);
    // After the address was read anew (from the controller or a file).
    void announceReadAddress();
    // The file dialogs' filters, the ".rcu" one first.
    QString rcuFilter() const;
    QString fileFilters() const;
    // The chosen name with ".rcu" added when the ".rcu" filter was chosen and the name
    // does not end in it.
    QString withExtension(const QString &name, const QString &chosenFilter) const;
    QString saveStartPath() const;
};
