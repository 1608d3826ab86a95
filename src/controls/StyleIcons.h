#pragma once

#include <QIcon>
#include <QStyle>

class QWidget;

// One of the style's standard icons for a widget: the desktop icon theme's picture
// when there is one, else the style's own.
QIcon StyleIcon(const QWidget *widget, QStyle::StandardPixmap which);
