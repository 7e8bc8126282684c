// The time ruler: steps that fit the zoom, tick places and labels, and the drawn ruler.
#include "timeline/TimeRuler.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <set>

TEST(TimeRuler, StepsFitTheZoom)
{
    EXPECT_EQ(rulerStep(7200.0 / 728, 60), 600);   // two hours, whole: 10 min is 60.7 px
    EXPECT_EQ(rulerStep(7200.0 / 728, 70), 1800);
    EXPECT_EQ(rulerStep(600.0 / 728, 60), 60);
    EXPECT_EQ(rulerStep(180.0 / 728, 60), 30);
    EXPECT_EQ(rulerStep(30.0 / 728, 60), 5);
    EXPECT_EQ(rulerStep(0.01, 60), 1);             // the narrowest view: 100 px a second
    EXPECT_EQ(rulerStep(500, 60), 36000);          // nothing fits: the longest step
    EXPECT_EQ(rulerStep(0, 60), 1);

    EXPECT_EQ(rulerMinorStep(600, 7200.0 / 728), 60);  // 6 px apart
    EXPECT_EQ(rulerMinorStep(30, 60.0 / 728), 1);
    EXPECT_EQ(rulerMinorStep(300, 3600.0 / 728), 30);  // 60 s would be 12 px, 30 s 6 px: 30 s
    EXPECT_EQ(rulerMinorStep(5, 1), 0);                // 1 s is only 1 px
    EXPECT_EQ(rulerMinorStep(1, 0.01), 0);
    EXPECT_EQ(rulerMinorStep(18000, 1000), 0);  // 2 h ticks would not divide 5 h, 1 h ones are too dense
}

TEST(TimeRuler, TicksStandOnTheirSecondsInView)
{
    const std::vector<RulerTick> whole = rulerTicks(wholeView(7200), 60);
    ASSERT_EQ(whole.size(), 121u);  // every minute, labelled every ten
    EXPECT_EQ(whole.front(), (RulerTick{0, 0, "0:00:00"}));
    EXPECT_EQ(whole[1], (RulerTick{6, 60, ""}));
    EXPECT_EQ(whole.back(), (RulerTick{728, 7200, "2:00:00"}));
    EXPECT_EQ(std::count_if(whole.begin(), whole.end(), [](const RulerTick& t) { return t.major(); }), 13);

    // The narrowest view between two seconds: one labelled tick a second, half a second in.
    const std::vector<RulerTick> narrow = rulerTicks({95.5, 7.28}, 60);
    ASSERT_EQ(narrow.size(), 7u);
    for (size_t i = 0; i < narrow.size(); ++i)
        EXPECT_EQ(narrow[i], (RulerTick{int(50 + 100 * i), std::int32_t(96 + i), rulerLabel(96 + i, false)})) << i;
    EXPECT_EQ(narrow.front().label, "1:36");

    EXPECT_TRUE(rulerTicks(wholeView(0), 60).empty());
}

TEST(TimeRuler, LabelsShowMinutesOrHours)
{
    EXPECT_EQ(rulerLabel(5, false), "0:05");
    EXPECT_EQ(rulerLabel(750, false), "12:30");
    EXPECT_EQ(rulerLabel(3723, true), "1:02:03");
    EXPECT_EQ(rulerLabel(36000, true), "10:00:00");
    EXPECT_EQ(rulerLabel(-5, true), "0:00:00");
}

TEST(TimeRuler, DrawsTicksAndLabelsInTheirColumns)
{
    RulerStyle style;
    style.font = QFont(QStringLiteral("DejaVu Sans"));
    style.font.setPixelSize(9);
    style.tick = QColor(200, 0, 0);
    style.text = QColor(0, 0, 200);
    const QSize size(746, 20);
    const TimelineView view = wholeView(7200);
    const QImage image = renderRuler(view, size, style);
    ASSERT_EQ(image.size(), size);

    // The same ticks as rulerTicks() with the label spacing of this font.
    const int labelWidth = QFontMetrics(style.font).horizontalAdvance(QStringLiteral("9:59:59"));
    std::set<int> majors, minors;
    for (const RulerTick& t : rulerTicks(view, labelWidth + 12))
        (t.major() ? majors : minors).insert(6 + t.x);
    ASSERT_FALSE(minors.empty());
    const QRgb tick = style.tick.rgba();
    for (int x = 0; x < size.width(); ++x) {
        const bool isTick = majors.count(x) || minors.count(x);
        ASSERT_EQ(image.pixel(x, 19) == tick, isTick) << x;   // every tick reaches the bottom
        ASSERT_EQ(image.pixel(x, 10) == tick, majors.count(x) > 0) << x;  // labelled ones half way up
        ASSERT_NE(image.pixel(x, 9), tick) << x;
    }
    // Ink right of each labelled tick whose label fits, none beyond the last tick at the right edge.
    auto inkIn = [&](int x0, int x1) {
        int n = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = std::max(0, x0); x < std::min(size.width(), x1); ++x)
                n += qAlpha(image.pixel(x, y)) > 0 && qBlue(image.pixel(x, y)) > qRed(image.pixel(x, y));
        return n;
    };
    for (int x : majors) {
        if (x + 3 + labelWidth <= size.width()) {
            EXPECT_GT(inkIn(x + 3, x + 3 + labelWidth), 10) << x;
        }
    }
    EXPECT_EQ(inkIn(0, 9), 0);
    EXPECT_EQ(inkIn(735, 746), 0);  // the tick of 2:00:00 stands at 734; its label does not fit

    EXPECT_TRUE(renderRuler(view, QSize(0, 20), style).isNull());
    const QImage blank = renderRuler(TimelineView{}, size, style);
    for (int x = 0; x < size.width(); ++x)
        ASSERT_EQ(qAlpha(blank.pixel(x, 19)), 0);
}
