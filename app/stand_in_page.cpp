#include "app/stand_in_page.h"

#include <QLabel>

namespace {

// The size of a tab page of the main window's tab widgets.
constexpr int PageWidth = 845;
constexpr int PageHeight = 650;

} // namespace

stand_in_page::stand_in_page(const QString &note, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, PageWidth, PageHeight);
    useNormalWeight(this);
    addNote(note, this);
}

void stand_in_page::useNormalWeight(QWidget *page)
{
    QFont normal = page->font();
    normal.setBold(false);
    page->setFont(normal);
}

QWidget *stand_in_page::addNote(const QString &note, QWidget *page, int x, int y)
{
    auto *label = new QLabel(note, page);
    label->setObjectName(QStringLiteral("standInNote"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: rgb(110, 110, 110); font-style: italic; font-weight: normal;"));
    const int width = (page->width() > x + 20 ? page->width() : PageWidth) - x - 10;
    label->setGeometry(x, y, width, label->heightForWidth(width));
    return label;
}

QStringList &standInCalls()
{
    static QStringList calls;
    return calls;
}

void recordStandInCall(const QString &call)
{
    standInCalls().append(call);
}
