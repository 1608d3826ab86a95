#include "platform/registry/RegistryEnhanced.h"
#include "settings/BaseRegistryClass.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class PlacementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setObjectName(QStringLiteral("TestWindow"));
        window.setGeometry(50, 60, 300, 200);
        screen = QGuiApplication::primaryScreen()->geometry().size();
    }

    void Store(const QString &name, const QString &value)
    {
        TRegistryEnhanced reg;
        reg.Key = TBaseRegistryClass::PlacementKey(&window);
        reg.WriteValue(name, value);
    }

    TempHome home;
    QWidget window;
    QSize screen;
};

TEST_F(PlacementTest, KeyNamesTheProgramAndTheWindow)
{
    EXPECT_EQ(TBaseRegistryClass::PlacementKey(&window),
              QStringLiteral("Software\\BrivantaTech\\Windows\\placement_test\\TestWindow"));
}

TEST_F(PlacementTest, NothingStoredChangesNothing)
{
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(50, 60));
    EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST_F(PlacementTest, SavedPlacementComesBack)
{
    window.move(120, 80);
    window.resize(333, 222);
    TBaseRegistryClass::SavePlacement(&window);
    QWidget other;
    other.setObjectName(QStringLiteral("TestWindow"));
    TBaseRegistryClass::RestorePlacement(&other);
    EXPECT_EQ(other.pos(), QPoint(120, 80));
    EXPECT_EQ(other.size(), QSize(333, 222));
    EXPECT_FALSE(other.windowState() & Qt::WindowMaximized);
}

TEST_F(PlacementTest, TooLargeOrOffScreenPlacementIsPulledBackOnScreen)
{
    Store(QStringLiteral("Left"), QString::number(screen.width() - 100));
    Store(QStringLiteral("Top"), QString::number(screen.height() - 50));
    Store(QStringLiteral("Width"), QStringLiteral("400"));
    Store(QStringLiteral("Height"), QStringLiteral("300"));
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(screen.width() - 400, screen.height() - 300));

    // Wider than the screen: moved left, but never to a negative position.
    Store(QStringLiteral("Width"), QString::number(screen.width() + 500));
    Store(QStringLiteral("Height"), QString::number(screen.height() + 10));
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(0, 0));

    Store(QStringLiteral("Left"), QStringLiteral("-40"));
    Store(QStringLiteral("Top"), QStringLiteral("-5"));
    Store(QStringLiteral("Width"), QStringLiteral("100"));
    Store(QStringLiteral("Height"), QStringLiteral("100"));
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(0, 0));
}

TEST_F(PlacementTest, MaximisedBeforeAnyNormalPlacementKeepsTheDesign)
{
    window.setWindowState(Qt::WindowMaximized);
    TBaseRegistryClass::SavePlacement(&window);
    QWidget other;
    other.setObjectName(QStringLiteral("TestWindow"));
    other.setGeometry(10, 20, 300, 200);
    TBaseRegistryClass::RestorePlacement(&other);
    EXPECT_EQ(other.pos(), QPoint(10, 20));
    EXPECT_FALSE(other.windowState() & Qt::WindowMaximized);

    // With a normal placement stored first, the maximised state comes back too.
    window.setWindowState(Qt::WindowNoState);
    TBaseRegistryClass::SavePlacement(&window);
    window.setWindowState(Qt::WindowMaximized);
    TBaseRegistryClass::SavePlacement(&window);
    TBaseRegistryClass::RestorePlacement(&other);
    EXPECT_TRUE(other.windowState() & Qt::WindowMaximized);
}

TEST_F(PlacementTest, ValuesThatAreNotNumbersCountAsZero)
{
    Store(QStringLiteral("Left"), QStringLiteral("left"));
    Store(QStringLiteral("Top"), QStringLiteral("30"));
    Store(QStringLiteral("Width"), QStringLiteral("200"));
    Store(QStringLiteral("Height"), QStringLiteral("tall"));
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(50, 60)); // Height 0: nothing stored
    Store(QStringLiteral("Height"), QStringLiteral("150"));
    TBaseRegistryClass::RestorePlacement(&window);
    EXPECT_EQ(window.pos(), QPoint(0, 30));
    EXPECT_EQ(window.size(), QSize(200, 150));
}

} // namespace
