#include "app/widget_user_interaction.h"

#include "app/held_input_filter.h"
#include "link/reconnectDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

QWidget *rightPanelWidget = nullptr;

static_assert(int(message_button::Ok) == int(QMessageBox::Ok));
static_assert(int(message_button::Yes) == int(QMessageBox::Yes));
static_assert(int(message_button::No) == int(QMessageBox::No));
static_assert(int(message_button::Cancel) == int(QMessageBox::Cancel));
static_assert(int(message_button::Retry) == int(QMessageBox::Retry));
static_assert(int(message_button::Ignore) == int(QMessageBox::Ignore));
static_assert(int(message_button::Abort) == int(QMessageBox::Abort));
static_assert(int(button_role::Reject) == int(QMessageBox::RejectRole));
static_assert(int(button_role::Apply) == int(QMessageBox::ApplyRole));

namespace {

QMessageBox::Icon boxIcon(message_icon icon)
{
    switch (icon) {
    case message_icon::Information: return QMessageBox::Information;
    case message_icon::Warning: return QMessageBox::Warning;
    case message_icon::Critical: return QMessageBox::Critical;
    case message_icon::Question: return QMessageBox::Question;
    case message_icon::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

widget_user_interaction::widget_user_interaction() = default;

widget_user_interaction::~widget_user_interaction()
{
    progressEnd();
}

QWidget *widget_user_interaction::parentWidget(dialog_parent parent)
{
    switch (parent) {
    case dialog_parent::MainWindow: return mainWindow;
    case dialog_parent::RightPanel: return rightPanelWidget;
    case dialog_parent::None: break;
    }
    return nullptr;
}

int widget_user_interaction::showMessage(const message_request &request)
{
    QWidget *parent = request.parentWidget ? qobject_cast<QWidget *>(request.parentWidget.data())
                                           : parentWidget(request.parent);
    QMessageBox box(boxIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    QList<QPushButton *> custom;
    if (request.customButtons.isEmpty()) {
        box.setStandardButtons(QMessageBox::StandardButtons(int(request.buttons)));
        if (request.defaultButton != message_button::NoButton)
            box.setDefaultButton(QMessageBox::StandardButton(int(request.defaultButton)));
    } else {
        for (const custom_button &b : request.customButtons)
            custom.append(box.addButton(b.text, QMessageBox::ButtonRole(int(b.role))));
        if (request.defaultCustomButton >= 0 && request.defaultCustomButton < custom.size())
            box.setDefaultButton(custom[request.defaultCustomButton]);
    }
    if (request.noEscapeButton)
        box.setEscapeButton(static_cast<QAbstractButton *>(nullptr));
    const int result = box.exec();
    if (custom.isEmpty())
        return result;
    return int(custom.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
}

void widget_user_interaction::setMainWindowTitle(const QString &title)
{
    if (mainWindow)
        mainWindow->setWindowTitle(title);
}

void widget_user_interaction::progressBegin(const progress_request &request)
{
    progressEnd();
    // Not modal: a modal progress dialog runs every pending event, user input included, on
    // each value it is given, and so would run clicks inside the transfer it shows.
    progress = new QProgressDialog(request.label, request.cancelText, request.minimum, request.maximum,
                                   parentWidget(request.parent));
    if (!request.windowIcon.isEmpty())
        progress->setWindowIcon(QIcon(request.windowIcon));
    progress->setMinimumDuration(0);
    progress->setValue(request.minimum);
    progress->show();
}

void widget_user_interaction::progressSetValue(int value)
{
    // Once the dialog has reached its end it has closed itself; it stays closed.
    if (!progress || value > progress->maximum())
        return;
    progress->setValue(value);
    // Painted at once: the read runs no events until it ends.
    if (progress->isVisible())
        progress->repaint();
}

void widget_user_interaction::progressEnd()
{
    delete progress.data();
}

void widget_user_interaction::processEvents()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void widget_user_interaction::holdUserInput()
{
    if (inputHolds++ == 0 && QCoreApplication::instance())
        inputFilter = std::make_unique<held_input_filter>();
}

void widget_user_interaction::releaseUserInput()
{
    if (inputHolds > 0 && --inputHolds == 0)
        inputFilter.reset();
}

QString widget_user_interaction::fileDialogFilter(const QString &filter)
{
    QString result;
    int depth = 0;
    for (QChar c : filter) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        result += (c == QLatin1Char(';') && depth > 0) ? QLatin1Char(' ') : c;
    }
    return result;
}

namespace {

// The filter a dialog reports as chosen, as the caller gave it (before the blanks went in).
QString givenFilter(const QString &filters, const QString &shownFilter)
{
    for (const QString &given : filters.split(QStringLiteral(";;"))) {
        if (widget_user_interaction::fileDialogFilter(given) == shownFilter)
            return given;
    }
    return shownFilter;
}

} // namespace

QString widget_user_interaction::chooseOpenFile(const QString &caption, const QString &dir,
                                                const QString &filter, dialog_parent parent,
                                                QString *selectedFilter)
{
    QString shownFilter;
    const QString name =
        QFileDialog::getOpenFileName(parentWidget(parent), caption, dir, fileDialogFilter(filter), &shownFilter);
    if (selectedFilter)
        *selectedFilter = givenFilter(filter, shownFilter);
    return name;
}

QString widget_user_interaction::chooseSaveFile(const QString &caption, const QString &dir,
                                                const QString &filter, dialog_parent parent,
                                                QString *selectedFilter)
{
    return saveFileDialog(caption, dir, filter, parent, selectedFilter, QFileDialog::Options());
}

QString widget_user_interaction::chooseSaveFileUnconfirmed(const QString &caption, const QString &dir,
                                                           const QString &filter, dialog_parent parent,
                                                           QString *selectedFilter)
{
    return saveFileDialog(caption, dir, filter, parent, selectedFilter, QFileDialog::DontConfirmOverwrite);
}

QString widget_user_interaction::saveFileDialog(const QString &caption, const QString &dir, const QString &filter,
                                                dialog_parent parent, QString *selectedFilter,
                                                QFileDialog::Options options)
{
    QString shownFilter;
    const QString name = QFileDialog::getSaveFileName(parentWidget(parent), caption, dir, fileDialogFilter(filter),
                                                      &shownFilter, options);
    if (selectedFilter)
        *selectedFilter = givenFilter(filter, shownFilter);
    return name;
}

bool widget_user_interaction::askReconnect(const QStringList &otherSerials)
{
    reconnectDialog dialog(otherSerials, mainWindow);
    return dialog.exec() == QDialog::Accepted;
}
