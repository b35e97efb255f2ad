#include "ui/actions.h"

#include "linkgen/links.h"
#include "log/activity_log.h"
#include "ui/seam.h"
#include "ui/web_address.h"

namespace {
// The link box is loaded again under the new identity; a refused agent still
// counts as switched, as the user only sees the page.
void switch_user_agent(std::string_view ua, std::string_view log_message) {
    set_process_user_agent(ua);
    browser_navigate(get_content(Box::link));
    append_log(log_message);
    show_message(SWITCHED_MESSAGE);
}
} // namespace

void greet_on_created() {
    show_message(GREETING);
}

void act_generate() {
    set_content(Box::link, make_generated_link());
    append_log(LOG_GENERATE);
}

// Logs first, so the line carries the time of the press.
void act_generate_vip() {
    append_log(LOG_GENERATE_VIP);
    set_content(Box::link, make_vip_link());
    show_message(VIP_MESSAGE);
}

void act_quick_apply_big() {
    browser_navigate(BIG_CARD_URL);
    append_log(LOG_QUICK_APPLY);
}

void act_quick_apply_small() {
    browser_navigate(SMALL_CARD_URL);
    append_log(LOG_QUICK_APPLY);
}

// The pane is a browser: whatever the box holds goes there unchanged.
void act_open_in_mobile_browser() {
    browser_navigate(get_content(Box::link));
    append_log(LOG_OPEN_IN_MOBILE_BROWSER);
}

// Only web links reach the shell; anything else is explained and not logged,
// since nothing was opened.
void act_open_in_system_browser() {
    const std::optional<std::string> address = web_address_for_shell(get_content(Box::link));
    if (!address) {
        show_message(ONLY_WEB_ADDRESSES_MESSAGE);
        return;
    }
    open_in_system_browser(*address);
    append_log(LOG_OPEN_IN_SYSTEM_BROWSER);
}

void act_switch_android() {
    switch_user_agent(UA_ANDROID, LOG_SWITCH_ANDROID);
}

void act_switch_iphone() {
    switch_user_agent(UA_IPHONE, LOG_SWITCH_IPHONE);
}

void act_refresh() {
    browser_refresh();
    append_log(LOG_REFRESH);
}

void act_close_page() {
    browser_navigate(BLANK_PAGE);
    append_log(LOG_CLOSE_PAGE);
}

// The messenger link goes to the pane on purpose: the pane hands it to the
// messenger's own handler.
void act_add_author() {
    browser_navigate(CONTACT_URL);
    append_log(LOG_ADD_AUTHOR);
}
