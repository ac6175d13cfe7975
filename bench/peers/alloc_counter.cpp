// A malloc hook by interposition: the executable's malloc, calloc and realloc count and forward to
// glibc's own, so Qt's allocations are seen as well as ours.
#include "bench/peers/alloc_counter.h"

#include <atomic>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {
std::atomic<bool> counting{false};
std::atomic<std::size_t> allocations{0};

void Count() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

extern "C" void* malloc(std::size_t size) noexcept {
    Count();
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
    Count();
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, std::size_t size) noexcept {
    Count();
    return __libc_realloc(pointer, size);
}

void StartCountingAllocations() {
    allocations = 0;
    counting = true;
}

std::size_t StopCountingAllocations() {
    counting = false;
    return allocations;
}
