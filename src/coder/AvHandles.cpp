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
