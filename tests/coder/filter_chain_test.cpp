// The -af chain: only the accepted filters with checked options, split around the loudnorm step,
// which the transcoder does in passes of its own.
#include "coder/FilterChain.h"
#include "transcode/EffectChain.h"

#include <gtest/gtest.h>

using coder::parseFilterChain;

namespace {

TEST(FilterChain, SplitsAroundTheLoudnessStep)
{
    auto r = parseFilterChain("afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin,loudnorm=I=-16:TP=-1");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_EQ(r.chain->before, "afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin");
    ASSERT_TRUE(r.chain->loudness);
    EXPECT_EQ(r.chain->loudness->integrated, -16);
    EXPECT_EQ(r.chain->loudness->truePeak, -1);
    EXPECT_EQ(r.chain->after, "");

    r = parseFilterChain(" loudnorm = i=-23 : tp=-2 : LRA=7 , volume=0.5 ");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_EQ(r.chain->before, "");
    EXPECT_EQ(r.chain->loudness->integrated, -23);
    EXPECT_EQ(r.chain->loudness->truePeak, -2);
    EXPECT_EQ(r.chain->after, "volume=0.5");

    // loudnorm's own defaults; a chain without it is passed on whole.
    r = parseFilterChain("loudnorm");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_EQ(r.chain->loudness->integrated, -24);
    EXPECT_EQ(r.chain->loudness->truePeak, -2);
    r = parseFilterChain("volume='0.5',afade=t=out:st=1.50:d=0.5");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_FALSE(r.chain->loudness);
    EXPECT_EQ(r.chain->before, "volume=0.5,afade=t=out:st=1.5:d=0.5");
}

TEST(FilterChain, TheWindowsChainsAreTakenAsTheyAre)
{
    for (const EffectsSettings& e : {EffectsSettings{500, 0, 0}, EffectsSettings{0, 3000, -14},
                                     EffectsSettings{2000, 1000, -23}, EffectsSettings{0, 0, -16}}) {
        for (double length : {1.0, 5.0, 30.0, 3599.0}) {
            const std::string chain = effectChain(e, length).toStdString();
            const auto r = parseFilterChain(chain);
            ASSERT_TRUE(r.chain) << chain << ": " << r.error;
            EXPECT_EQ(chain, r.chain->before + (r.chain->loudness ? std::string(r.chain->before.empty() ? "" : ",")
                                                                        + chain.substr(chain.find("loudnorm"))
                                                                  : ""));
        }
    }
}

TEST(FilterChain, VolumeTakesAFactorOrDecibelsButNoExpression)
{
    auto r = parseFilterChain("volume=volume=-6.5dB:precision=double,volume=+2,volume");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_EQ(r.chain->before, "volume=-6.5dB:precision=double,volume=2,volume=1");
    for (const char* chain : {"volume='if(lt(t,1),0,1)':eval=frame", "volume=if(lt(t\\,1)\\,0\\,1)",
                              "volume='while(1,1)'", "volume=1e3", "volume=-1", "volume=61dB", "volume=0.5:eval=frame",
                              "volume=replaygain=drop"}) {
        const auto refused = parseFilterChain(chain);
        EXPECT_FALSE(refused.chain) << chain;
        EXPECT_NE(refused.error.find("volume"), std::string::npos) << chain << ": " << refused.error;
    }
}

TEST(FilterChain, RefusesEveryOtherFilterAndListsTheAcceptedOnes)
{
    // Filters that read or write files, listen on the network or never end, and one harmless one.
    for (const char* chain : {"amovie=/etc/passwd", "movie=/tmp/x.mp4", "arnndn=m=/tmp/model.rnnn",
                              "sofalizer=sofa=/tmp/x.sofa", "asendcmd=f=/etc/shadow",
                              "ametadata=mode=print:file=/tmp/leak.txt", "azmq", "apad", "aloop=loop=-1:size=1000",
                              "aecho=0.8:0.9:1000:0.3", "afade=t=in:d=1,amovie=/etc/passwd", "volume@x=1",
                              "afade=t=in:d=1\\,amovie=/etc/passwd", "'amovie'=/etc/passwd"}) {
        const auto r = parseFilterChain(chain);
        EXPECT_FALSE(r.chain) << chain;
        EXPECT_FALSE(r.error.empty()) << chain;
    }
    const auto r = parseFilterChain("afade=t=in:d=1,asendcmd=f=/etc/shadow");
    EXPECT_EQ(r.error, "invalid filter chain: \"asendcmd\" is not an accepted filter; the accepted filters are afade, "
                       "loudnorm and volume");
}

TEST(FilterChain, RefusesWhatItCannotDoWithTheReason)
{
    struct Case {
        const char* chain;
        const char* mentions;
    };
    for (const Case& c : {Case{"loudnorm=I=-16,loudnorm=I=-14", "more than one loudnorm"},
                          Case{"loudnorm=-16", "by name"}, Case{"loudnorm=I=loud", "not a number"},
                          Case{"loudnorm=I=-3", "between -70 and -5"}, Case{"loudnorm=TP=1", "between -9 and 0"},
                          Case{"loudnorm=dual_mono=1", "not supported"}, Case{"volume=1,,afade", "empty filter"},
                          Case{"[a]volume=1[b]", "without labels"}, Case{"volume=1;afade", "without labels"},
                          Case{"volume='1", "quote"}, Case{"afade=in:0:44100", "by name"},
                          Case{"afade=t=sideways", "in or out"}, Case{"afade=st=-1", "seconds"},
                          Case{"afade=d='00:01'", "seconds"}, Case{"afade=ns=0", "whole number"},
                          Case{"afade=ss=1.5", "whole number"}, Case{"afade=curve=wobble", "curve"},
                          Case{"afade=silence=0.1", "only t, st, d, curve, ss and ns"},
                          Case{"afade=t=in=out", "more than one '='"}}) {
        const auto r = parseFilterChain(c.chain);
        EXPECT_FALSE(r.chain) << c.chain;
        EXPECT_NE(r.error.find(c.mentions), std::string::npos) << c.chain << ": " << r.error;
    }
}

} // namespace
