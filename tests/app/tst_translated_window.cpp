// The main window as a user sees it after choosing Polski or Deutsch: built under the
// translations the build makes, as main builds it after a language change.
#include "app/application_resources.h"
#include "app/clearConf_dialog.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "link/reconnectDialog.h"
#include "programs/aseq_settings_widget.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/support/page_tabs.h"
#include "widgets/main_tabs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The translation files the build makes beside the program.
QString builtTranslation(const QString &code)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_")) + code
        + QStringLiteral(".qm");
}

// The window on the simulated bus (no controller attached) with the three languages the
// build offers, the one of `code` installed; "en" installs none.
struct translated_window {
    explicit translated_window(const QString &code)
    {
        initApplicationResources();
        languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr},
                        {QStringLiteral("Polski"), QStringLiteral("pl"), &polish, nullptr},
                        {QStringLiteral("Deutsch"), QStringLiteral("de"), &german, nullptr}};
        loaded = polish.load(builtTranslation(QStringLiteral("pl")))
            && german.load(builtTranslation(QStringLiteral("de")));
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
        if (currentLanguage > 0)
            QCoreApplication::removeTranslator(languageList[currentLanguage].translator);
        languageList.clear();
        currentLanguage = -1;
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
// a name for the place, and whether the text fits it. Labels that wrap and pictures are left
// out; a button's and a box's text need the room their frame and indicator take beside it.
struct text_place {
    QString text;
    int needed;  // pixels
    int room;
    bool fits() const { return needed <= room; }
};

QList<text_place> fixedTexts(QWidget *root)
{
    QList<text_place> places;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const int room = label->contentsRect().width() - 2 * label->margin() - qMax(label->indent(), 0);
            places << text_place{label->text(), widestLine(metrics, label->text()), room};
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
        f = std::make_unique<translated_window>(language);
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
            clipped << QStringLiteral("\"%1\" needs %2 pixels, has %3 (English \"%4\")")
                           .arg(translated[i].text).arg(translated[i].needed).arg(translated[i].room).arg(english[i].text);
    }
    for (const QString &text : clipped)
        qInfo("%s", qPrintable(text));
    QVERIFY2(clipped.isEmpty(), "translations longer than their widgets (listed above)");
}

QTEST_MAIN(tst_translated_window)
#include "tst_translated_window.moc"
