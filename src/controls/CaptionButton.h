#pragma once

#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

// A tool button that draws its caption without the padding blanks some captions
// carry, so that it is not cut short on a narrow button.
class CaptionButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.text = option.text.trimmed();
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
    }
};
