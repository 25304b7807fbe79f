#pragma once

#include "widgets/page_base.h"

// A page whose editor is not built yet stands in with what the main window needs of it:
// the members, slots and signals it calls or connects, and a short note in the page that
// says the editor is missing.
class stand_in_page : public page_base
{
    Q_OBJECT

public:
    // A page filling its parent (a tab page), with the note at its top.
    stand_in_page(const QString &note, QWidget *parent);

    // The note as a label on a widget of a page, at (x, y) and as wide as the page allows.
    static QWidget *addNote(const QString &note, QWidget *page, int x = 10, int y = 10);
};
