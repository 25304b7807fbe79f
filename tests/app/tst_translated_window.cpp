// The main window as a user sees it after choosing Polski or Deutsch: built under the
// translations the build makes, as main builds it after a language change.
#include "app/application_resources.h"
#include "app/clearConf_dialog.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "link/reconnectDialog.h"
#include "model/image_layout.h"
#include "programs/aseq_settings_widget.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/pokaz.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_tabs.h"
#include "widgets/font_substitutes.h"
#include "widgets/main_tabs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
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
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The translation files the build makes beside the program.
QString builtTranslation(const QString &code)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_")) + code
        + QStringLiteral(".qm");
}

// Whether the window shows an empty configuration or the fully populated one of the
// configuration fixture (every scene, program, event and description in use).
enum class configuration_shown { Empty, Full };

// An internal-states report that lists something in every row: states A1 B3 C1 D2, scenes
// 5, 12 and 130, programs 3 and 17 at a step, masks 1 and 7, delay 2. Its last whole word
// balances the sum to zero.
QByteArray reportWithEveryRow()
{
    const QList<QPair<int, int>> words = {
        {0, 3}, {1, 0}, {2, 2}, {3, 3}, {4, 2}, {5, 7}, {6, 1}, {7, 9},  // counts and list starts
        {8, 0x1}, {9, 0x0104}, {10, 0x0002},                            // A1 B3 C1 D2
        {13, 4}, {14, 129}, {15, 11},                                  // scenes
        {16, 16}, {17, 0}, {18, 2}, {19, 3},                           // programs and steps
        {20, 0}, {21, 6},                                              // masks
        {22, 1}};                                                      // delay
    QByteArray report(52, '\0');
    for (const auto &[word, value] : words)
        qToLittleEndian<u16>(u16(value), report.data() + 2 * word);
    u32 sum = 0;
    for (int i = 0; i + 1 < report.size() / 4; ++i)
        sum += qFromLittleEndian<u32>(report.constData() + 4 * i);
    qToLittleEndian<u32>(0u - sum, report.data() + report.size() - 4);
    return report;
}

// The window on the simulated bus (no controller attached) with the three languages the
// build offers, each with Qt's own translation where the Qt installation has one, the one
// of `code` installed; "en" installs none.
struct translated_window {
    explicit translated_window(const QString &code, configuration_shown shown = configuration_shown::Empty)
    {
        substituteWindowsFonts();
        initApplicationResources();
        languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr},
                        {QStringLiteral("Polski"), QStringLiteral("pl"), &polish, nullptr,
                         qtTranslationFor(QStringLiteral("pl"), &polish)},
                        {QStringLiteral("Deutsch"), QStringLiteral("de"), &german, nullptr,
                         qtTranslationFor(QStringLiteral("de"), &german)}};
        loaded = polish.load(builtTranslation(QStringLiteral("pl")))
            && german.load(builtTranslation(QStringLiteral("de")));
        if (shown == configuration_shown::Full)
            populateConfiguration(*link.controller);
        currentLanguage = -1;
        requestedLanguage = -1;
        for (int i = 0; i < languageList.size(); ++i) {
            if (languageList[i].code == code)
                installLanguage(i);
        }
        window = std::make_unique<gui_class>(link.controller.get());
    }
    ~translated_window()
    {
        window.reset();
        mainWindow = nullptr;
        installLanguage(0);
        languageList.clear();
        currentLanguage = -1;
    }

    // Attaches a controller to the bus, connects to it and opens the monitor's three windows
    // on what it shows: inputs unused, off and on, DMX values up to 255, and a report with
    // something in every row. The windows; fewer when one did not open.
    QList<pokaz *> openMonitorWindows()
    {
        sim_device &device = link.bus.addDevice(QStringLiteral("005F1234-0042"));
        device.stateFlag = 1;
        auto *memory = device.findEngine<sim_config_memory_engine>();
        for (u32 input = 0; input < image_layout::InputCount; ++input)  // unused, open, closed in turn
            qToLittleEndian<i32>(i32(input % 3) - 1, memory->memory.data() + image_layout::inputType(input));
        auto *shown = device.findEngine<sim_monitor_engine>();
        shown->inputStates = 0x5A3C96;
        for (int c = 0; c < sim_monitor_engine::DmxChannels; ++c)
            shown->dmxOutput[size_t(c)] = u8(255 - 4 * c);
        shown->internalStates = reportWithEveryRow();
        window->show();
        QList<pokaz *> windows;
        if (!link.connectAndReset())
            return windows;
        ctrl_monitor *monitor = window->monitor;
        monitor->inputsButton->click();
        monitor->dmxButton->click();
        monitor->statesButton->click();
        QApplication::processEvents();
        for (pokaz *opened : {monitor->inputsWindow, monitor->dmxWindow, monitor->statesWindow}) {
            if (opened)
                windows << opened;
        }
        return windows;
    }

    sim_link_fixture link;
    QTranslator polish;
    QTranslator german;
    bool loaded = false;
    std::unique_ptr<gui_class> window;
};

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

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

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Every text of the window that has a fixed room, in the order the window's widgets come:
// a name for the place, and whether the text fits it. A label that wraps needs its widest
// word across and its lines down; pictures are left out; a button's and a box's text need
// the room their frame and indicator take beside it.
struct text_place {
    QString text;
    int needed;  // pixels
    int room;
    QString where = QString();  // the widget, where the text alone does not tell
    bool fits() const { return needed <= room; }
};

QList<text_place> fixedTexts(QWidget *root)
{
    QList<text_place> places;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const int room = label->contentsRect().width() - 2 * label->margin() - qMax(label->indent(), 0);
            if (!label->wordWrap()) {
                places << text_place{label->text(), widestLine(metrics, label->text()), room};
                continue;
            }
            // A word longer than the line runs over both edges; lines below the label's
            // height are not drawn.
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX),
                                                       int(label->alignment()) | Qt::TextWordWrap, label->text());
            const int height = label->contentsRect().height() - 2 * label->margin();
            places << text_place{label->text(), wrapped.width(), room, QStringLiteral("widest word")}
                   << text_place{label->text(), wrapped.height(), height, QStringLiteral("lines' height")};
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            const int iconRoom = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            places << text_place{button->text(), widestLine(metrics, withoutMnemonic(button->text())) + iconRoom + 6,
                                 button->width()};
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {  // check and radio boxes
            if (button->text().isEmpty())
                continue;
            places << text_place{button->text(), button->sizeHint().width(), button->width()};
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            if (box->title().isEmpty())
                continue;
            places << text_place{box->title(), metrics.horizontalAdvance(withoutMnemonic(box->title())) + 16,
                                 box->width()};
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
            for (int i = 0; i < combo->count(); ++i)
                places << text_place{combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)) + arrow + 8,
                                     combo->width()};
        } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            QStringList titles;
            for (int i = 0; i < tabs->count(); ++i)
                titles << tabs->tabText(i);
            places << text_place{titles.join(QStringLiteral(" | ")), tabs->tabBar()->sizeHint().width(), tabs->width()};
        } else if (auto *view = qobject_cast<QTableView *>(widget)) {
            const QHeaderView *header = view->horizontalHeader();
            if (!view->model() || header->isHidden())
                continue;
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
                if (title.isEmpty() || header->isSectionHidden(column))
                    continue;
                places << text_place{title, widestLine(header->fontMetrics(), title) + 8, header->sectionSize(column)};
            }
        }
    }
    return places;
}

// The options the view's delegate paints a cell with: the view's font and alignment, then
// what the item itself asks for (its font, alignment, check box and picture).
QStyleOptionViewItem cellOption(const QAbstractItemView *view, const QModelIndex &index)
{
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.font = view->font();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = view->textElideMode();
    option.index = index;
    const QVariant font = index.data(Qt::FontRole);
    if (font.isValid())
        option.font = qvariant_cast<QFont>(font).resolve(option.font);
    option.fontMetrics = QFontMetrics(option.font);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid())
        option.displayAlignment = Qt::Alignment(alignment.toInt());
    if (index.data(Qt::CheckStateRole).isValid())
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
    if (index.data(Qt::DecorationRole).isValid()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        const int side = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
        option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(side, side);
    }
    const QVariant display = index.data(Qt::DisplayRole);
    if (display.isValid() && !display.isNull()) {
        option.features |= QStyleOptionViewItem::HasDisplay;
        auto *delegate = qobject_cast<QStyledItemDelegate *>(view->itemDelegateForIndex(index));
        option.text = delegate ? delegate->displayText(display, option.locale) : display.toString();
    }
    return option;
}

// Every description text of the configuration, sorted: what a list may shorten.
QStringList descriptionsOf(const controller_configuration_class &c)
{
    QStringList texts;
    auto add = [&texts](const auto &array) {
        for (const QString &text : array) {
            if (!text.isEmpty())
                texts << text;
        }
    };
    add(c.sceneDescs);
    add(c.maskDescs);
    add(c.programDescs);
    add(c.eventDescs);
    add(c.stateDescs);
    add(c.inputDescs);
    add(c.rcuKeyDescs);
    texts.sort();
    return texts;
}

// True when text is one of the descriptions, or the start of one shortened with an ellipsis.
bool isDescription(const QString &text, const QStringList &descriptions)
{
    const QString start = text.endsWith(QChar(0x2026)) ? text.chopped(1) : text;
    const auto it = std::lower_bound(descriptions.cbegin(), descriptions.cend(), start);
    return it != descriptions.cend() && (text == start ? *it == start : it->startsWith(start));
}

// The words a row shows after its name where its item has no description, in the
// installed language, as the pages with such rows translate them.
QStringList noDescriptionTexts()
{
    QStringList texts;
    for (const char *context : {"page_base", "aevents_inputs_widget", "aevents_dmxout_widget", "aevents_ired_widget",
                                "aevents_vkeys_widget", "aprogram_settings_widget"})
        texts << QCoreApplication::translate(context, "no description");
    texts.removeDuplicates();
    return texts;
}

// What of a cell's text must show whole. A row that names its item and then adds what the
// user wrote ("Input 3 (On) - <description>", or "no description") may lose the end to the
// ellipsis, as long as the name and the dash show; a description standing alone may be
// shortened too; every other text shows whole.
QString wholePart(const QString &text, const QStringList &descriptions)
{
    static const QString dash = QStringLiteral(" - ");
    const int named = int(text.indexOf(dash));
    if (named > 0) {
        const QString added = text.mid(named + dash.size());
        if (isDescription(added, descriptions) || noDescriptionTexts().contains(added))
            return text.left(named + dash.size()) + QChar(0x2026);
    }
    return isDescription(text, descriptions) ? QString() : text;
}

// The text of every cell the view shows (the rows within its viewport) against the room
// its delegate gives the text: the cell's text rectangle less the margins the style leaves
// beside a text. A text wider than that is elided by the view. Cells that hold a widget of
// their own are that widget's business.
QList<text_place> cellTexts(const QAbstractItemView *view, const QStringList &descriptions)
{
    QList<text_place> places;
    const QAbstractItemModel *model = view->model();
    if (!model)
        return places;
    const QRect shown = view->viewport()->rect();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QRect cell = view->visualRect(index);
            if (!cell.isValid() || !shown.intersects(cell) || view->indexWidget(index))
                continue;
            const QStyleOptionViewItem option = cellOption(view, index);
            const QString whole = wholePart(option.text, descriptions);
            if (whole.isEmpty())
                continue;
            const QRect text = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
            places << text_place{option.text, widestLine(option.fontMetrics, whole) + 2 * margin, text.width(),
                                 QStringLiteral("column %1 of %2").arg(column).arg(QLatin1String(view->parentWidget()->metaObject()->className()))};
        }
    }
    return places;
}

// A font the window fitted to its room may shrink, but not below what still reads.
constexpr qreal SmallestReadablePointSize = 8;

// Every widget under root whose text is drawn in a font smaller than that, and every cell
// of a view whose item asks for one: a name for the place and the size.
QStringList unreadableFonts(QWidget *root)
{
    QStringList found;
    auto check = [&found](const QFont &font, const QString &where) {
        if (font.pointSizeF() > 0 && font.pointSizeF() < SmallestReadablePointSize)
            found << QStringLiteral("%1: %2 pt").arg(where).arg(font.pointSizeF());
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            text = box->title();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            text = combo->currentText();
        if (!text.isEmpty())
            check(widget->font(), QStringLiteral("\"%1\" (%2)").arg(text, QLatin1String(widget->metaObject()->className())));
        if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
            check(view->font(), QLatin1String(view->metaObject()->className()));
            if (auto *table = qobject_cast<QTableView *>(view))
                check(table->horizontalHeader()->font(), QStringLiteral("header of ") + view->objectName());
            const QAbstractItemModel *model = view->model();
            for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row) {
                for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                    const QVariant font = model->index(row, column, view->rootIndex()).data(Qt::FontRole);
                    if (font.isValid())
                        check(qvariant_cast<QFont>(font), QStringLiteral("cell %1,%2").arg(row).arg(column));
                }
            }
        }
    }
    return found;
}

// The places of every list and table the user sees on every page of the window, each tab of
// a page's own tab widgets chosen in turn; each view once.
QList<text_place> shownCellTexts(gui_class &window, const QStringList &descriptions)
{
    QList<text_place> places;
    QSet<const QAbstractItemView *> seen;
    auto collect = [&]() {
        QApplication::processEvents();
        for (const QAbstractItemView *view : window.findChildren<QAbstractItemView *>()) {
            if (view->isVisible() && !seen.contains(view) && !qobject_cast<const QHeaderView *>(view)) {
                seen.insert(view);
                places << cellTexts(view, descriptions);
            }
        }
    };
    window.show();
    for (int i = 0; i < pageTabCount; ++i) {
        showPage(window, pageTabs[i]);
        collect();
        QWidget *page = window.tabWidget_main->currentWidget();
        for (QTabWidget *tabs : page->findChildren<QTabWidget *>()) {
            if (tabs == window.tabWidget_events || tabs == window.tabWidget_settings || !tabs->isVisible())
                continue;
            const int first = tabs->currentIndex();
            for (int t = 0; t < tabs->count(); ++t) {
                if (!tabs->isTabEnabled(t) || !tabs->isTabVisible(t))
                    continue;
                tabs->setCurrentIndex(t);
                collect();
            }
            tabs->setCurrentIndex(first);
        }
    }
    return places;
}

QStringList cutTexts(const QList<text_place> &places)
{
    QStringList cut;
    for (const text_place &place : places) {
        if (!place.fits())
            cut << QStringLiteral("\"%1\" needs %2 pixels, has %3 (%4)")
                       .arg(place.text)
                       .arg(place.needed)
                       .arg(place.room)
                       .arg(place.where);
    }
    cut.removeDuplicates();
    return cut;
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
    void textsFitAsInEnglish_data();
    void textsFitAsInEnglish();
    void listRowsFit_data();
    void listRowsFit();
    void fontsReadable_data();
    void fontsReadable();
    void monitorTextsWhole_data();
    void monitorTextsWhole();
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

void tst_translated_window::textsFitAsInEnglish_data()
{
    addLanguages(false);
}

// Every text that fits its widget in English fits it translated: the widgets have fixed
// sizes, so a translation must be short enough for the room the English text has.
void tst_translated_window::textsFitAsInEnglish()
{
    QFETCH(QString, code);
    auto placesOf = [this](const QString &language) {
        f = std::make_unique<translated_window>(language, configuration_shown::Full);
        for (int i = 0; i < pageTabCount; ++i)
            showPage(*f->window, pageTabs[i]);
        QList<text_place> places = fixedTexts(f->window.get());
        // The dialogs the window opens.
        clearConf_dialog clear;
        places << fixedTexts(&clear);
        reconnectDialog reconnect({QStringLiteral("005F1234-0042")}, nullptr);
        places << fixedTexts(&reconnect);
        f.reset();
        return places;
    };
    const QList<text_place> english = placesOf(QStringLiteral("en"));
    const QList<text_place> translated = placesOf(code);
    QCOMPARE(translated.size(), english.size());
    QStringList clipped;
    for (int i = 0; i < english.size(); ++i) {
        if (english[i].fits() && !translated[i].fits())
            clipped << QStringLiteral("\"%1\" needs %2 pixels, has %3 (English \"%4\"%5)")
                           .arg(translated[i].text).arg(translated[i].needed).arg(translated[i].room)
                           .arg(english[i].text)
                           .arg(translated[i].where.isEmpty() ? QString() : QStringLiteral(", ") + translated[i].where);
    }
    for (const QString &text : clipped)
        qInfo("%s", qPrintable(text));
    QVERIFY2(clipped.isEmpty(), "translations longer than their widgets (listed above)");
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

// The rows each list and table shows on every page (every tab of a page), and the
// controller list of the reconnect dialog, fit their cells: the view elides nothing but
// descriptions (see wholePart). An empty configuration shows the rows' own texts ("no description"), the full one every
// area in use with its descriptions.
void tst_translated_window::listRowsFit()
{
    QFETCH(QString, code);
    QFETCH(bool, full);
    f = std::make_unique<translated_window>(code, full ? configuration_shown::Full : configuration_shown::Empty);
    QVERIFY(f->loaded);
    const QStringList descriptions = descriptionsOf(*f->link.controller);
    QList<text_place> places = shownCellTexts(*f->window, descriptions);
    QVERIFY(places.size() > 300);  // the rows were seen, not skipped
    reconnectDialog reconnect({QStringLiteral("005F1234-0042"), QStringLiteral("005F1234-0043")}, nullptr);
    reconnect.show();
    for (const QAbstractItemView *view : reconnect.findChildren<QAbstractItemView *>())
        places << cellTexts(view, descriptions);
    const QStringList cut = cutTexts(places);
    for (const QString &text : cut)
        qInfo("%s", qPrintable(text));
    QVERIFY2(cut.isEmpty(), "rows elided by their view (listed above)");
}

void tst_translated_window::fontsReadable_data()
{
    addLanguages(true);
}

// Where a text is fitted to its widget by shrinking its font, the font stays readable: on
// every page with the full configuration, in the monitor's three windows, and in the clear
// and reconnect dialogs.
void tst_translated_window::fontsReadable()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    (void)shownCellTexts(*f->window, QStringList());  // every page and tab built and shown once
    const QList<pokaz *> monitorWindows = f->openMonitorWindows();
    QCOMPARE(monitorWindows.size(), 3);
    QStringList small = unreadableFonts(f->window.get());
    for (pokaz *window : monitorWindows)
        small << unreadableFonts(window);
    clearConf_dialog clear;
    small << unreadableFonts(&clear);
    reconnectDialog reconnect({QStringLiteral("005F1234-0042")}, nullptr);
    small << unreadableFonts(&reconnect);
    small.removeDuplicates();
    for (const QString &text : small)
        qInfo("%s", qPrintable(text));
    QVERIFY2(small.isEmpty(), "fonts below 8 points (listed above)");
}

void tst_translated_window::monitorTextsWhole_data()
{
    addLanguages(true);
}

// The monitor's windows, on a controller that shows something in every lamp, cell and row,
// show their texts whole: the lamps and values, the column headers, the row titles
// of the internal-states window with their "Descr." toggles, and the Stop buttons.
void tst_translated_window::monitorTextsWhole()
{
    QFETCH(QString, code);
    f = std::make_unique<translated_window>(code, configuration_shown::Full);
    QVERIFY(f->loaded);
    const QList<pokaz *> windows = f->openMonitorWindows();
    QCOMPARE(windows.size(), 3);
    QList<text_place> places;
    for (pokaz *window : windows)
        places << fixedTexts(window);
    // The lamps, the values, the column headers, the title cells (label across and down, and
    // the toggle) and the Stop buttons were all seen.
    QVERIFY(places.size() >= 24 + 64 + 10 + 5 * 3 + 3);
    const QStringList cut = cutTexts(places);
    for (const QString &text : cut)
        qInfo("%s", qPrintable(text));
    QVERIFY2(cut.isEmpty(), "texts cut in the monitor's windows (listed above)");
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
