#include "timeline/DragBubble.h"

#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineDrag.h"
#include "timeline/TimelineLayout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kBubbleGap = 4;
}

QString dragBubbleText(const TimelineDrag& drag)
{
    if (!drag.isActive())
        return QString();
    return drag.onBeat() ? formatTimeMs(drag.msNow()) + QStringLiteral(" beat") : formatTimeMs(drag.msNow());
}

QRect dragBubbleRect(double left, QSize size, int y)
{
    const int line = int(std::lround(left)) + kLineOffset;
    int x = line + 1 + kBubbleGap;
    if (x + size.width() > kPanelWidth)
        x = line - kBubbleGap - size.width();
    x = std::clamp(x, 0, std::max(0, kPanelWidth - size.width()));
    return {QPoint(x, y), size};
}
