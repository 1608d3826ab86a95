#include "controls/BevelLabel.h"

TBevelLabel::TBevelLabel(QWidget *parent) : TBevelLabel(QString(), parent) {}

TBevelLabel::TBevelLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMargin(2);
    SetBevel(Bevel::Lowered);
}

void TBevelLabel::SetBevel(Bevel bevel)
{
    m_Bevel = bevel;
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Lowered ? QFrame::Sunken : QFrame::Raised));
}
