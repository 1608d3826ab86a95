#include "settings/BaseRegistryClass.h"

#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/ProgramPaths.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

int ReadInt(const TRegistryEnhanced &reg, const QString &name)
{
    bool ok = false;
    const int value = reg.ReadValueDef(name, QStringLiteral("0")).toString().trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QString TBaseRegistryClass::PlacementKey(const QWidget *window)
{
    return MakerKey + QStringLiteral("\\Windows\\") + ProgramPaths::ProgramFileName() +
           QLatin1Char('\\') + window->objectName();
}

void TBaseRegistryClass::RestorePlacement(QWidget *window)
{
    TRegistryEnhanced reg;
    reg.Key = PlacementKey(window);
    int top = ReadInt(reg, QStringLiteral("Top"));
    int left = ReadInt(reg, QStringLiteral("Left"));
    const int height = ReadInt(reg, QStringLiteral("Height"));
    const int width = ReadInt(reg, QStringLiteral("Width"));
    const int maximized = ReadInt(reg, QStringLiteral("Maximized"));
    if (height == 0)
        return;

    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QSize size = screen->geometry().size();
        if (left + width > size.width())
            left = size.width() - width;
        if (top + height > size.height())
            top = size.height() - height;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    window->move(left, top);
    if (width > 0)
        window->resize(width, height);
    if (maximized == 1)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void TBaseRegistryClass::SavePlacement(QWidget *window)
{
    const TRegistryEnhanced::Batch batch;
    TRegistryEnhanced reg;
    reg.Key = PlacementKey(window);
    if (window->isMaximized()) {
        reg.WriteValue(QStringLiteral("Maximized"), QStringLiteral("1"));
        return;
    }
    reg.WriteValue(QStringLiteral("Maximized"), QStringLiteral("0"));
    reg.WriteValue(QStringLiteral("Top"), QString::number(window->y()));
    reg.WriteValue(QStringLiteral("Left"), QString::number(window->x()));
    reg.WriteValue(QStringLiteral("Width"), QString::number(window->width()));
    reg.WriteValue(QStringLiteral("Height"), QString::number(window->height()));
}
