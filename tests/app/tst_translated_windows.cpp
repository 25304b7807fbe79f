// The windows of their own that the main window opens (the cell editors of its lists and
// every file dialog among them), built as the program builds them, in English, Polish and
// German, with the full configuration: each reads whole, in the forms' face, in readable
// sizes.
#include "app/clearConf_dialog.h"
#include "app/gui_class.h"
#include "app/widget_user_interaction.h"
#include "events/DTL_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_tableview_widget.h"
#include "link/reconnectDialog.h"
#include "model/application_identity.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_copying.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_conf_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "scenes/dmx_sheet_group.h"
#include "settings/asettings_ired_tab.h"
#include "settings/monitor/pokaz.h"
#include "tests/support/page_tabs.h"
#include "tests/support/text_fit.h"
#include "tests/support/translated_window.h"
#include "widgets/main_tabs.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Whether the rows of a window's lists are ours to measure: a file dialog lists the user's
// files in Qt's own columns.
enum class rows { Measured, Left };

// What a window is measured against: the descriptions its lists may shorten, and the face
// of the main window's forms.
struct measures {
    QStringList descriptions;
    QString formsFace;
};

// Whatever a window shows that does not read whole or readable: texts cut or crowded,
// controls beyond their frames, list rows and row numbers cut (each list scrolled to its
// end), editors beyond their cells, fonts below the readable size, headings smaller than
// what they head; for a window of its own, a face other than the forms'.
QStringList windowFaults(QWidget *window, const measures &m, rows listRows = rows::Measured)
{
    QList<text_place> places = fixedTexts(window);
    QStringList faults = crowdedTexts(window) + controlsBeyondTheirFrames(window);
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->isVisible() || qobject_cast<QHeaderView *>(view) || listRows == rows::Left)
            continue;
        faults << editorsBeyondTheirCells(view);
        view->scrollToBottom();
        QApplication::processEvents();
        places << cellTexts(view, m.descriptions);
        if (auto *table = qobject_cast<const QTableView *>(view))
            places << columnsAcross(table) << sectionTexts(table->horizontalHeader())
                   << sectionTexts(table->verticalHeader());
    }
    faults << cutTexts(places) << unreadableFonts(window) << smallHeadings(window);
    const QString face = QFontInfo(window->font()).family();
    if (window->isWindow() && face != m.formsFace)
        faults << QStringLiteral("%1 drawn in %2, not in the forms' %3")
                      .arg(QLatin1String(window->metaObject()->className()), face, m.formsFace);
    return faults;
}

// Opens the editor of every cell of a row in turn, as a double click does, and measures each
// while it is open: in its cell or as a window of its own. The daytime editor is measured
// with its time range shown.
QStringList cellEditorFaults(QAbstractItemView *view, int row, const measures &m, int *opened)
{
    QStringList faults;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        const QModelIndex index = view->model()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        QWidget *editor = view->indexWidget(index);
        if (!editor)
            continue;
        ++*opened;
        if (auto *daytime = qobject_cast<DTL_widget *>(editor))
            daytime->modeBox->setCurrentIndex(DTL_widget::SetManually);
        QApplication::processEvents();
        const QString where = QStringLiteral("editor of column %1: ").arg(column);
        for (const QString &fault : windowFaults(editor, m))
            faults << where + fault;
        for (const QString &fault : editorsBeyondTheirCells(view))
            faults << where + fault;
        QMetaObject::invokeMethod(view, "closeEditor", Q_ARG(QWidget *, editor),
                                  Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        QApplication::processEvents();
    }
    return faults;
}

// Runs `open`, which shows a modal window through the program's own user interaction, and
// measures that window once it shows; then closes it. Nothing measured when none showed.
// The class of each window measured is added to `kinds` when given.
QStringList modalWindowFaults(const std::function<void(user_interaction_interface &)> &open,
                              const measures &m, int *opened, rows listRows = rows::Measured,
                              QStringList *kinds = nullptr)
{
    widget_user_interaction boxes;
    user_interaction_interface &before = userInteraction();
    installUserInteraction(&boxes);
    QStringList faults;
    QTimer measuring;
    measuring.setInterval(0);
    QObject::connect(&measuring, &QTimer::timeout, [&] {
        QWidget *shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        measuring.stop();
        ++*opened;
        if (kinds)
            *kinds << QLatin1String(shown->metaObject()->className());
        faults << windowFaults(shown, m, listRows);
        if (auto *dialog = qobject_cast<QDialog *>(shown))
            dialog->reject();
        else
            shown->close();
    });
    measuring.start();
    open(boxes);
    measuring.stop();
    installUserInteraction(&before);
    return faults;
}

message_request messageOf(message_icon icon, const QString &title, const QString &text)
{
    message_request request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    return request;
}

enum class own_window {
    ActionEditors,
    DelayTimeEditor,
    SequenceStepEditors,
    ProgramStepEditors,
    ReconnectDialog,
    ClearDialog,
    MessageBoxes,
    MonitorWindows,
};

// Every file dialog the program opens, each opened as the user opens it: a menu action or a
// button of the page that asks for the file.
struct file_dialog_opening {
    const char *name;
    void (*open)(gui_class &w);
};

void exportSheet(level_settings_page *page)
{
    page->sheetBox->sheetExportRadio->click();
    page->sheetBox->sheetBrowseButton->click();
}

void importSheet(level_settings_page *page)
{
    page->sheetBox->sheetImportRadio->click();
    page->sheetBox->sheetBrowseButton->click();
}

// The sun times are read and saved once the user has turned the sun events on.
void sunTimesFile(gui_class &w, QPushButton *button)
{
    w.sunGroup->setChecked(true);
    button->click();
}

const file_dialog_opening fileDialogs[] = {
    {"File > Open", [](gui_class &w) { w.openAction->trigger(); }},
    {"File > Save", [](gui_class &w) { w.saveAction->trigger(); }},
    {"Upgrade > Upgrade", [](gui_class &w) { w.upgradeAction->trigger(); }},
    {"Scenes, another configuration", [](gui_class &w) { w.scenePage->altBrowseButton->click(); }},
    {"Scenes, sheet import", [](gui_class &w) { importSheet(w.scenePage); }},
    {"Scenes, sheet export", [](gui_class &w) { exportSheet(w.scenePage); }},
    {"Masks, another configuration", [](gui_class &w) { w.maskPage->altBrowseButton->click(); }},
    {"Masks, sheet import", [](gui_class &w) { importSheet(w.maskPage); }},
    {"Masks, sheet export", [](gui_class &w) { exportSheet(w.maskPage); }},
    {"Programs, another configuration", [](gui_class &w) { w.programPage->copyingPage->altBrowseButton->click(); }},
    {"Remote control, read", [](gui_class &w) { w.tab_settings_ired->readFileButton->click(); }},
    {"Remote control, save", [](gui_class &w) { w.tab_settings_ired->saveFileButton->click(); }},
    {"Sun times, read", [](gui_class &w) { sunTimesFile(w, w.readSunTimesButton); }},
    {"Sun times, save", [](gui_class &w) { sunTimesFile(w, w.saveSunTimesButton); }},
};

} // namespace

class tst_translated_windows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void windowsReadWhole_data();
    void windowsReadWhole();
    void fileDialogsReadWhole_data();
    void fileDialogsReadWhole();

private:
    std::unique_ptr<translated_window> f;
};

void tst_translated_windows::cleanup()
{
    f.reset();
}

void tst_translated_windows::windowsReadWhole_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<own_window>("shown");
    QTest::addColumn<int>("windows");  // how many the case opens and measures
    const struct {
        const char *name;
        own_window shown;
        int windows;
    } cases[] = {
        {"action cell editors and the state-limit window", own_window::ActionEditors, 5},
        {"delay time editor", own_window::DelayTimeEditor, 1},
        {"sequence step editors", own_window::SequenceStepEditors, 1},
        {"program step editors", own_window::ProgramStepEditors, 6},
        {"reconnect dialog", own_window::ReconnectDialog, 1},
        {"clear dialog", own_window::ClearDialog, 1},
        {"message boxes", own_window::MessageBoxes, 3},
        {"monitor windows", own_window::MonitorWindows, 3},
    };
    for (const char *code : {"en", "pl", "de"}) {
        for (const auto &c : cases)
            QTest::addRow("%s %s", code, c.name) << QString::fromLatin1(code) << c.shown << c.windows;
    }
}

// Each window of its own reads whole, in the forms' face and in readable sizes: its texts fit
// their widgets and run into none beside them, its list rows fit their cells to the last
// row, its cell editors stay within their cells, and its headings read at least as large as
// what they head.
void tst_translated_windows::windowsReadWhole()
{
    QFETCH(QString, code);
    QFETCH(own_window, shown);
    QFETCH(int, windows);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    gui_class &w = *f->window;
    w.show();
    const measures measured{descriptionsOf(*f->link.controller), QFontInfo(w.font()).family()};
    QStringList faults;
    int opened = 0;
    auto showTab = [&w](const char *name) {
        for (int i = 0; i < pageTabCount; ++i) {
            if (qstrcmp(pageTabs[i].name, name) == 0)
                showPage(w, pageTabs[i]);
        }
        QApplication::processEvents();
    };
    switch (shown) {
    case own_window::ActionEditors: {
        showTab("events-inputs");
        aevents_tableview_widget *actions = w.inputEventsPage->actionEditor->actionTable;
        QVERIFY(actions->rowCount() > 0);
        faults << cellEditorFaults(actions, 0, measured, &opened);
        break;
    }
    case own_window::DelayTimeEditor: {
        showTab("events-delays");
        QTableWidget *delays = w.delayedEventsPage->eventList;
        for (int row = 0; row < delays->rowCount() && opened == 0; ++row)
            faults << cellEditorFaults(delays, row, measured, &opened);
        break;
    }
    case own_window::SequenceStepEditors:
        showTab("sequences");
        faults << cellEditorFaults(w.sequencePage->stepTable, 0, measured, &opened);
        break;
    case own_window::ProgramStepEditors:
        showTab("programs");
        faults << cellEditorFaults(w.programPage->stepTable, 0, measured, &opened);
        break;
    case own_window::ReconnectDialog:
        faults << modalWindowFaults(
            [](user_interaction_interface &boxes) {
                boxes.askReconnect({QStringLiteral("005F1234-0042"), QStringLiteral("005F1234-0043")});
            },
            measured, &opened);
        break;
    case own_window::ClearDialog:
        faults << modalWindowFaults([&w](user_interaction_interface &) { clearConf_dialog::runModal(&w); },
                                    measured, &opened);
        break;
    case own_window::MessageBoxes: {
        message_request overlap = messageOf(
            message_icon::Warning, QCoreApplication::translate("aprogram_settings_copying", "You are warned!"),
            QCoreApplication::translate("aprogram_settings_copying", "Ranges are overlapping!\nDo you really want to copy?"));
        overlap.customButtons = {{QCoreApplication::translate("aprogram_settings_copying", "Cancel"), button_role::Reject},
                                 {QCoreApplication::translate("aprogram_settings_copying", "Yes, I do!"), button_role::Accept}};
        const message_request requests[] = {
            overlap,
            messageOf(message_icon::Critical, application_identity::name(),
                      QCoreApplication::translate("right_panel_widget", "Not connected!", "QMessageBox")),
            messageOf(message_icon::Warning, application_identity::name(),
                      QCoreApplication::translate(
                          "kd620_controller_class",
                          "A KD625 is plugged in, but this user has no permission to open its USB device.\n"
                          "Install the udev rule resources/udev/60-varidex625.rules as README.md describes, "
                          "then unplug the controller and plug it in again.")),
        };
        for (const message_request &request : requests)
            faults << modalWindowFaults([&request](user_interaction_interface &boxes) { boxes.showMessage(request); },
                                        measured, &opened);
        break;
    }
    case own_window::MonitorWindows:
        for (pokaz *window : f->openMonitorWindows()) {
            ++opened;
            faults << windowFaults(window, measured);
        }
        break;
    }
    QCOMPARE(opened, windows);
    faults.removeDuplicates();
    QVERIFY2(noneListed(faults), "texts cut, crowded or too small (listed above)");
}

void tst_translated_windows::fileDialogsReadWhole_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("dialog");  // in fileDialogs
    for (const char *code : {"en", "pl", "de"}) {
        for (int i = 0; i < int(std::size(fileDialogs)); ++i)
            QTest::addRow("%s %s", code, fileDialogs[i].name) << QString::fromLatin1(code) << i;
    }
}

// Qt's own file dialog, as the program opens it in each place, reads whole: the names of the
// file types it offers fit its type box, its labels and buttons their widgets. The files it
// lists are the user's, in Qt's own columns, and are left alone.
void tst_translated_windows::fileDialogsReadWhole()
{
    QFETCH(QString, code);
    QFETCH(int, dialog);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    gui_class &w = *f->window;
    w.show();
    const measures measured{descriptionsOf(*f->link.controller), QFontInfo(w.font()).family()};
    int opened = 0;
    QStringList kinds;
    QStringList faults = modalWindowFaults([&w, dialog](user_interaction_interface &) { fileDialogs[dialog].open(w); },
                                           measured, &opened, rows::Left, &kinds);
    QCOMPARE(opened, 1);
    QCOMPARE(kinds, QStringList{QStringLiteral("QFileDialog")});
    faults.removeDuplicates();
    QVERIFY2(noneListed(faults), "texts cut, crowded or too small (listed above)");
}

QTEST_MAIN(tst_translated_windows)
#include "tst_translated_windows.moc"
