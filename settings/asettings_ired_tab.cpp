#include "settings/asettings_ired_tab.h"

#include "widgets/stand_in_page.h"
#include "link/kd620_controller_class.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

asettings_ired_tab::asettings_ired_tab(QWidget *parent)
    : QWidget(parent)
{
    page_base::useNormalWeight(this);
    stand_in_page::addNote(tr("Learning the keys of the remote control and its settings files are not built yet."),
                           this, 10, 10);
    keyTable = new QTableWidget(controller_configuration_class::RcuKeyCount, 3, this);
    keyTable->setGeometry(10, 40, 520, 600);
    keyTable->setHorizontalHeaderLabels({tr("Key"), tr("Code"), tr("Description")});
    keyTable->horizontalHeader()->setStretchLastSection(true);
    keyTable->verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    keyTable->verticalHeader()->hide();
    keyTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    keyTable->setSelectionMode(QAbstractItemView::SingleSelection);
    keyTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    addressLabel = new QLabel(this);
    addressLabel->setGeometry(550, 40, 280, 24);
    descriptionLine = new QLineEdit(this);
    descriptionLine->setGeometry(550, 80, 280, 24);
    descriptionLine->setReadOnly(true);
    sendButton = new QPushButton(tr("Send to KD625"), this);
    sendButton->setGeometry(550, 120, 160, 26);

    connect(sendButton, &QPushButton::clicked, currentController, &kd620_controller_class::writeRCU);
    connect(keyTable, &QTableWidget::currentCellChanged, this, &asettings_ired_tab::refreshTable);
    keyTable->setCurrentCell(0, 0);
    refreshTable();
}

void asettings_ired_tab::refreshTable()
{
    const kd620_controller_class &c = *currentController;
    const QFontMetrics metrics(keyTable->font());
    const int width = keyTable->columnWidth(2) - 8;
    for (int key = 0; key < controller_configuration_class::RcuKeyCount; ++key) {
        const u8 code = c.rcuKeyCodes[key];
        const QString texts[] = {
            tr("Btn %1").arg(key + 1),
            code < 64 ? QStringLiteral("  %1").arg(code) : QStringLiteral("  - -"),
            page_base::descriptionText(c.rcuKeyDescs[size_t(key)], metrics, width),
        };
        for (int column = 0; column < 3; ++column)
            page_base::setCellText(keyTable, key, column, texts[column]);
    }
    addressLabel->setText(c.rcuAddress < 32 ? tr("Remote control address: %1").arg(c.rcuAddress)
                                            : tr("Remote control address: - -"));
    const int selected = qMax(0, keyTable->currentRow());
    descriptionLine->setText(c.rcuKeyDescs[size_t(selected)]);
}
