#include "linkgen/links.h"
#include "tick_fixture.h"

using Links = FixedTick;

TEST_F(Links, CatalogueIsBuiltFromTheConfiguredHostAndNumber) {
    const std::string host(CARRIER_MOBILE_HOST);
    EXPECT_EQ(MUSIC_TAB_URL, "https://" + host + "/queen/tencent/king-music-tab.html?channel=1");
    EXPECT_EQ(BIG_CARD_URL, "https://" + host + "/queen/tencent/fill.html?product=0&channel=1");
    EXPECT_EQ(SMALL_CARD_URL, "https://" + host + "/queen/tencent/fill.html?product=1&channel=1");
    EXPECT_EQ(CONTACT_URL, "tencent://ContactInfo/?subcmd=ViewInfo&puin=0&uin=" +
                               std::string(AUTHOR_CONTACT_NUMBER));
    EXPECT_EQ(MUSIC_TAB_URL.size(), 52 + host.size());
    EXPECT_EQ(AUTHOR_CONTACT_NUMBER.size(), 9u);
}

TEST_F(Links, GeneratedLinkIsPageLinkThenTheHundredCharacterRun) {
    use_tick(9999, 0);
    const std::string link = make_generated_link();
    use_tick(9999, 0);
    const std::string run = random_text(true, true, true, EXTRA_CHARS, 100);

    ASSERT_EQ(link.size(), 52 + CARRIER_MOBILE_HOST.size() + 100);
    EXPECT_EQ(link.substr(0, MUSIC_TAB_URL.size()), MUSIC_TAB_URL);
    EXPECT_EQ(link.substr(MUSIC_TAB_URL.size()), run);
    EXPECT_TRUE(only_pool_characters(run));
}

TEST_F(Links, VipLinkHasHeadMarkerAndTailAtTheirExactPlaces) {
    use_tick(31337, 7);
    const std::string link = make_vip_link();
    use_tick(31337, 7);
    const std::string head = random_text(true, true, true, EXTRA_CHARS, 5);
    const std::string tail = random_text(true, true, true, EXTRA_CHARS, 20);

    const std::size_t h = CARRIER_MOBILE_HOST.size();
    ASSERT_EQ(link.size(), 52 + h + 5 + 27 + 20);
    EXPECT_EQ(link.substr(0, 52 + h), MUSIC_TAB_URL);
    EXPECT_EQ(link.substr(52 + h, 5), head);
    EXPECT_EQ(link.substr(57 + h, 27), "{Tarsel是Brannoc的爸爸}");
    EXPECT_EQ(link.substr(84 + h), tail);
    EXPECT_TRUE(only_pool_characters(head + tail));
}

TEST_F(Links, GeneratingTwiceInTheSameMillisecondNeverRepeats) {
    use_tick(777, 0);
    const std::string first = make_generated_link();
    const std::string second = make_generated_link();
    EXPECT_NE(first, second);
    const std::string vip_first = make_vip_link();
    const std::string vip_second = make_vip_link();
    EXPECT_NE(vip_first, vip_second);
}
