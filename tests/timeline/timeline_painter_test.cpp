// The timeline drawn from the model: lines at Left + 6, handles above and below, the shade
// between the markers, nothing of a boundary out of view, the ruler over the card's strip; and
// the same picture at two device pixels per pixel, with its hard edges kept.
#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelinePainter.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage solid(QSize size, QColor c)
{
    QImage i(size, QImage::Format_ARGB32_Premultiplied);
    i.fill(c);
    return i;
}

const QColor kPlay(200, 0, 0), kBegin(0, 160, 0), kEnd(0, 0, 220);

TimelineArt art()
{
    const QSize handle(kHandleWidth, kHandleHeight), line(1, 1);
    return {solid(QSize(kPanelWidth, 360), QColor(250, 250, 250)),
            solid(handle, kPlay), solid(line, kPlay), solid(handle, kPlay),
            solid(handle, kBegin), solid(line, kBegin), solid(handle, kBegin),
            solid(handle, kEnd), solid(line, kEnd), solid(handle, kEnd)};
}

QImage draw(const EditorModel& m, QImage ruler = {})
{
    QImage image(kPanelWidth, 360, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    TimelineScene scene;
    scene.layout = layoutTimeline(m);
    scene.ruler = std::move(ruler);
    paintTimeline(p, art(), scene);
    return image;
}

// How many pixels of a column, between two rows, have exactly this colour.
int count(const QImage& i, int x, int top, int bottom, QColor c)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        n += i.pixelColor(x, y) == c;
    return n;
}

}  // namespace

TEST(TimelinePainter, BoundariesStandWhereTheLayoutPutsThem)
{
    EditorModel m;
    m.setDuration(200);
    m.applyRandomCut(50, 150);  // Left 182 and 546 at the whole file
    m.setPlayhead(100);         // Left 364
    const QImage i = draw(m);
    EXPECT_EQ(count(i, 182 + 6, kLineTop, kLineTop + kLineHeight, kBegin), kLineHeight);
    EXPECT_EQ(count(i, 546 + 6, kLineTop, kLineTop + kLineHeight, kEnd), kLineHeight);
    EXPECT_EQ(count(i, 364 + 6, kLineTop, kLineTop + kLineHeight, kPlay), kLineHeight);
    for (int x : {182, 182 + 12})  // both handles span Left to Left + 12
        EXPECT_EQ(count(i, x, kTopHandleY, kTopHandleY + kHandleHeight, kBegin), kHandleHeight) << x;
    EXPECT_EQ(count(i, 546, kBottomHandleY, kBottomHandleY + kHandleHeight, kEnd), kHandleHeight);
    EXPECT_NE(i.pixelColor(182 + 13, kTopHandleY), kBegin);
    // The shade lies between the two lines only.
    EXPECT_NE(i.pixelColor(300, 200), QColor(250, 250, 250));
    EXPECT_EQ(i.pixelColor(182 + 5, 200), QColor(250, 250, 250));
    EXPECT_EQ(i.pixelColor(546 + 7, 200), QColor(250, 250, 250));
}

TEST(TimelinePainter, HiddenOrOutOfViewBoundariesLeaveNoPixel)
{
    EditorModel m;
    m.setDuration(7200);
    m.setPlayhead(10);
    m.setBeginAtPlayhead();  // only the begin shown; the end hidden
    m.setView({1000, 100});  // neither the begin nor the playhead in view
    const QImage i = draw(m);
    for (const QColor& c : {kPlay, kBegin, kEnd}) {
        int n = 0;
        for (int x = 0; x < kPanelWidth; ++x)
            n += count(i, x, 0, 360, c);
        EXPECT_EQ(n, 0) << c.name().toStdString();
    }
}

TEST(TimelinePainter, TheEndHandleLiesAboveTheBeginsAndTheRulerOverTheCardsStrip)
{
    EditorModel m;
    m.setDuration(728);
    m.setPlayhead(300);
    m.setBeginAtPlayhead();
    m.setPlayhead(305);
    m.setEndAtPlayhead();  // 5 px apart: the handles overlap
    QImage ruler(kPanelWidth, kRulerHeight, QImage::Format_ARGB32_Premultiplied);
    ruler.fill(Qt::transparent);
    ruler.setPixelColor(100, kRulerHeight - 1, QColor(1, 2, 3));
    const QImage i = draw(m, ruler);
    EXPECT_EQ(i.pixelColor(306, kTopHandleY + 2), kEnd);  // where both lie, the end's
    EXPECT_EQ(i.pixelColor(301, kTopHandleY + 2), kBegin);
    EXPECT_EQ(i.pixelColor(100, kRulerTop + kRulerHeight - 1), QColor(1, 2, 3));
    EXPECT_EQ(i.pixelColor(200, kRulerTop + 2), QColor(255, 255, 255));  // the fixed ticks covered
}

namespace {

// The art of art() at double density: every picture twice the pixels, device pixel ratio 2.
TimelineArt denseArt()
{
    auto dense = [](const QImage& i) {
        QImage d = i.scaled(i.size() * 2);
        d.setDevicePixelRatio(2);
        return d;
    };
    const TimelineArt a = art();
    return {dense(a.background), dense(a.playheadTop), dense(a.playheadLine), dense(a.playheadBottom),
            dense(a.beginTop), dense(a.beginLine), dense(a.beginBottom),
            dense(a.endTop), dense(a.endLine), dense(a.endBottom)};
}

TimelineScene sceneOf(const EditorModel& m)
{
    TimelineScene scene;
    scene.layout = layoutTimeline(m);
    return scene;
}

}  // namespace

TEST(TimelinePainter, TheRenderedPanelAtOneDevicePixelIsThePaintedOne)
{
    EditorModel m;
    m.setDuration(200);
    m.applyRandomCut(50, 150);
    m.setPlayhead(100);
    TimelineScene scene = sceneOf(m);
    scene.bubbleText = QStringLiteral("0:12");
    scene.bubbleLeft = 300;
    scene.looping = true;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);

    QImage painted(kPanelWidth, 360, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::white);
    {
        QPainter p(&painted);
        p.setFont(font);
        paintTimeline(p, art(), scene);
    }
    const QImage rendered = renderTimeline(art(), scene, QSize(kPanelWidth, 360), 1, font);
    EXPECT_EQ(rendered.devicePixelRatio(), 1.0);
    EXPECT_EQ(rendered, painted);
    EXPECT_TRUE(renderTimeline(art(), scene, QSize(), 2, font).isNull());
}

TEST(TimelinePainter, AtTwoDevicePixelsLinesAndHandlesStayCrisp)
{
    EditorModel m;
    m.setDuration(200);
    m.applyRandomCut(50, 150);  // Left 182 and 546
    m.setPlayhead(100);         // Left 364
    const TimelineScene scene = sceneOf(m);
    const QFont font(QStringLiteral("DejaVu Sans"));
    const QImage one = renderTimeline(art(), scene, QSize(kPanelWidth, 360), 1, font);
    // With 1x art enlarged by the painter and with art drawn at double density alike.
    for (const TimelineArt& a : {art(), denseArt()}) {
        const QImage two = renderTimeline(a, scene, QSize(kPanelWidth, 360), 2, font);
        ASSERT_EQ(two.size(), QSize(2 * kPanelWidth, 720));
        ASSERT_EQ(two.devicePixelRatio(), 2.0);
        // Across every line, every device column is exactly what its 1x column was: a hard
        // edge stays hard, with no column in between.
        for (int y : {kLineTop + 10, 200, kLineTop + kLineHeight - 1})
            for (int x = 0; x < kPanelWidth; ++x)
                for (int d = 0; d < 2; ++d)
                    ASSERT_EQ(two.pixelColor(2 * x + d, 2 * y + 1), one.pixelColor(x, y)) << x << "," << y;
        // The handles: each 13 x 8 handle is 26 x 16 device pixels of its colour, no more.
        EXPECT_EQ(count(two, 2 * 182, 0, 720, kBegin), 32);
        EXPECT_EQ(count(two, 2 * 182 + 25, 2 * kTopHandleY, 2 * (kTopHandleY + kHandleHeight), kBegin), 16);
        EXPECT_NE(two.pixelColor(2 * 182 + 26, 2 * kTopHandleY), kBegin);
        EXPECT_NE(two.pixelColor(2 * 182 - 1, 2 * kTopHandleY), kBegin);
        EXPECT_EQ(count(two, 2 * 188, 0, 720, kBegin), 2 * (kBottomHandleY + kHandleHeight - kTopHandleY));
    }

    // A 1x handle with a dark left edge, enlarged by the painter: the edge is two whole device
    // columns, the body starts right after it, nothing blends the two.
    TimelineArt edged = art();
    const QColor edge(0, 60, 0);
    for (int y = 0; y < kHandleHeight; ++y)
        edged.beginTop.setPixelColor(0, y, edge);
    const QImage two = renderTimeline(edged, scene, QSize(kPanelWidth, 360), 2, font);
    for (int y = 2 * kTopHandleY; y < 2 * (kTopHandleY + kHandleHeight); ++y) {
        ASSERT_EQ(two.pixelColor(2 * 182, y), edge) << y;
        ASSERT_EQ(two.pixelColor(2 * 182 + 1, y), edge) << y;
        ASSERT_EQ(two.pixelColor(2 * 182 + 2, y), kBegin) << y;
    }
}
