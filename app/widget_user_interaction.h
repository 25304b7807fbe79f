#pragma once

#include "model/user_interaction.h"
#include "widgets/window_services.h"

#include <QFileDialog>
#include <QPointer>
#include <QProgressDialog>

#include <memory>

class QWidget;
class held_input_filter;

// The user-interaction interface on real widgets: QMessageBox, QProgressDialog,
// QFileDialog and the main window's title.
class widget_user_interaction : public user_interaction_interface
{
public:
    widget_user_interaction();
    ~widget_user_interaction() override;

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
    QString chooseSaveFileUnconfirmed(const QString &caption, const QString &dir, const QString &filter,
                                      dialog_parent parent, QString *selectedFilter = nullptr) override;
    bool askReconnect(const QStringList &otherSerials) override;

    // The widget that boxes of the given parent kind belong to (null: none).
    static QWidget *parentWidget(dialog_parent parent);
    // Qt file dialogs split name patterns on blanks: ";" inside the brackets of a filter
    // becomes " ", the rest of the text stays.
    static QString fileDialogFilter(const QString &filter);

private:
    static QString saveFileDialog(const QString &caption, const QString &dir, const QString &filter,
                                  dialog_parent parent, QString *selectedFilter, QFileDialog::Options options);

    QPointer<QProgressDialog> progress;
    // Installed while input is held, with the number of holds not yet released.
    std::unique_ptr<held_input_filter> inputFilter;
    int inputHolds = 0;
};

// The right panel, parent of its own boxes; null while there is none.
extern QWidget *rightPanelWidget;
