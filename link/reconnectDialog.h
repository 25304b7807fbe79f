#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

// Shown by the connect when the controller it looks for is not attached but others are:
// search again ("Retry"), switch to one of the others ("Change") or give up ("Cancel").
// Accepted after Retry and Change, rejected after Cancel or closing the window.
class reconnectDialog : public QDialog
{
    Q_OBJECT

public:
    // serials: the other controllers seen by the search; parent: the main window, on which
    // the dialog is centred.
    reconnectDialog(QStringList serials, QWidget *parent);

    QComboBox *serialCombo;
    QPushButton *cancelButton;
    QPushButton *changeButton;
    QPushButton *retryButton;
    QLabel *messageLabel;

public slots:
    // The serial number chosen becomes the one the current controller's USB device looks
    // for from now on; then the dialog is accepted.
    void reconnect();
};
