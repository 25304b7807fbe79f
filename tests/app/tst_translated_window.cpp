// The main window as a user sees it after choosing Polski or Deutsch: built under the
// translations the build makes, as main builds it after a language change, and every page,
// tab, category and list row of it read as the user would read them.
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_tableview_widget.h"
#include "model/event_code.h"
#include "programs/aseq_settings_widget.h"
#include "settings/asettings_descs_widget.h"
#include "settings/asettings_dmx_set_widget.h"
#include "settings/asettings_dmx_widget.h"
#include "tests/support/page_tabs.h"
#include "tests/support/text_fit.h"
#include "tests/support/translated_window.h"
#include "widgets/main_tabs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The accelerator letter of a menu entry, lower case; empty when it has none.
QString mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return QString();
}

// Entries of one menu (or of the menu bar) that share an accelerator.
QStringList acceleratorCollisions(const QList<QAction *> &actions)
{
    QMap<QString, QStringList> byLetter;
    for (const QAction *action : actions) {
        const QString letter = mnemonic(action->text());
        if (!letter.isEmpty())
            byLetter[letter] << action->text();
    }
    QStringList collisions;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it) {
        if (it.value().size() > 1)
            collisions << it.value().join(QStringLiteral(" / "));
    }
    return collisions;
}

// Lists the DMX Output events of every channel the controller can output: the page's
// longest list. The number of rows.
int listEveryDmxOutputEvent(gui_class &window)
{
    asettings_dmx_set_widget *range = window.dmxSettingsPage->setWidget;
    range->spinChnlMax->setValue(range->spinChnlMax->maximum());
    range->gbEvGen->setChecked(true);
    range->sbToCh->setValue(range->sbToCh->maximum());
    range->sbFromCh->setValue(range->sbFromCh->minimum());
    return 2 * range->spinChnlMax->maximum();
}

// Lengthens the list of the event each action table shows to `rows` actions and more: row
// numbers of as many digits beside the columns.
void lengthenShownActionLists(gui_class &window, controller_configuration_class &c, int rows)
{
    for (aevents_tableview_widget *table : window.findChildren<aevents_tableview_widget *>()) {
        if (!isEventCode(table->eventCode))
            continue;
        for (int added = table->rowCount(); added < rows; ++added)
            c.eventActions.appendAction(table->eventCode);
        table->refresh();
    }
}

// Actions enough for row numbers of three digits.
constexpr int LongActionList = 120;

// Shows every state of the window that shows other texts, as a user clicking through it
// would, and calls `atEach` in each with a name for it: every page; on it, each tab of its
// own tab widgets; on the Descriptions page, each category.
void visitEveryState(gui_class &window, const std::function<void(const QString &)> &atEach)
{
    window.show();
    for (int i = 0; i < pageTabCount; ++i) {
        showPage(window, pageTabs[i]);
        QApplication::processEvents();
        const QString page = QString::fromLatin1(pageTabs[i].name);
        atEach(page);
        QWidget *shown = window.tabWidget_main->currentWidget();
        for (QTabWidget *tabs : shown->findChildren<QTabWidget *>()) {
            if (tabs == window.tabWidget_events || tabs == window.tabWidget_settings || !tabs->isVisible())
                continue;
            const int first = tabs->currentIndex();
            for (int t = 0; t < tabs->count(); ++t) {
                if (!tabs->isTabEnabled(t) || !tabs->isTabVisible(t))
                    continue;
                tabs->setCurrentIndex(t);
                QApplication::processEvents();
                atEach(page + QStringLiteral(" tab ") + tabs->tabText(t));
            }
            tabs->setCurrentIndex(first);
        }
        if (window.descsPage->isVisible()) {
            QComboBox *categories = window.descsPage->categoryCombo;
            for (int c = 0; c < categories->count(); ++c) {
                categories->setCurrentIndex(c);
                QApplication::processEvents();
                atEach(page + QStringLiteral(" category ") + categories->itemText(c));
            }
            categories->setCurrentIndex(0);
        }
    }
}

// The rows of every list and table the user sees in every state of the window, and the row
// numbers beside them, each list scrolled to its end once (rows made or elided only when
// scrolled to are then there too).
QList<text_place> shownCellTexts(gui_class &window, const QStringList &descriptions)
{
    QList<text_place> places;
    QSet<QPair<const QAbstractItemView *, QString>> seen;
    visitEveryState(window, [&](const QString &state) {
        // A list shows other rows only in the state that changes its category.
        const QString rowsOf = state.contains(QStringLiteral(" category ")) ? state : QString();
        for (QAbstractItemView *view : window.findChildren<QAbstractItemView *>()) {
            if (!view->isVisible() || qobject_cast<const QHeaderView *>(view) || seen.contains({view, rowsOf}))
                continue;
            seen.insert({view, rowsOf});
            view->scrollToBottom();
            QApplication::processEvents();
            places << cellTexts(view, descriptions);
            if (auto *table = qobject_cast<const QTableView *>(view))
                places << columnsAcross(table) << sectionTexts(table->horizontalHeader())
                       << sectionTexts(table->verticalHeader());
            view->scrollToTop();
        }
    });
    return places;
}

} // namespace

class tst_translated_window : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void shownTranslated_data();
    void shownTranslated();
    void languagesAndTitlesStayUntranslated_data();
    void languagesAndTitlesStayUntranslated();
    void menuAccelerators_data();
    void menuAccelerators();
    void hoveredMenuShowsItsTip_data();
    void hoveredMenuShowsItsTip();
    void textsFit_data();
    void textsFit();
    void listRowsFit_data();
    void listRowsFit();
    void fontsReadable_data();
    void fontsReadable();
    void qtDialogsTranslated_data();
    void qtDialogsTranslated();

private:
    void addLanguages(bool withEnglish);
    std::unique_ptr<translated_window> f;
};

void tst_translated_window::cleanup()
{
    f.reset();
}

void tst_translated_window::addLanguages(bool withEnglish)
{
    QTest::addColumn<QString>("code");
    if (withEnglish)
        QTest::newRow("en") << "en";
    QTest::newRow("pl") << "pl";
    QTest::newRow("de") << "de";
}

void tst_translated_window::shownTranslated_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("en") << "en"
                        << QStringList{"&File", "&Open file", "Open configuration file", "Scenes", "Remote Control",
                                       "Connect with KD625", "Sequence No. 1", "Not connected!"};
    QTest::newRow("pl") << "pl"
                        << QStringList{"&Plik", "&Otwórz plik", "Otwórz plik konfiguracji", "Sceny", "Pilot",
                                       "Połącz z KD625", "Sekwencja nr 1", "Brak połączenia!"};
    QTest::newRow("de") << "de"
                        << QStringList{"&Datei", "Datei ö&ffnen", "Konfigurationsdatei öffnen", "Szenen",
                                       "Fernbedienung", "Verbinden", "Sequenz Nr. 1", "Nicht verbunden!"};
}

// A menu, its entry and status tip, the tabs, a right-panel button, a page's title and a
// message box read in the chosen language.
void tst_translated_window::shownTranslated()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    f = std::make_unique<translated_window>(code);
    QVERIFY(f->loaded);
    gui_class &w = *f->window;
    w.rightPanel->resetButton->click();  // not connected
    QCOMPARE(f->link.ui.messages.size(), 1);
    const QStringList shown = {w.fileMenu->title(),
                               w.openAction->text(),
                               w.openAction->statusTip(),
                               w.tabWidget_main->tabText(ScenesTab),
                               w.tabWidget_events->tabText(RemoteControlEventsTab),
                               w.rightPanel->connectButton->text(),
                               w.sequencePage->sequenceLabel->text(),
                               f->link.ui.messages.first().text};
    QCOMPARE(shown, expected);
}

void tst_translated_window::languagesAndTitlesStayUntranslated_data()
{
    addLanguages(true);
}

// The names of the languages, the application name on message boxes and the clock's
// placeholder read the same in every language.
void tst_translated_window::languagesAndTitlesStayUntranslated()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code);
    gui_class &w = *f->window;
    QStringList names;
    for (const QAction *action : w.languageMenu->actions())
        names << action->text();
    QCOMPARE(names, QStringList({"English", "Polski", "Deutsch"}));
    w.rightPanel->resetButton->click();
    QCOMPARE(f->link.ui.messageTitles(), QStringList({"Varidex625"}));
    QCOMPARE(w.windowTitle(), QStringLiteral("Varidex625"));
    QCOMPARE(w.rightPanel->clockLabel->text(), QStringLiteral("------,  --.--.----  --:--:--"));
}

void tst_translated_window::menuAccelerators_data()
{
    addLanguages(true);
}

// Within the menu bar and within each menu, every entry has its own accelerator.
void tst_translated_window::menuAccelerators()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code);
    gui_class &w = *f->window;
    QStringList collisions = acceleratorCollisions(w.menubar->actions());
    int withAccelerator = 0;
    for (const QAction *title : w.menubar->actions()) {
        QVERIFY(title->menu());
        collisions << acceleratorCollisions(title->menu()->actions());
        withAccelerator += mnemonic(title->text()).isEmpty() ? 0 : 1;
        for (const QAction *entry : title->menu()->actions())
            withAccelerator += mnemonic(entry->text()).isEmpty() ? 0 : 1;
    }
    QVERIFY2(collisions.isEmpty(), qPrintable(collisions.join('\n')));
    QCOMPARE(withAccelerator, 5 + 4 + 4 + 3 + 2);  // the titles, File, Views, Upgrade, Help
}

void tst_translated_window::hoveredMenuShowsItsTip_data()
{
    addLanguages(true);
}

// The window tells a hovered menu by its title, so each translated title must match the
// translated word it is compared with.
void tst_translated_window::hoveredMenuShowsItsTip()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code);
    gui_class &w = *f->window;
    for (QMenu *menu : {w.fileMenu, w.upgradeMenu, w.helpMenu, w.languageMenu}) {
        w.statusbar->showMessage(QStringLiteral("before"));
        w.slotMenuHovered(menu->menuAction());
        QCOMPARE(w.statusbar->currentMessage(), menu->statusTip());
        QVERIFY(menu->statusTip() != QLatin1String("before"));
    }
}

void tst_translated_window::textsFit_data()
{
    addLanguages(true);
}

// Every text with a fixed room fits it, in English as translated, on every page with the
// full configuration: the widgets have fixed sizes, so a text (or its translation) must be
// short enough for the room it has, no text may run into the widget beside it, and no
// control may reach beyond the frame that holds it.
void tst_translated_window::textsFit()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    QStringList faults;
    visitEveryState(*f->window, [&](const QString &state) {
        for (const QString &crowded : crowdedTexts(f->window.get()) + controlsBeyondTheirFrames(f->window.get()))
            faults << state + QStringLiteral(": ") + crowded;
    });
    const QList<text_place> places = fixedTexts(f->window.get());
    QVERIFY(places.size() > 300);  // the texts were seen, not skipped
    faults << cutTexts(places);
    faults.removeDuplicates();
    QVERIFY2(noneListed(faults), "texts cut or crowded (listed above)");
}

void tst_translated_window::listRowsFit_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("full");
    for (const char *code : {"en", "pl", "de"}) {
        QTest::addRow("%s empty", code) << QString::fromLatin1(code) << false;
        QTest::addRow("%s full", code) << QString::fromLatin1(code) << true;
    }
}

// Every row of each list and table (every tab of a page, every category of the Descriptions
// page, the DMX Output events of every channel, rows far below the first screen) fits its
// cell: the view elides nothing but descriptions, and those only at their end. Every row
// number fits its header, in bold too where the current row's number is drawn bold, and the
// columns still show whole beside row numbers of three digits (an event of more than a
// hundred actions). An empty configuration shows the rows' own texts ("no description"),
// the full one every area in use with its descriptions.
void tst_translated_window::listRowsFit()
{
    QFETCH(QString, code);
    QFETCH(bool, full);
    f = std::make_unique<translated_window>(code, full ? configuration_shown::Full : configuration_shown::Empty);
    QVERIFY(f->loaded);
    const int dmxOutputEvents = listEveryDmxOutputEvent(*f->window);
    lengthenShownActionLists(*f->window, *f->link.controller, LongActionList);
    const QList<text_place> places = shownCellTexts(*f->window, descriptionsOf(*f->link.controller));
    QCOMPARE(f->window->dmxOutEventsPage->eventList->rowCount(), dmxOutputEvents);
    QCOMPARE(f->window->inputEventsPage->actionEditor->actionTable->rowCount(), LongActionList);
    QVERIFY(places.size() > 10000);  // the rows were seen, every category and row, not skipped
    QVERIFY2(noneListed(cutTexts(places)), "rows elided by their view (listed above)");
}

void tst_translated_window::fontsReadable_data()
{
    addLanguages(true);
}

// Where a text is fitted to its widget by shrinking its font, the font stays readable and a
// heading reads at least as large as the texts under it: on every page with the full
// configuration.
void tst_translated_window::fontsReadable()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    QStringList faults;
    visitEveryState(*f->window, [&](const QString &) {});  // every page and tab built and shown once
    faults << unreadableFonts(f->window.get()) << smallHeadings(f->window.get());
    faults.removeDuplicates();
    QVERIFY2(noneListed(faults), "fonts too small (listed above)");
}

void tst_translated_window::qtDialogsTranslated_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("en") << "en" << "Cancel";
    QTest::newRow("pl") << "pl" << "Anuluj";
    QTest::newRow("de") << "de" << "Abbrechen";
}

// Qt's own texts (the standard buttons of a message box, the labels of the file dialog)
// speak the chosen language where the Qt installation translates them.
void tst_translated_window::qtDialogsTranslated()
{
    QFETCH(QString, code);
    QFETCH(QString, cancel);
    if (code != QLatin1String("en")
        && !QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + code
                              + QStringLiteral(".qm")))
        QSKIP("Qt's own translation of this language is not installed");
    f = std::make_unique<translated_window>(code);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Varidex625"), QStringLiteral("text"),
                    QMessageBox::Ok | QMessageBox::Cancel, f->window.get());
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);

    QFileDialog dialog(f->window.get());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QLabel *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    QVERIFY(lookIn);
    const bool english = code == QLatin1String("en");
    QCOMPARE(lookIn->text() == QLatin1String("Look in:"), english);
    const QDialogButtonBox *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), cancel);
}

QTEST_MAIN(tst_translated_window)
#include "tst_translated_window.moc"
