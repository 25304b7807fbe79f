// varidex625-sim: the whole program with one simulated controller attached, for driving
// and photographing the window with a controller connected. The controller runs on the
// real clock, so its restart takes as long as the simulated one says.
#include "app/varidex_main.h"
#include "tests/sim/sim_usb_bus.h"

int main(int argc, char **argv)
{
    sim_usb_bus bus;
    sim_device &controller = bus.addDevice(QStringLiteral("005F1234-0042"));
    controller.stateFlag = 1;
    return varidexMain(argc, argv);
}
