#include "log/activity_log.h"

#include <gtest/gtest.h>

#include <regex>

TEST(FormatTimestamp, LeavesOutTrailingZeroFields) {
    struct Case {
        LocalTime now;
        const char* stamp;
    };
    const Case cases[] = {
        {{2016, 12, 31, 11, 15, 54}, "2016年12月31日11时15分54秒"},
        {{2016, 12, 31, 11, 15, 0}, "2016年12月31日11时15分"},
        {{2016, 12, 31, 11, 0, 0}, "2016年12月31日11时"},
        {{2016, 12, 31, 0, 0, 0}, "2016年12月31日"},
        {{2016, 12, 31, 0, 15, 0}, "2016年12月31日0时15分"},
        {{2016, 12, 31, 0, 0, 30}, "2016年12月31日0时0分30秒"},
        {{2017, 1, 5, 9, 3, 7}, "2017年1月5日9时3分7秒"},
        {{2026, 12, 11, 23, 59, 59}, "2026年12月11日23时59分59秒"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stamp);
        EXPECT_EQ(format_timestamp(c.now), c.stamp);
    }
}

TEST(MakeLogLine, IsTheCurrentTimeStampFollowedDirectlyByTheMessage) {
    const std::string before = format_timestamp(local_now());
    const std::string line = make_log_line(LOG_GENERATE);
    const std::string after = format_timestamp(local_now());

    ASSERT_TRUE(line.size() > LOG_GENERATE.size());
    const std::string stamp = line.substr(0, line.size() - LOG_GENERATE.size());
    EXPECT_EQ(line.substr(stamp.size()), LOG_GENERATE);
    EXPECT_TRUE(stamp == before || stamp == after) << stamp;
    EXPECT_TRUE(std::regex_match(stamp, std::regex("\\d{4}年\\d{1,2}月\\d{1,2}日.*")));
}

TEST(LogMessages, AllStartWithFiveSpacesAndEndWithCrLf) {
    for (std::string_view message :
         {LOG_GENERATE, LOG_GENERATE_VIP, LOG_QUICK_APPLY, LOG_OPEN_IN_MOBILE_BROWSER,
          LOG_OPEN_IN_SYSTEM_BROWSER, LOG_SWITCH_ANDROID, LOG_SWITCH_IPHONE, LOG_REFRESH,
          LOG_CLOSE_PAGE, LOG_ADD_AUTHOR}) {
        SCOPED_TRACE(message);
        EXPECT_EQ(message.substr(0, 6), "     " + std::string(1, message[5]));
        EXPECT_NE(message[5], ' ');
        EXPECT_EQ(message.substr(message.size() - 2), "\r\n");
    }
    EXPECT_EQ(LOG_ADD_AUTHOR, "     作者QQ：" + std::string(AUTHOR_CONTACT_NUMBER) + "\r\n");
}
