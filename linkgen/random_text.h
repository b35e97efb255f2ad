// Random runs of characters for the generated links: a linear congruential
// generator with the classic rand() constants, re-seeded on every call from the
// millisecond counter and a process-wide seed counter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The letters follow the keyboard rows and the digits run 1 to 0; characters are
// picked by position, so this order decides which character a number yields.
inline constexpr std::string_view UPPER_POOL = "QWERTYUIOPLKJHGFDSAZXCVBNM";
inline constexpr std::string_view LOWER_POOL = "qwertyuioplkjhgfdsazxcvbnm";
inline constexpr std::string_view DIGIT_POOL = "1234567890";
inline constexpr std::string_view EXTRA_CHARS = "@#$%^&*";

// Seed = tick + seed counter; the counter then moves on by 100 to 355, so two
// calls in the same millisecond still get different seeds.
std::uint32_t next_seed();

// The seed counter lives for the whole process; reading and setting it lets a
// test replay the worked examples from a known state.
std::uint32_t seed_counter_value();
void set_seed_counter(std::uint32_t value);

void seed_generator(std::uint32_t seed);

// A draw over [low, high]: negative bounds become 0, swapped bounds are put in
// order, equal bounds return without drawing.
int random_int(int low, int high);

// Appends the characters random_text would return to out, in out's own buffer.
void append_random_text(std::string& out, bool include_upper, bool include_lower,
                        bool include_digits, std::string_view extra, int count);

// count characters drawn with replacement from UPPER, LOWER, DIGIT (as flagged)
// followed by extra; empty when count <= 0 or the pool is empty.
std::string random_text(bool include_upper, bool include_lower, bool include_digits,
                        std::string_view extra, int count);
