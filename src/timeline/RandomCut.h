#pragma once
#include <cstdint>
#include <optional>
#include <random>

// The shortest selection the random cutter makes: more than five seconds.
inline constexpr std::int32_t kRandomCutMinLength = 6;

// Begin and end of a random selection, in whole seconds.
struct RandomCut {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    bool operator==(const RandomCut&) const = default;
};

// A random selection of a file of `duration` whole seconds: 0 <= begin, end <= duration and
// end - begin > 5, every such pair equally likely, from two draws of `engine` (never a retry).
// Nothing when the file is too short for one (duration < 6).
template <class Engine>
std::optional<RandomCut> randomCut(std::int32_t duration, Engine& engine)
{
    if (duration < kRandomCutMinLength)
        return std::nullopt;
    // The pairs are the multisets {low <= high} of two values from [0, m), with begin = low and
    // end = high + 6. Drawing x from [0, m) and y from [0, m] hits each multiset exactly twice:
    // as (x = high, y = low) and as (x = low, y = high + 1).
    const std::int64_t m = std::int64_t(duration) - kRandomCutMinLength + 1;
    const std::int64_t x = std::uniform_int_distribution<std::int64_t>(0, m - 1)(engine);
    const std::int64_t y = std::uniform_int_distribution<std::int64_t>(0, m)(engine);
    const std::int64_t low = y <= x ? y : x;
    const std::int64_t high = y <= x ? x : y - 1;
    return RandomCut{std::int32_t(low), std::int32_t(high + kRandomCutMinLength)};
}
