#include "tests/sim/sim_log_entry.h"

QString sim_log_entry::text() const
{
    QString t = device > 0 ? QStringLiteral("#%1 %2").arg(device).arg(what) : what;
    if (!outcome.isEmpty())
        t += QStringLiteral(" !") + outcome;
    return t;
}
