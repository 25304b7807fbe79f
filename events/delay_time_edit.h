#pragma once

#include "model/types.h"

#include <QWidget>

class MyTimeEdit;
class QCheckBox;
class QPushButton;

// The small editor of one delay's time that the Delays page opens over its list: a time
// of 0.1 s to 23 h 59 min 59.9 s, or no time at all ("Defined" unchecked). "O.K." asks for
// the time to be stored and closes, "Cancel" only closes, and so does any other way out.
// Shown as a popup, it closes on a press outside it and passes that press on to the widget
// it was aimed at.
class delayTimeEdit : public QWidget
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit delayTimeEdit(QWidget *parent);

    // The editor's own size.
    static constexpr int Width = 230;
    static constexpr int Height = 72;
    // A time the editor returns when "Defined" is unchecked.
    static constexpr u32 Undefined = 0xFFFFFFFF;

    // True only while "O.K." asks for the time to be stored: the view commits an editor on
    // its own too (when the editor closes or the current cell moves on), and the editor
    // promises to store on "O.K." only.
    bool confirming() const { return okPressed; }

    // ============================================================ widgets
    MyTimeEdit *timeField = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QCheckBox *definedBox = nullptr;

signals:
    void abort(QWidget *editor);
    void save(QWidget *editor);

public slots:
    void newCheckState(int state);
    // The time shown in tenths of a second, or Undefined.
    u32 value();
    // Shows a time in tenths of a second; one outside 1..864000 as no time.
    void setValue(u32 tenths);
    void slotAbort();
    void slotSave();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createWidgets();
    void connectSignals();

    // A stored time of a whole day (864000 tenths) is one tenth more than the time field
    // can show: it shows 23:59:59.9, and the day is kept while that time is left as it is.
    bool showsWholeDay = false;
    bool okPressed = false;
};
