#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QSpinBox;

// One channel strip: a number label over a vertical slider, with a spin box below that
// always shows the slider's level (0..255).
//
// The strip object holds the strip's channel and reports its level; what the user sees is
// its panel, placed on the parent handed to the constructor. The strip object itself is a
// hidden child of that parent, so the parent owns both.
class admx_slider_widget : public QWidget
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    // Channel 0 makes the lone "Value" strip; 1..10 the strips of the channel pages. The
    // panel goes to (x, y) on the parent.
    admx_slider_widget(int channel, int x, int y, QWidget *parent);
    // Only the strip object goes: the panel and its controls belong to the parent.
    ~admx_slider_widget() override;

    // --- The channel it shows -----------------------------------------------------------
    int baseChannel;  // given to the constructor
    int channel;      // 1-based channel shown: baseChannel plus the channel page's offset

    // --- Widgets --------------------------------------------------------------------------
    QWidget *panel = nullptr;
    QLabel *stripLabel = nullptr;
    QSlider *slider = nullptr;
    QSpinBox *spinBox = nullptr;

    static constexpr int PanelWidth = 67;
    static constexpr int PanelHeight = 200;

signals:
    // (0-based channel, level): once for every change of the level; -1 for the value strip.
    void chValCh(int channel, int level);

public slots:
    // Shows the channel `offset` channels above the strip's own.
    void setChannel(int offset);
    void emitChannelChanges(int level);

private:
    QString labelText() const;
};
