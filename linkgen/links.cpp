#include "linkgen/links.h"

#include "linkgen/random_text.h"
#include "linkgen/text.h"

static_assert(UA_ANDROID.size() == 134);
static_assert(UA_IPHONE.size() == 136);
static_assert(VIP_MARKER.size() == 27, "the marker is held as UTF-8");

namespace {
std::string pool_run(int count) {
    return random_text(true, true, true, EXTRA_CHARS, count);
}
} // namespace

// Drawn straight into the link's own buffer: one allocation per link.
std::string make_generated_link() {
    std::string link;
    link.reserve(MUSIC_TAB_URL.size() + GENERATED_RUN_LENGTH);
    link += MUSIC_TAB_URL;
    append_random_text(link, true, true, true, EXTRA_CHARS, GENERATED_RUN_LENGTH);
    return link;
}

std::string make_vip_link() {
    const std::string head = pool_run(VIP_HEAD_LENGTH);
    const std::string tail = pool_run(VIP_TAIL_LENGTH);
    return concat_text({MUSIC_TAB_URL, head, VIP_MARKER, tail});
}
