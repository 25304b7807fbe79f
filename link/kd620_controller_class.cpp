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
    case 0: return pick(c->sceneDescs);
    case 1: return pick(c->programDescs);
    case 3: return pick(c->stateDescs);
    case 5: return pick(c->eventDescs, 0x1000, int(image_layout::DelayCount));
    case 6: return pick(c->eventDescs, 0x1200, int(image_layout::SequenceCount));
    case 7: return pick(c->maskDescs);
    default: return QString();
    }
}

void kd620_controller_class::trapSlot(QModelIndex, QModelIndex)
{
    qDebug() << "was here! :-)";
}
