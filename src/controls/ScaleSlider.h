#pragma once

#include <QSlider>

// A horizontal slider with tick marks, reporting when the user lets go of it.
class TScaleSlider : public QSlider
{
    Q_OBJECT
public:
    explicit TScaleSlider(QWidget *parent = nullptr);

    // Sets range and position together, ticks spaced for about ten steps.
    void SetRange(int minimum, int maximum, int position);

signals:
    // The thumb was released (after a drag) or moved by keyboard or a click.
    void TrackEnd(int position);
};
