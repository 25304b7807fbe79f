#pragma once

#include "app/widget_user_interaction.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

class QFileDialog;

// Drives the real file dialogs and message boxes of the program from a test, as a person
// would: for its lifetime the widget user interaction (QFileDialog, QMessageBox) is the
// installed one instead of the scripted one, and every modal dialog that opens is answered
// from a script. Qt's own file dialog is used, not the desktop's, so its questions can be
// seen and answered.
class file_dialog_driver : public QObject
{
    Q_OBJECT

public:
    file_dialog_driver();
    ~file_dialog_driver() override;

    // What to do in the next file dialogs, in order. An empty name keeps the name the dialog
    // shows; an empty filter keeps the filter it shows. A dialog that opens again after
    // it was answered (a question answered No) is cancelled; an unscripted one likewise.
    struct file_answer {
        QString typedName;
        QString filter;  // as the program gives it; ";" inside brackets is matched as " "
    };
    QQueue<file_answer> fileAnswers;
    // Answers for the message boxes, in order; unscripted: the box's default button.
    QQueue<QMessageBox::StandardButton> boxAnswers;

    // What was shown, in order.
    struct shown_box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        bool overAFileDialog;  // the box was opened by a file dialog itself
    };
    QList<shown_box> boxes;
    QStringList namesShown;  // the name each file dialog showed when it opened
    QStringList boxTexts() const;

private:
    void drive();
    void answerFileDialog(QFileDialog *dialog);
    void answerBox(QMessageBox *box);

    widget_user_interaction real;
    user_interaction_interface *before;
    QTimer poll;
};
