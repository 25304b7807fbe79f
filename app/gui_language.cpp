// The language switch: the choice is saved in the parameters file, and main builds the
// window anew under the new translator; the new window takes over the old one's title,
// what its right panel showed of the connection, and what its pages showed.
#include "app/gui_class.h"

#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/right_panel_widget.h"
#include "app/window_view.h"
#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/monitor_window_mask.h"

#include <QCoreApplication>
#include <QPointer>

#include <optional>

namespace {

// What the window a language change replaces hands to the next one built over the same
// controller: the configuration and the connection live on in the controller, but the
// title, what the right panel shows of them and what the pages show were the old window's.
struct window_handover {
    QPointer<kd620_controller_class> controller;
    QString title;
    right_panel_widget::connection_view panel;
    window_view view;
};

std::optional<window_handover> pendingHandover;

} // namespace

void gui_class::changeUiLanguage(int index)
{
    if (index == currentLanguage || index < 0 || index >= languageList.size())
        return;
    monitor->stopShows(MonitorAll);
    const language_entry_class &entry = languageList[index];
    if (!saveLanguage(QString::fromLatin1(parametersFileName), entry.code, entry.name))
        showMessage(message_icon::Warning, tr("Warning!"), tr("Cannot write new language!"));
    // A failed write changes the language for this run only.
    pendingHandover =
        window_handover{controller, windowTitle(), rightPanel->connectionView(), window_view::of(*this)};
    requestedLanguage = index;
    QCoreApplication::exit(0);
}

void gui_class::showFirstView()
{
    std::optional<window_handover> handover;
    handover.swap(pendingHandover);
    // Only the very next window takes it, and only over the controller it was made for.
    if (handover && handover->controller != controller)
        handover.reset();
    // The pages' current items are chosen before the first refresh: it would show scene 1,
    // and in Live mode put it on the stage in place of what the controller shows.
    if (handover)
        handover->view.showBeforeFirstRefresh(*this);
    reloadAfterRead();
    if (!handover)
        return;
    handover->view.showAfterFirstRefresh(*this);
    setWindowTitle(handover->title);
    rightPanel->showConnectionView(handover->panel);
}
