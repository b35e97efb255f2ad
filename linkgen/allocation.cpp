// Every allocation of the program goes through here, so running out of memory
// always reaches the fatal stop with the number of bytes that was asked for,
// instead of an exception escaping through a window procedure.
#include "linkgen/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <new>

AllocationMessage allocation_failure_message(std::size_t bytes) {
    AllocationMessage message{};
    std::snprintf(message.text, sizeof message.text, "分配 %llu 字节内存失败",
                  static_cast<unsigned long long>(bytes));
    return message;
}

void* operator new(std::size_t bytes) {
    if (void* block = std::malloc(bytes != 0 ? bytes : 1)) return block;
    report_fatal_error(allocation_failure_message(bytes).text);
}

void* operator new[](std::size_t bytes) {
    return operator new(bytes);
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
