// The hook finder's benchmark. Prints figures and ratios; asserts nothing.
//
//   hook_bench quality [songs] [first seed]
//     On generated songs (seeds other than the tests'), for the hook finder, a loudest-window
//     baseline and a random cutter: the share of first proposals that overlap a chorus by at
//     least half (of the shorter of window and chorus; targets >= 90 %) and that start within
//     one beat of a downbeat (target >= 80 %). Windows of 30 s and of 15 s.
//   hook_bench speed <folder> [pairs] [longest minutes]
//     Writes WAVs of 1, 4, 16 and 60 minutes (generated songs back to back, 44.1 kHz stereo)
//     into folder, then times the analysis of each against a plain read-and-downmix pass of
//     the same file, in pairs (which goes first alternates), and prints medians, the ratio, the
//     growth against 4 minutes, and how fast a cancel is seen (target: 4 minutes <= 2 s, 60
//     minutes <= 10 s, cancel < 100 ms).
#include "analysis/AudioSource.h"
#include "analysis/HookFinder.h"
#include "analysis/HookJudge.h"
#include "analysis/MonoReader.h"
#include "analysis/SongGenerator.h"
#include "analysis/WavWriter.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// CPU time of the calling thread, in seconds: what a run costs whatever else loads the machine.
double threadCpu()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

// The loudest window of `length` seconds, starting on a multiple of 0.1 s.
double loudestWindow(const songgen::GeneratedSong& song, double length)
{
    const int rate = song.sampleRate;
    const int block = rate / 10;
    std::vector<double> power;
    for (std::int64_t f = 0; f + block <= song.frames(); f += block) {
        double sum = 0;
        for (std::int64_t i = f * song.channels; i < (f + block) * song.channels; ++i)
            sum += double(song.samples[std::size_t(i)]) * song.samples[std::size_t(i)];
        power.push_back(sum);
    }
    const auto span = std::size_t(std::llround(length * 10));
    double best = -1;
    std::size_t bestStart = 0;
    double sum = 0;
    for (std::size_t i = 0; i < power.size(); ++i) {
        sum += power[i];
        if (i >= span)
            sum -= power[i - span];
        if (i + 1 >= span && sum > best) {
            best = sum;
            bestStart = i + 1 - span;
        }
    }
    return double(bestStart) / 10.0;
}

struct Tally {
    int chorus = 0;
    int downbeat = 0;
    int chorusStart = 0;
    double chorusShare = 0; // for averaged draws
    double downbeatShare = 0;
};

int quality(int songs, std::uint32_t firstSeed)
{
    std::printf("Quality on %d generated songs (seeds %u-%u), first proposal only\n", songs, firstSeed,
                firstSeed + std::uint32_t(songs) - 1);
    for (double length : {30.0, 15.0}) {
        Tally hook;
        Tally loudest;
        Tally random;
        std::mt19937 engine(12345);
        double analysed = 0;
        double audio = 0;
        for (int s = 0; s < songs; ++s) {
            const songgen::GeneratedSong song = songgen::generateSong(firstSeed + std::uint32_t(s));
            analysis::MemorySource source(song.samples, song.sampleRate, song.channels);
            const double l = std::min(length, song.duration());
            const auto start = Clock::now();
            const analysis::HookAnalysis result = analysis::findHooks(source, l);
            analysed += secondsSince(start);
            audio += song.duration();
            if (!result.proposals.empty()) {
                const auto& p = result.proposals.front();
                const bool c = songgen::overlapsChorus(song, p.begin(), p.end());
                const bool d = songgen::startsNearDownbeat(song, p.begin());
                hook.chorus += c;
                hook.downbeat += d;
                hook.chorusStart += songgen::startsNearChorusStart(song, p.begin());
                if (!c || !d || !songgen::startsNearChorusStart(song, p.begin()))
                    std::printf("  miss (L %.0f s): seed %u %s -> %.3f-%.3f chorus %d downbeat %d\n", length,
                                firstSeed + std::uint32_t(s), song.describe().c_str(), p.begin(), p.end(), c, d);
            }
            const double loud = loudestWindow(song, l);
            loudest.chorus += songgen::overlapsChorus(song, loud, loud + l);
            loudest.downbeat += songgen::startsNearDownbeat(song, loud);
            // The random cutter: a whole-second start, averaged over many draws.
            const int starts = int(std::floor(song.duration() - l)) + 1;
            constexpr int kDraws = 200;
            int c = 0;
            int d = 0;
            for (int k = 0; k < kDraws; ++k) {
                const double begin = double(engine() % std::uint32_t(starts));
                c += songgen::overlapsChorus(song, begin, begin + l);
                d += songgen::startsNearDownbeat(song, begin);
            }
            random.chorusShare += double(c) / kDraws;
            random.downbeatShare += double(d) / kDraws;
        }
        auto pct = [&](double x) { return 100.0 * x / songs; };
        std::printf("Window %.0f s                 overlaps a chorus (>= 90 %%)  starts near a downbeat (>= 80 %%)\n",
                    length);
        std::printf("  hook finder                  %5.1f %%                      %5.1f %%\n", pct(hook.chorus),
                    pct(hook.downbeat));
        std::printf("  loudest window               %5.1f %%                      %5.1f %%\n", pct(loudest.chorus),
                    pct(loudest.downbeat));
        std::printf("  random cutter (mean of 200)  %5.1f %%                      %5.1f %%\n",
                    pct(random.chorusShare), pct(random.downbeatShare));
        std::printf("  (the hook finder's first proposal starts within a beat of a chorus's start in %.1f %%; "
                    "analysis of songs in memory: %.2f s per minute of audio)\n",
                    pct(hook.chorusStart), analysed / (audio / 60.0));
    }
    return 0;
}

// Writes `minutes` of generated songs back to back to path.
bool makeLongWav(const std::string& path, double minutes, std::uint32_t seed)
{
    songgen::WavWriter writer(path, 44100, 2);
    std::int64_t left = std::int64_t(minutes * 60 * 44100);
    while (left > 0 && writer.ok()) {
        const songgen::GeneratedSong song = songgen::generateSong(seed++);
        const std::int64_t take = std::min(left, song.frames());
        writer.append(std::span<const std::int16_t>(song.samples.data(), std::size_t(take * 2)));
        left -= take;
    }
    return writer.close();
}

// Reads the whole file and mixes it to mono, as the analysis's own first step does.
void readAndMix(analysis::AudioSource& source)
{
    constexpr std::int64_t block = 8192;
    std::vector<std::int16_t> raw(std::size_t(block * source.channels()));
    std::vector<float> mono(static_cast<std::size_t>(block));
    volatile float sink = 0;
    for (std::int64_t f = 0; f < source.frameCount(); f += block) {
        const std::int64_t n = std::min(block, source.frameCount() - f);
        source.read(f, n, raw.data());
        analysis::mixToMono(raw.data(), n, source.channels(), mono.data());
        sink = sink + mono[0];
    }
}

int speed(const std::string& folder, int pairs, double longest)
{
    std::vector<double> lengths{1, 4, 16, 60};
    lengths.erase(std::remove_if(lengths.begin(), lengths.end(), [&](double m) { return m > longest; }), lengths.end());
    std::printf("Speed: analysis of a WAV (44.1 kHz stereo) against reading and mixing it to mono, %d pairs, medians\n",
                pairs);
    std::printf("  minutes   analysis (its CPU)     read+mix   ratio   per minute   growth vs 4 min\n");
    double fourMinutes = 0;
    std::string longestPath;
    for (double minutes : lengths) {
        const std::string path = folder + "/song-" + std::to_string(int(minutes)) + "min.wav";
        if (!makeLongWav(path, minutes, 5001)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        longestPath = path;
        std::string error;
        auto source = analysis::WavFileSource::open(path, &error);
        if (!source) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        readAndMix(*source); // into the page cache
        std::vector<double> analysed;
        std::vector<double> analysedCpu;
        std::vector<double> plain;
        std::vector<double> ratios;
        for (int p = 0; p < pairs; ++p) {
            double a = 0;
            double b = 0;
            auto runA = [&] {
                const auto start = Clock::now();
                const double cpu = threadCpu();
                const auto result = analysis::findHooks(*source, 30.0);
                a = secondsSince(start);
                analysedCpu.push_back(threadCpu() - cpu);
                if (result.status != analysis::HookAnalysis::Status::Done || result.proposals.empty())
                    std::fprintf(stderr, "analysis failed on %s\n", path.c_str());
            };
            auto runB = [&] {
                const auto start = Clock::now();
                readAndMix(*source);
                b = secondsSince(start);
            };
            if (p % 2 == 0) {
                runA();
                runB();
            } else {
                runB();
                runA();
            }
            analysed.push_back(a);
            plain.push_back(b);
            ratios.push_back(a / b);
        }
        const double ma = median(analysed);
        if (minutes == 4)
            fourMinutes = ma;
        std::printf("  %7.0f   %7.3f s (%6.3f s)  %7.3f s  %6.1f   %7.3f s    %s\n", minutes, ma, median(analysedCpu),
                    median(plain), median(ratios),
                    ma / minutes, fourMinutes > 0 ? std::to_string(ma / fourMinutes).substr(0, 5).c_str() : "-");
    }

    // How long a cancel takes to be seen, at points spread over the run on the longest file.
    auto source = analysis::WavFileSource::open(longestPath);
    const auto start = Clock::now();
    analysis::findHooks(*source, 30.0);
    const double full = secondsSince(start);
    std::vector<double> latencies;
    for (int k = 1; k <= 9; ++k) {
        std::atomic<bool> cancel{false};
        Clock::time_point finished;
        std::thread worker([&] {
            analysis::findHooks(*source, 30.0, &cancel);
            finished = Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::duration<double>(full * k / 10.0));
        const auto asked = Clock::now();
        cancel = true;
        worker.join();
        if (finished >= asked)
            latencies.push_back(std::chrono::duration<double, std::milli>(finished - asked).count());
    }
    std::printf("Cancel on the %s file (full run %.2f s), at 10 %%..90 %% of the run: median %.1f ms, max %.1f ms "
                "(target < 100 ms; %zu of 9 runs were still going)\n",
                longestPath.substr(longestPath.rfind('-') + 1).c_str(), full, median(latencies),
                latencies.empty() ? 0.0 : *std::max_element(latencies.begin(), latencies.end()), latencies.size());
    return 0;
}

// Analyses one WAV and prints what was found and how long it took.
int analyseFile(const std::string& path, double length)
{
    std::string error;
    auto source = analysis::WavFileSource::open(path, &error);
    if (!source) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto start = Clock::now();
    const auto result = analysis::findHooks(*source, length);
    std::printf("%s: %.3f s, %zu beats, %.1f BPM, peak %d\n", path.c_str(), secondsSince(start), result.beats.size(),
                result.bpm, result.peak);
    for (const auto& p : result.proposals)
        std::printf("  %.3f-%.3f score %.0f\n", p.begin(), p.end(), 100 * p.score);
    return result.status == analysis::HookAnalysis::Status::Done ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "quality")
        return quality(argc > 2 ? std::atoi(argv[2]) : 20, argc > 3 ? std::uint32_t(std::atol(argv[3])) : 1001);
    if (mode == "speed" && argc > 2)
        return speed(argv[2], argc > 3 ? std::atoi(argv[3]) : 5, argc > 4 ? std::atof(argv[4]) : 60);
    if (mode == "analyse" && argc > 2)
        return analyseFile(argv[2], argc > 3 ? std::atof(argv[3]) : 30.0);
    std::fprintf(stderr, "usage: hook_bench quality [songs] [first seed]\n"
                         "       hook_bench analyse <wav> [length]\n"
                         "       hook_bench speed <folder> [pairs] [longest minutes]\n");
    return 2;
}
