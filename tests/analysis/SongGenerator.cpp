#include "analysis/SongGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>

namespace songgen {

namespace {

// Draws from the fully specified mt19937, so a seed means the same song on any standard library.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}
    int uniform(int low, int high) { return low + int(engine_() % std::uint32_t(high - low + 1)); }
    double real(double low, double high) { return low + (high - low) * (engine_() / 4294967296.0); }
    bool chance(double p) { return real(0, 1) < p; }

private:
    std::mt19937 engine_;
};

constexpr int kTableSize = 8192;

const std::array<float, kTableSize + 1>& sineTable()
{
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i)
            t[std::size_t(i)] = float(std::sin(2 * std::numbers::pi * i / kTableSize));
        return t;
    }();
    return table;
}

// The stereo mix being rendered.
class Mix {
public:
    Mix(int rate, double seconds) : rate_(rate), left_(std::size_t(seconds * rate) + 1), right_(left_.size()) {}

    int rate() const { return rate_; }
    std::size_t frames() const { return left_.size(); }
    const std::vector<float>& left() const { return left_; }
    const std::vector<float>& right() const { return right_; }

    // A note of frequency `freq` with the given harmonic amplitudes, an attack, a hold of
    // `length` and an exponential release after it; pan -1 (left) to 1 (right).
    void tone(double start, double length, double freq, double amp, std::initializer_list<double> harmonics,
              double attack, double release, double pan)
    {
        const auto& table = sineTable();
        const auto first = std::size_t(std::max(0.0, start * rate_));
        const std::size_t count = std::size_t((length + 5 * release) * rate_);
        const auto hold = std::size_t(length * rate_);
        const auto rise = std::max<std::size_t>(1, std::size_t(attack * rate_));
        const double fall = std::exp(-1.0 / (release * rate_));
        std::array<double, 8> phase{};
        std::array<double, 8> step{};
        std::array<double, 8> weight{};
        std::size_t voices = 0;
        for (double a : harmonics) {
            const double f = freq * double(voices + 1);
            if (voices < phase.size() && f < rate_ / 2.0) {
                step[voices] = f * kTableSize / rate_;
                weight[voices] = a;
                ++voices;
            }
        }
        const float gl = float(amp * (1 - pan) / 2);
        const float gr = float(amp * (1 + pan) / 2);
        double env = 0;
        for (std::size_t i = 0; i < count && first + i < left_.size(); ++i) {
            env = i < rise ? double(i) / double(rise) : i < hold ? 1.0 : env * fall;
            double v = 0;
            for (std::size_t h = 0; h < voices; ++h) {
                v += weight[h] * table[std::size_t(phase[h])];
                phase[h] += step[h];
                if (phase[h] >= kTableSize)
                    phase[h] -= kTableSize;
            }
            left_[first + i] += float(env * v) * gl;
            right_[first + i] += float(env * v) * gr;
        }
    }

    // A percussive sound: a falling sine (kick, snare body) plus noise, both decaying.
    void hit(double start, double amp, double freqHigh, double freqLow, double toneDecay, double noiseAmp,
             double noiseDecay, bool brightNoise, double pan, std::uint32_t seed)
    {
        const auto first = std::size_t(std::max(0.0, start * rate_));
        const std::size_t count = std::size_t(5 * std::max(toneDecay, noiseDecay) * rate_);
        std::uint32_t state = seed * 2654435761u + 1;
        const auto& table = sineTable();
        const double toneFall = std::exp(-1.0 / (toneDecay * rate_));
        const double noiseFall = std::exp(-1.0 / (noiseDecay * rate_));
        const double sweepFall = std::exp(-1.0 / (0.03 * rate_));
        double sweep = 1;
        double toneEnv = 1;
        double noiseEnv = noiseAmp;
        double phase = 0;
        float last = 0;
        for (std::size_t i = 0; i < count && first + i < left_.size(); ++i) {
            const double freq = freqLow + (freqHigh - freqLow) * sweep;
            phase += freq * kTableSize / rate_;
            if (phase >= kTableSize)
                phase -= kTableSize;
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const float white = float(state) / 2147483648.0f - 1.0f;
            const float noise = brightNoise ? white - last : white;
            last = white;
            const double v = table[std::size_t(phase)] * toneEnv + noise * noiseEnv;
            sweep *= sweepFall;
            toneEnv *= toneFall;
            noiseEnv *= noiseFall;
            left_[first + i] += float(amp * v * (1 - pan) / 2);
            right_[first + i] += float(amp * v * (1 + pan) / 2);
        }
    }

private:
    int rate_;
    std::vector<float> left_;
    std::vector<float> right_;
};

double midiToHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};

// Chord loops by scale degree (0 = tonic), one chord a bar.
const std::vector<std::array<int, 4>> kProgressions{
    {0, 4, 5, 3}, {5, 3, 0, 4}, {0, 5, 3, 4}, {0, 3, 4, 3}, {1, 4, 0, 0},
    {3, 0, 4, 5}, {0, 2, 3, 4}, {5, 4, 3, 4}, {3, 4, 5, 5}, {0, 3, 5, 4},
};

// A section of the form as the renderer plays it.
struct Part {
    std::string name;
    int bars = 0;
    std::array<int, 4> chords{};
    int melody = -1; // index into the melodies, -1 none
    double level = 1;
    bool fadeOut = false;
};

struct Note {
    double beat = 0;   // offset within the 4-bar phrase
    double length = 0; // beats
    int degreeStep = 0; // 0..2: chord tone, 3: the scale step above the root
};

// A 4-bar melody: each beat a rest, a quarter, two eighths or a half note on chord tones.
std::vector<Note> makeMelody(Rng& rng, double restChance)
{
    std::vector<Note> notes;
    for (int beat = 0; beat < 16;) {
        const double r = rng.real(0, 1);
        if (r < restChance) {
            ++beat;
        } else if (r < restChance + 0.3 && beat % 4 != 3) {
            notes.push_back({double(beat), 1.9, rng.uniform(0, 3)});
            beat += 2;
        } else if (r < restChance + 0.6) {
            notes.push_back({double(beat), 0.45, rng.uniform(0, 3)});
            notes.push_back({beat + 0.5, 0.45, rng.uniform(0, 3)});
            ++beat;
        } else {
            notes.push_back({double(beat), 0.9, rng.uniform(0, 3)});
            ++beat;
        }
    }
    return notes;
}

} // namespace

std::vector<TimeSpan> GeneratedSong::choruses() const
{
    std::vector<TimeSpan> spans;
    for (const Section& s : sections) {
        if (s.name != "chorus")
            continue;
        if (!spans.empty() && std::abs(spans.back().end - s.span.begin) < 1e-9)
            spans.back().end = s.span.end;
        else
            spans.push_back(s.span);
    }
    return spans;
}

std::string GeneratedSong::describe() const
{
    std::ostringstream out;
    out.precision(1);
    out << std::fixed << bpm << " BPM:";
    for (const Section& s : sections)
        out << ' ' << s.name << '@' << s.span.begin;
    return out.str();
}

GeneratedSong generateSong(std::uint32_t seed, const SongOptions& options)
{
    Rng rng(seed);
    GeneratedSong song;
    song.sampleRate = options.sampleRate;
    song.channels = options.channels;
    song.bpm = rng.real(70, 160);
    song.keyRoot = rng.uniform(0, 11);
    song.minor = rng.chance(0.4);
    const auto& scale = song.minor ? kMinor : kMajor;

    const int phrase = song.bpm < 110 ? 8 : 16;
    const auto verseChords = kProgressions[std::size_t(rng.uniform(0, int(kProgressions.size()) - 1))];
    auto pickOther = [&](std::initializer_list<std::array<int, 4>> avoid) {
        for (;;) {
            const auto p = kProgressions[std::size_t(rng.uniform(0, int(kProgressions.size()) - 1))];
            if (std::find(avoid.begin(), avoid.end(), p) == avoid.end())
                return p;
        }
    };
    const auto chorusChords = pickOther({verseChords});
    const auto bridgeChords = pickOther({verseChords, chorusChords});
    const auto preChords = pickOther({verseChords, chorusChords});
    const std::vector<std::vector<Note>> melodies{makeMelody(rng, 0.35), makeMelody(rng, 0.1), makeMelody(rng, 0.5),
                                                  makeMelody(rng, 0.25), makeMelody(rng, 0.05)};
    const auto soloChords = pickOther({verseChords, chorusChords, bridgeChords});
    const double verseLevel = rng.real(0.55, 0.8);
    const bool solo = rng.chance(0.5);
    const bool pre = rng.chance(0.4);
    const int preBars = rng.chance(0.5) ? 2 : 4;

    std::vector<Part> parts;
    parts.push_back({"intro", rng.chance(0.5) ? 2 : 4, verseChords, -1, 0.45, false});
    for (int round = 0; round < 2; ++round) {
        parts.push_back({"verse", phrase, verseChords, 0, verseLevel, false});
        if (pre)
            parts.push_back({"prechorus", preBars, preChords, 3, 0.7, false});
        parts.push_back({"chorus", phrase, chorusChords, 1, 1.0, false});
    }
    parts.push_back({"bridge", rng.chance(0.5) ? 4 : 8, bridgeChords, 2, 0.5, false});
    // An instrumental break as loud and busy as the chorus, heard once.
    if (solo)
        parts.push_back({"solo", phrase, soloChords, 4, 1.05, false});
    parts.push_back({"chorus", phrase, chorusChords, 1, 1.0, false});
    if (rng.chance(0.4))
        parts.push_back({"chorus", phrase, chorusChords, 1, 1.0, false});
    parts.push_back({"outro", rng.uniform(2, 4), chorusChords, -1, 0.5, true});

    const double beat = 60.0 / song.bpm;
    const double head = rng.real(0.2, 1.5);
    int totalBars = 0;
    for (const Part& p : parts)
        totalBars += p.bars;
    const double tail = rng.real(0.5, 2.0);
    Mix mix(options.sampleRate, head + totalBars * 4 * beat + tail);

    const int base = song.keyRoot;
    auto chordNote = [&](int degree, int step, int octaveBase) {
        const int d = degree + (step < 3 ? 2 * step : 1);
        return octaveBase + base + scale[std::size_t(d % 7)] + 12 * (d / 7);
    };
    double t = head;
    for (const Part& part : parts) {
        // The solo is played like a chorus: the same drums, bass and doubled pad.
        const bool chorus = part.name == "chorus" || part.name == "solo";
        const bool drums = part.name == "verse" || part.name == "prechorus" || chorus || part.name == "outro";
        song.sections.push_back({part.name, {t, t + part.bars * 4 * beat}});
        for (int bar = 0; bar < part.bars; ++bar) {
            const double barStart = t + bar * 4 * beat;
            const double fade = part.fadeOut ? 1.0 - double(bar) / part.bars : 1.0;
            const double level = part.level * fade;
            const int degree = part.chords[std::size_t(bar % 4)];
            for (int k = 0; k < 4; ++k) {
                song.beats.push_back(barStart + k * beat);
                if (k == 0)
                    song.downbeats.push_back(barStart);
            }
            // Pad: the triad, held for the bar; the chorus doubles it an octave up.
            for (int step = 0; step < 3; ++step) {
                const double f = midiToHz(chordNote(degree, step, 48));
                mix.tone(barStart, 4 * beat - 0.05, f, 0.07 * level, {1, 0.4, 0.15}, 0.04, 0.08, step - 1.0);
                if (chorus)
                    mix.tone(barStart, 4 * beat - 0.05, 2 * f, 0.04 * level, {1, 0.2}, 0.04, 0.08, 1.0 - step);
            }
            // Bass: halves in the verse, eighths in the chorus, one note a bar elsewhere.
            const double bassStep = chorus ? 0.5 : part.name == "verse" || part.name == "prechorus" ? 2 : 4;
            const double bassFreq = midiToHz(chordNote(degree, 0, 36));
            if (part.name != "intro")
                for (double b = 0; b < 4; b += bassStep)
                    mix.tone(barStart + b * beat, bassStep * beat * 0.8, bassFreq, 0.22 * level, {1, 0.5, 0.25},
                             0.01, 0.05, 0);
            // Drums.
            for (int e = 0; e < 8; ++e) {
                const double at = barStart + e * beat / 2;
                const auto hitSeed = std::uint32_t(seed * 7919u + std::uint32_t(at * 1000));
                const bool onBeat = e % 2 == 0;
                if (part.name == "intro" && onBeat)
                    mix.hit(at, 0.05 * level, 0, 0, 0.001, 1, 0.02, true, -0.5, hitSeed);
                if (!drums)
                    continue;
                if (part.name == "outro") {
                    if (e == 0)
                        mix.hit(at, 0.9 * level, 150, 48, 0.12, 0, 0.01, false, 0, hitSeed);
                    continue;
                }
                const bool kick = e == 0 || e == 4 || (chorus && (e == 3 || e == 6));
                if (kick)
                    mix.hit(at, (e == 0 ? 1.0 : 0.8) * level, 150, 48, 0.12, 0, 0.01, false, 0, hitSeed);
                if (e == 2 || e == 6 || (part.name == "prechorus" && bar == part.bars - 1 && e % 2 == 1))
                    mix.hit(at, 0.35 * level, 200, 180, 0.05, 1.2, 0.07, false, 0.1, hitSeed + 1);
                mix.hit(at, (chorus ? 0.09 : onBeat ? 0.05 : 0.035) * level, 0, 0, 0.001, 1, chorus ? 0.05 : 0.02,
                        true, -0.4, hitSeed + 2);
                if (part.name == "chorus" && e == 0 && bar % phrase == 0)
                    mix.hit(at, 0.25, 0, 0, 0.001, 1, 0.7, true, 0.3, hitSeed + 3);
            }
        }
        // Melody: the section's 4-bar phrase over each group of four bars.
        if (part.melody >= 0) {
            const int octave = chorus ? 72 : 60;
            const double amp = chorus ? 0.16 : 0.11;
            for (int group = 0; group < part.bars; group += 4) {
                for (const Note& n : melodies[std::size_t(part.melody)]) {
                    const int bar = group + int(n.beat) / 4;
                    if (bar >= part.bars)
                        break;
                    const int degree = part.chords[std::size_t(bar % 4)];
                    const double f = midiToHz(chordNote(degree, n.degreeStep, octave));
                    mix.tone(t + (group * 4 + n.beat) * beat, n.length * beat, f, amp * part.level,
                             {1, 0.5, 0.3, 0.15}, 0.015, 0.06, 0.25);
                }
            }
        }
        t += part.bars * 4 * beat;
    }

    // Normalise to the wanted peak and write 16-bit frames.
    float top = 1e-9f;
    for (std::size_t i = 0; i < mix.frames(); ++i)
        top = std::max({top, std::abs(mix.left()[i]), std::abs(mix.right()[i])});
    const float gain = float(options.peak * 32767.0 / top);
    song.samples.resize(mix.frames() * std::size_t(options.channels));
    for (std::size_t i = 0; i < mix.frames(); ++i) {
        for (int c = 0; c < options.channels; ++c) {
            const float v = (options.channels == 1 ? (mix.left()[i] + mix.right()[i]) / 2
                             : c % 2 == 0          ? mix.left()[i]
                                                   : mix.right()[i])
                            * gain;
            song.samples[i * std::size_t(options.channels) + std::size_t(c)] =
                std::int16_t(std::lround(std::clamp(v, -32768.0f, 32767.0f)));
        }
    }
    return song;
}

} // namespace songgen
