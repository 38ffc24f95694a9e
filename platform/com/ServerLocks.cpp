#include "platform/com/ServerLocks.h"

#include <atomic>

namespace {
std::atomic<int> objects {0};
std::atomic<int> locks {0};
} // namespace

namespace ServerLocks {

void objectCreated() { ++objects; }
void objectDestroyed() { --objects; }
void lock() { ++locks; }
// A stray unlock never drives the count below zero.
void unlock()
{
    int n = locks.load();
    while (n > 0 && !locks.compare_exchange_weak(n, n - 1)) {
    }
}
int objectCount() { return objects.load(); }
int lockCount() { return locks.load(); }
bool canUnload() { return objects.load() == 0 && locks.load() == 0; }

} // namespace ServerLocks
