// Writes a generated song as a WAV, to try the selection helpers by hand:
//     make_song <seed> <out.wav>
// and prints its length and its form (the tempo, the sections and where they start).
#include "analysis/SongGenerator.h"
#include "analysis/WavWriter.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_song <seed> <out.wav>\n");
        return 2;
    }
    const songgen::GeneratedSong song = songgen::generateSong(std::uint32_t(std::strtoul(argv[1], nullptr, 10)));
    if (!songgen::writeWav(argv[2], song.samples, song.sampleRate, song.channels)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%.1f s, %s\n", song.duration(), song.describe().c_str());
    return 0;
}
