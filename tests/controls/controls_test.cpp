#include "controls/BevelLabel.h"
#include "controls/Gauge.h"
#include "controls/NumEdit.h"
#include "controls/ScaleSlider.h"
#include "support/Printers.h"

#include <QSignalSpy>
#include <QTest>

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

} // namespace
