#pragma once

#include "model/controller_configuration_class.h"

#include <QModelIndex>
#include <QStringList>

// The controller object: one whole configuration (controller_configuration_class) and the
// state of the link to the controller. Every page reaches the configuration through
// currentController.
class kd620_controller_class : public controller_configuration_class
{
    Q_OBJECT

public:
    kd620_controller_class();
    ~kd620_controller_class() override;

    // A description of currentController, chosen by action object type and 0-based index:
    // 0 scene, 1 program, 3 state, 5 delay (its end event), 6 sequence (its start event),
    // 7 mask. Any other type or an index out of range gives an empty text.
    static QString getDescription(u32 type, int index);

    int modelCode = 0;          // 0x5A older model, 0x5F current model
    int uiMode = 0;             // working mode chosen on the right panel: 1 Normal, 2 Live, 0 none
    int controllerMode = 0;     // the controller's working mode
    int connected = 0;          // non-zero while connected
    int lastRequest[3] = {0, 0, 0};  // code, value and index of the last vendor request
    QString snText;             // serial number for the status line, "S/N ----" when none
    QString fwText;             // "F/W ver. " and the version, or "F/W ----"
    int clockRereadCounter = 10;// 10: read the controller clock at the next tick
    int clockValid = 0;         // non-zero when a clock reading is held
    QStringList otherSerials;   // other controllers seen during the last device search
    u8 dstFlag = 0;             // daylight-saving flag read with the controller clock

public slots:
    // Writes "was here! :-)" to the debug output; nothing else.
    void trapSlot(QModelIndex c, QModelIndex p);

signals:
    void setConnectionStatus(bool connectionStatus);
    void forceReset();
    void readKd620Finished();
};

// The controller that main creates, for the whole run.
extern kd620_controller_class *currentController;
