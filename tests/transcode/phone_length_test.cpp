// How long an iPhone ring tone may be, and what the user is asked or told.
#include "support/Recorders.h"
#include "transcode/PhoneLength.h"

#include <gtest/gtest.h>

namespace {

TEST(PhoneLength, OnlyAnM4rHasLimits)
{
    EXPECT_EQ(phoneLength("/t/ring.m4r", 30), PhoneLength::Fits);
    EXPECT_EQ(phoneLength("/t/ring.m4r", 31), PhoneLength::Long);
    EXPECT_EQ(phoneLength("/t/Ring.M4R ", 40), PhoneLength::Long);
    EXPECT_EQ(phoneLength("/t/ringm4r", 41), PhoneLength::TooLong);
    EXPECT_EQ(phoneLength("/t/ring.m4a", 600), PhoneLength::Fits);
    EXPECT_EQ(phoneLength("/t/ring.mp3", 41), PhoneLength::Fits);
}

TEST(PhoneLength, AskedForALongOneToldForOneTooLong)
{
    RecordingMessageBoxes boxes;
    EXPECT_TRUE(confirmPhoneLength(boxes, "/t/ring.m4r", 30));
    EXPECT_TRUE(confirmPhoneLength(boxes, "/t/ring.ogg", 90));
    EXPECT_TRUE(boxes.shown.empty());

    boxes.answers = {MsgResult::Ok, MsgResult::Cancel};  // Yes, then No
    EXPECT_TRUE(confirmPhoneLength(boxes, "/t/ring.m4r", 35));
    EXPECT_FALSE(confirmPhoneLength(boxes, "/t/ring.m4r", 35));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("iPhone plays ring tones of up to 30 seconds"));
    EXPECT_TRUE(boxes.shown[0].text.contains("35 seconds"));
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);

    boxes.answers = {MsgResult::Ok};  // whatever the answer, it is refused
    EXPECT_FALSE(confirmPhoneLength(boxes, "/t/ring.m4r", 41));
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_TRUE(boxes.shown[2].text.contains("at most 40 seconds")) << boxes.shown[2].text.toStdString();
    EXPECT_TRUE(boxes.shown[2].text.contains("41 seconds"));
    EXPECT_EQ(boxes.shown[2].buttons, MsgButtons::Ok);
}

} // namespace
