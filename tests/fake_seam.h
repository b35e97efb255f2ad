// A stand-in for Windows that writes down every call the actions make, in order.
#pragma once

#include "ui/seam.h"

#include <string>
#include <vector>

struct FakeWindows {
    std::string link_box;
    std::string log_box;
    bool user_agent_accepted = true;
    std::vector<std::string> calls;
};

// The one fake the seam functions use; reset at the start of every test.
FakeWindows& fake_windows();
void reset_fake_windows();
