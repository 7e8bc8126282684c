// The formats of the save dialog and the rule that picks one from the output's name.
#include "transcode/SaveFormats.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveFormats, TheDialogOffersTheFourFirstThenThePhonesFormats)
{
    EXPECT_EQ(saveDialogFilter(),
              "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr|"
              "M4R iPhone ring tone(*.m4r)|*.m4r|M4A Files(*.m4a)|*.m4a|OGG Files(*.ogg)|*.ogg|"
              "FLAC Files(*.flac)|*.flac");
    EXPECT_EQ(saveExtensionsText(), ".mp3, .wma, .wav, .amr, .m4r, .m4a, .ogg or .flac");
}

TEST(SaveFormats, NamesOfTheFourFirstFormatsKeepTheirFormat)
{
    // Every name the window took before keeps its format; only names it refused gain one.
    struct Case {
        const char* name;
        const char* key;
    };
    for (const Case& c : {Case{"/t/ring.mp3", "mp3"}, Case{"/t/Ring.Mp3", "mp3"}, Case{"/t/ringmp3", "mp3"},
                          Case{"/t/tone.flac.mp3", "mp3"}, Case{"/t/x.m4a.wav", "wav"}, Case{"/t/ring.wma  ", "wma"},
                          Case{"/t/oggAMR", "amr"}, Case{"/t/mp3", "mp3"}}) {
        const SaveFormat* f = saveFormatFor(c.name);
        ASSERT_TRUE(f) << c.name;
        EXPECT_STREQ(f->key, c.key) << c.name;
    }
}

TEST(SaveFormats, ThePhonesFormatsByTheirLastLetters)
{
    struct Case {
        const char* name;
        const char* key;
    };
    for (const Case& c : {Case{"/t/ring.m4r", "m4r"}, Case{"/t/Ring.M4A ", "m4a"}, Case{"/t/tone.v2ogg", "ogg"},
                          Case{"/t/ring.FLAC", "flac"}, Case{"/t/ringflac", "flac"}}) {
        const SaveFormat* f = saveFormatFor(c.name);
        ASSERT_TRUE(f) << c.name;
        EXPECT_STREQ(f->key, c.key) << c.name;
    }
    for (const char* name : {"/t/ring.opus", "/t/ringlac", "/t/ring.m4", "/t/ring.flac.part", "lac", ""})
        EXPECT_FALSE(saveFormatFor(name)) << name;
}

} // namespace
