#include "widgets/stand_in_page.h"

#include <QLabel>

stand_in_page::stand_in_page(const QString &note, QWidget *parent)
    : page_base(parent)
{
    addNote(note, this);
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
