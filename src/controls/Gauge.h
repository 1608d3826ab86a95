#pragma once

#include <QWidget>

// A flat progress bar with an optional caption ("42%") drawn across it.
class TGauge : public QWidget
{
    Q_OBJECT
public:
    explicit TGauge(QWidget *parent = nullptr);

    int MinValue() const { return m_Min; }
    int MaxValue() const { return m_Max; }
    int Progress() const { return m_Progress; }
    bool ShowText() const { return m_ShowText; }

    void SetMinValue(int value);
    void SetMaxValue(int value);
    void SetProgress(int value);
    void SetShowText(bool show);
    // Whole percent done, 0-100.
    int PercentDone() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_Min = 0;
    int m_Max = 100;
    int m_Progress = 0;
    bool m_ShowText = true;
};
