// An internal-states report as the monitor draws it: the first two bytes are the length the
// controller announced, the rest is what arrived in the 2400-byte buffer. Every row is drawn
// with and without descriptions; some descriptions are set so that look-ups happen.
#include "model/controller_configuration_class.h"
#include "settings/monitor/internal_states_report.h"
#include "settings/monitor/internal_states_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

controller_configuration_class &descriptions()
{
    static controller_configuration_class *configuration = [] {
        auto *c = new controller_configuration_class;
        c->stateDescs.back() = QStringLiteral("state");
        c->sceneDescs.back() = QStringLiteral("scene");
        c->programDescs.back() = QStringLiteral("program");
        c->maskDescs.back() = QStringLiteral("mask");
        c->eventDescs.back() = QStringLiteral("event");
        return c;
    }();
    return *configuration;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // A length the link would refuse is drawn all the same: the text must not care.
    const int length = int(int16_t(data[0] | (data[1] << 8)));
    static u8 report[internal_states_report::BufferSize];
    std::memset(report, 0, sizeof report);
    std::memcpy(report, data + 2, std::min(size - 2, sizeof report));
    for (int row = 0; row < InternalStatesRowCount; ++row) {
        for (bool withDescriptions : {false, true})
            internalStatesRowText(report, length, row, withDescriptions, descriptions());
    }
    return 0;
}
