#include "controls/ScaleSlider.h"

#include <algorithm>

TScaleSlider::TScaleSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QSlider::sliderReleased, this, [this] { emit TrackEnd(value()); });
    connect(this, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove && !isSliderDown()) {
            // The value changes after this signal; report the new one.
            const int position = sliderPosition();
            emit TrackEnd(position);
        }
    });
}

void TScaleSlider::SetRange(int minimum, int maximum, int position)
{
    setRange(minimum, std::max(minimum, maximum));
    setTickInterval(std::max(1, (maximum - minimum) / 10));
    setPageStep(std::max(1, (maximum - minimum) / 10));
    setValue(position);
}
