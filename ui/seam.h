// What the actions need from Windows, as plain functions. velmora.exe links the
// Windows bodies (ui/*_win.cpp); the tests link a recording fake.
#pragma once

#include "linkgen/fatal.h"

#include <string>
#include <string_view>

// The two edit boxes the actions read and write.
enum class Box { link, log };

// The whole text of the box, CR LF line breaks; empty for an empty box.
std::string get_content(Box box);
// Replaces the whole text of the box.
void set_content(Box box, std::string_view text);
// Adds the time-stamped line for message at the very end of the log box.
void append_log(std::string_view message);
// Modal information box with the caption "信息："; returns when it is closed.
void show_message(std::string_view text);

void browser_navigate(std::string_view url);
void browser_refresh();
// True when the platform took the agent for every later request of this process.
bool set_process_user_agent(std::string_view ua);
void open_in_system_browser(std::string_view url);
