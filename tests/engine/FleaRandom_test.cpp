#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/FleaRandom.h"

using namespace rewrix::engine;

namespace {

std::vector<int32_t> Iota(int n) {
    std::vector<int32_t> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), 0);
    return v;
}

// How many numbers `used` has drawn since it started from `seed`.
int DrawsSince(std::uint64_t seed, RandomSource used) {
    RandomSource fresh(seed);
    double next = used.Next();
    for (int n = 0; n < 1000; ++n) {
        if (fresh.Next() == next) {
            return n;
        }
    }
    return -1;
}

} // namespace

TEST(FleaRandom, PermutesInPlaceDrawingOncePerIndex) {
    for (int n : {1, 2, 9, 100}) {
        RandomSource random(7);
        std::vector<int32_t> list = Iota(n);
        FleaRandom(list, false, false, 0, 0, 0, 0, random);
        std::vector<int32_t> sorted = list;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, Iota(n));
        EXPECT_EQ(DrawsSince(7, random), n);
    }
    RandomSource random(7);
    std::vector<int32_t> empty;
    FleaRandom(empty, false, false, 0, 0, 0, 0, random);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(DrawsSince(7, random), 0);
}

TEST(FleaRandom, EachIndexSwapsWithADrawOverTheWholeRange) {
    // Two entries: index 0 swaps with place floor(2 r0), then index 1 with
    // place floor(2 r1); the pair ends swapped when exactly one exchange moved it.
    int swappedRuns = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RandomSource draws(seed);
        double r0 = draws.Next(), r1 = draws.Next();
        bool swapped = (r0 >= 0.5) != (r1 < 0.5);
        RandomSource random(seed);
        std::vector<int32_t> list{0, 1};
        FleaRandom(list, false, false, 0, 0, 0, 0, random);
        EXPECT_EQ(list, swapped ? (std::vector<int32_t>{1, 0}) : (std::vector<int32_t>{0, 1}));
        swappedRuns += swapped;
    }
    EXPECT_GT(swappedRuns, 0);
    EXPECT_LT(swappedRuns, 40);
}

TEST(FleaRandom, ExplicitRangesLimitWhatMovesAndWhatIsDrawn) {
    RandomSource random(3);
    std::vector<int32_t> list = Iota(10);
    const int32_t swapEnd = 6;
    FleaRandom(list, true, true, 4, 5, 3, swapEnd, random);
    EXPECT_EQ(DrawsSince(3, random), 2);
    for (int i : {0, 1, 2, 7, 8, 9}) {
        EXPECT_EQ(list[static_cast<std::size_t>(i)], i);
    }

    // The swap range alone is also the scan range.
    list = Iota(10);
    FleaRandom(list, false, true, 0, 0, 2, swapEnd, random);
    EXPECT_EQ(DrawsSince(3, random), 2 + 5);

    std::vector<int32_t> before = Iota(5);
    list = before;
    const int32_t tooFar = 5;
    EXPECT_THROW(FleaRandom(list, false, true, 0, 0, 0, tooFar, random), std::out_of_range);
    EXPECT_THROW(FleaRandom(list, true, false, -1, 2, 0, 0, random), std::out_of_range);
    EXPECT_EQ(list, before);
}

TEST(RandomSource, StartsFromTheSameStateAndCanStartElsewhere) {
    RandomSource a, b;
    for (int i = 0; i < 5; ++i) {
        double r = a.Next();
        EXPECT_EQ(r, b.Next());
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    RandomSource c;
    c.Start(42);
    RandomSource d(42);
    EXPECT_EQ(c.Next(), d.Next());
    c.Start(RandomSource::kStartingSeed);
    EXPECT_EQ(c.Next(), RandomSource().Next());
}
