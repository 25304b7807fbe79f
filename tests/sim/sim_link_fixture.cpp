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

QStringList sim_link_fixture::tearDown(std::unique_ptr<sim_link_fixture> &fixture)
{
    const QStringList problems = fixture->bus.problems();
    fixture.reset();
    return problems;
}

void sim_link_fixture::reset()
{
    bus.clearLog();
    statusSignals.clear();
    clock.waits = 0;
    resetAtMs = clock.nowMs;
    ui.clear();
}

QStringList sim_link_fixture::onDevice(int n, const QStringList &operations)
{
    QStringList texts;
    for (const QString &op : operations)
        texts << QStringLiteral("#%1 %2").arg(n).arg(op);
    return texts;
}

QStringList sim_link_fixture::searchReads(int n)
{
    return onDevice(n, {"open", "configuration 1", "claim 0", "MODEL_CODE v=0 i=0 in 2", "string 0x2a"});
}

QStringList sim_link_fixture::released(int n)
{
    return onDevice(n, {"release 0", "close"});
}

QStringList sim_link_fixture::connectAfterSearch(int n)
{
    return onDevice(n, {"string 0x2a", "FIRMWARE_VERSION v=0 i=0 in 4", "STATUS v=0 i=0 in 8", "SET_MODE v=1 i=0",
                        "STATUS v=0 i=0 in 8"});
}

QStringList sim_link_fixture::wholeConnect(int n)
{
    return QStringList{"list"} + searchReads(n) + connectAfterSearch(n);
}

QStringList sim_link_fixture::disconnect(int n)
{
    return onDevice(n, {"SET_MODE v=1 i=0", "release 0", "close"});
}
