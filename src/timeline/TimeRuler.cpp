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

std::vector<RulerLabelPlace> placeRulerLabels(const std::vector<RulerTick>& ticks, int trackX, int labelRight,
                                              const std::function<int(const QString&)>& widthOf)
{
    std::vector<RulerLabelPlace> places;
    for (const RulerTick& t : ticks) {
        if (!t.major())
            continue;
        const int x = trackX + t.x;
        const int width = widthOf(t.label);
        RulerLabelPlace place{x + kLabelInset, width, t};
        if (place.right() > labelRight) {
            // Too close to the end: before the tick, if it leaves room after the previous label.
            place.left = x - kLabelInset - width;
            const int earliest = places.empty() ? 0 : places.back().right() + kLabelGap;
            if (place.left < earliest || place.right() > labelRight)
                continue;
        }
        places.push_back(place);
    }
    return places;
}

QImage renderRuler(const TimelineView& view, QSize size, const RulerStyle& style, qreal dpr)
{
    if (size.isEmpty() || !(dpr > 0))
        return {};
    QImage image(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    if (!(view.span > 0))
        return image;
    const bool withHours = view.end() >= 3600;  // the widest label of the view
    const QFontMetrics metrics(style.font);
    const int labelWidth = metrics.horizontalAdvance(rulerLabel(withHours ? 35999 : 3599, withHours));
    const int h = size.height();
    const int majorLength = std::max(4, h / 2);
    const int minorLength = std::max(2, h / 4);

    const std::vector<RulerTick> ticks = rulerTicks(view, labelWidth + kLabelGap);
    const int labelRight = style.labelRight < 0 ? size.width() : std::min(style.labelRight, size.width());
    auto widthOf = [&metrics](const QString& label) { return metrics.horizontalAdvance(label); };
    const std::vector<RulerLabelPlace> labels = placeRulerLabels(ticks, style.trackX, labelRight, widthOf);
    auto label = labels.begin();

    QPainter p(&image);
    p.setFont(style.font);
    p.setPen(style.text);
    for (const RulerTick& t : ticks) {
        const int length = t.major() ? majorLength : minorLength;
        p.fillRect(QRect(style.trackX + t.x, h - length, 1, length), style.tick);
        if (label == labels.end() || !(label->tick == t))
            continue;
        // Glyphs drawn at another density may run a little past the measured width: never cut them.
        p.drawText(QRect(label->left, 0, label->width, h - minorLength),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, t.label);
        ++label;
    }
    return image;
}
