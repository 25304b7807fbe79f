#pragma once

#include <QTableWidget>

// The step table of the program page: one row per step of the current program.
class aprogram_conf_widget : public QTableWidget
{
    Q_OBJECT

public:
    explicit aprogram_conf_widget(QWidget *parent = nullptr);

    // Shows `steps` rows, numbered from 1.
    void setStepRows(int steps);
};
