#include "controls/StyleIcons.h"

#include <QWidget>

QIcon StyleIcon(const QWidget *widget, QStyle::StandardPixmap which)
{
    QStyle *style = widget->style();
    // Without a desktop icon theme Qt names hicolor, the theme that holds programs' own
    // icons and none of the style's. Asking it anyway made Qt read its index (55 KB
    // here) before the first tool bar could show: 4-5 ms of every start. The theme is
    // searched for nowhere while the style picks its own picture.
    if (QIcon::themeName() != QLatin1String("hicolor"))
        return style->standardIcon(which, nullptr, widget);
    const QStringList searchPaths = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({QStringLiteral(":/no-icon-theme")});
    QIcon icon = style->standardIcon(which, nullptr, widget);
    QIcon::setThemeSearchPaths(searchPaths);
    return icon;
}
