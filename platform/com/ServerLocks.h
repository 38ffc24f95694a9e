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

// One live object of the library for as long as it exists. A member of every
// class whose objects the library hands out (fonts, pictures, pages, ...), so
// that a host holding any of them keeps the library from being unloaded; a
// copy of its owner counts as one more.
class ServerObject
{
public:
    ServerObject() { ServerLocks::objectCreated(); }
    ServerObject(const ServerObject &) : ServerObject() {}
    ServerObject &operator=(const ServerObject &) { return *this; }
    ~ServerObject() { ServerLocks::objectDestroyed(); }
};
