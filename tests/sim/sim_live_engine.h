#pragma once

#include "model/types.h"
#include "tests/sim/sim_engine.h"

#include <QByteArray>
#include <QQueue>

// Live mode: a whole scene in one frame (command 0x11, 512 levels), answered with DONE or
// FAILED, and single channel levels. Both need live mode.
class sim_live_engine : public sim_engine
{
public:
    sim_live_engine();

    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
    // The wValue of LIVE_SCENE as it is on the wire (it is not sent high byte first).
    QString describe(const sim_setup &setup) const override;

    // The 512 levels the outputs show.
    QByteArray levels;
    // How the controller answers the next scene frames, in order: status::Done (shown),
    // status::Failed, or 0 (no answer at all). Unscripted: status::Done.
    QQueue<u32> sceneAnswers;
    int scenesReceived = 0;

private:
    int takeScene(sim_device &device, const QByteArray &bytes);
};
