#include "tests/support/main_window_fixture.h"

#include "app/application_resources.h"
#include "app/language_list.h"
#include "app/stand_in_page.h"
#include "app/widget_user_interaction.h"

main_window_fixture::main_window_fixture()
{
    initApplicationResources();
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;
    requestedLanguage = -1;
    window = std::make_unique<gui_class>(controller.get());
    clearCalls();
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

void main_window_fixture::clearCalls()
{
    standInCalls().clear();
}
