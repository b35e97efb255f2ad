#include "linkgen/text.h"

#include <gtest/gtest.h>

TEST(ConcatText, JoinsPartsInOrderWithEmptyAndDefaultViewsCountingAsEmpty) {
    EXPECT_EQ(concat_text({"ab", std::string_view{}, "", "是", "c"}), "ab是c");
    EXPECT_EQ(concat_text({std::string_view{}, ""}), "");
    EXPECT_EQ(concat_text({"only"}), "only");
}

TEST(ConcatText, KeepsEmbeddedBytesAndGivesANewTextEachTime) {
    const std::string with_nul("a\0b", 3);
    const std::string joined = concat_text({with_nul, with_nul});
    EXPECT_EQ(joined, std::string("a\0ba\0b", 6));
    std::string first = concat_text({"x"});
    const std::string second = concat_text({"x"});
    first[0] = 'y';
    EXPECT_EQ(second, "x");
}
