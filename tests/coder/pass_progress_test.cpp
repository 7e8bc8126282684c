// One time= span over all the passes of a run: from 0 to the cut's length, never going back.
#include "coder/PassProgress.h"
#include "coder/ProgressPrinter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using coder::PassProgress;
using coder::ProgressPrinter;

namespace {

// The printer's lines in memory, every update printed.
class Lines {
public:
    Lines()
        : file_(open_memstream(&data_, &size_))
        , printer_(file_, std::chrono::milliseconds(0))
    {
    }
    ~Lines()
    {
        std::fclose(file_);
        std::free(data_);
    }
    ProgressPrinter& printer() { return printer_; }
    std::vector<double> times()
    {
        std::fflush(file_);
        std::vector<double> out;
        const std::string text(data_, size_);
        for (auto at = text.find("time="); at != std::string::npos; at = text.find("time=", at + 5))
            out.push_back(std::stod(text.substr(at + 5)));
        return out;
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
    ProgressPrinter printer_;
};

TEST(PassProgress, EachPassTakesItsShareOfWhatIsLeft)
{
    Lines lines;
    std::int64_t bytes = 0;
    PassProgress bar(lines.printer(), 30, [&] { return bytes; });
    // Four passes planned of weights 1, 2, 1 (and one that may follow).
    bar.begin(1, 3);
    bar.at(15);
    EXPECT_DOUBLE_EQ(bar.time(), 3.75);  // half of the first quarter
    bar.at(30);
    EXPECT_DOUBLE_EQ(bar.time(), 7.5);
    bar.begin(2, 1);
    bar.at(30);
    EXPECT_DOUBLE_EQ(bar.time(), 22.5);
    bar.begin(1, 0);
    bar.at(29.99);
    bar.at(30);
    EXPECT_DOUBLE_EQ(bar.time(), 30);
    const std::vector<double> t = lines.times();
    ASSERT_FALSE(t.empty());
    EXPECT_DOUBLE_EQ(t.front(), 3.75);  // nothing printed for 0
    EXPECT_DOUBLE_EQ(t.back(), 30);
}

TEST(PassProgress, TheTimeNeverGoesBackAndStaysWithinTheLength)
{
    Lines lines;
    PassProgress bar(lines.printer(), 60, [] { return std::int64_t{0}; });
    bar.begin(1, 3);
    bar.at(40);  // the cut turns out shorter than the options said
    bar.setLength(20);
    bar.at(10);
    bar.begin(2, 0.15);  // a pass that may be followed by another
    bar.at(5);
    bar.at(100);  // past the end
    EXPECT_LT(bar.time(), 20);
    bar.begin(1, 0);
    bar.at(20);
    EXPECT_DOUBLE_EQ(bar.time(), 20);
    const std::vector<double> t = lines.times();
    for (std::size_t i = 1; i < t.size(); ++i)
        EXPECT_GE(t[i], t[i - 1]) << i;
    for (double v : t)
        EXPECT_LE(v, 60);
}

TEST(PassProgress, WithoutALengthOnlyTheEndOfAPassIsKnown)
{
    Lines lines;
    PassProgress bar(lines.printer(), 0, [] { return std::int64_t{0}; });
    bar.begin(1, 1);
    bar.at(5);
    EXPECT_EQ(bar.time(), 0);
    bar.setLength(10);
    bar.begin(1, 0);
    EXPECT_DOUBLE_EQ(bar.time(), 5);
}

} // namespace
