#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QBrush;
class QFontMetrics;
class QTableWidget;

// What every editor page shares: its place on a tab page, its fonts and colours, and the
// small helpers that fill its lists.
//
// A page is a child of its tab page and fills it. Its constructor calls a private
// createWidgets() and then connectSignals(); refresh() and reload() read the
// configuration of currentController and never write it back.
class page_base : public QWidget
{
    Q_OBJECT

public:
    // A page filling its parent (a tab page of the main window).
    explicit page_base(QWidget *parent);

    // The size of a tab page of the main window's tab widgets.
    static constexpr int PageWidth = 845;
    static constexpr int PageHeight = 650;
    // Row height of the pages' tables.
    static constexpr int RowHeight = 22;

    // Lists, buttons and labels; description lines.
    static QFont listFont();
    static QFont descriptionFont();
    // Background of an item in use (a scene with a level, an event with actions, a delay
    // an action starts, a coupling group with members); of a delay a sequence owns.
    static QColor inUseColour();
    static QColor sequenceOwnedColour();

    // The tab widgets' bold font stops at the page: its contents use the normal weight.
    static void useNormalWeight(QWidget *page);

    // A description as a list row shows it: elided to width, or "no description".
    static QString descriptionText(const QString &description, const QFontMetrics &metrics, int width);
    // Sets a cell's text, making its item when there is none yet.
    static void setCellText(QTableWidget *table, int row, int column, const QString &text);
    // The same with the cell's background: an item made here has both before it joins the
    // table, so that the table hears of it once.
    static void setCellText(QTableWidget *table, int row, int column, const QString &text,
                            const QBrush &background);
    // Sets a cell's text elided at the right to width, as metrics measure it. A cell made
    // here works the elision out when its text is first asked for (elided_text_item).
    static void setElidedCellText(QTableWidget *table, int row, int column, const QString &text,
                                  const QFontMetrics &metrics, int width);
    // The same with the cell's background, made whole before it joins the table.
    static void setElidedCellText(QTableWidget *table, int row, int column, const QString &text,
                                  const QFontMetrics &metrics, int width, const QBrush &background);
};
