#include "tests/support/message_summary.h"

namespace {

QString iconName(message_icon icon)
{
    switch (icon) {
    case message_icon::Critical: return QStringLiteral("critical");
    case message_icon::Warning: return QStringLiteral("warning");
    case message_icon::Information: return QStringLiteral("information");
    case message_icon::Question: return QStringLiteral("question");
    case message_icon::NoIcon: break;
    }
    return QStringLiteral("none");
}

} // namespace

QString messageSummary(message_icon icon, const QString &title, const QString &text)
{
    return iconName(icon) + QLatin1Char('|') + title + QLatin1Char('|') + text;
}

QStringList messageSummaries(const scripted_interaction &ui)
{
    QStringList lines;
    for (const message_request &m : ui.messages)
        lines << messageSummary(m.icon, m.title, m.text);
    return lines;
}

bool allOkBoxesOfTheMainWindow(const scripted_interaction &ui)
{
    for (const message_request &m : ui.messages) {
        if (m.parent != dialog_parent::MainWindow || m.buttons != message_button::Ok || !m.customButtons.isEmpty())
            return false;
    }
    return true;
}
