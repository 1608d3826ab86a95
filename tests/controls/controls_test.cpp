#include "controls/BevelLabel.h"
#include "controls/Gauge.h"
#include "controls/NumEdit.h"
#include "controls/ScaleSlider.h"
#include "controls/StyleIcons.h"
#include "support/Printers.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace {

TEST(GaugeTest, ProgressStaysInRangeAndGivesWholePercent)
{
    TGauge gauge;
    gauge.SetMaxValue(300);
    gauge.SetProgress(100);
    EXPECT_EQ(gauge.PercentDone(), 33);
    gauge.SetProgress(1000);
    EXPECT_EQ(gauge.Progress(), 300);
    EXPECT_EQ(gauge.PercentDone(), 100);
    gauge.SetProgress(-5);
    EXPECT_EQ(gauge.Progress(), 0);
    gauge.SetMaxValue(0); // an empty range must not divide by zero
    EXPECT_EQ(gauge.PercentDone(), 0);
    gauge.resize(120, 15);
    EXPECT_FALSE(gauge.grab().isNull());
}

TEST(NumEditTest, OnlyWholeNumbersCanBeTyped)
{
    TNumEdit edit;
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("1a2.5-"));
    EXPECT_EQ(edit.text(), QStringLiteral("125"));
    int value = 0;
    EXPECT_TRUE(edit.Number(value));
    EXPECT_EQ(value, 125);

    edit.clear();
    EXPECT_FALSE(edit.Number(value));
    EXPECT_EQ(value, 125);
    QTest::keyClicks(&edit, QStringLiteral("-42"));
    EXPECT_TRUE(edit.Number(value));
    EXPECT_EQ(value, -42);
    edit.SetNumber(7);
    EXPECT_EQ(edit.text(), QStringLiteral("7"));
}

TEST(ScaleSliderTest, ReportsTheNewPositionWhenTheUserIsDone)
{
    TScaleSlider slider;
    slider.SetRange(80, 450, 200);
    EXPECT_EQ(slider.minimum(), 80);
    EXPECT_EQ(slider.maximum(), 450);
    EXPECT_EQ(slider.value(), 200);
    QSignalSpy trackEnd(&slider, &TScaleSlider::TrackEnd);
    slider.show();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    ASSERT_EQ(trackEnd.size(), 1);
    EXPECT_EQ(trackEnd.at(0).at(0).toInt(), 201);
    EXPECT_EQ(slider.value(), 201);
    // Programmatic changes are not the user's.
    slider.setValue(300);
    EXPECT_EQ(trackEnd.size(), 1);
}

TEST(BevelLabelTest, DrawsSunkenOrRaised)
{
    TBevelLabel label(QStringLiteral("Pause"));
    EXPECT_EQ(label.frameShadow(), QFrame::Sunken);
    label.SetBevel(TBevelLabel::Bevel::Raised);
    EXPECT_EQ(label.frameShadow(), QFrame::Raised);
    EXPECT_EQ(label.text(), QStringLiteral("Pause"));
}

// The tool bars' pictures, read only when drawn, are the style's own at every size
// and state a button asks for, also at 200 % scale and right to left.
TEST(StyleIconTest, PicturesReadWhenDrawnAreTheStyles)
{
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    QWidget widget;
    widget.setStyle(fusion.get());
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        for (const QStyle::StandardPixmap which :
             {QStyle::SP_FileIcon, QStyle::SP_FileDialogListView, QStyle::SP_FileDialogDetailedView,
              QStyle::SP_FileDialogContentsView, QStyle::SP_DialogOpenButton,
              QStyle::SP_DialogSaveButton, QStyle::SP_MediaPlay, QStyle::SP_MediaPause,
              QStyle::SP_MediaStop, QStyle::SP_MediaSkipForward, QStyle::SP_MediaSeekForward,
              QStyle::SP_MediaSeekBackward}) {
            const QStringList searchPaths = QIcon::themeSearchPaths();
            QIcon::setThemeSearchPaths({});
            const QIcon expected = fusion->standardIcon(which, nullptr, &widget);
            QIcon::setThemeSearchPaths(searchPaths);
            const QIcon icon = StyleIcon(&widget, which);
            EXPECT_EQ(icon.availableSizes(), expected.availableSizes()) << which;
            for (const int size : {16, 24, 32, 48, 128})
                EXPECT_EQ(icon.actualSize(QSize(size, size)),
                          expected.actualSize(QSize(size, size)))
                    << which;
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                for (const auto &[size, ratio] :
                     {std::pair{16, 1.0}, {24, 1.0}, {32, 1.0}, {32, 2.0}, {48, 1.0}}) {
                    const QPixmap got = icon.pixmap(QSize(size, size), ratio, mode);
                    const QPixmap want = expected.pixmap(QSize(size, size), ratio, mode);
                    EXPECT_EQ(got.size(), want.size()) << which << " " << size << " " << mode;
                    EXPECT_TRUE(got.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                want.toImage().convertToFormat(QImage::Format_ARGB32))
                        << which << " " << size << "@" << ratio << " mode " << mode;
                }
            }
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QIcon::setThemeName(theme);
}

} // namespace
