#include "tests/support/page_fixture.h"

#include "widgets/font_substitutes.h"
#include "widgets/page_base.h"

page_fixture::page_fixture()
    : tabPage(std::make_unique<QWidget>())
{
    substituteWindowsFonts();  // texts measured with the faces the program shows
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    tabPage->resize(page_base::PageWidth, page_base::PageHeight);
}

page_fixture::~page_fixture()
{
    tabPage.reset();
}

QStringList page_fixture::tearDown(std::unique_ptr<page_fixture> &fixture)
{
    const QStringList problems = fixture->bus.problems();
    fixture.reset();
    return problems;
}
