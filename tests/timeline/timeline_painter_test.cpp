// The timeline drawn from the model: lines at Left + 6, handles above and below, the shade
// between the markers, nothing of a boundary out of view, the ruler over the card's strip.
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
