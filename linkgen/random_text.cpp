#include "linkgen/random_text.h"

#include "linkgen/tick.h"

#include <utility>

namespace {
// Both belong to the user-interface thread; nothing else calls the generator.
std::uint32_t seed_counter = 0;
std::uint32_t holdrand = 0;

int draw(std::uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

// Takes the state by reference so a loop can keep it in a local: the generator
// stays in a register instead of being reloaded after every character written.
int random_int_with(std::uint32_t& state, int low, int high) {
    if (low < 0) low = 0;
    if (high < 0) high = 0;
    if (low > high) std::swap(low, high);
    if (low == high) return low;
    std::uint32_t span = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low);
    if (span > 0x7FFFFFFEu) span = 0x7FFFFFFEu;
    return low + static_cast<int>(static_cast<std::uint32_t>(draw(state)) % (span + 1u));
}
} // namespace

std::uint32_t next_seed() {
    const std::uint32_t seed = current_tick() + seed_counter;
    seed_counter += (seed & 0xFFu) + 100u;
    return seed;
}

std::uint32_t seed_counter_value() {
    return seed_counter;
}

void set_seed_counter(std::uint32_t value) {
    seed_counter = value;
}

void seed_generator(std::uint32_t seed) {
    holdrand = seed;
}

int random_int(int low, int high) {
    return random_int_with(holdrand, low, high);
}

void append_random_text(std::string& out, bool include_upper, bool include_lower,
                        bool include_digits, std::string_view extra, int count) {
    seed_generator(next_seed());
    // Built again only when the flags or extra change, so drawing a link allocates
    // nothing but the link itself.
    static std::string pool;
    static std::string pool_extra;
    static int pool_flags = -1;
    const int flags = (include_upper ? 1 : 0) | (include_lower ? 2 : 0) | (include_digits ? 4 : 0);
    if (flags != pool_flags || extra != pool_extra) {
        pool.clear();
        if (include_upper) pool += UPPER_POOL;
        if (include_lower) pool += LOWER_POOL;
        if (include_digits) pool += DIGIT_POOL;
        pool += extra;
        pool_extra = extra;
        pool_flags = flags;
    }
    if (count <= 0) return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(count));
    char* next = out.data() + start;
    const int pool_length = pool.size() > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<int>(pool.size());
    const char* const pool_chars = pool.data();
    std::uint32_t state = holdrand;
    if (pool_length >= 2 && pool_length <= 32768) {
        // random_int(1, n) is 1 + draw % n here. A draw has 15 bits, so a multiply by
        // ceil(2^32 / n) gives the exact quotient and spares a division per character.
        const auto n = static_cast<std::uint32_t>(pool_length);
        const std::uint64_t reciprocal = (std::uint64_t{1} << 32) / n + 1;
        for (int i = 0; i < count; ++i) {
            const auto value = static_cast<std::uint32_t>(draw(state));
            const auto quotient = static_cast<std::uint32_t>((value * reciprocal) >> 32);
            *next++ = pool_chars[value - quotient * n];
        }
    } else {
        for (int i = 0; i < count; ++i) {
            const int position = random_int_with(state, 1, pool_length);
            // A position outside the pool (only possible when it is empty) adds nothing.
            if (position >= 1 && position <= pool_length) *next++ = pool_chars[position - 1];
        }
    }
    holdrand = state;
    out.resize(static_cast<std::size_t>(next - out.data()));
}

std::string random_text(bool include_upper, bool include_lower, bool include_digits,
                        std::string_view extra, int count) {
    std::string result;
    append_random_text(result, include_upper, include_lower, include_digits, extra, count);
    return result;
}
