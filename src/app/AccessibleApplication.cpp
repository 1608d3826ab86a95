#include "app/AccessibleApplication.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QMenu>
#include <QWindow>

namespace {

class AccessibleApplication : public QAccessibleObject
{
public:
    AccessibleApplication() : QAccessibleObject(qApp) {}

    QAccessibleInterface *parent() const override { return nullptr; }
    int childCount() const override { return static_cast<int>(TopLevels().size()); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(TopLevels().indexOf(child->object())) : -1;
    }
    QAccessibleInterface *child(int index) const override
    {
        const QObjectList objects = TopLevels();
        return index >= 0 && index < objects.size() ? QAccessible::queryAccessibleInterface(objects.at(index))
                                                    : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return QAccessible::queryAccessibleInterface(popup);
        const QWindow *window = QGuiApplication::focusWindow();
        return window ? window->accessibleRoot() : nullptr;
    }
    QString text(QAccessible::Text which) const override
    {
        switch (which) {
        case QAccessible::Name:
            return QGuiApplication::applicationName();
        case QAccessible::Description:
            return QGuiApplication::applicationVersion();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }

private:
    static QObjectList TopLevels()
    {
        QObjectList objects;
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (window->type() == Qt::Popup || window->type() == Qt::Desktop)
                continue;
            if (QAccessibleInterface *root = window->accessibleRoot(); root && root->object())
                objects << root->object();
        }
        // A menu open on its own: one opened from a window or from another menu is
        // reached through that, and is not listed twice.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu *>(widget) && !widget->parent() && widget->isVisible())
                objects << widget;
        }
        return objects;
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (object == qApp && className == QLatin1String("QApplication"))
        return new AccessibleApplication;
    return nullptr;
}

} // namespace

void InstallAccessibleApplication()
{
    QAccessible::installFactory(Factory);
}
