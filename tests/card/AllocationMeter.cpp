#include "AllocationMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace allocationmeter {

namespace {

std::atomic<std::size_t> g_held{0};
std::atomic<std::size_t> g_base{0};
std::atomic<std::size_t> g_peak{0};
std::atomic<std::size_t> g_largest{0};

// Each block starts with its size, so a delete knows how much it gives back.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void RaiseTo(std::atomic<std::size_t>& value, std::size_t candidate) {
    std::size_t seen = value.load(std::memory_order_relaxed);
    while (candidate > seen && !value.compare_exchange_weak(seen, candidate, std::memory_order_relaxed)) {
    }
}

}  // namespace

void Start() {
    const std::size_t held = g_held.load();
    g_base = held;
    g_peak = held;
    g_largest = 0;
}

std::size_t PeakSinceStart() { return g_peak.load() - g_base.load(); }
std::size_t LargestSinceStart() { return g_largest.load(); }

namespace {

void* Allocate(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    RaiseTo(g_peak, g_held.fetch_add(size, std::memory_order_relaxed) + size);
    RaiseTo(g_largest, size);
    return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) noexcept {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - kHeader;
    g_held.fetch_sub(*static_cast<std::size_t*>(block), std::memory_order_relaxed);
    std::free(block);
}

}  // namespace

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
