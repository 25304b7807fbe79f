#include "model/controller_configuration_class.h"
#include "model/application_identity.h"

#include "model/image_access.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

#include <cstdlib>
#include <new>

controller_configuration_class::controller_configuration_class()
    : confData(allocateImage())
{
    ClearConfig(ClearEverything);
}

controller_configuration_class::~controller_configuration_class()
{
    clearExtraEntries();
    delete[] confData;
}

u8 *controller_configuration_class::allocateImage()
{
    // Filled with 0xFF at once: nothing may ever read uninitialised bytes from it.
    u8 *image = new (std::nothrow) u8[image_layout::ImageSize];
    if (!image) {
        showMessage(message_icon::Critical, application_identity::name(),
                    QCoreApplication::translate("kd620_controller_class", "Not enough memory! Quitting!"),
                    message_button::Ok);
        std::exit(-1);
    }
    std::fill(image, image + image_layout::ImageSize, u8(0xFF));
    return image;
}

void controller_configuration_class::clearExtraEntries()
{
    qDeleteAll(extraEntries);
    extraEntries.clear();
}

void controller_configuration_class::setDmxInLimit(int n)
{
    writeU16(confData, image_layout::DmxInLimit, u16(n));
}
