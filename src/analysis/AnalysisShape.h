// The rate and frame sizes one analysis computes its features at.
#pragma once

namespace analysis {

struct AnalysisShape {
    // Mono samples per second.
    int rate = 11025;
    // The onset detection function's hop and frame: about 11.6 ms and 23 ms at either rate,
    // the frame rate qm-dsp's beat tracker is made for.
    int onsetHop = 128;
    int onsetFrame = 256;
    // From rate to about 2.76 kHz, the rate of the downbeat finder's spectra.
    int lowRateFactor = 4;

    // The full shape for up to 20 minutes; half the rate (onsets below 2.7 kHz, which still
    // hold the kick and the snare) beyond, which halves the cost of the frame features on
    // hour-long files.
    static AnalysisShape forDuration(double seconds)
    {
        if (seconds <= 20 * 60)
            return {};
        return {5512, 64, 128, 2};
    }
};

} // namespace analysis
