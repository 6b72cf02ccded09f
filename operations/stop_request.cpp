#include "operations/stop_request.h"

#include <atomic>

namespace {

// A signal handler may only touch lock-free atomics.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> g_bStopRequested{false};

}  // namespace

void RequestOperationStop() {
    g_bStopRequested.store(true, std::memory_order_relaxed);
}

bool IsOperationStopRequested() {
    return g_bStopRequested.load(std::memory_order_relaxed);
}

void ClearOperationStopRequest() {
    g_bStopRequested.store(false, std::memory_order_relaxed);
}
