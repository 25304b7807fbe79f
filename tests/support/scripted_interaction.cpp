#include "tests/support/scripted_interaction.h"

#include "link/kd620_controller_class.h"

scripted_interaction::scripted_interaction()
{
    installUserInteraction(this);
}

scripted_interaction::~scripted_interaction()
{
    installUserInteraction(nullptr);
}

QStringList scripted_interaction::messageTexts() const
{
    QStringList texts;
    for (const message_request &m : messages)
        texts << m.text;
    return texts;
}

QStringList scripted_interaction::messageTitles() const
{
    QStringList titles;
    for (const message_request &m : messages)
        titles << m.title;
    return titles;
}

void scripted_interaction::clear()
{
    messages.clear();
    windowTitles.clear();
    progressBegins.clear();
    progressValues.clear();
    progressEnds = 0;
    processEventsCalls = 0;
    inputHolds = 0;
    inputReleases = 0;
    fileCaptions.clear();
    fileDirs.clear();
    saveDialogsConfirm.clear();
    openFileDirs.clear();
    openFileFilters.clear();
    reconnectLists.clear();
}

int scripted_interaction::showMessage(const message_request &request)
{
    messages << request;
    if (!answers.isEmpty())
        return answers.dequeue();
    return defaultAnswer(request);
}

void scripted_interaction::setMainWindowTitle(const QString &title)
{
    windowTitles << title;
}

void scripted_interaction::progressBegin(const progress_request &request)
{
    progressBegins << request;
}

void scripted_interaction::progressSetValue(int value)
{
    progressValues << value;
}

void scripted_interaction::progressEnd()
{
    ++progressEnds;
}

void scripted_interaction::processEvents()
{
    ++processEventsCalls;
}

void scripted_interaction::holdUserInput()
{
    ++inputHolds;
}

void scripted_interaction::releaseUserInput()
{
    ++inputReleases;
}

QString scripted_interaction::chooseOpenFile(const QString &caption, const QString &dir, const QString &filter,
                                             dialog_parent, QString *selectedFilter)
{
    fileCaptions << caption;
    fileDirs << dir;
    openFileDirs << dir;
    openFileFilters << filter;
    const QString chosenFilter = filterAnswers.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0)
                                                         : filterAnswers.dequeue();
    if (selectedFilter)
        *selectedFilter = chosenFilter;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString scripted_interaction::chooseSaveFile(const QString &caption, const QString &dir, const QString &filter,
                                             dialog_parent, QString *selectedFilter)
{
    saveDialogsConfirm << true;
    return answerSaveChooser(caption, dir, filter, selectedFilter);
}

QString scripted_interaction::chooseSaveFileUnconfirmed(const QString &caption, const QString &dir,
                                                        const QString &filter, dialog_parent,
                                                        QString *selectedFilter)
{
    saveDialogsConfirm << false;
    return answerSaveChooser(caption, dir, filter, selectedFilter);
}

QString scripted_interaction::answerSaveChooser(const QString &caption, const QString &dir, const QString &filter,
                                                QString *selectedFilter)
{
    fileCaptions << caption;
    fileDirs << dir;
    const QString chosenFilter = filterAnswers.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0)
                                                         : filterAnswers.dequeue();
    if (selectedFilter)
        *selectedFilter = chosenFilter;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

bool scripted_interaction::askReconnect(const QStringList &otherSerials)
{
    reconnectLists << otherSerials;
    const reconnect_answer answer = reconnectAnswers.isEmpty() ? reconnect_answer() : reconnectAnswers.dequeue();
    // Change does what the dialog's Change button does.
    if (answer.button == reconnect_answer::Change && currentController)
        currentController->getUsbDev()->setSerialNumber(otherSerials.value(answer.serialIndex));
    return answer.button != reconnect_answer::Cancel;
}
