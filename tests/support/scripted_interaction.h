#pragma once

#include "model/user_interaction.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// An answer to the reconnect dialog; Change picks the entry serialIndex of the list.
struct reconnect_answer {
    enum button_kind { Retry, Change, Cancel };
    button_kind button = Cancel;
    int serialIndex = 0;
};

// A user-interaction implementation for tests: records every call and answers boxes and
// file choosers from a script. Installs itself for its lifetime.
class scripted_interaction : public user_interaction_interface
{
public:
    scripted_interaction();
    ~scripted_interaction() override;

    // Answers for the next boxes, in order: a standard button, or the index of a custom
    // button. An unscripted box gets its default button (or its first one).
    QQueue<int> answers;
    // Answers for the next file choosers, in order; unscripted: cancelled (empty).
    QQueue<QString> fileAnswers;
    // The filters the next file choosers report as chosen, in order; unscripted: the
    // first filter of the list.
    QQueue<QString> filterAnswers;
    // Answers for the next reconnect dialogs, in order; unscripted: Cancel (the default).
    QQueue<reconnect_answer> reconnectAnswers;

    // What happened, in order.
    QList<message_request> messages;
    QStringList windowTitles;
    QList<progress_request> progressBegins;
    QList<int> progressValues;
    int progressEnds = 0;
    int processEventsCalls = 0;
    int inputHolds = 0;       // holdUserInput calls
    int inputReleases = 0;    // releaseUserInput calls
    // True while more holds than releases came.
    bool inputHeld() const { return inputHolds > inputReleases; }
    QStringList fileCaptions;
    QStringList fileDirs;  // the folder or file each chooser started in
    // For each save chooser, whether its dialog itself asked before naming an existing file
    // (chooseSaveFile) or left that to the caller (chooseSaveFileUnconfirmed).
    QList<bool> saveDialogsConfirm;
    QStringList openFileDirs;     // the start and the filter of each open chooser
    QStringList openFileFilters;
    QList<QStringList> reconnectLists;  // the serial numbers each reconnect dialog listed

    // Convenience: texts and titles of the boxes shown so far.
    QStringList messageTexts() const;
    QStringList messageTitles() const;
    void clear();

    int showMessage(const message_request &request) override;
    void setMainWindowTitle(const QString &title) override;
    void progressBegin(const progress_request &request) override;
    void progressSetValue(int value) override;
    void progressEnd() override;
    void processEvents() override;
    void holdUserInput() override;
    void releaseUserInput() override;
    QString chooseOpenFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent, QString *selectedFilter = nullptr) override;
    QString chooseSaveFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent, QString *selectedFilter = nullptr) override;
    // Answered like chooseSaveFile, from the same script.
    QString chooseSaveFileUnconfirmed(const QString &caption, const QString &dir, const QString &filter,
                                      dialog_parent parent, QString *selectedFilter = nullptr) override;
    bool askReconnect(const QStringList &otherSerials) override;

private:
    QString answerSaveChooser(const QString &caption, const QString &dir, const QString &filter,
                              QString *selectedFilter);
};
