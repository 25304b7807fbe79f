#pragma once

#include "widgets/page_base.h"

#include <QBrush>
#include <QList>
#include <QRect>
#include <QStringList>

class QAbstractItemModel;
class QFontMetrics;
class QLabel;
class QLineEdit;
class QTableWidget;
class aevents_conf_widget;

// The frame every event page is built on: the list of the page's events, a title naming
// the current event, the action editor over that event's actions, a line with the
// description of the selected action's target, and the event's own description line.
// Descriptions are stored the moment their line is confirmed; actions as they are edited.
//
// A page gives the frame its kind (its tab's index in the Events tab widget, which it
// hands to its action editor), builds it with createFrame() and connectFrame(), and says
// what its rows and labels read (eventOfRow, rowText, titleText). Its row-change slot
// sets the new event with setCurrentEvent(), does what is its own, then
// leaveNoActionSelected() and refresh().
class aevents_page_base : public page_base
{
    Q_OBJECT

public:
    // ============================================================ the configuration shown
    // The kind this page gives its action editor (event_page_kind).
    int eventPageKind() const { return pageKind; }

    // Rewrites every row, the title label and the description line from the configuration
    // and redraws the action editor.
    virtual void refresh();

    // The event whose actions and description the page shows.
    int currentEvent = 0;

    // ============================================================ widgets
    QAbstractItemModel *eventListModel = nullptr;
    aevents_conf_widget *actionEditor = nullptr;
    QTableWidget *eventList = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *descLabel = nullptr;
    QLineEdit *descLine = nullptr;
    QLineEdit *targetDescLine = nullptr;

public slots:
    // Shows the description of the selected action's target (object type, 0-based number).
    void descChange(int type, int number);
    // Stores the description line, trimmed, as the current event's description.
    void changeDesc();

protected:
    // ============================================================ construction
    aevents_page_base(int kind, QWidget *parent);

    struct frame_layout {
        QRect list;
        QRect title;
        QRect editor;
        QRect targetDescription;  // inside the editor's rectangle, under its table
        QRect descriptionLabel;
        QRect descriptionLine;
    };
    // Where the Inputs, Internal Events and DMX Output pages put the frame.
    static const frame_layout StandardLayout;
    // Width of the one column of those pages' lists.
    static constexpr int StandardColumnWidth = 180;

    // Builds the frame's widgets; the list has `rows` rows, one column per header, and
    // its row 0 selected.
    void createFrame(const frame_layout &layout, int rows, const QStringList &headers, const QList<int> &columnWidths);
    // Connects the description line and the action table to the frame's slots. (The page
    // connects its list to its own row-change slot.)
    void connectFrame();

    // ============================================================ rows and labels
    // The event of a row of the list.
    virtual int eventOfRow(int row) const = 0;
    // A row's text before it is elided.
    virtual QString rowText(int row) const = 0;
    virtual QString titleText() const = 0;
    // The description line after a refresh: the current event's description.
    virtual QString descriptionLineText() const;
    // After changeDesc() stored a description: rewrites the current row's text.
    virtual void descriptionStored();

    // Every row's text and colour.
    void refreshRows();
    // A row's text elided at the right to twice the width of the list's first column.
    void setRowText(int row, const QString &text, const QFontMetrics &metrics);
    int rowTextWidth() const;
    // An event's row background: pale green while the event has actions, else the ordinary one.
    static QBrush rowBrush(int event);
    // Gives every cell of the row the event's background.
    void colourRow(int row, int event);

    // ============================================================ changing the event
    // The page's current event and the action editor's.
    void setCurrentEvent(int event);
    // No action selected and no target description, after the event changed.
    void leaveNoActionSelected();

private:
    const int pageKind;
};
