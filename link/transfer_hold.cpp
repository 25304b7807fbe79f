#include "link/transfer_hold.h"

#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"

transfer_hold::transfer_hold(kd620_controller_class &controller)
    : controller(controller)
    , openedBetweenBlockCycles(controller.betweenBlockCycles)
{
    ++controller.transfersRunning;
    controller.betweenBlockCycles = false;
    userInteraction().holdUserInput();
}

transfer_hold::~transfer_hold()
{
    userInteraction().releaseUserInput();
    controller.betweenBlockCycles = openedBetweenBlockCycles;
    if (--controller.transfersRunning == 0)
        controller.sendDeferredLiveScene();
}
