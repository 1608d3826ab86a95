#pragma once

#include <QLabel>

// A text label in a sunken or raised bevel.
class TBevelLabel : public QLabel
{
    Q_OBJECT
public:
    enum class Bevel { Lowered, Raised };

    explicit TBevelLabel(QWidget *parent = nullptr);
    explicit TBevelLabel(const QString &text, QWidget *parent = nullptr);

    void SetBevel(Bevel bevel);
    Bevel GetBevel() const { return m_Bevel; }

private:
    Bevel m_Bevel = Bevel::Lowered;
};
