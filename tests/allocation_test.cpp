#include "linkgen/fatal.h"
#include "linkgen/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
void ask_for(std::size_t bytes) {
    void* block = ::operator new(bytes);
    // Keep the block observable so the compiler cannot drop the request.
    std::printf("%p\n", block);
    ::operator delete(block);
}

// How a process that ended with exit code -1 looks to its parent.
#ifdef _WIN32
constexpr int FATAL_STATUS = FATAL_EXIT_CODE;
#else
constexpr int FATAL_STATUS = FATAL_EXIT_CODE & 0xFF;
#endif
} // namespace

TEST(AllocationDeathTest, FailureEndsThroughTheFatalStopWithTheByteCount) {
    // 2^62 bytes: refused at once everywhere (Wine spends half a minute on 2^46).
    const std::size_t bytes = std::size_t{1} << 62;
    const std::string expected = allocation_failure_message(bytes).text;
    EXPECT_EXIT(ask_for(bytes), testing::ExitedWithCode(FATAL_STATUS), expected);
}

TEST(AllocationMessage, NamesTheNumberOfBytes) {
    EXPECT_EQ(std::string(allocation_failure_message(4096).text), "分配 4096 字节内存失败");
}
