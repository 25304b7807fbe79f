#include "tests/sim/sim_link_fixture.h"

sim_link_fixture::sim_link_fixture()
    : controller(std::make_unique<kd620_controller_class>())
{
    currentController = controller.get();
    QObject::connect(controller.get(), &kd620_controller_class::setConnectionStatus,
                     [this](bool status) { statusSignals << status; });
}

sim_link_fixture::~sim_link_fixture()
{
    controller.reset();
    currentController = nullptr;
}

bool sim_link_fixture::connectAndReset()
{
    controller->setConnection(true);
    reset();
    return controller->isConnected();
}

void sim_link_fixture::reset()
{
    bus.clearLog();
    statusSignals.clear();
    clock.waits = 0;
    resetAtMs = clock.nowMs;
    ui.clear();
}
