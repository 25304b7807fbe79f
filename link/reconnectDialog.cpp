#include "link/reconnectDialog.h"

#include "link/kd620_controller_class.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

reconnectDialog::reconnectDialog(QStringList serials, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Device not connected!"));
    if (parent) {
        setGeometry(parent->x() + parent->width() / 2 - 180, parent->y() + parent->height() / 2 - 50, 360, 140);
    } else {
        resize(360, 140);
    }

    messageLabel = new QLabel(tr("Previously connected controller is no longer available!")
                                  + tr("\nRetry or choose another device to connect."),
                              this);
    messageLabel->setAlignment(Qt::AlignHCenter);
    // Across the dialog less a margin each side: the message's lines run long in every language.
    messageLabel->setGeometry(10, 20, 340, 40);

    serialCombo = new QComboBox(this);
    serialCombo->setGeometry(120, 60, 120, 24);
    for (const QString &serial : serials)
        serialCombo->addItem(serial);

    retryButton = new QPushButton(tr("Retry"), this);
    retryButton->setGeometry(30, 100, 80, 24);
    connect(retryButton, &QPushButton::clicked, this, &QDialog::accept);

    changeButton = new QPushButton(tr("Change"), this);
    changeButton->setGeometry(140, 100, 80, 24);
    connect(changeButton, &QPushButton::clicked, this, &reconnectDialog::reconnect);

    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setGeometry(250, 100, 80, 24);
    cancelButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void reconnectDialog::reconnect()
{
    if (currentController)
        currentController->getUsbDev()->setSerialNumber(serialCombo->currentText());
    accept();
}
