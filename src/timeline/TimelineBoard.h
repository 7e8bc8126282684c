#pragma once
#include <array>

struct EditorState;
class LabelSink;

// The nine pictures of the timeline panel: the playhead and the two selection markers, each a
// top handle, a line (at the handles' Left + 6) and a bottom handle.
enum class TimelinePic {
    TopPoint, Line, BottomPoint,
    SelectTop1, SelectLine1, SelectBottom1,
    SelectTop2, SelectLine2, SelectBottom2,
};
inline constexpr int kTimelinePicCount = 9;
inline constexpr int kHandleWidth = 13;
inline constexpr int kHandleHeight = 8;
inline constexpr int kLineOffset = 6;
inline constexpr int kLineHeight = 284;

// Positions (Left, in pixels of the panel) and visibility of the timeline pictures. The rules
// of the timeline act on this interface; the window implements it over its picture widgets.
class TimelineBoard {
public:
    virtual ~TimelineBoard() = default;
    virtual double left(TimelinePic pic) const = 0;
    virtual void setLeft(TimelinePic pic, double left) = 0;
    virtual bool isVisible(TimelinePic pic) const = 0;
    virtual void setVisible(TimelinePic pic, bool visible) = 0;
    virtual int width(TimelinePic pic) const = 0;  // read from the picture itself
};

// A board without widgets: the model of the timeline for rules and tests.
class PlainTimelineBoard : public TimelineBoard {
public:
    PlainTimelineBoard();
    double left(TimelinePic pic) const override { return lefts_[idx(pic)]; }
    void setLeft(TimelinePic pic, double l) override { lefts_[idx(pic)] = l; }
    bool isVisible(TimelinePic pic) const override { return visible_[idx(pic)]; }
    void setVisible(TimelinePic pic, bool v) override { visible_[idx(pic)] = v; }
    int width(TimelinePic pic) const override;

private:
    static int idx(TimelinePic p) { return static_cast<int>(p); }
    std::array<double, kTimelinePicCount> lefts_{};
    std::array<bool, kTimelinePicCount> visible_{};
};

// Start-up placement: begin marker at 0 (line 6), end marker at 728 (line 734), in the order
// top1, line1, bottom1, top2, bottom2, line2. Visibility is not touched.
void placeInitialMarkers(TimelineBoard& board);

// The editor reset of "Close Current File": selection 0/0, the duration forgotten (txtFullTime
// "0"), the seven time labels "00:00:00", playhead at 0 (line 6), the markers back at their
// start-up places and their six pictures hidden. Leaves playback, playPaused, playingSelection
// and playFraction alone.
void resetEditor(EditorState& state, TimelineBoard& board, LabelSink& labels);
