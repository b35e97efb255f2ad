#include "linkgen/random_text.h"
#include "tick_fixture.h"

#include <climits>
#include <set>

namespace {
// The generator's raw draw, reproduced independently of the product's code.
int reference_draw(std::uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}
} // namespace

using RandomText = FixedTick;

TEST_F(RandomText, SeedZeroDrawsTheWorkedExample) {
    EXPECT_EQ(random_text(true, true, true, EXTRA_CHARS, 10), "j94VB&D@yz");
}

TEST_F(RandomText, MatchesTheReferenceGeneratorForALongRun) {
    use_tick(123456789, 0);
    const std::string pool = std::string(UPPER_POOL) + std::string(LOWER_POOL) +
                             std::string(DIGIT_POOL) + std::string(EXTRA_CHARS);
    std::uint32_t state = 123456789;
    std::string expected;
    for (int i = 0; i < 1000; ++i)
        expected += pool[static_cast<std::size_t>(reference_draw(state) % 69)];
    EXPECT_EQ(random_text(true, true, true, EXTRA_CHARS, 1000), expected);
}

TEST_F(RandomText, LargeExtraPoolsStillFollowTheReference) {
    // Pools longer than a draw can reach take the general path of random_int.
    for (std::size_t size : {32767u, 32768u, 32769u, 100000u}) {
        SCOPED_TRACE(size);
        std::string extra(size, 'a');
        extra[size - 1] = 'b';
        extra[32767 % size] = 'c';
        use_tick(99, 0);
        std::uint32_t state = 99;
        std::string expected;
        for (int i = 0; i < 300; ++i)
            expected += extra[static_cast<std::size_t>(reference_draw(state)) % size];
        EXPECT_EQ(random_text(false, false, false, extra, 300), expected);
    }
}

TEST_F(RandomText, SeedCounterFollowsTheTickAndItsLowByte) {
    use_tick(1000, 0);
    EXPECT_EQ(next_seed(), 1000u);
    EXPECT_EQ(seed_counter_value(), 332u);
    EXPECT_EQ(next_seed(), 1332u);
    EXPECT_EQ(seed_counter_value(), 484u);
}

TEST_F(RandomText, SeedAndCounterWrapModulo2To32) {
    use_tick(0xFFFFFFF0u, 0x20u);
    EXPECT_EQ(next_seed(), 0x10u);
    EXPECT_EQ(seed_counter_value(), 0x20u + 0x10u + 100u);
    use_tick(0, 0xFFFFFFFFu);
    EXPECT_EQ(next_seed(), 0xFFFFFFFFu);
    EXPECT_EQ(seed_counter_value(), 0xFFFFFFFFu + 0xFFu + 100u);
}

TEST_F(RandomText, CountZeroOrLessIsEmptyButStillAdvancesTheCounterOnce) {
    for (int count : {0, -1, INT_MIN}) {
        SCOPED_TRACE(count);
        use_tick(1000, 0);
        EXPECT_EQ(random_text(true, true, true, EXTRA_CHARS, count), "");
        EXPECT_EQ(seed_counter_value(), 332u);
    }
}

TEST_F(RandomText, EmptyPoolGivesEmptyTextForAnyCount) {
    for (int count : {0, 1, 50}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(random_text(false, false, false, "", count), "");
    }
}

TEST_F(RandomText, FlagsAndExtraChooseThePool) {
    struct Case {
        bool upper, lower, digits;
        std::string_view extra;
        std::string pool;
    };
    const Case cases[] = {
        {true, false, false, "", std::string(UPPER_POOL)},
        {false, true, false, "", std::string(LOWER_POOL)},
        {false, false, true, "", std::string(DIGIT_POOL)},
        {false, false, false, "xy", "xy"},
        {false, false, false, "z", "z"},
        {false, true, true, "!", std::string(LOWER_POOL) + std::string(DIGIT_POOL) + "!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pool);
        use_tick(42, 0);
        std::uint32_t state = 42;
        std::string expected;
        for (int i = 0; i < 200; ++i)
            expected += c.pool[static_cast<std::size_t>(reference_draw(state) %
                                                        static_cast<int>(c.pool.size()))];
        EXPECT_EQ(random_text(c.upper, c.lower, c.digits, c.extra, 200), expected);
    }
}

TEST_F(RandomText, TwoCallsAtTheSameTickDrawDifferentText) {
    use_tick(5000, 0);
    const std::string first = random_text(true, true, true, EXTRA_CHARS, 100);
    const std::string second = random_text(true, true, true, EXTRA_CHARS, 100);
    EXPECT_NE(first, second);
    EXPECT_TRUE(only_pool_characters(first));
    EXPECT_TRUE(only_pool_characters(second));
}

TEST_F(RandomText, EveryPoolCharacterAppearsIncludingPunctuationUnescaped) {
    const std::string run = random_text(true, true, true, EXTRA_CHARS, 5000);
    const std::set<char> seen(run.begin(), run.end());
    EXPECT_EQ(seen.size(), 69u);
}

TEST(RandomInt, BoundsAreRaisedOrderedAndCapped) {
    struct Case {
        int low, high;
        int expected_low, expected_high; // the range it must behave as
        bool draws;
    };
    const Case cases[] = {
        {5, 5, 5, 5, false},
        {7, 3, 3, 7, true},
        {-4, 2, 0, 2, true},
        {-9, -3, 0, 0, false},
        {0, 0, 0, 0, false},
        {2, -4, 0, 2, true},
        {0, INT_MAX, 0, INT_MAX, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << ", " << c.high);
        seed_generator(77);
        const int value = random_int(c.low, c.high);
        std::uint32_t state = 77;
        const int draw = reference_draw(state);
        if (!c.draws) {
            EXPECT_EQ(value, c.expected_low);
            // No draw was consumed: the next one is still the first of the seed.
            EXPECT_EQ(random_int(0, 32767), draw);
            continue;
        }
        // The span is capped at 0x7FFFFFFE, so the full range still divides cleanly.
        const long long span = std::min<long long>(
            static_cast<long long>(c.expected_high) - c.expected_low, 0x7FFFFFFE);
        EXPECT_EQ(value, c.expected_low + static_cast<int>(draw % (span + 1)));
        EXPECT_GE(value, c.expected_low);
        EXPECT_LE(value, c.expected_high);
    }
}
