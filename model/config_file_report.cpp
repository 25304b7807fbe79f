#include "model/config_file_report.h"
#include "model/application_identity.h"

#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QFileInfo>

void reportConfigFileOutcome(bool success, const QString &text, const QString &path, bool retitle)
{
    showMessage(success ? message_icon::Information : message_icon::Critical, application_identity::name(), text,
                message_button::Ok);
    // A file that could not be opened or written leaves the configuration as it was, and
    // with it the file the title names.
    if (!retitle || !success)
        return;
    const QString title = QCoreApplication::translate("kd620_controller_class", application_identity::Name)
        + QLatin1String(" - ") + QFileInfo(path).fileName();
    userInteraction().setMainWindowTitle(title);
}
