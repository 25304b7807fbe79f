#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The remote-control settings: the key codes and descriptions of the 64 keys and the
// remote control's address, sent to the controller with the send button. Learning keys
// and the settings file are not built yet.
class asettings_ired_tab : public QWidget
{
    Q_OBJECT

public:
    explicit asettings_ired_tab(QWidget *parent = nullptr);

    QTableWidget *keyTable = nullptr;
    QLabel *addressLabel = nullptr;
    QLineEdit *descriptionLine = nullptr;
    QPushButton *sendButton = nullptr;

public slots:
    // Rewrites the 64 key rows, the address and the selected key's description.
    void refreshTable();
};
