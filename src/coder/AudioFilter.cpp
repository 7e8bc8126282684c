#include "coder/AudioFilter.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace coder {
namespace {

struct InOutFreer {
    void operator()(AVFilterInOut* io) const { avfilter_inout_free(&io); }
};
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFreer>;

// The format constraint that ends every chain: the output's format, rate and, where it has
// speaker positions, its layout.
std::string outputFormat(const SampleShape& output)
{
    std::string f = std::string("aformat=sample_fmts=") + av_get_sample_fmt_name(output.format)
        + ":sample_rates=" + std::to_string(output.sampleRate);
    if (output.layout.get().order == AV_CHANNEL_ORDER_NATIVE)
        f += ":channel_layouts=" + output.layout.name();
    return f;
}

} // namespace

std::string joinChains(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return a + "," + b;
}

AudioFilter::AudioFilter(const SampleShape& input, const std::string& description, const SampleShape& output,
                         const std::string& name, bool constrained)
    : name_(name)
    , graph_(avfilter_graph_alloc())
{
    if (!graph_)
        throw CoderError("out of memory");
    const std::string context = name + ": cannot set up the filters \"" + description + "\"";
    source_ = avfilter_graph_alloc_filter(graph_.get(), avfilter_get_by_name("abuffer"), "in");
    sink_ = avfilter_graph_alloc_filter(graph_.get(), avfilter_get_by_name("abuffersink"), "out");
    if (!source_ || !sink_)
        throw CoderError("out of memory");

    std::unique_ptr<AVBufferSrcParameters, void (*)(void*)> params(av_buffersrc_parameters_alloc(), av_free);
    if (!params)
        throw CoderError("out of memory");
    params->format = input.format;
    params->sample_rate = input.sampleRate;
    params->time_base = AVRational{1, input.sampleRate};
    params->ch_layout = input.layout.get();  // copied by the source; not owned here
    checkAv(av_buffersrc_parameters_set(source_, params.get()), context);
    params->ch_layout = AVChannelLayout{};
    checkAv(avfilter_init_str(source_, nullptr), context);
    checkAv(avfilter_init_str(sink_, nullptr), context);

    // The chain's free input is fed by the source; its free output feeds the sink.
    InOutPtr outputs(avfilter_inout_alloc());
    InOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs)
        throw CoderError("out of memory");
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source_;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink_;
    std::string chain = description.empty() ? std::string("anull") : description;
    if (constrained)
        chain = joinChains(chain, outputFormat(output));
    AVFilterInOut* in = inputs.release();
    AVFilterInOut* out = outputs.release();
    const int ret = avfilter_graph_parse_ptr(graph_.get(), chain.c_str(), &in, &out, nullptr);
    inputs.reset(in);
    outputs.reset(out);
    checkAv(ret, context);
    checkAv(avfilter_graph_config(graph_.get(), nullptr), context);
    if (constrained && output.frameSize > 0)
        av_buffersink_set_frame_size(sink_, static_cast<unsigned>(output.frameSize));
}

void AudioFilter::push(AVFrame* frame)
{
    checkAv(av_buffersrc_add_frame_flags(source_, frame, frame ? AV_BUFFERSRC_FLAG_KEEP_REF : 0),
            name_ + ": filtering failed");
}

bool AudioFilter::pull(AVFrame& out)
{
    av_frame_unref(&out);
    const int ret = av_buffersink_get_frame(sink_, &out);
    if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
        return false;
    checkAv(ret, name_ + ": filtering failed");
    return true;
}

} // namespace coder
