#include "platform/seams/Clock.h"

#include "platform/dates/DateValue.h"

namespace {

const Clock *installedClock = nullptr;

} // namespace

const Clock &Clock::instance()
{
    static const SystemClock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void Clock::install(const Clock *clock)
{
    installedClock = clock;
}

double Clock::nowSerial()
{
    const QDateTime now = instance().now().toLocalTime();
    const QDate d = now.date();
    const QTime t = now.time();
    DateValue::Parts p;
    p.year = d.year();
    p.month = d.month();
    p.day = d.day();
    p.hour = t.hour();
    p.minute = t.minute();
    p.second = t.second();
    // A clock outside the supported years (a broken system clock) reads as day zero.
    return DateValue::fromParts(p).value_or(0.0);
}

double Clock::today()
{
    return DateValue::datePart(nowSerial());
}
