#include "coder/AvHandles.h"

namespace coder {

std::string avErrorText(int errnum)
{
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(errnum, buf, sizeof buf) < 0 || buf[0] == '\0')
        return "error " + std::to_string(errnum);
    return buf;
}

int checkAv(int ret, const std::string& context)
{
    if (ret < 0)
        throw CoderError(context + ": " + avErrorText(ret));
    return ret;
}

ChannelLayout::ChannelLayout(const AVChannelLayout& layout)
{
    checkAv(av_channel_layout_copy(&layout_, &layout), "out of memory");
}

ChannelLayout ChannelLayout::defaultFor(int channels)
{
    ChannelLayout l;
    av_channel_layout_default(&l.layout_, channels);
    return l;
}

ChannelLayout::ChannelLayout(const ChannelLayout& other)
    : ChannelLayout(other.layout_)
{
}

ChannelLayout& ChannelLayout::operator=(const ChannelLayout& other)
{
    if (this != &other)
        checkAv(av_channel_layout_copy(&layout_, &other.layout_), "out of memory");
    return *this;
}

ChannelLayout::~ChannelLayout()
{
    av_channel_layout_uninit(&layout_);
}

bool ChannelLayout::operator==(const ChannelLayout& other) const
{
    return av_channel_layout_compare(&layout_, &other.layout_) == 0;
}

std::string ChannelLayout::name() const
{
    char buf[128] = {};
    if (av_channel_layout_describe(&layout_, buf, sizeof buf) < 0)
        return std::to_string(layout_.nb_channels) + " channels";
    return buf;
}

FramePtr makeFrame()
{
    FramePtr f(av_frame_alloc());
    if (!f)
        throw CoderError("out of memory");
    return f;
}

PacketPtr makePacket()
{
    PacketPtr p(av_packet_alloc());
    if (!p)
        throw CoderError("out of memory");
    return p;
}

std::string fileUrl(const std::string& path)
{
    return "file:" + path;
}

} // namespace coder
