// Synthetic songs with a known form, for the hook finder's tests and benchmark: the truth
// (sections, choruses, beats, downbeats) comes with the samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace songgen {

struct TimeSpan {
    double begin = 0;
    double end = 0;
    double length() const { return end - begin; }
};

struct Section {
    std::string name; // "intro", "verse", "prechorus", "chorus", "bridge", "solo", "outro"
    TimeSpan span;
};

struct SongOptions {
    int sampleRate = 44100;
    int channels = 2;
    // Peak of the mix relative to full scale (0.9: about -0.9 dBFS).
    double peak = 0.9;
};

// A generated song: interleaved 16-bit samples and what is in them.
struct GeneratedSong {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
    double bpm = 0;
    int keyRoot = 0; // pitch class of the key, 0 = C
    bool minor = false;
    std::vector<Section> sections;
    std::vector<double> beats;     // every beat of every bar, seconds
    std::vector<double> downbeats; // the first beat of every bar, seconds

    std::int64_t frames() const { return channels ? std::int64_t(samples.size()) / channels : 0; }
    double duration() const { return sampleRate ? double(frames()) / sampleRate : 0; }
    // The chorus sections; a chorus played twice in a row is one span.
    std::vector<TimeSpan> choruses() const;
    // "intro verse chorus ..." with each section's start, for messages.
    std::string describe() const;
};

// A song in 4/4 made from seed alone (the same seed gives the same samples): tempo 70 to 160
// BPM, a random key, major or minor; a silent head of 0.2 to 1.5 s, then intro, verse,
// (pre-chorus), chorus, verse, (pre-chorus), chorus, bridge, (solo), chorus (sometimes twice),
// outro, and a silent tail. Each section has its own chord progression and melody; the chorus
// is louder and denser than the verse (drums on eighths, a crash on its first downbeat, a
// higher melody) and the only part heard three times. Half the songs have a solo: as loud and
// busy as the chorus, with chords and a melody of its own, heard once, so loudness alone does
// not find the chorus.
GeneratedSong generateSong(std::uint32_t seed, const SongOptions& options = {});

} // namespace songgen
