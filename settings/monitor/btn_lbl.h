#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The title cell of a row of the internal-states window: the row's title above a checkable
// "Descr." button that makes the row list its items with their descriptions. The row
// changes at the window's next redraw, one polling period later at the latest.
class btn_lbl : public QWidget
{
    Q_OBJECT

public:
    explicit btn_lbl(QWidget *parent);
    ~btn_lbl() override;

    // Where the title label lies in a title cell of that size (above the button).
    static QRect labelGeometry(const QSize &size);

    QLabel *label = nullptr;
    QPushButton *button = nullptr;
    // True while the button is toggled on.
    bool showDescriptions = false;

public slots:
    void changeState(bool on);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
