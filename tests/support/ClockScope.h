#pragma once

#include "platform/seams/Clock.h"

// Installs a clock for the lifetime of the scope and restores the one that
// was installed before.
class ClockScope
{
public:
    explicit ClockScope(const Clock &clock) : m_previous(&Clock::instance()) { Clock::install(&clock); }
    ~ClockScope() { Clock::install(m_previous); }
    ClockScope(const ClockScope &) = delete;
    ClockScope &operator=(const ClockScope &) = delete;

private:
    const Clock *m_previous;
};
