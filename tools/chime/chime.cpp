// Writes the completion sound: a two-note bell (G5 then C6), 16-bit mono at 44.1 kHz, 0.8 s.
// Each note is a few bell-like partials under an exponential decay, with a short attack so
// it does not click. Usage: chime <output.wav>. Writes through a temporary file and renames,
// so a failed run never leaves a half-written sound behind.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 0.8;

struct Partial {
    double ratio;  // to the note's pitch
    double gain;
    double decay;  // seconds for the level to fall by e
};

// A struck bell: the fundamental, its octave and twelfth, and two inharmonic overtones that
// die away quickly.
constexpr Partial kBell[] = {
    {1.0, 1.00, 0.30}, {2.0, 0.45, 0.18}, {3.0, 0.22, 0.12}, {2.76, 0.12, 0.08}, {5.4, 0.06, 0.05},
};

void addNote(std::vector<double>& out, double start, double pitch, double level)
{
    const double attack = 0.004;
    for (std::size_t i = std::size_t(start * kRate); i < out.size(); ++i) {
        const double t = double(i) / kRate - start;
        const double rise = std::min(1.0, t / attack);
        double v = 0;
        for (const Partial& p : kBell)
            v += p.gain * std::exp(-t / p.decay) * std::sin(2 * std::numbers::pi * pitch * p.ratio * t);
        out[i] += level * rise * v;
    }
}

void put(std::string& s, std::uint32_t v, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        s.push_back(char((v >> (8 * b)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chime <output.wav>\n");
        return 2;
    }
    std::vector<double> mix(std::size_t(kSeconds * kRate), 0.0);
    addNote(mix, 0.00, 783.99, 0.8);   // G5
    addNote(mix, 0.16, 1046.50, 1.0);  // C6
    // Fade the tail to exact silence over the last 30 ms.
    const std::size_t fade = kRate * 30 / 1000;
    for (std::size_t k = 0; k < fade; ++k)
        mix[mix.size() - 1 - k] *= double(k) / fade;
    const double peak = std::max(1e-9, *std::max_element(mix.begin(), mix.end(), [](double a, double b) {
        return std::abs(a) < std::abs(b);
    }));
    const double scale = 0.7 * 32767 / std::abs(peak);  // about -3 dB below full scale

    const auto frames = std::uint32_t(mix.size());
    std::string wav;
    wav += "RIFF";
    put(wav, 36 + frames * 2, 4);
    wav += "WAVEfmt ";
    put(wav, 16, 4);
    put(wav, 1, 2);  // PCM
    put(wav, 1, 2);  // mono
    put(wav, kRate, 4);
    put(wav, kRate * 2, 4);
    put(wav, 2, 2);
    put(wav, 16, 2);
    wav += "data";
    put(wav, frames * 2, 4);
    for (double v : mix)
        put(wav, std::uint32_t(std::int16_t(std::lround(v * scale))) & 0xFFFF, 2);

    const std::string path = argv[1];
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(wav.data(), std::streamsize(wav.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "chime: cannot write %s\n", temp.c_str());
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "chime: cannot create %s\n", path.c_str());
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
