#include "timeline/TimeRuler.h"
#include "platform/NumberText.h"
#include "timeline/TimelineGeometry.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kLabelGap = 12;
constexpr int kLabelInset = 3;
}

std::int64_t rulerStep(double secondsPerPixel, double minSpacingPx)
{
    if (!(secondsPerPixel > 0))
        return kRulerSteps.front();
    for (std::int64_t step : kRulerSteps)
        if (double(step) / 1000 / secondsPerPixel >= minSpacingPx)
            return step;
    return kRulerSteps.back();
}

std::int64_t rulerMinorStep(std::int64_t step, double secondsPerPixel)
{
    for (std::int64_t minor : kRulerSteps) {
        if (minor >= step)
            break;
        // Labels a second or more apart keep their ticks on whole seconds, as they always were.
        if (step >= 1000 && minor % 1000 != 0)
            continue;
        if (step % minor == 0 && (!(secondsPerPixel > 0) || double(minor) / 1000 / secondsPerPixel >= kMinorTickSpacing))
            return minor;
    }
    return 0;
}

int rulerFractionDigits(std::int64_t step)
{
    if (step % 1000 == 0)
        return 0;
    if (step % 100 == 0)
        return 1;
    if (step % 10 == 0)
        return 2;
    return 3;
}

std::vector<RulerTick> rulerTicks(const TimelineView& view, double minLabelSpacingPx)
{
    std::vector<RulerTick> ticks;
    if (!(view.span > 0))
        return ticks;
    const double perPixel = view.secondsPerPixel();
    const std::int64_t step = rulerStep(perPixel, minLabelSpacingPx);
    const std::int64_t minor = rulerMinorStep(step, perPixel);
    const std::int64_t every = minor > 0 ? minor : step;
    const bool withHours = view.end() >= 3600;
    const double endMs = view.end() * 1000;
    for (auto k = std::int64_t(std::ceil(view.start * 1000 / double(every))); double(k * every) <= endMs; ++k) {
        const std::int64_t t = k * every;
        const long x = std::lround(view.pixelOf(double(t) / 1000));
        if (x < 0 || x > kTrackWidth)
            continue;
        ticks.push_back({int(x), t, t % step == 0 ? rulerLabel(t, withHours) : QString()});
    }
    return ticks;
}

QString rulerLabel(std::int64_t ms, bool withHours)
{
    const std::int64_t m = std::max(ms, std::int64_t(0));
    const std::int64_t s = m / 1000;
    auto two = [](std::int64_t v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    const QString text = withHours
                             ? QString::number(s / 3600) + QLatin1Char(':') + two(s % 3600 / 60) + QLatin1Char(':') + two(s % 60)
                             : QString::number(s / 60) + QLatin1Char(':') + two(s % 60);
    return text + millisFraction(std::uint64_t(m));
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
    // The widest label of a step: its fraction digits all 8s. Finer steps need wider labels,
    // which may call for a coarser step; a few rounds settle it.
    auto widestFor = [&](std::int64_t step) {
        const int digits = rulerFractionDigits(step);
        const std::int64_t fraction = digits == 0 ? 0 : (digits == 1 ? 800 : digits == 2 ? 880 : 888);
        return metrics.horizontalAdvance(rulerLabel((withHours ? 35999 : 3599) * std::int64_t(1000) + fraction, withHours));
    };
    int labelWidth = widestFor(1000);
    for (int round = 0; round < 3; ++round) {
        const int wanted = widestFor(rulerStep(view.secondsPerPixel(), labelWidth + kLabelGap));
        if (wanted <= labelWidth)
            break;
        labelWidth = wanted;
    }
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
