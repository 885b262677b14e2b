#include "AllocationMeter.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace allocationmeter {

namespace {

// Each block starts with its size and the measurement it was allocated in (0: none), so that
// a delete gives back to the right measurement, or to none.
struct Header {
    std::size_t size;
    std::uint64_t measurement;
};
constexpr std::size_t kHeaderSize = alignof(std::max_align_t);
static_assert(sizeof(Header) <= kHeaderSize);

std::atomic<std::uint64_t> g_measurement{0};
std::uint64_t g_last = 0;
std::atomic<std::size_t> g_held{0};
std::atomic<std::size_t> g_peak{0};
std::atomic<std::size_t> g_largest{0};

void RaiseTo(std::atomic<std::size_t>& value, std::size_t candidate) {
    std::size_t seen = value.load(std::memory_order_relaxed);
    while (candidate > seen && !value.compare_exchange_weak(seen, candidate, std::memory_order_relaxed)) {
    }
}

void* Allocate(std::size_t size) {
    void* block = std::malloc(size + kHeaderSize);
    if (!block) throw std::bad_alloc();
    const std::uint64_t measurement = g_measurement.load(std::memory_order_relaxed);
    *static_cast<Header*>(block) = {size, measurement};
    if (measurement != 0) {
        RaiseTo(g_peak, g_held.fetch_add(size, std::memory_order_relaxed) + size);
        RaiseTo(g_largest, size);
    }
    return static_cast<char*>(block) + kHeaderSize;
}

void Release(void* pointer) noexcept {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - kHeaderSize;
    const Header header = *static_cast<Header*>(block);
    if (header.measurement != 0 && header.measurement == g_measurement.load(std::memory_order_relaxed)) {
        g_held.fetch_sub(header.size, std::memory_order_relaxed);
    }
    std::free(block);
}

}  // namespace

void Start() {
    g_held = 0;
    g_peak = 0;
    g_largest = 0;
    g_measurement = ++g_last;
}

Figures Stop() {
    g_measurement = 0;
    return {g_peak.load(), g_largest.load()};
}

}  // namespace allocationmeter

// Every form that does not take an alignment, so that no block of ours is given back to
// another allocator (the sanitizer runtime brings its own operators).
using allocationmeter::Allocate;
using allocationmeter::Release;

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
