#include "tests/support/link_checks.h"

#include "link/usb_protocol.h"
#include "tests/sim/sim_link_fixture.h"

#include <QtTest>

void verifyConnectionEnded(sim_link_fixture &f)
{
    QCOMPARE(f.controller->workingMode(), int(MODE_NONE));
    QCOMPARE(f.controller->connected, 0);
    QVERIFY(!f.controller->isConnected());
    QCOMPARE(f.controller->serialText(), QStringLiteral("S/N ----"));
    QCOMPARE(f.controller->firmwareText(), QStringLiteral("F/W ----"));
    QCOMPARE(f.statusSignals, QList<bool>{false});
}

void verifyConnectsAgain(sim_link_fixture &f)
{
    f.clock.advance(3000);
    f.reset();
    f.controller->setConnection(true);
    QCOMPARE(f.bus.logTexts(), sim_link_fixture::wholeConnect(1));
    QCOMPARE(f.controller->connected, 1);
    QVERIFY(f.controller->isConnected());
    QCOMPARE(f.controller->workingMode(), int(MODE_NORMAL));
    QCOMPARE(f.statusSignals, QList<bool>{true});
}
