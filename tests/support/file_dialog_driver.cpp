#include "tests/support/file_dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Marks a dialog as answered, so a dialog still open after its answer is told apart.
const char *const Answered = "file_dialog_driver_answered";

} // namespace

file_dialog_driver::file_dialog_driver()
    : before(&userInteraction())
{
    // The desktop's own dialog could not be driven from here; Qt's can.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    installUserInteraction(&real);
    connect(&poll, &QTimer::timeout, this, &file_dialog_driver::drive);
    poll.start(10);
}

file_dialog_driver::~file_dialog_driver()
{
    installUserInteraction(before);
}

QStringList file_dialog_driver::boxTexts() const
{
    QStringList texts;
    for (const shown_box &box : boxes)
        texts << box.text;
    return texts;
}

void file_dialog_driver::drive()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal->property(Answered).toBool()) {
        // A file dialog answered once and shown again (its own question was answered No)
        // is given up, as a person who meant that name would.
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    modal->setProperty(Answered, true);
    if (auto *dialog = qobject_cast<QFileDialog *>(modal))
        answerFileDialog(dialog);
    else if (auto *box = qobject_cast<QMessageBox *>(modal))
        answerBox(box);
}

void file_dialog_driver::answerFileDialog(QFileDialog *dialog)
{
    auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    namesShown << (nameEdit ? nameEdit->text() : QString());
    if (fileAnswers.isEmpty() || !nameEdit) {
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    const file_answer answer = fileAnswers.dequeue();
    if (!answer.filter.isEmpty())
        dialog->selectNameFilter(widget_user_interaction::fileDialogFilter(answer.filter));
    if (!answer.typedName.isEmpty())
        nameEdit->setText(answer.typedName);
    // Accepted from the event loop, not from inside this timer: the dialog may open a
    // question of its own, which this timer must be free to answer.
    QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
}

void file_dialog_driver::answerBox(QMessageBox *box)
{
    QMessageBox::StandardButtons buttons;
    for (QAbstractButton *button : box->buttons())
        buttons |= box->standardButton(button);
    QAbstractButton *defaultButton = box->defaultButton();
    const QMessageBox::StandardButton byDefault =
        defaultButton ? box->standardButton(defaultButton) : QMessageBox::NoButton;
    boxes << shown_box{box->icon(), box->windowTitle(), box->text(), buttons, byDefault,
                       qobject_cast<QFileDialog *>(box->parentWidget()) != nullptr};
    const QMessageBox::StandardButton answer = boxAnswers.isEmpty() ? byDefault : boxAnswers.dequeue();
    if (QAbstractButton *button = box->button(answer))
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
}
