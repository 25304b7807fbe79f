// The language switch: the choice is saved in the parameters file, and main builds the
// window anew under the new translator.
#include "app/gui_class.h"

#include "app/language_list.h"
#include "app/parameters_file.h"
#include "model/user_interaction.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/monitor_window_mask.h"

#include <QCoreApplication>

void gui_class::changeUiLanguage(int index)
{
    if (index == currentLanguage || index < 0 || index >= languageList.size())
        return;
    monitor->stopShows(MonitorAll);
    const language_entry_class &entry = languageList[index];
    if (!saveLanguage(QString::fromLatin1(parametersFileName), entry.code, entry.name))
        showMessage(message_icon::Warning, tr("Warning!"), tr("Cannot write new language!"));
    // A failed write changes the language for this run only.
    requestedLanguage = index;
    QCoreApplication::exit(0);
}
