#include "tests/support/main_window_fixture.h"

#include "app/application_resources.h"
#include "app/language_list.h"
#include "app/widget_user_interaction.h"
#include "widgets/font_substitutes.h"

#include <QTabWidget>

main_window_fixture::main_window_fixture()
{
    substituteWindowsFonts();  // texts measured with the faces the program shows
    initApplicationResources();
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;
    requestedLanguage = -1;
    window = std::make_unique<gui_class>(controller.get());
}

main_window_fixture::~main_window_fixture()
{
    window.reset();
    mainWindow = nullptr;
    languageList.clear();
    currentLanguage = -1;
}

QStringList main_window_fixture::tearDown(std::unique_ptr<main_window_fixture> &fixture)
{
    const QStringList problems = fixture->bus.problems();
    fixture.reset();
    return problems;
}

bool main_window_fixture::showsTab(const QWidget *page, const QString &title)
{
    for (const QTabWidget *tabs : page->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == title)
                return true;
        }
    }
    return false;
}
