#include "timeline/TimeRuler.h"
#include "timeline/TimelineGeometry.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kLabelGap = 12;
constexpr int kLabelInset = 3;
}

int rulerStep(double secondsPerPixel, double minSpacingPx)
{
    if (!(secondsPerPixel > 0))
        return kRulerSteps.front();
    for (int step : kRulerSteps)
        if (step / secondsPerPixel >= minSpacingPx)
            return step;
    return kRulerSteps.back();
}

int rulerMinorStep(int step, double secondsPerPixel)
{
    for (int minor : kRulerSteps) {
        if (minor >= step)
            break;
        if (step % minor == 0 && (!(secondsPerPixel > 0) || minor / secondsPerPixel >= kMinorTickSpacing))
            return minor;
    }
    return 0;
}

std::vector<RulerTick> rulerTicks(const TimelineView& view, double minLabelSpacingPx)
{
    std::vector<RulerTick> ticks;
    if (!(view.span > 0))
        return ticks;
    const double perPixel = view.secondsPerPixel();
    const int step = rulerStep(perPixel, minLabelSpacingPx);
    const int minor = rulerMinorStep(step, perPixel);
    const int every = minor > 0 ? minor : step;
    const bool withHours = view.end() >= 3600;
    for (auto k = std::int64_t(std::ceil(view.start / every)); k * every <= view.end(); ++k) {
        const std::int64_t t = k * every;
        const long x = std::lround(view.pixelOf(double(t)));
        if (x < 0 || x > kTrackWidth)
            continue;
        const auto seconds = std::int32_t(t);
        ticks.push_back({int(x), seconds, t % step == 0 ? rulerLabel(seconds, withHours) : QString()});
    }
    return ticks;
}

QString rulerLabel(std::int32_t seconds, bool withHours)
{
    const std::int32_t s = std::max(seconds, std::int32_t(0));
    auto two = [](std::int32_t v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    if (withHours)
        return QString::number(s / 3600) + QLatin1Char(':') + two(s % 3600 / 60) + QLatin1Char(':') + two(s % 60);
    return QString::number(s / 60) + QLatin1Char(':') + two(s % 60);
}

QImage renderRuler(const TimelineView& view, QSize size, const RulerStyle& style)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!(view.span > 0))
        return image;
    const bool withHours = view.end() >= 3600;  // the widest label of the view
    const QFontMetrics metrics(style.font);
    const int labelWidth = metrics.horizontalAdvance(rulerLabel(withHours ? 35999 : 3599, withHours));
    const int h = size.height();
    const int majorLength = std::max(4, h / 2);
    const int minorLength = std::max(2, h / 4);

    QPainter p(&image);
    p.setFont(style.font);
    for (const RulerTick& t : rulerTicks(view, labelWidth + kLabelGap)) {
        const int x = style.trackX + t.x;
        const int length = t.major() ? majorLength : minorLength;
        p.fillRect(QRect(x, h - length, 1, length), style.tick);
        if (!t.major())
            continue;
        const int width = metrics.horizontalAdvance(t.label);
        if (x + kLabelInset + width > size.width())
            continue;
        p.setPen(style.text);
        p.drawText(QRect(x + kLabelInset, 0, width, h - minorLength), Qt::AlignLeft | Qt::AlignVCenter, t.label);
    }
    return image;
}
