#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

// Everything the model and the link say to the user goes through this interface:
// message boxes, questions, progress dialogs, the main window's title, file choosers.
// The application installs an implementation built on QMessageBox, QProgressDialog and
// QFileDialog; tests install a scripted one. Model and link code never touch widgets.

enum class message_icon { NoIcon, Information, Warning, Critical, Question };

// Standard buttons, with the numeric values of QMessageBox::StandardButton so the
// widget implementation can pass them straight through.
namespace message_button {
enum : unsigned {
    NoButton = 0x00000000,
    Ok = 0x00000400,
    Save = 0x00000800,
    SaveAll = 0x00001000,
    Open = 0x00002000,
    Yes = 0x00004000,
    YesToAll = 0x00008000,
    No = 0x00010000,
    NoToAll = 0x00020000,
    Abort = 0x00040000,
    Retry = 0x00080000,
    Ignore = 0x00100000,
    Close = 0x00200000,
    Cancel = 0x00400000,
    Discard = 0x00800000,
    Help = 0x01000000,
    Apply = 0x02000000,
    Reset = 0x04000000,
    RestoreDefaults = 0x08000000,
};
}

// Roles of buttons with texts of our own, with the values of QMessageBox::ButtonRole.
enum class button_role { Accept = 0, Reject = 1, Destructive = 2, Action = 3, Help = 4, Yes = 5, No = 6, Reset = 7, Apply = 8 };

// Which window a box belongs to: the main window (when it exists), none, or the right panel.
// A request can name a widget of its own instead (message_request::parentWidget).
enum class dialog_parent { MainWindow, None, RightPanel };

struct custom_button {
    QString text;
    button_role role = button_role::Action;
};

struct message_request {
    message_icon icon = message_icon::Information;
    QString title;
    QString text;
    unsigned buttons = message_button::Ok;  // standard buttons; ignored when customButtons are given
    unsigned defaultButton = message_button::NoButton;
    QList<custom_button> customButtons;      // buttons with texts of their own, left to right
    int defaultCustomButton = -1;            // index into customButtons, -1 none
    bool noEscapeButton = false;             // closing the box is not an answer
    dialog_parent parent = dialog_parent::MainWindow;
    // A widget of a page (the page, a table, an editor) that the box belongs to; when set
    // it is the box's parent and `parent` is not used. Guarded: a request kept after the
    // widget is gone reads null.
    QPointer<QObject> parentWidget;
};

struct progress_request {
    QString label;
    QString cancelText;  // empty: no cancel button
    int minimum = 0;
    int maximum = 100;
    dialog_parent parent = dialog_parent::None;
    QString windowIcon;  // resource path of the dialog's icon; empty: the application's
};

class user_interaction_interface
{
public:
    virtual ~user_interaction_interface() = default;

    // Shows a modal box. Returns the standard button pressed, or, when the request has
    // custom buttons, the index of the one pressed (-1 when closed without one).
    virtual int showMessage(const message_request &request) = 0;

    // Sets the main window's title; nothing happens while no main window exists.
    virtual void setMainWindowTitle(const QString &title) = 0;

    // A progress dialog for long transfers, not modal: begin, advance, end. Advancing it
    // runs no events; the transfer itself decides where events may run.
    virtual void progressBegin(const progress_request &request) = 0;
    virtual void progressSetValue(int value) = 0;
    virtual void progressEnd() = 0;

    // Lets the event loop run once, user input excluded (the whole-configuration send keeps
    // the window alive).
    virtual void processEvents() = 0;

    // A transfer holds the controller (a whole-configuration send or read, a firmware
    // upgrade or verification): until the matching release, what the user does in the
    // program's windows is dropped, so it never runs inside the transfer. Boxes and dialogs
    // the transfer shows meanwhile still take their answers. Holds nest.
    virtual void holdUserInput() = 0;
    virtual void releaseUserInput() = 0;

    // File choosers; an empty result means cancelled. filter lists name filters separated
    // by ";;"; selectedFilter, when given, receives the one the user chose.
    virtual QString chooseOpenFile(const QString &caption, const QString &dir, const QString &filter,
                                   dialog_parent parent, QString *selectedFilter = nullptr) = 0;
    virtual QString chooseSaveFile(const QString &caption, const QString &dir, const QString &filter,
                                   dialog_parent parent, QString *selectedFilter = nullptr) = 0;
    // The save-file chooser for a caller that writes under a name of its own making from the
    // one chosen (an extension added or changed): the dialog does not ask about replacing an
    // existing file, since the file it names may not be the one written. The caller asks
    // about the name it does write, with confirmReplace() below.
    virtual QString chooseSaveFileUnconfirmed(const QString &caption, const QString &dir, const QString &filter,
                                              dialog_parent parent, QString *selectedFilter = nullptr) = 0;

    // The reconnect dialog, modal over the main window: the controller wanted is not
    // attached, these others are. True for "Retry" or "Change" (Change has made the chosen
    // serial number the wanted one of the current controller's USB device); false for
    // "Cancel" or closing the dialog.
    virtual bool askReconnect(const QStringList &otherSerials) = 0;
};

// The installed implementation. Until one is installed, a silent one answers every box
// with its default button (or Ok), which keeps command-line tools and early start-up safe.
user_interaction_interface &userInteraction();
// Installs an implementation (not owned); null restores the silent one.
void installUserInteraction(user_interaction_interface *ui);

// The answer a box gets without a person: its default button (the default custom button),
// else its first one.
int defaultAnswer(const message_request &request);

// Shorthand for the common single-button boxes and questions.
int showMessage(message_icon icon, const QString &title, const QString &text,
                unsigned buttons = message_button::Ok, unsigned defaultButton = message_button::NoButton,
                dialog_parent parent = dialog_parent::MainWindow);
// The same for a box that belongs to a widget of a page.
int showMessage(message_icon icon, const QString &title, const QString &text, unsigned buttons,
                unsigned defaultButton, QObject *parentWidget);

// Before a file is written under a name the save dialog did not confirm: asks, in the words
// of the save dialog's own question (warning, "<name> already exists. Do you want to replace
// it?", Yes or No, No the default, titled like the dialog), whether an existing file of that
// name may be replaced. True when there is none or the answer is Yes. A folder of that name
// is not asked about: it cannot be replaced, and the writer reports it.
bool confirmReplace(const QString &fileName, const QString &dialogTitle, dialog_parent parent);
