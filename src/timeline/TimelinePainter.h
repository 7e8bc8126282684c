#pragma once
#include "timeline/TimelineLayout.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

class QPainter;

// The timeline panel's fixed pictures: the card it is drawn on and each boundary's handles and
// line (the line picture is stretched to the line's height). Pictures made for a dense screen
// carry their device pixel ratio and are drawn at their logical size.
struct TimelineArt {
    QImage background;
    QImage playheadTop, playheadLine, playheadBottom;
    QImage beginTop, beginLine, beginBottom;
    QImage endTop, endLine, endBottom;
};

// Where the time ruler lies on the panel: above the top handles, over the card's own tick strip.
inline constexpr int kRulerTop = 28;
inline constexpr int kRulerHeight = 24;
// Ruler labels end by this column: inside the card's white strip (columns 2 to 743), clear of
// the card's edge.
inline constexpr int kRulerLabelRight = kPanelWidth - 4;
// The waveform's place on the panel: the track's columns, between the handle lanes.
inline constexpr int kWaveTop = 60;
inline constexpr int kWaveHeight = 282;

// Everything of the panel that changes: the boundaries and shade in the view, the waveform and
// ruler of that view, the time bubble of a drag, the marker taken by the keyboard (drawn with
// a focus ring) and whether the selection loops.
struct TimelineScene {
    TimelineLayout layout;
    QImage waveform;  // kTrackWidth x kWaveHeight logical pixels, or null
    QImage ruler;     // kPanelWidth x kRulerHeight logical pixels, or null
    QString bubbleText;
    double bubbleLeft = 0;
    std::optional<Boundary> focused;
    bool looping = false;
};

// Draws the panel (kPanelWidth x 360 from its top-left corner): the card, the ruler strip, the
// waveform, the shade, the three lines, then the handles (the end marker's above the begin
// marker's, both above the playhead's, as the hit test takes them), the focus ring, the loop
// badge and the bubble. A boundary that is not drawn in the layout leaves no pixel. Pictures
// are placed on whole logical pixels and never smoothed, so on a device of any pixel ratio a
// line's edges stay hard.
void paintTimeline(QPainter& painter, const TimelineArt& art, const TimelineScene& scene);

// The panel drawn by paintTimeline() into a new image of `size` logical pixels at `dpr` device
// pixels each (size x dpr pixels, its device pixel ratio set to dpr), on white, with `font`
// for the badges. A null image for an empty size or dpr <= 0.
QImage renderTimeline(const TimelineArt& art, const TimelineScene& scene, QSize size, qreal dpr, const QFont& font);
