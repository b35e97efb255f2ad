#include "log/activity_log.h"

#include "linkgen/text.h"

std::string format_timestamp(const LocalTime& now) {
    std::string stamp = std::to_string(now.year) + "年" + std::to_string(now.month) + "月" +
                        std::to_string(now.day) + "日";
    if (now.second != 0)
        stamp += std::to_string(now.hour) + "时" + std::to_string(now.minute) + "分" +
                 std::to_string(now.second) + "秒";
    else if (now.minute != 0)
        stamp += std::to_string(now.hour) + "时" + std::to_string(now.minute) + "分";
    else if (now.hour != 0)
        stamp += std::to_string(now.hour) + "时";
    return stamp;
}

std::string make_log_line(std::string_view message) {
    return concat_text({format_timestamp(local_now()), message});
}
