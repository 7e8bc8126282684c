// The -af chain: split around its loudnorm step, which the transcoder does in passes of its own.
#include "coder/FilterChain.h"

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
    r = parseFilterChain("volume='0.5',aecho=0.8:0.9:1000:0.3");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_FALSE(r.chain->loudness);
    EXPECT_EQ(r.chain->before, "volume='0.5',aecho=0.8:0.9:1000:0.3");
}

TEST(FilterChain, CommasInQuotesOrEscapedStayInTheirFilter)
{
    auto r = parseFilterChain("volume='if(lt(t,1),0,1)':eval=frame,loudnorm=I=-14");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_EQ(r.chain->before, "volume='if(lt(t,1),0,1)':eval=frame");
    r = parseFilterChain("volume=if(lt(t\\,1)\\,0\\,1):eval=frame");
    ASSERT_TRUE(r.chain) << r.error;
    EXPECT_FALSE(r.chain->loudness);
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
                          Case{"[a]volume=1[b]", "without labels"}, Case{"volume=1;anull", "without labels"},
                          Case{"volume='1", "quote"}}) {
        const auto r = parseFilterChain(c.chain);
        EXPECT_FALSE(r.chain) << c.chain;
        EXPECT_NE(r.error.find(c.mentions), std::string::npos) << c.chain << ": " << r.error;
    }
}

} // namespace
