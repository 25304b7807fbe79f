#include "link/kd620_controller_class.h"

#include "link/usb_protocol.h"

#include <QDebug>

kd620_controller_class *currentController = nullptr;

kd620_controller_class::kd620_controller_class()
    : snText(QStringLiteral("S/N ----"))
{
    usbDevice.setIds(usb_link::VendorId, usb_link::ProductId);
}

kd620_controller_class::~kd620_controller_class() = default;

QString kd620_controller_class::getDescription(u32 type, int index)
{
    const kd620_controller_class *c = currentController;
    if (!c || index < 0)
        return QString();
    auto pick = [index](const auto &descs, int first = 0, int count = -1) -> QString {
        const int limit = count < 0 ? int(descs.size()) : count;
        return index < limit ? descs[size_t(first + index)] : QString();
    };
    switch (type) {
    case ActionScene: return pick(c->sceneDescs);
    case ActionProgram: return pick(c->programDescs);
    case ActionSetStatus: return pick(c->stateDescs);
    case ActionDelay: return pick(c->eventDescs, EventDelay, int(image_layout::DelayCount));
    case ActionSequence: return pick(c->eventDescs, EventSequence, int(image_layout::SequenceCount));
    case ActionMask: return pick(c->maskDescs);
    default: return QString();
    }
}

void kd620_controller_class::trapSlot(QModelIndex, QModelIndex)
{
    qDebug() << "was here! :-)";
}
