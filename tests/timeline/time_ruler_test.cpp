// The time ruler: steps that fit the zoom, tick places and labels, where labels go at the right
// edge, and the drawn ruler at one and two device pixels per pixel.
#include "timeline/TimeRuler.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(TimeRuler, StepsFitTheZoom)
{
    EXPECT_EQ(rulerStep(7200.0 / 728, 60), 600000);  // two hours, whole: 10 min is 60.7 px
    EXPECT_EQ(rulerStep(7200.0 / 728, 70), 1800000);
    EXPECT_EQ(rulerStep(600.0 / 728, 60), 60000);
    EXPECT_EQ(rulerStep(180.0 / 728, 60), 30000);
    EXPECT_EQ(rulerStep(30.0 / 728, 60), 5000);
    EXPECT_EQ(rulerStep(0.01, 60), 1000);            // 100 px a second
    EXPECT_EQ(rulerStep(0.001, 60), 100);            // the narrowest view: 1 ms a pixel
    EXPECT_EQ(rulerStep(0.001, 40), 50);
    EXPECT_EQ(rulerStep(0.0001, 40), 5);
    EXPECT_EQ(rulerStep(500, 60), 36000000);         // nothing fits: the longest step
    EXPECT_EQ(rulerStep(0, 60), 1);

    EXPECT_EQ(rulerMinorStep(600000, 7200.0 / 728), 60000);  // 6 px apart
    EXPECT_EQ(rulerMinorStep(30000, 60.0 / 728), 1000);
    EXPECT_EQ(rulerMinorStep(300000, 3600.0 / 728), 30000);  // 60 s would be 12 px, 30 s 6 px: 30 s
    EXPECT_EQ(rulerMinorStep(5000, 1), 0);                   // 1 s is only 1 px
    EXPECT_EQ(rulerMinorStep(1000, 0.01), 0);                // whole-second labels: whole-second ticks
    EXPECT_EQ(rulerMinorStep(5000, 0.001), 1000);
    EXPECT_EQ(rulerMinorStep(500, 0.01), 50);                // 50 ms are 5 px
    EXPECT_EQ(rulerMinorStep(100, 0.001), 5);                // 5 ms are 5 px
    EXPECT_EQ(rulerMinorStep(18000000, 1000), 0);  // 2 h ticks would not divide 5 h, 1 h ones are too dense

    EXPECT_EQ(rulerFractionDigits(1000), 0);
    EXPECT_EQ(rulerFractionDigits(500), 1);
    EXPECT_EQ(rulerFractionDigits(50), 2);
    EXPECT_EQ(rulerFractionDigits(5), 3);
}

TEST(TimeRuler, TicksStandOnTheirTimesInView)
{
    const std::vector<RulerTick> whole = rulerTicks(wholeView(7200), 60);
    ASSERT_EQ(whole.size(), 121u);  // every minute, labelled every ten
    EXPECT_EQ(whole.front(), (RulerTick{0, 0, "0:00:00"}));
    EXPECT_EQ(whole[1], (RulerTick{6, 60000, ""}));
    EXPECT_EQ(whole.back(), (RulerTick{728, 7200000, "2:00:00"}));
    EXPECT_EQ(std::count_if(whole.begin(), whole.end(), [](const RulerTick& t) { return t.major(); }), 13);

    // 10 ms a pixel between two seconds: one labelled tick a second, half a second in.
    std::vector<RulerTick> narrow = rulerTicks({95.5, 7.28}, 60);
    std::erase_if(narrow, [](const RulerTick& t) { return !t.major(); });
    ASSERT_EQ(narrow.size(), 7u);
    for (size_t i = 0; i < narrow.size(); ++i)
        EXPECT_EQ(narrow[i], (RulerTick{int(50 + 100 * i), std::int64_t(96 + i) * 1000, rulerLabel((96 + i) * 1000, false)})) << i;
    EXPECT_EQ(narrow.front().label, "1:36");

    // 1 ms a pixel: a label every tenth of a second, with its fraction.
    std::vector<RulerTick> deepest = rulerTicks({83.45, 0.728}, 60);
    std::erase_if(deepest, [](const RulerTick& t) { return !t.major(); });
    ASSERT_EQ(deepest.size(), 7u);
    EXPECT_EQ(deepest.front(), (RulerTick{50, 83500, "1:23.5"}));
    EXPECT_EQ(deepest[5], (RulerTick{550, 84000, "1:24"}));

    EXPECT_TRUE(rulerTicks(wholeView(0), 60).empty());
}

TEST(TimeRuler, LabelsShowMinutesOrHoursAndFractions)
{
    EXPECT_EQ(rulerLabel(5000, false), "0:05");
    EXPECT_EQ(rulerLabel(750000, false), "12:30");
    EXPECT_EQ(rulerLabel(3723000, true), "1:02:03");
    EXPECT_EQ(rulerLabel(36000000, true), "10:00:00");
    EXPECT_EQ(rulerLabel(-5000, true), "0:00:00");
    EXPECT_EQ(rulerLabel(5250, false), "0:05.25");
    EXPECT_EQ(rulerLabel(3723005, true), "1:02:03.005");
    EXPECT_EQ(rulerLabel(600, false), "0:00.6");
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

namespace {

// A label `n` characters long is 7 n px wide.
int sevenPerChar(const QString& label)
{
    return 7 * int(label.size());
}

RulerTick labelled(int x, std::int32_t seconds)
{
    return {x, seconds * std::int64_t(1000), rulerLabel(seconds * std::int64_t(1000), false)};
}

}  // namespace

TEST(TimeRuler, TheLastLabelGoesLeftOfItsTickOrIsLeftOut)
{
    // "0:10" is 28 px: right of its tick it would end at 6 + 700 + 3 + 28 = 737, past 730.
    const std::vector<RulerTick> ticks = {labelled(600, 5), {650, 7, ""}, labelled(700, 10)};
    const std::vector<RulerLabelPlace> places = placeRulerLabels(ticks, 6, 730, sevenPerChar);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0], (RulerLabelPlace{609, 28, ticks[0]}));
    EXPECT_EQ(places[1], (RulerLabelPlace{675, 28, ticks[2]}));  // ends 3 px before its tick at 706

    // Where that would crowd the label before it (within 12 px), it is left out.
    const std::vector<RulerTick> close = {labelled(650, 5), labelled(700, 10)};
    const std::vector<RulerLabelPlace> kept = placeRulerLabels(close, 6, 730, sevenPerChar);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].tick.ms, 5000);

    // A label that fits stays right of its tick, even ending exactly at the limit.
    EXPECT_EQ(placeRulerLabels({labelled(693, 10)}, 6, 730, sevenPerChar).front().left, 702);
    // Alone and too near the left edge to go before its tick: left out.
    EXPECT_TRUE(placeRulerLabels({labelled(20, 10)}, 6, 40, sevenPerChar).empty());
}

TEST(TimeRuler, NoLabelEverCrossesTheRightEdgeAtAnyZoom)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    const QFontMetrics metrics(font);
    auto widthOf = [&](const QString& label) { return metrics.horizontalAdvance(label); };
    const int right = 742;
    int shifted = 0;
    for (const double span : {0.728, 1.5, 7.28, 9.9, 31.0, 45.0, 61.7, 95.0, 299.0, 601.0, 3599.0, 7200.0, 40000.0}) {
        for (int step = 0; step < 40; ++step) {
            const TimelineView view{span * step / 17.0, span};
            const std::vector<RulerTick> ticks = rulerTicks(view, 60);
            const std::vector<RulerLabelPlace> places = placeRulerLabels(ticks, 6, right, widthOf);
            for (size_t i = 0; i < places.size(); ++i) {
                const RulerLabelPlace& l = places[i];
                ASSERT_GE(l.left, 0);
                ASSERT_LE(l.right(), right) << span << " " << step;
                ASSERT_EQ(l.width, widthOf(l.tick.label));
                if (i > 0) {
                    ASSERT_GE(l.left, places[i - 1].right() + 3) << span << " " << step;
                }
                const int tick = 6 + l.tick.x;
                ASSERT_TRUE(l.left == tick + 3 || l.right() == tick - 3);
                shifted += l.right() == tick - 3;
            }
            // Every labelled tick whose label fits right of it has it there.
            for (const RulerTick& t : ticks)
                if (t.major() && 6 + t.x + 3 + widthOf(t.label) <= right) {
                    ASSERT_TRUE(std::any_of(places.begin(), places.end(), [&](const RulerLabelPlace& l) {
                        return l.tick == t && l.left == 6 + t.x + 3;
                    })) << span << " " << step << " " << t.ms;
                }
        }
    }
    EXPECT_GT(shifted, 20);  // the sweep did meet labels at the edge
}

TEST(TimeRuler, DrawnRulersKeepTheirInkInsideAtBothDensities)
{
    RulerStyle style;
    style.font = QFont(QStringLiteral("DejaVu Sans"));
    style.font.setPixelSize(10);
    style.tick = QColor(200, 0, 0);
    style.text = QColor(0, 0, 200);
    style.labelRight = 742;
    const QSize size(746, 24);
    int shownAtTheEnd = 0;
    for (const double dpr : {1.0, 2.0}) {
        for (int step = 0; step < 30; ++step) {
            const TimelineView view{step * 1.37, 45.0 + step * 0.41};
            const QImage image = renderRuler(view, size, style, dpr);
            ASSERT_EQ(image.size(), size * dpr);
            ASSERT_EQ(image.devicePixelRatio(), dpr);
            int inkBeyond = 0, inkNear = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    const bool text = qAlpha(c) > 0 && qBlue(c) > qRed(c);
                    inkBeyond += text && x >= 742 * dpr;
                    inkNear += text && x >= 700 * dpr;
                }
            ASSERT_EQ(inkBeyond, 0) << dpr << " " << step;
            shownAtTheEnd += inkNear > 0;
        }
    }
    EXPECT_GT(shownAtTheEnd, 10);
}

TEST(TimeRuler, ADenseRulerHasCrispTicksAtTwiceThePixels)
{
    RulerStyle style;
    style.font = QFont(QStringLiteral("DejaVu Sans"));
    style.font.setPixelSize(9);
    style.tick = QColor(200, 0, 0);
    style.text = QColor(0, 0, 200);
    const QSize size(746, 20);
    const TimelineView view = wholeView(7200);
    const QImage one = renderRuler(view, size, style);
    const QImage two = renderRuler(view, size, style, 2);
    ASSERT_EQ(two.size(), QSize(1492, 40));
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(size));
    // On the bottom row each 1x tick column is two device columns of the tick colour, and every
    // other device column holds none of it: no blurred edge.
    const QRgb tick = style.tick.rgba();
    for (int x = 0; x < size.width(); ++x) {
        const bool isTick = one.pixel(x, 19) == tick;
        ASSERT_EQ(two.pixel(2 * x, 39) == tick, isTick) << x;
        ASSERT_EQ(two.pixel(2 * x + 1, 39) == tick, isTick) << x;
        ASSERT_EQ(qAlpha(two.pixel(2 * x, 39)) == 0, !isTick) << x;
        ASSERT_EQ(qAlpha(two.pixel(2 * x + 1, 39)) == 0, !isTick) << x;
    }
    // The text is drawn anew at the density: not the 1x text enlarged.
    int finer = 0;
    for (int y = 0; y < 20; y += 1)
        for (int x = 0; x < 200; ++x)
            finer += two.pixel(2 * x, 2 * y) != two.pixel(2 * x + 1, 2 * y);
    EXPECT_GT(finer, 20);
    EXPECT_TRUE(renderRuler(view, size, style, 0).isNull());
}
