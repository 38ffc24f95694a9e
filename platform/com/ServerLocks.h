#pragma once

// Counts the live objects and the host's locks of one server library, which
// decide whether the library may be unloaded. Each library that links this
// code has counts of its own.
namespace ServerLocks {

void objectCreated();
void objectDestroyed();
void lock();
void unlock();
int objectCount();
int lockCount();
bool canUnload();

} // namespace ServerLocks
