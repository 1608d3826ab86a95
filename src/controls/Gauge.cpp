#include "controls/Gauge.h"

#include <QPainter>

#include <algorithm>

TGauge::TGauge(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TGauge::SetMinValue(int value)
{
    m_Min = value;
    m_Max = std::max(m_Max, m_Min);
    m_Progress = std::clamp(m_Progress, m_Min, m_Max);
    update();
}

void TGauge::SetMaxValue(int value)
{
    m_Max = value;
    m_Min = std::min(m_Min, m_Max);
    m_Progress = std::clamp(m_Progress, m_Min, m_Max);
    update();
}

void TGauge::SetProgress(int value)
{
    value = std::clamp(value, m_Min, m_Max);
    if (value == m_Progress)
        return;
    m_Progress = value;
    update();
}

void TGauge::SetShowText(bool show)
{
    m_ShowText = show;
    update();
}

int TGauge::PercentDone() const
{
    if (m_Max == m_Min)
        return 0;
    return static_cast<int>((qint64(m_Progress - m_Min) * 100) / (m_Max - m_Min));
}

QSize TGauge::sizeHint() const { return {120, 15}; }

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    QRect bar = frame.adjusted(1, 1, 0, 0);
    bar.setWidth(bar.width() * PercentDone() / 100);
    painter.fillRect(bar, palette().color(QPalette::Highlight));
    if (m_ShowText) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, QString::number(PercentDone()) + QLatin1Char('%'));
    }
}
