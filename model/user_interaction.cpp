#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Answers every box with its default (or its first button) and shows nothing.
class silent_interaction : public user_interaction_interface
{
public:
    int showMessage(const message_request &request) override { return defaultAnswer(request); }
    void setMainWindowTitle(const QString &) override {}
    void progressBegin(const progress_request &) override {}
    void progressSetValue(int) override {}
    void progressEnd() override {}
    void processEvents() override {}
    void holdUserInput() override {}
    void releaseUserInput() override {}
    QString chooseOpenFile(const QString &, const QString &, const QString &, dialog_parent, QString *) override
    {
        return {};
    }
    QString chooseSaveFile(const QString &, const QString &, const QString &, dialog_parent, QString *) override
    {
        return {};
    }
    QString chooseSaveFileUnconfirmed(const QString &, const QString &, const QString &, dialog_parent,
                                      QString *) override
    {
        return {};
    }
    bool askReconnect(const QStringList &) override { return false; }  // Cancel, the default button
};

silent_interaction silentInteraction;
user_interaction_interface *installedInteraction = nullptr;

} // namespace

int defaultAnswer(const message_request &request)
{
    if (!request.customButtons.isEmpty())
        return request.defaultCustomButton >= 0 ? request.defaultCustomButton : 0;
    if (request.defaultButton != message_button::NoButton)
        return int(request.defaultButton);
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if (request.buttons & bit)
            return int(bit);
    }
    return int(message_button::Ok);
}

user_interaction_interface &userInteraction()
{
    return installedInteraction ? *installedInteraction : silentInteraction;
}

void installUserInteraction(user_interaction_interface *ui)
{
    installedInteraction = ui;
}

namespace {

message_request boxRequest(message_icon icon, const QString &title, const QString &text, unsigned buttons,
                           unsigned defaultButton)
{
    message_request request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return request;
}

} // namespace

int showMessage(message_icon icon, const QString &title, const QString &text, unsigned buttons,
                unsigned defaultButton, dialog_parent parent)
{
    message_request request = boxRequest(icon, title, text, buttons, defaultButton);
    request.parent = parent;
    return userInteraction().showMessage(request);
}

int showMessage(message_icon icon, const QString &title, const QString &text, unsigned buttons,
                unsigned defaultButton, QObject *parentWidget)
{
    message_request request = boxRequest(icon, title, text, buttons, defaultButton);
    request.parentWidget = parentWidget;
    return userInteraction().showMessage(request);
}

namespace {

// The save dialog's own question, translated by Qt's own catalogue for its file dialog,
// which is loaded with the program's language. Held in variables so that our catalogue
// does not take it over.
const char *const FileDialogContext = "QFileDialog";
const char *const ReplaceQuestion = "%1 already exists.\nDo you want to replace it?";

} // namespace

bool confirmReplace(const QString &fileName, const QString &dialogTitle, dialog_parent parent)
{
    const QFileInfo file(fileName);
    if (!file.exists() || file.isDir())
        return true;
    const QString text = QCoreApplication::translate(FileDialogContext, ReplaceQuestion).arg(file.fileName());
    return showMessage(message_icon::Warning, dialogTitle, text, message_button::Yes | message_button::No,
                       message_button::No, parent)
           == int(message_button::Yes);
}
