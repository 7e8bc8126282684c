// The effects' filter chain and where it goes on the save and preview command lines.
#include "transcode/CommandLine.h"
#include "transcode/EffectChain.h"
#include "transcode/TranscodeCommands.h"

#include <gtest/gtest.h>

namespace {

const QString kCoder = "/app/data/coder";
const QString kWav = "/tmp/ts/open-1.wav";

TEST(EffectChain, FadesAndLoudnessInFFmpegsSyntax)
{
    EXPECT_EQ(effectChain(EffectsSettings{}, 30), "");
    EXPECT_EQ(effectChain(EffectsSettings{1000, 2000, -16}, 30),
              "afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=28:d=2:curve=hsin,loudnorm=I=-16:TP=-1");
    EXPECT_EQ(effectChain(EffectsSettings{500, 0, 0}, 7), "afade=t=in:st=0:d=0.5:curve=hsin");
    EXPECT_EQ(effectChain(EffectsSettings{0, 3000, 0}, 40), "afade=t=out:st=37:d=3:curve=hsin");
    EXPECT_EQ(effectChain(EffectsSettings{0, 0, -23}, 5), "loudnorm=I=-23:TP=-1");
    // Fades longer than half the cut are shortened to half of it, so that both fit.
    EXPECT_EQ(effectChain(EffectsSettings{3000, 3000, 0}, 1),
              "afade=t=in:st=0:d=0.5:curve=hsin,afade=t=out:st=0.5:d=0.5:curve=hsin");
    EXPECT_EQ(effectChain(EffectsSettings{2000, 500, 0}, 3),
              "afade=t=in:st=0:d=1.5:curve=hsin,afade=t=out:st=2.5:d=0.5:curve=hsin");
}

TEST(EffectChain, WithEveryEffectOffASaveRunsExactlyTheLineItAlwaysRan)
{
    for (const char* name : {"/t/ring.mp3", "/t/ring.wma", "/t/a b.wav", "/t/ring.amr", "/t/r.m4r"}) {
        const QString plain = kCoder + " -i " + kWav + " -ss 12 -t 30" + *encodeOptions(name) + "\"" + name + "\"";
        EXPECT_EQ(encodeCommand(kCoder, kWav, {12000, 30000}, name, EffectsSettings{}), plain) << name;
    }
    EXPECT_EQ(encodeCommand(kCoder, kWav, {12000, 30000}, "/t/ring.mp3"),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12 -t 30 -y -ab 128k -ar 44100 -ac 1 \"/t/ring.mp3\"");
}

TEST(EffectChain, TheChainFollowsTheFormatsOptionsAsOneArgument)
{
    const QString line = encodeCommand(kCoder, kWav, {12000, 30000}, "/t/My Tone.m4r", EffectsSettings{1000, 1000, -16});
    EXPECT_EQ(line, "/app/data/coder -i /tmp/ts/open-1.wav -ss 12 -t 30 -y -acodec aac -ab 128k -ar 44100 -ac 2 "
                    "-af afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin,loudnorm=I=-16:TP=-1 "
                    "\"/t/My Tone.m4r\"");
    const QStringList argv = splitCommandLine(line);
    EXPECT_EQ(argv.mid(argv.size() - 3),
              QStringList({"-af", "afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin,loudnorm=I=-16:TP=-1",
                           "/t/My Tone.m4r"}));
    EXPECT_EQ(encodeCommand(kCoder, kWav, {0, 5000}, "/t/x.opus", EffectsSettings{1000, 0, 0}), "");
}

TEST(EffectChain, ThePreviewRendersTheSelectionWithTheSameChain)
{
    EXPECT_EQ(previewCommand(kCoder, kWav, {12000, 30000}, "/tmp/ts/preview-1.wav", EffectsSettings{0, 2000, -14}),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12 -t 30 -y "
              "-af afade=t=out:st=28:d=2:curve=hsin,loudnorm=I=-14:TP=-1 /tmp/ts/preview-1.wav");
    EXPECT_EQ(previewCommand(kCoder, kWav, {12000, 30000}, "/tmp/ts/preview-1.wav", EffectsSettings{}), "");
}

} // namespace
