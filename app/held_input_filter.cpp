#include "app/held_input_filter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

held_input_filter::held_input_filter()
{
    QCoreApplication::instance()->installEventFilter(this);
}

held_input_filter::~held_input_filter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool held_input_filter::isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The title bar's close button; the program's own closing passes.
        return event->spontaneous();
    default:
        return false;
    }
}

bool held_input_filter::answerable(QObject *receiver) const
{
    // Shortcuts go to actions, window-system input first to the window's handle; the
    // widget they belong to decides.
    while (receiver && !receiver->isWidgetType())
        receiver = receiver->parent();
    for (auto *widget = static_cast<QWidget *>(receiver); widget; widget = widget->window()->parentWidget()) {
        if (answerableWindows.contains(widget->window()))
            return true;
    }
    return false;
}

bool held_input_filter::eventFilter(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::Show && receiver->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(receiver);
        if (widget->isWindow() && widget->isModal())
            answerableWindows << widget;
        return false;
    }
    // A window handle passes its input on to the widget under the pointer or in focus,
    // which is judged then.
    if (receiver->isWindowType() || !isUserInput(event) || answerable(receiver))
        return false;
    if (event->type() == QEvent::Close)
        event->ignore();  // the window stays open
    else
        event->accept();  // and goes to no parent widget either
    return true;
}
