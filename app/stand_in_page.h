#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QFontMetrics;
class QTableWidget;

// A page whose editor is not built yet stands in with what the main window needs of it:
// the members, slots and signals it calls or connects, and a short note in the page that
// says the editor is missing. What the window asked of the stand-ins is kept in order in
// standInCalls(), so the window's reload and refresh order can be seen.
class stand_in_page : public QWidget
{
    Q_OBJECT

public:
    // A page filling its parent (a tab page), with the note at its top.
    stand_in_page(const QString &note, QWidget *parent);

    // Row height of the pages' tables.
    static constexpr int RowHeight = 22;

    // The tab widgets' bold font stops at the page: its contents use the normal weight.
    static void useNormalWeight(QWidget *page);

    // A description as a list row shows it: elided to width, or "no description".
    static QString descriptionText(const QString &description, const QFontMetrics &metrics, int width);
    // Sets a cell's text, making its item when there is none yet.
    static void setCellText(QTableWidget *table, int row, int column, const QString &text);

    // The note as a label on a widget of a page, at (x, y) and as wide as the page allows.
    static QWidget *addNote(const QString &note, QWidget *page, int x = 10, int y = 10);
};

// The calls the window made on stand-in pages, oldest first ("scenes.refresh",
// "programs.sceneCountChange 0 true"); recordStandInCall appends one.
QStringList &standInCalls();
void recordStandInCall(const QString &call);
