#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Holds the user's input off every window of the program while a transfer holds the
// controller: an event filter on the application that drops mouse, key, wheel, touch and
// tablet input, shortcuts, context menus, drops and the window system's requests to close
// a window. Only the modal boxes and dialogs opened since the filter was installed take
// input: they are the questions the transfer itself asks (its outcome, a reconnect).
//
// Why a filter on the whole application: a click must not run inside a transfer, whatever
// event loop the transfer runs. The send's pauses between blocks exclude only the input the
// window system has not delivered yet; the outcome box and the reconnect dialog run full
// event loops; window modality does not cover the progress dialog (not modal) nor events
// posted to a widget. One filter sees every event on its way to any widget, in every loop.
// What it drops is gone for good: a click meant during a transfer would be stale after it.
class held_input_filter : public QObject
{
public:
    held_input_filter();
    ~held_input_filter() override;

    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    // Input the user gives, as opposed to what the program itself does.
    static bool isUserInput(const QEvent *event);
    // True when the receiver lies inside a modal window opened since the hold began, or
    // inside a popup (a combo box's list) opened from one.
    bool answerable(QObject *receiver) const;

    QList<QPointer<QWidget>> answerableWindows;
};
